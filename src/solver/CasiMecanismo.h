#pragma once

#include "solver/Mecanismo.h"

#include <QString>

// A truss that is a mechanism in its exact geometry can still solve, because
// the angles of bars drawn with the mouse are cut to 0.1 degree: its forces
// come out hundreds of times larger than its loads. The solved square system
// tells it by its smallest singular value.

inline const QString AvisoCasiMecanismo = QStringLiteral("la cercha es casi un mecanismo; revise los nodos marcados");

struct Condicion {
    bool valida = false; // the system is square and complete
    double sigmaMinimo = 0; // smallest singular value of the equilibrium matrix
    double sigmaMaximo = 0; // largest
    double cota = 0; // how far cutting the angles can move the matrix (2-norm)
    bool casiMecanismo = false; // sigmaMinimo <= cota: warn, with AvisoCasiMecanismo
    Mecanismo marcas; // the nearest mechanism when casiMecanismo; none otherwise
};

// Condition of the square system of the drawn truss (the matrix the solver
// received, built again from the nodes, bars and supports). Warns when a
// singular matrix lies within the change that cutting each bar's angle by up
// to 0.1 degree can make: by Weyl's inequality a truss that is a mechanism in
// exact geometry always satisfies sigmaMinimo <= cota. Then some pattern of
// loads gets forces 1 / cota times as large or more: 230 times for 3 bars, 90
// for 19, the "hundreds of times" of such a truss. Sound trusses stay far
// above it (random rigid ones, angles cut: sigmaMinimo >= 3.5 cota).
// Allocates nothing.
Condicion EvaluarCondicion(const Modulo& modulo);

// sqrt(2 NumBarras) x 2 sin(0.05 degree): each bar column holds two unit
// vectors, and turning both by 0.1 degree moves the column by sqrt 2 x 2 sin
// (0.05 degree); the Frobenius norm bounds the 2-norm.
double CotaRecorteAngulos(int barras);
