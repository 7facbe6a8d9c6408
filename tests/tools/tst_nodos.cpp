// Nodes: placement and hit-testing on the board, and the node tool by pointer,
// click and keyboard. Board points are worked out by hand at the start size
// of 10 m x 5 m: x = floor(X * 485000) / 1000 + 150, y = floor((5 - Y) * 540000) / 1000.

#include "tools/VentanaPrueba.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

class PruebaNodos : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void agregarNodo_data();
    void agregarNodo();
    void letrasDeLosNodos();
    void ordenAlAgregar();
    void buscarNodo_data();
    void buscarNodo();
    void buscarSinNodos();
    void nodosSuperpuestos();
    void ajusteAlMover_data();
    void ajusteAlMover();
    void ajusteConComaRegional();
    void sinHerramientaNoSeAjusta();
    void clicUsaElPanel();
    void clicRealDelRaton();
    void nodoEscrito_data();
    void nodoEscrito();
    void nodoVeintiunoRechazado();
    void nodoEscritoFueraDeAlcance_data();
    void nodoEscritoFueraDeAlcance();
};

namespace {

void Mostrar(Principal& p)
{
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
}

void Escribir(QLineEdit* caja, const QString& texto)
{
    caja->clear();
    QTest::keyClicks(caja, texto);
}

} // namespace

void PruebaNodos::agregarNodo_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<float>("puntoLeft");
    QTest::addColumn<float>("puntoTop");
    QTest::addColumn<float>("letraLeft");
    QTest::addColumn<float>("letraTop");
    // (150, 2700): the dot's corner 50 up and left, the letter 250 above.
    QTest::newRow("origin") << 0.0 << 0.0 << 100.0f << 2650.0f << 150.0f << 2450.0f;
    // x = 970 + 150, y = 0: the dot reaches above the board.
    QTest::newRow("top edge") << 2.0 << 5.0 << 1070.0f << -50.0f << 1120.0f << -250.0f;
    // 1.25 * 485000 = 606250 -> 756.25; 3.75 * 540000 = 2025000 -> 2025.
    QTest::newRow("quarter metres") << 1.25 << 1.25 << 706.25f << 1975.0f << 756.25f << 1775.0f;
    // -485 + 150 = -335; 6 * 540000 -> 3240: outside the drawing, drawn anyway.
    QTest::newRow("outside the drawing") << -1.0 << -1.0 << -385.0f << 3190.0f << -335.0f << 2990.0f;
}

void PruebaNodos::agregarNodo()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(float, puntoLeft);
    QFETCH(float, puntoTop);
    QFETCH(float, letraLeft);
    QFETCH(float, letraTop);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QVERIFY(p.AgregarNodo(x, y));
    QCOMPARE(m.NumNodos, int16_t(1));
    QCOMPARE(m.Nodos[1].X, x);
    QCOMPARE(m.Nodos[1].Y, y);
    QCOMPARE(m.Nodos[1].Fx, 0.0);
    QCOMPARE(m.Nodos[1].Fy, 0.0);
    QCOMPARE(p.Nodo[1]->Left(), puntoLeft);
    QCOMPARE(p.Nodo[1]->Top(), puntoTop);
    QCOMPARE(p.Nodo[1]->item->pos(), QPointF(puntoLeft, puntoTop));
    QVERIFY(p.Nodo[1]->EsVisible());
    QCOMPARE(p.lbNodo[1]->Left(), letraLeft);
    QCOMPARE(p.lbNodo[1]->Top(), letraTop);
    QCOMPARE(p.lbNodo[1]->TextoActual(), QStringLiteral("A"));
    QVERIFY(p.lbNodo[1]->EsVisible());
    // The letter is in front of every other element on the board.
    for (const QGraphicsItem* item : p.Diagrama->Escena().items()) {
        if (item != p.lbNodo[1]->item)
            QVERIFY(item->zValue() < p.lbNodo[1]->item->zValue());
    }
    QCOMPARE(ElementosVisibles(p), 3); // axes, dot, letter
}

