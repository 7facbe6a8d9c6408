// Tool selection, the enabled-state rules, the new project and the drawing
// size, driven through the real buttons and text boxes.

#include "tools/VentanaPrueba.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

class PruebaSeleccion : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void seleccionPreparaElPanel_data();
    void seleccionPreparaElPanel();
    void apoyoMovilTrasElFijo();
    void botonesHabilitadosPorEtapa();
    void nuevoProyectoSi();
    void nuevoProyectoNo();
    void tamanoConfirmado_data();
    void tamanoConfirmado();
    void tamanoConComaRegional();
    void tamanoRechazado_data();
    void tamanoRechazado();
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

QString Habilitadas(const Principal& p)
{
    QString codigos;
    for (int i = 0; i <= 5; ++i) {
        if (p.Herramienta[static_cast<size_t>(i)]->isEnabled())
            codigos += QString::number(i);
    }
    return codigos;
}

// Three nodes, both supports and something of every other kind on the board.
void ArmarCercha(Principal& p, Modulo& m)
{
    p.AgregarNodo(0, 0);
    p.AgregarNodo(4, 0);
    p.AgregarNodo(2, 2);
    QTest::mouseClick(p.Herramienta[HerrApoyos], Qt::LeftButton);
    p.Diagrama_MouseDown({ 1, 0, 150, 2700 }); // node A
    p.Diagrama_MouseDown({ 1, 0, 2090, 2700 }); // node B
    m.AgregarBarraRec(1);
    m.Barras[1].NodoFinal = 2;
    p.Barra[1]->Visible(true);
    p.Barra[1]->Color(ColorCompresion);
    p.lbBarra[1]->Visible(true);
    p.lbFuerza[1]->Visible(true);
    p.Fuerza[1]->Visible(true);
    p.lbCarga[1]->Visible(true);
    p.lbCarga[12]->Visible(true);
    m.NumCargas = 1;
    p.Resultados->setEnabled(true);
    p.NodoCarga = 3;
    m.MatrizCalculo[1][1] = 7;
    p.Mensaje(QStringLiteral("Cercha calculada satisfactoriamente"));
}

} // namespace

void PruebaSeleccion::seleccionPreparaElPanel_data()
{
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("label2");
    QTest::addColumn<bool>("panelHabilitado");
    QTest::addColumn<QString>("prin");
    QTest::addColumn<QString>("angulo");
    // The support tool keeps the start captions; the others end with a blank.
    QTest::newRow("supports") << 0 << "Seleccione el nodo del apoyo fijo"
                              << QString::fromUtf8("Parámetros configuración")
                              << "Longitud(m):" << QString::fromUtf8("Ángulo(°):") << false << "3"
                              << "7";
    QTest::newRow("load") << 1 << QString::fromUtf8("Seleccione nodo de aplicación") << "Carga externa"
                          << "Magnitud(N): " << QString::fromUtf8("Ángulo(°): ") << false << "3"
                          << "7";
    QTest::newRow("new node") << 2 << QString::fromUtf8("Selección la ubicación del nuevo nodo") << "Nuevo nodo"
                              << "X(m): "
                              << "Y(m): " << true << "3"
                              << "7";
    QTest::newRow("new bar") << 3 << "Seleccione nodo de inicio:"
                             << "Nuevo elemento"
                             << "Longitud(m): " << QString::fromUtf8("Ángulo(°): ") << false << "3"
                             << "7";
    // The start size is 10 m x 5 m.
    QTest::newRow("drawing size") << 4 << "Nuevas dimensiones exteriores"
                                  << "Dimensiones"
                                  << "Ancho dibujo(m): "
                                  << "Alto dibujo(m): " << true << "10"
                                  << "5";
}

