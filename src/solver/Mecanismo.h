#pragma once

#include "model/Modulo.h"

#include <array>

// Why a truss will not solve: the joints that can move without lengthening any
// bar or moving any support. Such a motion u (dx, dy per node) is a left null
// vector of the equilibrium matrix A: A^T u = 0, row b of A^T being the
// lengthening of bar b and the last three rows the support motions.

struct MovimientoNodo {
    double dx = 0; // along +X (right), scaled: the node that moves most moves 1
    double dy = 0; // along +Y (up)
    bool marcado = false; // the node moves: the board rings it
};

struct Mecanismo {
    bool hay = false; // at least one node is marked
    bool exacto = false; // a true null vector; false for the nearest mechanism of an invertible system
    int grados = 0; // independent motions found (1 for the nearest mechanism)
    std::array<MovimientoNodo, MaxNodos + 1> nodos {}; // by node number; entry 0 unused
};

// The mechanism of the drawn truss, for any count of bars (a system that is
// not square is analysed as it stands: with too few bars there is always one).
// Reads the nodes, bars and supports, not the matrices, so it can follow a
// failed calculation. The marks are every node that moves in some independent
// motion; dx, dy sketch one motion (a fixed mix of them when there are several).
// Nothing is found (hay false) for a rigid, properly supported truss, for an
// empty model, an open bar or a support not on a node.
Mecanismo BuscarMecanismo(const Modulo& modulo);

// The nearest mechanism of a square system: the left singular vector of its
// smallest singular value. Meaningful when that value is small (see
// EvaluarCondicion); hay false when the system is not square or incomplete.
Mecanismo MecanismoCercano(const Modulo& modulo);

// For "Matriz singular": the exact mechanism, or, when the solver refused a
// system that is invertible but whose pivots fail its 4-decimal test, the
// nearest one. Marks something for every square, complete system.
Mecanismo MecanismoDeSingular(const Modulo& modulo);