void PruebaNodos::letrasDeLosNodos()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    for (int i = 1; i <= 20; ++i)
        QVERIFY(p.AgregarNodo(0.25 * i, 1));
    QCOMPARE(m.NumNodos, int16_t(20));
    QCOMPARE(p.lbNodo[1]->TextoActual(), QStringLiteral("A"));
    QCOMPARE(p.lbNodo[3]->TextoActual(), QStringLiteral("C"));
    QCOMPARE(p.lbNodo[20]->TextoActual(), QStringLiteral("T"));
    // 1 m up is 4 * 540000 -> 2160; the letter's top 250 above.
    QCOMPARE(p.lbNodo[3]->Top(), 1910.0f);
    // 0.75 m: 363750 -> 363.75 + 150.
    QCOMPARE(p.lbNodo[3]->Left(), 513.75f);
    QVERIFY(p.lbNodo[20]->EsVisible());
    QVERIFY(p.Nodo[20]->EsVisible());
}

void PruebaNodos::ordenAlAgregar()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.Datos->setEnabled(true);
    RegistroHabilitado registro;
    registro.Observar(p.Datos, QStringLiteral("Datos"));
    for (size_t i = 0; i < 5; ++i)
        registro.Observar(p.Herramienta[i], QStringLiteral("H%1").arg(i));
    registro.estado = [&] {
        const bool dibujado = p.Nodo[1]->EsVisible() && p.lbNodo[1]->EsVisible();
        const bool guardado = m.Nodos.size() > 1 && m.Nodos[1].X == 1.0;
        return QString(dibujado ? "drawn" : "-") + (guardado ? " stored" : "");
    };
    p.AgregarNodo(1, 1);
    // Dot and letter first; the panel and tool 4 go off; the node is stored;
    // then tools 0, 3 and 1 come on.
    QCOMPARE(registro.cambios,
        QStringList({ "Datos off: drawn", "H4 off: drawn", "H0 on: drawn stored", "H3 on: drawn stored",
            "H1 on: drawn stored" }));
    // A second node changes no enabled state.
    p.AgregarNodo(2, 1);
    QCOMPARE(registro.cambios.size(), 5);
}

void PruebaNodos::buscarNodo_data()
{
    QTest::addColumn<double>("nodoX");
    QTest::addColumn<double>("nodoY");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("esperado");
    // Node at (0, 0): point (150, 2700), square 100 < x < 220, 2650 < y < 2770.
    QTest::newRow("origin, its own point") << 0.0 << 0.0 << 150.0f << 2700.0f << 1;
    QTest::newRow("origin, x = 100") << 0.0 << 0.0 << 100.0f << 2700.0f << 0;
    QTest::newRow("origin, just right of 100") << 0.0 << 0.0 << 100.5f << 2700.0f << 1;
    QTest::newRow("origin, just left of 220") << 0.0 << 0.0 << 219.5f << 2700.0f << 1;
    QTest::newRow("origin, x = 220") << 0.0 << 0.0 << 220.0f << 2700.0f << 0;
    QTest::newRow("origin, y = 2650") << 0.0 << 0.0 << 150.0f << 2650.0f << 0;
    QTest::newRow("origin, just below 2650") << 0.0 << 0.0 << 150.0f << 2650.5f << 1;
    QTest::newRow("origin, just above 2770") << 0.0 << 0.0 << 150.0f << 2769.5f << 1;
    QTest::newRow("origin, y = 2770") << 0.0 << 0.0 << 150.0f << 2770.0f << 0;
    // Node at (2, 5): point (1120, 0); the square is shifted to 0 < y < 120.
    QTest::newRow("top edge, y = 0") << 2.0 << 5.0 << 1120.0f << 0.0f << 0;
    QTest::newRow("top edge, just below 0") << 2.0 << 5.0 << 1120.0f << 0.5f << 1;
    QTest::newRow("top edge, just above 120") << 2.0 << 5.0 << 1120.0f << 119.5f << 1;
    QTest::newRow("top edge, y = 120") << 2.0 << 5.0 << 1120.0f << 120.0f << 0;
    QTest::newRow("top edge, below the dot's bottom at 70") << 2.0 << 5.0 << 1120.0f << 100.0f << 1;
    // Node at (-0.3, 0): -1455000 / 10 -> -145.5 + 150 = 4.5; the square is 0 < x < 120.
    QTest::newRow("left edge, x = 100 past the dot") << -0.3 << 0.0 << 100.0f << 2700.0f << 1;
    QTest::newRow("left edge, x = 120") << -0.3 << 0.0 << 120.0f << 2700.0f << 0;
    QTest::newRow("left edge, x = 0") << -0.3 << 0.0 << 0.0f << 2700.0f << 0;
}

