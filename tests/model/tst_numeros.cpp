#include "model/Numeros.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <bit>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

namespace {

constexpr double Mayor = std::numeric_limits<double>::max();
const QLocale Ingles(QLocale::English, QLocale::UnitedStates);

// Doubles are compared exactly: a fuzzy compare would hide a wrong last digit.
QByteArray Diferencia(double obtenido, double esperado)
{
    return QStringLiteral("got %1, expected %2").arg(obtenido, 0, 'g', 17).arg(esperado, 0, 'g', 17).toLatin1();
}

void FilaLectura(const char* caso, const QString& texto, double valor, bool cabe = true)
{
    QTest::newRow(caso) << texto << valor << cabe;
}

void FilaFormato(const char* caso, double valor, int decimales, const char* texto)
{
    QTest::newRow(caso) << valor << decimales << QString::fromLatin1(texto);
}

} // namespace

class TstNumeros : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(Ingles); }
    void redondear_data();
    void redondear();
    void leer_data();
    void leer();
    void blancosDondeSea();
    void formato_data();
    void formato();
    void idaYVuelta();
};

void TstNumeros::redondear_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("decimales");
    QTest::addColumn<double>("esperado");
    QTest::newRow("cosine at 3 decimals") << 0.70710678 << 3 << 0.707;
    // Whole numbers: EnteroPar gives the same.
    QTest::newRow("6.5 -> 6") << 6.5 << 0 << 6.0;
    QTest::newRow("7.5 -> 8") << 7.5 << 0 << 8.0;
    QTest::newRow("-6.5 -> -6") << -6.5 << 0 << -6.0;
    QTest::newRow("-2.6 -> -3") << -2.6 << 0 << -3.0;
    QTest::newRow("tens: 125 -> 120") << 125.0 << -1 << 120.0;
    // 1e307 x 100 overflows: the value comes back, not infinity.
    QTest::newRow("scaling overflows") << 1e307 << 2 << 1e307;
    // x 100 needs steps of 64 as a double; dividing back would give ...334.
    QTest::newRow("no digits that far down") << 3333333333333333.5 << 2 << 3333333333333333.5;
}

void TstNumeros::redondear()
{
    QFETCH(double, valor);
    QFETCH(int, decimales);
    QFETCH(double, esperado);
    QVERIFY2(RedondearPar(valor, decimales) == esperado, Diferencia(RedondearPar(valor, decimales), esperado));
    QVERIFY2(decimales != 0 || EnteroPar(valor) == esperado, Diferencia(EnteroPar(valor), esperado));
}

