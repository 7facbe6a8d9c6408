#include "model/Numeros.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

namespace {

constexpr double Mayor = std::numeric_limits<double>::max();
constexpr double MenorSubnormal = std::numeric_limits<double>::denorm_min();

// Doubles are compared exactly: a fuzzy compare would hide a wrong last digit.
QByteArray Diferencia(double obtenido, double esperado)
{
    return QStringLiteral("got %1, expected %2").arg(obtenido, 0, 'g', 17).arg(esperado, 0, 'g', 17).toLatin1();
}

QString Repetir(char c, int veces)
{
    return QString(veces, QLatin1Char(c));
}

// The reference for 15 significant digits: the C library's %.15g, read back
// by strtod (the tests run with the "C" numeric locale).
double Redondeado15(double x)
{
    char texto[40];
    std::snprintf(texto, sizeof texto, "%.15g", x);
    return std::strtod(texto, nullptr);
}

} // namespace

class TstNumeros : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void redondearPar_data();
    void redondearPar();
    void enteroPar_data();
    void enteroPar();
    void leerNumero_data();
    void leerNumero();
    void leerTextosCualesquiera();
    void formatoGeneral_data();
    void formatoGeneral();
    void formatoFijo_data();
    void formatoFijo();
    void separador_data();
    void separador();
    void noFinitos();
    void independienteDelLocaleC();
    void idaYVuelta();
};

void TstNumeros::initTestCase()
{
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TstNumeros::cleanup()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TstNumeros::redondearPar_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("decimales");
    QTest::addColumn<double>("esperado");

    // 122.5 -> 122 and 127.5 -> 128: the even neighbour.
    QTest::newRow("half down to even at one decimal") << 12.25 << 1 << 12.2;
    QTest::newRow("half up to even at one decimal") << 12.75 << 1 << 12.8;
    QTest::newRow("negative half to even") << -12.25 << 1 << -12.2;
    QTest::newRow("below half at two decimals") << 1.234 << 2 << 1.23; // 123.4
    QTest::newRow("three decimals of a cosine") << 0.70710678 << 3 << 0.707; // 707.10678
    QTest::newRow("negative above half at three decimals") << -0.7076 << 3 << -0.708; // -707.6
    QTest::newRow("pivot 0.00004 rounds to zero") << 0.00004 << 4 << 0.0; // 0.4
    QTest::newRow("pivot 0.00006 does not") << 0.00006 << 4 << 0.0001; // 0.6
    QTest::newRow("whole half down to even") << 2.5 << 0 << 2.0;
    QTest::newRow("whole half up to even") << 3.5 << 0 << 4.0;
    QTest::newRow("whole value unchanged") << 500.0 << 2 << 500.0;
    QTest::newRow("tens half to even") << 125.0 << -1 << 120.0; // 12.5 -> 12
    // 1e307 * 100 overflows: the value must come back, not infinity or NaN.
    QTest::newRow("scaling overflows") << 1e307 << 2 << 1e307;
    QTest::newRow("largest double") << Mayor << 1 << Mayor;
    // 3333333333333333.5 has one decimal, so two leave it alone; but 100 times
    // it needs 64-steps as a double, and dividing back would give ...334.
    QTest::newRow("no digits that far down") << 3333333333333333.5 << 2 << 3333333333333333.5;
}

void TstNumeros::redondearPar()
{
    QFETCH(double, valor);
    QFETCH(int, decimales);
    QFETCH(double, esperado);
    const double obtenido = RedondearPar(valor, decimales);
    QVERIFY2(obtenido == esperado, Diferencia(obtenido, esperado));
}

void TstNumeros::enteroPar_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<double>("esperado");

    QTest::newRow("6.5 to 6") << 6.5 << 6.0;
    QTest::newRow("7.5 to 8") << 7.5 << 8.0;
    QTest::newRow("0.5 to 0") << 0.5 << 0.0;
    QTest::newRow("-6.5 to -6") << -6.5 << -6.0;
    QTest::newRow("-7.5 to -8") << -7.5 << -8.0;
    QTest::newRow("below half") << 2.4 << 2.0;
    QTest::newRow("above half") << 2.6 << 3.0;
    QTest::newRow("negative above half") << -2.6 << -3.0;
    QTest::newRow("huge whole value") << 1e20 << 1e20;
}

