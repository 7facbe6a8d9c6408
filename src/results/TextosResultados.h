#pragma once

#include "model/Modulo.h"

#include <QString>
#include <QStringList>

// The texts of the results window, each from the last calculation: what the
// window shows and what its copy writes to the clipboard.

inline const Tabla<QString, 3> TextosApoyo { {
    QStringLiteral("Apoyo Fijo X: "),
    QStringLiteral("Apoyo Fijo Y: "),
    QStringLiteral("Apoyo Movil Y: "),
} };

// Bar b's columns: its number, "A - D", and its force with one decimal,
// tension positive.
QStringList ColumnasBarra(const CalculoResuelto& resuelto, int b);
// Reaction i (0 fixed X, 1 fixed Y, 2 roller Y) with two decimals.
QString ValorReaccion(const CalculoResuelto& resuelto, int i);
// Heading of grid column j = 1 .. 2N + 1 and of row i = 1 .. 2N.
QString EncabezadoColumna(const CalculoResuelto& resuelto, int j);
QString EncabezadoFila(int i);
// The assembled coefficient (i, j) to 3 decimals; the load column to 1.
QString TextoCelda(const CalculoResuelto& resuelto, int i, int j);
