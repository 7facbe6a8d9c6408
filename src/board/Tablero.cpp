#include "Tablero.h"

#include <QMouseEvent>
#include <QPainter>

Tablero::Tablero(QWidget* padre)
    : QGraphicsView(padre)
{
    escena.setSceneRect(0, 0, AnchoTablero, AltoTablero);
    escena.setBackgroundBrush(Qt::white);
    escena.setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(&escena);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHint(QPainter::Antialiasing);
    setRenderHint(QPainter::TextAntialiasing);
    setTransform(QTransform::fromScale(1 / TwipsPorPixel, 1 / TwipsPorPixel));
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setToolTip(QStringLiteral("Plano de la cercha"));
    // Tab and a click give it the focus, for the node letters.
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(qRound(AnchoTablero / TwipsPorPixel), qRound(AltoTablero / TwipsPorPixel));
}

void Tablero::Describir(const QString& texto)
{
    if (texto == accessibleDescription())
        return;
    setAccessibleDescription(texto);
    QAccessibleEvent aviso(this, QAccessible::DescriptionChanged);
    Avisar(&aviso);
}

QPointF Tablero::ATablero(QPointF posicion) const
{
    return viewportTransform().inverted().map(posicion);
}

EventoPuntero Tablero::Traducir(QMouseEvent* evento) const
{
    EventoPuntero p;
    const Qt::MouseButtons botones
        = evento->button() != Qt::NoButton ? Qt::MouseButtons(evento->button()) : evento->buttons();
    p.Button = (botones & Qt::LeftButton ? 1 : 0) | (botones & Qt::RightButton ? 2 : 0)
        | (botones & Qt::MiddleButton ? 4 : 0);
    const Qt::KeyboardModifiers teclas = evento->modifiers();
    p.Shift = (teclas & Qt::ShiftModifier ? 1 : 0) | (teclas & Qt::ControlModifier ? 2 : 0)
        | (teclas & Qt::AltModifier ? 4 : 0);
    const QPointF punto = ATablero(evento->position());
    p.X = static_cast<float>(punto.x());
    p.Y = static_cast<float>(punto.y());
    return p;
}

void Tablero::mousePressEvent(QMouseEvent* evento)
{
    evento->accept();
    const EventoPuntero p = Traducir(evento);
    if (Absorbe && Absorbe(p.X, p.Y))
        return;
    if (AlPresionar)
        AlPresionar(p);
}

void Tablero::mouseMoveEvent(QMouseEvent* evento)
{
    evento->accept();
    const EventoPuntero p = Traducir(evento);
    if (Absorbe && Absorbe(p.X, p.Y))
        return;
    if (AlMover)
        AlMover(p);
}

void Tablero::mouseReleaseEvent(QMouseEvent* evento)
{
    evento->accept();
}

void Tablero::mouseDoubleClickEvent(QMouseEvent* evento)
{
    // A second quick click is one more press, as the editor counts clicks.
    mousePressEvent(evento);
}

void Tablero::drawForeground(QPainter* pintor, const QRectF&)
{
    if (!hasFocus())
        return;
    pintor->save();
    pintor->resetTransform(); // in viewport pixels
    QPen pluma(palette().color(QPalette::Highlight), 2, Qt::DotLine);
    pintor->setPen(pluma);
    pintor->setBrush(Qt::NoBrush);
    pintor->drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
    pintor->restore();
}

void Tablero::focusInEvent(QFocusEvent* evento)
{
    QGraphicsView::focusInEvent(evento);
    viewport()->update();
}

void Tablero::focusOutEvent(QFocusEvent* evento)
{
    QGraphicsView::focusOutEvent(evento);
    viewport()->update();
}
