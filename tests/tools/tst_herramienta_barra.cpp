// The bar tool: the first click opens a bar at a node, the pointer drags its
// end, the second click or a typed length and angle close it; the refusals
// at the pools' limits and of numbers that cannot be drawn.

#include "board/Principal.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

// Start size: a metre is 485 twips across from x = 150 and 540 twips down
// from y = 2700, so these points convert exactly both ways.
float Xt(double x)
{
    return static_cast<float>(150 + 485 * x);
}

float Yt(double y)
{
    return static_cast<float>(2700 - 540 * y);
}

// Whole metres of X that are a multiple of 3 fall on whole pixels (15 twips).
QPoint Pixel(double x, double y)
{
    return QPoint(qRound(Xt(x) / 15), qRound(Yt(y) / 15));
}

const QString PromptFinal = QStringLiteral("Seleccione nodo o ubicación final");
const QString SinElementos = QStringLiteral("No se pueden agregar más de 20 elementos");
const QString SinNodos = QStringLiteral("No se pueden agregar más de 20 nodos");
const QString NoCabe = QStringLiteral("La longitud o el ángulo escrito es demasiado grande");
const QString Fuera = QStringLiteral("El elemento queda fuera del alcance del dibujo");

void Escribir(QLineEdit* caja, const QString& texto)
{
    caja->selectAll();
    QTest::keyClicks(caja, texto);
}

// The window with node A at (3, 1) and a bar opened there by the bar tool,
// its end dragged to (6, 4).
struct Ventana {
    Modulo m;
    Principal p{m, Principal::Arranque::SinPresentacion};
    Ventana()
    {
        p.AgregarNodo(3, 1);
        QTest::mouseClick(p.Herramienta[HerrBarra], Qt::LeftButton);
        p.Diagrama_MouseDown({1, 0, Xt(3), Yt(1)});
        p.Diagrama_MouseMove({0, 0, Xt(6), Yt(4)});
    }
};

// The bar is still open and the tool still waits for its end.
void VerificarAbierta(const Ventana& v)
{
    QCOMPARE(v.m.NumBarras, int16_t(1));
    QCOMPARE(v.m.Barras[1].NodoFinal, int16_t(0));
    QVERIFY(v.p.Banderas[1]);
    QVERIFY(!v.p.Banderas[2]);
    QVERIFY(v.p.Herramienta[HerrBarra]->isChecked());
    QVERIFY(v.p.Datos->isEnabled());
    QVERIFY(!v.p.lbBarra[1]->EsVisible());
}

// The end of every closed bar: disarmed, released, cleared, disabled.
void VerificarCerrada(const Ventana& v)
{
    QVERIFY(!v.p.Banderas[1]);
    QVERIFY(!v.p.Herramienta[HerrBarra]->isChecked());
    QCOMPARE(v.p.MensajeActual(), QString());
    QVERIFY(!v.p.Datos->isEnabled());
    QVERIFY(v.p.lbBarra[1]->EsVisible());
    QCOMPARE(v.p.lbBarra[1]->TextoActual(), QStringLiteral("1"));
}

} // namespace

class PruebaHerramientaBarra : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void primerClicFueraDeNodo();
    void primerClicEnNodo();
    void conElRatonReal();
    void teclasAlCerrarEnVacio_data();
    void teclasAlCerrarEnVacio();
    void cerradaEnSuNodoInicial();
    void valoresEscritosAntesDelClic();
    void sinEfectoTrasCerrar();
    void escritaVertical();
    void escritaSobreNodoExistente();
    void escritaGuardaLoEscrito();

    void seleccionDescartaBarraAbierta_data();
    void seleccionDescartaBarraAbierta();
    void seleccionConservaBarraCerrada();
    void barraVeintiunoRechazada();
    void finalSinNodoLibreClic();
    void finalSinNodoLibreEscrito();
    void escritoRechazado_data();
    void escritoRechazado();
    void clicConNumeroQueNoCabe();
};

void PruebaHerramientaBarra::primerClicFueraDeNodo()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(3, 1);
    p.Herramienta_Click(HerrBarra);
    p.Diagrama_MouseDown({1, 0, Xt(6), Yt(4)});
    QCOMPARE(p.MensajeActual(), PromptFinal);
    QCOMPARE(m.NumBarras, int16_t(0));
    QVERIFY(p.Banderas[2]);
    QVERIFY(!p.Datos->isEnabled());
    QVERIFY(!p.Barra[1]->EsVisible());
}

