// The equilibrium system and the Gauss elimination on hand-made augmented
// matrices and one small truss; whole trusses are in tst_calcular.

#include "Cercha.h"
#include "Reservas.h"
#include "solver/Ensamblaje.h"
#include "solver/Resolver.h"

#include <QTest>
#include <cstring>

using Filas = QList<QList<double>>;

namespace {

// `nodos` nodes, `barras` bars, augmented rows `filas`; every other cell 99.
void Cargar(Modulo& m, int nodos, int barras, const Filas& filas)
{
    for (int k = 0; k < nodos; ++k)
        m.AgregarNodoRec(0, 0);
    for (int b = 0; b < barras; ++b)
        m.AgregarBarraRec(1);
    for (auto& fila : m.MatrizCalculo)
        fila.fill(99);
    for (int i = 0; i < filas.size(); ++i)
        for (int j = 0; j < filas[i].size(); ++j)
            m.MatrizCalculo[i + 1][j + 1] = filas[i][j];
}

// cos 90 degrees with the program's pi (3.2e-15 short): a leftover near 1.6e-15.
const double Coseno90 = std::cos(90 * 3.14159265358979 / 180);

// A(0,0), B(3,0), C(3,4), bar 2 stored at 90 degrees as the bar tool does; 250 N
// +X at A, 1000 N down at C; pin A, roller B. Bars A->B (1, 0), B->C (c, 1), A->C (0.6, 0.8).
void Triangulo(Modulo& m)
{
    ArmarCercha(m, { { 0, 0, 250, 0 }, { 3, 0 }, { 3, 4, 0, -1000 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
    m.Barras[2].Angulo = 90;
}

} // namespace

class PruebaResolver : public QObject {
    Q_OBJECT
private slots:
    void solucionConocida_data();
    void solucionConocida();
    void singular_data();
    void singular();
    void intercambioEnDobles();
    void rechazoSinEscribir_data();
    void rechazoSinEscribir();
    void coeficientes();
};

void PruebaResolver::solucionConocida_data()
{
    QTest::addColumn<int>("nodos");
    QTest::addColumn<Filas>("filas");
    QTest::addColumn<QList<double>>("fuerzas"); // stored: rounded to 0.1, half to even
    QTest::addColumn<double>("m12"); // M(1,2) after elimination: the first pivot row normalised
    // Tridiagonal with x = (1, 2, 3, 4): b = (2+2, 1+4+3, 2+6+4, 3+8).
    QTest::newRow("4x4 tridiagonal")
        << 2 << Filas { { 2, 1, 0, 0, 4 }, { 1, 2, 1, 0, 8 }, { 0, 1, 2, 1, 12 }, { 0, 0, 1, 2, 11 } }
        << QList<double> { 1, 2, 3, 4 } << 0.5;
    // Rows exchanged: x2 = 3 from row 1, then 2x1 + 3 = 5.
    QTest::newRow("zero first pivot") << 1 << Filas { { 0, 1, 3 }, { 2, 1, 5 } } << QList<double> { 1, 3 } << 0.5;
    // x2 = 2; c x1 + x2 + x3 = 3; x1 = 5; x4 = 7. Row 3 is the pivot, not row
    // 2's leftover c (which would make M(1,2) = 1/c): x = (5, 2, 1 - 5c, 7).
    QTest::newRow("cosine leftover is no pivot")
        << 2 << Filas { { 0, 1, 0, 0, 2 }, { Coseno90, 1, 1, 0, 3 }, { 1, 0, 0, 0, 5 }, { 0, 0, 0, 1, 7 } }
        << QList<double> { 5, 2, 1, 7 } << 0.0;
    // d x1 + x2 = 1000 d + 2, x1 + x2 = 1002: x = (1000, 2) either way; row 2
    // brought in gives M(1,2) = 1, the pivot kept 1/d.
    for (double d : { 0.00004, -0.00004, 0.00006 })
        QTest::addRow("pivot %g", d) << 1 << Filas { { d, 1, 1000 * d + 2 }, { 1, 1, 1002 } }
                                     << QList<double> { 1000, 2 } << (d == 0.00006 ? 1 / d : 1.0);
    // The identity: exact binary halves, so the ties are real.
    QTest::newRow("12.25 -> 12.2, 12.75 -> 12.8, -12.25 -> -12.2, 3.14159 -> 3.1")
        << 2 << Filas { { 1, 0, 0, 0, 12.25 }, { 0, 1, 0, 0, 12.75 }, { 0, 0, 1, 0, -12.25 }, { 0, 0, 0, 1, 3.14159 } }
        << QList<double> { 12.2, 12.8, -12.2, 3.1 } << 0.0;
}

void PruebaResolver::solucionConocida()
{
    QFETCH(int, nodos);
    QFETCH(Filas, filas);
    QFETCH(QList<double>, fuerzas);
    QFETCH(double, m12);
    Modulo m;
    Cargar(m, nodos, int(fuerzas.size()), filas);
    QVERIFY(!ResolverMatriz(m).singular);
    for (int b = 1; b <= fuerzas.size(); ++b)
        QCOMPARE(m.Barras[b].Fuerza, fuerzas[b - 1]);
    QCOMPARE(m.MatrizCalculo[1][2], m12);
    const int n = 2 * nodos;
    for (int i = 1; i <= FilasMatriz; ++i) // nothing outside rows 1..n, columns 1..n + 1
        for (int j = 1; j <= ColumnasMatriz; ++j)
            QVERIFY((i <= n && j <= n + 1) || m.MatrizCalculo[i][j] == 99);
}

void PruebaResolver::singular_data()
{
    QTest::addColumn<int>("nodos");
    QTest::addColumn<Filas>("filas");
    QTest::addColumn<int>("fila");
    QTest::newRow("dependent last row, k = n") << 1 << Filas { { 1, 1, 2 }, { 1, 1, 3 } } << 2;
    QTest::newRow("node with no bar and no support: all-zero rows")
        << 2 << Filas { { 1, 0, 2, 1, 5 }, { 0, 1, 1, 2, 6 }, { 0, 0, 0, 0, 0 }, { 0, 0, 0, 0, 0 } } << 3;
    QTest::newRow("only a cosine leftover below") << 1 << Filas { { 0, 1, 2 }, { Coseno90, 1, 3 } } << 1;
    QTest::newRow("only 0.00004 below") << 1 << Filas { { 0, 1, 2 }, { 0.00004, 1, 3 } } << 1;
}

void PruebaResolver::singular()
{
    QFETCH(int, nodos);
    QFETCH(Filas, filas);
    QFETCH(int, fila);
    Modulo m;
    Cargar(m, nodos, 2, filas);
    m.Barras[1].Fuerza = 7.5;
    const ResultadoResolver r = ResolverMatriz(m);
    QVERIFY(r.singular);
    QCOMPARE(r.filaSingular, fila);
    QCOMPARE(m.Barras[1].Fuerza, 7.5); // the forces of the last success stay
}

void PruebaResolver::intercambioEnDobles()
{
    // 0.1, 1/3 and 0.7 have no exact float form: a float buffer would alter them.
    Modulo m;
    Cargar(m, 2, 0, { { 0, 0.1, 1.0 / 3, 0.7, 1e-20 }, { Coseno90, 2, 3, 4, 5 }, { 2, 0.2, 2.0 / 3, 1.3, 0.9 } });
    const Matriz antes = m.MatrizCalculo;
    QVERIFY(!IntercambiarFila(m.MatrizCalculo, 1, 4));
    // Row 2's leftover is passed over; rows 1 and 3 trade places bit for bit.
    const auto igual = [&](int i, int k) { return !std::memcmp(&m.MatrizCalculo[i], &antes[k], sizeof antes[k]); };
    QVERIFY(igual(1, 3) && igual(3, 1) && igual(2, 2));
}

void PruebaResolver::rechazoSinEscribir_data()
{
    QTest::addColumn<QList<int>>("nodos"); // start and end of bar 3, pin, roller; a 4th: one more bar
    QTest::addColumn<Ensamblaje>("esperado");
    QTest::newRow("four bars on three nodes: 6 is not 7") << QList<int> { 1, 3, 1, 2, 1 } << Ensamblaje::NoCuadrada;
    // Calcular between the two presses of the last bar: rows 2 x 0 - 1 and 0.
    QTest::newRow("bar still being drawn") << QList<int> { 1, 0, 1, 2 } << Ensamblaje::BarraAbierta;
    QTest::newRow("end node beyond the nodes") << QList<int> { 1, 4, 1, 2 } << Ensamblaje::BarraAbierta;
    QTest::newRow("pin not placed") << QList<int> { 1, 3, 0, 2 } << Ensamblaje::ApoyoInvalido;
    QTest::newRow("roller beyond the nodes") << QList<int> { 1, 3, 1, 4 } << Ensamblaje::ApoyoInvalido;
    QTest::newRow("open bar told before a missing support") << QList<int> { 1, 0, 0, 0 } << Ensamblaje::BarraAbierta;
}

void PruebaResolver::rechazoSinEscribir()
{
    QFETCH(QList<int>, nodos);
    QFETCH(Ensamblaje, esperado);
    Modulo m;
    Triangulo(m);
    m.Barras[3].NodoInicial = int16_t(nodos[0]);
    m.Barras[3].NodoFinal = int16_t(nodos[1]);
    m.Apoyos = { 0, int16_t(nodos[2]), int16_t(nodos[3]) };
    if (nodos.size() > 4)
        m.Barras[m.AgregarBarraRec(1)].NodoFinal = 2;
    Matriz siete;
    for (auto& fila : siete)
        fila.fill(7);
    m.MatrizCalculo = m.MatrizInicial = siete;
    QCOMPARE(EnsamblarSistema(m), esperado);
    QVERIFY(m.MatrizCalculo == Matriz {});
    QVERIFY(m.MatrizInicial == siete); // the last square system stays for the results
}

void PruebaResolver::coeficientes()
{
    // Column b: -u at the start node's rows, +u at the end node's (u the unit
    // vector start -> end); columns 4..6 pin X, pin Y, roller Y; column 2N + 1
    // = 7 the loads with reversed sign.
    const double c = Coseno90;
    const double esperado[6][7] = { { -1, 0, -0.6, 1, 0, 0, -250 }, { 0, 0, -0.8, 0, 1, 0, 0 }, // A: X, Y
        { 1, -c, 0, 0, 0, 0, 0 }, { 0, -1, 0, 0, 0, 1, 0 }, { 0, c, 0.6, 0, 0, 0, 0 }, { 0, 1, 0.8, 0, 0, 0, 1000 } };
    Modulo m;
    Triangulo(m);
    long antes = reservas;
    ::operator delete(::operator new(16)); // a direct call the optimiser keeps
    const long vistas = reservas - antes; // the counter sees allocations
    antes = reservas;
    const Ensamblaje hecho = EnsamblarSistema(m);
    long reservadas = reservas - antes;
    QVERIFY(vistas > 0 && hecho == Ensamblaje::Cuadrada);
    const Matriz& M = m.MatrizCalculo;
    for (int i = 1; i <= FilasMatriz; ++i)
        for (int j = 1; j <= ColumnasMatriz; ++j) {
            const double e = i <= 6 && j <= 7 ? esperado[i - 1][j - 1] : 0;
            QVERIFY2(std::abs(M[i][j] - e) < 1e-12, qPrintable(QStringLiteral("M(%1,%2)").arg(i).arg(j)));
        }
    QVERIFY(M[3][2] == -c && c > 1.5e-15 && c < 1.7e-15); // the leftover is kept, not cleaned to 0
    QVERIFY(m.MatrizInicial == M);

    // By hand: the load at C goes down the vertical bar to the roller: F2 = 1000
    // (compression), F1 = F3 = 0; the pin takes back the 250 N: -250, 0, 1000.
    // Column 2 needs an exchange past row 3's leftover -c.
    antes = reservas;
    const bool singular = ResolverMatriz(m).singular;
    GuardarResuelto(m);
    reservadas += reservas - antes;
    QVERIFY(!singular && reservadas == 0); // the calculation allocates nothing
    QVERIFY(m.Barras[1].Fuerza == 0 && m.Barras[2].Fuerza == 1000 && m.Barras[3].Fuerza == 0);
    for (int r = 0; r < 3; ++r)
        QVERIFY(std::abs(m.Resuelto.Reacciones[r] - std::array { -250.0, 0.0, 1000.0 }[r]) < 1e-9);
}

QTEST_GUILESS_MAIN(PruebaResolver)
#include "tst_resolver.moc"
