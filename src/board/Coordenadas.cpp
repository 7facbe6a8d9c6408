#include "Coordenadas.h"

#include "model/Numeros.h"

#include <cmath>

void Coordenadas::FijarTamano(int16_t ancho, double alto)
{
    AnchoDibujo = ancho;
    AltoDibujo = alto;
    AltoDoble = true;
}

double Coordenadas::AMetros(float valor, Eje eje) const
{
    if (eje == Eje::X) {
        const double m = std::floor((valor - OrigenXTwips) * AnchoDibujo / AnchoAreaTwips * 1000) / 1000;
        return static_cast<float>(m);
    }
    if (AltoDoble)
        return std::floor((AltoDibujo - valor * AltoDibujo / AltoAreaTwips) * 1000) / 1000;
    // While the height is the whole-number start value every step is 32-bit.
    const float alto = static_cast<float>(AltoDibujo);
    float m = valor * alto;
    m = m / static_cast<float>(AltoAreaTwips);
    m = alto - m;
    m = m * 1000.0f;
    m = std::floor(m);
    return m / 1000.0f;
}

double Coordenadas::ATwips(double valor, Eje eje) const
{
    if (eje == Eje::X)
        return std::floor(valor * 4850000 / AnchoDibujo) / 1000 + OrigenXTwips;
    return std::floor((AltoDibujo - valor) * 2700000 / AltoDibujo) / 1000;
}

double SiguienteDecima(double metros, bool simple)
{
    if (simple) {
        const float m = static_cast<float>(metros);
        return (std::floor(m * 10.0f) + 1.0f) / 10.0f;
    }
    return (std::floor(metros * 10) + 1) / 10;
}

std::optional<double> AjusteRejilla(double metros, bool simple)
{
    double t = 0;
    double resto = 0;
    if (simple) {
        const float m = static_cast<float>(metros);
        const float tf = std::floor(10.0f * m);
        t = tf;
        resto = 100.0f * m - 10.0f * tf;
    } else {
        t = std::floor(10 * metros);
        resto = 100 * metros - 10 * t;
    }
    const double d = EnteroPar(resto);
    if (d > 5)
        return (t + 1) / 10;
    if (d < 5)
        return (10 * t + 5) / 100;
    return std::nullopt;
}
