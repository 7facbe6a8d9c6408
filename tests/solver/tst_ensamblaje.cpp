#include "Cercha.h"
#include "solver/Ensamblaje.h"
#include "solver/Resolver.h"

#include <QLocale>
#include <QTest>

#include <cmath>

// Writing the method-of-joints system of a model into the matrix.

namespace {

// Right triangle of sides 3, 4, 5 with the right angle at C: A(0,0), B(5,0),
// C(1.8,2.4). Bar 1 A->B (1, 0), bar 2 B->C (-0.8, 0.6), bar 3 A->C (0.6, 0.8).
// Pin at A, roller at B; 250 N along +X at A and 1000 N downward at C.
void Triangulo(Modulo& m)
{
    ArmarCercha(m, {{0, 0, 250, 0}, {5, 0}, {1.8, 2.4, 0, -1000}}, {{1, 2}, {2, 3}, {1, 3}}, 1, 2);
}

void Llenar(Matriz& M, double valor)
{
    for (auto& fila : M)
        fila.fill(valor);
}

bool TodaEn(const Matriz& M, double valor)
{
    for (int i = 1; i <= FilasMatriz; ++i)
        for (int j = 1; j <= ColumnasMatriz; ++j)
            if (M[i][j] != valor)
                return false;
    return true;
}

} // namespace

class PruebaEnsamblaje : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void noCuadrada_data();
    void noCuadrada();
    void rechazoSinEscribir_data();
    void rechazoSinEscribir();
    void coeficientesTriangulo();
    void barraVerticalConservaCoseno();
    void cargasConSignoInvertido_data();
    void cargasConSignoInvertido();
    void repetirDaLoMismo();
};

void PruebaEnsamblaje::noCuadrada_data()
{
    QTest::addColumn<int>("nodos");
    QTest::addColumn<int>("barras");
    QTest::addColumn<bool>("ultimaAbierta");

    QTest::newRow("empty model: 0 differs from 0 + 3") << 0 << 0 << false;
    QTest::newRow("four nodes four bars: 8 differs from 7") << 4 << 4 << false;
    QTest::newRow("triangle plus a bar being drawn: 6 differs from 7") << 3 << 4 << true;
}

void PruebaEnsamblaje::noCuadrada()
{
    QFETCH(int, nodos);
    QFETCH(int, barras);
    QFETCH(bool, ultimaAbierta);

    // Bars run round the nodes: 2->3, 3->4, 4->1, 1->2 ...
    Modulo m;
    for (int k = 1; k <= nodos; ++k)
        m.AgregarNodoRec(k, 0);
    for (int b = 1; b <= barras; ++b) {
        const int16_t n = m.AgregarBarraRec(static_cast<int16_t>(b % nodos + 1));
        m.Barras[n].NodoFinal = ultimaAbierta && b == barras ? 0 : static_cast<int16_t>((b + 1) % nodos + 1);
    }
    m.Apoyos = {0, 1, static_cast<int16_t>(nodos > 1 ? 2 : 0)};
    Llenar(m.MatrizCalculo, 9);
    Llenar(m.MatrizInicial, 7);

    QCOMPARE(EnsamblarSistema(m), Ensamblaje::NoCuadrada);
    QVERIFY(TodaEn(m.MatrizCalculo, 0));
    QVERIFY(TodaEn(m.MatrizInicial, 7)); // the last square system stays for the results
}

void PruebaEnsamblaje::rechazoSinEscribir_data()
{
    QTest::addColumn<int>("inicio3");
    QTest::addColumn<int>("fin3");
    QTest::addColumn<int>("fijo");
    QTest::addColumn<int>("rodillo");
    QTest::addColumn<int>("esperado");

    const int abierta = static_cast<int>(Ensamblaje::BarraAbierta);
    const int apoyo = static_cast<int>(Ensamblaje::ApoyoInvalido);
    // Calcular pressed between the two clicks of the last bar: rows 2*0 - 1 and 0.
    QTest::newRow("last bar still being drawn") << 1 << 0 << 1 << 2 << abierta;
    QTest::newRow("end node beyond the nodes") << 1 << 4 << 1 << 2 << abierta;
    QTest::newRow("start node 0") << 0 << 3 << 1 << 2 << abierta;
    QTest::newRow("negative end node") << 1 << -1 << 1 << 2 << abierta;
    QTest::newRow("fixed support not placed") << 1 << 3 << 0 << 2 << apoyo;
    QTest::newRow("roller not placed") << 1 << 3 << 1 << 0 << apoyo;
    QTest::newRow("roller beyond the nodes") << 1 << 3 << 1 << 4 << apoyo;
    QTest::newRow("an open bar is reported before a missing support") << 1 << 0 << 0 << 0 << abierta;
}

void PruebaEnsamblaje::rechazoSinEscribir()
{
    QFETCH(int, inicio3);
    QFETCH(int, fin3);
    QFETCH(int, fijo);
    QFETCH(int, rodillo);
    QFETCH(int, esperado);

    Modulo m;
    Triangulo(m);
    m.Barras[3].NodoInicial = static_cast<int16_t>(inicio3);
    m.Barras[3].NodoFinal = static_cast<int16_t>(fin3);
    m.Apoyos = {0, static_cast<int16_t>(fijo), static_cast<int16_t>(rodillo)};
    Llenar(m.MatrizCalculo, 9);
    Llenar(m.MatrizInicial, 7);

    QCOMPARE(static_cast<int>(EnsamblarSistema(m)), esperado);
    QVERIFY(TodaEn(m.MatrizCalculo, 0));
    QVERIFY(TodaEn(m.MatrizInicial, 7));
}

