// The data panel's Aceptar: commits what the panel holds for the current tool.
// Loads and bars have their own files; here the common start and the drawing
// size.

#include "board/Principal.h"
#include "model/Numeros.h"

#include <QLineEdit>
#include <cmath>
#include <limits>

namespace {

const QString AnchoNoValido = QStringLiteral("El ancho del dibujo debe estar entre 1 y 32767 metros");
const QString AltoNoValido = QStringLiteral("El alto del dibujo debe ser un número mayor que 0");
const QString AltoFueraDeAlcance = QStringLiteral("El alto del dibujo está fuera del alcance del tablero");

// The board's corners and the drawing area's top and bottom must convert to
// finite numbers both ways, or every later conversion would be lost.
bool ConversionesFinitas(const Coordenadas& c)
{
    const double valores[] = {
        c.ATwips(0, Eje::Y),
        c.ATwips(c.AltoDibujo, Eje::Y),
        c.AMetros(0, Eje::Y),
        c.AMetros(AltoTablero, Eje::Y),
    };
    for (double v : valores) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

} // namespace

void Principal::Aceptar_Click()
{
    Mensaje(QString());
    switch (HerramientaActual) {
    case HerrCarga: AceptarCarga(); break;
    case HerrNodo: AceptarNodo(); break;
    case HerrBarra: AceptarBarra(); break;
    case HerrArea: AceptarArea(); break;
    default: break;
    }
}

void Principal::AceptarArea()
{
    const Lectura ancho = LeerNumero(Prin->text());
    const Lectura alto = LeerNumero(Angulo->text());
    // Half to even: 7.5 gives 8, 6.5 gives 6.
    const double anchoEntero = EnteroPar(ancho.valor);
    if (!ancho.cabe || !(anchoEntero >= 1 && anchoEntero <= std::numeric_limits<int16_t>::max())) {
        Mensaje(AnchoNoValido);
        return;
    }
    if (alto.cabe && !(alto.valor > 0)) {
        Mensaje(AltoNoValido);
        return;
    }
    Coordenadas nuevas = coordenadas;
    nuevas.FijarTamano(static_cast<int16_t>(anchoEntero), alto.valor);
    if (!alto.cabe || !ConversionesFinitas(nuevas)) {
        Mensaje(AltoFueraDeAlcance);
        return;
    }
    coordenadas.FijarTamano(static_cast<int16_t>(anchoEntero), alto.valor);
    SoltarHerramienta(HerrArea);
}
