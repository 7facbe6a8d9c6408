// The results window: grid, list, reactions, placement, highlight and closing,
// for trusses written into the model (drawn end to end in tests/solver).

#include "solver/Cercha.h"
#include "solver/Dibujante.h"

#include <QHeaderView>
#include <QPointer>

namespace {

// Right isosceles triangle A(0,0), B(2,0), C(1,1); bars A->B, B->C, A->C; pin
// A, roller B; 1000 N down at C. Supports 500 each by symmetry; at A, Y: 500 +
// T3 sin 45 = 0, T3 = -707.1; X: T1 = 500; T2 = T3 by symmetry.
void Apice(Modulo& m, double fx = 0)
{
    ArmarCercha(m, { { 0, 0 }, { 2, 0 }, { 1, 1, fx, -1000 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
}

// Warren A(0,0), B(2,0), C(4,0), D(1,1), E(3,1); bars AB, BC, A->D, D->B, B->E,
// E->C, D->E; 1000 N down at D and E; pin A, roller C. Reactions 1000; tension
// at A: A->D -1414.2, AB 1000; at D: D->B 0, DE -1000; at B: B->E 0, BC 1000.
void Warren(Modulo& m)
{
    ArmarCercha(m, { { 0, 0 }, { 2, 0 }, { 4, 0 }, { 1, 1, 0, -1000 }, { 3, 1, 0, -1000 } },
        { { 1, 2 }, { 2, 3 }, { 1, 4 }, { 4, 2 }, { 2, 5 }, { 5, 3 }, { 4, 5 } }, 1, 3);
}
const QList<QColor> ColoresWarren { Rojo, Rojo, Azul, Cero, Cero, Azul, Azul };
const auto ConVerde = [](QList<QColor> colores, int i) {
    colores[i] = Verde;
    return colores;
};

void ClicEnLinea(QListWidget* lista, int fila)
{
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(fila)).center());
}

} // namespace

class PruebaFinal : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void rejillaYTextos();
    void ecuacionesEnTooltips();
    void listaYReacciones_data();
    void listaYReacciones();
    void colocarResaltarYCerrar_data();
    void colocarResaltarYCerrar();
    void muestraElUltimoCalculoExitoso();
};

