// Loads: the line and label of each load, the sign of its components on the
// node, the count across a new project, and the refusals.

#include "board/Principal.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cmath>

namespace {

// Node A at (3, 1) m sits on board point (1605, 2160), pixel (107, 144).
constexpr float NodoX = 1605;
constexpr float NodoY = 2160;

const QString NoCabe = QStringLiteral("La magnitud o el ángulo escrito es demasiado grande");

void Escribir(QLineEdit* caja, const QString& texto)
{
    caja->selectAll();
    QTest::keyClicks(caja, texto);
}

// One load as the user enters it: the load tool, a press on the node, the two
// texts and Aceptar.
void Cargar(Principal& p, const QString& magnitud, const QString& angulo)
{
    QTest::mouseClick(p.Herramienta[HerrCarga], Qt::LeftButton);
    p.Diagrama_MouseDown({1, 0, NodoX, NodoY});
    Escribir(p.Prin, magnitud);
    Escribir(p.Angulo, angulo);
    QTest::mouseClick(p.Aceptar, Qt::LeftButton);
}

// Answers the next question box with Yes once it shows.
void ResponderSi()
{
    auto* reloj = new QTimer;
    QObject::connect(reloj, &QTimer::timeout, reloj, [reloj] {
        if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            reloj->stop();
            reloj->deleteLater();
            caja->button(QMessageBox::Yes)->click();
        }
    });
    reloj->start(10);
}

} // namespace

class PruebaCargas : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cargaPorAngulo_data();
    void cargaPorAngulo();
    void conElRatonReal();
    void dosCargasEnUnNodo();
    void magnitudConLetras();
    void rotuloConSeparadorRegional();
    void contadorTrasNuevoProyecto();
    void undecimaCargaRechazada();
    void numeroRechazado_data();
    void numeroRechazado();
    void sumaInfinitaRechazada();
};

void PruebaCargas::cargaPorAngulo_data()
{
    QTest::addColumn<QString>("angulo");
    QTest::addColumn<float>("dx");
    QTest::addColumn<float>("dy");
    QTest::addColumn<double>("fx");
    QTest::addColumn<double>("fy");
    // The line runs 500 twips along (cos, -sin) on the board (y down); the
    // load acts toward the node: Fx -= P cos, Fy -= P sin. cos of 90 and 270
    // with pi = 3.14159265358979 is about 1.6e-15 and -4.8e-15, not 0.
    QTest::newRow("0 degrees, to the right") << "0" << 500.0f << 0.0f << -1000.0 << 0.0;
    QTest::newRow("90 degrees, drawn up") << "90" << 0.0f << -500.0f << 0.0 << -1000.0;
    QTest::newRow("270 degrees, drawn down") << "270" << 0.0f << 500.0f << 0.0 << 1000.0;
}

void PruebaCargas::cargaPorAngulo()
{
    QFETCH(QString, angulo);
    QFETCH(float, dx);
    QFETCH(float, dy);
    QFETCH(double, fx);
    QFETCH(double, fy);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(3, 1);
    Cargar(p, QStringLiteral("1000"), angulo);
    QCOMPARE(m.NumCargas, int16_t(1));
    const Linea& linea = *p.Fuerza[1];
    QVERIFY(linea.EsVisible());
    QCOMPARE(linea.X1, NodoX);
    QCOMPARE(linea.Y1, NodoY);
    QCOMPARE(linea.X2, NodoX + dx);
    QCOMPARE(linea.Y2, NodoY + dy);
    const Etiqueta& rotulo = *p.lbCarga[1];
    QVERIFY(rotulo.EsVisible());
    QCOMPARE(rotulo.TextoActual(), QStringLiteral("1000"));
    // Its bottom-left corner on the free end of the line.
    QCOMPARE(rotulo.Left(), linea.X2);
    QCOMPARE(rotulo.Top() + rotulo.Height(), linea.Y2);
    QVERIFY(rotulo.item->zValue() > p.lbNodo[1]->item->zValue());
    QVERIFY(std::fabs(m.Nodos[1].Fx - fx) < 1000e-14);
    QVERIFY(std::fabs(m.Nodos[1].Fy - fy) < 1000e-14);
    QVERIFY(!p.Herramienta[HerrCarga]->isChecked());
    QVERIFY(!p.Datos->isEnabled());
    QCOMPARE(p.MensajeActual(), QString());
    QVERIFY(!p.Fuerza[2]->EsVisible());
}

void PruebaCargas::conElRatonReal()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    p.AgregarNodo(3, 1);
    QTest::mouseClick(p.Herramienta[HerrCarga], Qt::LeftButton);
    QTest::mousePress(p.Diagrama->viewport(), Qt::LeftButton, {}, QPoint(107, 144));
    QVERIFY(p.Datos->isEnabled());
    Escribir(p.Prin, QStringLiteral("250"));
    Escribir(p.Angulo, QStringLiteral("180"));
    QTest::keyClick(p.Angulo, Qt::Key_Return);
    QCOMPARE(m.NumCargas, int16_t(1));
    // A load drawn to the left pushes the node toward +X.
    QVERIFY(std::fabs(m.Nodos[1].Fx - 250) < 1e-12);
    QCOMPARE(p.Fuerza[1]->X2, NodoX - 500);
}

