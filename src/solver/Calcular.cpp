// The Calcular click: assemble, solve, and show every bar's force on the board
// as a label and a colour. Nothing here allocates but the label texts.

#include "board/Principal.h"
#include "model/Numeros.h"
#include "solver/Ensamblaje.h"
#include "solver/Resolver.h"

#include <QToolButton>

namespace {

const QString MensajeNoCuadrada = QStringLiteral("Cercha mal determinada, matriz de cálculo no es cuadrada");
const QString MensajeBarraAbierta
    = QStringLiteral("Termine el elemento que está dibujando antes de calcular la cercha");
const QString MensajeSinApoyos = QStringLiteral("Coloque el apoyo fijo y el apoyo movil antes de calcular la cercha");
const QString MensajeSingular = QStringLiteral("Matriz singular, Imposible calcular la cercha");
const QString MensajeCalculada = QStringLiteral("Cercha calculada satisfactoriamente");

// Compression is stored positive: blue; tension red; a zero force keeps the
// colour every bar has before a calculation.
QColor ColorPorFuerza(double fuerza)
{
    if (fuerza > 0)
        return ColorCompresion;
    if (fuerza < 0)
        return ColorTraccion;
    return ColorBarra;
}

} // namespace

void Principal::Calcular_Click()
{
    switch (EnsamblarSistema(modulo)) {
    case Ensamblaje::Cuadrada: break;
    case Ensamblaje::NoCuadrada: Mensaje(MensajeNoCuadrada); return;
    case Ensamblaje::BarraAbierta: Mensaje(MensajeBarraAbierta); return;
    case Ensamblaje::ApoyoInvalido: Mensaje(MensajeSinApoyos); return;
    }
    if (ResolverMatriz(modulo).singular) {
        // Forces, labels, colours and the results stay those of the last success.
        Mensaje(MensajeSingular);
        return;
    }
    GuardarResuelto(modulo);
    Resultados->setEnabled(true);
    MostrarFuerzas();
    Mensaje(MensajeCalculada);
}

// Tension reads positive: the label shows -Fuerza. It starts where the bar's
// number ends, bottom edges aligned.
void Principal::MostrarFuerzas()
{
    for (int b = 1; b <= modulo.NumBarras; ++b) {
        const size_t i = static_cast<size_t>(b);
        const double fuerza = modulo.Barras[i].Fuerza;
        const Etiqueta& numero = *lbBarra[i];
        Etiqueta& etiqueta = *lbFuerza[i];
        etiqueta.Caption(FormatoGeneral(-fuerza, Separador::Regional));
        etiqueta.Mover(numero.Left() + numero.Width(), numero.Top() + numero.Height() - etiqueta.Height());
        etiqueta.Visible(true);
        apilamiento.AlFrente(etiqueta.item);
        Barra[i]->Color(ColorPorFuerza(fuerza));
    }
}

// The results window shows the last successful calculation, so its bars take
// the colours of that calculation; bars drawn since keep theirs.
void Principal::ColorearBarras()
{
    const CalculoResuelto& resuelto = modulo.Resuelto;
    if (!resuelto.hay)
        return;
    for (int b = 1; b <= resuelto.NumBarras; ++b) {
        const size_t i = static_cast<size_t>(b);
        Barra[i]->Color(ColorPorFuerza(resuelto.Barras[i].Fuerza));
    }
}
