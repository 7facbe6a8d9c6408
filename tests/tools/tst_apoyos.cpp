// Board presses under the supports and load tools, through real mouse events
// on the board. Nodes: A (0, 0) at board point (150, 2700), B (4, 0) at
// (2090, 2700), C (2, 2) at (1120, 1620), start size 10 m x 5 m.

#include "tools/VentanaPrueba.h"

#include <QGroupBox>
#include <QToolButton>
#include <QtTest>

class PruebaApoyos : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void dosApoyosConUnaSeleccion();
    void apoyosAlFondo();
    void clicEnElNodoDelApoyoFijo();
    void rodilloMovidoTrasOtroNodo();
    void cualquierBoton_data();
    void cualquierBoton();
    void cargaEligeNodo();
    void presionSobreElementos_data();
    void presionSobreElementos();
};

namespace {

const QString PromptApoyo = QStringLiteral("Seleccione nodo para el apoyo");
// Pixels whose twips fall inside each node's search square.
const QPoint PixelA(10, 180); // (150, 2700)
const QPoint PixelB(139, 180); // (2085, 2700)
const QPoint PixelC(75, 108); // (1125, 1620)
const QPoint PixelVacio(300, 300);

struct Ventana {
    Modulo m;
    Principal p { m, Principal::Arranque::SinPresentacion };
    Ventana()
    {
        p.show();
        p.AgregarNodo(0, 0);
        p.AgregarNodo(4, 0);
    }
    void Presionar(QPoint pixel, Qt::MouseButton boton = Qt::LeftButton, Qt::KeyboardModifiers teclas = {})
    {
        QTest::mouseClick(p.Diagrama->viewport(), boton, teclas, pixel);
    }
    void Elegir(int herramienta) { QTest::mouseClick(p.Herramienta[static_cast<size_t>(herramienta)], Qt::LeftButton); }
};

} // namespace

void PruebaApoyos::dosApoyosConUnaSeleccion()
{
    Ventana v;
    QVERIFY(QTest::qWaitForWindowExposed(&v.p));
    v.Elegir(HerrApoyos);
    QCOMPARE(v.p.MensajeActual(), QStringLiteral("Seleccione el nodo del apoyo fijo"));

    v.Presionar(PixelA);
    QVERIFY(v.p.Apoyo[0]->EsVisible());
    // 150 - 480 / 2 = -90; 2700 - (480 / 2 - 50) = 2510.
    QCOMPARE(v.p.Apoyo[0]->Left(), -90.0f);
    QCOMPARE(v.p.Apoyo[0]->Top(), 2510.0f);
    QCOMPARE(v.m.Apoyos[1], int16_t(1));
    QVERIFY(v.p.Banderas[3]);
    QVERIFY(v.p.Banderas[1]);
    QCOMPARE(v.p.MensajeActual(), PromptApoyo);
    QVERIFY(!v.p.Herramienta[HerrApoyos]->isChecked());
    QVERIFY(v.p.Herramienta[HerrApoyos]->isEnabled());
    QVERIFY(!v.p.Apoyo[1]->EsVisible());
    QVERIFY(!v.p.Calcular->isEnabled());

    v.Presionar(PixelB);
    QVERIFY(v.p.Apoyo[1]->EsVisible());
    // 2090 - 240 = 1850.
    QCOMPARE(v.p.Apoyo[1]->Left(), 1850.0f);
    QCOMPARE(v.p.Apoyo[1]->Top(), 2510.0f);
    QCOMPARE(v.m.Apoyos[2], int16_t(2));
    QVERIFY(!v.p.Herramienta[HerrApoyos]->isEnabled());
    QVERIFY(v.p.Calcular->isEnabled());
    QVERIFY(!v.p.Banderas[1]);
    QCOMPARE(v.p.MensajeActual(), QString());

    // Disarmed: a further press only clears the message.
    v.p.Mensaje(QStringLiteral("x"));
    v.Presionar(PixelA);
    QCOMPARE(v.p.MensajeActual(), QString());
    QCOMPARE(v.m.Apoyos[1], int16_t(1));
    QCOMPARE(v.m.Apoyos[2], int16_t(2));
}

