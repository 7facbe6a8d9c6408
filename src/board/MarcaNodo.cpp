#include "board/MarcaNodo.h"

#include "board/Colores.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QPen>

namespace {

constexpr double DiametroDestino = 120; // the size of a node dot

QPen PlumaMarca()
{
    QPen pluma(ColorMarca, 2, Qt::DashLine);
    pluma.setCosmetic(true);
    return pluma;
}

template <typename T> T* Preparar(T* item)
{
    item->setPen(PlumaMarca());
    item->setAcceptedMouseButtons(Qt::NoButton);
    item->setVisible(false);
    return item;
}

QRectF Circulo(QPointF centro, double diametro)
{
    return { centro.x() - diametro / 2, centro.y() - diametro / 2, diametro, diametro };
}

} // namespace

MarcaNodo::MarcaNodo(QGraphicsScene& escena)
    : anillo(Preparar(escena.addEllipse(QRectF())))
    , trazo(Preparar(escena.addLine(QLineF())))
    , destino(Preparar(escena.addEllipse(QRectF())))
{
}

void MarcaNodo::Mostrar(QPointF centro, double dx, double dy)
{
    const QPointF fin = centro + QPointF(dx, -dy) * LargoMovimiento;
    anillo->setRect(Circulo(centro, DiametroMarca));
    trazo->setLine(QLineF(centro, fin));
    destino->setRect(Circulo(fin, DiametroDestino));
    anillo->setVisible(true);
    trazo->setVisible(true);
    destino->setVisible(true);
}

void MarcaNodo::Ocultar()
{
    anillo->setVisible(false);
    trazo->setVisible(false);
    destino->setVisible(false);
}

bool MarcaNodo::EsVisible() const
{
    return anillo->isVisible();
}

QPointF MarcaNodo::Centro() const
{
    return anillo->rect().center();
}

QPointF MarcaNodo::Destino() const
{
    return destino->rect().center();
}
