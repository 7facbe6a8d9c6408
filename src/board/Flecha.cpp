#include "board/Flecha.h"

#include <cmath>

PuntaFlecha PuntaCarga(QPointF nodo, QPointF libre)
{
    const QPointF eje = nodo - libre;
    const double largo = std::hypot(eje.x(), eje.y());
    if (!(largo > 0))
        return {};
    PuntaFlecha f;
    f.hay = true;
    f.direccion = eje / largo;
    f.punta = nodo - f.direccion * RetiroPunta;
    f.base = f.punta - f.direccion * LargoPunta;
    const QPointF normal(-f.direccion.y(), f.direccion.x());
    f.ala1 = f.base + normal * (AnchoPunta / 2);
    f.ala2 = f.base - normal * (AnchoPunta / 2);
    return f;
}
