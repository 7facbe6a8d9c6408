// The main window as it starts: controls, pools, readout and forwarding.

#include "board/Principal.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

class PruebaPrincipal : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void titulo();
    void herramientasAlInicio_data();
    void herramientasAlInicio();
    void comandosAlInicio();
    void panelDeDatosAlInicio();
    void tableroVacio();
    void poolsFormateados();
    void barraDeEstadoAlInicio();
    void lecturaDelPuntero_data();
    void lecturaDelPuntero();
    void lecturaConComaRegional();
    void movimientoRealDelRaton();
    void ejesNoPasanElPuntero();
    void presionLimpiaElMensaje();
};

void PruebaPrincipal::titulo()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QCOMPARE(p.windowTitle(), QStringLiteral("Cálculo de Cerchas por el metodo de los nodos (Vexo.Parvu.Trabina)"));
}

void PruebaPrincipal::herramientasAlInicio_data()
{
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<int>("leftTwips");
    QTest::addColumn<bool>("habilitada");
    QTest::newRow("supports") << 0 << "Apoyo" << "Apoyo de estructura" << 2760 << false;
    QTest::newRow("load") << 1 << "Carga" << "Aplicar Carga" << 4440 << false;
    QTest::newRow("new node") << 2 << "Nodo" << "Nuevo Nodo" << 1920 << true;
    QTest::newRow("new bar") << 3 << "Elemen" << "Nuevo Elemento" << 3600 << false;
    QTest::newRow("drawing size") << 4 << "Area" << QString::fromUtf8("Tamaño area de trabajo") << 960 << true;
    QTest::newRow("new project") << 5 << "Nuevo" << "Nuevo proyecto" << 120 << true;
}

void PruebaPrincipal::herramientasAlInicio()
{
    QFETCH(int, codigo);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    QFETCH(int, leftTwips);
    QFETCH(bool, habilitada);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QToolButton* boton = p.Herramienta[static_cast<size_t>(codigo)];
    QCOMPARE(boton->text(), caption);
    QCOMPARE(boton->toolTip(), tooltip);
    QCOMPARE(boton->accessibleName(), caption);
    QCOMPARE(boton->accessibleDescription(), tooltip);
    QCOMPARE(boton->isEnabled(), habilitada);
    QVERIFY(boton->isCheckable());
    QVERIFY(!boton->isChecked());
    QCOMPARE(boton->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(!boton->icon().isNull());
    QCOMPARE(p.grupoHerramientas->id(boton), codigo);
    QCOMPARE(boton->parentWidget(), p.Frame1);
    // 15 twips per pixel; 795 x 735 twips, 240 twips down in the frame.
    QCOMPARE(boton->geometry(), QRect(leftTwips / 15, 16, 53, 49));
}

void PruebaPrincipal::comandosAlInicio()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    struct Comando {
        QToolButton* boton;
        const char* caption;
        const char* tooltip;
        int left;
        bool habilitado;
    };
    const Comando comandos[] = {
        {p.Calcular, "Cálcular", "Calcular estructura", 5400, false},
        {p.Resultados, "Result", "Ver resultados", 6240, false},
        {p.Acercade, "Acerca", "Acerca de Vexo.Parvu.Trabina", 7230, true},
        {p.Salir, "Salir", "Finalizar aplicación", 8070, true},
    };
    for (const Comando& c : comandos) {
        QCOMPARE(c.boton->text(), QString::fromUtf8(c.caption));
        QCOMPARE(c.boton->toolTip(), QString::fromUtf8(c.tooltip));
        QCOMPARE(c.boton->isEnabled(), c.habilitado);
        QCOMPARE(c.boton->geometry(), QRect(c.left / 15, 16, 53, 49));
        QVERIFY(!c.boton->icon().isNull());
    }
    QCOMPARE(p.Frame1->title(), QStringLiteral("Herramientas de edición"));
    QCOMPARE(p.Frame1->geometry(), QRect(8, 8, 601, 73));
}

