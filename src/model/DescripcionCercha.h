#pragma once

#include "model/Modulo.h"

#include <QString>

// The truss in words, for a screen reader: what the board shows, one short
// sentence per node, bar, support and load, numbers as the board shows them
// (the general format, regional decimal separator). `titulo` comes first. Bars
// 1 .. `barrasConFuerza` show their force label, so their sentence gives the
// force as the label does (tension positive) and what it is:
//   "Plano de la cercha. Nodo A en x 0 m, y 0 m. Nodo B en x 4 m, y 0 m.
//    Barra 1 del nodo A al nodo B: 500 N, tracción. Barra 2 desde el nodo B,
//    sin terminar. Apoyo fijo en el nodo A. Carga 1 en el nodo B: 1000 N a 270°."
// An empty truss reads "<titulo>. Sin nodos."
QString DescribirCercha(const Modulo& modulo, const QString& titulo, int barrasConFuerza);

// "compresión", "tracción" or "fuerza nula" by the sign of a stored Fuerza, as
// the bar's colour tells it.
QString EstadoFuerza(double Fuerza);