void PruebaFinal::rejillaYTextos()
{
    // A push of 12.25 N along -X on C as well: the load column rounds it half
    // to even to 12.2 (reversed: +12.2).
    Dibujante d;
    Apice(d.m, -12.25);
    d.p.Calcular_Click();
    const auto f = d.p.VentanaResultados();
    QCOMPARE(f->windowTitle(), QStringLiteral("Resultado de Trabina V1.0"));
    QCOMPARE(f->Label1->text(), QStringLiteral("Matriz de cálculo solucionada"));
    QCOMPARE(f->Nombre->text(), QStringLiteral("Barra       Nodos       Fuerza"));
    QCOMPARE(f->Salir->text(), QStringLiteral("&Cerrar"));
    // The reactions in Arial, like the rest of the window.
    for (const QWidget* control : std::initializer_list<const QWidget*> {
             f->Apoyo[0], f->Apoyo[1], f->Apoyo[2], f->Label1, f->Nombre, f->Elemento, f->Salir })
        QCOMPARE(control->font().family(), QStringLiteral("Arial"));
    // It opens with Cerrar focused and no cell of the grid marked.
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    QVERIFY(f->focusWidget() == f->Salir && !f->msfgMatriz->currentIndex().isValid());

    // With the heading row and column: 7 rows, 8 columns of 750 twips; bold headings.
    const QTableWidget* g = f->msfgMatriz;
    QCOMPARE(g->rowCount() + 1, 7);
    QCOMPARE(g->columnCount() + 1, 8);
    // The heading column: at least 750 twips, and no bold heading cut.
    QFont negrita = g->verticalHeader()->font();
    negrita.setBold(true);
    QVERIFY(g->verticalHeader()->sizeHint().width() >= qMax(50, QFontMetrics(negrita).horizontalAdvance("Nod Ax")));
    QStringList encabezados;
    for (int c = 0; c < 13; ++c) {
        const QTableWidgetItem* celda = c < 7 ? g->horizontalHeaderItem(c) : g->verticalHeaderItem(c - 7);
        encabezados << celda->text();
        QVERIFY(celda->font().bold() && (c >= 7 || g->columnWidth(c) == 50));
    }
    QCOMPARE(encabezados,
        (QStringList { "Elem 1", "Elem 2", "Elem 3", "Fijo X", "Fijo Y", "Movil Y", "Cargas", "Nod Ax", "Nod Ay",
            "Nod Bx", "Nod By", "Nod Cx", "Nod Cy" }));

    // Bar 1 (0 deg): -cos, -sin at A, +cos, +sin at B; bar 2 (135) B to C; bar 3
    // (45) A to C; cos 45 = 0.70711 -> 0.707; -sin 0 = -0 reads 0. Loads reversed.
    QStringList celdas;
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 7; ++j) {
            celdas << g->item(i, j)->text();
            QCOMPARE(g->item(i, j)->font().bold(), j == 6); // the loads bold, RGB(0, 128, 64)
            QCOMPARE(g->item(i, j)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter)); // decimals line up
            QVERIFY(j < 6 || g->item(i, j)->foreground().color() == QColor(0, 128, 64));
        }
    QCOMPARE(celdas,
        (QStringList { "-1", "0", "-0.707", "1", "0", "0", "0", // A along X
            "0", "0", "-0.707", "0", "1", "0", "0", // A along Y
            "1", "0.707", "0", "0", "0", "0", "0", // B along X
            "0", "-0.707", "0", "0", "0", "1", "0", // B along Y
            "0", "-0.707", "0.707", "0", "0", "0", "12.2", // C along X
            "0", "0.707", "0.707", "0", "0", "0", "1000" })); // C along Y

    // Display texts take the regional separator. The pin takes back the push,
    // 12.25; at C, T2 - T3 = 12.25 / cos 45 and T2 + T3 = -1000 / sin 45; at B,
    // T1 = -T2 cos 45 = (1000 - 12.25) / 2 = 493.875.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const auto coma = d.p.VentanaResultados();
    QCOMPARE(coma->msfgMatriz->item(2, 1)->text(), QStringLiteral("0,707"));
    QCOMPARE(coma->msfgMatriz->item(4, 6)->text(), QStringLiteral("12,2"));
    QCOMPARE(coma->Elemento->item(0)->text(), QStringLiteral("1\tA - B\t493,9"));
    QCOMPARE(coma->Apoyo[0]->text(), QStringLiteral("Apoyo Fijo X: 12,25"));
}

// The triangle's equation at C along Y: bars 2 (B->C, 135 deg) and 3 (A->C,
// 45 deg) end at C, +sin in the grid, written reversed for tension; 1000 N
// down reads +1000. Both carry -707.1: 2 x 0.70711 x 707.1 = 999.99 against
// 1000, a residual of -0.01.
void PruebaFinal::ecuacionesEnTooltips()
{
    Dibujante d;
    Apice(d.m);
    d.m.Barra(2).Longitud = std::sqrt(2.0);
    d.p.Calcular_Click();
    const auto f = d.p.VentanaResultados();
    const QString cy = "Nodo C, ΣFy = 0: −0.707·F2 − 0.707·F3 = 1000\n"
                       "Con la solución: −0.707·(-707.1) − 0.707·(-707.1) = 1000; residuo -0.01\n"
                       "Fuerzas de barra con el signo de la lista: tracción positiva.";
    QCOMPARE(f->msfgMatriz->verticalHeaderItem(5)->toolTip(), cy);
    QCOMPARE(f->msfgMatriz->item(5, 6)->toolTip(), cy); // every cell of the row
    QCOMPARE(f->msfgMatriz->horizontalHeaderItem(1)->toolTip(),
        "Elem 2: fuerza de la barra 2, del nodo B al nodo C (F2). La matriz la cuenta positiva a compresión; "
        "las ecuaciones, como la lista, positiva a tracción.");
    QCOMPARE(f->msfgMatriz->horizontalHeaderItem(3)->toolTip(),
        "Fijo X: reacción horizontal del apoyo fijo, en el nodo A (RAx)");
    QCOMPARE(f->Elemento->item(1)->toolTip(),
        "Barra 2: nodos B - C, longitud 1.414 m, ángulo 135°, fuerza -707.1 N (compresión)");
}

