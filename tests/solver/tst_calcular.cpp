// Whole trusses drawn and calculated in the real window vs hand results; T the shown tension.

#include "Dibujante.h"

#include <cmath>

namespace {

double Leido(const QString& texto)
{
    return LeerNumero(texto).valor;
}

// Every joint balances shown tensions, loads, reactions (0.05 a force, 0.005 a reaction label).
QString Desequilibrio(const Dibujante& d, const VistaResultados& r)
{
    const Modulo& m = d.m;
    const auto reaccion = [&](int i) { return Leido(r.apoyos[i].section(QStringLiteral(": "), 1)); };
    const double R[3] = { reaccion(0), reaccion(1), reaccion(2) };
    for (int k = 1; k <= m.NumNodos; ++k) {
        const bool fijo = k == m.Apoyos[1], rodillo = k == m.Apoyos[2];
        double sx = m.Nodo(k).Fx + (fijo ? R[0] : 0);
        double sy = m.Nodo(k).Fy + (fijo ? R[1] : 0) + (rodillo ? R[2] : 0);
        double margen = 1e-6 + (fijo ? 0.01 : 0) + (rodillo ? 0.005 : 0);
        for (int b = 1; b <= m.NumBarras; ++b) {
            const BarraRec& barra = m.Barra(b);
            if (barra.NodoInicial != k && barra.NodoFinal != k)
                continue;
            // A tension pulls the joint toward the bar's other end.
            const double t = Leido(d.Fuerza(b)),
                         rad = (barra.Angulo + (barra.NodoInicial == k ? 0 : 180)) * 3.14159265358979 / 180;
            sx += t * std::cos(rad);
            sy += t * std::sin(rad);
            margen += 0.05;
        }
        if (std::abs(sx) > margen || std::abs(sy) > margen)
            return QStringLiteral("joint %1 off by (%2, %3), allowed %4").arg(k).arg(sx).arg(sy).arg(margen);
    }
    return {};
}

// A pixel of bar b just left of its midpoint, clear of its labels.
QPoint PuntoDeBarra(const Principal& p, int b)
{
    QPointF a(C(p).Barra[b]->X1, C(p).Barra[b]->Y1), e(C(p).Barra[b]->X2, C(p).Barra[b]->Y2);
    if (e.x() < a.x() || (e.x() == a.x() && e.y() < a.y()))
        std::swap(a, e);
    const QPointF medio = (a + e) / 2, haciaA = (a - medio) / std::hypot(a.x() - medio.x(), a.y() - medio.y());
    return C(p).Diagrama->viewport()->mapTo(&p, C(p).Diagrama->mapFromScene(medio) + (haciaA * 4).toPoint());
}

} // namespace

class PruebaCalcular : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cerchaDeLibro_data();
    void cerchaDeLibro();
    void barraAbiertaRehusada();
    void imagenConLosColores();
};

void PruebaCalcular::cerchaDeLibro_data()
{
    QTest::addColumn<QString>("pasos");
    QTest::addColumn<QStringList>("fuerzas"); // T by hand, as the board shows it
    QTest::addColumn<QStringList>("reacciones"); // pin X, pin Y, roller Y

    // Each support 500 by symmetry. A: Y 500 + T1 sin 45 = 0, T1 = -707.107;
    // X T3 + T1 cos 45 = 0, T3 = 500. T2 = T1 by symmetry.
    QTest::newRow("right triangle, vertical load")
        << PasosTriangulo << QStringList { "-707.1", "-707.1", "500" } << QStringList { "0.00", "500.00", "500.00" };
    // Reactions 1000, 1000. A: Y 1000 + T1 sin 45 = 0, T1 = -1414.214; X T5 = 1000.
    // B: Y -(T1 + T2) sin 45 = 1000, T2 = 0; X (T2 - T1) cos 45 + T7 = 0, T7 = -1000.
    // C: Y (T2 + T3) sin 45 = 0, T3 = 0; X T6 = T5. D, E mirror B, A.
    QTest::newRow("symmetric Warren") << PasosWarren
                                      << QStringList { "-1414.2", "0", "0", "-1414.2", "1000", "1000", "-1000" }
                                      << QStringList { "0.00", "1000.00", "1000.00" };
    // Pin X -1000; moments about A: the push at height 2 needs 2000 up at the
    // roller (x = 1), the pin -2000. E: T8 = -1000, T6 = 0. F: X -T8 - T9 cos 45
    // = 0, T9 = 1414.214; Y T7 = -1000. C: X T4 = -1000; Y T2 = T9 sin 45 = 1000.
    // D: X T5 = 1414.214; Y T3 = T7 - 1000 = -2000. A: X T1 = 1000 - 1000 = 0.
    QTest::newRow("cantilever, horizontal load")
        << PasosTorre << QStringList { "0", "1000", "-2000", "-1000", "1414.2", "0", "-1000", "-1000", "1414.2" }
        << QStringList { "-1000.00", "-2000.00", "2000.00" };
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
        << QStringList { "0.00", "2000.00", "2000.00" };
}