void TstNumeros::enteroPar()
{
    QFETCH(double, valor);
    QFETCH(double, esperado);
    const double obtenido = EnteroPar(valor);
    QVERIFY2(obtenido == esperado, Diferencia(obtenido, esperado));
}

void TstNumeros::leerNumero_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");
    QTest::addColumn<bool>("cabe");

    QTest::newRow("empty") << QString() << 0.0 << true;
    QTest::newRow("only blanks") << QStringLiteral(" \t\r\n ") << 0.0 << true;
    QTest::newRow("whole") << QStringLiteral("5") << 5.0 << true;
    QTest::newRow("decimal point") << QStringLiteral("2.5") << 2.5 << true;
    QTest::newRow("leading point") << QStringLiteral(".5") << 0.5 << true;
    QTest::newRow("negative leading point") << QStringLiteral("-.5") << -0.5 << true;
    QTest::newRow("plus sign") << QStringLiteral("+3") << 3.0 << true;
    QTest::newRow("blanks inside") << QStringLiteral(" - 1 2 . 5") << -12.5 << true;
    QTest::newRow("tabs and line feeds inside") << QStringLiteral("1\t2\n.\r5") << 12.5 << true;
    QTest::newRow("letters end the number") << QStringLiteral("12abc") << 12.0 << true;
    QTest::newRow("comma ends the number") << QStringLiteral("2,5") << 2.0 << true;
    QTest::newRow("second point ends the number") << QStringLiteral("1.2.3") << 1.2 << true;
    QTest::newRow("garbage") << QStringLiteral("abc") << 0.0 << true;
    QTest::newRow("sign alone") << QStringLiteral("-") << 0.0 << true;
    QTest::newRow("point alone") << QStringLiteral(".") << 0.0 << true;
    QTest::newRow("two signs") << QStringLiteral("--5") << 0.0 << true;
    QTest::newRow("negative zero") << QStringLiteral("-0") << 0.0 << true;

    QTest::newRow("exponent") << QStringLiteral("1.5E3") << 1500.0 << true;
    QTest::newRow("lower-case negative exponent") << QStringLiteral("25e-1") << 2.5 << true;
    QTest::newRow("exponent with plus") << QStringLiteral("1E+02") << 100.0 << true;
    QTest::newRow("exponent with blanks") << QStringLiteral("1 E - 2") << 0.01 << true;
    QTest::newRow("exponent form of the format") << QStringLiteral("1E-05") << 1e-5 << true;
    QTest::newRow("point before exponent") << QStringLiteral("3.e2") << 300.0 << true;
    QTest::newRow("bare exponent") << QStringLiteral("1e") << 1.0 << true;
    QTest::newRow("exponent sign only") << QStringLiteral("1e+") << 1.0 << true;
    QTest::newRow("exponent word") << QStringLiteral("12easy") << 12.0 << true;
    QTest::newRow("exponent without mantissa") << QStringLiteral("e5") << 0.0 << true;
    QTest::newRow("D is no exponent") << QStringLiteral("1D5") << 1.0 << true;

    QTest::newRow("hex") << QStringLiteral("&H1F") << 31.0 << true;
    QTest::newRow("hex lower case") << QStringLiteral("&hff") << 255.0 << true;
    QTest::newRow("hex with blanks") << QStringLiteral("& H 1 0") << 16.0 << true;
    QTest::newRow("hex stays non-negative") << QStringLiteral("&HFFFF") << 65535.0 << true;
    QTest::newRow("hex stops at invalid digit") << QStringLiteral("&H1G2") << 1.0 << true;
    QTest::newRow("hex without digits") << QStringLiteral("&HG") << 0.0 << true;
    QTest::newRow("hex prefix alone") << QStringLiteral("&H") << 0.0 << true;
    // 2^53 + 1 lies half-way between 2^53 and 2^53 + 2: even goes to 2^53.
    QTest::newRow("hex beyond 53 bits rounds") << QStringLiteral("&H20000000000001") << 9007199254740992.0 << true;
    QTest::newRow("octal") << QStringLiteral("&O17") << 15.0 << true;
    QTest::newRow("octal lower case") << QStringLiteral("&o777") << 511.0 << true;
    QTest::newRow("octal stops at 8") << QStringLiteral("&O18") << 1.0 << true;
    QTest::newRow("octal without digits") << QStringLiteral("&O8") << 0.0 << true;
    QTest::newRow("ampersand alone") << QStringLiteral("&") << 0.0 << true;
    QTest::newRow("unknown prefix") << QStringLiteral("&X1") << 0.0 << true;
    QTest::newRow("sign before prefix") << QStringLiteral("-&H10") << 0.0 << true;

    // Largest double: (2^53 - 1) * 2^971, 971 = 4 * 242 + 3.
    QTest::newRow("hex largest double") << QStringLiteral("&H") + Repetir('F', 13) + QLatin1Char('8')
            + Repetir('0', 242) << Mayor << true;
    QTest::newRow("hex rounds past largest") << QStringLiteral("&H") + Repetir('F', 256) << 0.0 << false;
    QTest::newRow("hex 2^1024") << QStringLiteral("&H1") + Repetir('0', 256) << 0.0 << false;
    QTest::newRow("octal 2^1023") << QStringLiteral("&O1") + Repetir('0', 341) << std::ldexp(1.0, 1023) << true;
    QTest::newRow("octal 2^1024") << QStringLiteral("&O2") + Repetir('0', 341) << 0.0 << false;

    QTest::newRow("overflow") << QStringLiteral("1e400") << 0.0 << false;
    QTest::newRow("negative overflow") << QStringLiteral("-1e400") << 0.0 << false;
    // 15 digits of the largest double rounded up: above it by more than half a step.
    QTest::newRow("just past the largest") << QStringLiteral("1.79769313486232E+308") << 0.0 << false;
    QTest::newRow("15 digits below the largest")
        << QStringLiteral("1.79769313486231E+308") << 1.79769313486231e308 << true;
    QTest::newRow("underflow") << QStringLiteral("1e-400") << 0.0 << true;
    QTest::newRow("negative underflow") << QStringLiteral("-1e-400") << 0.0 << true;
    QTest::newRow("smallest subnormal") << QStringLiteral("5e-324") << MenorSubnormal << true;
    QTest::newRow("below half the smallest subnormal") << QStringLiteral("2.4e-324") << 0.0 << true;

    QTest::newRow("100000 digits") << Repetir('1', 100000) + QStringLiteral("e-99999") << 10.0 / 9.0 << true;
    QTest::newRow("100000 zeros after a one") << QLatin1Char('1') + Repetir('0', 100000) << 0.0 << false;
    QTest::newRow("100000 zeros after the point")
        << QStringLiteral("0.") + Repetir('0', 100000) + QStringLiteral("1e100001") << 1.0 << true;
    QTest::newRow("exponent of 100000 digits") << QStringLiteral("1e") + Repetir('9', 100000) << 0.0 << false;
    QTest::newRow("negative exponent of 100000 digits") << QStringLiteral("1e-") + Repetir('9', 100000) << 0.0 << true;
    QTest::newRow("zero with a huge exponent") << QStringLiteral("0e99999") << 0.0 << true;

    QTest::newRow("NUL ends the number") << QString::fromUtf16(u"1\0"
                                                               "2",
        3) << 1.0 << true;
    QTest::newRow("no-break space ends the number") << QString::fromUtf16(u"1\u00A02") << 1.0 << true;
    QTest::newRow("arabic-indic digit") << QString::fromUtf16(u"\u0663") << 0.0 << true;
    QTest::newRow("full-width digit") << QString::fromUtf16(u"\uFF11") << 0.0 << true;
    QTest::newRow("emoji") << QString::fromUtf16(u"\U0001F6005") << 0.0 << true;
    QTest::newRow("currency after the number") << QString::fromUtf16(u"5\u20AC") << 5.0 << true;
}

