#pragma once

#include <array>

// The guide's worked example: a two-panel truss, 4 m by 2 m, with a pin at A,
// a roller at C, 1000 N down at E and 400 N to the right at D. Every angle the
// board measures here is exact (0, 45 or 90 degrees), so the forces the
// program shows match the hand calculation in the guide.
namespace ejemplo {

struct Punto {
    double x, y; // metres
};

struct Barra {
    int inicio, fin; // node numbers, 1 = A
};

struct Carga {
    int nodo;
    const char* magnitud; // as typed into the data panel
    const char* angulo;
};

// The drawing area, with nearly the same scale across and down (4850 / 8 and
// 2700 / 4.45 twips per metre), so that the 45-degree bars look it.
inline constexpr const char* AnchoArea = "8";
inline constexpr const char* AltoArea = "4.45";

inline constexpr std::array<Punto, 6> Nodos { { { 1, 1 }, { 3, 1 }, { 5, 1 }, { 1, 3 }, { 3, 3 }, { 5, 3 } } };
inline constexpr std::array<Barra, 9> Barras { { { 1, 2 }, { 2, 3 }, { 4, 5 }, { 5, 6 }, { 1, 4 }, { 2, 5 }, { 3, 6 },
    { 1, 5 }, { 2, 6 } } };
inline constexpr int ApoyoFijo = 1;
inline constexpr int ApoyoMovil = 3;
inline constexpr std::array<Carga, 2> Cargas { { { 5, "1000", "90" }, { 4, "400", "180" } } };

// The mechanism of the guide: bar 9 drawn B-D instead of B-F and the roller
// at B. The left panel, with both diagonals, is held by A and B; C and F can
// only move up or down together (BC and EF level, CF upright). 12 = 9 + 3,
// yet the system is singular.
inline constexpr std::array<Barra, 9> BarrasMecanismo { { { 1, 2 }, { 2, 3 }, { 4, 5 }, { 5, 6 }, { 1, 4 }, { 2, 5 },
    { 3, 6 }, { 1, 5 }, { 2, 4 } } };
inline constexpr int ApoyoMovilMecanismo = 2;

// The bar whose drawing is shown half-way, and the bar picked in the results window.
inline constexpr int BarraEnDibujo = 8;
inline constexpr int BarraSeleccionada = 9;

} // namespace ejemplo
