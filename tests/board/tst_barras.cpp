// The live length and angle of a bar, open and then closed at a node.

#include "tools/VentanaPrueba.h"

class PruebaBarras : public QObject {
    Q_OBJECT
private slots:
    // The boxes are read back as numbers: "." even in a comma region.
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void medida_data()
    {
        // alturaDoble: the size tool has set the height.
        Columnas<QPointF, QPointF, QString, bool>("inicio", "fin", "textos", "alturaDoble");
        // 3-4-5 triangles in the four quadrants: atan(4/3) = 53.13 degrees.
        Fila("first quadrant", QPointF(4, 1), QPointF(7, 5), "5 53.1", false);
        Fila("second quadrant", QPointF(4, 1), QPointF(1, 5), "5 126.8", false);
        Fila("third quadrant", QPointF(4, 5), QPointF(1, 1), "5 233.1", false);
        Fila("fourth quadrant", QPointF(4, 5), QPointF(7, 1), "5 306.8", false);
        // sqrt(2) = 1.414 cut to 1.41; atan(1) * 1800 / 3.141592 = 450.00008.
        Fila("diagonal up", QPointF(1, 1), QPointF(2, 2), "1.41 45", false);
        // atan(-1): -450.00008 goes down to -451, so 180 - 45.1.
        Fila("short pi, second quadrant", QPointF(2, 1), QPointF(1, 2), "1.41 134.9", false);
        Fila("short pi, fourth quadrant", QPointF(1, 2), QPointF(2, 1), "1.41 314.9", false);
        Fila("horizontal right", QPointF(1, 1), QPointF(3, 1), "2 0", false);
        Fila("horizontal left", QPointF(3, 1), QPointF(1, 1), "2 180", false);
        // sqrt(5) = 2.236 is cut, not rounded; atan(0.5) = 26.56 degrees.
        Fila("length truncated, height set", QPointF(1, 1), QPointF(3, 2), "2.23 26.5", true);
        // Regression: equal x used to leave the previous angle in the box.
        Fila("vertical up", QPointF(2, 1), QPointF(2, 3), "2 90", false);
        Fila("vertical down", QPointF(2, 3), QPointF(2, 1), "2 270", false);
    }
    void medida()
    {
        const auto [inicio, fin, textos, alturaDoble]
            = Datos<QPointF, QPointF, QString, bool>("inicio", "fin", "textos", "alturaDoble");
        Ventana v;
        if (alturaDoble) { // the drawing-area tool, even at the start size, computes Y in double
            v.Elegir(HerrArea);
            v.Escribir("10|5", true);
        }
        v.p.AgregarNodo(inicio.x(), inicio.y());
        v.p.AgregarNodo(fin.x(), fin.y());
        v.Elegir(HerrBarra);
        // Presses land inside a dot off its point, also where the search square starts at the top edge.
        const auto clicEn = [&](QPointF n) { v.p.Diagrama_MouseDown({ 1, 0, Xt(n.x()) + 30, Yt(n.y()) + 20 }); };
        clicEn(inicio);
        // A far pointer first, so that each text is seen to be rewritten.
        const EventoPuntero lejos { 0, 0, 8000, 6000 };
        v.p.Diagrama_MouseMove(lejos);
        QVERIFY(C(v.p).Prin->text() + " " + C(v.p).Angulo->text() != textos);
        v.Mover(fin.x(), fin.y());
        QCOMPARE(C(v.p).Prin->text() + " " + C(v.p).Angulo->text(), textos);
        // Closed by a press on node 2: the line goes onto its point, measured again.
        v.p.Diagrama_MouseMove(lejos);
        clicEn(fin);
        QCOMPARE(v.m.Barra(1).NodoFinal, int16_t(2));
        QCOMPARE(C(v.p).Barra[1]->item->line(), QLineF(Xt(inicio.x()), Yt(inicio.y()), Xt(fin.x()), Yt(fin.y())));
        QCOMPARE(C(v.p).Prin->text() + " " + C(v.p).Angulo->text(), textos);
        QCOMPARE(QString("%1 %2").arg(v.m.Barra(1).Longitud).arg(v.m.Barra(1).Angulo), textos);
    }
};

QTEST_MAIN(PruebaBarras)
#include "tst_barras.moc"
