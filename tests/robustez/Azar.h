#pragma once

#include "board/Principal.h"

#include <QString>
#include <cstdint>
#include <random>
#include <vector>

// The random source of the random-use test: numbers, board points and the
// texts a class of students may type. One seed gives one sequence.

class Azar {
public:
    explicit Azar(std::uint64_t semilla)
        : motor(semilla)
    {
    }

    int Entero(int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(motor); }
    double Real(double desde, double hasta) { return std::uniform_real_distribution<double>(desde, hasta)(motor); }
    bool Probable(double p) { return Real(0, 1) < p; }
    // One in `n`.
    bool UnoEn(int n) { return Entero(1, n) == 1; }

    // Index by weight.
    int Elegir(const std::vector<int>& pesos)
    {
        return std::discrete_distribution<int>(pesos.begin(), pesos.end())(motor);
    }

    // Shift, Ctrl and Alt as the board sees them (bits 1, 2, 4).
    int Teclas()
    {
        static const std::vector<int> pesos { 60, 15, 10, 10, 5 };
        static const int teclas[] = { 0, 1, 2, 3, 4 };
        return teclas[Elegir(pesos)];
    }

    QString Texto();

private:
    QString Cifras(int cuantas, const char* alfabeto);
    QString Basura();

    std::mt19937_64 motor;
};

inline QString Azar::Cifras(int cuantas, const char* alfabeto)
{
    const int base = static_cast<int>(std::char_traits<char>::length(alfabeto));
    QString texto;
    for (int i = 0; i < cuantas; ++i)
        texto += QLatin1Char(alfabeto[Entero(0, base - 1)]);
    return texto;
}

inline QString Azar::Basura()
{
    QString texto;
    const int largo = Entero(1, 12);
    for (int i = 0; i < largo; ++i)
        texto += QChar(static_cast<char16_t>(Entero(32, 126)));
    return texto;
}

inline QString Azar::Texto()
{
    static const char* const Extremos[] = { "1e400", "-1e400", "1e308", "9.9e307", "1e-400", "5e-324", "1e38", "-3e38",
        "1e39", "1E+", "1e", "-", ".", "+.5e-3" };
    static const char* const Raros[]
        = { "½", "∞", "NaN", "inf", "-0", "٣", "１２", "1,5e3", " 1 2 . 5 ", "\t3", "--1" };
    switch (Entero(0, 11)) {
    case 0: return QString::number(Entero(-50, 50));
    case 1: return QString::number(Real(-20, 20), 'f', Entero(0, 4));
    case 2: return QString::number(Real(0, 360), 'f', 1);
    case 3: return QStringLiteral("&H") + Cifras(Entero(0, 12), "0123456789abcdefABCDEF");
    case 4: return QStringLiteral("&O") + Cifras(Entero(0, 25), "01234567");
    case 5: return QString::number(Entero(-9, 9)) + QLatin1Char(',') + QString::number(Entero(0, 99));
    case 6: return QString::fromUtf8(Extremos[Entero(0, static_cast<int>(std::size(Extremos)) - 1)]);
    case 7: return QString();
    case 8: return Basura();
    case 9: return QString::fromUtf8(Raros[Entero(0, static_cast<int>(std::size(Raros)) - 1)]);
    case 10: return QString::number(Entero(1, 9)) + QStringLiteral("e") + QString::number(Entero(-40, 40));
    default: return QStringLiteral("1") + QString(Entero(20, 400), QLatin1Char(Probable(0.5) ? '0' : '9'));
    }
}
