#pragma once

#include "model/Modulo.h"

#include <QString>

// The method of joints written out for the results window, from the snapshot
// of the last successful calculation (Modulo::Resuelto). Rows and columns are
// those of the grid: row 2k - 1 is node k along X, row 2k along Y; column b a
// bar, B + 1 .. B + 3 the reactions, B + 4 = 2N + 1 the loads.
//
// Unknowns: bar b is "Fb" (F1, F2, ...) and counts positive in tension, as the
// bar list and the board show it (-Fuerza); the matrix counts compression
// positive, so a bar's coefficient in the text is its grid coefficient with
// the sign reversed. The reactions are "R", the support's node letter and the
// axis: RAx, RAy for a fixed support at A, RCy for a roller at C (the grid's
// "Fijo X", "Fijo Y", "Movil Y"); the R keeps a support at node F from reading
// as the sum Fx.
//
// Numbers follow the grid: coefficients rounded to 3 decimals and loads to 1,
// in the general format, forces and reactions as the list and the labels show
// them ("0.0", "0.00"); the regional decimal separator throughout. Terms whose
// coefficient rounds to 0 are left out.

QString NombreIncognita(const CalculoResuelto& resuelto, int columna);

// "Nodo B, ΣFx = 0: 0.707·F2 − 1·F3 + RAx = 1000".
QString TextoEcuacion(const CalculoResuelto& resuelto, int fila);

// "Con la solución: 0.707·(-707.1) − 1·500.0 + (-250.00) = 1000; residuo 0.03".
// The residual is left side minus right side with the matrix's unrounded
// coefficients, the stored forces (rounded to 0.1) and the unrounded reactions,
// shown rounded to 2 decimals.
QString TextoSustitucion(const CalculoResuelto& resuelto, int fila);

// The row's tooltip: the equation, the substitution and the sign of the forces.
QString TooltipFila(const CalculoResuelto& resuelto, int fila);

// What column `columna` (1 .. 2N + 1) holds, after its heading: "Elem 2: fuerza
// de la barra 2, del nodo B al nodo C (F2). ...", "Fijo X: reacción horizontal
// del apoyo fijo, en el nodo A (RAx)", "Cargas: ...".
QString TooltipColumna(const CalculoResuelto& resuelto, int columna);

// A line of the bar list: "Barra 2: nodos B - C, longitud 1.414 m, ángulo 315°,
// fuerza -707.1 N (compresión)"; "tracción", "compresión" or "fuerza nula" by
// the sign of the stored force, as the bar's colour.
QString TooltipBarra(const CalculoResuelto& resuelto, int barra);