void PruebaHerramientaBarra::primerClicEnNodo()
{
    Ventana v;
    QCOMPARE(v.p.MensajeActual(), PromptFinal);
    QCOMPARE(v.m.Barras[1].NodoInicial, int16_t(1));
    VerificarAbierta(v);
    // The line runs from A's point to the pointer: sqrt(18) = 4.2426, at 45.
    QCOMPARE(v.p.Barra[1]->X1, Xt(3));
    QCOMPARE(v.p.Barra[1]->Y1, Yt(1));
    QCOMPARE(v.p.Prin->text(), QStringLiteral("4.24"));
    QCOMPARE(v.p.Angulo->text(), QStringLiteral("45"));
}

void PruebaHerramientaBarra::conElRatonReal()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    p.AgregarNodo(3, 1);
    QTest::mouseClick(p.Herramienta[HerrBarra], Qt::LeftButton);
    QWidget* tablero = p.Diagrama->viewport();
    QTest::mousePress(tablero, Qt::LeftButton, {}, Pixel(3, 1));
    QTest::mouseRelease(tablero, Qt::LeftButton, {}, Pixel(3, 1));
    QTest::mouseMove(tablero, Pixel(6, 4));
    QTRY_COMPARE(p.Prin->text(), QStringLiteral("4.24"));
    QCOMPARE(p.Angulo->text(), QStringLiteral("45"));
    QTest::mousePress(tablero, Qt::LeftButton, {}, Pixel(6, 4));
    QCOMPARE(m.NumNodos, int16_t(2));
    QCOMPARE(m.Nodos[2].X, 6.0);
    QCOMPARE(m.Nodos[2].Y, 4.0);
    QCOMPARE(m.Barras[1].NodoFinal, int16_t(2));
    QCOMPARE(m.Barras[1].Longitud, 4.24);
    QCOMPARE(m.Barras[1].Angulo, 45.0);
    // Midpoint: 3 + 4.24 * 0.5 * cos 45 = 4.4990664 m, 1 + the same = 2.4990664 m;
    // floor(4.4990664 * 485000) / 1000 + 150 = 2332.047,
    // floor((5 - 2.4990664) * 540000) / 1000 = 1350.504.
    QCOMPARE(p.lbBarra[1]->Left(), 2332.047f);
    QCOMPARE(p.lbBarra[1]->Top(), 1350.504f);
    QVERIFY(!p.Banderas[1]);
    QVERIFY(!p.Herramienta[HerrBarra]->isChecked());
    QVERIFY(!p.Datos->isEnabled());
}

void PruebaHerramientaBarra::teclasAlCerrarEnVacio_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("teclas");
    QTest::addColumn<bool>("cierra");
    QTest::newRow("no key") << Qt::KeyboardModifiers() << true;
    QTest::newRow("Shift alone waits") << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
    QTest::newRow("Shift and Ctrl") << (Qt::ShiftModifier | Qt::ControlModifier) << true;
    QTest::newRow("Shift and Alt") << (Qt::ShiftModifier | Qt::AltModifier) << true;
    QTest::newRow("Ctrl alone") << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
}

void PruebaHerramientaBarra::teclasAlCerrarEnVacio()
{
    QFETCH(Qt::KeyboardModifiers, teclas);
    QFETCH(bool, cierra);
    Ventana v;
    v.p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v.p));
    QTest::mousePress(v.p.Diagrama->viewport(), Qt::LeftButton, teclas, Pixel(6, 4));
    if (!cierra) {
        VerificarAbierta(v);
        QCOMPARE(v.m.NumNodos, int16_t(1));
        QCOMPARE(v.p.MensajeActual(), PromptFinal);
        return;
    }
    QCOMPARE(v.m.NumNodos, int16_t(2));
    QCOMPARE(v.m.Barras[1].NodoFinal, int16_t(2));
    VerificarCerrada(v);
}

void PruebaHerramientaBarra::cerradaEnSuNodoInicial()
{
    Ventana v;
    v.p.Diagrama_MouseDown({1, 0, Xt(3) + 30, Yt(1) + 20});
    QCOMPARE(v.m.NumNodos, int16_t(1));
    QCOMPARE(v.m.Barras[1].NodoFinal, int16_t(1));
    QCOMPARE(v.p.Barra[1]->X2, Xt(3));
    QCOMPARE(v.p.Barra[1]->Y2, Yt(1));
    // Zero length; the 45 of the last move must not stay as its angle.
    QCOMPARE(v.p.Prin->text(), QStringLiteral("0"));
    QCOMPARE(v.p.Angulo->text(), QStringLiteral("0"));
    QCOMPARE(v.m.Barras[1].Longitud, 0.0);
    QCOMPARE(v.m.Barras[1].Angulo, 0.0);
    QCOMPARE(v.p.lbBarra[1]->Left(), Xt(3));
    QCOMPARE(v.p.lbBarra[1]->Top(), Yt(1));
    VerificarCerrada(v);
}

