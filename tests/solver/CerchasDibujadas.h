#pragma once

// The trusses the end-to-end tests draw, as a student would draw them, and
// the colours and texts they are checked against. Their member forces are
// worked out by hand where they are checked.
//
// Angles: a bar closed by a press takes the angle measured between its nodes,
// cut down to a tenth; that is exact for 0, 90 and 45 degrees but not for a
// bar that slopes down to the right (44.9 short of a tenth). Such bars are
// typed instead (length and angle), which stores the angle exactly and puts a
// new node at the end.

#include "Dibujante.h"

inline const QColor Azul(0, 0, 255);
inline const QColor Rojo(255, 0, 0);
inline const QColor Cero(247, 187, 106);
inline const QColor Verde(0, 255, 0);
inline const QString Calculada = QStringLiteral("Cercha calculada satisfactoriamente");

// A hair over sqrt 2, so that a typed 45 or 315 degree bar ends a hair past
// the whole metre: the end's conversions round down to the metre, not 1 mm short.
inline const QString Raiz2 = QStringLiteral("1.414213562374");

// Right isosceles triangle, the right angle at the apex B, 1000 N down at B.
// A(0,0); bar 1 typed from A at 45 deg makes B(1,1); bar 2 typed from B at
// 315 deg makes C(2,0); bar 3 pressed from A to C (0 deg). Pin A, roller C.
inline void DibujarTriangulo(Dibujante& d)
{
    d.Nodo("0", "0");
    d.BarraEscrita(1, Raiz2, "45");
    d.BarraEscrita(2, Raiz2, "315");
    d.Barra(1, 3);
    d.Apoyos(1, 3);
    d.Carga(2, "1000", "90"); // drawn upward from B, pushes B down
}

// Symmetric Warren truss of 45-degree diagonals, 1000 N down at each top
// node. The zigzag is typed: A(0,0) -> B(1,1) -> C(2,0) -> D(3,1) -> E(4,0)
// (bars 1 to 4); bars 5 A->C, 6 C->E, 7 B->D are pressed. Pin A, roller E.
inline void DibujarWarren(Dibujante& d)
{
    d.Nodo("0", "0");
    d.BarraEscrita(1, Raiz2, "45");
    d.BarraEscrita(2, Raiz2, "315");
    d.BarraEscrita(3, Raiz2, "45");
    d.BarraEscrita(4, Raiz2, "315");
    d.Barra(1, 3);
    d.Barra(3, 5);
    d.Barra(2, 4);
    d.Apoyos(1, 5);
    d.Carga(2, "1000", "90");
    d.Carga(4, "1000", "90");
}

// A cantilever tower two panels high, pinned at A and on a roller at B, with
// 1000 N pushing E to the right (its line drawn to the left, 180 deg).
// A(0,0), B(1,0), C(0,1), D(1,1), E(0,2), F(1,2), all typed. Bars, pressed:
// 1 A->B, 2 A->C, 3 B->D, 4 C->D, 5 A->D, 6 C->E, 7 D->F, 8 E->F, 9 C->F.
inline void DibujarTorre(Dibujante& d)
{
    d.Nodo("0", "0");
    d.Nodo("1", "0");
    d.Nodo("0", "1");
    d.Nodo("1", "1");
    d.Nodo("0", "2");
    d.Nodo("1", "2");
    const int barras[9][2]
        = { { 1, 2 }, { 1, 3 }, { 2, 4 }, { 3, 4 }, { 1, 4 }, { 3, 5 }, { 4, 6 }, { 5, 6 }, { 3, 6 } };
    for (const auto& barra : barras)
        d.Barra(barra[0], barra[1]);
    d.Apoyos(1, 2);
    d.Carga(5, "1000", "180");
}

// The largest truss that can be calculated: 11 nodes, 19 bars. A Warren of
// 45-degree diagonals; the zigzag of bars 1 to 10 is typed from A(0,0), so
// node k stands at (k - 1, 1 if k is even else 0). Bars 11-15, the bottom
// chord, join nodes 1-3-5-7-9-11; bars 16-19, the top chord, 2-4-6-8-10.
// Pin A, roller K (10, 0); 1000 N down at C, E, G and I.
inline void DibujarMasGrande(Dibujante& d)
{
    d.Nodo("0", "0");
    for (int k = 1; k <= 10; ++k)
        d.BarraEscrita(k, Raiz2, k % 2 == 1 ? QStringLiteral("45") : QStringLiteral("315"));
    for (int k = 1; k <= 9; k += 2)
        d.Barra(k, k + 2);
    for (int k = 2; k <= 8; k += 2)
        d.Barra(k, k + 2);
    d.Apoyos(1, 11);
    for (int k = 3; k <= 9; k += 2)
        d.Carga(k, "1000", "90");
}

// 3-4-5 right triangle drawn by presses only: A(0,0), B(5,0), C(1.8,2.4);
// bars 1 A->B, 2 B->C, 3 A->C; pin A, roller B; 1000 N down at C.
inline void DibujarTresCuatroCinco(Dibujante& d)
{
    d.Nodo("0", "0");
    d.Nodo("5", "0");
    d.Nodo("1.8", "2.4");
    d.Barra(1, 2);
    d.Barra(2, 3);
    d.Barra(1, 3);
    d.Apoyos(1, 2);
    d.Carga(3, "1000", "90");
}

// The main window's pixel over a point of the bar a few pixels before its
