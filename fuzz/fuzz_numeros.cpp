// libFuzzer target for the number rules: any byte string is read as typed text
// and checked against the C library's strtod; the first eight bytes, taken as a
// double, are formatted and read back.
//
// Properties checked on every input:
// - LeerNumero never crashes or loops (libFuzzer's -timeout catches a loop),
//   always gives a finite value, and 0 whenever the number does not fit;
// - a decimal text reads as strtod reads the same longest leading number once
//   blanks are removed; "&H" and "&O" read as strtod reads the hexadecimal
//   digits (octal regrouped into hexadecimal here, bit by bit);
// - every finite double formatted with Separador::Punto reads back as the
//   double nearest its %.15g text, i.e. the value to 15 significant digits,
//   and formatting that again gives the same text;
// - a fixed pattern reads back as the half-to-even rounded value, or within
//   half a unit of its last decimal where no rounding is left to do.

#include "model/Numeros.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

[[noreturn]] void Falla(const char* propiedad, const std::string& detalle)
{
    std::fprintf(stderr, "\nPropiedad violada: %s\n%s\n", propiedad, detalle.c_str());
    std::abort();
}

std::string Doble(double v)
{
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.17g (%a)", v, v);
    return texto;
}

std::string Utf8(const QString& texto)
{
    return texto.toUtf8().toStdString();
}

// The text as the reading sees it: blanks gone, anything outside ASCII turned
// into a character that can continue no number.
std::string SinBlancos(const QString& texto)
{
    std::string limpio;
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t' || u == u'\n' || u == u'\r')
            continue;
        limpio += u > 0x7F ? '\x01' : static_cast<char>(u);
    }
    return limpio;
}

bool Cifra(char c)
{
    return c >= '0' && c <= '9';
}

// Longest leading [+-]?digits[.digits][(e|E)[+-]?digits] with a digit in the
// mantissa; empty when there is none.
std::string PrefijoDecimal(const std::string& s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool hayCifras = false;
    for (; i < s.size() && Cifra(s[i]); ++i)
        hayCifras = true;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && Cifra(s[i]); ++i)
            hayCifras = true;
    if (!hayCifras)
        return {};
    std::size_t fin = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && Cifra(s[j])) {
            while (j < s.size() && Cifra(s[j]))
                ++j;
            fin = j;
        }
    }
    return s.substr(0, fin);
}

std::string HexDesdeOctal(const std::string& octal)
{
    std::string bits;
    for (char c : octal)
        for (int b = 2; b >= 0; --b)
            bits += static_cast<char>('0' + (((c - '0') >> b) & 1));
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4)
        hex += "0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)];
    return hex;
}

// "&H"/"&O" digits up to the first that is not of the base, as hexadecimal.
std::string CifrasBase(const std::string& s, std::size_t desde, bool hex)
{
    std::size_t fin = desde;
    while (fin < s.size()
        && (hex ? std::isxdigit(static_cast<unsigned char>(s[fin])) != 0 : (s[fin] >= '0' && s[fin] <= '7')))
        ++fin;
    const std::string cifras = s.substr(desde, fin - desde);
    return hex ? cifras : HexDesdeOctal(cifras);
}

struct Esperado {
    double valor = 0;
    bool cabe = true;
};

// The reference reading: strtod on the number the reading rules pick out.
Esperado Referencia(const QString& texto)
{
    const std::string s = SinBlancos(texto);
    std::string numero;
    if (!s.empty() && s[0] == '&') {
        if (s.size() < 2 || std::strchr("HhOo", s[1]) == nullptr || s[1] == '\0')
            return {};
        const std::string hex = CifrasBase(s, 2, s[1] == 'H' || s[1] == 'h');
        if (hex.empty())
            return {};
        numero = "0x" + hex;
    } else {
        numero = PrefijoDecimal(s);
        if (numero.empty())
            return {};
    }
    const double valor = std::strtod(numero.c_str(), nullptr);
    if (std::isinf(valor))
        return { 0, false };
    return { valor, true };
}

