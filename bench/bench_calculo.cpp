// The calculation at full size: 11 nodes and 19 bars, the largest square
// system the pools allow (22 x 22 plus the loads).

#include "CerchaMayor.h"
#include "solver/CasiMecanismo.h"
#include "solver/Ensamblaje.h"
#include "solver/Resolver.h"

#include <QApplication>
#include <QToolButton>
#include <benchmark/benchmark.h>

namespace {

void EnsamblarYResolver(benchmark::State& estado)
{
    Modulo m;
    ArmarMayor(m);
    for (auto _ : estado) {
        if (EnsamblarSistema(m) != Ensamblaje::Cuadrada || ResolverMatriz(m).singular) {
            estado.SkipWithError("la cercha mayor no se resolvió");
            break;
        }
        benchmark::DoNotOptimize(m.MatrizCalculo);
    }
}
BENCHMARK(EnsamblarYResolver);

// The near-mechanism check that follows every successful calculation.
void EvaluarCondicionMayor(benchmark::State& estado)
{
    Modulo m;
    ArmarMayor(m);
    for (auto _ : estado)
        benchmark::DoNotOptimize(EvaluarCondicion(m));
}
BENCHMARK(EvaluarCondicionMayor);

// The whole click: assembly, solver, then force labels placed and captioned
// and bar lines coloured on the board.
void CalcularClick(benchmark::State& estado)
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    DibujarMayor(p);
    if (m.NumNodos != 11 || m.NumBarras != 19 || !p.findChild<QToolButton*>(QStringLiteral("Calcular"))->isEnabled()) {
        estado.SkipWithError("la cercha mayor no quedó dibujada");
        return;
    }
    for (auto _ : estado)
        p.Calcular_Click();
    if (p.MensajeActual() != QStringLiteral("Cercha calculada satisfactoriamente"))
        estado.SkipWithError(p.MensajeActual().toStdString().c_str());
}
BENCHMARK(CalcularClick);

// The same with the window shown and its event queue run after each click,
// so the board's repaint of the new labels and colours is counted too.
void CalcularClickConPintado(benchmark::State& estado)
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    DibujarMayor(p);
    p.show();
    QApplication::processEvents();
    for (auto _ : estado) {
        p.Calcular_Click();
        QApplication::processEvents();
        QApplication::processEvents();
    }
    if (p.MensajeActual() != QStringLiteral("Cercha calculada satisfactoriamente"))
        estado.SkipWithError(p.MensajeActual().toStdString().c_str());
}
BENCHMARK(CalcularClickConPintado);

} // namespace
