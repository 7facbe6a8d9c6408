#pragma once

#include "model/Modulo.h"

#include <cmath>
#include <initializer_list>

// Builds a truss in a model the way the editor leaves it: nodes with their
// loads, bars with the angle from start to end in [0, 360) degrees.

struct NodoPrueba {
    double x = 0;
    double y = 0;
    double fx = 0;
    double fy = 0;
};

struct BarraPrueba {
    int16_t inicio = 0;
    int16_t fin = 0;
};

inline constexpr double PiPrograma = 3.14159265358979;

inline double AnguloBarra(const NodoRec& a, const NodoRec& b)
{
    double grados = std::atan2(b.Y - a.Y, b.X - a.X) * 180 / PiPrograma;
    if (grados < 0)
        grados += 360;
    return grados;
}

inline void ArmarCercha(Modulo& m, std::initializer_list<NodoPrueba> nodos,
                        std::initializer_list<BarraPrueba> barras, int16_t fijo, int16_t rodillo)
{
    for (const NodoPrueba& n : nodos) {
        const int16_t k = m.AgregarNodoRec(n.x, n.y);
        m.Nodos[k].Fx = n.fx;
        m.Nodos[k].Fy = n.fy;
    }
    for (const BarraPrueba& b : barras) {
        BarraRec& barra = m.Barras[m.AgregarBarraRec(b.inicio)];
        barra.NodoFinal = b.fin;
        barra.Angulo = AnguloBarra(m.Nodos[b.inicio], m.Nodos[b.fin]);
    }
    m.Apoyos[1] = fijo;
    m.Apoyos[2] = rodillo;
}
