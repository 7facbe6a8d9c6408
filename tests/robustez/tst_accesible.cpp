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
    void tableroLeido();
    void resultadosLeidos();
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
    QVERIFY(Leer(C(p).Diagrama, QAccessible::Description).startsWith(C(p).Diagrama->toolTip()));
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
    const QString leida = Leer(w, QAccessible::Description);
    QVERIFY2(descripcion.isEmpty() ? !leida.isEmpty() : leida == descripcion, qPrintable(leida));
    // The two boxes are told apart by their descriptions too.
    QVERIFY(Leer(C(p).Prin, QAccessible::Description) != Leer(C(p).Angulo, QAccessible::Description));
    p.Diagrama_MouseMove({ 0, 0, 150, 2700 });
    QCOMPARE(Leer(w, QAccessible::Name), trasMover);
}

// The board read aloud follows the truss, and each change is announced once;
// a pointer move, or a press or calculation that changes nothing, announces
// nothing; the message panel's name is the calculation's outcome. By hand:
// 1000 N down at B(1, 1) over A(0, 0) and C(2, 0) gives 500 up at A and C; at A
// 500 + T1 sin 45 = 0, T1 = -707.1 (compression); T3 = -T1 cos 45 = 500
// (tension); B-C mirrors A-B.
void PruebaAccesible::tableroLeido()
{
    Dibujante d;
    QVERIFY(d.Mostrar());
    Tablero& tablero = *C(d.p).Diagrama;
    QCOMPARE(Leer(&tablero, QAccessible::Description), QStringLiteral("Plano de la cercha. Sin nodos."));
    int avisos = 0;
    tablero.Avisar = [&](QAccessibleEvent* aviso) {
        avisos += aviso->object() == &tablero && aviso->type() == QAccessible::DescriptionChanged ? 1 : 1000;
    };
    d.Dibujar(PasosTriangulo);
    // Node A; bars 1 and 2 opened, then typed with their end nodes; bar 3
    // opened and closed; two supports; the load (picking its node is no change).
    QCOMPARE(avisos, 10);
    const QString nodos = QStringLiteral("Plano de la cercha. Nodo A en x 0 m, y 0 m. Nodo B en x 1 m, y 1 m."
                                         " Nodo C en x 2 m, y 0 m. Barra 1 del nodo A al nodo B");
    const QString apoyosYCarga
        = QStringLiteral(" Apoyo fijo en el nodo A. Apoyo móvil en el nodo C. Carga 1 en el nodo B: 1000 N a 90°.");
    QCOMPARE(Leer(&tablero, QAccessible::Description),
        nodos + QStringLiteral(". Barra 2 del nodo B al nodo C. Barra 3 del nodo A al nodo C.") + apoyosYCarga);
    avisos = 0;
    d.p.Diagrama_MouseMove({ 0, 0, 4000, 1000 });
    d.p.Diagrama_MouseDown({ 1, 0, 4000, 1000 });
    d.Calcular();
    d.Calcular();
    QCOMPARE(avisos, 1);
    QCOMPARE(Leer(C(d.p).Panel[1], QAccessible::Name), Calculada);
    QCOMPARE(Leer(&tablero, QAccessible::Description),
        nodos + QStringLiteral(": -707.1 N, compresión. Barra 2 del nodo B al nodo C: -707.1 N, compresión.")
            + QStringLiteral(" Barra 3 del nodo A al nodo C: 500 N, tracción.") + apoyosYCarga);
}

// The results window read aloud: each line of the bar list, each cell of the
// grid and each of its headings is named by the text it shows.
void PruebaAccesible::resultadosLeidos()
{
    Dibujante d;
    QVERIFY(d.Mostrar());
    d.Dibujar(PasosTriangulo);
    d.Calcular();
    const std::unique_ptr<Final> f = d.p.VentanaResultados();
    QAccessibleInterface* lista = QAccessible::queryAccessibleInterface(f->Elemento);
    QStringList lineas;
    for (int i = 0; i < lista->childCount(); ++i)
        lineas << lista->child(i)->text(QAccessible::Name);
    QCOMPARE(lineas, QStringList({ "1\tA - B\t-707.1", "2\tB - C\t-707.1", "3\tA - C\t500.0" }));
    // The grid as a reader walks it: its headings across, then each row's
    // heading and cells.
    QMap<QAccessible::Role, QStringList> leidos;
    QAccessibleInterface* rejilla = QAccessible::queryAccessibleInterface(f->msfgMatriz);
    for (int i = 0; i < rejilla->childCount(); ++i)
        leidos[rejilla->child(i)->role()] << rejilla->child(i)->text(QAccessible::Name);
    QCOMPARE(leidos[QAccessible::ColumnHeader],
        QStringList({ "Elem 1", "Elem 2", "Elem 3", "Fijo X", "Fijo Y", "Movil Y", "Cargas" }));
    QCOMPARE(
        leidos[QAccessible::RowHeader], QStringList({ "Nod Ax", "Nod Ay", "Nod Bx", "Nod By", "Nod Cx", "Nod Cy" }));
    QStringList celdas;
    for (int i = 0; i < 6 * 7; ++i)
        celdas << f->msfgMatriz->item(i / 7, i % 7)->text();
    QCOMPARE(leidos[QAccessible::Cell], celdas);
    QCOMPARE(celdas[3 * 7 + 6], "1000"); // the 1000 N down at B, with its sign reversed in B's Y row
}

QTEST_MAIN(PruebaAccesible)
#include "tst_accesible.moc"