void PruebaSeleccion::seleccionPreparaElPanel()
{
    QFETCH(int, codigo);
    QFETCH(QString, mensaje);
    QFETCH(QString, titulo);
    QFETCH(QString, label1);
    QFETCH(QString, label2);
    QFETCH(bool, panelHabilitado);
    QFETCH(QString, prin);
    QFETCH(QString, angulo);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    if (codigo != HerrArea && codigo != HerrNodo)
        p.AgregarNodo(1, 1); // these tools need a node
    p.Prin->setText(QStringLiteral("3"));
    p.Angulo->setText(QStringLiteral("7"));
    p.Datos->setEnabled(!panelHabilitado); // so that the selection has to change it
    QToolButton* boton = p.Herramienta[static_cast<size_t>(codigo)];
    QTest::mouseClick(boton, Qt::LeftButton);
    QCOMPARE(p.MensajeActual(), mensaje);
    QCOMPARE(p.Datos->title(), titulo);
    QCOMPARE(p.Label1->text(), label1);
    QCOMPARE(p.Label2->text(), label2);
    QCOMPARE(p.Datos->isEnabled(), panelHabilitado);
    QCOMPARE(p.Prin->text(), prin);
    QCOMPARE(p.Angulo->text(), angulo);
    QCOMPARE(p.HerramientaActual, int16_t(codigo));
    QVERIFY(p.Banderas[1]);
    QCOMPARE(p.Banderas[2], codigo == HerrBarra);
    QVERIFY(boton->isChecked());
    QCOMPARE(p.grupoHerramientas->checkedId(), codigo);
}

void PruebaSeleccion::apoyoMovilTrasElFijo()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    p.AgregarNodo(0, 0);
    QTest::mouseClick(p.Herramienta[HerrApoyos], Qt::LeftButton);
    p.Diagrama_MouseDown({ 1, 0, 150, 2700 });
    QVERIFY(p.Banderas[3]);
    // Selecting the load tool in between changes the captions, not the prompt rule.
    QTest::mouseClick(p.Herramienta[HerrCarga], Qt::LeftButton);
    QTest::mouseClick(p.Herramienta[HerrApoyos], Qt::LeftButton);
    QCOMPARE(p.MensajeActual(), QStringLiteral("Seleccione el nodo del apoyo movil"));
    QCOMPARE(p.Datos->title(), QStringLiteral("Carga externa"));
    QVERIFY(!p.Datos->isEnabled());
}

void PruebaSeleccion::botonesHabilitadosPorEtapa()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    QCOMPARE(Habilitadas(p), QStringLiteral("245"));
    p.AgregarNodo(0, 0);
    QCOMPARE(Habilitadas(p), QStringLiteral("01235"));
    p.AgregarNodo(4, 0);
    QTest::mouseClick(p.Herramienta[HerrApoyos], Qt::LeftButton);
    p.Diagrama_MouseDown({ 1, 0, 150, 2700 });
    QCOMPARE(Habilitadas(p), QStringLiteral("01235"));
    QVERIFY(!p.Calcular->isEnabled());
    p.Diagrama_MouseDown({ 1, 0, 2090, 2700 }); // the roller
    QCOMPARE(Habilitadas(p), QStringLiteral("1235"));
    QVERIFY(p.Calcular->isEnabled());
    // A further node brings the support tool back.
    p.AgregarNodo(2, 2);
    QCOMPARE(Habilitadas(p), QStringLiteral("01235"));
}

