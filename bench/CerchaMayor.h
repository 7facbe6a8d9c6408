#pragma once

#include "board/Principal.h"
#include "board/Tablero.h"

#include <QLineEdit>
#include <array>
#include <cmath>
#include <utility>

// The largest truss that can be calculated, 11 nodes and 19 bars: a Warren
// truss of side 2, nodes 1..6 on the ground and 7..11 on top, 1000 N down at
// nodes 2..5, pin at node 1 and roller at node 6.

inline const double AlturaWarren = std::sqrt(3.0);

inline constexpr std::array<std::pair<double, double>, 11> NodosMayor { { { 0, 0 }, { 2, 0 }, { 4, 0 }, { 6, 0 },
    { 8, 0 }, { 10, 0 }, { 1, 1 }, { 3, 1 }, { 5, 1 }, { 7, 1 }, { 9, 1 } } };

inline constexpr std::array<std::pair<int16_t, int16_t>, 19> BarrasMayor { { { 1, 2 }, { 2, 3 }, { 3, 4 }, { 4, 5 },
    { 5, 6 }, { 7, 8 }, { 8, 9 }, { 9, 10 }, { 10, 11 }, { 1, 7 }, { 7, 2 }, { 2, 8 }, { 8, 3 }, { 3, 9 }, { 9, 4 },
    { 4, 10 }, { 10, 5 }, { 5, 11 }, { 11, 6 } } };

// Direction from a to b in degrees, counter-clockwise from +X, in [0, 360).
inline double AnguloEntre(const NodoRec& a, const NodoRec& b)
{
    const double grados = std::atan2(b.Y - a.Y, b.X - a.X) * 180 / Pi;
    return grados < 0 ? grados + 360 : grados;
}

// Straight into the model, as the solver's tests do (top nodes at height r3).
inline void ArmarMayor(Modulo& m)
{
    for (size_t i = 0; i < NodosMayor.size(); ++i) {
        const int16_t k = m.AgregarNodoRec(NodosMayor[i].first, NodosMayor[i].second * AlturaWarren);
        if (k >= 2 && k <= 5)
            m.Nodo(k).Fy = -1000;
    }
    for (const auto& [inicio, fin] : BarrasMayor) {
        BarraRec& barra = m.Barra(m.AgregarBarraRec(inicio));
        barra.NodoFinal = fin;
        barra.Angulo = AnguloEntre(m.Nodo(inicio), m.Nodo(fin));
    }
    m.Apoyos[1] = 1;
    m.Apoyos[2] = 6;
}

inline EventoPuntero SobreNodo(const Principal& p, int16_t n)
{
    const NodoRec& nodo = p.Ver().modulo.Nodo(n);
    return { 1, 0, static_cast<float>(p.Ver().coordenadas.ATwips(nodo.X, Eje::X)),
        static_cast<float>(p.Ver().coordenadas.ATwips(nodo.Y, Eje::Y)) };
}

// Through the editor, as a user would: typed nodes (top ones at 1.7 m), bars
// clicked from node to node, both supports, and the four loads.
inline void DibujarMayor(Principal& p)
{
    for (const auto& [x, y] : NodosMayor)
        p.AgregarNodo(x, y * 1.7);
    for (const auto& [inicio, fin] : BarrasMayor) {
        p.Herramienta_Click(HerrBarra);
        p.Diagrama_MouseDown(SobreNodo(p, inicio));
        p.Diagrama_MouseDown(SobreNodo(p, fin));
    }
    p.Herramienta_Click(HerrApoyos);
    p.Diagrama_MouseDown(SobreNodo(p, 1));
    p.Diagrama_MouseDown(SobreNodo(p, 6));
    for (int16_t n = 2; n <= 5; ++n) {
        p.Herramienta_Click(HerrCarga);
        p.Diagrama_MouseDown(SobreNodo(p, n));
        p.findChild<QLineEdit*>(QStringLiteral("Prin"))->setText(QStringLiteral("1000"));
        p.findChild<QLineEdit*>(QStringLiteral("Angulo"))->setText(QStringLiteral("90"));
        p.Aceptar_Click();
    }
}
