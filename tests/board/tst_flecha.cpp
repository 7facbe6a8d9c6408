// The load arrow's head: where it stands and where it points, and how the
// board draws it with its line at one and two device pixels a pixel.

#include "board/CopiaTablero.h"
#include "board/Flecha.h"
#include "tools/VentanaPrueba.h"

namespace {

// The colour at a board point in twips.
QColor En(const QImage& imagen, double x, double y)
{
    const qreal k = imagen.devicePixelRatio() / 15;
    return imagen.pixelColor(int(x * k), int(y * k));
}

} // namespace

class PruebaFlecha : public QObject {
    Q_OBJECT
private slots:
    void punta_data()
    {
        Columnas<QPointF, QPointF, QPointF, QPointF, QPointF>("libre", "direccion", "punta", "ala1", "ala2");
        // Node at (1000, 1000), free end 500 twips away; y grows downward. The tip stands 60 back from the node
        // toward the free end, the back edge 180 further, its corners 90 to each side.
        Fila("0 deg: line to the right, pushes left", QPointF(1500, 1000), QPointF(-1, 0), QPointF(1060, 1000),
            QPointF(1240, 910), QPointF(1240, 1090));
        Fila("90 deg: line above, pushes down", QPointF(1000, 500), QPointF(0, 1), QPointF(1000, 940),
            QPointF(910, 760), QPointF(1090, 760));
        Fila("180 deg: line to the left, pushes right", QPointF(500, 1000), QPointF(1, 0), QPointF(940, 1000),
            QPointF(760, 1090), QPointF(760, 910));
        Fila("270 deg: line below, pushes up", QPointF(1000, 1500), QPointF(0, -1), QPointF(1000, 1060),
            QPointF(1090, 1240), QPointF(910, 1240));
        // 53.13 deg, a 3-4-5 line (300, -400): direction (-0.6, 0.8); tip 60 x (0.6, -0.8) = (36, -48) from the
        // node, back edge at 240 x (0.6, -0.8) = (144, -192), corners 90 x (0.8, 0.6) = (72, 54) to each side.
        Fila("oblique 3-4-5", QPointF(1300, 600), QPointF(-0.6, 0.8), QPointF(1036, 952), QPointF(1072, 754),
            QPointF(1216, 862));
    }
    void punta()
    {
        const auto [libre, direccion, punta, ala1, ala2]
            = Datos<QPointF, QPointF, QPointF, QPointF, QPointF>("libre", "direccion", "punta", "ala1", "ala2");
        const PuntaFlecha f = PuntaCarga(QPointF(1000, 1000), libre);
        QVERIFY(f.hay);
        QCOMPARE(f.direccion, direccion);
        QCOMPARE(f.punta, punta);
        QCOMPARE(f.ala1, ala1);
        QCOMPARE(f.ala2, ala2);
        QCOMPARE(f.base, (ala1 + ala2) / 2);
    }
    void sinLargoNoHayPunta() { QVERIFY(!PuntaCarga(QPointF(7, 7), QPointF(7, 7)).hay); }

    void dibujadaConSuLinea_data()
    {
        QTest::addColumn<qreal>("proporcion");
        QTest::newRow("1x") << qreal(1);
        QTest::newRow("2x") << qreal(2);
    }
    void dibujadaConSuLinea()
    {
        QFETCH(qreal, proporcion);
        Ventana v;
        v.p.AgregarNodo(3, 1); // board (1605, 2160)
        v.Elegir(HerrCarga);
        v.Clic(3, 1);
        v.Escribir("1000|90", true); // line up to (1605, 1660); head from y 1920 down to its tip at 2100
        const QColor verde(0, 128, 64), rojo(255, 0, 0);
        QImage imagen = ImagenTablero(*C(v.p).Diagrama, proporcion);
        // 50 twips left of the axis (the node's letter stands to the right), past the 75-twip shaft: inside the
        // head near its back edge, outside it near its tip, so the head widens upward and points down onto the node.
        QCOMPARE(En(imagen, 1555, 1950), verde);
        QCOMPARE(En(imagen, 1555, 2080), QColor(Qt::white));
        QCOMPARE(En(imagen, 1605, 1700), verde); // the shaft
        QCOMPARE(En(imagen, 1605, 2160), rojo); // the node dot stays in view under the tip
        C(v.p).Fuerza[1]->Visible(false);
        imagen = ImagenTablero(*C(v.p).Diagrama, proporcion);
        QCOMPARE(En(imagen, 1555, 1950), QColor(Qt::white));
        QCOMPARE(En(imagen, 1605, 1700), QColor(Qt::white));
    }
};

QTEST_MAIN(PruebaFlecha)
#include "tst_flecha.moc"