void PruebaFinal::listaYReacciones_data()
{
    QTest::addColumn<bool>("diminuta");
    QTest::addColumn<QStringList>("lineas");
    QTest::addColumn<QStringList>("reacciones");
    QTest::addColumn<QStringList>("tablero");
    // A(0,0), B(2,0), C(2,2), 1000 N down at C over the roller: only the
    // vertical bar 2 carries it; pin 0 and 0, roller 1000.
    QTest::newRow("zero forces read 0.0")
        << false << QStringList { "1\tA - B\t0.0", "2\tB - C\t-1000.0", "3\tA - C\t0.0" }
        << QStringList { "0.00", "0.00", "1000.00" } << QStringList { "0", "-1000", "0" };
    // 3-4-5 triangle A(0,0), B(5,0), C(1.8,2.4) under P = 0.05 N down at C:
    // forces -0.024, 0.03, 0.04 (stored -0 and +0), pin Y 0.032, roller 0.018;
    // a push of 0.004 N along +X at C, which the pin takes back as -0.004.
    QTest::newRow("values that round to zero carry no sign")
        << true << QStringList { "1\tA - B\t0.0", "2\tB - C\t0.0", "3\tA - C\t0.0" }
        << QStringList { "0.00", "0.03", "0.02" } << QStringList { "0", "0", "0" };
}