void PruebaNodos::buscarNodo()
{
    QFETCH(double, nodoX);
    QFETCH(double, nodoY);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(int, esperado);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(nodoX, nodoY);
    QCOMPARE(int(p.BuscarNodo(x, y)), esperado);
}

void PruebaNodos::buscarSinNodos()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    const float puntos[][2] = { { 150, 2700 }, { 0, 0 }, { 8759, 6089 }, { 1120, 60 } };
    for (const auto& punto : puntos)
        QCOMPARE(int(p.BuscarNodo(punto[0], punto[1])), 0);
}

void PruebaNodos::nodosSuperpuestos()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.AgregarNodo(1, 1);
    p.AgregarNodo(1, 1);
    p.AgregarNodo(1.1, 1);
    QCOMPARE(m.NumNodos, int16_t(3));
    // (1, 1) is at (635, 2160), square 585 < x < 705; (1.1, 1) at 48.5 + 635 =
    // 683.5, square 633.5 < x < 753.5. At 640 all three squares meet.
    QCOMPARE(int(p.BuscarNodo(640, 2160)), 1);
    // Where only the third square reaches, it is found.
    QCOMPARE(int(p.BuscarNodo(720, 2160)), 3);
}

void PruebaNodos::ajusteAlMover_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QString>("prin");
    QTest::addColumn<QString>("angulo");
    // Pixel p is twip 15 p. X: floor((15 px - 150) * 10 / 4850 * 1000) / 1000;
    // Y: floor((5 - 15 py * 5 / 2700) * 1000) / 1000. Then t = floor(10 m),
    // d = 100 m - 10 t to even: d > 5 writes (t + 1) / 10, d < 5 (10 t + 5) / 100.
    // 750 -> 1.237: d = 3.7 -> 4 -> 1.25; 2700 -> 0 m: d = 0 -> 0.05.
    QTest::newRow("1.237 m gives 1.25") << QPoint(50, 180) << "1.25"
                                        << "0.05";
    // 765 -> 1.268: d = 6.8 -> 7 -> 1.3; y = 0 -> 5 m, d = 0 -> 5.05.
    QTest::newRow("1.268 m gives 1.3") << QPoint(51, 0) << "1.3"
                                       << "5.05";
    // 1110 -> 1.979: t = 19, d = 7.9 -> 8 -> 2, written without a point.
    QTest::newRow("1.979 m gives 2") << QPoint(74, 180) << "2"
                                     << "0.05";
    // 0 -> -0.31: t = -4, d = 9 -> -0.3; 2850 -> -0.278: t = -3, d = 2.2 -> -0.25.
    QTest::newRow("negative metres") << QPoint(0, 190) << "-0.3"
                                     << "-0.25";
    // 225 -> 0.154: t = 1, d = 5.4 -> 5: the X text stays.
    QTest::newRow("0.154 m keeps the X text") << QPoint(15, 190) << "7"
                                              << "-0.25";
    // 135 -> 4.75: t = 47, d = 5 exactly: the Y text stays.
    QTest::newRow("4.75 m keeps the Y text") << QPoint(10, 9) << "0.05"
                                             << "9";
}

void PruebaNodos::ajusteAlMover()
{
    QFETCH(QPoint, pixel);
    QFETCH(QString, prin);
    QFETCH(QString, angulo);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    QTest::mouseClick(p.Herramienta[HerrNodo], Qt::LeftButton);
    p.Prin->setText(QStringLiteral("7"));
    p.Angulo->setText(QStringLiteral("9"));
    QTest::mouseMove(p.Diagrama->viewport(), pixel);
    // The readout comes first in the same handler: once it shows, the panel is written.
    QTRY_VERIFY(p.Panel[2]->text() != QStringLiteral("X(m):"));
    QCOMPARE(p.Prin->text(), prin);
    QCOMPARE(p.Angulo->text(), angulo);
}

void PruebaNodos::ajusteConComaRegional()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    QTest::mouseClick(p.Herramienta[HerrNodo], Qt::LeftButton);
    QTest::mouseMove(p.Diagrama->viewport(), QPoint(50, 180));
    QTRY_COMPARE(p.Panel[2]->text(), QStringLiteral("X(m): 1,30"));
    // The panel is read back as a number: always ".".
    QCOMPARE(p.Prin->text(), QStringLiteral("1.25"));
    QCOMPARE(p.Angulo->text(), QStringLiteral("0.05"));
}

