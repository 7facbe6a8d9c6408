#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

// The truss in memory: plain shared data that the window handlers, the solver
// and the results window read and write directly. One per process, never saved.

struct NodoRec {
    double X = 0; // metres, to the right
    double Y = 0; // metres, upward
    double Fx = 0; // N, resultant external load along +X
    double Fy = 0; // N, resultant external load along +Y
};

struct BarraRec {
    double Angulo = 0; // degrees, counter-clockwise from +X, start to end
    double Longitud = 0; // metres
    int16_t NodoInicial = 0;
    int16_t NodoFinal = 0; // 0 while the bar is being drawn
    double Fuerza = 0; // solved axial force, positive for compression
};

// A load as applied, kept so that the board can be read out load by load:
// the node's Fx and Fy hold only their sum.
struct CargaRec {
    int16_t Nodo = 0;
    double Magnitud = 0; // N, as read from the panel
    double Angulo = 0; // degrees, the direction of its drawn line from the node
};

// Capacity: one board element per node, bar and load; two matrix rows per node.
inline constexpr int MaxNodos = 20;
inline constexpr int MaxBarras = 20;
inline constexpr int MaxCargas = 10;
inline constexpr int FilasMatriz = 40;
inline constexpr int ColumnasMatriz = 41;

// The program's pi: assembly and the drawing of bars and loads share these
// 15 digits, so a bar at 90 degrees keeps the same tiny cosine everywhere.
inline constexpr double Pi = 3.14159265358979;

// Degrees to radians as every formula of the program writes it.
constexpr double ARadianes(double grados)
{
    return grados * Pi / 180;
}

// A node's letter on the board and in the results: 1 is A, 2 is B...
inline QString LetraNodo(int nodo)
{
    return QString(QChar(64 + nodo));
}

// A fixed table read with the int indices of the equations (checked in debug
// builds), so that no caller converts an index.
template <typename T, std::size_t N> struct Tabla : std::array<T, N> {
    T& operator[](int i)
    {
        assert(i >= 0 && static_cast<std::size_t>(i) < N);
        return std::array<T, N>::operator[](static_cast<std::size_t>(i));
    }
    const T& operator[](int i) const
    {
        assert(i >= 0 && static_cast<std::size_t>(i) < N);
        return std::array<T, N>::operator[](static_cast<std::size_t>(i));
    }
};

// Rows 1..40 and columns 1..41 are used; index 0 exists only so that the
// indices read as in the equations.
using Matriz = Tabla<Tabla<double, ColumnasMatriz + 1>, FilasMatriz + 1>;

// The named slots of Apoyos(1..2): the nodes that carry the supports.
namespace TipoApoyo {
inline constexpr int Fijo = 1;
inline constexpr int Movil = 2;
} // namespace TipoApoyo

// What the results window shows: the last calculation that succeeded, kept
// apart so that editing or a failed calculation afterwards cannot make the
// window read rows of a different system.
struct CalculoResuelto {
    bool hay = false;
    int16_t NumNodos = 0;
    int16_t NumBarras = 0;
    Matriz MatrizInicial {}; // the system as assembled
    Tabla<BarraRec, MaxBarras + 1> Barras {}; // end nodes and stored forces
    Tabla<double, 3> Reacciones {}; // fixed X, fixed Y, roller Y, unrounded
};

class Modulo {
public:
    Modulo();

    // Tables indexed by number: entry 0 is never used.
    std::vector<NodoRec> Nodos;
    std::vector<BarraRec> Barras;
    Tabla<int16_t, 3> Apoyos {}; // by TipoApoyo: the support's node; 0 = none
    Tabla<CargaRec, MaxCargas + 1> Cargas {}; // 1..NumCargas

    int16_t NumNodos = 0;
    int16_t NumBarras = 0;
    int16_t NumCargas = 0;

    Matriz MatrizCalculo {};
    Matriz MatrizInicial {};

    float AnchoPantalla = 0; // screen width in twips

    CalculoResuelto Resuelto;

    // Node n and bar b, 1-based; n and b must name an entry (checked in debug
    // builds).
    NodoRec& Nodo(int n) { return Nodos[Entrada(n, NumNodos)]; }
    const NodoRec& Nodo(int n) const { return Nodos[Entrada(n, NumNodos)]; }
    BarraRec& Barra(int b) { return Barras[Entrada(b, NumBarras)]; }
    const BarraRec& Barra(int b) const { return Barras[Entrada(b, NumBarras)]; }

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

private:
    static std::size_t Entrada(int i, int cuenta)
    {
        assert(i >= 1 && i <= cuenta);
        (void)cuenta;
        return static_cast<std::size_t>(i);
    }
};