void TstNumeros::leerNumero()
{
    QFETCH(QString, texto);
    QFETCH(double, valor);
    QFETCH(bool, cabe);
    const Lectura lectura = LeerNumero(texto);
    QCOMPARE(lectura.cabe, cabe);
    QVERIFY2(lectura.valor == valor, Diferencia(lectura.valor, valor));
}

// Any text reads to a finite value, and blanks slipped in anywhere change
// nothing.
void TstNumeros::leerTextosCualesquiera()
{
    const QString alfabeto = QStringLiteral("0123456789..++--eEEe&&HhOo,xF");
    const QString blancos = QStringLiteral(" \t\n\r");
    std::mt19937 azar(7);
    for (int i = 0; i < 3000; ++i) {
        QString texto;
        QString conBlancos;
        const int largo = static_cast<int>(azar() % 40);
        for (int k = 0; k < largo; ++k) {
            const QChar c = azar() % 8 == 0 ? QChar(static_cast<char16_t>(azar() % 0x10000))
                                            : alfabeto.at(static_cast<qsizetype>(azar() % alfabeto.size()));
            if (blancos.contains(c))
                continue;
            texto += c;
            if (azar() % 3 == 0)
                conBlancos += blancos.at(static_cast<qsizetype>(azar() % blancos.size()));
            conBlancos += c;
        }
        const Lectura lectura = LeerNumero(texto);
        const Lectura otra = LeerNumero(conBlancos);
        QVERIFY2(std::isfinite(lectura.valor), qPrintable(texto));
        QVERIFY2(lectura.cabe || lectura.valor == 0, qPrintable(texto));
        QVERIFY2(otra.cabe == lectura.cabe && otra.valor == lectura.valor, qPrintable(conBlancos));
    }
}

