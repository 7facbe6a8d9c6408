#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPointF>
#include <QSize>

// The program's icons and pictures, all drawn in code. Each function paints a
// QPixmap, so a QGuiApplication (or QApplication) must exist before any call.
// Sizes are logical pixels; a picture is rendered at `proporcion` physical
// pixels per logical pixel and carries that as its device pixel ratio, so it
// stays crisp on dense screens. Backgrounds are transparent unless said.

inline constexpr qreal ProporcionDibujos = 2;

// Tool and command icons are drawn on a 32 x 32 grid and painted `lado`
// logical pixels square: the buttons ask for the size they show, so nothing
// is scaled when a button is painted.
inline constexpr int LadoIcono = 32;

// Tool codes 0..5: 0 "Apoyo", 1 "Carga", 2 "Nodo", 3 "Elemen", 4 "Area",
// 5 "Nuevo". An unknown code gives a blank icon of the same size.
QPixmap DibujoHerramienta(int codigo, qreal proporcion = ProporcionDibujos, int lado = LadoIcono);

// Command buttons: 0 `Calcular`, 1 `Resultados`, 2 `Acercade`, 3 `Salir`.
// An unknown index gives a blank icon.
QPixmap DibujoComando(int indice, qreal proporcion = ProporcionDibujos, int lado = LadoIcono);

// The support symbols `Apoyo(0)` and `Apoyo(1)`: 480 x 480 twips on the board,
// 32 x 32 px at 15 twips per pixel. The board puts the node's point 240 twips
// from the left and 190 twips from the top, so the triangle's apex lies there.
inline constexpr int LadoApoyo = 32;
inline constexpr QPointF AnclaApoyo { 16, 190.0 / 15 };
QPixmap DibujoApoyoFijo(qreal proporcion = ProporcionDibujos);
QPixmap DibujoApoyoMovil(qreal proporcion = ProporcionDibujos);

// The axes picture `Coordenas`, 615 x 660 twips: X to the right, Y upward.
inline constexpr QSize TamanoEjes { 41, 44 };
QPixmap DibujoEjes(qreal proporcion = ProporcionDibujos);

// The splash background, opaque: a night-blue gradient with a truss bridge in
// light lines across the lower half. The upper half is kept plain for the
// title labels laid over it, and the bottom strip for the rights line.
// An empty size gives a null pixmap.
QPixmap DibujoPresentacion(QSize tamano, qreal proporcion = ProporcionDibujos);
// The same picture painted straight onto a device, e.g. a window at its paint.
void PintarPresentacion(QPainter& pintor, QSize tamano);

// The about box's logos, 64 x 64: 0 the program's own (as the application
// icon), 1 the teaching institution "Taller de Estructuras". An unknown index
// gives a blank picture.
inline constexpr int LadoLogo = 64;
QPixmap DibujoLogo(int indice, qreal proporcion = ProporcionDibujos);

// The application icon at 16, 32, 48, 64, 128 and 256 px; the small sizes
// drop the inner bars so that the triangle still reads.
QIcon IconoAplicacion();
