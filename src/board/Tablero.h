#pragma once

#include <QAccessible>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <functional>

// The drawing board `Diagrama`: a scene in twips shown at one logical pixel
// per 15 twips. Pointer presses and moves reach the editor in board twips with
// the button and the Shift, Ctrl and Alt state as bits 1, 2 and 4.

inline constexpr double TwipsPorPixel = 15;
inline constexpr float AnchoTablero = 8760;
inline constexpr float AltoTablero = 6090;

struct EventoPuntero {
    int Button = 0;
    int Shift = 0;
    float X = 0;
    float Y = 0;
};

class Tablero : public QGraphicsView {
    Q_OBJECT
public:
    explicit Tablero(QWidget* padre);
    QGraphicsScene& Escena() { return escena; }

    // Where a press or move at a board point goes; a test may also call these.
    std::function<void(const EventoPuntero&)> AlPresionar;
    std::function<void(const EventoPuntero&)> AlMover;
    // Elements that take pointer events but hand nothing on to the board.
    std::function<bool(float x, float y)> Absorbe;

    // The board read aloud: a new text replaces the accessible description and
    // is announced through `Avisar`; the same text again does nothing.
    void Describir(const QString& texto);
    // Where the announcement goes: assistive technology; a test may listen.
    std::function<void(QAccessibleEvent*)> Avisar = QAccessible::updateAccessibility;

    // The board point under a position of the viewport, in twips.
    QPointF ATablero(QPointF posicion) const;

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    // A dotted frame inside the board while it has the focus.
    void drawForeground(QPainter* pintor, const QRectF& zona) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    EventoPuntero Traducir(QMouseEvent* evento) const;
    QGraphicsScene escena;
};
