// The drawing-area tool: the panel shows the drawing's size and Aceptar sets
// a new one, whole metres across and any positive height.

#include "board/Coordenadas.h"
#include "board/PanelDatos.h"
#include "board/Tablero.h"
#include "model/Numeros.h"
#include "tools/Herramientas.h"

#include <QLineEdit>
#include <cmath>
#include <limits>

namespace {

const QString PromptArea = QStringLiteral("Nuevas dimensiones exteriores");
const QString AnchoNoValido = QStringLiteral("El ancho del dibujo debe estar entre 1 y 32767 metros");
const QString AltoNoValido = QStringLiteral("El alto del dibujo debe ser un número mayor que 0");
const QString AltoFueraDeAlcance = QStringLiteral("El alto del dibujo está fuera del alcance del tablero");
const RotulosPanel RotulosArea { QStringLiteral("Dimensiones"), QStringLiteral("Ancho dibujo(m): "),
    QStringLiteral("Alto dibujo(m): ") };

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

void HerramientaArea::Seleccionar()
{
    PanelDatos& panel = editor.Datos();
    panel.Habilitar(true);
    editor.Mensaje(PromptArea);
    panel.Rotular(RotulosArea);
    // "." always: Aceptar reads both texts back as numbers.
    panel.Prin().setText(FormatoGeneral(editor.Escala().AnchoDibujo, Separador::Punto));
    panel.Angulo().setText(FormatoGeneral(editor.Escala().AltoDibujo, Separador::Punto));
}

void HerramientaArea::Aceptar()
{
    const Lectura ancho = LeerNumero(editor.Datos().Prin().text());
    const Lectura alto = LeerNumero(editor.Datos().Angulo().text());
    // Half to even: 7.5 gives 8, 6.5 gives 6.
    const double anchoEntero = EnteroPar(ancho.valor);
    if (!ancho.cabe || !(anchoEntero >= 1 && anchoEntero <= std::numeric_limits<int16_t>::max())) {
        editor.Mensaje(AnchoNoValido);
        return;
    }
    if (alto.cabe && !(alto.valor > 0)) {
        editor.Mensaje(AltoNoValido);
        return;
    }
    Coordenadas nuevas = editor.Escala();
    nuevas.FijarTamano(static_cast<int16_t>(anchoEntero), alto.valor);
    if (!alto.cabe || !ConversionesFinitas(nuevas)) {
        editor.Mensaje(AltoFueraDeAlcance);
        return;
    }
    editor.Escala().FijarTamano(static_cast<int16_t>(anchoEntero), alto.valor);
    editor.SoltarHerramienta(HerrArea);
}
