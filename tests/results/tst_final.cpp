// The results window: its grid, list and reaction labels for a solved truss,
// its place beside the main window, the bar highlight and what closing it
// restores. Trusses are written into the model and solved by the Calcular
// click; the window is opened as the Resultados button opens it.

#include "board/Principal.h"
#include "model/Numeros.h"
#include "results/Final.h"
#include "solver/Cercha.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

namespace {

const QColor Azul(0, 0, 255);
const QColor Rojo(255, 0, 0);
const QColor SinFuerza(247, 187, 106);
const QColor Verde(0, 255, 0);

struct Ventana {
    Modulo m;
    Principal p { m, Principal::Arranque::SinPresentacion };
    void Calcular()
    {
        p.Calcular->setEnabled(true);
        p.Calcular_Click();
    }
};

// Right isosceles triangle, the right angle at the apex C: A(0,0), B(2,0),
// C(1,1); bars 1 A->B (0 deg), 2 B->C (135 deg), 3 A->C (45 deg); pin A,
// roller B; 1000 N down at C. By symmetry each support carries 500; at A,
// along Y 500 + T3 sin 45 = 0 gives T3 = -707.1 (compression), along X
// T1 + T3 cos 45 = 0 gives T1 = 500 (tension); T2 = T3 by symmetry.
void Apice(Modulo& m, double fx = 0)
{
    ArmarCercha(m, { { 0, 0 }, { 2, 0 }, { 1, 1, fx, -1000 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
}

// Right triangle with the right angle at B: A(0,0), B(2,0), C(2,2); 1000 N
// down at C over the roller at B. At C only bar 2 (vertical) has a vertical
// component: 1000 in compression; along X bar 3 then carries nothing, and at
// B bar 1 carries nothing. Pin: 0 and 0; roller 1000.
void RectoEnB(Modulo& m)
{
    ArmarCercha(m, { { 0, 0 }, { 2, 0 }, { 2, 2, 0, -1000 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
}

// A Warren of seven bars for the highlight: A(0,0), B(2,0), C(4,0), D(1,1),
// E(3,1); 1000 N down at D and E; pin A, roller C. By hand (45-degree
// diagonals, reactions 1000 each): at A the diagonal A->D carries
// 1000 / sin 45 = 1414.2 in compression and AB 1000 in tension; at D the
// diagonal D->B carries nothing and DE 1000 in compression; at B, B->E
// carries nothing and BC 1000 in tension; E->C mirrors A->D.
// Bars 1 AB, 2 BC, 3 A->D, 4 D->B, 5 B->E, 6 E->C, 7 D->E.
void Warren(Modulo& m)
{
    ArmarCercha(m, { { 0, 0 }, { 2, 0 }, { 4, 0 }, { 1, 1, 0, -1000 }, { 3, 1, 0, -1000 } },
        { { 1, 2 }, { 2, 3 }, { 1, 4 }, { 4, 2 }, { 2, 5 }, { 5, 3 }, { 4, 5 } }, 1, 3);
}

// Stored forces of Warren: compression positive.
const QList<QColor> ColoresWarren { Rojo, Rojo, Azul, SinFuerza, SinFuerza, Azul, Azul };

QStringList Lineas(const QListWidget* lista)
{
    QStringList lineas;
    for (int i = 0; i < lista->count(); ++i)
        lineas << lista->item(i)->text();
    return lineas;
}

QStringList Encabezados(const QTableWidget* rejilla, Qt::Orientation sentido)
{
    QStringList textos;
    const int cuenta = sentido == Qt::Horizontal ? rejilla->columnCount() : rejilla->rowCount();
    for (int i = 0; i < cuenta; ++i) {
        const QTableWidgetItem* celda
            = sentido == Qt::Horizontal ? rejilla->horizontalHeaderItem(i) : rejilla->verticalHeaderItem(i);
        textos << (celda && celda->font().bold() ? celda->text() : QStringLiteral("(not bold)"));
    }
    return textos;
}

void ClicEnLinea(QListWidget* lista, int fila)
{
    const QRect caja = lista->visualItemRect(lista->item(fila));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, caja.center());
}

// Runs `accion` on the results window once it is open and modal, then closes it.
void AlAbrirse(const std::function<void(Final&)>& accion, bool& visto)
{
    auto* reloj = new QTimer;
    reloj->setInterval(5);
    QObject::connect(reloj, &QTimer::timeout, [reloj, accion, &visto] {
        auto* ventana = qobject_cast<Final*>(QApplication::activeModalWidget());
        if (!ventana)
            return;
        reloj->stop();
        reloj->deleteLater();
        visto = true;
        accion(*ventana);
        if (ventana->isVisible())
            ventana->close();
    });
    reloj->start();
}

} // namespace

class PruebaFinal : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void textosFijos();
    void rejillaDelTriangulo();
    void listaYReacciones_data();
    void listaYReacciones();
    void comaRegional();
    void colocacion_data();
    void colocacion();
    void resaltarBarras();
    void cerrarRestaura_data();
    void cerrarRestaura();
    void resultadosAbreModal();
    void muestraElUltimoCalculoExitoso();
};

void PruebaFinal::textosFijos()
{
    Ventana v;
    Apice(v.m);
    v.Calcular();
    Final f(v.p);
    QCOMPARE(f.windowTitle(), QStringLiteral("Resultado de Trabina V1.0"));
    QCOMPARE(f.Label1->text(), QStringLiteral("Matriz de cálculo solucionada"));
    QCOMPARE(f.Nombre->text(), QStringLiteral("Barra       Nodos       Fuerza"));
    QCOMPARE(f.Salir->text(), QStringLiteral("&Cerrar"));
    for (QLabel* apoyo : f.Apoyo)
        QCOMPARE(apoyo->font().family(), QStringLiteral("Arial"));
    QCOMPARE(f.parentWidget(), &v.p);
}

void PruebaFinal::rejillaDelTriangulo()
{
    // A horizontal push of 12.25 N on C as well: the load column rounds it
    // half to even to 12.2.
    Ventana v;
    Apice(v.m, -12.25);
    v.Calcular();
    Final f(v.p);
    const QTableWidget* g = f.msfgMatriz;

    // With the heading row and column: 7 rows, 8 columns, all 750 twips wide.
    QCOMPARE(g->rowCount() + 1, 7);
    QCOMPARE(g->columnCount() + 1, 8);
    QCOMPARE(Encabezados(g, Qt::Horizontal),
        (QStringList { "Elem 1", "Elem 2", "Elem 3", "Fijo X", "Fijo Y", "Movil Y", "Cargas" }));
    QCOMPARE(
        Encabezados(g, Qt::Vertical), (QStringList { "Nod Ax", "Nod Ay", "Nod Bx", "Nod By", "Nod Cx", "Nod Cy" }));
    QCOMPARE(g->verticalHeader()->width(), 50);
    for (int c = 0; c < g->columnCount(); ++c)
        QCOMPARE(g->columnWidth(c), 50);

    // Bar 1 (0 deg): -cos, -sin at A, +cos, +sin at B. Bar 2 (135 deg) from B
    // to C, bar 3 (45 deg) from A to C, cos 45 = 0.70711 -> 0.707. A -0 from
    // -sin 0 reads 0. The loads enter reversed: 12.25 -> 12.2, 1000.
    const QList<QStringList> esperado {
        { "-1", "0", "-0.707", "1", "0", "0", "0" },
        { "0", "0", "-0.707", "0", "1", "0", "0" },
        { "1", "0.707", "0", "0", "0", "0", "0" },
        { "0", "-0.707", "0", "0", "0", "1", "0" },
        { "0", "-0.707", "0.707", "0", "0", "0", "12.2" },
        { "0", "0.707", "0.707", "0", "0", "0", "1000" },
    };
    for (int i = 0; i < 6; ++i) {
        QStringList fila;
        for (int j = 0; j < 7; ++j)
            fila << g->item(i, j)->text();
        QCOMPARE(fila, esperado[i]);
        QVERIFY(!g->item(i, 0)->font().bold());
        QVERIFY(g->item(i, 6)->font().bold());
        QCOMPARE(g->item(i, 6)->foreground().color(), QColor(0, 128, 64));
    }
}

void PruebaFinal::listaYReacciones_data()
{
    QTest::addColumn<int>("caso");
    QTest::addColumn<QStringList>("lineas");
    QTest::addColumn<QStringList>("reacciones");
    QTest::newRow("apex load, 500 on each support")
        << 0 << QStringList { "1\tA - B\t500.0", "2\tB - C\t-707.1", "3\tA - C\t-707.1" }
        << QStringList { "Apoyo Fijo X: 0.00", "Apoyo Fijo Y: 500.00", "Apoyo Movil Y: 500.00" };
    QTest::newRow("zero forces read 0.0")
        << 1 << QStringList { "1\tA - B\t0.0", "2\tB - C\t-1000.0", "3\tA - C\t0.0" }
        << QStringList { "Apoyo Fijo X: 0.00", "Apoyo Fijo Y: 0.00", "Apoyo Movil Y: 1000.00" };
    // The 3-4-5 triangle of A(0,0), B(5,0), C(1.8,2.4), scaled to P = 0.05 N
    // (forces -0.024, 0.03, 0.04; pin Y 0.032, roller 0.018), and a push of
    // 0.004 N along +X at C, which the pin takes back as -0.004.
    QTest::newRow("values that round to zero carry no sign")
        << 2 << QStringList { "1\tA - B\t0.0", "2\tB - C\t0.0", "3\tA - C\t0.0" }
        << QStringList { "Apoyo Fijo X: 0.00", "Apoyo Fijo Y: 0.03", "Apoyo Movil Y: 0.02" };
}

void PruebaFinal::listaYReacciones()
{
    QFETCH(int, caso);
    QFETCH(QStringList, lineas);
    QFETCH(QStringList, reacciones);
    Ventana v;
    if (caso == 0)
        Apice(v.m);
    else if (caso == 1)
        RectoEnB(v.m);
    else
        ArmarCercha(v.m, { { 0, 0 }, { 5, 0 }, { 1.8, 2.4, 0.004, -0.05 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
    v.Calcular();
    Final f(v.p);
    QCOMPARE(Lineas(f.Elemento), lineas);
    QStringList textos;
    for (const QLabel* apoyo : f.Apoyo)
        textos << apoyo->text();
    QCOMPARE(textos, reacciones);
}

void PruebaFinal::comaRegional()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Ventana v;
    Apice(v.m);
    v.Calcular();
    Final f(v.p);
    QCOMPARE(f.Elemento->item(1)->text(), QStringLiteral("2\tB - C\t-707,1"));
    QCOMPARE(f.Apoyo[1]->text(), QStringLiteral("Apoyo Fijo Y: 500,00"));
    QCOMPARE(f.msfgMatriz->item(2, 1)->text(), QStringLiteral("0,707"));
}

void PruebaFinal::colocacion_data()
{
    QTest::addColumn<int>("pantalla"); // pixels
    QTest::newRow("wide screen") << 2000;
    QTest::newRow("odd width") << 1999;
    QTest::newRow("narrower than both windows") << 200;
}

void PruebaFinal::colocacion()
{
    QFETCH(int, pantalla);
    Ventana v;
    Apice(v.m);
    v.Calcular();
    v.m.AnchoPantalla = float(pantalla * 15);
    v.p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v.p));
    v.p.move(37, 23);
    Final f(v.p);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const int wp = v.p.frameGeometry().width();
    const int wf = f.frameGeometry().width();
    QVERIFY(wf > 100);
    // Side by side, tops level.
    QCOMPARE(f.x(), v.p.x() + wp);
    QCOMPARE(f.y(), 23);
    QCOMPARE(v.p.y(), 23);
    if (pantalla < wp + wf) {
        QCOMPARE(v.p.x(), 0);
    } else {
        // The pair centred: the margins left and right differ by at most a pixel.
        const int derecha = pantalla - (f.x() + wf);
        QVERIFY2(std::abs(derecha - v.p.x()) <= 1, qPrintable(QStringLiteral("%1 %2").arg(v.p.x()).arg(derecha)));
    }
}

void PruebaFinal::resaltarBarras()
{
    Ventana v;
    Warren(v.m);
    v.Calcular();
    for (int b = 1; b <= 7; ++b)
        QCOMPARE(v.p.Barra[b]->ColorActual(), ColoresWarren[b - 1]);
    Final f(v.p);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));

    ClicEnLinea(f.Elemento, 1);
    QCOMPARE(v.p.Barra[2]->ColorActual(), Verde);
    ClicEnLinea(f.Elemento, 4);
    QCOMPARE(v.p.Barra[5]->ColorActual(), Verde);
    QCOMPARE(v.p.Barra[2]->ColorActual(), Rojo);
    for (int b : { 1, 3, 4, 6, 7 })
        QCOMPARE(v.p.Barra[b]->ColorActual(), ColoresWarren[b - 1]);

    // The keyboard moves the selection too.
    f.Elemento->setFocus();
    QTest::keyClick(f.Elemento, Qt::Key_Down);
    QCOMPARE(v.p.Barra[6]->ColorActual(), Verde);
    QCOMPARE(v.p.Barra[5]->ColorActual(), SinFuerza);
}

void PruebaFinal::cerrarRestaura_data()
{
    QTest::addColumn<bool>("conBoton");
    QTest::newRow("Cerrar button") << true;
    QTest::newRow("Escape key") << false;
}

void PruebaFinal::cerrarRestaura()
{
    QFETCH(bool, conBoton);
    Ventana v;
    Warren(v.m);
    v.Calcular();
    v.m.AnchoPantalla = 2001 * 15;
    v.p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v.p));
    v.p.move(0, 40);
    Final f(v.p);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    ClicEnLinea(f.Elemento, 2);
    QCOMPARE(v.p.Barra[3]->ColorActual(), Verde);

