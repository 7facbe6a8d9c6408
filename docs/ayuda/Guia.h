#pragma once

#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>

// Lays the guide's HTML out on A4 pages and writes it as a PDF with Qt's own
// PDF writer. Each <img src="captura:NAME"> takes the picture of that name;
// a name without a picture gets a grey stand-in and a line in `avisos`.
// Returns false, with the reason in `error`, when the PDF cannot be written.
bool EscribirGuia(const QString& html, const QMap<QString, QImage>& imagenes, const QString& salida,
    QStringList& avisos, QString& error);
