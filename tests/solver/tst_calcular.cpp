// The Calcular click on the window: what it shows on the board for a solved
// truss, and what it leaves alone when the system cannot be solved. The truss
// is written into the model as the editor leaves it; the bar numbers stand at
// the bars' midpoints as the bar tool puts them.

#include "board/Principal.h"
#include "model/Numeros.h"
#include "solver/Cercha.h"
#include "solver/Ensamblaje.h"
#include "solver/Resolver.h"

#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QLabel>
#include <QToolButton>
#include <QtTest>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>

// Every allocation of the program is counted, to show that assembling and
// solving allocate nothing.
namespace {
std::atomic<long> reservas { 0 };
}

void* operator new(std::size_t bytes)
{
    ++reservas;
    if (void* memoria = std::malloc(bytes == 0 ? 1 : bytes))
        return memoria;
    throw std::bad_alloc();
}

void operator delete(void* memoria) noexcept
{
    std::free(memoria);
}

void operator delete(void* memoria, std::size_t) noexcept
{
    std::free(memoria);
}

namespace {

const QString Calculada = QStringLiteral("Cercha calculada satisfactoriamente");
const QString NoCuadrada = QStringLiteral("Cercha mal determinada, matriz de cálculo no es cuadrada");
const QString Singular = QStringLiteral("Matriz singular, Imposible calcular la cercha");

const QColor Azul(0, 0, 255);
const QColor Rojo(255, 0, 0);
const QColor SinFuerza(247, 187, 106);
const QColor Verde(0, 255, 0);

// The bar number at the bar's midpoint, shown and in front, and the bar's line
// between its nodes, as the bar tool leaves them.
void RotularBarras(Principal& p)
{
    const Modulo& m = p.modulo;
    for (int b = 1; b <= m.NumBarras; ++b) {
        const BarraRec& barra = m.Barras[b];
        const NodoRec& a = m.Nodos[barra.NodoInicial];
        const NodoRec& e = m.Nodos[barra.NodoFinal == 0 ? barra.NodoInicial : barra.NodoFinal];
        p.Barra[b]->FijarInicio(float(p.coordenadas.ATwips(a.X, Eje::X)), float(p.coordenadas.ATwips(a.Y, Eje::Y)));
        p.Barra[b]->FijarFin(float(p.coordenadas.ATwips(e.X, Eje::X)), float(p.coordenadas.ATwips(e.Y, Eje::Y)));
        p.Barra[b]->Visible(true);
        p.lbBarra[b]->Mover(
            float(p.coordenadas.ATwips((a.X + e.X) / 2, Eje::X)), float(p.coordenadas.ATwips((a.Y + e.Y) / 2, Eje::Y)));
        p.lbBarra[b]->Caption(FormatoGeneral(b, Separador::Punto));
        p.lbBarra[b]->Visible(true);
        p.apilamiento.AlFrente(p.lbBarra[b]->item);
    }
    p.Calcular->setEnabled(true);
}

// 3-4-5 right triangle, right angle at C: A(0,0), B(5,0), C(1.8,2.4), P down
// at C, pin A, roller B; bars 1 A->B, 2 B->C, 3 A->C. By hand for P = 1000:
// moments about A give the roller 360 and the pin 640; at C, along X
// 0.6 F3 = 0.8 F2 and along Y 0.8 F3 + 0.6 F2 = 1000, so F2 = 600, F3 = 800
// (compression); at B, F1 = -0.8 F2 = -480 (tension). Display: -F.
void Triangulo(Modulo& m, double carga)
{
    ArmarCercha(m, { { 0, 0 }, { 5, 0 }, { 1.8, 2.4, 0, -carga } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
}

// Warren of equilateral triangles of side 2, 1200 N down at B (mid bottom):
// A(0,0), B(2,0), C(4,0), D(1,r3), E(3,r3); bars AB, BC, A->D, D->B, B->E,
// E->C, D->E; pin A, roller C. Reactions 600 each; at A the diagonal carries
// 600 / sin 60 = 692.82 in compression and the chord 346.41 in tension.
void Warren(Modulo& m)
{
    const double r3 = std::sqrt(3.0);
    ArmarCercha(m, { { 0, 0 }, { 2, 0, 0, -1200 }, { 4, 0 }, { 1, r3 }, { 3, r3 } },
        { { 1, 2 }, { 2, 3 }, { 1, 4 }, { 4, 2 }, { 2, 5 }, { 5, 3 }, { 4, 5 } }, 1, 3);
}

// 11 nodes, 19 bars: the largest truss with a square system.
void MasGrande(Modulo& m)
{
    const double r3 = std::sqrt(3.0);
    ArmarCercha(m,
        { { 0, 0 }, { 2, 0, 0, -1000 }, { 4, 0, 0, -1000 }, { 6, 0, 0, -1000 }, { 8, 0, 0, -1000 }, { 10, 0 },
            { 1, r3 }, { 3, r3 }, { 5, r3 }, { 7, r3 }, { 9, r3 } },
        { { 1, 2 }, { 2, 3 }, { 3, 4 }, { 4, 5 }, { 5, 6 }, { 7, 8 }, { 8, 9 }, { 9, 10 }, { 10, 11 }, { 1, 7 },
            { 7, 2 }, { 2, 8 }, { 8, 3 }, { 3, 9 }, { 9, 4 }, { 4, 10 }, { 10, 5 }, { 5, 11 }, { 11, 6 } },
        1, 6);
}

struct Ventana {
    Modulo m;
    Principal p { m, Principal::Arranque::SinPresentacion };
};

// What the board shows of the bars, to compare before and after a refusal.
struct VistaBarras {
    QStringList textos;
    QList<bool> visibles;
    QList<QColor> colores;
    QList<QPointF> lugares;
    static VistaBarras De(const Principal& p)
    {
        VistaBarras t;
        for (int b = 1; b <= MaxBarras; ++b) {
            t.textos << p.lbFuerza[b]->TextoActual();
            t.visibles << p.lbFuerza[b]->EsVisible();
            t.colores << p.Barra[b]->ColorActual();
            t.lugares << QPointF(p.lbFuerza[b]->Left(), p.lbFuerza[b]->Top());
        }
        return t;
    }
    bool operator==(const VistaBarras&) const = default;
};

bool MatrizCero(const Matriz& M)
{
    for (const auto& fila : M)
        for (double v : fila)
            if (v != 0)
                return false;
    return true;
}

} // namespace

class PruebaCalcular : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void etiquetasYColores_data();
    void etiquetasYColores();
    void etiquetaJuntoAlNumero();
    void separadorRegional();
    void ceroSinSigno();
    void cuentaNoCuadradaNoCambiaNada();
    void cuentaNoCuadradaAlEmpezar();
    void singularNoCambiaNada();
    void sinRodilloRehusado();
    void colorearBarrasSegunUltimoCalculo();
    void colorearSinCalculoNoHaceNada();
    void cerchaMasGrandeRapida();
    void ensamblarYResolverSinReservas();
};

void PruebaCalcular::etiquetasYColores_data()
{
    QTest::addColumn<int>("caso");
    QTest::addColumn<QStringList>("textos");
    QTest::addColumn<QList<QColor>>("colores");
    // Triangle: F = -480, 600, 800 (above).
    QTest::newRow("3-4-5 triangle") << 0 << QStringList { "480", "-600", "-800" } << QList<QColor> { Rojo, Azul, Azul };
    // Warren: chords -346.41 (tension), diagonals at A and C +692.82, inner
    // diagonals -692.82, top chord +692.82 (see the comment above).
    QTest::newRow("Warren") << 1 << QStringList { "346.4", "346.4", "-692.8", "692.8", "692.8", "-692.8", "-692.8" }
                            << QList<QColor> { Rojo, Rojo, Azul, Rojo, Rojo, Azul, Azul };
}

void PruebaCalcular::etiquetasYColores()
{
    QFETCH(int, caso);
    QFETCH(QStringList, textos);
    QFETCH(QList<QColor>, colores);
    Ventana v;
    if (caso == 0)
        Triangulo(v.m, 1000);
    else
        Warren(v.m);
    RotularBarras(v.p);
    QVERIFY(!v.p.Resultados->isEnabled());

    QTest::mouseClick(v.p.Calcular, Qt::LeftButton);

    QCOMPARE(v.p.MensajeActual(), Calculada);
    QVERIFY(v.p.Resultados->isEnabled());
    for (int b = 1; b <= v.m.NumBarras; ++b) {
        QCOMPARE(v.p.lbFuerza[b]->TextoActual(), textos[b - 1]);
        QVERIFY(v.p.lbFuerza[b]->EsVisible());
        QCOMPARE(v.p.Barra[b]->ColorActual(), colores[b - 1]);
    }
    QVERIFY(!v.p.lbFuerza[v.m.NumBarras + 1]->EsVisible());
}

void PruebaCalcular::etiquetaJuntoAlNumero()
{
    Ventana v;
    Triangulo(v.m, 1000);
    RotularBarras(v.p);
    // A two-digit number label is wider than the one-digit ones.
    v.p.lbBarra[2]->Caption(QStringLiteral("12"));
    v.p.Calcular_Click();
    double zMaxima = -1e300;
    for (const QGraphicsItem* item : v.p.Diagrama->Escena().items())
        zMaxima = std::max(zMaxima, item->zValue());
    for (int b = 1; b <= 3; ++b) {
        const Etiqueta& numero = *v.p.lbBarra[b];
        const Etiqueta& fuerza = *v.p.lbFuerza[b];
        // It starts where the number ends; the two share their bottom edge.
        QCOMPARE(fuerza.Left(), numero.Left() + numero.Width());
        QVERIFY(std::abs(fuerza.Top() + fuerza.Height() - (numero.Top() + numero.Height())) < 0.01f);
        QVERIFY(fuerza.Height() < numero.Height()); // Arial 6 pt under the window font
        QCOMPARE(fuerza.item->pos(), QPointF(fuerza.Left(), fuerza.Top()));
        QVERIFY(fuerza.item->zValue() > numero.item->zValue());
    }
    QCOMPARE(v.p.lbFuerza[3]->item->zValue(), zMaxima);
}

void PruebaCalcular::separadorRegional()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Ventana v;
    Warren(v.m);
    RotularBarras(v.p);
    v.p.Calcular_Click();
    QCOMPARE(v.p.lbFuerza[1]->TextoActual(), QStringLiteral("346,4"));
    QCOMPARE(v.p.lbFuerza[3]->TextoActual(), QStringLiteral("-692,8"));
}