    if (conBoton)
        QTest::mouseClick(f.Salir, Qt::LeftButton);
    else
        QTest::keyClick(&f, Qt::Key_Escape);

    QVERIFY(!f.isVisible());
    for (int b = 1; b <= 7; ++b)
        QCOMPARE(v.p.Barra[b]->ColorActual(), ColoresWarren[b - 1]);
    // Centred alone: equal margins within a pixel, same top.
    const int wp = v.p.frameGeometry().width();
    QVERIFY(std::abs((2001 - (v.p.x() + wp)) - v.p.x()) <= 1);
    QCOMPARE(v.p.y(), 40);
}

void PruebaFinal::resultadosAbreModal()
{
    Ventana v;
    Apice(v.m);
    v.Calcular();
    v.p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v.p));
    QVERIFY(v.p.Resultados->isEnabled());

    bool visto = false;
    QPointer<Final> abierta;
    AlAbrirse(
        [&](Final& f) {
            abierta = &f;
            QVERIFY(f.isModal());
            QCOMPARE(f.parentWidget(), &v.p);
            QCOMPARE(f.windowModality(), Qt::ApplicationModal);
            QCOMPARE(f.Elemento->count(), 3);
            QTest::mouseClick(f.Salir, Qt::LeftButton);
        },
        visto);
    QTest::mouseClick(v.p.Resultados, Qt::LeftButton);
    QVERIFY(visto);
    // Destroyed when closed.
    QVERIFY(abierta.isNull());
    QVERIFY(v.p.findChildren<Final*>().isEmpty());
}

