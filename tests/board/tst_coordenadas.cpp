// The mapping between metres and board twips, and the node tool's 0.05 m snap.

#include "board/Coordenadas.h"

#include <QtTest>

Q_DECLARE_METATYPE(Eje)

class PruebaCoordenadas : public QObject {
    Q_OBJECT
private slots:
    void conversion_data()
    {
        QTest::addColumn<QSizeF>("tamano"); // set by the size tool; empty: the start's 10 m x 5 m
        QTest::addColumn<Eje>("eje");
        QTest::addColumn<double>("metros");
        QTest::addColumn<double>("twips");
        QTest::addColumn<QString>("sentido"); // "ATwips", "AMetros" or both
        const QSizeF inicio;
        // 10 m x 5 m: 485 twips a metre across from x = 150, 540 down from y = 2700.
        QTest::newRow("X origin") << inicio << Eje::X << 0.0 << 150.0 << "ATwips AMetros";
        QTest::newRow("Y origin") << inicio << Eje::Y << 0.0 << 2700.0 << "ATwips AMetros";
        QTest::newRow("Y full height") << inicio << Eje::Y << 5.0 << 0.0 << "ATwips AMetros";
        QTest::newRow("Y below the area is negative") << inicio << Eje::Y << -1.0 << 3240.0 << "ATwips AMetros";
        // 0.001 m is 0.485 twip: floor(485) / 1000 + 150.
        QTest::newRow("X one millimetre") << inicio << Eje::X << 0.001 << 150.485 << "ATwips";
        // floor(-150 * 10 / 4850 * 1000) = floor(-309.27) = -310.
        QTest::newRow("X board edge") << inicio << Eje::X << -0.31 << 0.0 << "AMetros";
        // In 32-bit steps 5 - 3.2f = 1.79999995, whose x1000 rounds to 1800; in double it floors to 1799.
        QTest::newRow("Y in 32-bit steps") << inicio << Eje::Y << 1.8 << 1728.0 << "AMetros";
        QTest::newRow("Y in double once set") << QSizeF(10, 5) << Eje::Y << 1.799 << 1728.0 << "AMetros";
        // 8 m over 4850 twips: 4 m at 150 + 2425; 4.2 m over 2700: 2.1 m at 1350.
        QTest::newRow("X 8 m wide") << QSizeF(8, 4.2) << Eje::X << 4.0 << 2575.0 << "ATwips AMetros";
        QTest::newRow("Y 4.2 m high, middle") << QSizeF(8, 4.2) << Eje::Y << 2.1 << 1350.0 << "AMetros";
        QTest::newRow("Y 4.2 m high, top") << QSizeF(8, 4.2) << Eje::Y << 4.2 << 0.0 << "ATwips";
    }
    void conversion()
    {
        QFETCH(QSizeF, tamano);
        QFETCH(Eje, eje);
        QFETCH(double, metros);
        QFETCH(double, twips);
        QFETCH(QString, sentido);
        Coordenadas c; // AMetros gives a 32-bit float, except Y once the size tool has set the height.
        if (!tamano.isEmpty())
            c.FijarTamano(int16_t(tamano.width()), tamano.height());
        if (sentido.contains("ATwips"))
            QCOMPARE(c.ATwips(metros, eje), twips);
        const bool simple = eje == Eje::X || tamano.isEmpty();
        if (sentido.contains("AMetros"))
            QCOMPARE(c.AMetros(float(twips), eje), simple ? double(float(metros)) : metros);
    }

    void ajusteRejilla_data()
    {
        QTest::addColumn<double>("metros");
        QTest::addColumn<double>("texto"); // 0: the text is kept
        // t = floor(10 m), d = 100 m - 10 t to even: d > 5 gives (t + 1) / 10, d < 5 (10 t + 5) / 100.
        QTest::newRow("1.244 snaps to 1.25") << 1.244 << 1.25;
        QTest::newRow("1.246 keeps the text") << 1.246 << 0.0;
        QTest::newRow("1.25 keeps the text") << 1.25 << 0.0;
        QTest::newRow("1.256 snaps to 1.3") << 1.256 << 1.3;
    }
    void ajusteRejilla()
    {
        QFETCH(double, metros);
        QFETCH(double, texto);
        QCOMPARE(AjusteRejilla(float(metros), true).value_or(0), texto);
    }
};

QTEST_GUILESS_MAIN(PruebaCoordenadas)
#include "tst_coordenadas.moc"