void PruebaPrincipal::panelDeDatosAlInicio()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QVERIFY(!p.Datos->isEnabled());
    QCOMPARE(p.Datos->title(), QStringLiteral("Parámetros configuración"));
    QCOMPARE(p.Label1->text(), QStringLiteral("Longitud(m):"));
    QCOMPARE(p.Label2->text(), QStringLiteral("Ángulo(°):"));
    QCOMPARE(p.Prin->text(), QStringLiteral("0"));
    QCOMPARE(p.Angulo->text(), QStringLiteral("0"));
    QCOMPARE(p.Aceptar->text(), QStringLiteral("&Aceptar"));
    QCOMPARE(p.Datos->geometry(), QRect(8, 84, 601, 49));
    QCOMPARE(p.Prin->geometry(), QRect(128, 20, 79, 19));
    QCOMPARE(p.Angulo->geometry(), QRect(328, 20, 79, 19));
    QCOMPARE(p.Aceptar->geometry(), QRect(488, 12, 105, 31));
}

void PruebaPrincipal::tableroVacio()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QCOMPARE(p.Diagrama1->title(), QStringLiteral("Diagrama de la Cercha"));
    QCOMPARE(p.Diagrama1->geometry(), QRect(8, 138, 601, 430));
    QCOMPARE(p.Diagrama->geometry(), QRect(8, 16, 584, 406));
    QCOMPARE(p.Diagrama->toolTip(), QStringLiteral("Plano de la cercha"));
    QCOMPARE(p.Diagrama->Escena().backgroundBrush().color(), QColor(Qt::white));
    // Only the axes picture is shown.
    int visibles = 0;
    for (QGraphicsItem* item : p.Diagrama->Escena().items())
        visibles += item->isVisible() ? 1 : 0;
    QCOMPARE(visibles, 1);
    QVERIFY(p.Coordenas->EsVisible());
    QCOMPARE(p.Coordenas->Left(), 120.0f);
    QCOMPARE(p.Coordenas->Top(), 5250.0f);
    QCOMPARE(p.Coordenas->Width(), 615.0f);
    QCOMPARE(p.Coordenas->Height(), 660.0f);
    QCOMPARE(m.NumNodos, int16_t(0));
    QCOMPARE(m.NumBarras, int16_t(0));
    QCOMPARE(m.NumCargas, int16_t(0));
    QCOMPARE(p.coordenadas.AnchoDibujo, int16_t(10));
    QCOMPARE(p.coordenadas.AltoDibujo, 5.0);
    QVERIFY(!p.coordenadas.AltoDoble);
    QVERIFY(m.AnchoPantalla > 0);
}

void PruebaPrincipal::poolsFormateados()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    // Bar 20 is drawn like bar 1.
    QCOMPARE(p.Barra[20]->item->pen().width(), 5);
    QCOMPARE(p.Barra[20]->ColorActual(), QColor(247, 187, 106));
    QCOMPARE(p.Barra[1]->item->pen(), p.Barra[20]->item->pen());
    QCOMPARE(p.Fuerza[10]->ColorActual(), QColor(0, 128, 64));
    QCOMPARE(p.Fuerza[10]->item->pen().width(), 5);
    // Label copies keep the design element's colour and font.
    QCOMPARE(p.lbNodo[1]->item->brush().color(), QColor(255, 0, 0));
    QCOMPARE(p.lbBarra[20]->item->brush().color(), QColor(Qt::black));
    QCOMPARE(p.lbCarga[20]->item->brush().color(), QColor(0, 128, 0));
    QCOMPARE(p.lbFuerza[1]->item->font().family(), QStringLiteral("Arial"));
    // 6 pt and 6.75 pt at 20 twips per point.
    QCOMPARE(p.lbFuerza[1]->item->font().pixelSize(), 120);
    QCOMPARE(p.lbCarga[1]->item->font().pixelSize(), 135);
    QCOMPARE(p.Nodo[1]->item->rect(), QRectF(0, 0, 120, 120));
    QCOMPARE(p.Nodo[20]->item->brush().color(), QColor(255, 0, 0));
    QCOMPARE(p.Apoyo[0]->Width(), 480.0f);
    QCOMPARE(p.Apoyo[1]->Height(), 480.0f);
}

