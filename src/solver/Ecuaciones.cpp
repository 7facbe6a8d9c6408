#include "solver/Ecuaciones.h"

#include "model/DescripcionCercha.h"
#include "model/Numeros.h"

#include <cmath>

namespace {

const QString Menos = QStringLiteral("−");
const QString Por = QStringLiteral("·");

QString Numero(double valor)
{
    return FormatoGeneral(valor, Separador::Regional);
}

bool EsBarra(const CalculoResuelto& resuelto, int columna)
{
    return columna >= 1 && columna <= resuelto.NumBarras;
}

int ColumnaCargas(const CalculoResuelto& resuelto)
{
    return 2 * resuelto.NumNodos + 1;
}

// The node whose row holds the 1 of a reaction column: the matrix is the
// record of where the supports stood when the truss was calculated.
int NodoDeReaccion(const CalculoResuelto& resuelto, int columna)
{
    for (int i = 1; i < ColumnaCargas(resuelto); ++i)
        if (resuelto.MatrizInicial[i][columna] != 0)
            return (i + 1) / 2;
    return 0;
}

double Celda(const CalculoResuelto& resuelto, int fila, int columna)
{
    return resuelto.MatrizInicial[fila][columna];
}

// A bar's coefficient as the text writes it: for the tension, so reversed.
double Coeficiente(const CalculoResuelto& resuelto, int fila, int columna)
{
    const double celda = Celda(resuelto, fila, columna);
    return EsBarra(resuelto, columna) ? -celda : celda;
}

// What the text puts for an unknown: the tension as stored, or the reaction.
double Valor(const CalculoResuelto& resuelto, int columna)
{
    if (EsBarra(resuelto, columna))
        return -resuelto.Barras[columna].Fuerza;
    return resuelto.Reacciones[columna - resuelto.NumBarras - 1];
}

// As the bar list ("0.0") and the reaction labels ("0.00") show it; a
// negative value in brackets, since it follows a sign or a product dot.
QString TextoValor(const CalculoResuelto& resuelto, int columna)
{
    const double valor = Valor(resuelto, columna);
    const QString texto = FormatoFijo(valor, EsBarra(resuelto, columna) ? 1 : 2, Separador::Regional);
    return texto.startsWith(u'-') ? u'(' + texto + u')' : texto;
}

// The left side, every unknown written by `escribir`: "0.707·F2 − 1·F3 + RAx".
template <typename Escribir> QString LadoIzquierdo(const CalculoResuelto& resuelto, int fila, Escribir escribir)
{
    QString texto;
    for (int j = 1; j < ColumnaCargas(resuelto); ++j) {
        const double c = RedondearPar(Coeficiente(resuelto, fila, j), 3);
        if (c == 0)
            continue;
        const bool desnudo = !EsBarra(resuelto, j) && std::abs(c) == 1; // a reaction's 1
        const QString termino = (desnudo ? QString() : Numero(std::abs(c)) + Por) + escribir(j);
        if (texto.isEmpty())
            texto = c < 0 ? Menos + termino : termino;
        else
            texto += (c < 0 ? u' ' + Menos + u' ' : QStringLiteral(" + ")) + termino;
    }
    return texto.isEmpty() ? Numero(0) : texto;
}

QString Cabecera(int fila)
{
    return QStringLiteral("Nodo ") + LetraNodo((fila + 1) / 2) + QStringLiteral(", ΣF")
        + (fila % 2 == 1 ? QStringLiteral("x") : QStringLiteral("y")) + QStringLiteral(" = 0: ");
}

QString LadoDerecho(const CalculoResuelto& resuelto, int fila)
{
    return QStringLiteral(" = ") + Numero(RedondearPar(Celda(resuelto, fila, ColumnaCargas(resuelto)), 1));
}

double Residuo(const CalculoResuelto& resuelto, int fila)
{
    double izquierda = 0;
    for (int j = 1; j < ColumnaCargas(resuelto); ++j)
        izquierda += Coeficiente(resuelto, fila, j) * Valor(resuelto, j);
    return izquierda - Celda(resuelto, fila, ColumnaCargas(resuelto));
}

QString Reaccion(const CalculoResuelto& resuelto, const QString& encabezado, const QString& cual, int columna)
{
    return encabezado + QStringLiteral(": reacción ") + cual + QStringLiteral(", en el nodo ")
        + LetraNodo(NodoDeReaccion(resuelto, columna)) + QStringLiteral(" (") + NombreIncognita(resuelto, columna)
        + u')';
}

} // namespace