void PruebaSeleccion::nuevoProyectoSi()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    ArmarCercha(p, m);
    p.Prin->setText(QStringLiteral("8"));
    p.Angulo->setText(QStringLiteral("9"));
    RegistroHabilitado registro;
    const char* nombres[] = { "H0", "H1", "H2", "H3", "H4", "H5" };
    for (size_t i = 0; i < 6; ++i)
        registro.Observar(p.Herramienta[i], QString::fromLatin1(nombres[i]));
    registro.Observar(p.Calcular, QStringLiteral("Calcular"));
    registro.Observar(p.Resultados, QStringLiteral("Resultados"));
    const auto caja = ResponderCaja(QMessageBox::Yes);
    QTest::mouseClick(p.Herramienta[HerrNuevo], Qt::LeftButton);

    QVERIFY(caja->respondida);
    QCOMPARE(caja->texto, QStringLiteral("¿Esta seguro que desea borrar los elementos actuales?"));
    QCOMPARE(caja->titulo, QStringLiteral("Vexo.Parvu.Trabina"));
    QCOMPARE(caja->icono, QMessageBox::Question);
    QCOMPARE(caja->botones, QMessageBox::Yes | QMessageBox::No);
    // All enabled, then Calcular and Resultados, then 0, 3, 1 disabled in that order.
    QCOMPARE(registro.cambios,
        QStringList({ "H0 on", "H4 on", "Calcular off", "Resultados off", "H0 off", "H3 off", "H1 off" }));
    QCOMPARE(m.NumNodos, int16_t(0));
    QCOMPARE(m.NumBarras, int16_t(0));
    QCOMPARE(m.NumCargas, int16_t(0));
    QCOMPARE(m.Apoyos[1], int16_t(0));
    QCOMPARE(m.Apoyos[2], int16_t(0));
    QCOMPARE(p.HerramientaActual, int16_t(HerrNuevo));
    QVERIFY(p.Banderas[1]);
    QVERIFY(!p.Banderas[2]);
    QVERIFY(!p.Banderas[3]);
    QCOMPARE(ElementosVisibles(p), 1); // only the axes picture
    QCOMPARE(p.Barra[1]->ColorActual(), QColor(247, 187, 106));
    QCOMPARE(Habilitadas(p), QStringLiteral("245"));
    QCOMPARE(p.grupoHerramientas->checkedId(), -1);
    // What a new project leaves alone.
    QCOMPARE(p.MensajeActual(), QStringLiteral("Cercha calculada satisfactoriamente"));
    QCOMPARE(p.Prin->text(), QStringLiteral("8"));
    QCOMPARE(p.Angulo->text(), QStringLiteral("9"));
    QCOMPARE(p.NodoCarga, int16_t(3));
    QCOMPARE(m.MatrizCalculo[1][1], 7.0);
    QCOMPARE(p.coordenadas.AnchoDibujo, int16_t(10));
    QCOMPARE(p.coordenadas.AltoDibujo, 5.0);
    // A click on the board does nothing under the new-project tool.
    p.Diagrama_MouseDown({ 1, 0, 150, 2700 });
    QCOMPARE(m.NumNodos, int16_t(0));
    // The next node is "A" again and the support tool starts over.
    p.AgregarNodo(1, 1);
    QCOMPARE(p.lbNodo[1]->TextoActual(), QStringLiteral("A"));
    QTest::mouseClick(p.Herramienta[HerrApoyos], Qt::LeftButton);
    QCOMPARE(p.MensajeActual(), QStringLiteral("Seleccione el nodo del apoyo fijo"));
}

void PruebaSeleccion::nuevoProyectoNo()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    ArmarCercha(p, m);
    QVERIFY(!p.Banderas[1]); // the roller disarmed the support tool
    const int visibles = ElementosVisibles(p);
    const QString habilitadas = Habilitadas(p);
    const auto caja = ResponderCaja(QMessageBox::No);
    QTest::mouseClick(p.Herramienta[HerrNuevo], Qt::LeftButton);

    QVERIFY(caja->respondida);
    QCOMPARE(p.HerramientaActual, int16_t(HerrNuevo));
    QVERIFY(p.Banderas[1]);
    QVERIFY(p.Banderas[3]);
    QCOMPARE(m.NumNodos, int16_t(3));
    QCOMPARE(m.NumBarras, int16_t(1));
    QCOMPARE(m.NumCargas, int16_t(1));
    QCOMPARE(m.Apoyos[1], int16_t(1));
    QCOMPARE(m.Apoyos[2], int16_t(2));
    QCOMPARE(ElementosVisibles(p), visibles);
    QCOMPARE(p.Barra[1]->ColorActual(), ColorCompresion);
    QCOMPARE(Habilitadas(p), habilitadas);
    QVERIFY(p.Calcular->isEnabled());
    QVERIFY(p.Resultados->isEnabled());
    QCOMPARE(p.MensajeActual(), QStringLiteral("Cercha calculada satisfactoriamente"));
    // Armed, but board clicks do nothing under code 5.
    p.Diagrama_MouseDown({ 1, 0, 1120, 1620 }); // node C
    QCOMPARE(m.Apoyos[2], int16_t(2));
    QCOMPARE(p.MensajeActual(), QString());
}