void PruebaCargas::dosCargasEnUnNodo()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(3, 1);
    Cargar(p, QStringLiteral("1000"), QStringLiteral("270"));
    Cargar(p, QStringLiteral("500"), QStringLiteral("0"));
    QCOMPARE(m.NumCargas, int16_t(2));
    // (+4.8e-12, +1000) + (-500, -0).
    QVERIFY(std::fabs(m.Nodos[1].Fx - -500) < 1000e-14);
    QCOMPARE(m.Nodos[1].Fy, 1000.0);
    QVERIFY(p.Fuerza[1]->EsVisible());
    QVERIFY(p.Fuerza[2]->EsVisible());
    QCOMPARE(p.Fuerza[2]->X1, NodoX);
    QCOMPARE(p.Fuerza[2]->X2, NodoX + 500);
    QCOMPARE(p.lbCarga[1]->TextoActual(), QStringLiteral("1000"));
    QCOMPARE(p.lbCarga[2]->TextoActual(), QStringLiteral("500"));
}

void PruebaCargas::magnitudConLetras()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(3, 1);
    Cargar(p, QStringLiteral("12abc"), QStringLiteral("90"));
    QCOMPARE(p.lbCarga[1]->TextoActual(), QStringLiteral("12"));
    QCOMPARE(m.Nodos[1].Fy, -12.0);
}

// The label is only shown, so it takes the region's decimal separator.
void PruebaCargas::rotuloConSeparadorRegional()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(3, 1);
    Cargar(p, QStringLiteral("2.5"), QStringLiteral("90"));
    QCOMPARE(p.lbCarga[1]->TextoActual(), QStringLiteral("2,5"));
    QCOMPARE(m.Nodos[1].Fy, -2.5);
}

void PruebaCargas::contadorTrasNuevoProyecto()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(3, 1);
    Cargar(p, QStringLiteral("1000"), QStringLiteral("270"));
    Cargar(p, QStringLiteral("10"), QStringLiteral("0"));
    ResponderSi();
    QTest::mouseClick(p.Herramienta[HerrNuevo], Qt::LeftButton);
    QCOMPARE(m.NumCargas, int16_t(0));
    QVERIFY(!p.Fuerza[1]->EsVisible());
    QVERIFY(!p.lbCarga[2]->EsVisible());
    p.AgregarNodo(3, 1);
    Cargar(p, QStringLiteral("7"), QStringLiteral("90"));
    QCOMPARE(m.NumCargas, int16_t(1));
    QVERIFY(p.Fuerza[1]->EsVisible());
    QCOMPARE(p.lbCarga[1]->TextoActual(), QStringLiteral("7"));
    QVERIFY(!p.Fuerza[2]->EsVisible());
    QCOMPARE(m.Nodos[1].Fy, -7.0);
}

void PruebaCargas::undecimaCargaRechazada()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(3, 1);
    for (int k = 1; k <= 10; ++k)
        Cargar(p, QStringLiteral("1"), QStringLiteral("0"));
    QCOMPARE(m.NumCargas, int16_t(10));
    Cargar(p, QStringLiteral("5"), QStringLiteral("0"));
    QCOMPARE(p.MensajeActual(), QStringLiteral("No se pueden aplicar más de 10 cargas"));
    QCOMPARE(m.NumCargas, int16_t(10));
    QCOMPARE(m.Nodos[1].Fx, -10.0);
    QVERIFY(!p.lbCarga[11]->EsVisible());
    QCOMPARE(p.lbCarga[10]->TextoActual(), QStringLiteral("1"));
}

void PruebaCargas::numeroRechazado_data()
{
    QTest::addColumn<QString>("magnitud");
    QTest::addColumn<QString>("angulo");
    QTest::newRow("magnitude beyond a double") << "1e400" << "0";
    QTest::newRow("angle beyond a double") << "1" << "1e400";
    // 1e308 degrees times pi overflows: no direction to draw.
    QTest::newRow("angle without direction") << "1" << "1e308";
}

void PruebaCargas::numeroRechazado()
{
    QFETCH(QString, magnitud);
    QFETCH(QString, angulo);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(3, 1);
    Cargar(p, magnitud, angulo);
    QCOMPARE(p.MensajeActual(), NoCabe);
    QCOMPARE(m.NumCargas, int16_t(0));
    QCOMPARE(m.Nodos[1].Fx, 0.0);
    QCOMPARE(m.Nodos[1].Fy, 0.0);
    QVERIFY(!p.Fuerza[1]->EsVisible());
    QVERIFY(!p.lbCarga[1]->EsVisible());
    // The panel stays open for a corrected text.
    QVERIFY(p.Datos->isEnabled());
    Escribir(p.Prin, QStringLiteral("3"));
    Escribir(p.Angulo, QStringLiteral("0"));
    QTest::mouseClick(p.Aceptar, Qt::LeftButton);
    QCOMPARE(m.NumCargas, int16_t(1));
    QCOMPARE(m.Nodos[1].Fx, -3.0);
}

// Two loads of 1e308 N the same way would leave an infinite Fx, which no
// calculation can use.
void PruebaCargas::sumaInfinitaRechazada()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(3, 1);
    Cargar(p, QStringLiteral("1e308"), QStringLiteral("0"));
    QCOMPARE(m.Nodos[1].Fx, -1e308);
    Cargar(p, QStringLiteral("1e308"), QStringLiteral("0"));
    QCOMPARE(p.MensajeActual(), QStringLiteral("La suma de las cargas del nodo es demasiado grande"));
    QCOMPARE(m.NumCargas, int16_t(1));
    QCOMPARE(m.Nodos[1].Fx, -1e308);
    QVERIFY(!p.Fuerza[2]->EsVisible());
}

QTEST_MAIN(PruebaCargas)
#include "tst_cargas.moc"