void PruebaCalcular::cerchaDeLibro()
{
    QFETCH(QString, pasos);
    QFETCH(QStringList, fuerzas);
    QFETCH(QStringList, reacciones);
    Dibujante d;
    QVERIFY(d.Mostrar());
    d.Dibujar(pasos);
    QCOMPARE(int(d.m.NumBarras), int(fuerzas.size()));
    d.Calcular();
    QCOMPARE(d.p.MensajeActual(), Calculada);
    const VistaResultados r = AbrirResultados(d.p);
    QVERIFY(r.abierta && r.lineas.size() == d.m.NumBarras);
    for (int b = 1; b <= d.m.NumBarras; ++b) {
        const QString t = fuerzas[b - 1];
        QCOMPARE(d.Fuerza(b), t);
        QCOMPARE(d.Color(b), Leido(t) > 0 ? Rojo : Leido(t) < 0 ? Azul : Cero);
        // The list: number, end letters, the same value with one decimal.
        const BarraRec& barra = d.m.Barra(b);
        const QString nodos
            = QChar(u'A' + barra.NodoInicial - 1) + QStringLiteral(" - ") + QChar(u'A' + barra.NodoFinal - 1);
        QCOMPARE(r.lineas[b - 1], QStringLiteral("%1\t%2\t%3").arg(b).arg(nodos, t.contains(u'.') ? t : t + ".0"));
        // Placed after the bar's number, bottom edges aligned, in front of it.
        const Etiqueta &numero = *C(d.p).lbBarra[b], &fuerza = *C(d.p).lbFuerza[b];
        QVERIFY(fuerza.EsVisible() && fuerza.item->zValue() > numero.item->zValue());
        QCOMPARE(fuerza.Left(), numero.Left() + numero.Width());
        QVERIFY(std::abs(fuerza.Top() + fuerza.Height() - numero.Top() - numero.Height()) < 0.01f);
    }
    QCOMPARE(r.apoyos,
        (QStringList {
            "Apoyo Fijo X: " + reacciones[0], "Apoyo Fijo Y: " + reacciones[1], "Apoyo Movil Y: " + reacciones[2] }));
    QVERIFY(r.filas == 2 * d.m.NumNodos + 1 && r.columnas == 2 * d.m.NumNodos + 2);
    const QString falta = Desequilibrio(d, r);
    QVERIFY2(falta.isEmpty(), qPrintable(falta));
    // Again, in a regional locale: the same system, the labels with its separator.
    const Matriz calculo = d.m.MatrizCalculo, inicial = d.m.MatrizInicial;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    d.Calcular();
    QVERIFY(d.m.MatrizCalculo == calculo && d.m.MatrizInicial == inicial);
    QCOMPARE(d.Fuerzas(), fuerzas.replaceInStrings(QStringLiteral("."), QStringLiteral(",")));
}

void PruebaCalcular::barraAbiertaRehusada()
{
    Dibujante d;
    QVERIFY(d.Mostrar());
    d.Dibujar(QStringLiteral("N0,0 T1,45 T2,315 S1,3"));
    d.Herramienta(HerrBarra);
    d.ClicNodo(1); // bar 3 opened at A: three bars, three nodes, Calcular enabled
    QVERIFY(d.m.NumBarras == 3 && d.m.Barra(3).NodoFinal == 0);
    d.Calcular();
    QVERIFY2(d.p.MensajeActual().startsWith(QStringLiteral("Termine el elemento")), qPrintable(d.p.MensajeActual()));
    QVERIFY(!C(d.p).Resultados->isEnabled() && d.m.MatrizInicial == Matriz {}); // nothing assembled: no rows for node 0
    QVERIFY(
        d.Colores() == QList<QColor>(3, Cero) && !C(d.p).lbFuerza[1]->EsVisible() && !C(d.p).lbFuerza[3]->EsVisible());
    // Still open; closing it at C lets the calculation go on (no load: all 0).
    d.ClicNodo(3);
    d.Calcular();
    QCOMPARE(d.p.MensajeActual(), Calculada);
    QCOMPARE(d.Fuerzas(), (QStringList { "0", "0", "0" }));
}

void PruebaCalcular::imagenConLosColores()
{
    Dibujante d;
    QVERIFY(d.Mostrar());
    d.Dibujar(PasosTorre); // all three kinds: 4 bars in compression, 3 in tension, 2 at zero
    d.Calcular();
    const QImage imagen = d.p.grab().toImage();
    QList<QColor> vistos;
    for (int b = 1; b <= 9; ++b) {
        const QColor visto = imagen.pixelColor(PuntoDeBarra(d.p, b));
        for (const QColor& c : { Azul, Rojo, Cero })
            if (std::abs(visto.red() - c.red()) + std::abs(visto.green() - c.green())
                    + std::abs(visto.blue() - c.blue())
                <= 24)
                vistos << c;
        QCOMPARE(vistos.size(), b);
    }
    QCOMPARE(vistos, (QList<QColor> { Cero, Rojo, Azul, Azul, Rojo, Cero, Azul, Azul, Rojo }));
}

QTEST_MAIN(PruebaCalcular)
#include "tst_calcular.moc"