void PruebaFinal::listaYReacciones()
{
    QFETCH(bool, diminuta);
    QFETCH(QStringList, lineas);
    QFETCH(QStringList, reacciones);
    QFETCH(QStringList, tablero);
    Dibujante d;
    if (diminuta)
        ArmarCercha(d.m, { { 0, 0 }, { 5, 0 }, { 1.8, 2.4, 0.004, -0.05 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
    else
        ArmarCercha(d.m, { { 0, 0 }, { 2, 0 }, { 2, 2, 0, -1000 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
    d.p.Calcular_Click();
    QCOMPARE(d.Fuerzas(), tablero);
    QCOMPARE(d.Colores(), (QList<QColor> { Cero, diminuta ? Cero : Azul, Cero }));
    const VistaResultados r = AbrirResultados(d.p);
    QCOMPARE(r.lineas, lineas);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(r.apoyos[i].section(QStringLiteral(": "), 1), reacciones[i]);
}

void PruebaFinal::colocarResaltarYCerrar_data()
{
    QTest::addColumn<int>("pantalla"); // pixels
    QTest::addColumn<bool>("conBoton");
    QTest::newRow("wide screen, Cerrar button") << 2000 << true;
    QTest::newRow("odd width, Escape key") << 1999 << false;
    QTest::newRow("narrower than both windows: Left 0") << 200 << true;
}

void PruebaFinal::colocarResaltarYCerrar()
{
    QFETCH(int, pantalla);
    QFETCH(bool, conBoton);
    Dibujante d;
    Warren(d.m);
    d.p.Calcular_Click();
    QCOMPARE(d.Colores(), ColoresWarren);
    d.m.AnchoPantalla = float(pantalla * 15);
    QVERIFY(d.Mostrar());
    d.p.move(37, 23);
    const auto f = d.p.VentanaResultados();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    const int wp = d.p.frameGeometry().width(), wf = f->frameGeometry().width();
    QVERIFY(wf > 100);
    // Side by side, tops level; the pair centred (margins within a pixel) or at 0.
    QCOMPARE(f->pos(), QPoint(d.p.x() + wp, 23));
    QCOMPARE(d.p.y(), 23);
    QVERIFY2(pantalla < wp + wf ? d.p.x() == 0 : std::abs(pantalla - (f->x() + wf) - d.p.x()) <= 1,
        qPrintable(QString::number(d.p.x())));

    ClicEnLinea(f->Elemento, 1);
    QCOMPARE(d.Colores(), ConVerde(ColoresWarren, 1));
    ClicEnLinea(f->Elemento, 4);
    QCOMPARE(d.Colores(), ConVerde(ColoresWarren, 4));
    f->Elemento->setFocus();
    QTest::keyClick(f->Elemento, Qt::Key_Down); // the keyboard moves the selection too
    QCOMPARE(d.Colores(), ConVerde(ColoresWarren, 5));
    if (conBoton)
        QTest::mouseClick(f->Salir, Qt::LeftButton);
    else
        QTest::keyClick(f.get(), Qt::Key_Escape);
    QVERIFY(!f->isVisible());
    QCOMPARE(d.Colores(), ColoresWarren);
    // The main window centred alone (Left negative on a narrow screen), same top.
    QVERIFY2(std::abs(pantalla - (d.p.x() + wp) - d.p.x()) <= 1, qPrintable(QString::number(d.p.x())));
    QCOMPARE(d.p.y(), 23);
}

void PruebaFinal::muestraElUltimoCalculoExitoso()
{
    Dibujante d;
    Apice(d.m);
    d.p.Calcular_Click();
    // Then a node D and two bars C->D, D->C: 8 = 5 + 3 but D can move across
    // its bars, so the system is singular; then one more bar: not square.
    ArmarCercha(d.m, { { 1.5, 2, 0, -300 } }, { { 3, 4 }, { 4, 3 } }, 1, 2);
    d.p.Calcular_Click();
    QCOMPARE(d.p.MensajeActual(), QStringLiteral("Matriz singular, Imposible calcular la cercha"));
    ArmarCercha(d.m, {}, { { 1, 4 } }, 1, 2);
    d.p.Calcular_Click();
    QCOMPARE(d.p.MensajeActual(), QStringLiteral("Cercha mal determinada, matriz de cálculo no es cuadrada"));
    C(d.p).Barra[4]->Color(Azul); // a marker: bars drawn since are left alone

    QVERIFY(d.Mostrar());
    QPointer<Final> abierta;
    const VistaResultados r = AbrirResultados(d.p, [&](Final& f) {
        abierta = &f;
        QVERIFY(f.isModal() && f.parentWidget() == &d.p);
        ClicEnLinea(f.Elemento, 0);
        QCOMPARE(d.Color(1), Verde);
    });
    QVERIFY(r.abierta);
    QVERIFY(abierta.isNull()); // destroyed when closed
    QCOMPARE(r.filas, 7);
    QCOMPARE(r.columnas, 8);
    QCOMPARE(r.lineas, (QStringList { "1\tA - B\t500.0", "2\tB - C\t-707.1", "3\tA - C\t-707.1" }));
    QCOMPARE(r.apoyos, (QStringList { "Apoyo Fijo X: 0.00", "Apoyo Fijo Y: 500.00", "Apoyo Movil Y: 500.00" }));
    // The board still shows the same calculation.
    QCOMPARE(d.Fuerzas().mid(0, 3), (QStringList { "500", "-707.1", "-707.1" }));
    QVERIFY(!C(d.p).lbFuerza[4]->EsVisible());
    QCOMPARE(d.Color(1), Rojo);
    QCOMPARE(d.Color(4), Azul);
}

QTEST_MAIN(PruebaFinal)
#include "tst_final.moc"
