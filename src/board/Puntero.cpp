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

// The load labels and the axes picture take pointer events and hand nothing
// on; every other element lets the board see the event at the same point.
bool Principal::AbsorbePuntero(float x, float y) const
{
    if (Coordenas->Contiene(x, y))
        return true;
    for (int k = 1; k <= modulo.NumCargas; ++k) {
        if (lbCarga[static_cast<size_t>(k)]->Contiene(x, y))
            return true;
    }
    return false;
}