void PruebaCalcular::ceroSinSigno()
{
    // P = 0.05 N scales the triangle's forces by 1/20000: F1 = -0.024,
    // F2 = 0.03, F3 = 0.04, all stored as zero, one of them as -0.
    Ventana v;
    Triangulo(v.m, 0.05);
    RotularBarras(v.p);
    v.p.Calcular_Click();
    QCOMPARE(v.p.MensajeActual(), Calculada);
    for (int b = 1; b <= 3; ++b) {
        QCOMPARE(v.m.Barras[b].Fuerza, 0.0);
        QCOMPARE(v.p.lbFuerza[b]->TextoActual(), QStringLiteral("0"));
        QCOMPARE(v.p.Barra[b]->ColorActual(), SinFuerza);
    }
}

void PruebaCalcular::cuentaNoCuadradaNoCambiaNada()
{
    Ventana v;
    Triangulo(v.m, 1000);
    RotularBarras(v.p);
    v.p.Calcular_Click();
    const VistaBarras antes = VistaBarras::De(v.p);
    const Matriz inicial = v.m.MatrizInicial;
    const CalculoResuelto resuelto = v.m.Resuelto;

    // A fourth node and a fourth bar: 2 x 4 = 8 is not 4 + 3.
    const int16_t d = v.m.AgregarNodoRec(3, 3);
    BarraRec& barra = v.m.Barras[v.m.AgregarBarraRec(3)];
    barra.NodoFinal = d;
    barra.Angulo = AnguloBarra(v.m.Nodos[3], v.m.Nodos[d]);
    RotularBarras(v.p);
    v.p.Calcular_Click();

    QCOMPARE(v.p.MensajeActual(), NoCuadrada);
    QVERIFY(MatrizCero(v.m.MatrizCalculo));
    QVERIFY(v.m.MatrizInicial == inicial);
    QVERIFY(VistaBarras::De(v.p) == antes);
    QVERIFY(v.p.Resultados->isEnabled());
    QCOMPARE(v.m.Resuelto.NumNodos, resuelto.NumNodos);
    QVERIFY(v.m.Resuelto.MatrizInicial == resuelto.MatrizInicial);
    QCOMPARE(v.m.Barras[1].Fuerza, -480.0);
}

