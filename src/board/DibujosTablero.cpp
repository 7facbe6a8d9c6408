#include "Dibujos.h"
#include "Trazos.h"

// The pictures that lie on the board: the two support symbols and the axes.

namespace {

QPixmap Apoyo(bool movil, qreal proporcion)
{
    QPixmap dibujo = Lienzo(QSizeF(LadoApoyo, LadoApoyo), proporcion);
    if (dibujo.isNull())
        return dibujo;
    QPainter pintor(&dibujo);
    Preparar(pintor);
    PintarApoyo(pintor, AnclaApoyo, movil, 1);
    return dibujo;
}

// Letters drawn as strokes, in a box of the given top-left corner and side,
// so that they look the same whatever fonts the desktop has.
void PintarLetraX(QPainter& p, QPointF esquina, qreal lado)
{
    p.drawLine(esquina, esquina + QPointF(lado, lado));
    p.drawLine(esquina + QPointF(lado, 0), esquina + QPointF(0, lado));
}

void PintarLetraY(QPainter& p, QPointF esquina, qreal lado)
{
    const QPointF centro = esquina + QPointF(lado / 2, lado / 2);
    p.drawLine(esquina, centro);
    p.drawLine(esquina + QPointF(lado, 0), centro);
    p.drawLine(centro, esquina + QPointF(lado / 2, lado));
}

} // namespace

QPixmap DibujoApoyoFijo(qreal proporcion)
{
    return Apoyo(false, proporcion);
}

QPixmap DibujoApoyoMovil(qreal proporcion)
{
    return Apoyo(true, proporcion);
}

QPixmap DibujoEjes(qreal proporcion)
{
    QPixmap dibujo = Lienzo(QSizeF(TamanoEjes), proporcion);
    if (dibujo.isNull())
        return dibujo;
    QPainter p(&dibujo);
    Preparar(p);
    const QPointF origen(7.5, 34);
    PintarFlecha(p, origen - QPointF(0.8, 0), QPointF(38.5, origen.y()), 1.6, 5.5, 5.5, Paleta::Tinta);
    PintarFlecha(p, origen + QPointF(0, 0.8), QPointF(origen.x(), 3.5), 1.6, 5.5, 5.5, Paleta::Tinta);
    p.setBrush(Paleta::Tinta);
    p.drawEllipse(origen, 1.8, 1.8);
    p.setPen(QPen(Paleta::Tinta, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    PintarLetraX(p, QPointF(32, 38), 4.5);
    PintarLetraY(p, QPointF(11.5, 3), 4.5);
    return dibujo;
}
