// The number rules: rounding half to even, reading a text as a number, the general and fixed formats; and the board's
// mapping between metres and twips.

#include "board/Coordenadas.h"
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

// Doubles are compared exactly, by all their digits: a fuzzy compare would hide a wrong last digit.
QString Exacto(double valor)
{
    return QString::number(valor, 'g', 17);
}

void FilaLectura(const char* caso, const QString& texto, double valor, bool cabe = true)
{
    QTest::newRow(caso) << texto << valor << cabe;
}

} // namespace

class TstNumeros : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void redondear()
    {
        QCOMPARE(Exacto(RedondearPar(125, -1)), Exacto(120)); // 12.5 tens: to even, 12
        // 1e307 x 100 overflows: the value comes back, not infinity.
        QCOMPARE(Exacto(RedondearPar(1e307, 2)), Exacto(1e307));
        // x 100 needs steps of 64 as a double; dividing back would give ...334.
        QCOMPARE(Exacto(RedondearPar(3333333333333333.5, 2)), Exacto(3333333333333333.5));
    }

    void leer_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("valor");
        QTest::addColumn<bool>("cabe");
        FilaLectura("negative leading point", "-.5", -0.5);
        FilaLectura("plus sign", "+3", 3);
        FilaLectura("second point ends the number", "1.2.3", 1.2);
        FilaLectura("two signs", "--5", 0);
        FilaLectura("bare exponent", "1e+", 1);
        FilaLectura("D is no exponent", "1D5", 1);
        FilaLectura("hex lower case with blanks, non-negative", "& h f f f f", 65535);
        FilaLectura("hex prefix alone", "&H", 0);
        // 2^53 + 1 lies half-way between 2^53 and 2^53 + 2: even goes to 2^53.
        FilaLectura("hex beyond 53 bits rounds", "&H20000000000001", 9007199254740992.0);
        FilaLectura("octal, stops at 8", "&o7778", 511);
        FilaLectura("unknown prefix", "&X1", 0);
        FilaLectura("sign before a prefix", "-&H10", 0);
        // Largest double: (2^53 - 1) x 2^971, 971 = 4 x 242 + 3.
        FilaLectura("hex largest double", "&H" + QString(13, u'F') + '8' + QString(242, u'0'), Mayor);
        FilaLectura("hex rounds up past the largest", "&H" + QString(256, u'F'), 0, false);
        FilaLectura("octal 2^1024 does not fit", "&O2" + QString(341, u'0'), 0, false);
        // The largest double at 15 digits, rounded up: past it by more than half a step.
        FilaLectura("just past the largest", "1.79769313486232E+308", 0, false);
        FilaLectura("15 digits below the largest", "1.79769313486231E+308", 1.79769313486231e308);
        FilaLectura("underflow reads 0", "1e-400", 0);
        FilaLectura("smallest subnormal", "5e-324", std::numeric_limits<double>::denorm_min());
        FilaLectura("100000 digits", QString(100000, u'1') + "e-99999", 10.0 / 9.0);
        FilaLectura("exponent of 100000 digits", "1e" + QString(100000, u'9'), 0, false);
        FilaLectura("NUL ends the number", QString::fromUtf16(u"1\0002", 3), 1);
        FilaLectura("no-break space ends the number", QString::fromUtf16(u"1\u00A02"), 1);
        FilaLectura("full-width digit is no digit", QString::fromUtf16(u"\uFF11"), 0);
    }
    void leer()
    {
        QFETCH(QString, texto);
        QFETCH(double, valor);
        QFETCH(bool, cabe);
        const Lectura lectura = LeerNumero(texto);
        QCOMPARE(lectura.cabe, cabe);
        QCOMPARE(Exacto(lectura.valor), Exacto(valor));
    }

    // Any text reads to a finite value, and blanks slipped in anywhere change nothing (" - 1 2 . 5" is -12.5).
    void blancosDondeSea()
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

    void formato_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("decimales"); // -1: the general format
        QTest::addColumn<QString>("texto"); // with "."
        QTest::newRow("fifteen whole digits") << 1e14 << -1 << QString("100000000000000");
        QTest::newRow("sixteen whole digits") << 1e15 << -1 << QString("1E+15");
        // 999999999999999.875 rounds to 1000000000000000: sixteen digits again.
        QTest::newRow("rounding carries into the exponent form") << 999999999999999.9 << -1 << QString("1E+15");
        QTest::newRow("small without exponent") << 0.0001 << -1 << QString("0.0001");
        QTest::newRow("small") << 1e-5 << -1 << QString("1E-05");
        // At 15 digits it would be 1.79769313486232E+308, which does not read back.
        QTest::newRow("largest double reads back") << Mayor << -1 << QString("1.79769313486231E+308");
        // 1.005 is 1.00499999999999989...: 100 times it stays below 100.5.
        QTest::newRow("stored just below half") << 1.005 << 2 << QString("1.00");
        QTest::newRow("rounding carries") << 9.96 << 1 << QString("10.0");
        QTest::newRow("fixed keeps every whole digit") << 1e20 << 2 << QString("100000000000000000000.00");
    }
    // The "." text, the regional text under a comma locale (the same with ","), and under a "." locale.
    void formato()
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

    // Every "." text has the general form (no trailing zeros, a leading zero) and reads back as the double rounded to
    // 15 significant digits (the C library's %.15g, read by strtod), so a text of more digits cannot pass.
    void idaYVuelta()
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

    // 10 m x 5 m: 485 twips a metre across from x = 150, 540 down from y = 2700; 0.001 m is 0.485 twip, floor(485) /
    // 1000 + 150; x = 0 is floor(-150 * 10 / 4850 * 1000) = floor(-309.27) = -310 mm. AMetros gives a 32-bit float,
    // except Y once the size tool has set the height: in 32-bit steps 5 - 3.2f = 1.79999995, whose x1000 rounds to
    // 1800; in double it floors to 1799.
    void coordenadas()
    {
        Coordenadas c;
        QCOMPARE(Exacto(c.ATwips(0.001, Eje::X)), Exacto(150.485));
        QCOMPARE(Exacto(c.AMetros(0, Eje::X)), Exacto(double(-0.31f)));
        QCOMPARE(Exacto(c.AMetros(1728, Eje::Y)), Exacto(double(1.8f)));
        c.FijarTamano(10, 5);
        QCOMPARE(Exacto(c.AMetros(1728, Eje::Y)), Exacto(1.799));
        // 8 m over 4850 twips: 4 m at 150 + 2425; 4.2 m over 2700: 2.1 m at 1350.
        c.FijarTamano(8, 4.2);
        QCOMPARE(Exacto(c.ATwips(4, Eje::X)) + ' ' + Exacto(c.ATwips(2.1, Eje::Y)), "2575 1350");
        QCOMPARE(Exacto(c.AMetros(1350, Eje::Y)), Exacto(2.1));
    }
};

QTEST_GUILESS_MAIN(TstNumeros)
#include "tst_numeros.moc"