void ComprobarLectura(const QString& texto)
{
    const Lectura lectura = LeerNumero(texto);
    const Esperado esperado = Referencia(texto);
    const std::string detalle = "texto: \"" + Utf8(texto) + "\"\nleido: " + Doble(lectura.valor)
        + (lectura.cabe ? "" : " (no cabe)") + "\nesperado: " + Doble(esperado.valor)
        + (esperado.cabe ? "" : " (no cabe)");
    if (!std::isfinite(lectura.valor))
        Falla("la lectura es siempre finita", detalle);
    if (!lectura.cabe && lectura.valor != 0)
        Falla("lo que no cabe lee 0", detalle);
    if (lectura.cabe != esperado.cabe || lectura.valor != esperado.valor)
        Falla("la lectura coincide con strtod", detalle);
}

double Redondeado15(double v)
{
    char texto[40];
    std::snprintf(texto, sizeof texto, "%.15g", v);
    return std::strtod(texto, nullptr);
}

void ComprobarIdaYVuelta(double v)
{
    const QString texto = FormatoGeneral(v, Separador::Punto);
    const Lectura lectura = LeerNumero(texto);
    const std::string detalle
        = "valor: " + Doble(v) + "\ntexto: \"" + Utf8(texto) + "\"\nleido: " + Doble(lectura.valor);
    if (!lectura.cabe)
        Falla("todo texto del formato general se lee de vuelta", detalle);
    const double quince = Redondeado15(v);
    if (std::isfinite(quince)) {
        if (lectura.valor != quince)
            Falla("vuelve el valor a 15 cifras significativas", detalle);
    } else if (std::fabs(lectura.valor - v) > 5e-15 * std::fabs(v)) {
        // Next to the largest double %.15g rounds past it: the text is cut instead.
        Falla("vuelve el valor a 15 cifras junto al mayor doble", detalle);
    }
    if (FormatoGeneral(lectura.valor, Separador::Punto) != texto)
        Falla("formatear lo leido da el mismo texto", detalle);
    if (v == 0 && texto != QStringLiteral("0"))
        Falla("el cero no lleva signo", detalle);
}

void ComprobarFijo(double v, int decimales)
{
    const QString texto = FormatoFijo(v, decimales, Separador::Punto);
    const Lectura lectura = LeerNumero(texto);
    const double redondeado = RedondearPar(v, decimales);
    const std::string detalle = "valor: " + Doble(v) + " decimales " + std::to_string(decimales) + "\ntexto: \""
        + Utf8(texto) + "\"\nleido: " + Doble(lectura.valor) + "\nredondeado: " + Doble(redondeado);
    if (!lectura.cabe)
        Falla("el patron fijo se lee de vuelta", detalle);
    // Below 2^52 the scaled value still has a fraction to round away; from
    // there on RedondearPar keeps the value and the text only cuts it.
    const double escala = std::pow(10.0, decimales);
    if (std::fabs(v) * escala < 4503599627370496.0) {
        if (lectura.valor != redondeado)
            Falla("el patron fijo se lee como el valor redondeado", detalle);
    } else if (std::fabs(lectura.valor - v) > 0.5 / escala + std::fabs(v) * 0x1p-52) {
        Falla("el patron fijo queda a media unidad de su ultimo decimal", detalle);
    }
    const qsizetype punto = texto.indexOf(QLatin1Char('.'));
    if (decimales > 0 && (punto < 0 || texto.size() - punto - 1 != decimales))
        Falla("el patron fijo lleva sus decimales", detalle);
    if (texto.startsWith(QLatin1Char('-')) && redondeado == 0)
        Falla("un cero fijo no lleva signo", detalle);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    const auto* bytes = reinterpret_cast<const char*>(datos);
    const auto largo = static_cast<qsizetype>(tamano);
    ComprobarLectura(QString::fromUtf8(bytes, largo));
    ComprobarLectura(QString::fromLatin1(bytes, largo));
    if (tamano >= sizeof(double)) {
        double v = 0;
        std::memcpy(&v, datos, sizeof v);
        if (std::isfinite(v)) {
            ComprobarIdaYVuelta(v);
            ComprobarFijo(v, tamano > sizeof v ? datos[sizeof v] % 21 : 2);
        }
    }
    return 0;
}