void PruebaNodos::sinHerramientaNoSeAjusta()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    // No tool armed yet.
    p.Diagrama_MouseMove({ 0, 0, 750, 2700 });
    QCOMPARE(p.Prin->text(), QStringLiteral("0"));
    // Armed, but another tool.
    p.Herramienta_Click(HerrArea);
    p.Diagrama_MouseMove({ 0, 0, 750, 2700 });
    QCOMPARE(p.Prin->text(), QStringLiteral("10"));
    // The node tool after its click has disarmed it.
    p.Herramienta_Click(HerrNodo);
    p.Diagrama_MouseDown({ 1, 0, 0, 0 });
    p.Prin->setText(QStringLiteral("3"));
    p.Diagrama_MouseMove({ 0, 0, 750, 2700 });
    QCOMPARE(p.Prin->text(), QStringLiteral("3"));
}

void PruebaNodos::clicUsaElPanel()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    QTest::mouseClick(p.Herramienta[HerrNodo], Qt::LeftButton);
    p.Prin->setText(QStringLiteral("2.5"));
    p.Angulo->setText(QStringLiteral("1"));
    // The click point is ignored: the node goes where the panel says.
    p.Diagrama_MouseDown({ 1, 0, 4000, 4000 });
    QCOMPARE(m.NumNodos, int16_t(1));
    QCOMPARE(m.Nodos[1].X, 2.5);
    QCOMPARE(m.Nodos[1].Y, 1.0);
    QVERIFY(!p.Banderas[1]);
    QVERIFY(!p.Herramienta[HerrNodo]->isChecked());
    QCOMPARE(p.MensajeActual(), QString());
    QVERIFY(!p.Datos->isEnabled());
    QCOMPARE(p.HerramientaActual, int16_t(HerrNodo));
    // Disarmed: a further click adds nothing.
    p.Diagrama_MouseDown({ 1, 0, 4000, 4000 });
    QCOMPARE(m.NumNodos, int16_t(1));
}

void PruebaNodos::clicRealDelRaton()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    QTest::mouseClick(p.Herramienta[HerrNodo], Qt::LeftButton);
    QTest::mouseMove(p.Diagrama->viewport(), QPoint(51, 0));
    QTRY_COMPARE(p.Prin->text(), QStringLiteral("1.3"));
    QTest::mouseClick(p.Diagrama->viewport(), Qt::LeftButton, {}, QPoint(51, 0));
    QTRY_COMPARE(m.NumNodos, int16_t(1));
    QCOMPARE(m.Nodos[1].X, 1.3);
    QCOMPARE(m.Nodos[1].Y, 5.05);
    QVERIFY(!p.Herramienta[HerrNodo]->isChecked());
}

void PruebaNodos::nodoEscrito_data()
{
    QTest::addColumn<QString>("textoX");
    QTest::addColumn<QString>("textoY");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("2.5 and 1") << "2.5"
                               << "1" << 2.5 << 1.0;
    QTest::newRow("a comma ends the number") << "2,5"
                                             << "1" << 2.0 << 1.0;
    QTest::newRow("no number reads 0") << "equis"
                                       << "1" << 0.0 << 1.0;
    QTest::newRow("blanks inside") << "1 2"
                                   << " 3" << 12.0 << 3.0;
}

void PruebaNodos::nodoEscrito()
{
    QFETCH(QString, textoX);
    QFETCH(QString, textoY);
    QFETCH(double, x);
    QFETCH(double, y);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    QTest::mouseClick(p.Herramienta[HerrNodo], Qt::LeftButton);
    Escribir(p.Prin, textoX);
    Escribir(p.Angulo, textoY);
    QTest::keyClick(p.Angulo, Qt::Key_Return);
    QCOMPARE(m.NumNodos, int16_t(1));
    QCOMPARE(m.Nodos[1].X, x);
    QCOMPARE(m.Nodos[1].Y, y);
    QVERIFY(!p.Herramienta[HerrNodo]->isChecked());
    QVERIFY(!p.Datos->isEnabled());
    QCOMPARE(p.MensajeActual(), QString());
    // Still armed: a move and a click place the next node.
    QVERIFY(p.Banderas[1]);
    p.Diagrama_MouseMove({ 0, 0, 750, 2700 });
    p.Diagrama_MouseDown({ 1, 0, 750, 2700 });
    QCOMPARE(m.NumNodos, int16_t(2));
    QCOMPARE(m.Nodos[2].X, 1.25);
    QCOMPARE(m.Nodos[2].Y, 0.05);
}