void PruebaApoyos::apoyosAlFondo()
{
    Ventana v;
    v.p.Herramienta_Click(HerrApoyos);
    v.p.Diagrama_MouseDown({ 1, 0, 150, 2700 });
    v.p.Diagrama_MouseDown({ 1, 0, 2090, 2700 });
    // Dots, lines, labels and the axes picture are all drawn over the symbols.
    for (const QGraphicsItem* item : v.p.Diagrama->Escena().items()) {
        if (item == v.p.Apoyo[0]->item || item == v.p.Apoyo[1]->item)
            continue;
        QVERIFY(item->zValue() > v.p.Apoyo[0]->item->zValue());
        QVERIFY(item->zValue() > v.p.Apoyo[1]->item->zValue());
    }
}

void PruebaApoyos::clicEnElNodoDelApoyoFijo()
{
    Ventana v;
    QVERIFY(QTest::qWaitForWindowExposed(&v.p));
    v.Elegir(HerrApoyos);
    v.Presionar(PixelA);
    // Selected again, the tool prompts for the roller and shows pressed.
    v.Elegir(HerrApoyos);
    QCOMPARE(v.p.MensajeActual(), QStringLiteral("Seleccione el nodo del apoyo movil"));
    QVERIFY(v.p.Herramienta[HerrApoyos]->isChecked());
    // The roller cannot share the fixed support's node.
    v.Presionar(PixelA);
    QCOMPARE(v.p.MensajeActual(), PromptApoyo);
    QVERIFY(!v.p.Herramienta[HerrApoyos]->isChecked());
    QCOMPARE(v.m.Apoyos[2], int16_t(0));
    QVERIFY(!v.p.Apoyo[1]->EsVisible());
    QVERIFY(v.p.Banderas[1]);
    QCOMPARE(v.p.Apoyo[0]->Left(), -90.0f);
    // Nor does empty board place anything.
    v.Elegir(HerrApoyos);
    v.Presionar(PixelVacio);
    QCOMPARE(v.p.MensajeActual(), PromptApoyo);
    QVERIFY(!v.p.Herramienta[HerrApoyos]->isChecked());
    QCOMPARE(v.m.Apoyos[2], int16_t(0));
    QVERIFY(!v.p.Calcular->isEnabled());
}

void PruebaApoyos::rodilloMovidoTrasOtroNodo()
{
    Ventana v;
    QVERIFY(QTest::qWaitForWindowExposed(&v.p));
    v.Elegir(HerrApoyos);
    v.Presionar(PixelA);
    v.Presionar(PixelB);
    QVERIFY(!v.p.Herramienta[HerrApoyos]->isEnabled());
    v.p.AgregarNodo(2, 2);
    QVERIFY(v.p.Herramienta[HerrApoyos]->isEnabled());
    v.Elegir(HerrApoyos);
    QCOMPARE(v.p.MensajeActual(), QStringLiteral("Seleccione el nodo del apoyo movil"));
    v.Presionar(PixelC);
    // 1120 - 240 = 880; 1620 - 190 = 1430.
    QCOMPARE(v.p.Apoyo[1]->Left(), 880.0f);
    QCOMPARE(v.p.Apoyo[1]->Top(), 1430.0f);
    QCOMPARE(v.m.Apoyos[2], int16_t(3));
    QCOMPARE(v.m.Apoyos[1], int16_t(1));
    QCOMPARE(v.p.Apoyo[0]->Left(), -90.0f);
    QCOMPARE(v.p.Apoyo[0]->Top(), 2510.0f);
    QVERIFY(!v.p.Herramienta[HerrApoyos]->isEnabled());
    QVERIFY(v.p.Calcular->isEnabled());
    QVERIFY(!v.p.Banderas[1]);
}

