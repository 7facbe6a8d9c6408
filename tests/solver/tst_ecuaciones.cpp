// The method of joints written out for the results window, on a truss solved
// by hand: every equation, its numbers substituted, the column headings and
// the bar list's tooltips, with "." and with a regional comma.

#include "Cercha.h"
#include "solver/Ecuaciones.h"
#include "solver/Ensamblaje.h"
#include "solver/Resolver.h"

#include <QTest>

namespace {

// A(0,0) pinned, B(4,0) on the roller, C(4,3); bars 1 A->B, 2 B->C (90
// degrees), 3 A->C (3-4-5: cos 0.8, sin 0.6); 1000 N pushes C to the right.
// Whole truss: RAx = -1000; moments about A, 4 RBy - 3 x 1000 = 0, RBy = 750;
// RAy = -750. Tensions pull a joint toward the far end. C: X -0.8 T3 + 1000 =
// 0, T3 = 1250; Y -T2 - 0.6 T3 = 0, T2 = -750. B: X -T1 = 0. Stored Fuerza
// (compression positive): 0, 750, -1250.
// Matrix rows (bar coefficients reversed for tensions, loads with reversed
// sign on the right): A x: T1 + 0.8 T3 + RAx = 0; A y: 0.6 T3 + RAy = 0;
// B x: -T1 = 0 (bar 2's cosine leftover left out); B y: T2 + RBy = 0;
// C x: -0.8 T3 = -1000; C y: -T2 - 0.6 T3 = 0.
CalculoResuelto Resuelto()
{
    Modulo m;
    ArmarCercha(m, { { 0, 0 }, { 4, 0 }, { 4, 3, 1000, 0 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
    for (int b = 1; b <= 3; ++b)
        m.Barras[b].Longitud = std::array { 4.0, 3.0, 5.0 }[b - 1];
    if (EnsamblarSistema(m) != Ensamblaje::Cuadrada || ResolverMatriz(m).singular)
        return {};
    GuardarResuelto(m);
    return m.Resuelto;
}

enum class Texto { Ecuacion, Sustitucion, Columna, Barra };

} // namespace

class PruebaEcuaciones : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void textos_data();
    void textos();
    void tooltipDeFila();
};

void PruebaEcuaciones::textos_data()
{
    QTest::addColumn<Texto>("que");
    QTest::addColumn<int>("indice");
    QTest::addColumn<bool>("coma"); // Spanish regional settings
    QTest::addColumn<QString>("texto");
    const auto fila = [](const char* nombre, Texto que, int i, bool coma, const QString& texto) {
        QTest::newRow(nombre) << que << i << coma << texto;
    };
    fila("A x", Texto::Ecuacion, 1, false, "Nodo A, ΣFx = 0: 1·F1 + 0.8·F3 + RAx = 0");
    fila("A y", Texto::Ecuacion, 2, false, "Nodo A, ΣFy = 0: 0.6·F3 + RAy = 0");
    fila("B x, leftover cosine left out", Texto::Ecuacion, 3, false, "Nodo B, ΣFx = 0: −1·F1 = 0");
    fila("B y", Texto::Ecuacion, 4, false, "Nodo B, ΣFy = 0: 1·F2 + RBy = 0");
    fila("C x, the load", Texto::Ecuacion, 5, false, "Nodo C, ΣFx = 0: −0.8·F3 = -1000");
    fila("C y", Texto::Ecuacion, 6, false, "Nodo C, ΣFy = 0: −1·F2 − 0.6·F3 = 0");
    fila("A x comma", Texto::Ecuacion, 1, true, "Nodo A, ΣFx = 0: 1·F1 + 0,8·F3 + RAx = 0");
    fila("A x solved", Texto::Sustitucion, 1, false, "Con la solución: 1·0.0 + 0.8·1250.0 + (-1000.00) = 0; residuo 0");
    fila("B y solved", Texto::Sustitucion, 4, false, "Con la solución: 1·(-750.0) + 750.00 = 0; residuo 0");
    fila("C x solved", Texto::Sustitucion, 5, false, "Con la solución: −0.8·1250.0 = -1000; residuo 0");
    fila("C y solved", Texto::Sustitucion, 6, false, "Con la solución: −1·(-750.0) − 0.6·1250.0 = 0; residuo 0");
    fila("C y solved comma", Texto::Sustitucion, 6, true, "Con la solución: −1·(-750,0) − 0,6·1250,0 = 0; residuo 0");
    fila("bar column", Texto::Columna, 2, false,
        "Elem 2: fuerza de la barra 2, del nodo B al nodo C (F2). La matriz la cuenta positiva a compresión; "
        "las ecuaciones, como la lista, positiva a tracción.");
    fila("pin X", Texto::Columna, 4, false, "Fijo X: reacción horizontal del apoyo fijo, en el nodo A (RAx)");
    fila("pin Y", Texto::Columna, 5, false, "Fijo Y: reacción vertical del apoyo fijo, en el nodo A (RAy)");
    fila("roller Y", Texto::Columna, 6, false, "Movil Y: reacción vertical del apoyo móvil, en el nodo B (RBy)");
    fila("loads", Texto::Columna, 7, false,
        "Cargas: la carga de cada nodo con el signo cambiado, el lado derecho de las ecuaciones (N)");
    fila("bar at zero force", Texto::Barra, 1, false,
        "Barra 1: nodos A - B, longitud 4 m, ángulo 0°, fuerza 0.0 N (fuerza nula)");
    fila("bar in compression", Texto::Barra, 2, false,
        "Barra 2: nodos B - C, longitud 3 m, ángulo 90°, fuerza -750.0 N (compresión)");
    fila("bar in tension", Texto::Barra, 3, false,
        "Barra 3: nodos A - C, longitud 5 m, ángulo 36.87°, fuerza 1250.0 N (tracción)");
    fila("bar in tension, comma", Texto::Barra, 3, true,
        "Barra 3: nodos A - C, longitud 5 m, ángulo 36,87°, fuerza 1250,0 N (tracción)");
}

void PruebaEcuaciones::textos()
{
    QFETCH(Texto, que);
    QFETCH(int, indice);
    QFETCH(bool, coma);
    QFETCH(QString, texto);
    const CalculoResuelto r = Resuelto();
    QVERIFY(r.hay);
    if (coma)
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    switch (que) {
    case Texto::Ecuacion: QCOMPARE(TextoEcuacion(r, indice), texto); break;
    case Texto::Sustitucion: QCOMPARE(TextoSustitucion(r, indice), texto); break;
    case Texto::Columna: QCOMPARE(TooltipColumna(r, indice), texto); break;
    case Texto::Barra: QCOMPARE(TooltipBarra(r, indice), texto); break;
    }
}

// The tooltip joins both lines and says which sign the forces carry. A stored
// force off by its rounding shows in the residual: bar 3 at 1250.1 N leaves
// 0.8 x 0.1 = 0.08 in C x, to the left side's excess.
void PruebaEcuaciones::tooltipDeFila()
{
    CalculoResuelto r = Resuelto();
    QCOMPARE(TooltipFila(r, 5),
        QStringLiteral("Nodo C, ΣFx = 0: −0.8·F3 = -1000\nCon la solución: −0.8·1250.0 = -1000; residuo 0\n"
                       "Fuerzas de barra con el signo de la lista: tracción positiva."));
    r.Barras[3].Fuerza = -1250.1;
    QCOMPARE(TextoSustitucion(r, 5), QStringLiteral("Con la solución: −0.8·1250.1 = -1000; residuo -0.08"));
}

QTEST_GUILESS_MAIN(PruebaEcuaciones)
#include "tst_ecuaciones.moc"