void TstNumeros::formatoGeneral_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("whole") << 5.0 << QStringLiteral("5");
    QTest::newRow("hundred") << 100.0 << QStringLiteral("100");
    QTest::newRow("one decimal") << 53.1 << QStringLiteral("53.1");
    QTest::newRow("leading zero") << 0.07 << QStringLiteral("0.07");
    QTest::newRow("negative") << -0.2 << QStringLiteral("-0.2");
    QTest::newRow("negative whole") << -3.0 << QStringLiteral("-3");
    QTest::newRow("two decimals") << 1.41 << QStringLiteral("1.41");
    QTest::newRow("bar length") << 126.8 << QStringLiteral("126.8");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    QTest::newRow("negative zero has no sign") << -0.0 << QStringLiteral("0");
    // 0.30000000000000004 at 15 digits is 0.300000000000000.
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << QStringLiteral("0.3");
    QTest::newRow("0.1 + 0.7") << 0.1 + 0.7 << QStringLiteral("0.8");
    QTest::newRow("a third") << 1.0 / 3.0 << QStringLiteral("0.333333333333333");
    QTest::newRow("two thirds round up") << 2.0 / 3.0 << QStringLiteral("0.666666666666667");
    QTest::newRow("16th digit rounds") << 1.2345678901234567 << QStringLiteral("1.23456789012346");
    QTest::newRow("small without exponent") << 0.0001 << QStringLiteral("0.0001");
    QTest::newRow("small with three digits") << 0.000123 << QStringLiteral("0.000123");
    QTest::newRow("fifteen whole digits") << 1e14 << QStringLiteral("100000000000000");
    QTest::newRow("sixteen whole digits") << 1e15 << QStringLiteral("1E+15");
    // 999999999999999.875 rounds to 1000000000000000: sixteen digits again.
    QTest::newRow("rounding carries into exponent form") << 999999999999999.9 << QStringLiteral("1E+15");
    QTest::newRow("large") << 1e20 << QStringLiteral("1E+20");
    QTest::newRow("large with digits") << 123456789012345678.0 << QStringLiteral("1.23456789012346E+17");
    QTest::newRow("three-digit exponent") << 1.5e300 << QStringLiteral("1.5E+300");
    QTest::newRow("small") << 1e-5 << QStringLiteral("1E-05");
    QTest::newRow("small with digits") << 0.00001234 << QStringLiteral("1.234E-05");
    QTest::newRow("negative small") << -1.5e-7 << QStringLiteral("-1.5E-07");
    // 4.9406564584124654e-324 at 15 digits.
    QTest::newRow("smallest subnormal") << MenorSubnormal << QStringLiteral("4.94065645841247E-324");
    // At 15 digits the largest double would be 1.79769313486232E+308, which
    // reads as an overflow; the text stays one step below.
    QTest::newRow("largest double reads back") << Mayor << QStringLiteral("1.79769313486231E+308");
    QTest::newRow("most negative double reads back") << -Mayor << QStringLiteral("-1.79769313486231E+308");
}

void TstNumeros::formatoGeneral()
{
    QFETCH(double, valor);
    QFETCH(QString, esperado);
    QCOMPARE(FormatoGeneral(valor, Separador::Punto), esperado);
}