void TstNumeros::leer_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");
    QTest::addColumn<bool>("cabe");
    FilaLectura("empty reads 0", QString(), 0);
    FilaLectura("only blanks", " \t\r\n ", 0);
    FilaLectura("negative leading point", "-.5", -0.5);
    FilaLectura("plus sign", "+3", 3);
    FilaLectura("blanks inside", " - 1 2 . 5", -12.5);
    FilaLectura("letters end the number", "12abc", 12);
    FilaLectura("comma ends the number", "2,5", 2);
    FilaLectura("second point ends the number", "1.2.3", 1.2);
    FilaLectura("no number", "abc", 0);
    FilaLectura("two signs", "--5", 0);
    FilaLectura("exponent", "1.5E3", 1500);
    FilaLectura("negative exponent with blanks", "25 e - 1", 2.5);
    FilaLectura("bare exponent", "1e+", 1);
    FilaLectura("a word after the number", "12easy", 12);
    FilaLectura("D is no exponent", "1D5", 1);
    FilaLectura("hex", "&H1F", 31);
    FilaLectura("hex lower case with blanks", "& h f f", 255);
    FilaLectura("hex stays non-negative", "&HFFFF", 65535);
    FilaLectura("hex stops at a non-digit", "&H1G2", 1);
    FilaLectura("hex prefix alone", "&H", 0);
    // 2^53 + 1 lies half-way between 2^53 and 2^53 + 2: even goes to 2^53.
    FilaLectura("hex beyond 53 bits rounds", "&H20000000000001", 9007199254740992.0);
    FilaLectura("octal", "&o777", 511);
    FilaLectura("octal stops at 8", "&O18", 1);
    FilaLectura("unknown prefix", "&X1", 0);
    FilaLectura("sign before a prefix", "-&H10", 0);
    // Largest double: (2^53 - 1) x 2^971, 971 = 4 x 242 + 3.
    FilaLectura("hex largest double", "&H" + QString(13, u'F') + '8' + QString(242, u'0'), Mayor);
    FilaLectura("hex rounds up past the largest", "&H" + QString(256, u'F'), 0, false);
    FilaLectura("hex 2^1024 does not fit", "&H1" + QString(256, u'0'), 0, false);
    FilaLectura("octal 2^1024 does not fit", "&O2" + QString(341, u'0'), 0, false);
    FilaLectura("1e400 does not fit", "1e400", 0, false);
    // The largest double at 15 digits, rounded up: past it by more than half a step.
    FilaLectura("just past the largest", "1.79769313486232E+308", 0, false);
    FilaLectura("15 digits below the largest", "1.79769313486231E+308", 1.79769313486231e308);
    FilaLectura("underflow reads 0", "1e-400", 0);
    FilaLectura("smallest subnormal", "5e-324", std::numeric_limits<double>::denorm_min());
    FilaLectura("100000 digits", QString(100000, u'1') + "e-99999", 10.0 / 9.0);
    FilaLectura("100000 zeros after a one", '1' + QString(100000, u'0'), 0, false);
    FilaLectura("exponent of 100000 digits", "1e" + QString(100000, u'9'), 0, false);
    FilaLectura("NUL ends the number", QString::fromUtf16(u"1\0002", 3), 1);
    FilaLectura("no-break space ends the number", QString::fromUtf16(u"1\u00A02"), 1);
    FilaLectura("full-width digit is no digit", QString::fromUtf16(u"\uFF11"), 0);
}

void TstNumeros::leer()
{
    QFETCH(QString, texto);
    QFETCH(double, valor);
    QFETCH(bool, cabe);
    const Lectura lectura = LeerNumero(texto);
    QCOMPARE(lectura.cabe, cabe);
    QVERIFY2(lectura.valor == valor, Diferencia(lectura.valor, valor));
}

// Any text reads to a finite value, and blanks slipped in anywhere change nothing.
void TstNumeros::blancosDondeSea()
{
    const QString alfabeto = QStringLiteral("0123456789..++--eEEe&&HhOo,xF"), blancos = QStringLiteral(" \t\n\r");
    std::mt19937 azar(7);
    for (int i = 0; i < 3000; ++i) {
        QString texto, conBlancos;
        for (int k = int(azar() % 40); k > 0; --k) {
            const QChar c = azar() % 8 == 0 ? QChar(char16_t(33 + azar() % 0xFF00))
                                            : alfabeto.at(qsizetype(azar() % size_t(alfabeto.size())));
            texto += c;
            conBlancos += (azar() % 3 == 0 ? QString(blancos.at(qsizetype(azar() % 4))) : QString()) + c;
        }
        const Lectura a = LeerNumero(texto), b = LeerNumero(conBlancos);
        QVERIFY2(std::isfinite(a.valor) && (a.cabe || a.valor == 0), qPrintable(texto));
        QVERIFY2(a.cabe == b.cabe && a.valor == b.valor, qPrintable(conBlancos));
    }
}

