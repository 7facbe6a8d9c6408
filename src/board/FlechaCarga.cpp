#include "board/FlechaCarga.h"

#include "board/Flecha.h"
#include "board/Tablero.h"

#include <QPainter>
#include <QPen>

QRectF FlechaCarga::boundingRect() const
{
    // The head's half width, and the cosmetic pen's half width at 15 twips a
    // pixel, beyond the line on every side.
    const qreal margen = AnchoPunta / 2 + pen().widthF() * TwipsPorPixel / 2;
    return QRectF(line().p1(), line().p2()).normalized().adjusted(-margen, -margen, margen, margen);
}

void FlechaCarga::paint(QPainter* pintor, const QStyleOptionGraphicsItem* opcion, QWidget* widget)
{
    const PuntaFlecha f = PuntaCarga(line().p1(), line().p2());
    if (!f.hay) {
        QGraphicsLineItem::paint(pintor, opcion, widget);
        return;
    }
    // The shaft from the free end to the head's back edge, with the line's
    // own pen; the head covers the round end.
    pintor->save();
    pintor->setPen(pen());
    pintor->drawLine(line().p2(), f.base);
    pintor->setPen(Qt::NoPen);
    pintor->setBrush(pen().color());
    const QPointF triangulo[3] = { f.punta, f.ala1, f.ala2 };
    pintor->drawPolygon(triangulo, 3);
    pintor->restore();
}
