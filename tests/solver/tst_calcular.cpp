// Whole trusses drawn through the real window (tool buttons, presses on the
// board, typing, Aceptar), calculated with the Calcular button and read back
// from the board and the results window, against member forces and reactions
// worked out by hand. T is the tension, what the board shows (-Fuerza).

#include "Dibujante.h"

#include <cmath>

namespace {

const QString NoCuadrada = QStringLiteral("Cercha mal determinada, matriz de cálculo no es cuadrada");

double Leido(const QString& texto)
{
    return LeerNumero(texto).valor;
}

// At every joint the displayed tensions along the stored angles, the loads and
// the reactions sum to zero, within 0.05 per force label and 0.005 per
// reaction label meeting there; over the whole, loads and reactions balance.
QString Desequilibrio(const Dibujante& d, const VistaResultados& r)
{
    const Modulo& m = d.m;
    double R[3];
    for (int i = 0; i < 3; ++i)
        R[i] = Leido(r.apoyos[i].section(QStringLiteral(": "), 1));
    double tx = R[0], ty = R[1] + R[2];
    for (int k = 1; k <= m.NumNodos; ++k) {
        const bool fijo = k == m.Apoyos[1], rodillo = k == m.Apoyos[2];
        double sx = m.Nodos[k].Fx + (fijo ? R[0] : 0);
        double sy = m.Nodos[k].Fy + (fijo ? R[1] : 0) + (rodillo ? R[2] : 0);
        double margen = 1e-6 + (fijo ? 0.01 : 0) + (rodillo ? 0.005 : 0);
        tx += m.Nodos[k].Fx;
        ty += m.Nodos[k].Fy;
        for (int b = 1; b <= m.NumBarras; ++b) {
            const BarraRec& barra = m.Barras[b];
            if (barra.NodoInicial != k && barra.NodoFinal != k)
                continue;
            // A tension pulls the joint toward the bar's other end.
            const double rad = (barra.Angulo + (barra.NodoInicial == k ? 0 : 180)) * 3.14159265358979 / 180;
            sx += Leido(d.Fuerza(b)) * std::cos(rad);
            sy += Leido(d.Fuerza(b)) * std::sin(rad);
            margen += 0.05;
        }
        if (std::abs(sx) > margen || std::abs(sy) > margen)
            return QStringLiteral("joint %1 off by (%2, %3), allowed %4").arg(k).arg(sx).arg(sy).arg(margen);
    }
    return std::abs(tx) > 0.01 || std::abs(ty) > 0.01 ? QStringLiteral("whole off by (%1, %2)").arg(tx).arg(ty)
                                                      : QString();
}

// The main window's pixel over a point of bar b a few pixels before its
// midpoint, away from the number label (which hangs right of and below it).
QPoint PuntoDeBarra(const Principal& p, int b)
{
    QPointF a(p.Barra[b]->X1, p.Barra[b]->Y1), e(p.Barra[b]->X2, p.Barra[b]->Y2);
    if (e.x() < a.x() || (e.x() == a.x() && e.y() < a.y()))
        std::swap(a, e);
    const QPointF medio = (a + e) / 2, haciaA = (a - medio) / std::hypot(a.x() - medio.x(), a.y() - medio.y());
    return p.Diagrama->viewport()->mapTo(&p, p.Diagrama->mapFromScene(medio) + (haciaA * 4).toPoint());
}

} // namespace

class PruebaCalcular : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cerchaDeLibro_data();
    void cerchaDeLibro();
    void dosVecesIgual();
    void cuatroNodosCuatroBarras();
    void barraAbiertaRehusada();
    void imagenConLosColores();
};

