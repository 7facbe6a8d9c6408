// The calculation as a student meets it in the window: twice in a row, after
// editing that leaves the system not square, with a bar still open, on the
// rendered board, and with the results window highlighting bars. The trusses
// and their hand-worked forces are those of tst_cerchas_dibujadas.

#include "CerchasDibujadas.h"

#include <cmath>

namespace {

// The main window's pixel over a point of the bar a few pixels before its
// midpoint, on the side away from the number label (which hangs right of and
// below the midpoint).
QPoint PuntoDeBarra(const Principal& p, int b)
{
    const Linea& linea = *p.Barra[b];
    QPointF a(linea.X1, linea.Y1);
    QPointF e(linea.X2, linea.Y2);
    if (e.x() < a.x() || (e.x() == a.x() && e.y() < a.y()))
        std::swap(a, e);
    const QPointF medio = (a + e) / 2;
    const QPointF haciaA = (a - medio) / std::hypot(a.x() - medio.x(), a.y() - medio.y());
    const QPoint enVista = p.Diagrama->mapFromScene(medio) + (haciaA * 4).toPoint();
    return p.Diagrama->viewport()->mapTo(&p, enVista);
}

bool Parecido(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8
        && std::abs(a.blue() - b.blue()) <= 8;
}

} // namespace

class PruebaCalculoDibujado : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void dosVecesIgual();
    void cuatroNodosCuatroBarras();
    void barraAbiertaRehusada();
    void imagenConLosColores();
    void resaltarYCerrar();
};

void PruebaCalculoDibujado::dosVecesIgual()
{
    Dibujante d;
    QVERIFY(d.Mostrar());
    DibujarWarren(d);
    d.Calcular();
    const QStringList fuerzas = d.Fuerzas();
    const QList<QColor> colores = d.Colores();
    const Matriz calculo = d.m.MatrizCalculo;
    const Matriz inicial = d.m.MatrizInicial;
    d.Calcular();
    QCOMPARE(d.p.MensajeActual(), Calculada);
    QCOMPARE(d.Fuerzas(), fuerzas);
    QCOMPARE(d.Colores(), colores);
    QVERIFY(d.m.MatrizCalculo == calculo);
    QVERIFY(d.m.MatrizInicial == inicial);
}

void PruebaCalculoDibujado::cuatroNodosCuatroBarras()
{
    Dibujante d;
    QVERIFY(d.Mostrar());
    DibujarTriangulo(d);
    d.Calcular();
    const QStringList fuerzas = d.Fuerzas();

    // A fourth node and a bar to it: 2 x 4 = 8 is not 4 + 3.
    d.Nodo("3", "1");
    d.Barra(3, 4);
    QCOMPARE(d.m.NumNodos, int16_t(4));
    QCOMPARE(d.m.NumBarras, int16_t(4));
    d.Calcular();
    QCOMPARE(d.p.MensajeActual(), QStringLiteral("Cercha mal determinada, matriz de cálculo no es cuadrada"));
    QCOMPARE(d.Fuerzas().mid(0, 3), fuerzas);
    QVERIFY(!d.p.lbFuerza[4]->EsVisible());
    QCOMPARE(d.Colores().mid(0, 3), (QList<QColor> { Azul, Azul, Rojo }));
    QCOMPARE(d.Color(4), Cero);

    // The results window still shows the triangle, as the board does.
    const VistaResultados r = AbrirResultados(d);
    QCOMPARE(r.filas, 7);
    QCOMPARE(r.columnas, 8);
    QCOMPARE(r.lineas, (QStringList { "1\tA - B\t-707.1", "2\tB - C\t-707.1", "3\tA - C\t500.0" }));
    QCOMPARE(r.apoyos[2], QStringLiteral("Apoyo Movil Y: 500.00"));
}

