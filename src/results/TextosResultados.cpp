#include "results/TextosResultados.h"

#include "model/Modulo.h"
#include "model/Numeros.h"

namespace {

QString Entero(int valor)
{
    return FormatoGeneral(valor, Separador::Regional);
}

} // namespace

QStringList ColumnasBarra(const CalculoResuelto& resuelto, int b)
{
    const BarraRec& barra = resuelto.Barras[b];
    return { Entero(b), LetraNodo(barra.NodoInicial) + QStringLiteral(" - ") + LetraNodo(barra.NodoFinal),
        FormatoFijo(-barra.Fuerza, 1, Separador::Regional) };
}

QString ValorReaccion(const CalculoResuelto& resuelto, int i)
{
    return FormatoFijo(resuelto.Reacciones[i], 2, Separador::Regional);
}

// Bars, then the fixed support's X and Y, the roller's Y and the loads.
QString EncabezadoColumna(const CalculoResuelto& resuelto, int j)
{
    const int barras = resuelto.NumBarras;
    if (j <= barras)
        return QStringLiteral("Elem ") + Entero(j);
    static const Tabla<QString, 4> Ultimas { QStringLiteral("Fijo X"), QStringLiteral("Fijo Y"),
        QStringLiteral("Movil Y"), QStringLiteral("Cargas") };
    return Ultimas[qBound(0, j - barras - 1, 3)];
}

// Two rows per node: "Nod Ax", "Nod Ay", "Nod Bx"...
QString EncabezadoFila(int i)
{
    return QStringLiteral("Nod ") + LetraNodo((i + 1) / 2) + (i % 2 ? QStringLiteral("x") : QStringLiteral("y"));
}

QString TextoCelda(const CalculoResuelto& resuelto, int i, int j)
{
    const bool cargas = j == 2 * resuelto.NumNodos + 1;
    const double valor = resuelto.MatrizInicial[i][j];
    return FormatoGeneral(RedondearPar(valor, cargas ? 1 : 3), Separador::Regional);
}