void PruebaCalcular::cerchaDeLibro_data()
{
    QTest::addColumn<QString>("pasos");
    QTest::addColumn<QStringList>("fuerzas"); // T by hand, as the board shows it
    QTest::addColumn<QStringList>("reacciones"); // pin X, pin Y, roller Y
    QTest::addColumn<double>("tolerancia"); // 0: every angle exact, texts equal

    // Each support 500 by symmetry. A: Y 500 + T1 sin 45 = 0, T1 = -707.107;
    // X T3 + T1 cos 45 = 0, T3 = 500. T2 = T1 by symmetry.
    QTest::newRow("right triangle, vertical load") << PasosTriangulo << QStringList { "-707.1", "-707.1", "500" }
                                                   << QStringList { "0.00", "500.00", "500.00" } << 0.0;
    // Reactions 1000, 1000. A: Y 1000 + T1 sin 45 = 0, T1 = -1414.214; X T5 = 1000.
    // B: Y -(T1 + T2) sin 45 = 1000, T2 = 0; X (T2 - T1) cos 45 + T7 = 0, T7 = -1000.
    // C: Y (T2 + T3) sin 45 = 0, T3 = 0; X T6 = T5. D, E mirror B, A.
    QTest::newRow("symmetric Warren") << PasosWarren
                                      << QStringList { "-1414.2", "0", "0", "-1414.2", "1000", "1000", "-1000" }
                                      << QStringList { "0.00", "1000.00", "1000.00" } << 0.0;
    // Pin X -1000; moments about A: the push at height 2 needs 2000 up at the
    // roller (x = 1), the pin -2000. E: T8 = -1000, T6 = 0. F: X -T8 - T9 cos 45
    // = 0, T9 = 1414.214; Y T7 = -1000. C: X T4 = -1000; Y T2 = T9 sin 45 = 1000.
    // D: X T5 = 1414.214; Y T3 = T7 - 1000 = -2000. A: X T1 = 1000 - 1000 = 0.
    QTest::newRow("cantilever, horizontal load")
        << PasosTorre << QStringList { "0", "1000", "-2000", "-1000", "1414.2", "0", "-1000", "-1000", "1414.2" }
        << QStringList { "-1000.00", "-2000.00", "2000.00" } << 0.0;
    // Warren of 45-degree diagonals, node k at (k - 1, 1 if k even); bars 1-10
    // the zigzag, 11-15 the bottom chord 1-3-...-11, 16-19 the top chord
    // 2-4-...-10; 1000 N down at C, E, G, I. Reactions 2000, 2000. Panel shears
    // 2000, 1000, 0, -1000, -2000: diagonals +-shear x sqrt 2. Chords by moments
    // of the left part (lever 1 m): T11 = 2000, T12 = 6000 - 1000, T13 = 10000
    // - 3000 - 1000; T16 = -4000, T17 = -(8000 - 2000); the right half mirrors.
    QTest::newRow("largest: 11 nodes, 19 bars")
        << QStringLiteral("N0,0 T1,45 T2,315 T3,45 T4,315 T5,45 T6,315 T7,45 T8,315 T9,45 T10,315 B1,3 B3,5 "
                          "B5,7 B7,9 B9,11 B2,4 B4,6 B6,8 B8,10 S1,11 C3,90 C5,90 C7,90 C9,90")
        << QStringList { "-2828.4", "2828.4", "-1414.2", "1414.2", "0", "0", "1414.2", "-1414.2", "2828.4", "-2828.4",
               "2000", "5000", "6000", "5000", "2000", "-4000", "-6000", "-6000", "-4000" }
        << QStringList { "0.00", "2000.00", "2000.00" } << 0.0;
    // 3-4-5 triangle A(0,0), B(5,0), C(1.8,2.4), pressed only. Moments about
    // A: roller 1.8 x 1000 / 5 = 360, pin 640. At C the bars meet at right
    // angles: T3 = -800, T2 = -600; at B, T1 = 0.8 x 600 = 480. The stored
    // angles (53.1, 143.1) turn the sloping bars by 0.03 deg: within 0.3 %.
    QTest::newRow("3-4-5 triangle by presses")
        << QStringLiteral("N0,0 N5,0 N1.8,2.4 B1,2 B2,3 B1,3 S1,2 C3,90") << QStringList { "480", "-600", "-800" }
        << QStringList { "0", "640", "360" } << 0.003;
}

void PruebaCalcular::cerchaDeLibro()
{
    QFETCH(QString, pasos);
    QFETCH(QStringList, fuerzas);
    QFETCH(QStringList, reacciones);
    QFETCH(double, tolerancia);
    Dibujante d;
    QVERIFY(d.Mostrar());
    d.Dibujar(pasos);
    QCOMPARE(int(d.m.NumBarras), int(fuerzas.size()));
    d.Calcular();
    QCOMPARE(d.p.MensajeActual(), Calculada);
    const VistaResultados r = AbrirResultados(d.p);
    QVERIFY(r.abierta);
    QCOMPARE(int(r.lineas.size()), int(d.m.NumBarras));
    const auto cerca = [&](const QString& visto, const QString& mano, double escala) {
        return tolerancia == 0 ? visto == mano : std::abs(Leido(visto) - Leido(mano)) <= tolerancia * escala + 0.05;
    };
    for (int b = 1; b <= d.m.NumBarras; ++b) {
        const QString t = d.Fuerza(b);
        const double mano = Leido(fuerzas[b - 1]);
        QVERIFY2(cerca(t, fuerzas[b - 1], std::abs(mano)), qPrintable(QString::number(b) + ": " + t));
        QCOMPARE(d.Color(b), mano > 0 ? Rojo : mano < 0 ? Azul : Cero);
        // The list: number, end letters, the same value with one decimal.
        const BarraRec& barra = d.m.Barras[b];
        const QString nodos
            = QChar(u'A' + barra.NodoInicial - 1) + QStringLiteral(" - ") + QChar(u'A' + barra.NodoFinal - 1);
        QCOMPARE(r.lineas[b - 1], QStringLiteral("%1\t%2\t%3").arg(b).arg(nodos, t.contains(u'.') ? t : t + ".0"));
        // Placed after the bar's number, bottom edges aligned, in front of it.
        const Etiqueta &numero = *d.p.lbBarra[b], &fuerza = *d.p.lbFuerza[b];
        QVERIFY(fuerza.EsVisible());
        QCOMPARE(fuerza.Left(), numero.Left() + numero.Width());
        QVERIFY(std::abs(fuerza.Top() + fuerza.Height() - numero.Top() - numero.Height()) < 0.01f);
        QVERIFY(fuerza.item->zValue() > numero.item->zValue());
    }
    const QString nombres[3] = { "Apoyo Fijo X: ", "Apoyo Fijo Y: ", "Apoyo Movil Y: " };
    for (int i = 0; i < 3; ++i)
        QVERIFY2(r.apoyos[i].startsWith(nombres[i]) && cerca(r.apoyos[i].mid(nombres[i].size()), reacciones[i], 1000),
            qPrintable(r.apoyos[i]));
    QCOMPARE(r.filas, 2 * d.m.NumNodos + 1);
    QCOMPARE(r.columnas, 2 * d.m.NumNodos + 2);
    const QString falta = Desequilibrio(d, r);
    QVERIFY2(falta.isEmpty(), qPrintable(falta));
}

