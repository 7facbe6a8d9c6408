#pragma once

#include <QString>
#include <functional>

class QWidget;

// The user guide beside the program file.
inline const QString NombreAyuda = QStringLiteral("Help_Trabina.pdf");

// The program's own directory, the native separator and the guide's name.
QString RutaAyuda();

// Opens a document with the desktop's associated viewer; the outcome is not
// read. The hook lets tests watch the request without starting a viewer.
using AbridorDocumento = std::function<void(const QString& ruta, QWidget* dueno)>;
AbridorDocumento& AbridorAyuda();
void AbrirConVisor(const QString& ruta, QWidget* dueno);

// The help button: opens the guide, or says where it was looked for.
void MostrarAyuda(QWidget* dueno);
