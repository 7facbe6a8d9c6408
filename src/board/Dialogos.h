#pragma once

#include <QString>

class QWidget;

// The program's message boxes, all with the application's title.

// A question with Yes and No and the question icon; true on Yes.
bool PreguntarSiNo(QWidget* dueno, const QString& texto);

// A notice with OK and the exclamation icon.
void Advertir(QWidget* dueno, const QString& texto);
