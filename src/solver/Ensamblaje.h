#pragma once

#include "model/Modulo.h"

// The method-of-joints system of the drawn truss: two equations per node,
// one unknown per bar plus three reactions.
enum class Ensamblaje {
    Cuadrada, // assembled into MatrizCalculo and copied to MatrizInicial
    NoCuadrada, // 2 x NumNodos differs from NumBarras + 3; MatrizCalculo all 0
    BarraAbierta, // a bar lacks an end node (still being drawn) or names a node
                  // that does not exist; MatrizCalculo all 0, nothing written
    ApoyoInvalido // a support is not placed or names a node that does not
                  // exist; MatrizCalculo all 0, nothing written
};

// Bar b's column of the system: -cos, -sin in its start node's X and Y rows,
// +cos, +sin in its end node's (rows 1-based, 2k - 1 and 2k for node k), in
// that order; later cells overwrite earlier ones. The assembly and the rank
// checks both write these numbers.
struct ColumnaBarra {
    Tabla<int, 4> filas;
    Tabla<double, 4> valores;
};
ColumnaBarra CoeficientesBarra(const BarraRec& barra);

// Clears MatrizCalculo, checks the count, then checks that every bar end and
// both supports name nodes 1..NumNodos, so that nothing is written outside the
// matrix; only then writes the coefficients (pi as 3.14159265358979), the
// loads with reversed sign and the reaction coefficients, and copies the
// system to MatrizInicial. On any refusal MatrizInicial keeps its contents.
// Precondition: the model's tables hold entries 1..NumNodos and 1..NumBarras.
Ensamblaje EnsamblarSistema(Modulo& modulo);

// After a successful ResolverMatriz: keeps the system, forces and reactions
// for the results window.
void GuardarResuelto(Modulo& modulo);
