#include "Trazos.h"

#include <QLineF>
#include <QtMath>

QPixmap Lienzo(QSizeF logico, qreal proporcion)
{
    if (logico.isEmpty() || !(proporcion > 0))
        return {};
    QPixmap lienzo(qCeil(logico.width() * proporcion), qCeil(logico.height() * proporcion));
    if (lienzo.isNull())
        return {};
    lienzo.setDevicePixelRatio(proporcion);
    lienzo.fill(Qt::transparent);
    return lienzo;
}

void Preparar(QPainter& pintor)
{
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(Qt::NoBrush);
}

void PintarNodo(QPainter& pintor, QPointF centro, qreal radio)
{
    pintor.save();
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(Paleta::Nodo);
    pintor.drawEllipse(centro, radio, radio);
    pintor.restore();
}

void PintarBarra(QPainter& pintor, QPointF a, QPointF b, qreal ancho, qreal borde)
{
    pintor.save();
    pintor.setPen(QPen(Paleta::BordeBarra, ancho + 2 * borde, Qt::SolidLine, Qt::RoundCap));
    pintor.drawLine(a, b);
    pintor.setPen(QPen(Paleta::Barra, ancho, Qt::SolidLine, Qt::RoundCap));
    pintor.drawLine(a, b);
    pintor.restore();
}

void PintarFlecha(QPainter& pintor, QPointF desde, QPointF hasta, qreal ancho, qreal largoPunta, qreal anchoPunta,
    const QColor& color)
{
    const QLineF eje(desde, hasta);
    if (eje.length() <= 0)
        return;
    const QPointF u = (hasta - desde) / eje.length();
    const QPointF n(-u.y(), u.x());
    const QPointF base = hasta - u * largoPunta;
    pintor.save();
    // The shaft reaches a little into the head so no seam shows between them.
    pintor.setPen(QPen(color, ancho, Qt::SolidLine, Qt::FlatCap));
    pintor.drawLine(desde, base + u * 0.5);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(color);
    pintor.drawPolygon(QPolygonF({ hasta, base + n * anchoPunta / 2, base - n * anchoPunta / 2 }));
    pintor.restore();
}

QPolygonF Encoger(const QPolygonF& triangulo, qreal margen)
{
    const QPointF a = triangulo.at(0), b = triangulo.at(1), c = triangulo.at(2);
    const qreal la = QLineF(b, c).length(), lb = QLineF(c, a).length(), lc = QLineF(a, b).length();
    const qreal perimetro = la + lb + lc;
    const QPointF incentro = (a * la + b * lb + c * lc) / perimetro;
    const qreal doble = qAbs((b.x() - a.x()) * (c.y() - a.y()) - (c.x() - a.x()) * (b.y() - a.y()));
    const qreal radio = doble / perimetro;
    const qreal k = (radio - margen) / radio;
    QPolygonF resultado;
    for (const QPointF& p : { a, b, c })
        resultado << incentro + (p - incentro) * k;
    return resultado;
}

namespace {

// A ground line with short hatching below it, centred on `centro`.
void PintarSuelo(QPainter& pintor, QPointF centro, qreal escala)
{
    const qreal mitad = 10 * escala;
    const qreal grueso = 1.6 * escala;
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(Paleta::Tinta);
    pintor.drawRect(QRectF(centro.x() - mitad, centro.y(), 2 * mitad, grueso));
    pintor.setPen(QPen(Paleta::TintaSuave, 1.2 * escala, Qt::SolidLine, Qt::FlatCap));
    const qreal arriba = centro.y() + grueso + 0.6 * escala;
    for (int k = 0; k < 5; ++k) {
        const qreal x = centro.x() - mitad + (3.5 + 4 * k) * escala;
        pintor.drawLine(QPointF(x, arriba), QPointF(x - 3.5 * escala, arriba + 3.2 * escala));
    }
}

} // namespace

void PintarApoyo(QPainter& pintor, QPointF ancla, bool movil, qreal escala)
{
    // The roller's triangle is lower, to leave room for its wheels.
    const qreal alto = (movil ? 8 : 10) * escala;
    const qreal mitad = (movil ? 6.5 : 7) * escala;
    const QPolygonF triangulo({ ancla, ancla + QPointF(mitad, alto), ancla + QPointF(-mitad, alto) });
    pintor.save();
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(Paleta::Tinta);
    pintor.drawPolygon(triangulo);
    pintor.setBrush(Paleta::TintaSuave);
    pintor.drawPolygon(Encoger(triangulo, 1.4 * escala));
    qreal suelo = alto + 0.6 * escala;
    if (movil) {
        const qreal radio = 2 * escala;
        pintor.setBrush(Paleta::Tinta);
        for (const qreal lado : { -1.0, 1.0 })
            pintor.drawEllipse(ancla + QPointF(lado * 3.5 * escala, alto + radio), radio, radio);
        suelo = alto + 2 * radio + 0.3 * escala;
    }
    PintarSuelo(pintor, ancla + QPointF(0, suelo), escala);
    pintor.restore();
}
