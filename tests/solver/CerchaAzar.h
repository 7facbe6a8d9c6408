#pragma once

// Random trusses from a seeded generator: sound ones built node by node (each
// new node tied by two bars to the two nearest nodes when it sees them 30 to
// 150 degrees apart, so the truss stays rigid with 2N - 3 bars), and loose ones
// with that count of bars between random nodes.

#include "Cercha.h"

#include <random>

struct Azar {
    std::mt19937 gen;
    explicit Azar(unsigned semilla)
        : gen(semilla)
    {
    }
    int Entero(int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(gen); }
    double Real(double desde, double hasta) { return std::uniform_real_distribution<double>(desde, hasta)(gen); }
};

// A new node on the 0.25 m grid within 1.5 m of a random node.
inline void AgregarRigido(Modulo& m, Azar& azar, bool recortar)
{
    const NodoRec& cerca = m.Nodo(azar.Entero(1, m.NumNodos));
    const double x = std::round((cerca.X + azar.Real(-1.5, 1.5)) * 4) / 4,
                 y = std::round((cerca.Y + azar.Real(-1.5, 1.5)) * 4) / 4;
    int q = 0, r = 0;
    double dq = 1e9, dr = 1e9;
    for (int k = 1; k <= m.NumNodos; ++k) {
        const double d = std::hypot(m.Nodo(k).X - x, m.Nodo(k).Y - y);
        if (d < 0.2)
            return; // on top of a node
        if (d < dq)
            r = q, dr = dq, q = k, dq = d;
        else if (d < dr)
            r = k, dr = d;
    }
    const double giro = std::atan2(m.Nodo(q).Y - y, m.Nodo(q).X - x) - std::atan2(m.Nodo(r).Y - y, m.Nodo(r).X - x);
    const double grados = std::abs(std::remainder(giro, 2 * 3.14159265358979)) * 180 / 3.14159265358979;
    if (grados < 30 || grados > 150)
        return;
    const int n = m.AgregarNodoRec(x, y);
    Unir(m, q, n, recortar);
    Unir(m, n, r, recortar); // both directions of bars occur
}

// Random loads of up to 2000 N at every node.
inline void Cargar(Modulo& m, Azar& azar)
{
    for (int k = 1; k <= m.NumNodos; ++k) {
        m.Nodo(k).Fx = std::round(azar.Real(-2000, 2000));
        m.Nodo(k).Fy = std::round(azar.Real(-2000, 2000));
    }
}

// A sound truss of `nodos` nodes: pin at A, roller at B, 2 m to its right.
inline void CerchaSana(Modulo& m, Azar& azar, int nodos, bool recortar)
{
    const NodoPrueba tercero { azar.Entero(0, 1) ? 2 : 1.5, azar.Entero(0, 1) ? 2.5 : -0.5 };
    ArmarCercha(m, { { 1, 1 }, { 3, 1 }, tercero }, { { 1, 2 }, { 2, 3 }, { 3, 1 } }, 1, 2, recortar);
    while (m.NumNodos < nodos)
        AgregarRigido(m, azar, recortar);
    Cargar(m, azar);
}

// 2N - 3 bars between random distinct nodes of a random truss; random supports.
inline void CerchaSuelta(Modulo& m, Azar& azar, int nodos)
{
    for (int k = 0; k < nodos; ++k)
        m.AgregarNodoRec(azar.Entero(0, 8) * 0.5, azar.Entero(0, 4) * 0.5);
    while (m.NumBarras < 2 * nodos - 3) {
        const int a = azar.Entero(1, nodos), e = azar.Entero(1, nodos);
        if (a != e)
            Unir(m, a, e, azar.Entero(0, 1) == 1);
    }
    m.Apoyos = { 0, int16_t(azar.Entero(1, nodos)), int16_t(azar.Entero(1, nodos)) };
    Cargar(m, azar);
}
