#pragma once

#include <QPointF>

// The head of a load arrow. A load line runs from its node to its free end;
// the load acts on the node from the free end toward the node, so the head
// points at the node. Its tip stops on the rim of the node dot, which stays
// in view. Board twips, y downward.

inline constexpr double RetiroPunta = 60; // the node dot's radius
inline constexpr double LargoPunta = 180; // 12 pixels at 15 twips a pixel
inline constexpr double AnchoPunta = 180;

struct PuntaFlecha {
    bool hay = false; // false for a line of no length: no direction to show
    QPointF direccion; // unit vector in which the load acts
    QPointF punta;
    QPointF base; // middle of the head's back edge
    QPointF ala1; // back corners: base + and - the left-hand normal
    QPointF ala2;
};

PuntaFlecha PuntaCarga(QPointF nodo, QPointF libre);
