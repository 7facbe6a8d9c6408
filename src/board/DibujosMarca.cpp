#include "Dibujos.h"
#include "Trazos.h"

#include <QLinearGradient>
#include <QtMath>
#include <utility>

// The program's own marks: the logo and application icon, the teaching
// institution's logo and the splash background.

namespace {

// Below this side the logo keeps only the outer triangle, which still reads at
// 16 px where the inner bars would blur into the tile.
const qreal LadoLogoDetallado = 24;

// The program's logo on a 64-unit grid, scaled to `lado`: a night-blue tile
// with a triangular truss in the bar colour and red joints.
void PintarLogoTrabina(QPainter& p, qreal lado)
{
    const bool detallado = lado >= LadoLogoDetallado;
    p.save();
    p.scale(lado / 64, lado / 64);
    QLinearGradient degradado(0, 2, 0, 62);
    degradado.setColorAt(0, Paleta::NocheBaja);
    degradado.setColorAt(1, Paleta::NocheAlta);
    p.setPen(Qt::NoPen);
    p.setBrush(degradado);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 13, 13);

    const QPointF a(12, 45), b(52, 45), c(32, 14), d(32, 45), e(22, 29.5), f(42, 29.5);
    if (detallado) {
        p.setBrush(Paleta::TintaSuave);
        for (const QPointF& apoyo : { a, b })
            p.drawPolygon(QPolygonF({ apoyo, apoyo + QPointF(5.5, 9), apoyo + QPointF(-5.5, 9) }));
        p.drawRoundedRect(QRectF(4.5, 54, 55, 2.2), 1.1, 1.1);
        for (const auto& [desde, hasta] : { std::pair { c, d }, { d, e }, { d, f } })
            PintarBarra(p, desde, hasta, 3.2, 0);
    }
    const qreal ancho = detallado ? 4.6 : 7.5;
    for (const auto& [desde, hasta] : { std::pair { a, b }, { b, c }, { c, a } })
        PintarBarra(p, desde, hasta, ancho, 0);

    // Joints with a paper rim, so the red stands off the night blue.
    const qreal radio = detallado ? 3.6 : 6.5;
    const qreal aro = detallado ? 1.3 : 1.6;
    p.setBrush(Paleta::Papel);
    for (const QPointF& nodo : { a, b, c })
        p.drawEllipse(nodo, radio + aro, radio + aro);
    for (const QPointF& nodo : { a, b, c })
        PintarNodo(p, nodo, radio);
    if (detallado) {
        for (const QPointF& nodo : { d, e, f }) {
            p.drawEllipse(nodo, 2.7 + aro, 2.7 + aro);
            PintarNodo(p, nodo, 2.7);
        }
    }
    p.restore();
}