void TstNumeros::formato_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("decimales"); // -1: the general format
    QTest::addColumn<QString>("texto"); // with "."
    FilaFormato("leading zero", 0.07, -1, "0.07");
    FilaFormato("negative zero has no sign", -0.0, -1, "0");
    FilaFormato("no grouping", 12345.5, -1, "12345.5");
    // 0.30000000000000004 at 15 digits is 0.300000000000000.
    FilaFormato("0.1 + 0.2", 0.1 + 0.2, -1, "0.3");
    FilaFormato("two thirds round up at 15 digits", 2.0 / 3.0, -1, "0.666666666666667");
    FilaFormato("fifteen whole digits", 1e14, -1, "100000000000000");
    FilaFormato("sixteen whole digits", 1e15, -1, "1E+15");
    // 999999999999999.875 rounds to 1000000000000000: sixteen digits again.
    FilaFormato("rounding carries into the exponent form", 999999999999999.9, -1, "1E+15");
    FilaFormato("three-digit exponent", 1.5e300, -1, "1.5E+300");
    FilaFormato("small without exponent", 0.0001, -1, "0.0001");
    FilaFormato("small", 1e-5, -1, "1E-05");
    FilaFormato("negative small", -1.5e-7, -1, "-1.5E-07");
    // At 15 digits it would be 1.79769313486232E+308, which does not read back.
    FilaFormato("largest double reads back", Mayor, -1, "1.79769313486231E+308");
    FilaFormato("pattern 0.00", 1.3, 2, "1.30");
    FilaFormato("small negative shows an unsigned zero", -0.04, 1, "0.0");
    // -0.05 x 10 is -0.5, whose even neighbour is -0.
    FilaFormato("negative half shows an unsigned zero", -0.05, 1, "0.0");
    FilaFormato("negative zero 0.00", -0.0, 2, "0.00");
    // Exact binary halves: 122.5 -> 122 and 127.5 -> 128, the even neighbour.
    FilaFormato("half down to even", 12.25, 1, "12.2");
    FilaFormato("half up to even", 12.75, 1, "12.8");
    // 1.005 is 1.00499999999999989...: 100 times it stays below 100.5.
    FilaFormato("stored just below half", 1.005, 2, "1.00");
    FilaFormato("rounding carries", 9.96, 1, "10.0");
    FilaFormato("fixed without grouping", -1234567.891, 2, "-1234567.89");
    FilaFormato("fixed keeps every whole digit", 1e20, 2, "100000000000000000000.00");
}

// The "." text, the regional text under a comma locale (the same with ","),
// and under a "." locale.
void TstNumeros::formato()
{
    QFETCH(double, valor);
    QFETCH(int, decimales);
    QFETCH(QString, texto);
    const auto con
        = [&](Separador s) { return decimales < 0 ? FormatoGeneral(valor, s) : FormatoFijo(valor, decimales, s); };
    QCOMPARE(con(Separador::Punto), texto);
    QCOMPARE(con(Separador::Regional), texto);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QCOMPARE(con(Separador::Regional), QString(texto).replace(QLatin1Char('.'), QLatin1Char(',')));
    QCOMPARE(con(Separador::Punto), texto);
}

// Every "." text has the general form (no trailing zeros, a leading zero) and
// reads back as the double rounded to 15 significant digits (the C library's
// %.15g, read by strtod), so a text of more digits cannot pass.
void TstNumeros::idaYVuelta()
{
    static const QRegularExpression forma(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?(E[+-][0-9]{2,3})?$"));
    std::setlocale(LC_NUMERIC, "C");
    std::mt19937_64 azar(20240611);
    for (int i = 0; i < 4000; ++i) {
        double x = std::bit_cast<double>(azar()); // any magnitude, subnormals too
        if (i % 3 == 1) // ordinary magnitudes
            x = (double(azar() % 2000001) / 1e6 - 1) * std::pow(10.0, int(azar() % 61) - 30);
        else if (i % 3 == 2) // board-like values
            x = double(int(azar() % 200001) - 100000) / std::pow(10.0, int(azar() % 5));
        if (!std::isfinite(x) || std::fabs(x) > 1.7e308)
            continue;
        const QString texto = FormatoGeneral(x, Separador::Punto);
        QVERIFY2(forma.match(texto).hasMatch(), qPrintable(texto));
        char c[40];
        std::snprintf(c, sizeof c, "%.15g", x);
        const Lectura lectura = LeerNumero(texto);
        QVERIFY2(lectura.cabe && lectura.valor == std::strtod(c, nullptr), qPrintable(texto + ' ' + c));
    }
}

QTEST_GUILESS_MAIN(TstNumeros)
#include "tst_numeros.moc"
