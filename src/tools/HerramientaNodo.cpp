// The node tool: pointer moves write the snapped position into the panel, a
// board press places a node at what the panel holds and disarms, Aceptar
// places one at the typed point and leaves the tool armed.

#include "board/Principal.h"
#include "model/Numeros.h"

#include <QGroupBox>
#include <QLineEdit>
#include <optional>

namespace {

const QString NumeroDemasiadoGrande = QStringLiteral("El número escrito es demasiado grande");

struct Posicion {
    double x;
    double y;
};

// The panel's two numbers, or none when a text holds a number too large for
// a double (it would otherwise read as 0 and land the node at the origin).
std::optional<Posicion> LeerPosicion(const QLineEdit& prin, const QLineEdit& angulo)
{
    const Lectura x = LeerNumero(prin.text());
    const Lectura y = LeerNumero(angulo.text());
    if (!x.cabe || !y.cabe)
        return std::nullopt;
    return Posicion { x.valor, y.valor };
}

// A snapped value in the middle of a 0.05 step keeps the box's text.
void EscribirAjuste(QLineEdit& caja, double metros, bool simple)
{
    if (const std::optional<double> ajuste = AjusteRejilla(metros, simple))
        caja.setText(FormatoGeneral(*ajuste, Separador::Punto));
}

} // namespace

void Principal::MoverNodo(const EventoPuntero& evento)
{
    EscribirAjuste(*Prin, coordenadas.AMetros(evento.X, Eje::X), coordenadas.AMetrosSimple(Eje::X));
    EscribirAjuste(*Angulo, coordenadas.AMetros(evento.Y, Eje::Y), coordenadas.AMetrosSimple(Eje::Y));
}

void Principal::ClicNodo(const EventoPuntero&)
{
    // The click point is not used: the node goes where the panel says.
    const std::optional<Posicion> posicion = LeerPosicion(*Prin, *Angulo);
    if (!posicion) {
        Mensaje(NumeroDemasiadoGrande);
        return;
    }
    // A refused node leaves the tool as it was; AgregarNodo says why.
    if (!AgregarNodo(posicion->x, posicion->y))
        return;
    Banderas[1] = false;
    SoltarHerramienta(HerrNodo);
    Mensaje(QString());
    Datos->setEnabled(false);
}

void Principal::AceptarNodo()
{
    const std::optional<Posicion> posicion = LeerPosicion(*Prin, *Angulo);
    if (!posicion) {
        Mensaje(NumeroDemasiadoGrande);
        return;
    }
    if (AgregarNodo(posicion->x, posicion->y))
        SoltarHerramienta(HerrNodo);
}
