#pragma once

#include "model/Modulo.h"

// Gauss elimination in place on MatrizCalculo, rows and columns 1..2N with the
// right-hand side in column 2N + 1 (N = NumNodos). Rows are exchanged only when
// a diagonal entry rounds to 0 at 4 decimals; there is no search for the
// largest pivot. Back substitution reduces only the right-hand side, so
// columns 1..2N end upper triangular with 1 on the diagonal and column 2N + 1
// holds the solution, row r for column r's unknown. Nothing outside rows and
// columns 1..2N + 1 is touched.
// Preconditions (not checked): 1 <= N <= 20, NumBarras <= 2N, and Barras holds
// entries 1..NumBarras.
// On success every Barras(b).Fuerza (b = 1..NumBarras) holds column 2N + 1 of
// row b rounded to 0.1, half to even; the reactions stay unrounded in the
// matrix. On failure the matrix is left partly eliminated and no force changes.
struct ResultadoResolver {
    bool singular = false;
    int filaSingular = 0; // the pivot row that found no replacement
};

ResultadoResolver ResolverMatriz(Modulo& modulo);

// Exchanges row k (columns 1..n + 1) with the first row below it whose entry
// in column k would itself pass the pivot test, so a leftover such as the
// 1e-15 cosine of a vertical bar is never taken. Every value moves unchanged.
// Returns true when there is no such row, also for k = n.
bool IntercambiarFila(Matriz& M, int k, int n);