void PruebaFinal::muestraElUltimoCalculoExitoso()
{
    Ventana v;
    Apice(v.m);
    v.Calcular();

    // Then a node D and two bars C->D, D->C: 8 = 5 + 3 but D can move across
    // its bars, so the system is singular; then one more bar: not square.
    const int16_t d = v.m.AgregarNodoRec(1.5, 2);
    for (auto [inicio, fin] : { std::pair<int16_t, int16_t> { 3, d }, { d, 3 } }) {
        BarraRec& barra = v.m.Barras[v.m.AgregarBarraRec(inicio)];
        barra.NodoFinal = fin;
        barra.Angulo = AnguloBarra(v.m.Nodos[inicio], v.m.Nodos[fin]);
    }
    v.m.Nodos[d].Fy = -300;
    v.Calcular();
    QCOMPARE(v.p.MensajeActual(), QStringLiteral("Matriz singular, Imposible calcular la cercha"));
    BarraRec& otra = v.m.Barras[v.m.AgregarBarraRec(1)];
    otra.NodoFinal = d;
    v.Calcular();
    QCOMPARE(v.p.MensajeActual(), QStringLiteral("Cercha mal determinada, matriz de cálculo no es cuadrada"));

    Final f(v.p);
    QCOMPARE(f.msfgMatriz->rowCount() + 1, 7);
    QCOMPARE(f.msfgMatriz->columnCount() + 1, 8);
    QCOMPARE(f.msfgMatriz->horizontalHeaderItem(3)->text(), QStringLiteral("Fijo X"));
    QCOMPARE(f.msfgMatriz->item(5, 6)->text(), QStringLiteral("1000"));
    QCOMPARE(Lineas(f.Elemento), (QStringList { "1\tA - B\t500.0", "2\tB - C\t-707.1", "3\tA - C\t-707.1" }));
    QCOMPARE(f.Apoyo[0]->text(), QStringLiteral("Apoyo Fijo X: 0.00"));
    QCOMPARE(f.Apoyo[1]->text(), QStringLiteral("Apoyo Fijo Y: 500.00"));
    QCOMPARE(f.Apoyo[2]->text(), QStringLiteral("Apoyo Movil Y: 500.00"));
    // The board still shows the same calculation.
    QCOMPARE(v.p.lbFuerza[2]->TextoActual(), QStringLiteral("-707.1"));
    QVERIFY(!v.p.lbFuerza[4]->EsVisible());

    // Highlighting and closing leave the bars drawn since alone.
    v.p.Barra[4]->Color(SinFuerza);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    ClicEnLinea(f.Elemento, 0);
    QCOMPARE(v.p.Barra[1]->ColorActual(), Verde);
    f.close();
    QCOMPARE(v.p.Barra[1]->ColorActual(), Rojo);
    QCOMPARE(v.p.Barra[4]->ColorActual(), SinFuerza);
}

QTEST_MAIN(PruebaFinal)
#include "tst_final.moc"
