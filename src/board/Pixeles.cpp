#include "board/Pixeles.h"

#include "board/Tablero.h"
#include "model/Numeros.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

int APixeles(double twips)
{
    return static_cast<int>(EnteroPar(twips / TwipsPorPixel));
}

void Ubicar(QWidget* control, double left, double top, double ancho, double alto)
{
    control->setGeometry(APixeles(left), APixeles(top), APixeles(ancho), APixeles(alto));
}

QFont FuenteCompacta()
{
    QFont fuente(QStringLiteral("Arial"));
    fuente.setPixelSize(11);
    return fuente;
}

void UsarFuenteAplicacion()
{
    QFont fuente = QApplication::font();
    fuente.setFamily(QStringLiteral("Arial"));
    QApplication::setFont(fuente);
}