void PruebaCalculoDibujado::barraAbiertaRehusada()
{
    Dibujante d;
    QVERIFY(d.Mostrar());
    d.Nodo("0", "0");
    d.BarraEscrita(1, Raiz2, "45");
    d.BarraEscrita(2, Raiz2, "315");
    d.Apoyos(1, 3);
    // The third bar opened at A and not yet closed: three bars, three nodes.
    d.Herramienta(HerrBarra);
    d.ClicNodo(1);
    QCOMPARE(d.m.NumBarras, int16_t(3));
    QCOMPARE(d.m.Barras[3].NodoFinal, int16_t(0));

    d.Calcular();
    QVERIFY2(d.p.MensajeActual().startsWith(QStringLiteral("Termine el elemento")), qPrintable(d.p.MensajeActual()));
    QVERIFY(!d.p.Resultados->isEnabled());
    // Nothing assembled: no equation would have had rows for node 0.
    for (const auto& fila : d.m.MatrizInicial)
        for (double valor : fila)
            QCOMPARE(valor, 0.0);
    for (int b = 1; b <= 3; ++b) {
        QVERIFY(!d.p.lbFuerza[b]->EsVisible());
        QCOMPARE(d.Color(b), Cero);
    }
    // Still open; closing it at C lets the calculation go on.
    QCOMPARE(d.m.Barras[3].NodoFinal, int16_t(0));
    d.ClicNodo(3);
    QCOMPARE(d.m.Barras[3].NodoFinal, int16_t(3));
    d.Calcular();
    QCOMPARE(d.p.MensajeActual(), Calculada);
    QCOMPARE(d.Fuerzas(), (QStringList { "0", "0", "0" }));
}

void PruebaCalculoDibujado::imagenConLosColores()
{
    Dibujante d;
    QVERIFY(d.Mostrar());
    DibujarTorre(d);
    d.Calcular();
    const QImage imagen = d.p.grab().toImage();
    int azules = 0, rojas = 0, ceros = 0;
    for (int b = 1; b <= 9; ++b) {
        const QColor visto = imagen.pixelColor(PuntoDeBarra(d.p, b));
        const QColor esperado = d.Color(b);
        QVERIFY2(Parecido(visto, esperado), qPrintable(QStringLiteral("bar %1: %2").arg(b).arg(visto.name())));
        azules += esperado == Azul;
        rojas += esperado == Rojo;
        ceros += esperado == Cero;
    }
    // The tower has all three kinds (hand values in torreConCargaHorizontal).
    QCOMPARE(azules, 4);
    QCOMPARE(rojas, 3);
    QCOMPARE(ceros, 2);
}

void PruebaCalculoDibujado::resaltarYCerrar()
{
    Dibujante d;
    QVERIFY(d.Mostrar());
    DibujarWarren(d);
    d.Calcular();
    const QList<QColor> colores = d.Colores();
    QList<QColor> trasDos, trasCinco;
    int izquierda = -1, anchoFinal = 0, izquierdaFinal = 0;
    const VistaResultados r = AbrirResultados(d, [&](Final& f) {
        izquierda = d.p.x();
        anchoFinal = f.frameGeometry().width();
        izquierdaFinal = f.x();
        for (int fila : { 1, 4 }) {
            const QRect caja = f.Elemento->visualItemRect(f.Elemento->item(fila));
            QTest::mouseClick(f.Elemento->viewport(), Qt::LeftButton, {}, caja.center());
            (fila == 1 ? trasDos : trasCinco) = d.Colores();
        }
    });
    QVERIFY(r.abierta);
    QList<QColor> esperado = colores;
    esperado[1] = Verde;
    QCOMPARE(trasDos, esperado);
    esperado = colores;
    esperado[4] = Verde;
    QCOMPARE(trasCinco, esperado);
    // Closed: every colour back, the main window centred alone (Left may be
    // negative on a screen narrower than it).
    QCOMPARE(d.Colores(), colores);
    const int pantalla = qRound(d.m.AnchoPantalla / 15);
    const int ancho = d.p.frameGeometry().width();
    QVERIFY(std::abs(pantalla - (d.p.x() + ancho) - d.p.x()) <= 1);
    // While open: side by side, the pair centred or, when wider than the
    // screen, the main window at 0.
    QCOMPARE(izquierdaFinal, izquierda + ancho);
    if (ancho + anchoFinal > pantalla)
        QCOMPARE(izquierda, 0);
    else
        QVERIFY(std::abs(pantalla - (izquierdaFinal + anchoFinal) - izquierda) <= 1);
}

QTEST_MAIN(PruebaCalculoDibujado)
#include "tst_calculo_dibujado.moc"
