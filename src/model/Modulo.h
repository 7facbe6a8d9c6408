#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The truss in memory: plain shared data that the window handlers, the solver
// and the results window read and write directly. One per process, never saved.

struct NodoRec {
    double X = 0;   // metres, to the right
    double Y = 0;   // metres, upward
    double Fx = 0;  // N, resultant external load along +X
    double Fy = 0;  // N, resultant external load along +Y
};

struct BarraRec {
    double Angulo = 0;     // degrees, counter-clockwise from +X, start to end
    double Longitud = 0;   // metres
    int16_t NodoInicial = 0;
    int16_t NodoFinal = 0; // 0 while the bar is being drawn
    double Fuerza = 0;     // solved axial force, positive for compression
};

// Capacity: one board element per node, bar and load; two matrix rows per node.
inline constexpr int MaxNodos = 20;
inline constexpr int MaxBarras = 20;
inline constexpr int MaxCargas = 10;
inline constexpr int FilasMatriz = 40;
inline constexpr int ColumnasMatriz = 41;

// Rows 1..40 and columns 1..41 are used; index 0 exists only so that the
// indices read as in the equations.
using Matriz = std::array<std::array<double, ColumnasMatriz + 1>, FilasMatriz + 1>;

// What the results window shows: the last calculation that succeeded, kept
// apart so that editing or a failed calculation afterwards cannot make the
// window read rows of a different system.
struct CalculoResuelto {
    bool hay = false;
    int16_t NumNodos = 0;
    int16_t NumBarras = 0;
    Matriz MatrizInicial{};                        // the system as assembled
    std::array<BarraRec, MaxBarras + 1> Barras{};  // end nodes and stored forces
    std::array<double, 3> Reacciones{};            // fixed X, fixed Y, roller Y, unrounded
};

class Modulo {
public:
    Modulo();

    // Tables indexed by number: entry 0 is never used.
    std::vector<NodoRec> Nodos;
    std::vector<BarraRec> Barras;
    std::array<int16_t, 3> Apoyos{}; // 1: fixed support node, 2: roller node; 0 = none

    int16_t NumNodos = 0;
    int16_t NumBarras = 0;
    int16_t NumCargas = 0;

    Matriz MatrizCalculo{};
    Matriz MatrizInicial{};

    float AnchoPantalla = 0; // screen width in twips

    CalculoResuelto Resuelto;

    void ReiniciarInicio();
    void NuevoProyecto();

    bool CabeNodo() const { return NumNodos < MaxNodos; }
    bool CabeBarra() const { return NumBarras < MaxBarras; }
    bool CabeCarga() const { return NumCargas < MaxCargas; }

    // Append an entry; return its number. Callers check CabeNodo/CabeBarra first.
    int16_t AgregarNodoRec(double x, double y);
    int16_t AgregarBarraRec(int16_t nodoInicial);
    // Drop the last bar (an open bar discarded by selecting another tool).
    void QuitarUltimaBarra();
};
