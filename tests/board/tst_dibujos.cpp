// The pictures: the sizes the windows lay out by, their transparency, where the support symbols put the node; the load
// arrow's head, where it stands and points, drawn with its line at one and two device pixels a pixel.

#include "board/CopiaTablero.h"
#include "board/Dibujos.h"
#include "board/Flecha.h"
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
        // figura: false for an unknown index, blank; fondo: the corner's alpha. 480 x 480 and 615 x 660 twips at 15
        // twips a pixel.
        Columnas<QPixmap, QSize, bool, int>("dibujo", "logico", "figura", "fondo");
        for (int i = -1; i <= 6; ++i)
            QTest::addRow("tool %d", i) << DibujoHerramienta(i) << QSize(32, 32) << (i >= 0 && i < 6) << 0;
        for (int i = 0; i <= 4; ++i)
            QTest::addRow("command %d", i) << DibujoComando(i) << QSize(32, 32) << (i < 4) << 0;
        Fila("fixed support", DibujoApoyoFijo(), QSize(32, 32), true, 0);
        Fila("roller support", DibujoApoyoMovil(), QSize(32, 32), true, 0);
        Fila("axes", DibujoEjes(), QSize(41, 44), true, 0);
        for (int i = 0; i <= 2; ++i)
            QTest::addRow("logo %d", i) << DibujoLogo(i) << QSize(64, 64) << (i < 2) << 0;
        Fila("splash, opaque", DibujoPresentacion(QSize(450, 300)), QSize(450, 300), true, 255);
    }
    // Crisp at two pixels a point; button faces and the white board show around each figure; and no figure twice, as a
    // slip in a table of pictures would make.
    void dibujos()
    {
        const auto [dibujo, logico, figura, fondo]
            = Datos<QPixmap, QSize, bool, int>("dibujo", "logico", "figura", "fondo");
        const QImage imagen = Pixeles(dibujo);
        QVERIFY(dibujo.devicePixelRatio() == 2.0 && dibujo.deviceIndependentSize() == QSizeF(logico));
        QVERIFY(imagen.size() == logico * 2 && qAlpha(imagen.pixel(0, 0)) == fondo);
        bool opaco = false;
        for (int y = 0; y < imagen.height(); ++y)
            opaco |= Cubiertos(imagen, y, false, 255) > 0;
        QCOMPARE(opaco, figura);
        static QList<QImage> vistas;
        QVERIFY(!figura || !vistas.contains(imagen));
        vistas << imagen;
    }

    // The board puts the node 240 twips from the symbol's left and 190 from its top (16 px, 12.67 px): its apex, a
    // point with nothing above, must be there, and the symbol end inside the picture. The X axis of the axes picture is
    // its fullest row and lies low, the Y axis the fullest column and lies left.
    void apoyosYEjes()
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
            QCOMPARE(Cubiertos(imagen, imagen.height() - 1), 0);
        }
        const QImage ejes = Pixeles(DibujoEjes(1));
        int fila = 0, columna = 0;
        for (int y = 0; y < ejes.height(); ++y)
            fila = Cubiertos(ejes, y) > Cubiertos(ejes, fila) ? y : fila;
        for (int x = 0; x < ejes.width(); ++x)
            columna = Cubiertos(ejes, x, true) > Cubiertos(ejes, columna, true) ? x : columna;
        QVERIFY(fila >= 44 * 3 / 4 && columna < 41 / 4); // each across two thirds of the picture at least
        QVERIFY(Cubiertos(ejes, fila) >= 41 * 2 / 3 && Cubiertos(ejes, columna, true) >= 44 * 2 / 3);
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
        for (const QSize& lado : icono.availableSizes()) {
            const QImage imagen = Pixeles(icono.pixmap(lado, 1.0));
            QVERIFY(imagen.size() == lado && qAlpha(imagen.pixel(0, 0)) == 0);
            QCOMPARE(qAlpha(imagen.pixel(lado.width() / 2, lado.height() / 2)), 255);
        }
        QVERIFY(icono.availableSizes().size() == 6 && icono.availableSizes().last() == QSize(256, 256));
        QCOMPARE(Pixeles(DibujoLogo(0, 1)), Pixeles(icono.pixmap(QSize(64, 64), 1.0))); // the about box's mark
    }

    // Node at (1000, 1000), free end 500 twips away along a 3-4-5 line (300, -400), y growing downward: direction
    // (-0.6, 0.8). The tip stands 60 back from the node toward the free end, 60 x (0.6, -0.8) = (36, -48); the back
    // edge 180 further, at 240 x (0.6, -0.8) = (144, -192); its corners 90 x (0.8, 0.6) = (72, 54) to each side. A
    // line of no length has no direction: no head.
    void punta()
    {
        const PuntaFlecha f = PuntaCarga(QPointF(1000, 1000), QPointF(1300, 600));
        QVERIFY(f.hay && !PuntaCarga(QPointF(7, 7), QPointF(7, 7)).hay);
        QCOMPARE(QList({ f.direccion, f.punta, f.ala1, f.ala2, f.base }),
            QList({ QPointF(-0.6, 0.8), QPointF(1036, 952), QPointF(1072, 754), QPointF(1216, 862),
                QPointF(1144, 808) }));
    }

    // 1000 N at node (1605, 2160) drawn at 90 degrees: the line up to (1605, 1660), the head from y 1920 down to its
    // tip at 2100. 50 twips left of the axis (the node's letter stands to the right), past the 75-twip shaft: inside
    // the head near its back edge, outside it near its tip, so the head widens upward and points down onto the node,
    // whose dot stays in view under the tip. The picture has the board's size in device pixels; Ctrl+C on the board
    // copies it at the screen's resolution, and in a text box of the panel that box's text.
    void dibujadaConSuLinea()
    {
        Ventana v;
        QVERIFY(v.Mostrar() && QTest::qWaitForWindowActive(&v.p));
        v.p.AgregarNodo(3, 1);
        v.Elegir(HerrCarga);
        v.Clic(3, 1);
        v.Escribir("1000|90", true);
        const auto colores = [&](const QImage& imagen) {
            const qreal proporcion = imagen.devicePixelRatio();
            QStringList vistos { QString::number(imagen.width()) + "x" + QString::number(imagen.height()) };
            for (QPointF punto : { QPointF(1555, 1950), QPointF(1555, 2080), QPointF(1605, 1700), QPointF(1605, 2160) })
                vistos << imagen.pixelColor(int(punto.x() * proporcion / 15), int(punto.y() * proporcion / 15)).name();
            return vistos.join(' ') + " " + QString::number(proporcion);
        };
        Tablero* tablero = C(v.p).Diagrama;
        tablero->setFocus();
        QTRY_VERIFY(tablero->hasFocus() && QGuiApplication::focusWindow() == v.p.windowHandle());
        QTest::keyClick(tablero, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(colores(QGuiApplication::clipboard()->image()) + "|" + colores(ImagenTablero(*tablero, 2)),
            "584x406 #008040 #ffffff #008040 #ff0000 1|1168x812 #008040 #ffffff #008040 #ff0000 2");
        C(v.p).Fuerza[1]->Visible(false);
        QCOMPARE(colores(ImagenTablero(*tablero, 2)), "1168x812 #ffffff #ffffff #ffffff #ff0000 2");
        v.Elegir(HerrNodo); // the focus to the first box, its text selected
        QTest::keyClick(C(v.p).Prin, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(
            QGuiApplication::clipboard()->text() == "1000" && !QGuiApplication::clipboard()->mimeData()->hasImage());
    }
};

QTEST_MAIN(PruebaDibujos)
#include "tst_dibujos.moc"
