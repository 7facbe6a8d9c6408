#pragma once

#include <QColor>
#include <QFont>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsSimpleTextItem>
#include <QPen>
#include <QString>

class QGraphicsScene;

// The board's elements as the editor sees them: positions in twips held as
// 32-bit floats, shown through graphics items in the board scene. Created once
// at set-up, then only moved, captioned, shown and hidden.

// Stacking order of the board: "to front" and "to back" as z-values.
class Apilamiento {
public:
    void AlFrente(QGraphicsItem* item) { item->setZValue(++superior); }
    void AlFondo(QGraphicsItem* item) { item->setZValue(--inferior); }

private:
    double superior = 0;
    double inferior = 0;
};

// A line, or an arrow whose head sits at its start point (X1, Y1).
class Linea {
public:
    enum class Punta { Ninguna, Inicio };
    Linea(QGraphicsScene& escena, QColor color, int ancho, Punta punta = Punta::Ninguna);
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    void FijarInicio(float x, float y);
    void FijarFin(float x, float y);
    void Visible(bool visible) { item->setVisible(visible); }
    bool EsVisible() const { return item->isVisible(); }
    void Color(QColor color);
    QColor ColorActual() const { return item->pen().color(); }
    QGraphicsLineItem* item;

private:
    void Actualizar();
};

// A label that sizes itself to its caption; Left and Top are its top-left corner.
class Etiqueta {
public:
    Etiqueta(QGraphicsScene& escena, QColor color, const QFont& fuente, bool centrada);
    void Caption(const QString& texto);
    QString TextoActual() const { return item->text(); }
    void Mover(float left, float top);
    float Left() const { return left; }
    float Top() const { return top; }
    float Width() const;
    float Height() const;
    void Visible(bool visible) { item->setVisible(visible); }
    bool EsVisible() const { return item->isVisible(); }
    bool Contiene(float x, float y) const;
    QGraphicsSimpleTextItem* item;

private:
    float left = 0, top = 0;
};

// The node dot: a filled circle of 120 x 120 twips.
class Punto {
public:
    Punto(QGraphicsScene& escena, QColor color, float diametro);
    void Mover(float left, float top);
    float Left() const { return left; }
    float Top() const { return top; }
    void Visible(bool visible) { item->setVisible(visible); }
    bool EsVisible() const { return item->isVisible(); }
    QGraphicsEllipseItem* item;

private:
    float left = 0, top = 0;
};

// A picture on the board with its size in twips.
class Imagen {
public:
    Imagen(QGraphicsScene& escena, const QPixmap& dibujo, float ancho, float alto);
    void Mover(float left, float top);
    float Left() const { return left; }
    float Top() const { return top; }
    float Width() const { return ancho; }
    float Height() const { return alto; }
    void Visible(bool visible) { item->setVisible(visible); }
    bool EsVisible() const { return item->isVisible(); }
    bool Contiene(float x, float y) const;
    QGraphicsPixmapItem* item;

private:
    float left = 0, top = 0, ancho, alto;
};