void PruebaEnsamblaje::coeficientesTriangulo()
{
    // Column b: -u at the start node's rows, +u at the end node's rows (u the
    // unit vector start -> end); columns 4..6 the pin X, pin Y and roller Y;
    // column 7 = 2N + 1 the loads with reversed sign.
    const double esperado[6][7] = {
        {-1, 0, -0.6, 1, 0, 0, -250}, // A along X
        {0, 0, -0.8, 0, 1, 0, 0},     // A along Y
        {1, 0.8, 0, 0, 0, 0, 0},      // B along X
        {0, -0.6, 0, 0, 0, 1, 0},     // B along Y
        {0, -0.8, 0.6, 0, 0, 0, 0},   // C along X
        {0, 0.6, 0.8, 0, 0, 0, 1000}, // C along Y
    };
    Modulo m;
    Triangulo(m);
    Llenar(m.MatrizCalculo, 9);

    QCOMPARE(EnsamblarSistema(m), Ensamblaje::Cuadrada);
    const Matriz& M = m.MatrizCalculo;
    for (int i = 1; i <= FilasMatriz; ++i) {
        for (int j = 1; j <= ColumnasMatriz; ++j) {
            const double e = i <= 6 && j <= 7 ? esperado[i - 1][j - 1] : 0;
            QVERIFY2(std::abs(M[i][j] - e) < 1e-12, qPrintable(QStringLiteral("M(%1,%2)").arg(i).arg(j)));
        }
    }
    QVERIFY(m.MatrizInicial == m.MatrizCalculo);
}

void PruebaEnsamblaje::barraVerticalConservaCoseno()
{
    // A(0,0) -> B(0,3) stored at 90 degrees; 2 x 2 = 1 + 3. The program's pi
    // is 3.14159265358979, 3.2e-15 short of pi, so theta is 1.6e-15 short of a
    // right angle and cos theta is about 1.6e-15: small, but not 0.
    Modulo m;
    ArmarCercha(m, {{0, 0}, {0, 3}}, {{1, 2}}, 1, 2);
    m.Barras[1].Angulo = 90;

    QCOMPARE(EnsamblarSistema(m), Ensamblaje::Cuadrada);
    const Matriz& M = m.MatrizCalculo;
    QVERIFY(M[1][1] < -1.5e-15 && M[1][1] > -1.7e-15);
    QVERIFY(M[3][1] > 1.5e-15 && M[3][1] < 1.7e-15);
    QCOMPARE(M[1][1], -std::cos(90 * 3.14159265358979 / 180));
    QCOMPARE(M[2][1], -1.0);
    QCOMPARE(M[4][1], 1.0);
}

void PruebaEnsamblaje::cargasConSignoInvertido_data()
{
    QTest::addColumn<double>("fx");
    QTest::addColumn<double>("fy");
    QTest::addColumn<double>("filaX");
    QTest::addColumn<double>("filaY");

    QTest::newRow("downward 1000 N gives +1000") << 0.0 << -1000.0 << 0.0 << 1000.0;
    QTest::newRow("rightward 250 N gives -250") << 250.0 << 0.0 << -250.0 << 0.0;
    QTest::newRow("load of 10 N at 270 degrees pushes up") << 0.0 << 10.0 << 0.0 << -10.0;
    QTest::newRow("both components") << -3.5 << 7.25 << 3.5 << -7.25;
}

void PruebaEnsamblaje::cargasConSignoInvertido()
{
    QFETCH(double, fx);
    QFETCH(double, fy);
    QFETCH(double, filaX);
    QFETCH(double, filaY);

    // The load sits on node C: rows 5 and 6 of column 2 x 3 + 1 = 7.
    Modulo m;
    Triangulo(m);
    m.Nodos[1].Fx = 0;
    m.Nodos[3].Fx = fx;
    m.Nodos[3].Fy = fy;
    QCOMPARE(EnsamblarSistema(m), Ensamblaje::Cuadrada);
    QCOMPARE(m.MatrizCalculo[5][7], filaX);
    QCOMPARE(m.MatrizCalculo[6][7], filaY);
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(m.MatrizCalculo[i][7], 0.0);
}

void PruebaEnsamblaje::repetirDaLoMismo()
{
    // Solving leaves the matrix eliminated; a second assembly starts afresh.
    Modulo m;
    Triangulo(m);
    QCOMPARE(EnsamblarSistema(m), Ensamblaje::Cuadrada);
    const Matriz primera = m.MatrizCalculo;
    QVERIFY(!ResolverMatriz(m).singular);
    const Matriz resuelta = m.MatrizCalculo;
    const double fuerza2 = m.Barras[2].Fuerza;

    QCOMPARE(EnsamblarSistema(m), Ensamblaje::Cuadrada);
    QVERIFY(m.MatrizCalculo == primera);
    QVERIFY(m.MatrizInicial == primera);
    QVERIFY(!ResolverMatriz(m).singular);
    QVERIFY(m.MatrizCalculo == resuelta);
    QCOMPARE(m.Barras[2].Fuerza, fuerza2);
}

QTEST_GUILESS_MAIN(PruebaEnsamblaje)
#include "tst_ensamblaje.moc"
