#include "Cercha.h"
#include "solver/Ensamblaje.h"
#include "solver/Resolver.h"

#include <QLocale>
#include <QTest>

#include <algorithm>
#include <cmath>

// Whole trusses assembled and solved, against member forces and reactions
// worked out by hand with the method of joints. Sign: compression positive.
// At every joint, sum over its bars of F x (unit vector from the bar's other
// end toward the joint) + load + reactions = 0.

namespace {

const double Raiz3 = std::sqrt(3.0);

// Right triangle 3-4-5, right angle at C: A(0,0), B(5,0), C(1.8,2.4); 1000 N
// down at C; pin A, roller B. Bars 1 A->B, 2 B->C, 3 A->C.
// Moments about A: 5 R = 1.8 x 1000, R = 360; pin Y = 640, pin X = 0.
// C: X 0.6 F3 - 0.8 F2 = 0, Y 0.8 F3 + 0.6 F2 = 1000 -> F2 = 600, F3 = 800.
// B: X F1 + 0.8 F2 = 0 -> F1 = -480 (tension); Y -0.6 F2 + R = 0 checks.
void Triangulo(Modulo& m)
{
    ArmarCercha(m, {{0, 0}, {5, 0}, {1.8, 2.4, 0, -1000}}, {{1, 2}, {2, 3}, {1, 3}}, 1, 2);
}

// Warren truss of equilateral triangles of side 2: A(0,0), B(2,0), C(4,0)
// below, D(1,r3), E(3,r3) above; 1200 N down at B; pin A, roller C.
// Bars 1 AB, 2 BC, 3 A->D, 4 D->B, 5 B->E, 6 E->C, 7 D->E. Reactions 600, 600.
// With q = 1200/r3 = 692.82: A: Y -F3 r3/2 + 600 = 0 -> F3 = q;
// X -F1 - F3/2 = 0 -> F1 = -q/2. D: Y (F3 + F4) r3/2 = 0 -> F4 = -q;
// X (F3 - F4)/2 - F7 = 0 -> F7 = q. The mirror gives F2 = -q/2, F5 = -q,
// F6 = q. B: Y -(F4 + F5) r3/2 - 1200 = q r3 - 1200 = 0 checks.
void Warren(Modulo& m)
{
    ArmarCercha(m, {{0, 0}, {2, 0, 0, -1200}, {4, 0}, {1, Raiz3}, {3, Raiz3}},
                {{1, 2}, {2, 3}, {1, 4}, {4, 2}, {2, 5}, {5, 3}, {4, 5}}, 1, 3);
}

// Pratt truss with vertical members: A(0,0), B(3,0), C(6,0), D(9,0) below,
// E(3,4), F(6,4) above; 1200 N down at B, 900 N along +X at F; pin A, roller D.
// Bars 1 AB, 2 BC, 3 CD, 4 E->F, 5 A->E, 6 F->D, 7 B->E, 8 C->F, 9 E->C
// (diagonals 3-4-5). Pin X = -900; moments about A: 9 R - 3 x 1200 - 4 x 900
// = 0, R = 800; pin Y = 400.
// D: Y -0.8 F6 + 800 = 0 -> F6 = 1000; X F3 + 0.6 F6 = 0 -> F3 = -600.
// F: X F4 - 600 + 900 = 0 -> F4 = -300; Y F8 + 800 = 0 -> F8 = -800.
// C: Y 800 - 0.8 F9 = 0 -> F9 = 1000; X F2 + 600 + 600 = 0 -> F2 = -1200.
// E: X 0.6 F5 + 300 - 600 = 0 -> F5 = 500; Y 400 + F7 + 800 = 0 -> F7 = -1200.
// B: X F1 + 1200 = 0 -> F1 = -1200; Y 1200 - 1200 = 0 checks.
void Pratt(Modulo& m)
{
    ArmarCercha(m, {{0, 0}, {3, 0, 0, -1200}, {6, 0}, {9, 0}, {3, 4}, {6, 4, 900, 0}},
                {{1, 2}, {2, 3}, {3, 4}, {5, 6}, {1, 5}, {6, 4}, {2, 5}, {3, 6}, {5, 3}}, 1, 4);
}

// The largest truss that can be calculated, 11 nodes and 19 bars: a Warren
// truss of side 2 with nodes 1..6 at (2i, 0) and 7..11 at (2i + 1, r3),
// 1000 N down at nodes 2..5, pin at 1, roller at 6 (reactions 2000 each).
// Bars 1..5 bottom chord, 6..9 top chord, then per panel i the diagonal up
// (i+1 -> 7+i) and down (7+i -> i+2). With k = 2000/r3 = 1154.70:
// joint 1: up0 = 2k, bottom0 = -k; top joint 7: down0 = -2k, top0 = 2k;
// joint 2: up1 = k, bottom1 = -2.5k; joint 8: down1 = -k, top1 = 3k;
// joint 3: up2 = 0, bottom2 = -3k; then the mirror image. Check by moments at
// mid-span: 2000 x 5 - 1000 x 3 - 1000 x 1 = 6000 = 3k x r3.
void MasGrande(Modulo& m)
{
    ArmarCercha(m,
                {{0, 0}, {2, 0, 0, -1000}, {4, 0, 0, -1000}, {6, 0, 0, -1000}, {8, 0, 0, -1000}, {10, 0},
                 {1, Raiz3}, {3, Raiz3}, {5, Raiz3}, {7, Raiz3}, {9, Raiz3}},
                {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {7, 8}, {8, 9}, {9, 10}, {10, 11},
                 {1, 7}, {7, 2}, {2, 8}, {8, 3}, {3, 9}, {9, 4}, {4, 10}, {10, 5}, {5, 11}, {11, 6}},
                1, 6);
}

using Constructor = void (*)(Modulo&);
const Constructor Cerchas[] = {Triangulo, Warren, Pratt, MasGrande};

// Worst joint residual, per component, against the allowance of `porBarra` for
// each bar meeting at the joint (the rounding of a stored force).
bool EnEquilibrio(const Modulo& m, const std::array<double, MaxBarras + 1>& fuerza,
                  const std::array<double, 3>& reaccion, double porBarra, QString& aviso)
{
    for (int k = 1; k <= m.NumNodos; ++k) {
        double sx = m.Nodos[k].Fx;
        double sy = m.Nodos[k].Fy;
        if (k == m.Apoyos[1]) {
            sx += reaccion[0];
            sy += reaccion[1];
        }
        if (k == m.Apoyos[2])
            sy += reaccion[2];
        int barras = 0;
        for (int b = 1; b <= m.NumBarras; ++b) {
            const BarraRec& barra = m.Barras[b];
            const int otro = barra.NodoInicial == k ? barra.NodoFinal : barra.NodoFinal == k ? barra.NodoInicial : 0;
            if (otro == 0)
                continue;
            const double dx = m.Nodos[k].X - m.Nodos[otro].X;
            const double dy = m.Nodos[k].Y - m.Nodos[otro].Y;
            const double l = std::hypot(dx, dy);
            sx += fuerza[b] * dx / l;
            sy += fuerza[b] * dy / l;
            ++barras;
        }
        if (std::max(std::abs(sx), std::abs(sy)) > 1e-9 + porBarra * barras) {
            aviso = QStringLiteral("joint %1 off by (%2, %3)").arg(k).arg(sx).arg(sy);
            return false;
        }
    }
    return true;
}

} // namespace