void PruebaCalcular::cuentaNoCuadradaAlEmpezar()
{
    // Three nodes and two bars: 6 is not 2 + 3. Nothing has been solved yet.
    Ventana v;
    ArmarCercha(v.m, { { 0, 0 }, { 2, 0 }, { 1, 1 } }, { { 1, 2 }, { 2, 3 } }, 1, 2);
    RotularBarras(v.p);
    v.p.Calcular_Click();
    QCOMPARE(v.p.MensajeActual(), NoCuadrada);
    QVERIFY(!v.p.Resultados->isEnabled());
    QVERIFY(!v.p.lbFuerza[1]->EsVisible());
    QVERIFY(!v.m.Resuelto.hay);
}

void PruebaCalcular::singularNoCambiaNada()
{
    Ventana v;
    Triangulo(v.m, 1000);
    RotularBarras(v.p);
    v.p.Calcular_Click();
    const VistaBarras antes = VistaBarras::De(v.p);
    const Matriz resueltaInicial = v.m.Resuelto.MatrizInicial;

    // C moved onto the line AB: three horizontal bars cannot carry the load.
    v.m.Nodos[3].X = 2.5;
    v.m.Nodos[3].Y = 0;
    v.m.Barras[2].Angulo = 180;
    v.m.Barras[3].Angulo = 0;
    v.p.Calcular_Click();

    QCOMPARE(v.p.MensajeActual(), Singular);
    QVERIFY(VistaBarras::De(v.p) == antes);
    QVERIFY(v.p.Resultados->isEnabled());
    QCOMPARE(v.m.Barras[1].Fuerza, -480.0);
    QCOMPARE(v.m.Barras[2].Fuerza, 600.0);
    QCOMPARE(v.m.Barras[3].Fuerza, 800.0);
    QVERIFY(v.m.Resuelto.MatrizInicial == resueltaInicial);
    QCOMPARE(v.m.Resuelto.Barras[3].Fuerza, 800.0);
}

