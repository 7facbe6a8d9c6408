// Why a truss will not solve, shown in the main window: the mechanism's nodes
// ringed on the board with their motion sketched, the count in the message's
// tooltip, the near-mechanism warning; and nothing on a sound truss.

#include "solver/CasiMecanismo.h"
#include "solver/Cercha.h"
#include "solver/Dibujante.h"

namespace {

// Nodes placed as the node tool places them (dot and letter), bars and supports
// written into the model; 1000 N pushes the last node to the right.
void Armar(Dibujante& d, const QList<QPointF>& nodos, std::initializer_list<std::array<int16_t, 2>> barras,
    int16_t fijo, int16_t rodillo)
{
    for (const QPointF& n : nodos)
        d.p.AgregarNodo(n.x(), n.y());
    ArmarCercha(d.m, {}, barras, fijo, rodillo);
    d.m.Nodo(d.m.NumNodos).Fx = 1000;
}

// Square A(0,0) B(1,0) C(1,1) D(0,1), pin A, roller B. AB keeps B from
// sliding, AD and BC keep C and D level, CD only makes them slide together:
// u_C = u_D = (1, 0), so both rings carry a sketch 600 twips to the right.
void Panel(Dibujante& d, bool doblada)
{
    if (doblada)
        Armar(
            d, { { 0, 0 }, { 1, 0 }, { 1, 1 }, { 0, 1 } }, { { 1, 2 }, { 1, 2 }, { 2, 3 }, { 3, 4 }, { 4, 1 } }, 1, 2);
    else
        Armar(d, { { 0, 0 }, { 1, 0 }, { 1, 1 }, { 0, 1 } }, { { 1, 2 }, { 2, 3 }, { 3, 4 }, { 4, 1 } }, 1, 2);
}

// Ties A-D, B-E, C-F whose lines meet at P(2.5, 6.5): the top turns about P.
// With the angles cut to 0.1 degree, as the bar tool stores them, it solves.
void Concurrente(Dibujante& d)
{
    Armar(d, { { 0, 1 }, { 6, 1 }, { 3, 0 }, { 1, 3.2 }, { 4.25, 3.75 }, { 2.7, 3.9 } },
        { { 1, 2 }, { 2, 3 }, { 1, 3 }, { 4, 5 }, { 5, 6 }, { 4, 6 }, { 1, 4 }, { 2, 5 }, { 3, 6 } }, 1, 2);
    for (int b = 1; b <= d.m.NumBarras; ++b)
        d.m.Barra(b).Angulo = std::floor(d.m.Barra(b).Angulo * 10) / 10;
}

// "C 645,2170 +600,+0": the node, its ring's centre, the sketch from there (twips, y down).
QStringList Marcas(const Principal& p, bool detalle)
{
    QStringList marcas;
    for (int k = 1; k <= MaxNodos; ++k) {
        const MarcaNodo& marca = *p.Ver().elementos.Marca[k];
        const QPoint c = marca.Centro().toPoint(), m = (marca.Destino() - marca.Centro()).toPoint();
        if (marca.EsVisible())
            marcas << LetraNodo(k) + (detalle ? QString::asprintf(" %d,%d %+d,%+d", c.x(), c.y(), m.x(), m.y()) : "");
    }
    return marcas;
}

const QString Singular = "Matriz singular, Imposible calcular la cercha";

} // namespace

class PruebaMarcas : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void porque_data()
    {
        QTest::addColumn<int>("caso");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QStringList>("marcas");
        QTest::newRow("panel without a diagonal: the count")
            << 0 << "Cercha mal determinada, matriz de cálculo no es cuadrada"
            << "4 nodos dan 8 ecuaciones; 4 barras más 3 reacciones dan 7 incógnitas: falta 1 barra" << QStringList();
        // C(1,1) is board (635, 2160), its dot's centre 10 twips right and down; D(0,1) (150, 2160).
        QTest::newRow("panel, a bar doubled: square and singular")
            << 1 << Singular << "la cercha es un mecanismo: los nodos marcados se mueven sin estirar ninguna barra"
            << QStringList { "C 645,2170 +600,+0", "D 160,2170 +600,+0" };
        QTest::newRow("ties through one point, angles cut: solves, warns")
            << 2 << Calculada << AvisoCasiMecanismo << QStringList { "D", "E", "F" };
        QTest::newRow("the worked triangle, drawn with the mouse") << 3 << Calculada << "" << QStringList();
    }
    void porque()
    {
        QFETCH(int, caso);
        QFETCH(QString, mensaje);
        QFETCH(QString, tooltip);
        QFETCH(QStringList, marcas);
        Dibujante d;
        if (caso < 2)
            Panel(d, caso == 1);
        else if (caso == 2)
            Concurrente(d);
        else {
            QVERIFY(d.Mostrar());
            d.Dibujar(PasosTriangulo);
        }
        d.p.Calcular_Click(); // the roller was not placed with the tool, so the button is off
        const QLabel* panel = C(d.p).Panel[1];
        QCOMPARE(panel->text(), mensaje);
        QCOMPARE(panel->toolTip(), tooltip);
        QCOMPARE(panel->accessibleDescription(), tooltip.isEmpty() ? "Indicaciones y resultados" : tooltip);
        QCOMPARE(Marcas(d.p, caso != 2), marcas);
        QCOMPARE(C(d.p).Resultados->isEnabled(), mensaje == Calculada); // the display of a success stays
    }

    // The marks and the explanation go at the next tool selection, board press
    // or calculation; a sound truss then calculates without them.
    void seVan_data()
    {
        QTest::addColumn<int>("como");
        QTest::newRow("tool selection") << 0;
        QTest::newRow("board press") << 1;
        QTest::newRow("calculation") << 2;
    }
    void seVan()
    {
        QFETCH(int, como);
        Dibujante d;
        QVERIFY(d.Mostrar());
        Panel(d, true);
        d.p.Calcular_Click();
        QCOMPARE(Marcas(d.p, false), (QStringList { "C", "D" }));
        if (como == 0)
            d.Herramienta(HerrNodo);
        else if (como == 1)
            QTest::mouseClick(C(d.p).Diagrama->viewport(), Qt::LeftButton, {}, QPoint(400, 300));
        else {
            d.m.Barra(2).NodoFinal = 3; // the doubled bar becomes the diagonal A-C
            d.m.Barra(2).Angulo = 45;
            d.p.Calcular_Click();
            QCOMPARE(C(d.p).Panel[1]->text(), Calculada);
        }
        QCOMPARE(Marcas(d.p, false), QStringList());
        QCOMPARE(C(d.p).Panel[1]->toolTip(), QString());
    }
};

QTEST_MAIN(PruebaMarcas)
#include "tst_marcas.moc"
