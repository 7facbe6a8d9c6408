// The board's pointer-move handler: the position readout, then the steps of
// the armed node or bar tool. At most six conversions and four text updates,
// never a search over nodes or bars.

#include "board/Principal.h"
#include "model/Numeros.h"

#include <QLabel>

void Principal::Diagrama_MouseMove(const EventoPuntero& evento)
{
    MostrarPosicion(evento.X, evento.Y);
    if (!Banderas[1])
        return;
    if (HerramientaActual == HerrNodo)
        MoverNodo(evento);
    else if (HerramientaActual == HerrBarra && !Banderas[2])
        MoverBarra(evento);
}

void Principal::MostrarPosicion(float X, float Y)
{
    const double x = SiguienteDecima(coordenadas.AMetros(X, Eje::X), coordenadas.AMetrosSimple(Eje::X));
    const double y = SiguienteDecima(coordenadas.AMetros(Y, Eje::Y), coordenadas.AMetrosSimple(Eje::Y));
    Panel[2]->setText(QStringLiteral("X(m): ") + FormatoFijo(x, 2, Separador::Regional));
    Panel[3]->setText(QStringLiteral("Y(m): ") + FormatoFijo(y, 2, Separador::Regional));
}

// The topmost element under the point decides. A load label or the axes
// picture on top takes the event and hands nothing on; a node letter, bar
// number, force label or support image on top lets the board see it. Shown
// labels are each brought to the front and supports sent to the back, so the
// stacking values tell which lies on top. The search past the loads runs only
// while the pointer is over a load label or the axes picture.
bool Principal::AbsorbePuntero(float x, float y) const
{
    const QGraphicsItem* arriba = nullptr;
    const auto absorbe = [&](const auto& elemento) {
        if (elemento.Contiene(x, y) && (!arriba || elemento.item->zValue() > arriba->zValue()))
            arriba = elemento.item;
    };
    absorbe(*Coordenas);
    for (int k = 1; k <= modulo.NumCargas; ++k)
        absorbe(*lbCarga[static_cast<size_t>(k)]);
    if (!arriba)
        return false;
    const auto encima
        = [&](const auto& elemento) { return elemento.Contiene(x, y) && elemento.item->zValue() > arriba->zValue(); };
    for (int n = 1; n <= modulo.NumNodos; ++n) {
        if (encima(*lbNodo[static_cast<size_t>(n)]))
            return false;
    }
    for (int b = 1; b <= modulo.NumBarras; ++b) {
        if (encima(*lbBarra[static_cast<size_t>(b)]) || encima(*lbFuerza[static_cast<size_t>(b)]))
            return false;
    }
    return !encima(*Apoyo[0]) && !encima(*Apoyo[1]);
}