void PruebaCalcular::sinRodilloRehusado()
{
    Ventana v;
    Triangulo(v.m, 1000);
    v.m.Apoyos[2] = 0;
    RotularBarras(v.p);
    v.p.Calcular_Click();
    QVERIFY(v.p.MensajeActual().contains(QStringLiteral("apoyo movil")));
    QVERIFY(MatrizCero(v.m.MatrizInicial));
    QVERIFY(!v.p.lbFuerza[1]->EsVisible());
    QVERIFY(!v.p.Resultados->isEnabled());
}

void PruebaCalcular::colorearBarrasSegunUltimoCalculo()
{
    Ventana v;
    Triangulo(v.m, 1000);
    RotularBarras(v.p);
    v.p.Calcular_Click();
    // A bar drawn since the calculation keeps its colour.
    BarraRec& nueva = v.m.Barras[v.m.AgregarBarraRec(1)];
    nueva.NodoFinal = 3;
    for (int b = 1; b <= 4; ++b)
        v.p.Barra[b]->Color(Verde);

    v.p.ColorearBarras();
    QCOMPARE(v.p.Barra[1]->ColorActual(), Rojo);
    QCOMPARE(v.p.Barra[2]->ColorActual(), Azul);
    QCOMPARE(v.p.Barra[3]->ColorActual(), Azul);
    QCOMPARE(v.p.Barra[4]->ColorActual(), Verde);
}

void PruebaCalcular::colorearSinCalculoNoHaceNada()
{
    Ventana v;
    Triangulo(v.m, 1000);
    RotularBarras(v.p);
    v.p.Barra[1]->Color(Verde);
    v.p.ColorearBarras();
    QCOMPARE(v.p.Barra[1]->ColorActual(), Verde);
    QCOMPARE(v.p.Barra[2]->ColorActual(), SinFuerza);
}

void PruebaCalcular::cerchaMasGrandeRapida()
{
    Ventana v;
    MasGrande(v.m);
    RotularBarras(v.p);
    v.p.Calcular_Click();
    QCOMPARE(v.p.MensajeActual(), Calculada);
    // k = 2000 / r3 = 1154.70; bar 3, the middle of the bottom chord, 3k in
    // tension; bar 7, the middle of the top chord, 3k in compression.
    QCOMPARE(v.p.lbFuerza[3]->TextoActual(), QStringLiteral("3464.1"));
    QCOMPARE(v.p.lbFuerza[7]->TextoActual(), QStringLiteral("-3464.1"));
    QCOMPARE(v.p.lbFuerza[14]->TextoActual(), QStringLiteral("0"));

    // Well under a millisecond, the best of a few runs so that a busy machine
    // does not decide. Instrumented builds are too slow to tell.
    qint64 mejor = std::numeric_limits<qint64>::max();
    for (int vez = 0; vez < 20; ++vez) {
        QElapsedTimer reloj;
        reloj.start();
        v.p.Calcular_Click();
        mejor = std::min(mejor, reloj.nsecsElapsed());
    }
#if !defined(__SANITIZE_ADDRESS__)
    QVERIFY2(mejor < 1'000'000, qPrintable(QStringLiteral("%1 ns").arg(mejor)));
#endif
    const long antes = reservas;
    v.p.Calcular_Click();
    qInfo("Calcular for 11 nodes and 19 bars: %lld ns, %ld allocations (label texts)", mejor, reservas - antes);
}

void PruebaCalcular::ensamblarYResolverSinReservas()
{
    Modulo m;
    MasGrande(m);
    const long vistas = reservas;
    const auto muestra = std::make_unique<double>(1);
    QVERIFY(reservas > vistas); // the counter does see allocations
    const long antes = reservas;
    QCOMPARE(EnsamblarSistema(m), Ensamblaje::Cuadrada);
    QVERIFY(!ResolverMatriz(m).singular);
    GuardarResuelto(m);
    QCOMPARE(reservas - antes, 0L);
}

QTEST_MAIN(PruebaCalcular)
#include "tst_calcular.moc"
