#pragma once

#include <QImage>

class Tablero;

// The whole board as a picture for a report: its logical size at
// `proporcion` device pixels a pixel, on white.
QImage ImagenTablero(Tablero& tablero, qreal proporcion);
// To the clipboard at the screen's own resolution (twice on a HiDPI screen).
void CopiarTablero(Tablero& tablero);
