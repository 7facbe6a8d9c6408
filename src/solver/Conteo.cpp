#include "solver/Conteo.h"

#include "model/Numeros.h"

#include <cstdlib>

namespace {

// "1 barra", "2 barras", "0 barras".
QString Cuenta(int cantidad, const QString& singular, const QString& plural)
{
    return FormatoGeneral(cantidad, Separador::Regional) + u' ' + (cantidad == 1 ? singular : plural);
}

// "falta 1 barra", "sobran 2 barras".
QString Diferencia(int nodos, int barras)
{
    const int necesarias = 2 * nodos - 3;
    if (necesarias < 0)
        return QStringLiteral("hacen falta al menos 2 nodos");
    if (barras == necesarias)
        return QStringLiteral("la cuenta cuadra");
    const int diferencia = std::abs(necesarias - barras);
    const QString barrasTexto = Cuenta(diferencia, QStringLiteral("barra"), QStringLiteral("barras"));
    if (barras < necesarias)
        return (diferencia == 1 ? QStringLiteral("falta ") : QStringLiteral("faltan ")) + barrasTexto;
    return (diferencia == 1 ? QStringLiteral("sobra ") : QStringLiteral("sobran ")) + barrasTexto;
}

} // namespace

QString TextoConteo(int nodos, int barras)
{
    return Cuenta(nodos, QStringLiteral("nodo"), QStringLiteral("nodos"))
        + (nodos == 1 ? QStringLiteral(" da ") : QStringLiteral(" dan "))
        + Cuenta(2 * nodos, QStringLiteral("ecuación"), QStringLiteral("ecuaciones")) + QStringLiteral("; ")
        + Cuenta(barras, QStringLiteral("barra"), QStringLiteral("barras")) + QStringLiteral(" más 3 reacciones dan ")
        + Cuenta(barras + 3, QStringLiteral("incógnita"), QStringLiteral("incógnitas")) + QStringLiteral(": ")
        + Diferencia(nodos, barras);
}
