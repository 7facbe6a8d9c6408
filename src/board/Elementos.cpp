#include "Elementos.h"

#include "board/FlechaCarga.h"

#include <QBrush>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPen>

namespace {

QGraphicsLineItem* NuevaLinea(QGraphicsScene& escena, Linea::Punta punta)
{
    if (punta == Linea::Punta::Ninguna)
        return escena.addLine(0, 0, 0, 0);
    auto* flecha = new FlechaCarga;
    escena.addItem(flecha); // the scene owns it, as it owns added lines
    return flecha;
}

} // namespace

Linea::Linea(QGraphicsScene& escena, QColor color, int ancho, Punta punta)
    : item(NuevaLinea(escena, punta))
{
    QPen pluma(color, ancho);
    pluma.setCosmetic(true); // the width is in screen pixels, whatever the scale
    pluma.setCapStyle(Qt::RoundCap);
    item->setPen(pluma);
    item->setAcceptedMouseButtons(Qt::NoButton);
    item->setVisible(false);
}

void Linea::FijarInicio(float x, float y)
{
    X1 = x;
    Y1 = y;
    Actualizar();
}

void Linea::FijarFin(float x, float y)
{
    X2 = x;
    Y2 = y;
    Actualizar();
}

void Linea::Color(QColor color)
{
    QPen pluma = item->pen();
    pluma.setColor(color);
    item->setPen(pluma);
}

void Linea::Actualizar()
{
    item->setLine(X1, Y1, X2, Y2);
}

Etiqueta::Etiqueta(QGraphicsScene& escena, QColor color, const QFont& fuente, bool centrada)
    : item(escena.addSimpleText(QString(), fuente))
{
    // An auto-sized label: the alignment has no visible effect.
    Q_UNUSED(centrada);
    item->setBrush(color);
    item->setAcceptedMouseButtons(Qt::NoButton);
    item->setVisible(false);
}

void Etiqueta::Caption(const QString& texto)
{
    item->setText(texto);
}

void Etiqueta::Mover(float nuevoLeft, float nuevoTop)
{
    left = nuevoLeft;
    top = nuevoTop;
    item->setPos(left, top);
}

float Etiqueta::Width() const
{
    return static_cast<float>(item->boundingRect().width());
}

float Etiqueta::Height() const
{
    // The height of a line of the label's font, also for an empty caption.
    return static_cast<float>(QFontMetricsF(item->font()).height());
}

bool Etiqueta::Contiene(float x, float y) const
{
    return item->isVisible() && x >= left && x < left + Width() && y >= top && y < top + Height();
}

Punto::Punto(QGraphicsScene& escena, QColor color, float diametro)
    : item(escena.addEllipse(0, 0, diametro, diametro, Qt::NoPen, QBrush(color)))
{
    item->setAcceptedMouseButtons(Qt::NoButton);
    item->setVisible(false);
}

void Punto::Mover(float nuevoLeft, float nuevoTop)
{
    left = nuevoLeft;
    top = nuevoTop;
    item->setPos(left, top);
}

Imagen::Imagen(QGraphicsScene& escena, const QPixmap& dibujo, float anchoTwips, float altoTwips)
    : item(escena.addPixmap(dibujo))
    , ancho(anchoTwips)
    , alto(altoTwips)
{
    const QSizeF logico = dibujo.deviceIndependentSize();
    item->setTransformationMode(Qt::SmoothTransformation);
    if (!logico.isEmpty())
        item->setTransform(QTransform::fromScale(ancho / logico.width(), alto / logico.height()));
    item->setAcceptedMouseButtons(Qt::NoButton);
    item->setVisible(false);
}

void Imagen::Mover(float nuevoLeft, float nuevoTop)
{
    left = nuevoLeft;
    top = nuevoTop;
    item->setPos(left, top);
}

bool Imagen::Contiene(float x, float y) const
{
    return item->isVisible() && x >= left && x < left + ancho && y >= top && y < top + alto;
}