// "Taller de Estructuras": a round seal with a columned front whose pediment
// is a small truss.
void PintarLogoTaller(QPainter& p)
{
    const QColor sello(12, 96, 108);
    const QPointF centro(32, 32);
    p.setPen(Qt::NoPen);
    p.setBrush(sello);
    p.drawEllipse(centro, 30, 30);
    p.setPen(QPen(Paleta::Papel, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centro, 27, 27);

    const QPointF cumbre(32, 13), izquierda(13.5, 25), derecha(50.5, 25);
    p.setPen(QPen(Paleta::Papel, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(QPolygonF({ cumbre, derecha, izquierda }));
    p.setPen(QPen(Paleta::Papel, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cumbre, QPointF(32, 25));
    p.drawLine(QPointF(32, 25), QPointF(22.75, 19));
    p.drawLine(QPointF(32, 25), QPointF(41.25, 19));

    p.setPen(Qt::NoPen);
    p.setBrush(Paleta::Papel);
    p.drawRect(QRectF(14.5, 27, 35, 3.2));
    for (int k = 0; k < 4; ++k)
        p.drawRect(QRectF(17 + 9 * k, 31.6, 3.6, 11.4));
    p.drawRect(QRectF(14.5, 44.4, 35, 2.6));
    p.drawRect(QRectF(12, 48.2, 40, 2.6));
}

// A faint blueprint grid over the whole background. Its lines are upright
// and level, so smoothing would only blur them over two pixels, slowly.
void PintarCuadricula(QPainter& p, const QRectF& marco)
{
    const qreal paso = qMax<qreal>(16, marco.height() / 14);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(255, 255, 255, 12), 1));
    for (qreal x = paso / 2; x < marco.width(); x += paso)
        p.drawLine(QPointF(x, 0), QPointF(x, marco.height()));
    for (qreal y = paso / 2; y < marco.height(); y += paso)
        p.drawLine(QPointF(0, y), QPointF(marco.width(), y));
    p.restore();
}

// A bridge truss of eight panels across the lower half: bottom chord, top
// chord, verticals and diagonals falling towards mid-span, on two supports.
void PintarPuente(QPainter& p, const QRectF& marco)
{
    const int paneles = 8;
    const qreal x0 = marco.width() * 0.1, ancho = marco.width() * 0.8;
    const qreal abajo = marco.height() * 0.8, arriba = marco.height() * 0.6;
    const qreal grueso = qMax<qreal>(1.2, marco.height() / 200);
    auto inferior = [&](int i) { return QPointF(x0 + ancho * i / paneles, abajo); };
    auto superior = [&](int i) { return QPointF(x0 + ancho * i / paneles, arriba); };

    p.setPen(QPen(QColor(196, 220, 246, 225), grueso, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(inferior(0), inferior(paneles));
    p.drawLine(superior(1), superior(paneles - 1));
    p.drawLine(inferior(0), superior(1));
    p.drawLine(inferior(paneles), superior(paneles - 1));
    for (int i = 1; i < paneles; ++i)
        p.drawLine(inferior(i), superior(i));
    for (int i = 1; i < paneles - 1; ++i) {
        const bool izquierda = i < paneles / 2;
        p.drawLine(izquierda ? superior(i) : superior(i + 1), izquierda ? inferior(i + 1) : inferior(i));
    }

    const qreal alto = marco.height() * 0.045;
    p.setPen(QPen(QColor(196, 220, 246, 140), grueso));
    p.drawLine(QPointF(marco.width() * 0.05, abajo + alto), QPointF(marco.width() * 0.95, abajo + alto));
    p.setBrush(QColor(196, 220, 246, 60));
    for (const QPointF& apoyo : { inferior(0), inferior(paneles) })
        p.drawPolygon(QPolygonF({ apoyo, apoyo + QPointF(alto * 0.7, alto), apoyo + QPointF(-alto * 0.7, alto) }));

    const qreal radio = grueso * 2;
    for (int i = 0; i <= paneles; ++i) {
        PintarNodo(p, inferior(i), radio);
        if (i > 0 && i < paneles)
            PintarNodo(p, superior(i), radio);
    }
}

} // namespace

void PintarPresentacion(QPainter& p, QSize tamano)
{
    p.save();
    Preparar(p);
    const QRectF marco(QPointF(0, 0), QSizeF(tamano));
    QLinearGradient degradado(marco.topLeft(), marco.bottomLeft());
    degradado.setColorAt(0, Paleta::NocheAlta);
    degradado.setColorAt(1, Paleta::NocheBaja);
    p.fillRect(marco, degradado);
    PintarCuadricula(p, marco);
    PintarPuente(p, marco);
    p.restore();
}

QPixmap DibujoPresentacion(QSize tamano, qreal proporcion)
{
    QPixmap dibujo = Lienzo(QSizeF(tamano), proporcion);
    if (dibujo.isNull())
        return dibujo;
    QPainter p(&dibujo);
    PintarPresentacion(p, tamano);
    return dibujo;
}

QPixmap DibujoLogo(int indice, qreal proporcion)
{
    QPixmap dibujo = Lienzo(QSizeF(LadoLogo, LadoLogo), proporcion);
    if (dibujo.isNull() || indice < 0 || indice > 1)
        return dibujo;
    QPainter p(&dibujo);
    Preparar(p);
    if (indice == 0)
        PintarLogoTrabina(p, LadoLogo);
    else
        PintarLogoTaller(p);
    return dibujo;
}

QIcon IconoAplicacion()
{
    QIcon icono;
    for (const int lado : { 16, 32, 48, 64, 128, 256 }) {
        QPixmap dibujo = Lienzo(QSizeF(lado, lado), 1);
        QPainter p(&dibujo);
        Preparar(p);
        PintarLogoTrabina(p, lado);
        p.end();
        icono.addPixmap(dibujo);
    }
    return icono;
}
