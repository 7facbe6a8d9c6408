#include "solver/Resolver.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <cstring>

// Gauss elimination on hand-made augmented matrices; rows are written as
// coefficients followed by the right-hand side.
using Filas = QList<QList<double>>;

namespace {

// A model with `nodos` nodes (2 x nodos equations) and `barras` bars whose
// augmented rows are `filas`; every other cell holds `relleno`.
void Cargar(Modulo& m, int nodos, int barras, const Filas& filas, double relleno = 0)
{
    for (int k = 0; k < nodos; ++k)
        m.AgregarNodoRec(0, 0);
    for (int b = 0; b < barras; ++b)
        m.AgregarBarraRec(1);
    for (auto& fila : m.MatrizCalculo)
        fila.fill(relleno);
    for (int i = 0; i < filas.size(); ++i)
        for (int j = 0; j < filas[i].size(); ++j)
            m.MatrizCalculo[i + 1][j + 1] = filas[i][j];
}

bool MismosBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// cos(90 degrees) as the program computes it: not 0 but a leftover near 1.6e-15.
const double Coseno90 = std::cos(90 * 3.14159265358979 / 180);

} // namespace

class PruebaResolver : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void solucionConocida_data();
    void solucionConocida();
    void pivoteCasiCero_data();
    void pivoteCasiCero();
    void formaFinalYCeldasAjenas();
    void singular_data();
    void singular();
    void intercambioConservaValores();
    void intercambioSinFilaValida_data();
    void intercambioSinFilaValida();
    void fuerzasRedondeadasPar_data();
    void fuerzasRedondeadasPar();
    void reaccionesSinRedondear();
};

void PruebaResolver::solucionConocida_data()
{
    QTest::addColumn<int>("nodos");
    QTest::addColumn<Filas>("filas");
    QTest::addColumn<QList<double>>("fuerzas");

    // 2x1 + 1x2 = 5, 1x1 + 3x2 = 10: det 5, x1 = (15 - 10)/5 = 1, x2 = (20 - 5)/5 = 3.
    QTest::newRow("2x2 without exchange") << 1 << Filas{{2, 1, 5}, {1, 3, 10}} << QList<double>{1, 3};
    // Tridiagonal 2,1 / 1,2,1 / 1,2,1 / 1,2 with x = (1, 2, 3, 4):
    // b = (2+2, 1+4+3, 2+6+4, 3+8) = (4, 8, 12, 11).
    QTest::newRow("4x4 tridiagonal")
        << 2 << Filas{{2, 1, 0, 0, 4}, {1, 2, 1, 0, 8}, {0, 1, 2, 1, 12}, {0, 0, 1, 2, 11}}
        << QList<double>{1, 2, 3, 4};
    // First pivot exactly 0: rows 1 and 2 change places; x2 = 3 from row 1,
    // then 2x1 + 3 = 5 gives x1 = 1.
    QTest::newRow("zero first pivot") << 1 << Filas{{0, 1, 3}, {2, 1, 5}} << QList<double>{1, 3};
    // Rows: x2 = 2; c x1 + x3 = 3; x1 = 5; x4 = 7, with c the 1.6e-15 cosine of
    // a vertical bar. Taking c as the pivot would scale row 1 by 1e15 and lose
    // x1 in rounding; row 3 is the proper pivot. x = (5, 2, 3 - 5c, 7).
    QTest::newRow("vertical bar leftover is no pivot")
        << 2 << Filas{{0, 1, 0, 0, 2}, {Coseno90, 0, 1, 0, 3}, {1, 0, 0, 0, 5}, {0, 0, 0, 1, 7}}
        << QList<double>{5, 2, 3, 7};
}

void PruebaResolver::solucionConocida()
{
    QFETCH(int, nodos);
    QFETCH(Filas, filas);
    QFETCH(QList<double>, fuerzas);

    Modulo m;
    Cargar(m, nodos, fuerzas.size(), filas);
    const ResultadoResolver r = ResolverMatriz(m);

    QVERIFY(!r.singular);
    for (int b = 1; b <= fuerzas.size(); ++b)
        QCOMPARE(m.Barras[b].Fuerza, fuerzas[b - 1]);
}

