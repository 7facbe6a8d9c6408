#pragma once

#include <QGraphicsLineItem>

// A load line drawn as an arrow: its line, pen and visibility are those of a
// plain line item, and it paints a filled head at its start point (the node)
// in the line's colour. Being one item, the head moves, recolours, hides and
// shows with its line.
class FlechaCarga : public QGraphicsLineItem {
public:
    QRectF boundingRect() const override;
    void paint(QPainter* pintor, const QStyleOptionGraphicsItem* opcion, QWidget* widget) override;
};