QString NombreIncognita(const CalculoResuelto& resuelto, int columna)
{
    const int b = resuelto.NumBarras;
    if (EsBarra(resuelto, columna))
        return u'F' + Numero(columna);
    if (columna < b + 1 || columna > b + 3)
        return {};
    return u'R' + LetraNodo(NodoDeReaccion(resuelto, columna)) + (columna == b + 1 ? u'x' : u'y');
}

QString TextoEcuacion(const CalculoResuelto& resuelto, int fila)
{
    const auto nombre = [&](int j) { return NombreIncognita(resuelto, j); };
    return Cabecera(fila) + LadoIzquierdo(resuelto, fila, nombre) + LadoDerecho(resuelto, fila);
}

QString TextoSustitucion(const CalculoResuelto& resuelto, int fila)
{
    const auto valor = [&](int j) { return TextoValor(resuelto, j); };
    return QStringLiteral("Con la solución: ") + LadoIzquierdo(resuelto, fila, valor) + LadoDerecho(resuelto, fila)
        + QStringLiteral("; residuo ") + Numero(RedondearPar(Residuo(resuelto, fila), 2));
}

QString TooltipFila(const CalculoResuelto& resuelto, int fila)
{
    return TextoEcuacion(resuelto, fila) + u'\n' + TextoSustitucion(resuelto, fila)
        + QStringLiteral("\nFuerzas de barra con el signo de la lista: tracción positiva.");
}

QString TooltipColumna(const CalculoResuelto& resuelto, int columna)
{
    const int b = resuelto.NumBarras;
    if (EsBarra(resuelto, columna)) {
        const BarraRec& barra = resuelto.Barras[columna];
        return QStringLiteral("Elem ") + Numero(columna) + QStringLiteral(": fuerza de la barra ") + Numero(columna)
            + QStringLiteral(", del nodo ") + LetraNodo(barra.NodoInicial) + QStringLiteral(" al nodo ")
            + LetraNodo(barra.NodoFinal) + QStringLiteral(" (") + NombreIncognita(resuelto, columna)
            + QStringLiteral("). La matriz la cuenta positiva a compresión; las ecuaciones, como la lista, "
                             "positiva a tracción.");
    }
    if (columna == b + 1)
        return Reaccion(resuelto, QStringLiteral("Fijo X"), QStringLiteral("horizontal del apoyo fijo"), columna);
    if (columna == b + 2)
        return Reaccion(resuelto, QStringLiteral("Fijo Y"), QStringLiteral("vertical del apoyo fijo"), columna);
    if (columna == b + 3)
        return Reaccion(resuelto, QStringLiteral("Movil Y"), QStringLiteral("vertical del apoyo móvil"), columna);
    if (columna == ColumnaCargas(resuelto))
        return QStringLiteral("Cargas: la carga de cada nodo con el signo cambiado, el lado derecho de las "
                              "ecuaciones (N)");
    return {};
}

QString TooltipBarra(const CalculoResuelto& resuelto, int barra)
{
    const BarraRec& b = resuelto.Barras[barra];
    return QStringLiteral("Barra ") + Numero(barra) + QStringLiteral(": nodos ") + LetraNodo(b.NodoInicial)
        + QStringLiteral(" - ") + LetraNodo(b.NodoFinal) + QStringLiteral(", longitud ")
        + Numero(RedondearPar(b.Longitud, 3)) + QStringLiteral(" m, ángulo ") + Numero(RedondearPar(b.Angulo, 3))
        + QStringLiteral("°, fuerza ") + FormatoFijo(-b.Fuerza, 1, Separador::Regional) + QStringLiteral(" N (")
        + EstadoFuerza(b.Fuerza) + u')';
}
