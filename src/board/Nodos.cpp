// Nodes on the board: AgregarNodo places one, BuscarNodo finds the one under
// a board point.

#include "board/ElementosTablero.h"
#include "board/PanelDatos.h"
#include "board/Principal.h"

#include <QToolButton>

namespace {

constexpr float DiametroNodo = 120;
constexpr float DesplazamientoNodo = 50; // the dot's corner, up and left of the node's point
constexpr float AlturaLetra = 250;

} // namespace

bool Principal::AgregarNodo(double X, double Y)
{
    if (!modulo.CabeNodo()) {
        Mensaje(QStringLiteral("No se pueden agregar más de %1 nodos").arg(MaxNodos));
        return false;
    }
    const double xt = coordenadas.ATwips(X, Eje::X);
    const double yt = coordenadas.ATwips(Y, Eje::Y);
    if (!CabeEnSimple(xt) || !CabeEnSimple(yt)) {
        Mensaje(QStringLiteral("La posición del nodo está fuera del alcance del dibujo"));
        return false;
    }
    const int n = modulo.NumNodos + 1;
    Punto& punto = *elementos->Nodo[n];
    Etiqueta& letra = *elementos->lbNodo[n];
    punto.Mover(static_cast<float>(xt - DesplazamientoNodo), static_cast<float>(yt - DesplazamientoNodo));
    letra.Mover(static_cast<float>(xt), static_cast<float>(yt - AlturaLetra));
    letra.Caption(LetraNodo(n));
    letra.Visible(true);
    elementos->apilamiento.AlFrente(letra.item);
    punto.Visible(true);
    datos->Habilitar(false);
    Herramienta[HerrArea]->setEnabled(false);
    modulo.AgregarNodoRec(X, Y);
    Herramienta[HerrApoyos]->setEnabled(true);
    Herramienta[HerrBarra]->setEnabled(true);
    Herramienta[HerrCarga]->setEnabled(true);
    return true;
}

int16_t Principal::BuscarNodo(float X, float Y) const
{
    const int16_t cuenta = modulo.NumNodos;
    for (int16_t n = 1; n <= cuenta; ++n) {
        const NodoRec& nodo = modulo.Nodo(n);
        double x0 = coordenadas.ATwips(nodo.X, Eje::X) - DesplazamientoNodo;
        if (x0 < 0)
            x0 = 0;
        float y0 = static_cast<float>(coordenadas.ATwips(nodo.Y, Eje::Y) - DesplazamientoNodo);
        if (y0 < 0)
            y0 = 0;
        if (X > x0 && X - x0 < DiametroNodo && Y > y0 && Y - y0 < DiametroNodo)
            return n;
    }
    return 0;
}
