#pragma once

#include <QPointF>

class QGraphicsEllipseItem;
class QGraphicsLineItem;
class QGraphicsScene;

// The mark of a node that moves in a mechanism: a red dashed ring around the
// node and a dashed sketch of its motion, a line to where the node goes and a
// small ring there. One per node, created with the board and then only moved,
// shown and hidden; brought to the front when shown. Board twips, y downward.
class MarcaNodo {
public:
    explicit MarcaNodo(QGraphicsScene& escena);
    // Around the node dot centred at `centro`; (dx, dy) is the motion in the
    // drawing's axes (y up), the node that moves most moving 1.
    void Mostrar(QPointF centro, double dx, double dy);
    void Ocultar();
    bool EsVisible() const;
    QPointF Centro() const;
    QPointF Destino() const; // where the sketch takes the node

    QGraphicsEllipseItem* anillo;
    QGraphicsLineItem* trazo;
    QGraphicsEllipseItem* destino;
};

inline constexpr double DiametroMarca = 360; // 24 pixels: clear of the 8-pixel dot
inline constexpr double LargoMovimiento = 600; // the sketch of the node that moves most
