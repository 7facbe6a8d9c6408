#pragma once

#include "board/Colores.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QPointF>
#include <QPolygonF>
#include <QSizeF>

// Shared strokes of the program's pictures (Dibujos.h): one palette and the
// few shapes that several pictures repeat, so that they all look alike.

namespace Paleta {
// The board's own colours.
inline const QColor Nodo = ColorNodo;
inline const QColor Barra = ColorBarra;
inline const QColor Carga = ColorLineaCarga;
inline const QColor Compresion = ColorCompresion;
inline const QColor Traccion = ColorTraccion;
// A darker rim lets the light bar colour read on white and grey.
inline const QColor BordeBarra(201, 132, 48);
// Outlines, supports and lettering; its lighter tone for fills and hatching.
inline const QColor Tinta(46, 62, 74);
inline const QColor TintaSuave(132, 152, 166);
inline const QColor Acento(30, 96, 176);
inline const QColor Papel(255, 255, 255);
inline const QColor PapelSombra(214, 224, 234);
// Night blue of the splash and of the application icon's tile.
inline const QColor NocheAlta(9, 25, 54);
inline const QColor NocheBaja(26, 66, 122);
} // namespace Paleta

// A transparent canvas of the given logical size at `proporcion` physical
// pixels per logical pixel; null for an empty size or a ratio that is not
// positive.
QPixmap Lienzo(QSizeF logico, qreal proporcion);

// A painter with smooth edges and no pen or brush yet.
void Preparar(QPainter& pintor);

void PintarNodo(QPainter& pintor, QPointF centro, qreal radio);
// A bar as the board shows it, with a darker rim of `borde` on each side.
void PintarBarra(QPainter& pintor, QPointF a, QPointF b, qreal ancho, qreal borde);
// A straight arrow with a filled head whose tip is `hasta`.
void PintarFlecha(QPainter& pintor, QPointF desde, QPointF hasta, qreal ancho, qreal largoPunta, qreal anchoPunta,
    const QColor& color);
// The triangle shrunk by `margen` towards its incentre, for two-tone fills
// whose outline never reaches past the outer corners.
QPolygonF Encoger(const QPolygonF& triangulo, qreal margen);

// A support symbol with its apex at `ancla`; `escala` 1 is the board's size.
void PintarApoyo(QPainter& pintor, QPointF ancla, bool movil, qreal escala);
