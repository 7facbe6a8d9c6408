// Bars on the board: the live length and angle of a bar, open or closed at
// nodes, and what opening a bar sets up.

#include "board/Principal.h"

#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

namespace {

// With the start size (10 m x 5 m) a metre is 485 twips across and 540 down,
// from x = 150 and y = 2700: these points convert exactly both ways.
float Xt(double x)
{
    return static_cast<float>(150 + 485 * x);
}

float Yt(double y)
{
    return static_cast<float>(2700 - 540 * y);
}

// A press inside a node's dot, off its point; also inside the search square
// of a node at the top edge, which starts at y = 0.
EventoPuntero ClicEn(double x, double y)
{
    return {1, 0, Xt(x) + 30, Yt(y) + 20};
}

// A pointer position far from every row's end, so that each row proves the
// texts were rewritten rather than left over.
constexpr float SenueloX = 8000;
constexpr float SenueloY = 6000;

} // namespace

class PruebaBarras : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void barraAbierta_data() { tabla(); }
    void barraAbierta();
    void barraCerrada_data() { tabla(); }
    void barraCerrada();
    void conAlturaDoble_data();
    void conAlturaDoble();
    void iniciarBarra();
    void textosConPuntoEnRegionConComa();

private:
    static void tabla();
};

void PruebaBarras::tabla()
{
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("y2");
    QTest::addColumn<QString>("longitud");
    QTest::addColumn<QString>("angulo");
    // 3-4-5 triangles in the four quadrants: atan(4/3) = 53.13 degrees.
    QTest::newRow("first quadrant") << 4.0 << 1.0 << 7.0 << 5.0 << "5" << "53.1";
    QTest::newRow("second quadrant") << 4.0 << 1.0 << 1.0 << 5.0 << "5" << "126.8";
    QTest::newRow("third quadrant") << 4.0 << 5.0 << 1.0 << 1.0 << "5" << "233.1";
    QTest::newRow("fourth quadrant") << 4.0 << 5.0 << 7.0 << 1.0 << "5" << "306.8";
    // sqrt(2) = 1.414 cut to 1.41; atan(1) * 1800 / 3.141592 = 450.00008.
    QTest::newRow("diagonal up") << 1.0 << 1.0 << 2.0 << 2.0 << "1.41" << "45";
    QTest::newRow("diagonal down") << 2.0 << 2.0 << 1.0 << 1.0 << "1.41" << "225";
    // atan(-1): -450.00008 rounds down to -451, so 180 - 45.1.
    QTest::newRow("short pi, second quadrant") << 2.0 << 1.0 << 1.0 << 2.0 << "1.41" << "134.9";
    QTest::newRow("short pi, fourth quadrant") << 1.0 << 2.0 << 2.0 << 1.0 << "1.41" << "314.9";
    QTest::newRow("horizontal right") << 1.0 << 1.0 << 3.0 << 1.0 << "2" << "0";
    QTest::newRow("horizontal left") << 3.0 << 1.0 << 1.0 << 1.0 << "2" << "180";
    // sqrt(5) = 2.236 is cut, not rounded; atan(0.5) = 26.56 degrees.
    QTest::newRow("length truncated") << 1.0 << 1.0 << 3.0 << 2.0 << "2.23" << "26.5";
    // Regression: equal x used to leave the previous angle in the box.
    QTest::newRow("vertical up") << 2.0 << 1.0 << 2.0 << 3.0 << "2" << "90";
    QTest::newRow("vertical down") << 2.0 << 3.0 << 2.0 << 1.0 << "2" << "270";
}

void PruebaBarras::barraAbierta()
{
    QFETCH(double, x1);
    QFETCH(double, y1);
    QFETCH(double, x2);
    QFETCH(double, y2);
    QFETCH(QString, longitud);
    QFETCH(QString, angulo);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QVERIFY(p.AgregarNodo(x1, y1));
    p.Herramienta_Click(HerrBarra);
    p.Diagrama_MouseDown(ClicEn(x1, y1));
    QCOMPARE(m.NumBarras, int16_t(1));
    p.Diagrama_MouseMove({0, 0, SenueloX, SenueloY});
    QVERIFY(p.Angulo->text() != angulo);
    p.Diagrama_MouseMove({0, 0, Xt(x2), Yt(y2)});
    QCOMPARE(p.Barra[1]->X2, Xt(x2));
    QCOMPARE(p.Barra[1]->Y2, Yt(y2));
    QCOMPARE(p.Prin->text(), longitud);
    QCOMPARE(p.Angulo->text(), angulo);
    QCOMPARE(m.Barras[1].NodoFinal, int16_t(0));
}

