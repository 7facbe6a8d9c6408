// What a screen reader or a test robot reads from the main window's controls:
// every control has a name, the caption or text the user sees, and a
// description, its tooltip where it has one.

#include "solver/Dibujante.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QtTest>

static QString Leer(QWidget* control, QAccessible::Text que)
{
    QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(control);
    return interfaz ? interfaz->text(que) : QString();
}

class PruebaAccesible : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void botonesYMarcos();
    void cuadrosYPaneles_data();
    void cuadrosYPaneles();
    void mensajeTrasCalcular();
};

// Six tools, four commands and Aceptar: named by their caption as read aloud
// (without the accelerator's "&"), described by their tooltip; the three
// frames named by their title.
void PruebaAccesible::botonesYMarcos()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    const QList<QAbstractButton*> botones = p.findChildren<QAbstractButton*>();
    QCOMPARE(botones.size(), 11);
    for (QAbstractButton* boton : botones) {
        QVERIFY2(!boton->text().isEmpty() && !boton->toolTip().isEmpty(), qPrintable(boton->objectName()));
        QCOMPARE(Leer(boton, QAccessible::Name), boton->text().remove(QLatin1Char('&')));
        QCOMPARE(Leer(boton, QAccessible::Description), boton->toolTip());
    }
    const QList<QGroupBox*> marcos = p.findChildren<QGroupBox*>();
    QCOMPARE(marcos.size(), 3);
    for (QGroupBox* marco : marcos)
        QCOMPARE(Leer(marco, QAccessible::Name), marco->title());
    QVERIFY(!Leer(C(p).Diagrama, QAccessible::Name).isEmpty());
    QCOMPARE(Leer(C(p).Diagrama, QAccessible::Description), QStringLiteral("Plano de la cercha"));
}

// Box names follow the captions the tool sets; a panel's name is the text it
// shows, also after the pointer readout changed it. An empty description
// means "any but empty" (no tooltip).
void PruebaAccesible::cuadrosYPaneles_data()
{
    QTest::addColumn<int>("herramienta");
    QTest::addColumn<int>("control"); // 0 Prin, 1 Angulo, 2.. Panel(1..3)
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("descripcion");
    QTest::addColumn<QString>("trasMover"); // the name once the pointer is over the origin
    const auto fila = [](const char* caso, int herramienta, int control, const QString& nombre,
                          const QString& descripcion = {}, const QString& trasMover = {}) {
        QTest::newRow(caso) << herramienta << control << nombre << descripcion
                            << (trasMover.isEmpty() ? nombre : trasMover);
    };
    fila("Prin at start", -1, 0, "Longitud(m):");
    fila("Angulo at start", -1, 1, "Ángulo(°):");
    fila("Prin node tool", int(HerrNodo), 0, "X(m): ");
    fila("Angulo node tool", int(HerrNodo), 1, "Y(m): ");
    fila("Prin size tool", int(HerrArea), 0, "Ancho dibujo(m): ");
    fila("Angulo size tool", int(HerrArea), 1, "Alto dibujo(m): ");
    fila("messages", -1, 2, "Area de mensajes");
    fila("node tool prompt", int(HerrNodo), 2, "Selección la ubicación del nuevo nodo");
    fila("X readout", -1, 3, "X(m):", "Posición del cursor en X", "X(m): 0.10");
    fila("Y readout", -1, 4, "Y(m):", "Posición del cursor en Y", "Y(m): 0.10");
}

void PruebaAccesible::cuadrosYPaneles()
{
    QFETCH(int, herramienta);
    QFETCH(int, control);
    QFETCH(QString, nombre);
    QFETCH(QString, descripcion);
    QFETCH(QString, trasMover);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    if (herramienta >= 0)
        p.Herramienta_Click(herramienta);
    QWidget* w = std::array<QWidget*, 5> { C(p).Prin, C(p).Angulo, C(p).Panel[1], C(p).Panel[2],
        C(p).Panel[3] }[size_t(control)];
    QVERIFY(control < 2 || C(p).sbEstado->isAncestorOf(w));
    QCOMPARE(Leer(w, QAccessible::Name), nombre);
    if (descripcion.isEmpty())
        QVERIFY(!Leer(w, QAccessible::Description).isEmpty());
    else
        QCOMPARE(Leer(w, QAccessible::Description), descripcion);
    // The two boxes are told apart by their descriptions too.
    QVERIFY(Leer(C(p).Prin, QAccessible::Description) != Leer(C(p).Angulo, QAccessible::Description));
    p.Diagrama_MouseMove({ 0, 0, 150, 2700 });
    QCOMPARE(Leer(w, QAccessible::Name), trasMover);
}

// A screen reader hears the outcome of a calculation: the message panel's
// name is the message.
void PruebaAccesible::mensajeTrasCalcular()
{
    Dibujante d;
    QVERIFY(d.Mostrar());
    d.Dibujar(PasosTriangulo);
    d.Calcular();
    QCOMPARE(Leer(C(d.p).Panel[1], QAccessible::Name), Calculada);
}

QTEST_MAIN(PruebaAccesible)
#include "tst_accesible.moc"
