#pragma once

#include <QColor>

// The board's colours, shared by the board elements and the drawn pictures.
inline const QColor ColorNodo(255, 0, 0);
inline const QColor ColorBarra(247, 187, 106); // before a calculation, and zero force
inline const QColor ColorCompresion(0, 0, 255);
inline const QColor ColorTraccion(255, 0, 0);
inline const QColor ColorSeleccion(0, 255, 0);
inline const QColor ColorLineaCarga(0, 128, 64);
inline const QColor ColorTextoCarga(0, 128, 0);
inline const QColor ColorMarca(255, 0, 0); // the nodes of a mechanism
inline const QColor ColorResalte(255, 0, 255); // the node the load tool picked: no other element's colour
inline const QColor ColorColumnaCargas(0, 128, 64); // the loads' column of the results grid

// A bar's colour by the sign of its force: compression is stored positive,
// blue; tension red; a zero force keeps the colour of a bar before any
// calculation.
inline QColor ColorPorFuerza(double fuerza)
{
    if (fuerza > 0)
        return ColorCompresion;
    if (fuerza < 0)
        return ColorTraccion;
    return ColorBarra;
}