void PruebaSeleccion::tamanoConfirmado_data()
{
    QTest::addColumn<QString>("ancho");
    QTest::addColumn<QString>("alto");
    QTest::addColumn<int>("anchoDibujo");
    QTest::addColumn<double>("altoDibujo");
    QTest::addColumn<QString>("nodoX");
    QTest::addColumn<QString>("nodoY");
    QTest::addColumn<float>("puntoLeft");
    QTest::addColumn<float>("puntoTop");
    QTest::addColumn<QString>("lecturaX");
    QTest::addColumn<QString>("lecturaY");
    // 8 m: floor(4 * 4850000 / 8) / 1000 + 150 = 2575; Y = 0 lies at 2700.
    // Readout at (2575, 2700): 4 m and 0 m show the next tenth.
    QTest::newRow("7.5 by 4.2") << "7.5"
                                << "4.2" << 8 << 4.2 << "4"
                                << "0" << 2525.0f << 2650.0f << "X(m): 4.10"
                                << "Y(m): 0.10";
    // 6 m: 3 * 4850000 / 6 = 2425000 -> 2575; (2.5 - 1.25) * 2700000 / 2.5 = 1350000 -> 1350.
    QTest::newRow("6.5 rounds to even 6") << "6.5"
                                          << "2.5" << 6 << 2.5 << "3"
                                          << "1.25" << 2525.0f << 1300.0f << "X(m): 3.10"
                                          << "Y(m): 1.30";
    // 12 m: 6 * 4850000 / 12 -> 2575; (10 - 5) * 2700000 / 10 -> 1350.
    QTest::newRow("text after the number") << "12 m"
                                           << "10m" << 12 << 10.0 << "6"
                                           << "5" << 2525.0f << 1300.0f << "X(m): 6.10"
                                           << "Y(m): 5.10";
    // The widest size: 0 m at 150; a height of 0.001 m keeps Y = 0 at 2700.
    QTest::newRow("widest, lowest") << "32767"
                                    << "0.001" << 32767 << 0.001 << "0"
                                    << "0" << 100.0f << 2650.0f << "X(m): 0.10"
                                    << "Y(m): 0.10";
}

void PruebaSeleccion::tamanoConfirmado()
{
    QFETCH(QString, ancho);
    QFETCH(QString, alto);
    QFETCH(int, anchoDibujo);
    QFETCH(double, altoDibujo);
    QFETCH(QString, nodoX);
    QFETCH(QString, nodoY);
    QFETCH(float, puntoLeft);
    QFETCH(float, puntoTop);
    QFETCH(QString, lecturaX);
    QFETCH(QString, lecturaY);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    QTest::mouseClick(p.Herramienta[HerrArea], Qt::LeftButton);
    Escribir(p.Prin, ancho);
    Escribir(p.Angulo, alto);
    QTest::mouseClick(p.Aceptar, Qt::LeftButton);
    QCOMPARE(int(p.coordenadas.AnchoDibujo), anchoDibujo);
    QCOMPARE(p.coordenadas.AltoDibujo, altoDibujo);
    QVERIFY(p.coordenadas.AltoDoble);
    QVERIFY(!p.Herramienta[HerrArea]->isChecked());
    QVERIFY(p.Datos->isEnabled());
    QVERIFY(p.Banderas[1]);
    QCOMPARE(p.MensajeActual(), QString());
    // Every later conversion uses the new size.
    p.Diagrama_MouseMove({ 0, 0, puntoLeft + 50, puntoTop + 50 });
    QCOMPARE(p.Panel[2]->text(), lecturaX);
    QCOMPARE(p.Panel[3]->text(), lecturaY);
    QTest::mouseClick(p.Herramienta[HerrNodo], Qt::LeftButton);
    Escribir(p.Prin, nodoX);
    Escribir(p.Angulo, nodoY);
    QTest::mouseClick(p.Aceptar, Qt::LeftButton);
    QCOMPARE(m.NumNodos, int16_t(1));
    QCOMPARE(p.Nodo[1]->Left(), puntoLeft);
    QCOMPARE(p.Nodo[1]->Top(), puntoTop);
}

