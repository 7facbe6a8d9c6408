#include "Dibujos.h"

#include "Trazos.h"

#include <QPainterPath>
#include <iterator>

// The icons of the tool and command buttons, on a 32 x 32 grid. Every shape
// keeps a pixel of margin so that the pressed look of a button does not clip it.

namespace {

const qreal RadioNodoIcono = 3.5;

void PintarHerrApoyo(QPainter& p)
{
    const QPointF nodo(16, 8);
    PintarBarra(p, nodo, QPointF(3.5, 3), 2.2, 0.7);
    PintarBarra(p, nodo, QPointF(28.5, 3), 2.2, 0.7);
    PintarApoyo(p, nodo, false, 1.25);
    PintarNodo(p, nodo, RadioNodoIcono);
}

void PintarHerrCarga(QPainter& p)
{
    const QPointF nodo(16, 24);
    PintarBarra(p, QPointF(3.5, 24), QPointF(28.5, 24), 2.6, 0.7);
    PintarNodo(p, nodo, RadioNodoIcono);
    PintarFlecha(p, QPointF(16, 2.5), QPointF(16, 19), 3, 7.5, 10, Paleta::Carga);
}

void PintarHerrNodo(QPainter& p)
{
    PintarNodo(p, QPointF(13, 19), 9.5);
    p.setPen(QPen(Paleta::Tinta, 3, Qt::SolidLine, Qt::RoundCap));
    const QPointF cruz(24.5, 7.5);
    p.drawLine(cruz - QPointF(5, 0), cruz + QPointF(5, 0));
    p.drawLine(cruz - QPointF(0, 5), cruz + QPointF(0, 5));
}

void PintarHerrElemento(QPainter& p)
{
    const QPointF a(6.5, 25.5), b(25.5, 6.5);
    PintarBarra(p, a, b, 3.6, 0.8);
    PintarNodo(p, a, 4.2);
    PintarNodo(p, b, 4.2);
}

// A dimension line with arrowheads at both ends and short extension ticks.
void PintarCota(QPainter& p, QPointF a, QPointF b)
{
    const QPointF medio = (a + b) / 2;
    PintarFlecha(p, medio, a, 1.3, 3.5, 4.5, Paleta::Acento);
    PintarFlecha(p, medio, b, 1.3, 3.5, 4.5, Paleta::Acento);
}

void PintarHerrArea(QPainter& p)
{
    const QRectF area(4.5, 4.5, 19, 16);
    p.setPen(QPen(Paleta::Tinta, 1.6));
    p.setBrush(Paleta::PapelSombra);
    p.drawRect(area);
    p.setPen(QPen(Paleta::TintaSuave, 1));
    p.drawLine(QPointF(area.left(), 23.5), QPointF(area.left(), 29));
    p.drawLine(QPointF(area.right(), 23.5), QPointF(area.right(), 29));
    p.drawLine(QPointF(26, area.top()), QPointF(31, area.top()));
    p.drawLine(QPointF(26, area.bottom()), QPointF(31, area.bottom()));
    PintarCota(p, QPointF(area.left(), 26.5), QPointF(area.right(), 26.5));
    PintarCota(p, QPointF(28.5, area.top()), QPointF(28.5, area.bottom()));
}

// A sheet with its top-right corner folded over.
void PintarHoja(QPainter& p, QRectF hoja, qreal pliegue)
{
    QPainterPath contorno;
    contorno.moveTo(hoja.topLeft());
    contorno.lineTo(hoja.right() - pliegue, hoja.top());
    contorno.lineTo(hoja.right(), hoja.top() + pliegue);
    contorno.lineTo(hoja.bottomRight());
    contorno.lineTo(hoja.bottomLeft());
    contorno.closeSubpath();
    p.setPen(QPen(Paleta::Tinta, 1.6, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(Paleta::Papel);
    p.drawPath(contorno);
    const QPointF esquina(hoja.right() - pliegue, hoja.top() + pliegue);
    p.setBrush(Paleta::PapelSombra);
    p.drawPolygon(QPolygonF(
        { QPointF(hoja.right() - pliegue, hoja.top()), esquina, QPointF(hoja.right(), hoja.top() + pliegue) }));
}

void PintarHerrNuevo(QPainter& p)
{
    PintarHoja(p, QRectF(7, 3, 18, 26), 6.5);
}

void PintarCalcular(QPainter& p)
{
    p.setBrush(Paleta::Tinta);
    p.drawRoundedRect(QRectF(6.5, 2.5, 19, 27), 3, 3);
    p.setBrush(QColor(214, 236, 220));
    p.drawRoundedRect(QRectF(9, 5, 14, 6.5), 1.2, 1.2);
    // Digit keys in paper white, the operator column in the bar colour.
    for (int fila = 0; fila < 3; ++fila) {
        for (int columna = 0; columna < 3; ++columna) {
            p.setBrush(columna == 2 ? Paleta::Barra : Paleta::Papel);
            p.drawRoundedRect(QRectF(9 + 5 * columna, 14 + 5 * fila, 4, 3.8), 0.8, 0.8);
        }
    }
}

void PintarResultados(QPainter& p)
{
    const QRectF tabla(3.5, 4.5, 25, 23);
    p.setBrush(Paleta::Papel);
    p.drawRect(tabla);
    p.setBrush(Paleta::Acento);
    p.drawRect(QRectF(tabla.topLeft(), QSizeF(tabla.width(), 6)));
    p.setPen(QPen(Paleta::TintaSuave, 1));
    p.drawLine(QPointF(12.5, 10.5), QPointF(12.5, tabla.bottom()));
    for (const qreal y : { 16.0, 21.5 })
        p.drawLine(QPointF(tabla.left(), y), QPointF(tabla.right(), y));
    // Each row's force in the colour of its sign.
    const QColor fuerzas[] = { Paleta::Compresion, Paleta::Traccion, Paleta::Compresion };
    for (int fila = 0; fila < 3; ++fila) {
        const qreal y = 13.25 + 5.5 * fila;
        p.setPen(QPen(fuerzas[fila], 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, y), QPointF(fila == 1 ? 21 : 25, y));
        p.setPen(QPen(Paleta::Tinta, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6.5, y), QPointF(9.5, y));
    }
    p.setPen(QPen(Paleta::Tinta, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(tabla);
}

void PintarAcercade(QPainter& p)
{
    p.setBrush(Paleta::Acento);
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    p.setBrush(Paleta::Papel);
    p.drawEllipse(QPointF(16, 9.5), 2.4, 2.4);
    p.drawRoundedRect(QRectF(14, 13.5, 4, 11.5), 1.2, 1.2);
}

void PintarSalir(QPainter& p)
{
    // An open door frame with the way out pointing through its gap.
    QPainterPath marco;
    marco.moveTo(18, 10);
    marco.lineTo(18, 4);
    marco.lineTo(5, 4);
    marco.lineTo(5, 28);
    marco.lineTo(18, 28);
    marco.lineTo(18, 22);
    p.setPen(QPen(Paleta::Tinta, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(marco);
    PintarFlecha(p, QPointF(11, 16), QPointF(29.5, 16), 3, 7, 10, Paleta::Traccion);
}

using Pintura = void (*)(QPainter&);

QPixmap Icono(Pintura pintura, qreal proporcion, int lado)
{
    QPixmap icono = Lienzo(QSizeF(lado, lado), proporcion);
    if (icono.isNull() || !pintura)
        return icono;
    QPainter pintor(&icono);
    Preparar(pintor);
    pintor.scale(qreal(lado) / LadoIcono, qreal(lado) / LadoIcono);
    pintura(pintor);
    return icono;
}

} // namespace

QPixmap DibujoHerramienta(int codigo, qreal proporcion, int lado)
{
    static const Pintura pinturas[]
        = { PintarHerrApoyo, PintarHerrCarga, PintarHerrNodo, PintarHerrElemento, PintarHerrArea, PintarHerrNuevo };
    const bool conocido = codigo >= 0 && codigo < static_cast<int>(std::size(pinturas));
    return Icono(conocido ? pinturas[codigo] : nullptr, proporcion, lado);
}

QPixmap DibujoComando(int indice, qreal proporcion, int lado)
{
    static const Pintura pinturas[] = { PintarCalcular, PintarResultados, PintarAcercade, PintarSalir };
    const bool conocido = indice >= 0 && indice < static_cast<int>(std::size(pinturas));
    return Icono(conocido ? pinturas[indice] : nullptr, proporcion, lado);
}
