#include "board/Coordenadas.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(Eje)

class PruebaCoordenadas : public QObject {
    Q_OBJECT
private slots:
    void aTwips_data();
    void aTwips();
    void aMetros_data();
    void aMetros();
    void alturaFijadaCambiaLaConversion();
    void alturaEnteraCalculaEnPrecisionSimple();
    void siguienteDecima_data();
    void siguienteDecima();
    void ajusteRejilla_data();
    void ajusteRejilla();
};

void PruebaCoordenadas::aTwips_data()
{
    QTest::addColumn<double>("metros");
    QTest::addColumn<Eje>("eje");
    QTest::addColumn<double>("twips");
    // 10 m x 5 m: 485 twips per metre across, 540 down.
    QTest::newRow("X origin") << 0.0 << Eje::X << 150.0;
    QTest::newRow("X full width") << 10.0 << Eje::X << 5000.0;
    QTest::newRow("X 4 m") << 4.0 << Eje::X << 2090.0;
    QTest::newRow("Y origin") << 0.0 << Eje::Y << 2700.0;
    QTest::newRow("Y full height") << 5.0 << Eje::Y << 0.0;
    QTest::newRow("Y 1.25 m") << 1.25 << Eje::Y << 2025.0;
    QTest::newRow("Y below the area") << -1.0 << Eje::Y << 3240.0;
    // 0.001 m is 0.485 twip: floor(485) / 1000 + 150.
    QTest::newRow("X one millimetre") << 0.001 << Eje::X << 150.485;
}

void PruebaCoordenadas::aTwips()
{
    QFETCH(double, metros);
    QFETCH(Eje, eje);
    QFETCH(double, twips);
    const Coordenadas c;
    QCOMPARE(c.ATwips(metros, eje), twips);
}

void PruebaCoordenadas::aMetros_data()
{
    QTest::addColumn<float>("twips");
    QTest::addColumn<Eje>("eje");
    QTest::addColumn<double>("metros");
    QTest::newRow("X origin") << 150.0f << Eje::X << 0.0;
    QTest::newRow("Y origin") << 2700.0f << Eje::Y << 0.0;
    // floor(-150 * 10 / 4850 * 1000) = floor(-309.27...) = -310.
    QTest::newRow("X board edge") << 0.0f << Eje::X << static_cast<double>(-0.31f);
    QTest::newRow("X full width") << 5000.0f << Eje::X << 10.0;
    QTest::newRow("Y board top") << 0.0f << Eje::Y << 5.0;
    // 3240 twips: 5 - 3240 * 5 / 2700 = -1.
    QTest::newRow("Y below the area is negative") << 3240.0f << Eje::Y << -1.0;
    // 2090 twips: (1940 * 10 / 4850) = 4.
    QTest::newRow("X 4 m") << 2090.0f << Eje::X << 4.0;
}

void PruebaCoordenadas::aMetros()
{
    QFETCH(float, twips);
    QFETCH(Eje, eje);
    QFETCH(double, metros);
    const Coordenadas c;
    QCOMPARE(c.AMetros(twips, eje), metros);
    QVERIFY(c.AMetrosSimple(eje));
}

void PruebaCoordenadas::alturaFijadaCambiaLaConversion()
{
    Coordenadas c;
    c.FijarTamano(8, 4.2);
    QVERIFY(!c.AMetrosSimple(Eje::Y));
    // 8 m over 4850 twips: 4 m lies at 150 + 2425.
    QCOMPARE(c.ATwips(4, Eje::X), 2575.0);
    QCOMPARE(c.AMetros(2575.0f, Eje::X), 4.0);
    // 4.2 m over 2700 twips: 2.1 m at y = 1350; in double: floor(2100) / 1000.
    QCOMPARE(c.AMetros(1350.0f, Eje::Y), 2.1);
    QCOMPARE(c.ATwips(0, Eje::Y), 2700.0);
    QCOMPARE(c.ATwips(4.2, Eje::Y), 0.0);
}

// Regression: the start height converts in 32-bit steps, which a double
// evaluation does not reproduce at every point.
void PruebaCoordenadas::alturaEnteraCalculaEnPrecisionSimple()
{
    const Coordenadas c;
    int distintos = 0;
    for (int y = 0; y <= 6090; ++y) {
        const float valor = static_cast<float>(y);
        float paso = valor * 5.0f;
        paso = paso / 2700.0f;
        paso = 5.0f - paso;
        paso = std::floor(paso * 1000.0f) / 1000.0f;
        QCOMPARE(c.AMetros(valor, Eje::Y), static_cast<double>(paso));
        const double doble = std::floor((5 - valor * 5.0 / 2700) * 1000) / 1000;
        if (static_cast<double>(paso) != doble)
            ++distintos;
    }
    QVERIFY(distintos > 0);
}

void PruebaCoordenadas::siguienteDecima_data()
{
    QTest::addColumn<double>("metros");
    QTest::addColumn<double>("lectura");
    QTest::newRow("1.234 shows 1.3") << 1.234 << 1.3;
    QTest::newRow("exactly 2 shows 2.1") << 2.0 << 2.1;
    QTest::newRow("-0.25 shows -0.2") << -0.25 << -0.2;
    QTest::newRow("exactly 0 shows 0.1") << 0.0 << 0.1;
}

void PruebaCoordenadas::siguienteDecima()
{
    QFETCH(double, metros);
    QFETCH(double, lectura);
    QCOMPARE(static_cast<float>(SiguienteDecima(static_cast<float>(metros), true)), static_cast<float>(lectura));
    QCOMPARE(SiguienteDecima(metros, false), lectura);
}

void PruebaCoordenadas::ajusteRejilla_data()
{
    QTest::addColumn<double>("metros");
    QTest::addColumn<bool>("escribe");
    QTest::addColumn<double>("texto");
    QTest::newRow("1.234 snaps to 1.25") << 1.234 << true << 1.25;
    QTest::newRow("1.27 snaps to 1.3") << 1.27 << true << 1.3;
    QTest::newRow("1.2 snaps to 1.25") << 1.2 << true << 1.25;
    QTest::newRow("1.25 keeps the text") << 1.25 << false << 0.0;
    QTest::newRow("1.244 below the middle band") << 1.244 << true << 1.25;
    QTest::newRow("1.246 inside the middle band") << 1.246 << false << 0.0;
    QTest::newRow("1.256 past the middle band") << 1.256 << true << 1.3;
    QTest::newRow("1.96 snaps to 2") << 1.96 << true << 2.0;
    QTest::newRow("0.01 snaps to 0.05") << 0.01 << true << 0.05;
    QTest::newRow("-0.24 snaps to -0.2") << -0.24 << true << -0.2;
}

void PruebaCoordenadas::ajusteRejilla()
{
    QFETCH(double, metros);
    QFETCH(bool, escribe);
    QFETCH(double, texto);
    const std::optional<double> ajuste = AjusteRejilla(static_cast<float>(metros), true);
    QCOMPARE(ajuste.has_value(), escribe);
    if (escribe)
        QCOMPARE(*ajuste, texto);
}

QTEST_GUILESS_MAIN(PruebaCoordenadas)
#include "tst_coordenadas.moc"