void TstNumeros::formatoFijo_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("decimales");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("readout 1.3") << 1.3 << 2 << QStringLiteral("1.30");
    QTest::newRow("readout 2.1") << 2.1 << 2 << QStringLiteral("2.10");
    QTest::newRow("readout -0.2") << -0.2 << 2 << QStringLiteral("-0.20");
    QTest::newRow("reaction 500") << 500.0 << 2 << QStringLiteral("500.00");
    QTest::newRow("zero force") << 0.0 << 1 << QStringLiteral("0.0");
    QTest::newRow("negative zero") << -0.0 << 2 << QStringLiteral("0.00");
    QTest::newRow("small negative shows unsigned zero") << -0.04 << 1 << QStringLiteral("0.0");
    // -0.05 * 10 is -0.5, whose even neighbour is -0.
    QTest::newRow("negative half shows unsigned zero") << -0.05 << 1 << QStringLiteral("0.0");
    QTest::newRow("half down to even") << 12.25 << 1 << QStringLiteral("12.2");
    QTest::newRow("half up to even") << 12.75 << 1 << QStringLiteral("12.8");
    QTest::newRow("exact binary half down") << 0.125 << 2 << QStringLiteral("0.12");
    QTest::newRow("exact binary half up") << 0.375 << 2 << QStringLiteral("0.38");
    QTest::newRow("negative exact binary half") << -0.125 << 2 << QStringLiteral("-0.12");
    // 1.005 is 1.00499999999999989... and 100 times it stays below 100.5.
    QTest::newRow("stored just below half") << 1.005 << 2 << QStringLiteral("1.00");
    QTest::newRow("tension") << -12.5 << 1 << QStringLiteral("-12.5");
    QTest::newRow("rounding carries") << 9.96 << 1 << QStringLiteral("10.0");
    QTest::newRow("leading zero") << 0.07 << 2 << QStringLiteral("0.07");
    QTest::newRow("negative below half") << -1.234 << 2 << QStringLiteral("-1.23");
    QTest::newRow("no grouping") << 1234567.891 << 2 << QStringLiteral("1234567.89");
    QTest::newRow("large value all digits") << 1e20 << 2 << QStringLiteral("100000000000000000000.00");
}

void TstNumeros::formatoFijo()
{
    QFETCH(double, valor);
    QFETCH(int, decimales);
    QFETCH(QString, esperado);
    QCOMPARE(FormatoFijo(valor, decimales, Separador::Punto), esperado);
}

