// The pointer readout: the next tenth above the pointer, in metres.

#include "board/Principal.h"
#include "model/Numeros.h"

#include <QLabel>

void Principal::MostrarPosicion(float X, float Y)
{
    const double x = SiguienteDecima(coordenadas.AMetros(X, Eje::X), coordenadas.AMetrosSimple(Eje::X));
    const double y = SiguienteDecima(coordenadas.AMetros(Y, Eje::Y), coordenadas.AMetrosSimple(Eje::Y));
    Panel[Casilla::X]->setText(QStringLiteral("X(m): ") + FormatoFijo(x, 2, Separador::Regional));
    Panel[Casilla::Y]->setText(QStringLiteral("Y(m): ") + FormatoFijo(y, 2, Separador::Regional));
}