void PruebaBarras::barraCerrada()
{
    QFETCH(double, x1);
    QFETCH(double, y1);
    QFETCH(double, x2);
    QFETCH(double, y2);
    QFETCH(QString, longitud);
    QFETCH(QString, angulo);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QVERIFY(p.AgregarNodo(x1, y1));
    QVERIFY(p.AgregarNodo(x2, y2));
    p.Herramienta_Click(HerrBarra);
    p.Diagrama_MouseDown(ClicEn(x1, y1));
    p.Diagrama_MouseMove({0, 0, SenueloX, SenueloY});
    // The press is off node B's point; the line goes onto the point.
    p.Diagrama_MouseDown(ClicEn(x2, y2));
    QCOMPARE(m.Barras[1].NodoFinal, int16_t(2));
    QCOMPARE(p.Barra[1]->X2, Xt(x2));
    QCOMPARE(p.Barra[1]->Y2, Yt(y2));
    QCOMPARE(p.Prin->text(), longitud);
    QCOMPARE(p.Angulo->text(), angulo);
    QCOMPARE(m.Barras[1].Longitud, longitud.toDouble());
    QCOMPARE(m.Barras[1].Angulo, angulo.toDouble());
}

void PruebaBarras::conAlturaDoble_data()
{
    QTest::addColumn<bool>("cerrada");
    QTest::newRow("open") << false;
    QTest::newRow("closed") << true;
}

// Once the size tool has set the height, Y converts in double precision; the
// points still convert exactly, so the texts are those of the start size.
void PruebaBarras::conAlturaDoble()
{
    QFETCH(bool, cerrada);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.coordenadas.FijarTamano(10, 5);
    QVERIFY(p.AgregarNodo(1, 1));
    if (cerrada)
        QVERIFY(p.AgregarNodo(3, 2));
    p.Herramienta_Click(HerrBarra);
    p.Diagrama_MouseDown(ClicEn(1, 1));
    p.Diagrama_MouseMove({0, 0, Xt(3), Yt(2)});
    if (cerrada)
        p.Diagrama_MouseDown(ClicEn(3, 2));
    QCOMPARE(p.Prin->text(), QStringLiteral("2.23"));
    QCOMPARE(p.Angulo->text(), QStringLiteral("26.5"));
}

void PruebaBarras::iniciarBarra()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QVERIFY(p.AgregarNodo(1, 1));
    QVERIFY(p.AgregarNodo(2, 2));
    QVERIFY(p.AgregarNodo(6, 3));
    // Re-enabled by hand so that the opening is seen to disable it.
    p.Herramienta[HerrArea]->setEnabled(true);
    p.Barra[1]->FijarFin(10, 20);
    p.IniciarBarra(3);
    QCOMPARE(m.NumBarras, int16_t(1));
    QCOMPARE(m.Barras.size(), size_t(2));
    QCOMPARE(m.Barras[1].NodoInicial, int16_t(3));
    QCOMPARE(m.Barras[1].NodoFinal, int16_t(0));
    QCOMPARE(m.Barras[1].Angulo, 0.0);
    QCOMPARE(m.Barras[1].Longitud, 0.0);
    QCOMPARE(m.Barras[1].Fuerza, 0.0);
    QVERIFY(p.Barra[1]->EsVisible());
    // Node C at (6, 3): 150 + 6 * 485 = 3060, 2700 - 3 * 540 = 1080.
    QCOMPARE(p.Barra[1]->X1, 3060.0f);
    QCOMPARE(p.Barra[1]->Y1, 1080.0f);
    // The end waits for the next pointer move.
    QCOMPARE(p.Barra[1]->X2, 10.0f);
    QCOMPARE(p.Barra[1]->Y2, 20.0f);
    QVERIFY(!p.Herramienta[HerrArea]->isEnabled());
    QVERIFY(!p.Barra[2]->EsVisible());
}

// The boxes are read back as numbers, so they keep "." whatever the region.
void PruebaBarras::textosConPuntoEnRegionConComa()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QVERIFY(p.AgregarNodo(2, 1));
    p.Herramienta_Click(HerrBarra);
    p.Diagrama_MouseDown(ClicEn(2, 1));
    p.Diagrama_MouseMove({0, 0, Xt(1), Yt(2)});
    QCOMPARE(p.Prin->text(), QStringLiteral("1.41"));
    QCOMPARE(p.Angulo->text(), QStringLiteral("134.9"));
}

QTEST_MAIN(PruebaBarras)
#include "tst_barras.moc"
