#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <optional>

// The mapping between the drawing's metres (X right, Y up, origin at the
// drawing area's bottom-left corner) and the board's twips (origin top-left,
// y down). 4850 twips span AnchoDibujo metres from x = 150; 2700 twips span
// AltoDibujo metres from y = 2700 up to y = 0.

enum class Eje { X, Y };

inline constexpr double OrigenXTwips = 150;
inline constexpr double AnchoAreaTwips = 4850;
inline constexpr double AltoAreaTwips = 2700;

class Coordenadas {
public:
    int16_t AnchoDibujo = 10;
    // Holds a whole number until the drawing-area tool sets it; from then on a
    // double, and the Y conversion runs in double precision.
    double AltoDibujo = 5;
    bool AltoDoble = false;

    void FijarTamano(int16_t ancho, double alto);

    // Board twips to metres, rounded down to 0.001 m. The result is a 32-bit
    // float held in a double, except Y once AltoDoble is set.
    double AMetros(float valor, Eje eje) const;
    // Whether AMetros on this axis gives a 32-bit float.
    bool AMetrosSimple(Eje eje) const { return eje == Eje::X || !AltoDoble; }
    // Metres to board twips, rounded down to 0.001 twip.
    double ATwips(double valor, Eje eje) const;
};

// Whether a board coordinate in twips can be held by a 32-bit float. Test it
// before narrowing: converting a larger double is undefined.
inline bool CabeEnSimple(double twips)
{
    return std::isfinite(twips) && std::fabs(twips) <= FLT_MAX;
}

// The status readout shows the next tenth above the pointer: 1.234 -> 1.3,
// 2 -> 2.1, -0.25 -> -0.2. Computed in the precision AMetros gave.
double SiguienteDecima(double metros, bool simple);

// The node tool's 0.05 m snap of a pointer position in metres; no value when
// the pointer sits on the middle of a 0.05 step and the text is to be kept.
std::optional<double> AjusteRejilla(double metros, bool simple);
