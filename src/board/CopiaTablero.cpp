#include "board/CopiaTablero.h"

#include "board/Tablero.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

QImage ImagenTablero(Tablero& tablero, qreal proporcion)
{
    const QSizeF logico(AnchoTablero / TwipsPorPixel, AltoTablero / TwipsPorPixel);
    QImage imagen((logico * proporcion).toSize(), QImage::Format_ARGB32_Premultiplied);
    if (imagen.isNull())
        return imagen;
    imagen.setDevicePixelRatio(proporcion);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    pintor.setRenderHints(tablero.renderHints());
    tablero.Escena().render(&pintor, QRectF(QPointF(), logico), QRectF(0, 0, AnchoTablero, AltoTablero));
    return imagen;
}

void CopiarTablero(Tablero& tablero)
{
    QGuiApplication::clipboard()->setImage(ImagenTablero(tablero, tablero.devicePixelRatioF()));
}
