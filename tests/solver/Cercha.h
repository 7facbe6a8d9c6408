#pragma once

// A truss written straight into the model as the editor leaves it: nodes {x, y, fx, fy}, bars {start, end} at their
// angle in [0, 360) (cut to a tenth of a degree, as the bar tool stores a drawn bar, when `recortar`), pin, roller.

#include "model/Modulo.h"

#include <QList>
#include <cmath>

struct NodoPrueba {
    double x = 0, y = 0, fx = 0, fy = 0;
};
using Nodos = QList<NodoPrueba>;
using Barras = QList<std::array<int16_t, 2>>;

inline void Unir(Modulo& m, int a, int e, bool recortar = false)
{
    BarraRec& barra = m.Barra(m.AgregarBarraRec(int16_t(a)));
    barra.NodoFinal = int16_t(e);
    double grados = std::atan2(m.Nodo(e).Y - m.Nodo(a).Y, m.Nodo(e).X - m.Nodo(a).X) * 180 / 3.14159265358979;
    grados = grados < 0 ? grados + 360 : grados;
    barra.Angulo = recortar ? std::floor(grados * 10) / 10 : grados;
}

inline void ArmarCercha(
    Modulo& m, const Nodos& nodos, const Barras& barras, int fijo, int rodillo, bool recortar = false)
{
    for (const NodoPrueba& n : nodos) {
        const int16_t k = m.AgregarNodoRec(n.x, n.y);
        m.Nodo(k).Fx = n.fx;
        m.Nodo(k).Fy = n.fy;
    }
    for (const auto& [a, e] : barras)
        Unir(m, a, e, recortar);
    m.Apoyos = { 0, int16_t(fijo), int16_t(rodillo) };
}
