#pragma once

class QWidget;

// Windows are laid out in twips at 15 twips a logical pixel.

// A position or size in twips as pixels, halves to even.
int APixeles(double twips);

// Places a control at a twip rectangle within its container.
void Ubicar(QWidget* control, double left, double top, double ancho, double alto);