void PruebaResolver::pivoteCasiCero_data()
{
    QTest::addColumn<double>("diagonal");
    QTest::addColumn<bool>("intercambia");

    QTest::newRow("0.00004 rounds to zero") << 0.00004 << true;
    QTest::newRow("-0.00004 rounds to zero") << -0.00004 << true;
    QTest::newRow("0.00006 is a pivot") << 0.00006 << false;
}

void PruebaResolver::pivoteCasiCero()
{
    QFETCH(double, diagonal);
    QFETCH(bool, intercambia);

    // d x1 + x2 = 1000 d + 2, x1 + x2 = 1002: x = (1000, 2) either way.
    Modulo m;
    Cargar(m, 1, 2, {{diagonal, 1, 1000 * diagonal + 2}, {1, 1, 1002}});
    QVERIFY(!ResolverMatriz(m).singular);

    // The coefficient part keeps the normalised first row: row 2 brought in
    // gives M(1,2) = 1, the small pivot kept gives 1/d > 10000.
    if (intercambia)
        QCOMPARE(m.MatrizCalculo[1][2], 1.0);
    else
        QVERIFY(m.MatrizCalculo[1][2] > 10000);
    QCOMPARE(m.Barras[1].Fuerza, 1000.0);
    QCOMPARE(m.Barras[2].Fuerza, 2.0);
}

void PruebaResolver::formaFinalYCeldasAjenas()
{
    // The tridiagonal system above, every cell outside rows 1..4 and
    // columns 1..5 filled with 99.
    Modulo m;
    Cargar(m, 2, 4, {{2, 1, 0, 0, 4}, {1, 2, 1, 0, 8}, {0, 1, 2, 1, 12}, {0, 0, 1, 2, 11}}, 99);
    QVERIFY(!ResolverMatriz(m).singular);

    const Matriz& M = m.MatrizCalculo;
    for (int i = 1; i <= 4; ++i) {
        QCOMPARE(M[i][i], 1.0);
        for (int j = 1; j < i; ++j)
            QCOMPARE(M[i][j], 0.0);
    }
    // Forward pass by hand: row 1 / 2 = (1, 1/2); row 2 - row 1 = (0, 3/2, 1) / (3/2)
    // = (0, 1, 2/3); row 3 - row 2 = (0, 0, 4/3, 1) / (4/3) = (0, 0, 1, 3/4).
    QCOMPARE(M[1][2], 0.5);
    QCOMPARE(M[2][3], 2.0 / 3);
    QCOMPARE(M[3][4], 0.75);
    for (int i = 1; i <= FilasMatriz; ++i)
        for (int j = 1; j <= ColumnasMatriz; ++j)
            if (i > 4 || j > 5)
                QCOMPARE(M[i][j], 99.0);
}

void PruebaResolver::singular_data()
{
    QTest::addColumn<int>("nodos");
    QTest::addColumn<Filas>("filas");
    QTest::addColumn<int>("fila");

    QTest::newRow("dependent last row, k = n") << 1 << Filas{{1, 1, 2}, {1, 1, 3}} << 2;
    QTest::newRow("first column empty") << 1 << Filas{{0, 1, 2}, {0, 3, 3}} << 1;
    // A node with no bar and no support: its two equations are all 0.
    QTest::newRow("node with no bar and no support")
        << 2 << Filas{{1, 0, 2, 1, 5}, {0, 1, 1, 2, 6}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}} << 3;
    // Only a cosine leftover below the zero pivot: no row qualifies.
    QTest::newRow("only a leftover below") << 1 << Filas{{0, 1, 2}, {Coseno90, 1, 3}} << 1;
}

void PruebaResolver::singular()
{
    QFETCH(int, nodos);
    QFETCH(Filas, filas);
    QFETCH(int, fila);

    Modulo m;
    Cargar(m, nodos, 2, filas);
    m.Barras[1].Fuerza = 7.5;
    m.Barras[2].Fuerza = -2.5;

    const ResultadoResolver r = ResolverMatriz(m);
    QVERIFY(r.singular);
    QCOMPARE(r.filaSingular, fila);
    QCOMPARE(m.Barras[1].Fuerza, 7.5);
    QCOMPARE(m.Barras[2].Fuerza, -2.5);
}

