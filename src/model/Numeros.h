#pragma once

#include <QString>

// The number rules every text of the program goes through: reading a typed
// text, the general number format, the fixed patterns and the rounding.
// No widget code; used by the window, the solver display and the tests.

// Half to even at `decimales` decimals: 12.25 -> 12.2, 12.75 -> 12.8. The
// half is judged on valor * 10^decimales as the double holds it. A value whose
// scaling would overflow, or that has no digits that far down, comes back
// unchanged; so does a non-finite one.
double RedondearPar(double valor, int decimales);
// Half to even to a whole number: 6.5 -> 6, 7.5 -> 8.
double EnteroPar(double valor);

struct Lectura {
    double valor = 0; // 0 when the text holds no number
    bool cabe = true; // false when the number does not fit a double (1e400)
};

// Numeric reading of a text: blanks, tabs, line feeds and carriage returns are
// ignored anywhere; the longest leading decimal number (sign, digits, one ".",
// exponent "E"/"e" with optional sign; "1e" and "1e+" read 1) is read; "&H" and
// "&O" read non-negative hexadecimal and octal whole numbers up to the first
// character that is not a digit of the base; a comma ends the number; a text
// without a number reads 0. Independent of the C locale. A number too large
// for a double gives cabe = false and 0; one too small reads 0 (or the
// subnormal it rounds to).
Lectura LeerNumero(const QString& texto);

// Which decimal separator a text gets: "." for texts read back as numbers,
// the user's regional one for texts that are only displayed.
enum class Separador { Punto, Regional };

// Shortest text with up to 15 significant digits, no grouping, no trailing
// zeros: 5, 53.1, 0.07, -0.2. Where %.15g would use an exponent the text is
// like "1E+20" or "1.5E-07". A value that shows as zero never gets a sign.
// With Separador::Punto LeerNumero reads every text back; the few doubles next
// to the largest one, which round up past it at 15 digits, show as
// 1.79769313486231E+308 so that they do too. Non-finite values (never formatted
// by design) show as "Infinito", "-Infinito" or "Indefinido".
QString FormatoGeneral(double valor, Separador separador);

// Fixed patterns "0.0" (decimales = 1) and "0.00" (decimales = 2), rounded half
// to even (RedondearPar), always with that many decimals, a leading zero and
// no grouping; a value that rounds to zero has no sign, never "-0.00".
// decimales is kept within 0..20; non-finite values as in FormatoGeneral.
QString FormatoFijo(double valor, int decimales, Separador separador);
