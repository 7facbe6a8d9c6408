#include "model/Numeros.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

// Reading and writing go through std::from_chars / std::to_chars: they ignore
// the C locale, which the application sets from the user's environment.

namespace {

// From 2^52 on a double has no binary fraction left, so a scaled value that
// large is already whole and scaling back could only spoil it.
constexpr double EscaladoYaEntero = 4503599627370496.0;
constexpr int DecimalesMaximos = 20;

// 10^exponente for 0 <= exponente <= 400 (infinite from 10^309 on).
double PotenciaDiez(int exponente)
{
    double potencia = 1;
    for (int i = 0; i < exponente; ++i)
        potencia *= 10; // exact up to 10^22, the range the program uses
    return potencia;
}

// ---------------------------------------------------------------- reading

// Decimal exponents beyond these cannot give a finite non-zero double.
constexpr std::int64_t MagnitudMaxima = 309;
constexpr std::int64_t MagnitudMinima = -400;
// An exponent is read up to this size; larger ones are out of range anyway.
constexpr std::int64_t TopeExponente = 1'000'000'000'000'000;
// 2^1024 has 1025 bits: a whole number with more bits cannot fit a double.
constexpr std::int64_t BitsMaximos = 1024;

constexpr Lectura NoCabe { 0, false };

bool EsBlanco(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Walks the text one character at a time, stepping over the blanks that the
// reading ignores wherever they stand.
class Lector {
public:
    explicit Lector(const QString& texto)
        : actual_(texto.constData())
        , fin_(texto.constData() + texto.size())
    {
        Saltar();
    }
    // The current character, or '\0' at the end and for anything not ASCII,
    // which can never continue a number.
    char Ver() const
    {
        if (actual_ == fin_ || actual_->unicode() > 0x7F)
            return '\0';
        return static_cast<char>(actual_->unicode());
    }
    void Avanzar()
    {
        if (actual_ != fin_)
            ++actual_;
        Saltar();
    }

private:
    void Saltar()
    {
        while (actual_ != fin_ && EsBlanco(*actual_))
            ++actual_;
    }
    const QChar* actual_;
    const QChar* fin_;
};

bool EsCifra(char c)
{
    return c >= '0' && c <= '9';
}

// Appends the run of decimal digits at the cursor; returns how many there were.
std::size_t LeerCifras(Lector& lector, std::string& cifras)
{
    std::size_t cuantas = 0;
    for (; EsCifra(lector.Ver()); lector.Avanzar(), ++cuantas)
        cifras += lector.Ver();
    return cuantas;
}

// "E" with an optional sign and digits; without digits the exponent is 0.
std::int64_t LeerExponente(Lector& lector)
{
    if (lector.Ver() != 'E' && lector.Ver() != 'e')
        return 0;
    lector.Avanzar();
    const bool negativo = lector.Ver() == '-';
    if (lector.Ver() == '+' || lector.Ver() == '-')
        lector.Avanzar();
    std::int64_t exponente = 0;
    for (; EsCifra(lector.Ver()); lector.Avanzar())
        exponente = std::min(exponente * 10 + (lector.Ver() - '0'), TopeExponente);
    return negativo ? -exponente : exponente;
}

// The digits as one significant digit, a point, the rest and the decimal
// exponent of the first: the text from_chars gets is short whatever was typed.
Lectura ComponerDecimal(const std::string& cifras, std::size_t enteras, std::int64_t exponente)
{
    const std::size_t primera = cifras.find_first_not_of('0');
    if (primera == std::string::npos)
        return {};
    const std::size_t ultima = cifras.find_last_not_of('0');
    const std::int64_t magnitud
        = static_cast<std::int64_t>(enteras) - 1 - static_cast<std::int64_t>(primera) + exponente;
    if (magnitud > MagnitudMaxima)
        return NoCabe;
    if (magnitud < MagnitudMinima)
        return {}; // far below the smallest double: reads as 0
    std::string texto(1, cifras[primera]);
    if (ultima > primera)
        texto.append(".").append(cifras, primera + 1, ultima - primera);
    texto.append("e").append(std::to_string(magnitud));
    double valor = 0;
    const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (error == std::errc::result_out_of_range)
        return magnitud > 0 ? NoCabe : Lectura {};
    if (error != std::errc {} || !std::isfinite(valor))
        return NoCabe;
    return { valor, true };
}

Lectura LeerDecimal(Lector& lector)
{
    const bool negativo = lector.Ver() == '-';
    if (lector.Ver() == '+' || lector.Ver() == '-')
        lector.Avanzar();
    std::string cifras;
    const std::size_t enteras = LeerCifras(lector, cifras);
    if (lector.Ver() == '.') {
        lector.Avanzar();
        LeerCifras(lector, cifras);
    }
    if (cifras.empty())
        return {};
    Lectura lectura = ComponerDecimal(cifras, enteras, LeerExponente(lector));
    if (negativo && lectura.valor != 0)
        lectura.valor = -lectura.valor;
    return lectura;
}

constexpr std::string_view CifrasHex = "0123456789abcdef";

int ValorCifra(char c, int base)
{
    int valor = base;
    if (EsCifra(c))
        valor = c - '0';
    else if (c >= 'a' && c <= 'f')
        valor = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        valor = c - 'A' + 10;
    return valor < base ? valor : -1;
}

// Octal digit values (no leading zeros) regrouped four bits at a time.
std::string OctalAHex(const std::string& octal)
{
    std::string hex;
    unsigned acumulado = 0;
    int bits = 0;
    for (auto cifra = octal.rbegin(); cifra != octal.rend(); ++cifra) {
        acumulado |= static_cast<unsigned>(*cifra - '0') << bits;
        for (bits += 3; bits >= 4; bits -= 4, acumulado >>= 4)
            hex += CifrasHex[acumulado & 0xF];
    }
    if (acumulado != 0)
        hex += CifrasHex[acumulado];
    std::reverse(hex.begin(), hex.end());
    return hex.substr(std::min(hex.find_first_not_of('0'), hex.size()));
}

// "&H" and "&O": a non-negative whole number, up to the first character that
// is not a digit of the base; no digits read as 0.
Lectura LeerEnteroBase(Lector& lector, int base)
{
    std::string cifras;
    for (int valor = ValorCifra(lector.Ver(), base); valor >= 0; valor = ValorCifra(lector.Ver(), base)) {
        if (valor != 0 || !cifras.empty())
            cifras += CifrasHex[static_cast<std::size_t>(valor)];
        lector.Avanzar();
    }
    const std::string hex = base == 8 ? OctalAHex(cifras) : cifras;
    if (hex.empty())
        return {};
    const auto primera = static_cast<unsigned>(ValorCifra(hex.front(), 16));
    const auto bits = static_cast<std::int64_t>(hex.size() - 1) * 4 + std::bit_width(primera);
    if (bits > BitsMaximos)
        return NoCabe;
    double valor = 0;
    const auto [fin, error] = std::from_chars(hex.data(), hex.data() + hex.size(), valor, std::chars_format::hex);
    if (error != std::errc {} || !std::isfinite(valor))
        return NoCabe; // rounded up to 2^1024
    return { valor, true };
}

// ---------------------------------------------------------------- writing

constexpr std::string_view TextoInfinito = "Infinito";
constexpr std::string_view TextoIndefinido = "Indefinido";
// The largest doubles round up to this at 15 digits, and no double holds it.
constexpr std::string_view TopeRedondeado = "1.79769313486232e+308";
constexpr std::string_view TopeLegible = "1.79769313486231e+308";

QString ConSeparador(std::string_view texto, Separador separador)
{
    QString resultado = QString::fromLatin1(texto.data(), static_cast<qsizetype>(texto.size()));
    if (separador == Separador::Regional)
        resultado.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return resultado;
}

QString NoFinito(double valor)
{
    if (std::isnan(valor))
        return QString::fromLatin1(TextoIndefinido.data(), static_cast<qsizetype>(TextoIndefinido.size()));
    return (valor < 0 ? QStringLiteral("-") : QString())
        + QString::fromLatin1(TextoInfinito.data(), static_cast<qsizetype>(TextoInfinito.size()));
}

} // namespace

double RedondearPar(double valor, int decimales)
{
    if (!std::isfinite(valor))
        return valor;
    decimales = std::clamp(decimales, -400, 400);
    if (decimales < 0) {
        const double escala = PotenciaDiez(-decimales);
        const double redondeado = std::nearbyint(valor / escala) * escala;
        return std::isfinite(redondeado) ? redondeado : valor;
    }
    const double escala = PotenciaDiez(decimales);
    const double escalado = valor * escala;
    if (!std::isfinite(escalado) || std::fabs(escalado) >= EscaladoYaEntero)
        return valor;
    return std::nearbyint(escalado) / escala;
}

double EnteroPar(double valor)
{
    return std::nearbyint(valor);
}

Lectura LeerNumero(const QString& texto)
{
    Lector lector(texto);
    if (lector.Ver() != '&')
        return LeerDecimal(lector);
    lector.Avanzar();
    const char prefijo = lector.Ver();
    const bool hex = prefijo == 'H' || prefijo == 'h';
    if (!hex && prefijo != 'O' && prefijo != 'o')
        return {};
    lector.Avanzar();
    return LeerEnteroBase(lector, hex ? 16 : 8);
}

QString FormatoGeneral(double valor, Separador separador)
{
    if (!std::isfinite(valor))
        return NoFinito(valor);
    if (valor == 0)
        return QStringLiteral("0"); // also -0: zero has no sign
    std::array<char, 32> cifras {};
    char* const inicio = cifras.data();
    char* const fin = std::to_chars(inicio, inicio + cifras.size(), valor, std::chars_format::general, 15).ptr;
    std::string texto(inicio, fin);
    const std::size_t signo = valor < 0 ? 1 : 0;
    if (std::string_view(texto).substr(signo) == TopeRedondeado)
        texto.replace(signo, std::string::npos, TopeLegible);
    std::replace(texto.begin(), texto.end(), 'e', 'E');
    return ConSeparador(texto, separador);
}

QString FormatoFijo(double valor, int decimales, Separador separador)
{
    if (!std::isfinite(valor))
        return NoFinito(valor);
    decimales = std::clamp(decimales, 0, DecimalesMaximos);
    double redondeado = RedondearPar(valor, decimales);
    if (redondeado == 0)
        redondeado = 0; // -0.00 shows as 0.00
    // 309 whole digits, sign, point and the decimals.
    std::array<char, 340> cifras {};
    char* const inicio = cifras.data();
    char* const fin
        = std::to_chars(inicio, inicio + cifras.size(), redondeado, std::chars_format::fixed, decimales).ptr;
    return ConSeparador(std::string_view(inicio, static_cast<std::size_t>(fin - inicio)), separador);
}
