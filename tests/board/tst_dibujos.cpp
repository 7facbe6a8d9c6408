// The pictures: the sizes the windows lay out by, their transparency, and where the support symbols put the node.

#include "board/Dibujos.h"
#include "tools/VentanaPrueba.h"

namespace {

QImage Pixeles(const QPixmap& dibujo)
{
    return dibujo.toImage().convertToFormat(QImage::Format_ARGB32);
}

// The pixels of a row, or of a column, at least `alfa` opaque.
int Cubiertos(const QImage& imagen, int linea, bool columna = false, int alfa = 128)
{
    int n = 0;
    for (int i = 0; i < (columna ? imagen.height() : imagen.width()); ++i)
        n += qAlpha(columna ? imagen.pixel(linea, i) : imagen.pixel(i, linea)) >= alfa;
    return n;
}

} // namespace

class PruebaDibujos : public QObject {
    Q_OBJECT
private slots:
    void dibujos_data()
    {
        // figura: false for an unknown index, blank; fondo: the corner's alpha.
        Columnas<QPixmap, QSize, bool, int>("dibujo", "logico", "figura", "fondo");
        for (int i = -1; i <= 6; ++i)
            QTest::addRow("tool %d", i) << DibujoHerramienta(i) << QSize(32, 32) << (i >= 0 && i < 6) << 0;
        for (int i = 0; i <= 4; ++i)
            QTest::addRow("command %d", i) << DibujoComando(i) << QSize(32, 32) << (i < 4) << 0;
        // 480 x 480 and 615 x 660 twips at 15 twips a pixel.
        Fila("fixed support", DibujoApoyoFijo(), QSize(32, 32), true, 0);
        Fila("roller support", DibujoApoyoMovil(), QSize(32, 32), true, 0);
        Fila("axes", DibujoEjes(), QSize(41, 44), true, 0);
        for (int i = 0; i <= 2; ++i)
            QTest::addRow("logo %d", i) << DibujoLogo(i) << QSize(64, 64) << (i < 2) << 0;
        Fila("splash, opaque", DibujoPresentacion(QSize(450, 300)), QSize(450, 300), true, 255);
    }
    // Crisp at two pixels a point; button faces and the white board show around
    // each figure; and no figure twice, as a slip in a table of pictures would make.
    void dibujos()
    {
        const auto [dibujo, logico, figura, fondo]
            = Datos<QPixmap, QSize, bool, int>("dibujo", "logico", "figura", "fondo");
        QCOMPARE(dibujo.devicePixelRatio(), 2.0);
        QCOMPARE(dibujo.deviceIndependentSize(), QSizeF(logico));
        const QImage imagen = Pixeles(dibujo);
        QCOMPARE(imagen.size(), logico * 2);
        QCOMPARE(qAlpha(imagen.pixel(0, 0)), fondo);
        bool opaco = false;
        for (int y = 0; y < imagen.height(); ++y)
            opaco |= Cubiertos(imagen, y, false, 255) > 0;
        QCOMPARE(opaco, figura);
        static QList<QImage> vistas;
        QVERIFY(!figura || !vistas.contains(imagen));
        vistas << imagen;
    }

    // The board puts the node 240 twips from the symbol's left and 190 from its
    // top (16 px, 12.67 px): its apex, a point with nothing above, must be there.
    void apoyoConVerticeEnElNodo()
    {
        for (const QPixmap& dibujo : { DibujoApoyoFijo(), DibujoApoyoMovil() }) {
            const QImage imagen = Pixeles(dibujo);
            int fila = 0;
            while (fila < imagen.height() && Cubiertos(imagen, fila) == 0)
                ++fila;
            QVERIFY2(qAbs((fila + 0.5) / 2 - 190.0 / 15) <= 1, qPrintable(QString::number(fila)));
            qreal suma = 0;
            for (int x = 0; x < imagen.width(); ++x)
                suma += qAlpha(imagen.pixel(x, fila)) >= 128 ? x + 0.5 : 0;
            QVERIFY(qAbs(suma / Cubiertos(imagen, fila) / 2 - 16) <= 1 && Cubiertos(imagen, fila) < 4);
            QCOMPARE(Cubiertos(imagen, imagen.height() - 1), 0); // and ends inside the picture
        }
    }

    // The X axis is the fullest row and lies low, the Y axis the fullest column and lies left.
    void ejesDesdeAbajoIzquierda()
    {
        const QImage imagen = Pixeles(DibujoEjes(1));
        int fila = 0, columna = 0;
        for (int y = 0; y < imagen.height(); ++y)
            fila = Cubiertos(imagen, y) > Cubiertos(imagen, fila) ? y : fila;
        for (int x = 0; x < imagen.width(); ++x)
            columna = Cubiertos(imagen, x, true) > Cubiertos(imagen, columna, true) ? x : columna;
        QVERIFY(fila >= 44 * 3 / 4 && columna < 41 / 4); // each across two thirds of the picture at least
        QVERIFY(Cubiertos(imagen, fila) >= 41 * 2 / 3 && Cubiertos(imagen, columna, true) >= 44 * 2 / 3);
    }

    // The splash's white titles lie on its upper part: dark there, the light truss below.
    void presentacion()
    {
        const QImage imagen = Pixeles(DibujoPresentacion(QSize(400, 300), 1));
        int arriba = 0, abajo = 0;
        for (int i = 0; i < imagen.height() * imagen.width(); ++i) {
            const int y = i / imagen.width();
            int& masClaro = y < imagen.height() * 45 / 100 ? arriba : abajo;
            masClaro = qMax(masClaro, qGray(imagen.pixel(i % imagen.width(), y)));
        }
        QVERIFY(arriba < 100 && abajo > 170);
        // Regression: an empty size must not yield a broken picture.
        QVERIFY(DibujoPresentacion(QSize(0, 0)).isNull() && DibujoPresentacion(QSize(40, 40), 0).isNull());
    }

    void iconoEnTodosLosTamanos()
    {
        const QIcon icono = IconoAplicacion();
        const QList<QSize> lados { { 16, 16 }, { 32, 32 }, { 48, 48 }, { 64, 64 }, { 128, 128 }, { 256, 256 } };
        QCOMPARE(icono.availableSizes(), lados);
        for (const QSize& lado : lados) {
            const QImage imagen = Pixeles(icono.pixmap(lado, 1.0));
            QVERIFY(imagen.size() == lado && qAlpha(imagen.pixel(0, 0)) == 0);
            QCOMPARE(qAlpha(imagen.pixel(lado.width() / 2, lado.height() / 2)), 255);
        }
        // The about box shows the same mark as the window's icon.
        QCOMPARE(Pixeles(DibujoLogo(0, 1)), Pixeles(icono.pixmap(QSize(64, 64), 1.0)));
        // The icon set before the window is shown: the same small pictures, no large ones.
        const QIcon pequeno = IconoAplicacion(TamanosIcono::Pequenos);
        QCOMPARE(pequeno.availableSizes(), lados.mid(0, 4));
        for (const QSize& lado : pequeno.availableSizes())
            QCOMPARE(Pixeles(pequeno.pixmap(lado, 1.0)), Pixeles(icono.pixmap(lado, 1.0)));
    }
};

QTEST_MAIN(PruebaDibujos)
#include "tst_dibujos.moc"
