// The node tool: pointer moves write the snapped position into the panel, a
// board press places a node at what the panel holds and disarms, Aceptar
// places one at the typed point and leaves the tool armed.

#include "board/Coordenadas.h"
#include "board/PanelDatos.h"
#include "board/Tablero.h"
#include "model/Numeros.h"
#include "tools/Herramientas.h"

#include <QLineEdit>
#include <optional>

namespace {

const QString PromptNodo = QStringLiteral("Selección la ubicación del nuevo nodo");
const QString NumeroDemasiadoGrande = QStringLiteral("El número escrito es demasiado grande");
const RotulosPanel RotulosNodo { QStringLiteral("Nuevo nodo"), QStringLiteral("X(m): "), QStringLiteral("Y(m): ") };

struct Posicion {
    double x;
    double y;
};

// The panel's two numbers, or none when a text holds a number too large for
// a double (it would otherwise read as 0 and land the node at the origin).
std::optional<Posicion> LeerPosicion(const PanelDatos& panel)
{
    const Lectura x = LeerNumero(panel.Prin().text());
    const Lectura y = LeerNumero(panel.Angulo().text());
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

void HerramientaNodo::Seleccionar()
{
    // Enabled so that coordinates can be typed; pointer moves fill it too.
    editor.Datos().Habilitar(true);
    editor.Datos().Rotular(RotulosNodo);
    editor.Mensaje(PromptNodo);
}

void HerramientaNodo::Mover(const EventoPuntero& evento)
{
    const Coordenadas& c = editor.Escala();
    EscribirAjuste(editor.Datos().Prin(), c.AMetros(evento.X, Eje::X), c.AMetrosSimple(Eje::X));
    EscribirAjuste(editor.Datos().Angulo(), c.AMetros(evento.Y, Eje::Y), c.AMetrosSimple(Eje::Y));
}

void HerramientaNodo::Presionar(const EventoPuntero&)
{
    // The click point is not used: the node goes where the panel says.
    const std::optional<Posicion> posicion = LeerPosicion(editor.Datos());
    if (!posicion) {
        editor.Mensaje(NumeroDemasiadoGrande);
        return;
    }
    // A refused node leaves the tool as it was; AgregarNodo says why.
    if (!editor.AgregarNodo(posicion->x, posicion->y))
        return;
    editor.Estado().Banderas[Bandera::Armada] = false;
    editor.SoltarHerramienta(HerrNodo);
    editor.Mensaje(QString());
    editor.Datos().Habilitar(false);
}

void HerramientaNodo::Aceptar()
{
    const std::optional<Posicion> posicion = LeerPosicion(editor.Datos());
    if (!posicion) {
        editor.Mensaje(NumeroDemasiadoGrande);
        return;
    }
    if (editor.AgregarNodo(posicion->x, posicion->y))
        editor.SoltarHerramienta(HerrNodo);
}