void PruebaCalcular::dosVecesIgual()
{
    Dibujante d;
    QVERIFY(d.Mostrar());
    d.Dibujar(PasosWarren);
    d.Calcular();
    const QStringList fuerzas = d.Fuerzas();
    const QList<QColor> colores = d.Colores();
    const Matriz calculo = d.m.MatrizCalculo, inicial = d.m.MatrizInicial;
    d.Calcular();
    QCOMPARE(d.p.MensajeActual(), Calculada);
    QCOMPARE(d.Fuerzas(), fuerzas);
    QCOMPARE(d.Colores(), colores);
    QVERIFY(d.m.MatrizCalculo == calculo && d.m.MatrizInicial == inicial);
    // The labels are display texts: the regional separator.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    d.Calcular();
    QCOMPARE(d.Fuerza(1), QStringLiteral("-1414,2"));
}

void PruebaCalcular::cuatroNodosCuatroBarras()
{
    Dibujante d;
    QVERIFY(d.Mostrar());
    d.Dibujar(PasosTriangulo);
    d.Calcular();
    const QStringList fuerzas = d.Fuerzas();
    d.Dibujar(QStringLiteral("N3,1 B3,4")); // 2 x 4 = 8 is not 4 + 3
    QVERIFY(d.m.NumNodos == 4 && d.m.NumBarras == 4);
    d.Calcular();
    QCOMPARE(d.p.MensajeActual(), NoCuadrada);
    QCOMPARE(d.Fuerzas().mid(0, 3), fuerzas);
    QVERIFY(!d.p.lbFuerza[4]->EsVisible());
    QCOMPARE(d.Colores(), (QList<QColor> { Azul, Azul, Rojo, Cero }));
    QVERIFY(d.p.Resultados->isEnabled()); // still the triangle's results
}

void PruebaCalcular::barraAbiertaRehusada()
{
    Dibujante d;
    QVERIFY(d.Mostrar());
    d.Dibujar(QStringLiteral("N0,0 T1,45 T2,315 S1,3"));
    d.Herramienta(HerrBarra);
    d.ClicNodo(1); // bar 3 opened at A: three bars, three nodes, Calcular enabled
    QVERIFY(d.m.NumBarras == 3 && d.m.Barras[3].NodoFinal == 0);
    d.Calcular();
    QVERIFY2(d.p.MensajeActual().startsWith(QStringLiteral("Termine el elemento")), qPrintable(d.p.MensajeActual()));
    QVERIFY(!d.p.Resultados->isEnabled());
    QVERIFY(d.m.MatrizInicial == Matriz {}); // nothing assembled: no rows for node 0
    for (int b = 1; b <= 3; ++b)
        QVERIFY(!d.p.lbFuerza[b]->EsVisible() && d.Color(b) == Cero);
    // Still open; closing it at C lets the calculation go on (no load: all 0).
    d.ClicNodo(3);
    d.Calcular();
    QCOMPARE(d.p.MensajeActual(), Calculada);
    QCOMPARE(d.Fuerzas(), (QStringList { "0", "0", "0" }));
}

void PruebaCalcular::imagenConLosColores()
{
    // The tower has all three kinds: 4 bars in compression, 3 in tension, 2 at zero.
    Dibujante d;
    QVERIFY(d.Mostrar());
    d.Dibujar(PasosTorre);
    d.Calcular();
    const QImage imagen = d.p.grab().toImage();
    QList<QColor> vistos;
    for (int b = 1; b <= 9; ++b) {
        const QColor visto = imagen.pixelColor(PuntoDeBarra(d.p, b));
        for (const QColor& color : { Azul, Rojo, Cero })
            if (std::abs(visto.red() - color.red()) + std::abs(visto.green() - color.green())
                    + std::abs(visto.blue() - color.blue())
                <= 24)
                vistos << color;
        QCOMPARE(vistos.size(), b);
    }
    QCOMPARE(vistos, (QList<QColor> { Cero, Rojo, Azul, Azul, Rojo, Cero, Azul, Azul, Rojo }));
}

QTEST_MAIN(PruebaCalcular)
#include "tst_calcular.moc"