class PruebaCerchas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void resueltaAMano_data();
    void resueltaAMano();
    void cerchaMasGrandeOcupa22Filas();
    void singular_data();
    void singular();
};

void PruebaCerchas::resueltaAMano_data()
{
    QTest::addColumn<int>("caso");
    QTest::addColumn<QList<double>>("fuerzas");
    QTest::addColumn<QList<double>>("guardadas");
    QTest::addColumn<QList<double>>("reacciones");

    const double q = 1200 / Raiz3;
    const double k = 2000 / Raiz3;
    QTest::newRow("right triangle, vertical load")
        << 0 << QList<double>{-480, 600, 800} << QList<double>{-480, 600, 800} << QList<double>{0, 640, 360};
    QTest::newRow("symmetric Warren, load at mid-span")
        << 1 << QList<double>{-q / 2, -q / 2, q, -q, -q, q, q}
        << QList<double>{-346.4, -346.4, 692.8, -692.8, -692.8, 692.8, 692.8} << QList<double>{0, 600, 600};
    QTest::newRow("Pratt with verticals, horizontal load")
        << 2 << QList<double>{-1200, -1200, -600, -300, 500, 1000, -1200, -800, 1000}
        << QList<double>{-1200, -1200, -600, -300, 500, 1000, -1200, -800, 1000} << QList<double>{-900, 400, 800};
    QTest::newRow("11 nodes 19 bars")
        << 3
        << QList<double>{-k, -2.5 * k, -3 * k, -2.5 * k, -k, 2 * k, 3 * k, 3 * k, 2 * k, 2 * k,
                         -2 * k, k, -k, 0, 0, -k, k, -2 * k, 2 * k}
        << QList<double>{-1154.7, -2886.8, -3464.1, -2886.8, -1154.7, 2309.4, 3464.1, 3464.1, 2309.4, 2309.4,
                         -2309.4, 1154.7, -1154.7, 0, 0, -1154.7, 1154.7, -2309.4, 2309.4}
        << QList<double>{0, 2000, 2000};
}

