#pragma once

#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>

// Pictures of the program taken by the program itself: a main window built
// offscreen, the guide's worked example entered through the window's own
// handlers, and a grab of each stage. Needs a QApplication.
struct Capturas {
    QMap<QString, QImage> imagenes; // by the name the guide's <img src="captura:NAME"> uses
    QStringList avisos; // where the program did not do what the guide says
};

Capturas TomarCapturas();