void PruebaHerramientaBarra::valoresEscritosAntesDelClic()
{
    Ventana v;
    Escribir(v.p.Prin, QStringLiteral("3"));
    Escribir(v.p.Angulo, QStringLiteral("90"));
    v.p.Diagrama_MouseDown({1, 0, Xt(6), Yt(4)});
    // Node and line follow the pointer ...
    QCOMPARE(v.m.NumNodos, int16_t(2));
    QCOMPARE(v.m.Nodos[2].X, 6.0);
    QCOMPARE(v.m.Nodos[2].Y, 4.0);
    QCOMPARE(v.p.Barra[1]->X2, Xt(6));
    QCOMPARE(v.p.Barra[1]->Y2, Yt(4));
    // ... the stored values and the label follow the typed ones: the midpoint
    // is (3 + 1.5 cos 90, 1 + 1.5 sin 90) = (3 + 2.4e-15, 2.5) m, which is
    // twips (150 + 1455, 2700 - 1350).
    QCOMPARE(v.m.Barras[1].Longitud, 3.0);
    QCOMPARE(v.m.Barras[1].Angulo, 90.0);
    QCOMPARE(v.p.lbBarra[1]->Left(), 1605.0f);
    QCOMPARE(v.p.lbBarra[1]->Top(), 1350.0f);
    VerificarCerrada(v);
}

void PruebaHerramientaBarra::sinEfectoTrasCerrar()
{
    Ventana v;
    v.p.AgregarNodo(6, 4);
    v.p.Diagrama_MouseDown({1, 0, Xt(6) + 30, Yt(4) + 20});
    QCOMPARE(v.m.Barras[1].NodoFinal, int16_t(2));
    v.p.Diagrama_MouseMove({0, 0, Xt(1), Yt(1)});
    v.p.Diagrama_MouseDown({1, 0, Xt(3), Yt(1)});
    QCOMPARE(v.m.NumBarras, int16_t(1));
    QCOMPARE(v.p.Barra[1]->X2, Xt(6));
    QCOMPARE(v.p.Barra[1]->Y2, Yt(4));
    QCOMPARE(v.p.Prin->text(), QStringLiteral("4.24"));
    QCOMPARE(v.p.MensajeActual(), QString());
}

void PruebaHerramientaBarra::escritaVertical()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(0, 0);
    p.Herramienta_Click(HerrBarra);
    p.Diagrama_MouseDown({1, 0, Xt(0), Yt(0)});
    Escribir(p.Prin, QStringLiteral("3"));
    Escribir(p.Angulo, QStringLiteral("90"));
    QTest::mouseClick(p.Aceptar, Qt::LeftButton);
    // cos(90 * 3.14159265358979 / 180) = 1.6e-15: the end stays on x = 0.
    QCOMPARE(m.NumNodos, int16_t(2));
    QCOMPARE(m.Nodos[2].X, 0.0);
    QCOMPARE(m.Nodos[2].Y, 3.0);
    QCOMPARE(m.Barras[1].NodoFinal, int16_t(2));
    QCOMPARE(m.Barras[1].Angulo, 90.0);
    QCOMPARE(m.Barras[1].Longitud, 3.0);
    QCOMPARE(p.Barra[1]->X2, 150.0f);
    QCOMPARE(p.Barra[1]->Y2, 1080.0f);
    // Label at (0, 1.5) m: 2700 - 1.5 * 540 = 1890.
    QCOMPARE(p.lbBarra[1]->Left(), 150.0f);
    QCOMPARE(p.lbBarra[1]->Top(), 1890.0f);
    QVERIFY(p.lbBarra[1]->EsVisible());
    QVERIFY(!p.Banderas[1]);
    QVERIFY(!p.Herramienta[HerrBarra]->isChecked());
    QCOMPARE(p.MensajeActual(), QString());
    QVERIFY(!p.Datos->isEnabled());
}