void PruebaCerchas::resueltaAMano()
{
    QFETCH(int, caso);
    QFETCH(QList<double>, fuerzas);
    QFETCH(QList<double>, guardadas);
    QFETCH(QList<double>, reacciones);

    Modulo m;
    Cerchas[caso](m);
    QCOMPARE(qsizetype(m.NumBarras), fuerzas.size());
    QCOMPARE(EnsamblarSistema(m), Ensamblaje::Cuadrada);
    QVERIFY(!ResolverMatriz(m).singular);
    GuardarResuelto(m);

    const int derecha = 2 * m.NumNodos + 1;
    std::array<double, MaxBarras + 1> sinRedondear{};
    std::array<double, MaxBarras + 1> guardada{};
    for (int b = 1; b <= m.NumBarras; ++b) {
        sinRedondear[b] = m.MatrizCalculo[b][derecha];
        guardada[b] = m.Barras[b].Fuerza;
        QVERIFY2(std::abs(sinRedondear[b] - fuerzas[b - 1]) < 1e-9, qPrintable(QStringLiteral("bar %1").arg(b)));
        QCOMPARE(guardada[b], guardadas[b - 1]);
    }
    const CalculoResuelto& r = m.Resuelto;
    for (int i = 0; i < 3; ++i)
        QVERIFY2(std::abs(r.Reacciones[i] - reacciones[i]) < 1e-9, qPrintable(QStringLiteral("reaction %1").arg(i)));

    QString aviso;
    QVERIFY2(EnEquilibrio(m, sinRedondear, r.Reacciones, 0, aviso), qPrintable(aviso));
    QVERIFY2(EnEquilibrio(m, guardada, r.Reacciones, 0.05, aviso), qPrintable(aviso));

    // What the results window reads.
    QVERIFY(r.hay);
    QCOMPARE(r.NumNodos, m.NumNodos);
    QCOMPARE(r.NumBarras, m.NumBarras);
    QVERIFY(r.MatrizInicial == m.MatrizInicial);
    for (int b = 1; b <= m.NumBarras; ++b) {
        QCOMPARE(r.Barras[b].NodoInicial, m.Barras[b].NodoInicial);
        QCOMPARE(r.Barras[b].NodoFinal, m.Barras[b].NodoFinal);
        QCOMPARE(r.Barras[b].Fuerza, m.Barras[b].Fuerza);
    }
}

void PruebaCerchas::cerchaMasGrandeOcupa22Filas()
{
    // 11 nodes fill rows 1..22; the loads sit in column 2 x 11 + 1 = 23 of the
    // Y rows of nodes 2..5 (rows 4, 6, 8, 10), reversed to +1000.
    Modulo m;
    MasGrande(m);
    QCOMPARE(EnsamblarSistema(m), Ensamblaje::Cuadrada);
    const Matriz& M = m.MatrizInicial;
    for (int fila : {4, 6, 8, 10})
        QCOMPARE(M[fila][23], 1000.0);
    for (int i = 1; i <= FilasMatriz; ++i)
        for (int j = 1; j <= ColumnasMatriz; ++j)
            if (i > 22 || j > 23)
                QCOMPARE(M[i][j], 0.0);
    // The reactions: pin X row 1 column 20, pin Y row 2 column 21, roller Y row 12 column 22.
    QCOMPARE(M[1][20], 1.0);
    QCOMPARE(M[2][21], 1.0);
    QCOMPARE(M[12][22], 1.0);
}

void PruebaCerchas::singular_data()
{
    QTest::addColumn<int>("caso");

    QTest::newRow("vertical bar on a roller slides sideways") << 0;
    QTest::newRow("node with no bar and no support") << 1;
    QTest::newRow("pin and roller on one node turn about it") << 2;
}

void PruebaCerchas::singular()
{
    QFETCH(int, caso);

    Modulo m;
    if (caso == 0) {
        // Nothing holds B(0,3) along X: its X equation has only the 1e-15 cosine.
        ArmarCercha(m, {{0, 0}, {0, 3, 50, 0}}, {{1, 2}}, 1, 2);
    } else if (caso == 1) {
        // Node D carries nothing; the two doubled bars make the count square.
        ArmarCercha(m, {{0, 0}, {4, 0}, {4, 3, 0, -100}, {8, 8}}, {{1, 2}, {2, 3}, {3, 1}, {1, 2}, {2, 3}}, 1, 2);
    } else {
        ArmarCercha(m, {{0, 0}, {5, 0}, {1.8, 2.4, 0, -1000}}, {{1, 2}, {2, 3}, {1, 3}}, 1, 1);
    }
    for (int b = 1; b <= m.NumBarras; ++b)
        m.Barras[b].Fuerza = 42;

    QCOMPARE(EnsamblarSistema(m), Ensamblaje::Cuadrada);
    QVERIFY(ResolverMatriz(m).singular);
    for (int b = 1; b <= m.NumBarras; ++b)
        QCOMPARE(m.Barras[b].Fuerza, 42.0);
}

QTEST_GUILESS_MAIN(PruebaCerchas)
#include "tst_cerchas.moc"