void PruebaResolver::intercambioConservaValores()
{
    // 0.1, 1/3 and 0.7 have no exact 32-bit form: a float buffer would alter them.
    Modulo m;
    Cargar(m, 2, 0,
           {{0, 0.1, 1.0 / 3, 0.7, 1e-20}, {Coseno90, 2, 3, 4, 5}, {2, 0.2, 2.0 / 3, 1.3, 0.9}, {6, 7, 8, 9, 10}},
           99);
    const Matriz antes = m.MatrizCalculo;

    QVERIFY(!IntercambiarFila(m.MatrizCalculo, 1, 4));

    // Row 2's leftover is passed over; rows 1 and 3 trade places bit for bit.
    const Matriz& M = m.MatrizCalculo;
    for (int j = 1; j <= 5; ++j) {
        QVERIFY2(MismosBits(M[1][j], antes[3][j]), qPrintable(QStringLiteral("column %1").arg(j)));
        QVERIFY2(MismosBits(M[3][j], antes[1][j]), qPrintable(QStringLiteral("column %1").arg(j)));
        QVERIFY(MismosBits(M[2][j], antes[2][j]));
        QVERIFY(MismosBits(M[4][j], antes[4][j]));
    }
    for (int j = 6; j <= ColumnasMatriz; ++j)
        QCOMPARE(M[1][j], 99.0);
}

void PruebaResolver::intercambioSinFilaValida_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<Filas>("filas");

    QTest::newRow("k = n has no row below") << 2 << Filas{{1, 1, 2}, {0, 0, 3}};
    QTest::newRow("cosine leftover below") << 1 << Filas{{0, 1, 2}, {Coseno90, 1, 3}};
    QTest::newRow("0.00004 below") << 1 << Filas{{0, 1, 2}, {0.00004, 1, 3}};
}

void PruebaResolver::intercambioSinFilaValida()
{
    QFETCH(int, k);
    QFETCH(Filas, filas);

    Modulo m;
    Cargar(m, 1, 0, filas);
    const Matriz antes = m.MatrizCalculo;
    QVERIFY(IntercambiarFila(m.MatrizCalculo, k, 2));
    QVERIFY(m.MatrizCalculo == antes);
}

void PruebaResolver::fuerzasRedondeadasPar_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<double>("fuerza");

    // Exact binary halves, so the tie is real.
    QTest::newRow("12.25 to even 12.2") << 12.25 << 12.2;
    QTest::newRow("12.75 to even 12.8") << 12.75 << 12.8;
    QTest::newRow("-12.25 to even -12.2") << -12.25 << -12.2;
    QTest::newRow("3.14159 to 3.1") << 3.14159 << 3.1;
}

void PruebaResolver::fuerzasRedondeadasPar()
{
    QFETCH(double, valor);
    QFETCH(double, fuerza);

    // The identity leaves the right-hand side as the solution.
    Modulo m;
    Cargar(m, 1, 1, {{1, 0, valor}, {0, 1, 0}});
    QVERIFY(!ResolverMatriz(m).singular);
    QCOMPARE(m.Barras[1].Fuerza, fuerza);
}

void PruebaResolver::reaccionesSinRedondear()
{
    // One bar and three reactions; rows 2..4 of the solution stay as solved.
    Modulo m;
    Cargar(m, 2, 1, {{1, 0, 0, 0, 12.25}, {0, 1, 0, 0, 0.123456}, {0, 0, 1, 0, -7.77777}, {0, 0, 0, 1, 3.14159}});
    QVERIFY(!ResolverMatriz(m).singular);
    QCOMPARE(m.Barras[1].Fuerza, 12.2);
    QVERIFY(MismosBits(m.MatrizCalculo[2][5], 0.123456));
    QVERIFY(MismosBits(m.MatrizCalculo[3][5], -7.77777));
    QVERIFY(MismosBits(m.MatrizCalculo[4][5], 3.14159));
}

QTEST_GUILESS_MAIN(PruebaResolver)
#include "tst_resolver.moc"