void PruebaNodos::nodoVeintiunoRechazado()
{
    const QString mensaje = QStringLiteral("No se pueden agregar más de 20 nodos");
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    for (int i = 1; i <= 20; ++i)
        p.AgregarNodo(0.25 * i, 2);
    const int visibles = ElementosVisibles(p);
    QTest::mouseClick(p.Herramienta[HerrNodo], Qt::LeftButton);
    p.Prin->setText(QStringLiteral("1"));
    p.Angulo->setText(QStringLiteral("1"));

    // By a click: refused, and the tool stays as it was.
    p.Diagrama_MouseDown({ 1, 0, 750, 2700 });
    QCOMPARE(p.MensajeActual(), mensaje);
    QCOMPARE(m.NumNodos, int16_t(20));
    QCOMPARE(m.Nodos.size(), size_t(21));
    QCOMPARE(ElementosVisibles(p), visibles);
    QVERIFY(p.Banderas[1]);
    QVERIFY(p.Herramienta[HerrNodo]->isChecked());
    QVERIFY(p.Datos->isEnabled());

    // By typing.
    QTest::mouseClick(p.Aceptar, Qt::LeftButton);
    QCOMPARE(p.MensajeActual(), mensaje);
    QCOMPARE(m.NumNodos, int16_t(20));
    QCOMPARE(ElementosVisibles(p), visibles);
    QVERIFY(p.Herramienta[HerrNodo]->isChecked());
    QVERIFY(p.Datos->isEnabled());
}

void PruebaNodos::nodoEscritoFueraDeAlcance_data()
{
    const QString alcance = QStringLiteral("La posición del nodo está fuera del alcance del dibujo");
    const QString grande = QStringLiteral("El número escrito es demasiado grande");
    QTest::addColumn<QString>("textoX");
    QTest::addColumn<QString>("textoY");
    QTest::addColumn<QString>("mensaje");
    // 1e36 * 485000 / 1000 = 4.85e38 is past the largest 32-bit float (3.4e38).
    QTest::newRow("x past a float") << "1e36"
                                    << "1" << alcance;
    QTest::newRow("x past a float, negative") << "-1e36"
                                              << "1" << alcance;
    // (5 - 1e36) * 540000 / 1000 = -5.4e38.
    QTest::newRow("y past a float") << "1"
                                    << "1e36" << alcance;
    // ATwips would overflow a double itself.
    QTest::newRow("x whose conversion is infinite") << "1e305"
                                                    << "1" << alcance;
    QTest::newRow("x too large for a double") << "1e400"
                                              << "1" << grande;
    QTest::newRow("y too large for a double") << "1"
                                              << "-1e999" << grande;
}

void PruebaNodos::nodoEscritoFueraDeAlcance()
{
    QFETCH(QString, textoX);
    QFETCH(QString, textoY);
    QFETCH(QString, mensaje);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    QTest::mouseClick(p.Herramienta[HerrNodo], Qt::LeftButton);
    Escribir(p.Prin, textoX);
    Escribir(p.Angulo, textoY);
    QTest::mouseClick(p.Aceptar, Qt::LeftButton);
    QCOMPARE(p.MensajeActual(), mensaje);
    QCOMPARE(m.NumNodos, int16_t(0));
    QCOMPARE(ElementosVisibles(p), 1);
    QVERIFY(p.Herramienta[HerrNodo]->isChecked());
    QVERIFY(p.Herramienta[HerrArea]->isEnabled());
    QVERIFY(p.Datos->isEnabled());
    // A board click with the same texts is refused alike.
    p.Diagrama_MouseDown({ 1, 0, 750, 2700 });
    QCOMPARE(p.MensajeActual(), mensaje);
    QCOMPARE(m.NumNodos, int16_t(0));
    QVERIFY(p.Banderas[1]);
}

QTEST_MAIN(PruebaNodos)
#include "tst_nodos.moc"
