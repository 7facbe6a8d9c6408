// The load tool's commit: a load at the node picked on the board, drawn as a
// line from the node in its direction with the magnitude at the free end.

#include "board/Principal.h"
#include "model/Numeros.h"

#include <QGroupBox>
#include <QLineEdit>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979;
constexpr double LargoLineaCarga = 500; // twips, whatever the magnitude
const QString MensajeSinCargas = QStringLiteral("No se pueden aplicar más de %1 cargas").arg(MaxCargas);
const QString MensajeNoCabe = QStringLiteral("La magnitud o el ángulo escrito es demasiado grande");
const QString MensajeSuma = QStringLiteral("La suma de las cargas del nodo es demasiado grande");

// Draws load k at the node's board point in direction theta (radians).
void DibujarCarga(Principal& p, size_t k, const NodoRec& nodo, double theta, double P)
{
    Linea& linea = *p.Fuerza[k];
    linea.FijarInicio(static_cast<float>(p.coordenadas.ATwips(nodo.X, Eje::X)),
        static_cast<float>(p.coordenadas.ATwips(nodo.Y, Eje::Y)));
    // The board's y grows downward: direction theta is (cos, -sin) there.
    linea.FijarFin(static_cast<float>(linea.X1 + LargoLineaCarga * std::cos(-theta)),
        static_cast<float>(linea.Y1 + LargoLineaCarga * std::sin(-theta)));
    Etiqueta& etiqueta = *p.lbCarga[k];
    etiqueta.Caption(FormatoGeneral(P, Separador::Regional));
    etiqueta.Mover(linea.X2, linea.Y2 - etiqueta.Height()); // bottom-left on the free end
    p.apilamiento.AlFrente(etiqueta.item);
    etiqueta.Visible(true);
    linea.Visible(true);
}

} // namespace

// The load acts on the node along theta + 180 degrees, toward the node along
// its line: it takes P cos theta from Fx and P sin theta from Fy.
void Principal::AceptarCarga()
{
    const int16_t n = NodoCarga;
    if (n < 1 || n > modulo.NumNodos)
        return;
    const Lectura P = LeerNumero(Prin->text());
    const Lectura A = LeerNumero(Angulo->text());
    const double theta = A.valor * Pi / 180;
    if (!P.cabe || !A.cabe || !std::isfinite(theta)) {
        Mensaje(MensajeNoCabe);
        return;
    }
    if (!modulo.CabeCarga()) {
        Mensaje(MensajeSinCargas);
        return;
    }
    NodoRec& nodo = modulo.Nodos[static_cast<size_t>(n)];
    const double fx = nodo.Fx - P.valor * std::cos(theta);
    const double fy = nodo.Fy - P.valor * std::sin(theta);
    if (!std::isfinite(fx) || !std::isfinite(fy)) {
        Mensaje(MensajeSuma); // an infinite load would poison the calculation
        return;
    }
    Datos->setEnabled(false);
    const int16_t k = ++modulo.NumCargas;
    DibujarCarga(*this, static_cast<size_t>(k), nodo, theta, P.valor);
    nodo.Fx = fx;
    nodo.Fy = fy;
    SoltarHerramienta(HerrCarga);
}
