// What a screen reader or a test robot reads from the main window's controls:
// every control has a name, the caption the user sees, and a description,
// its tooltip where it has one.

#include "board/Principal.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QtTest>

namespace {

QString Nombre(QWidget* control)
{
    QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(control);
    return interfaz ? interfaz->text(QAccessible::Name) : QString();
}

QString Descripcion(QWidget* control)
{
    QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(control);
    return interfaz ? interfaz->text(QAccessible::Description) : QString();
}

// A caption as it is read aloud: without the accelerator's "&".
QString SinAcelerador(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

QByteArray Quien(QWidget* control)
{
    return (QByteArray(control->metaObject()->className()) + " \"" + control->objectName().toUtf8() + "\" "
        + Nombre(control).toUtf8());
}

} // namespace

class PruebaAccesible : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void botonesConCaptionYTooltip();
    void cuadrosDeTextoNombradosPorSuCaption_data();
    void cuadrosDeTextoNombradosPorSuCaption();
    void panelesDeEstado_data();
    void panelesDeEstado();
    void marcosNombradosPorSuTitulo();
    void tableroConNombreYDescripcion();
};

void PruebaAccesible::botonesConCaptionYTooltip()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    const QList<QAbstractButton*> botones = p.findChildren<QAbstractButton*>();
    // Six tools, four commands and Aceptar.
    QCOMPARE(botones.size(), 11);
    for (QAbstractButton* boton : botones) {
        QVERIFY2(!boton->text().isEmpty(), Quien(boton));
        QCOMPARE(Nombre(boton), SinAcelerador(boton->text()));
        QVERIFY2(!boton->toolTip().isEmpty(), Quien(boton));
        QCOMPARE(Descripcion(boton), boton->toolTip());
    }
}

void PruebaAccesible::cuadrosDeTextoNombradosPorSuCaption_data()
{
    QTest::addColumn<int>("herramienta");
    QTest::addColumn<QString>("nombrePrin");
    QTest::addColumn<QString>("nombreAngulo");
    QTest::newRow("at start") << -1 << QStringLiteral("Longitud(m):") << QStringLiteral("Ángulo(°):");
    QTest::newRow("node tool") << int(HerrNodo) << QStringLiteral("X(m): ") << QStringLiteral("Y(m): ");
    QTest::newRow("drawing size tool") << int(HerrArea) << QStringLiteral("Ancho dibujo(m): ")
                                       << QStringLiteral("Alto dibujo(m): ");
}

// The two boxes mean what their captions say, and the captions change with the
// tool: the name a screen reader gives must follow them.
void PruebaAccesible::cuadrosDeTextoNombradosPorSuCaption()
{
    QFETCH(int, herramienta);
    QFETCH(QString, nombrePrin);
    QFETCH(QString, nombreAngulo);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    if (herramienta >= 0)
        p.Herramienta_Click(herramienta);
    QCOMPARE(p.findChildren<QLineEdit*>().size(), 2);
    QCOMPARE(Nombre(p.Prin), nombrePrin);
    QCOMPARE(Nombre(p.Angulo), nombreAngulo);
    QVERIFY(!Descripcion(p.Prin).isEmpty());
    QVERIFY(!Descripcion(p.Angulo).isEmpty());
    QVERIFY(Descripcion(p.Prin) != Descripcion(p.Angulo));
}

void PruebaAccesible::panelesDeEstado_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("descripcion");
    QTest::newRow("messages") << 1 << QStringLiteral("Area de mensajes") << QString();
    QTest::newRow("X readout") << 2 << QStringLiteral("X(m):") << QStringLiteral("Posición del cursor en X");
    QTest::newRow("Y readout") << 3 << QStringLiteral("Y(m):") << QStringLiteral("Posición del cursor en Y");
}

void PruebaAccesible::panelesDeEstado()
{
    QFETCH(int, panel);
    QFETCH(QString, nombre);
    QFETCH(QString, descripcion);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QLabel* etiqueta = p.Panel[static_cast<size_t>(panel)];
    QVERIFY(p.sbEstado->isAncestorOf(etiqueta));
    QCOMPARE(Nombre(etiqueta), nombre);
    // The message panel has no tooltip; it still says what it is for.
    if (descripcion.isEmpty())
        QVERIFY(!Descripcion(etiqueta).isEmpty());
    else
        QCOMPARE(Descripcion(etiqueta), descripcion);
    // The readout changes the text, not the name a screen reader announces.
    p.Diagrama_MouseMove({ 0, 0, 150, 2700 });
    QCOMPARE(Nombre(etiqueta), nombre);
}

void PruebaAccesible::marcosNombradosPorSuTitulo()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    const QList<QGroupBox*> marcos = p.findChildren<QGroupBox*>();
    QCOMPARE(marcos.size(), 3);
    for (QGroupBox* marco : marcos)
        QCOMPARE(Nombre(marco), marco->title());
}

void PruebaAccesible::tableroConNombreYDescripcion()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QVERIFY(!Nombre(p.Diagrama).isEmpty());
    QCOMPARE(Descripcion(p.Diagrama), QStringLiteral("Plano de la cercha"));
}

QTEST_MAIN(PruebaAccesible)
#include "tst_accesible.moc"
