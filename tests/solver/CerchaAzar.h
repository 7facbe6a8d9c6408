#pragma once

// Random trusses from a seeded generator: sound ones built node by node (each
// new node tied by two bars to nearby nodes it sees at 30 to 150 degrees apart,
// so the truss stays rigid and 2N - 3 bars), and loose ones with the right count
// of bars between random nodes.

#include "Cercha.h"

#include <cmath>
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

// Angle of the bar a -> e in [0, 360), cut to 0.1 degree as the bar tool stores it when asked.
inline void Orientar(Modulo& m, int b, bool recortar)
{
    BarraRec& barra = m.Barras[b];
    const NodoRec &a = m.Nodos[barra.NodoInicial], &e = m.Nodos[barra.NodoFinal];
    double grados = std::atan2(e.Y - a.Y, e.X - a.X) * 180 / 3.14159265358979;
    grados = grados < 0 ? grados + 360 : grados;
    barra.Angulo = recortar ? std::floor(grados * 10) / 10 : grados;
}

inline void Unir(Modulo& m, int a, int e, bool recortar)
{
    const int16_t b = m.AgregarBarraRec(int16_t(a));
    m.Barras[b].NodoFinal = int16_t(e);
    Orientar(m, b, recortar);
}

// Angle at p between the directions to q and r, degrees.
inline double AnguloEn(const NodoRec& p, const NodoRec& q, const NodoRec& r)
{
    const double a = std::atan2(q.Y - p.Y, q.X - p.X) - std::atan2(r.Y - p.Y, r.X - p.X);
    return std::abs(std::remainder(a, 2 * 3.14159265358979)) * 180 / 3.14159265358979;
}

// A new node on the 0.25 m grid within 1.5 m of node `cerca`, tied to the two
// nearest earlier nodes when it sees them 30 to 150 degrees apart.
inline bool AgregarRigido(Modulo& m, Azar& azar, bool recortar)
{
    const NodoRec& cerca = m.Nodos[azar.Entero(1, m.NumNodos)];
    const NodoRec nuevo { std::round((cerca.X + azar.Real(-1.5, 1.5)) * 4) / 4,
        std::round((cerca.Y + azar.Real(-1.5, 1.5)) * 4) / 4 };
    int q = 0, r = 0;
    double dq = 1e9, dr = 1e9;
    for (int k = 1; k <= m.NumNodos; ++k) {
        const double d = std::hypot(m.Nodos[k].X - nuevo.X, m.Nodos[k].Y - nuevo.Y);
        if (d < 0.2)
            return false; // on top of a node
        if (d < dq)
            r = q, dr = dq, q = k, dq = d;
        else if (d < dr)
            r = k, dr = d;
    }
    const double angulo = AnguloEn(nuevo, m.Nodos[q], m.Nodos[r]);
    if (angulo < 30 || angulo > 150)
        return false;
    const int n = m.AgregarNodoRec(nuevo.X, nuevo.Y);
    Unir(m, q, n, recortar);
    Unir(m, n, r, recortar); // both directions of bars occur
    return true;
}

// Random loads of up to 2000 N at every node.
inline void Cargar(Modulo& m, Azar& azar)
{
    for (int k = 1; k <= m.NumNodos; ++k) {
        m.Nodos[k].Fx = std::round(azar.Real(-2000, 2000));
        m.Nodos[k].Fy = std::round(azar.Real(-2000, 2000));
    }
}

// A sound truss of `nodos` nodes: pin at A, roller at B, 2 m to its right.
inline void CerchaSana(Modulo& m, Azar& azar, int nodos, bool recortar)
{
    m.AgregarNodoRec(1, 1);
    m.AgregarNodoRec(3, 1);
    m.AgregarNodoRec(azar.Entero(0, 1) ? 2 : 1.5, azar.Entero(0, 1) ? 2.5 : -0.5);
    Unir(m, 1, 2, recortar);
    Unir(m, 2, 3, recortar);
    Unir(m, 3, 1, recortar);
    while (m.NumNodos < nodos)
        AgregarRigido(m, azar, recortar);
    m.Apoyos = { 0, 1, 2 };
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
