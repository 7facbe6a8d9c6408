// The number rules: every text typed into the data panel is read with
// LeerNumero, every number shown goes through the formats.

#include "model/Numeros.h"

#include <QString>
#include <array>
#include <benchmark/benchmark.h>

namespace {

const std::array<QString, 7> Textos {
    QStringLiteral("12.5"),
    QStringLiteral("-1154.7"),
    QStringLiteral(" 1 2 . 5 e 3"),
    QStringLiteral("&HFFFF"),
    QStringLiteral("&O777"),
    QStringLiteral("1e400"),
    QStringLiteral("basura"),
};

constexpr std::array<double, 5> Valores { 5, 53.1, -2309.4, 1.5e-7, 1.7976931348623157e308 };

void LeerNumero_(benchmark::State& estado)
{
    const QString& texto = Textos[static_cast<size_t>(estado.range(0))];
    estado.SetLabel(texto.toStdString());
    for (auto _ : estado)
        benchmark::DoNotOptimize(LeerNumero(texto));
}
BENCHMARK(LeerNumero_)->Name("LeerNumero")->DenseRange(0, Textos.size() - 1);

void FormatoGeneral_(benchmark::State& estado)
{
    const double valor = Valores[static_cast<size_t>(estado.range(0))];
    estado.SetLabel(FormatoGeneral(valor, Separador::Punto).toStdString());
    for (auto _ : estado)
        benchmark::DoNotOptimize(FormatoGeneral(valor, Separador::Punto));
}
BENCHMARK(FormatoGeneral_)->Name("FormatoGeneral")->DenseRange(0, Valores.size() - 1);

void FormatoGeneralRegional(benchmark::State& estado)
{
    for (auto _ : estado)
        benchmark::DoNotOptimize(FormatoGeneral(-2309.4, Separador::Regional));
}
BENCHMARK(FormatoGeneralRegional);

void FormatoFijo_(benchmark::State& estado)
{
    for (auto _ : estado)
        benchmark::DoNotOptimize(FormatoFijo(-2309.45, 2, Separador::Regional));
}
BENCHMARK(FormatoFijo_)->Name("FormatoFijo");

} // namespace
