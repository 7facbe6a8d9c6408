#pragma once

// A truss written straight into the model as the editor leaves it: nodes
// {x, y, fx, fy}, bars {start, end} at their angle in [0, 360), pin, roller.

#include "model/Modulo.h"

#include <cmath>
#include <initializer_list>

struct NodoPrueba {
    double x = 0, y = 0, fx = 0, fy = 0;
};

inline void ArmarCercha(Modulo& m, std::initializer_list<NodoPrueba> nodos,
    std::initializer_list<std::array<int16_t, 2>> barras, int16_t fijo, int16_t rodillo)
{
    for (const NodoPrueba& n : nodos) {
        const int16_t k = m.AgregarNodoRec(n.x, n.y);
        m.Nodo(k).Fx = n.fx;
        m.Nodo(k).Fy = n.fy;
    }
    for (const auto& [a, e] : barras) {
        BarraRec& barra = m.Barra(m.AgregarBarraRec(a));
        barra.NodoFinal = e;
        const double grados
            = std::atan2(m.Nodo(e).Y - m.Nodo(a).Y, m.Nodo(e).X - m.Nodo(a).X) * 180 / 3.14159265358979;
        barra.Angulo = grados < 0 ? grados + 360 : grados;
    }
    m.Apoyos[1] = fijo;
    m.Apoyos[2] = rodillo;
}