void TstNumeros::separador_data()
{
    QTest::addColumn<QLocale>("regional");
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("decimales"); // 0: the general format
    QTest::addColumn<QString>("punto");
    QTest::addColumn<QString>("conRegional");

    const QLocale coma(QLocale::Spanish, QLocale::Spain);
    const QLocale aleman(QLocale::German, QLocale::Germany);
    const QLocale ingles(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("comma locale general") << coma << 53.1 << 0 << QStringLiteral("53.1") << QStringLiteral("53,1");
    QTest::newRow("comma locale negative") << coma << -0.2 << 0 << QStringLiteral("-0.2") << QStringLiteral("-0,2");
    QTest::newRow("comma locale whole") << coma << 5.0 << 0 << QStringLiteral("5") << QStringLiteral("5");
    QTest::newRow("comma locale no grouping")
        << coma << 12345.5 << 0 << QStringLiteral("12345.5") << QStringLiteral("12345,5");
    QTest::newRow("comma locale exponent")
        << coma << 1.5e20 << 0 << QStringLiteral("1.5E+20") << QStringLiteral("1,5E+20");
    QTest::newRow("comma locale fixed") << coma << 1.3 << 2 << QStringLiteral("1.30") << QStringLiteral("1,30");
    QTest::newRow("comma locale fixed no grouping")
        << coma << 1234567.891 << 2 << QStringLiteral("1234567.89") << QStringLiteral("1234567,89");
    QTest::newRow("german general") << aleman << 0.07 << 0 << QStringLiteral("0.07") << QStringLiteral("0,07");
    QTest::newRow("german fixed") << aleman << -12.5 << 1 << QStringLiteral("-12.5") << QStringLiteral("-12,5");
    QTest::newRow("dot locale general") << ingles << 53.1 << 0 << QStringLiteral("53.1") << QStringLiteral("53.1");
    QTest::newRow("dot locale fixed") << ingles << 1234567.891 << 2 << QStringLiteral("1234567.89")
                                      << QStringLiteral("1234567.89");
}

void TstNumeros::separador()
{
    QFETCH(QLocale, regional);
    QFETCH(double, valor);
    QFETCH(int, decimales);
    QFETCH(QString, punto);
    QFETCH(QString, conRegional);
    QLocale::setDefault(regional);
    const auto formato
        = [&](Separador s) { return decimales == 0 ? FormatoGeneral(valor, s) : FormatoFijo(valor, decimales, s); };
    QCOMPARE(formato(Separador::Punto), punto);
    QCOMPARE(formato(Separador::Regional), conRegional);
}

void TstNumeros::noFinitos()
{
    const double infinito = std::numeric_limits<double>::infinity();
    QCOMPARE(FormatoGeneral(infinito, Separador::Punto), QStringLiteral("Infinito"));
    QCOMPARE(FormatoGeneral(-infinito, Separador::Regional), QStringLiteral("-Infinito"));
    QCOMPARE(FormatoFijo(std::nan(""), 2, Separador::Punto), QStringLiteral("Indefinido"));
    QVERIFY(std::isnan(RedondearPar(std::nan(""), 1)));
    QCOMPARE(RedondearPar(-infinito, 2), -infinito);
}

// The program sets the C locale from the environment; a comma locale there
// must not change the reading or the "." texts.
void TstNumeros::independienteDelLocaleC()
{
    const char* candidatos[] = { "de_DE.UTF-8", "de_DE.utf8", "es_ES.UTF-8", "es_ES.utf8", "fr_FR.UTF-8" };
    const char* elegido = nullptr;
    for (const char* nombre : candidatos) {
        if (std::setlocale(LC_NUMERIC, nombre) != nullptr) {
            elegido = nombre;
            break;
        }
    }
    if (elegido == nullptr)
        QSKIP("no comma C locale installed");
    const Lectura lectura = LeerNumero(QStringLiteral("2.5"));
    const QString texto = FormatoGeneral(53.1, Separador::Punto);
    const QString fijo = FormatoFijo(1.3, 2, Separador::Punto);
    std::setlocale(LC_NUMERIC, "C");
    QVERIFY2(lectura.valor == 2.5, Diferencia(lectura.valor, 2.5));
    QCOMPARE(texto, QStringLiteral("53.1"));
    QCOMPARE(fijo, QStringLiteral("1.30"));
}

// Every "." text reads back as the double rounded to 15 significant digits,
// and has the general form: no trailing zeros, leading zero, at most 15 digits.
void TstNumeros::idaYVuelta()
{
    static const QRegularExpression forma(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?(E[+-][0-9]{2,3})?$"));
    std::mt19937_64 azar(20240611);
    std::uniform_real_distribution<double> mantisa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponente(-30, 30);
    std::uniform_int_distribution<int> entero(-100000, 100000);
    std::uniform_int_distribution<int> decimales(0, 4);
    int comprobados = 0;
    for (int i = 0; i < 4000; ++i) {
        double x = 0;
        if (i % 3 == 0)
            x = std::bit_cast<double>(static_cast<std::uint64_t>(azar())); // any magnitude, subnormals too
        else if (i % 3 == 1)
            x = mantisa(azar) * std::pow(10.0, exponente(azar));
        else
            x = entero(azar) / std::pow(10.0, decimales(azar)); // board-like values
        if (!std::isfinite(x) || std::fabs(x) > 1.7e308)
            continue;
        const QString texto = FormatoGeneral(x, Separador::Punto);
        QVERIFY2(forma.match(texto).hasMatch(), qPrintable(texto));
        QString cifras = texto.section(QLatin1Char('E'), 0, 0);
        cifras.remove(QLatin1Char('-')).remove(QLatin1Char('.'));
        while (cifras.startsWith(QLatin1Char('0')) && cifras.size() > 1)
            cifras.remove(0, 1);
        QVERIFY2(cifras.size() <= 15, qPrintable(texto));
        const Lectura lectura = LeerNumero(texto);
        QVERIFY2(lectura.cabe, qPrintable(texto));
        QVERIFY2(lectura.valor == Redondeado15(x),
            qPrintable(texto + QLatin1Char(' ') + Diferencia(lectura.valor, Redondeado15(x))));
        ++comprobados;
    }
    QVERIFY(comprobados > 3000);
}

QTEST_GUILESS_MAIN(TstNumeros)
#include "tst_numeros.moc"
