#pragma once

class QFont;
class QWidget;

// Windows are laid out in twips at 15 twips a logical pixel.

// A position or size in twips as pixels, halves to even.
int APixeles(double twips);

// Places a control at a twip rectangle within its container.
void Ubicar(QWidget* control, double left, double top, double ancho, double alto);

// Captions that must fit controls of a fixed pixel size (the buttons with an
// icon above their caption, the results grid): Arial at 11 px, 8.25 points at
// 96 dots per inch, whatever the desktop's font and its dots per inch.
QFont FuenteCompacta();

// The program's one typeface, Arial at the desktop's size, for every text that
// has no font of its own (titles, labels, boxes, status bar, dialogs): the
// buttons, the board and the results already use it, and a second typeface
// would only cost start-up time. Call once, before the first window.
void UsarFuenteAplicacion();