void PruebaHerramientaBarra::escritaSobreNodoExistente()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(3, 1);
    p.AgregarNodo(5, 1);
    p.Herramienta_Click(HerrBarra);
    p.Diagrama_MouseDown({1, 0, Xt(3), Yt(1)});
    Escribir(p.Prin, QStringLiteral("2"));
    Escribir(p.Angulo, QStringLiteral("0"));
    QTest::mouseClick(p.Aceptar, Qt::LeftButton);
    // (3, 1) + 2 (cos 0, sin 0) is node B's point; a third node goes there.
    QCOMPARE(m.NumNodos, int16_t(3));
    QCOMPARE(m.Nodos[3].X, 5.0);
    QCOMPARE(m.Nodos[3].Y, 1.0);
    QCOMPARE(m.Barras[1].NodoFinal, int16_t(3));
    QVERIFY(p.Nodo[3]->EsVisible());
    QCOMPARE(p.lbNodo[3]->TextoActual(), QStringLiteral("C"));
}

void PruebaHerramientaBarra::escritaGuardaLoEscrito()
{
    Ventana v;
    Escribir(v.p.Prin, QStringLiteral("2.345"));
    Escribir(v.p.Angulo, QStringLiteral("0"));
    QTest::mouseClick(v.p.Aceptar, Qt::LeftButton);
    // Not cut to the hundredth as a measured length would be.
    QCOMPARE(v.m.Barras[1].Longitud, 2.345);
    QCOMPARE(v.m.Barras[1].Angulo, 0.0);
    // The line leaves the dragged point for the typed end, (5.345, 1) m:
    // floor(5.345 * 485000) / 1000 + 150 = 2742.325.
    QCOMPARE(v.p.Barra[1]->X2, 2742.325f);
    QCOMPARE(v.p.Barra[1]->Y2, Yt(1));
    // Midpoint (4.1725, 1) m: floor(4.1725 * 485000) / 1000 + 150 = 2173.662.
    QCOMPARE(v.p.lbBarra[1]->Left(), 2173.662f);
    QCOMPARE(v.p.lbBarra[1]->Top(), Yt(1));
}

void PruebaHerramientaBarra::seleccionDescartaBarraAbierta_data()
{
    QTest::addColumn<int>("herramienta");
    QTest::newRow("supports") << int(HerrApoyos);
    QTest::newRow("load") << int(HerrCarga);
    QTest::newRow("node") << int(HerrNodo);
    QTest::newRow("bar again") << int(HerrBarra);
}

// Regression: the bar used to stay in the table with end node 0.
void PruebaHerramientaBarra::seleccionDescartaBarraAbierta()
{
    QFETCH(int, herramienta);
    Ventana v;
    QTest::mouseClick(v.p.Herramienta[static_cast<size_t>(herramienta)], Qt::LeftButton);
    QCOMPARE(v.m.NumBarras, int16_t(0));
    QCOMPARE(v.m.Barras.size(), size_t(1));
    QVERIFY(!v.p.Barra[1]->EsVisible());
    // The next bar takes number 1 again.
    v.p.Herramienta_Click(HerrBarra);
    v.p.Diagrama_MouseDown({1, 0, Xt(3), Yt(1)});
    QCOMPARE(v.m.NumBarras, int16_t(1));
    QVERIFY(v.p.Barra[1]->EsVisible());
}

void PruebaHerramientaBarra::seleccionConservaBarraCerrada()
{
    Ventana v;
    v.p.Diagrama_MouseDown({1, 0, Xt(6), Yt(4)});
    v.p.Herramienta_Click(HerrNodo);
    QCOMPARE(v.m.NumBarras, int16_t(1));
    QCOMPARE(v.m.Barras[1].NodoFinal, int16_t(2));
    QVERIFY(v.p.Barra[1]->EsVisible());
}

void PruebaHerramientaBarra::barraVeintiunoRechazada()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(3, 1);
    p.AgregarNodo(6, 4);
    for (int i = 0; i < 20; ++i) {
        p.Herramienta_Click(HerrBarra);
        p.Diagrama_MouseDown({1, 0, Xt(3), Yt(1)});
        p.Diagrama_MouseDown({1, 0, Xt(6), Yt(4)});
    }
    QCOMPARE(m.NumBarras, int16_t(20));
    p.Herramienta_Click(HerrBarra);
    p.Diagrama_MouseDown({1, 0, Xt(3), Yt(1)});
    QCOMPARE(p.MensajeActual(), SinElementos);
    QCOMPARE(m.NumBarras, int16_t(20));
    QCOMPARE(m.Barras.size(), size_t(21));
    QVERIFY(p.Banderas[2]);
    QVERIFY(!p.Datos->isEnabled());
    // The pointer move has no bar to drag.
    p.Diagrama_MouseMove({0, 0, Xt(1), Yt(1)});
    QCOMPARE(p.Barra[20]->X2, Xt(6));
}