void PruebaPrincipal::barraDeEstadoAlInicio()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QCOMPARE(p.MensajeActual(), QStringLiteral("Area de mensajes"));
    QCOMPARE(p.Panel[2]->text(), QStringLiteral("X(m):"));
    QCOMPARE(p.Panel[3]->text(), QStringLiteral("Y(m):"));
    QCOMPARE(p.Panel[2]->toolTip(), QStringLiteral("Posición del cursor en X"));
    QCOMPARE(p.Panel[3]->toolTip(), QStringLiteral("Posición del cursor en Y"));
    QCOMPARE(p.Panel[2]->width(), 169);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    QVERIFY(p.Panel[1]->width() > p.Panel[2]->width());
}

void PruebaPrincipal::lecturaDelPuntero_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("textoX");
    QTest::addColumn<QString>("textoY");
    // At the origin (150, 2700) both read 0 m and show the next tenth.
    QTest::newRow("origin") << 150.0f << 2700.0f << "X(m): 0.10" << "Y(m): 0.10";
    // 2090 twips is 4 m; 0 twips is the full height of 5 m.
    QTest::newRow("4 m, top edge") << 2090.0f << 0.0f << "X(m): 4.10" << "Y(m): 5.10";
    // 748.55 twips: (598.55 * 10 / 4850) = 1.234 m.
    QTest::newRow("1.234 m shows 1.30") << 748.55f << 2700.0f << "X(m): 1.30" << "Y(m): 0.10";
    // Left of the drawing: -0.31 m shows -0.30; below it: y = 2835 is -0.25 m.
    QTest::newRow("outside the drawing area") << 0.0f << 2835.0f << "X(m): -0.30" << "Y(m): -0.20";
}

void PruebaPrincipal::lecturaDelPuntero()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, textoX);
    QFETCH(QString, textoY);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.Diagrama_MouseMove({0, 0, x, y});
    QCOMPARE(p.Panel[2]->text(), textoX);
    QCOMPARE(p.Panel[3]->text(), textoY);
}

void PruebaPrincipal::lecturaConComaRegional()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.Diagrama_MouseMove({0, 0, 2090.0f, 0.0f});
    QCOMPARE(p.Panel[2]->text(), QStringLiteral("X(m): 4,10"));
    QCOMPARE(p.Panel[3]->text(), QStringLiteral("Y(m): 5,10"));
}

void PruebaPrincipal::movimientoRealDelRaton()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    // Pixel (10, 180) of the board is twip (150, 2700), the origin.
    QTest::mouseMove(p.Diagrama->viewport(), QPoint(10, 180));
    QTRY_COMPARE(p.Panel[2]->text(), QStringLiteral("X(m): 0.10"));
    QCOMPARE(p.Panel[3]->text(), QStringLiteral("Y(m): 0.10"));
}

void PruebaPrincipal::ejesNoPasanElPuntero()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    // Pixel (20, 370) is twip (300, 5550), on the axes picture.
    QTest::mouseMove(p.Diagrama->viewport(), QPoint(20, 370));
    QTest::mousePress(p.Diagrama->viewport(), Qt::LeftButton, {}, QPoint(20, 370));
    QCOMPARE(p.Panel[2]->text(), QStringLiteral("X(m):"));
    QCOMPARE(p.MensajeActual(), QStringLiteral("Area de mensajes"));
}

void PruebaPrincipal::presionLimpiaElMensaje()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    QTest::mousePress(p.Diagrama->viewport(), Qt::RightButton, {}, QPoint(200, 100));
    QCOMPARE(p.MensajeActual(), QString());
}

QTEST_MAIN(PruebaPrincipal)
#include "tst_principal.moc"
