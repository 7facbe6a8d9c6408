// What a screen reader or a test robot reads from the main window's controls: every control has a name, the caption
// or text the user sees, and a description, its tooltip where it has one.

#include "solver/Dibujante.h"

#include <QAccessible>

static QString Leer(QWidget* control, QAccessible::Text que)
{
    QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(control);
    return interfaz ? interfaz->text(que) : QString();
}

class PruebaAccesible : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // Six tools, four commands and Aceptar: named by their caption as read aloud (without the accelerator's "&"),
    // described by their tooltip; the three frames named by their title.
    void botonesYMarcos()
    {
        Dibujante d;
        const QList<QAbstractButton*> botones = d.p.findChildren<QAbstractButton*>();
        QCOMPARE(botones.size(), 11);
        for (QAbstractButton* boton : botones) {
            QCOMPARE(Leer(boton, QAccessible::Name), boton->text().remove(QLatin1Char('&')));
            QCOMPARE(Leer(boton, QAccessible::Description), boton->toolTip());
        }
        const QList<QGroupBox*> marcos = d.p.findChildren<QGroupBox*>();
        QCOMPARE(marcos.size(), 3);
        for (QGroupBox* marco : marcos)
            QCOMPARE(Leer(marco, QAccessible::Name), marco->title());
        QVERIFY(!Leer(C(d.p).Diagrama, QAccessible::Name).isEmpty());
    }

    // A box is named by its caption, a readout by the text it shows, also once the pointer is over the origin
    // (trasMover; the captions and texts themselves: tst_herramientas, tst_principal).
    void cuadrosYPaneles_data()
    {
        Columnas<int, QString, QString, QString>("control", "nombre", "descripcion", "trasMover");
        Fila("Prin", 0, QString("Longitud(m):"), QString("Primer valor de los parámetros"), QString("Longitud(m):"));
        Fila("Angulo", 1, QString("Ángulo(°):"), QString("Segundo valor de los parámetros"), QString("Ángulo(°):"));
        Fila("X readout", 2, QString("X(m):"), QString("Posición del cursor en X"), QString("X(m): 0.10"));
        Fila("Y readout", 3, QString("Y(m):"), QString("Posición del cursor en Y"), QString("Y(m): 0.10"));
    }

    void cuadrosYPaneles()
    {
        const auto [control, nombre, descripcion, trasMover]
            = Datos<int, QString, QString, QString>("control", "nombre", "descripcion", "trasMover");
        Modulo m;
        Principal p(m, Principal::Arranque::SinPresentacion);
        QWidget* w = std::array<QWidget*, 4> { C(p).Prin, C(p).Angulo, C(p).Panel[2], C(p).Panel[3] }[size_t(control)];
        QVERIFY(control < 2 || C(p).sbEstado->isAncestorOf(w));
        QCOMPARE(Leer(w, QAccessible::Name) + '|' + Leer(w, QAccessible::Description), nombre + '|' + descripcion);
        p.Diagrama_MouseMove({ 0, 0, 150, 2700 });
        QCOMPARE(Leer(w, QAccessible::Name), trasMover);
    }

    // The board read aloud follows the truss, also to a new project, and each change is announced once; a pointer move,
    // or a press or calculation that changes nothing, announces nothing; the message panel's name is the calculation's
    // outcome. By hand: 1000 N down at B(1, 1) over A(0, 0) and C(2, 0) gives 500 up at A and C; at A
    // 500 + T1 sin 45 = 0, T1 = -707.1 (compression); T3 = -T1 cos 45 = 500 (tension); B-C mirrors A-B.
    void tableroLeido()
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
        // Node A; bars 1 and 2 opened, then typed with their end nodes; bar 3 opened and closed; two supports; the load
        // (picking its node is no change).
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
        avisos = 0;
        AlAbrirse<QMessageBox> si([](QMessageBox* caja) { caja->button(QMessageBox::Yes)->click(); });
        d.Elegir(HerrNuevo); // a new project
        QCOMPARE(Leer(&tablero, QAccessible::Description), QStringLiteral("Plano de la cercha. Sin nodos."));
        QCOMPARE(avisos, 1);
    }
};

QTEST_MAIN(PruebaAccesible)
#include "tst_accesible.moc"