void PruebaApoyos::cualquierBoton_data()
{
    QTest::addColumn<int>("herramienta");
    QTest::addColumn<Qt::MouseButton>("boton");
    QTest::addColumn<Qt::KeyboardModifiers>("teclas");
    QTest::newRow("left, supports") << int(HerrApoyos) << Qt::LeftButton << Qt::KeyboardModifiers();
    QTest::newRow("right, supports") << int(HerrApoyos) << Qt::RightButton << Qt::KeyboardModifiers();
    QTest::newRow("middle, supports") << int(HerrApoyos) << Qt::MiddleButton << Qt::KeyboardModifiers();
    QTest::newRow("right with Shift, supports")
        << int(HerrApoyos) << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("right, load") << int(HerrCarga) << Qt::RightButton << Qt::KeyboardModifiers();
}

void PruebaApoyos::cualquierBoton()
{
    QFETCH(int, herramienta);
    QFETCH(Qt::MouseButton, boton);
    QFETCH(Qt::KeyboardModifiers, teclas);
    Ventana v;
    QVERIFY(QTest::qWaitForWindowExposed(&v.p));
    v.Elegir(herramienta);
    v.Presionar(PixelB, boton, teclas);
    if (herramienta == HerrApoyos) {
        QCOMPARE(v.m.Apoyos[1], int16_t(2));
        QVERIFY(v.p.Apoyo[0]->EsVisible());
    } else {
        QCOMPARE(v.p.NodoCarga, int16_t(2));
        QVERIFY(v.p.Datos->isEnabled());
    }
}

void PruebaApoyos::cargaEligeNodo()
{
    Ventana v;
    QVERIFY(QTest::qWaitForWindowExposed(&v.p));
    v.Elegir(HerrCarga);
    v.Presionar(PixelVacio);
    QCOMPARE(v.p.MensajeActual(), QStringLiteral("Seleccione nodo de aplicación"));
    QVERIFY(!v.p.Datos->isEnabled());
    QVERIFY(v.p.Banderas[1]);
    QCOMPARE(v.p.NodoCarga, int16_t(0));

    v.Presionar(PixelB);
    QCOMPARE(v.p.NodoCarga, int16_t(2));
    QVERIFY(v.p.Datos->isEnabled());
    QCOMPARE(v.p.MensajeActual(), QStringLiteral("Entre parámetros de la carga"));
    QVERIFY(!v.p.Banderas[1]);
    QVERIFY(v.p.Herramienta[HerrCarga]->isChecked()); // released by Aceptar, not here

    // Disarmed: a press on another node only clears the message.
    v.Presionar(PixelA);
    QCOMPARE(v.p.MensajeActual(), QString());
    QCOMPARE(v.p.NodoCarga, int16_t(2));
    QVERIFY(v.p.Datos->isEnabled());
}

void PruebaApoyos::presionSobreElementos_data()
{
    QTest::addColumn<bool>("sobreLetra");
    QTest::addColumn<QPointF>("punto");
    QTest::addColumn<int>("nodo");
    // Node D at (0.1, 0.5): 48.5 + 150 = 198.5, 4.5 * 540000 -> 2430; its square
    // (148.5, 268.5) x (2380, 2500) reaches under A's letter at (150, 2450).
    QTest::newRow("node letter") << true << QPointF(180, 2475) << 3;
    // The fixed support's symbol at A spans (-90, 2510) to (390, 2990).
    QTest::newRow("support symbol") << false << QPointF(150, 2700) << 1;
}

void PruebaApoyos::presionSobreElementos()
{
    QFETCH(bool, sobreLetra);
    QFETCH(QPointF, punto);
    QFETCH(int, nodo);
    Ventana v;
    QVERIFY(QTest::qWaitForWindowExposed(&v.p));
    v.p.AgregarNodo(0.1, 0.5);
    v.Elegir(HerrApoyos);
    v.Presionar(PixelA);
    QVERIFY(v.p.Apoyo[0]->EsVisible());
    const float x = static_cast<float>(punto.x());
    const float y = static_cast<float>(punto.y());
    // The press really lands on the element.
    if (sobreLetra)
        QVERIFY(v.p.lbNodo[1]->Contiene(x, y));
    else
        QVERIFY(v.p.Apoyo[0]->Contiene(x, y));
    v.Elegir(HerrCarga);
    v.Presionar(PixelDe(x, y));
    QCOMPARE(v.p.NodoCarga, int16_t(nodo));
}

QTEST_MAIN(PruebaApoyos)
#include "tst_apoyos.moc"
