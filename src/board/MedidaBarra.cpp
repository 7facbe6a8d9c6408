#include "board/MedidaBarra.h"

#include <cmath>

namespace {

constexpr double PiCorto = 3.141592;

} // namespace

double LongitudMostrada(float x1, float x2, double y1, double y2, bool ySimple)
{
    const double dx = x1 - x2; // a 32-bit difference
    const double dy = ySimple ? static_cast<double>(static_cast<float>(y1) - static_cast<float>(y2)) : y1 - y2;
    const double d = std::pow(dx * dx + dy * dy, 0.5);
    return std::floor(d * 100) / 100;
}

double AnguloMostrado(float xInicio, float yInicio, float xFin, float yFin)
{
    if (xInicio == xFin) {
        // The arctangent has no answer here; a stale angle would be stored.
        if (yFin > yInicio)
            return 90;
        return yFin < yInicio ? 270 : 0;
    }
    double desfase = 0;
    if (xFin < xInicio)
        desfase = 180;
    if (yFin < yInicio && xFin > xInicio)
        desfase = 360;
    const float pendiente = (yInicio - yFin) / (xInicio - xFin); // 32-bit, as its operands
    const double a = std::atan(static_cast<double>(pendiente));
    return std::floor(a * 1800 / PiCorto) / 10 + desfase;
}