void PruebaSeleccion::tamanoConComaRegional()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    QTest::mouseClick(p.Herramienta[HerrArea], Qt::LeftButton);
    Escribir(p.Prin, QStringLiteral("7.5"));
    Escribir(p.Angulo, QStringLiteral("4.2"));
    QTest::mouseClick(p.Aceptar, Qt::LeftButton);
    // The panel is read back as a number: "." whatever the region says.
    QTest::mouseClick(p.Herramienta[HerrArea], Qt::LeftButton);
    QCOMPARE(p.Prin->text(), QStringLiteral("8"));
    QCOMPARE(p.Angulo->text(), QStringLiteral("4.2"));
}

void PruebaSeleccion::tamanoRechazado_data()
{
    const QString ancho = QStringLiteral("El ancho del dibujo debe estar entre 1 y 32767 metros");
    const QString alto = QStringLiteral("El alto del dibujo debe ser un número mayor que 0");
    const QString alcance = QStringLiteral("El alto del dibujo está fuera del alcance del tablero");
    QTest::addColumn<QString>("textoAncho");
    QTest::addColumn<QString>("textoAlto");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("width rounds to 0") << "0.4"
                                       << "5" << ancho;
    QTest::newRow("negative width") << "-3"
                                    << "5" << ancho;
    QTest::newRow("width beyond 16 bits") << "32768"
                                          << "5" << ancho;
    QTest::newRow("32767.5 rounds to even 32768") << "32767.5"
                                                  << "5" << ancho;
    QTest::newRow("width too large for a double") << "1e400"
                                                  << "5" << ancho;
    QTest::newRow("zero height") << "10"
                                 << "0" << alto;
    QTest::newRow("negative height") << "10"
                                     << "-2" << alto;
    QTest::newRow("height without a number") << "10"
                                             << "alto" << alto;
    QTest::newRow("height too large for a double") << "10"
                                                   << "1e400" << alcance;
    // (1e303 - 0) * 2700000 overflows a double: Y = 0 would have no board point.
    QTest::newRow("height whose conversion overflows") << "10"
                                                       << "1e303" << alcance;
}

void PruebaSeleccion::tamanoRechazado()
{
    QFETCH(QString, textoAncho);
    QFETCH(QString, textoAlto);
    QFETCH(QString, mensaje);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Mostrar(p);
    QTest::mouseClick(p.Herramienta[HerrArea], Qt::LeftButton);
    Escribir(p.Prin, textoAncho);
    Escribir(p.Angulo, textoAlto);
    QTest::keyClick(p.Angulo, Qt::Key_Return);
    QCOMPARE(p.MensajeActual(), mensaje);
    QCOMPARE(p.coordenadas.AnchoDibujo, int16_t(10));
    QCOMPARE(p.coordenadas.AltoDibujo, 5.0);
    QVERIFY(!p.coordenadas.AltoDoble);
    QVERIFY(p.Herramienta[HerrArea]->isChecked());
    QVERIFY(p.Datos->isEnabled());
    QVERIFY(p.Banderas[1]);
    // The mapping still works at the start size: 4 m at 2090.
    QCOMPARE(p.coordenadas.ATwips(4, Eje::X), 2090.0);
}

QTEST_MAIN(PruebaSeleccion)
#include "tst_seleccion.moc"