// Twenty nodes: a free end click would need a twenty-first.
void PruebaHerramientaBarra::finalSinNodoLibreClic()
{
    Ventana v;
    for (int i = 2; i <= 20; ++i)
        v.p.AgregarNodo(0.25 * i, 0.5);
    v.p.Herramienta_Click(HerrBarra);
    v.p.Diagrama_MouseDown({1, 0, Xt(3), Yt(1)});
    v.p.Diagrama_MouseMove({0, 0, Xt(6), Yt(4)});
    v.p.Diagrama_MouseDown({1, 0, Xt(6), Yt(4)});
    QCOMPARE(v.p.MensajeActual(), SinNodos);
    QCOMPARE(v.m.NumNodos, int16_t(20));
    VerificarAbierta(v);
    // Still drawing: the end follows the pointer and a node can close it.
    v.p.Diagrama_MouseMove({0, 0, Xt(1), Yt(1)});
    QCOMPARE(v.p.Angulo->text(), QStringLiteral("180"));
    v.p.Diagrama_MouseDown({1, 0, Xt(1), Yt(0.5)});
    QCOMPARE(v.m.Barras[1].NodoFinal, int16_t(4));
}

void PruebaHerramientaBarra::finalSinNodoLibreEscrito()
{
    Ventana v;
    for (int i = 2; i <= 20; ++i)
        v.p.AgregarNodo(0.25 * i, 0.5);
    v.p.Herramienta_Click(HerrBarra);
    v.p.Diagrama_MouseDown({1, 0, Xt(3), Yt(1)});
    v.p.Diagrama_MouseMove({0, 0, Xt(6), Yt(4)});
    Escribir(v.p.Prin, QStringLiteral("1"));
    Escribir(v.p.Angulo, QStringLiteral("0"));
    QTest::mouseClick(v.p.Aceptar, Qt::LeftButton);
    QCOMPARE(v.p.MensajeActual(), SinNodos);
    QCOMPARE(v.m.NumNodos, int16_t(20));
    QCOMPARE(v.p.Barra[1]->X2, Xt(6));
    QCOMPARE(v.p.Barra[1]->Y2, Yt(4));
    VerificarAbierta(v);
}

void PruebaHerramientaBarra::escritoRechazado_data()
{
    QTest::addColumn<QString>("longitud");
    QTest::addColumn<QString>("angulo");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("length beyond a double") << "1e400" << "0" << NoCabe;
    QTest::newRow("angle beyond a double") << "1" << "1e400" << NoCabe;
    // 1e300 m is 4.85e305 twips: no 32-bit board position.
    QTest::newRow("length off any board") << "1e300" << "0" << Fuera;
    // 1e308 degrees times pi overflows: no direction at all.
    QTest::newRow("angle without direction") << "1" << "1e308" << Fuera;
}

void PruebaHerramientaBarra::escritoRechazado()
{
    QFETCH(QString, longitud);
    QFETCH(QString, angulo);
    QFETCH(QString, mensaje);
    Ventana v;
    Escribir(v.p.Prin, longitud);
    Escribir(v.p.Angulo, angulo);
    QTest::mouseClick(v.p.Aceptar, Qt::LeftButton);
    QCOMPARE(v.p.MensajeActual(), mensaje);
    QCOMPARE(v.m.NumNodos, int16_t(1));
    QCOMPARE(v.p.Barra[1]->X2, Xt(6));
    QCOMPARE(v.p.Barra[1]->Y2, Yt(4));
    VerificarAbierta(v);
}

// A free end click stores the panel's texts: a typed number that cannot be
// stored or drawn is refused there too.
void PruebaHerramientaBarra::clicConNumeroQueNoCabe()
{
    Ventana v;
    Escribir(v.p.Prin, QStringLiteral("1e400"));
    v.p.Diagrama_MouseDown({1, 0, Xt(6), Yt(4)});
    QCOMPARE(v.p.MensajeActual(), NoCabe);
    QCOMPARE(v.m.NumNodos, int16_t(1));
    VerificarAbierta(v);
    Escribir(v.p.Prin, QStringLiteral("1e300"));
    v.p.Diagrama_MouseDown({1, 0, Xt(6), Yt(4)});
    QCOMPARE(v.p.MensajeActual(), Fuera);
    VerificarAbierta(v);
}

QTEST_MAIN(PruebaHerramientaBarra)
#include "tst_herramienta_barra.moc"
