// A whole truss without a mouse: keys for the tools, typed numbers, Enter and Alt+A, node letters on the board.

#include "tools/VentanaPrueba.h"

namespace {

// Each key to whichever control has the focus then, as typing goes: "<Alt+O>" a key, any other character typed.
void Teclear(const Principal& p, const QString& pasos)
{
    static const QRegularExpression partes(QStringLiteral("<([^>]+)>|[^<]"));
    for (const QRegularExpressionMatch& parte : partes.globalMatch(pasos)) {
        QWidget* foco = QApplication::focusWidget();
        QVERIFY2(foco, qPrintable(parte.captured()));
        if (!parte.hasCaptured(1)) {
            QTest::keyClick(foco, parte.captured().at(0).toLatin1());
            continue;
        }
        const QKeyCombination tecla = QKeySequence::fromString(parte.captured(1))[0];
        QTest::keyClick(foco, tecla.key(), tecla.keyboardModifiers());
        QTRY_VERIFY(!C(p).Aceptar->isDown()); // Alt+A clicks once its button has shown pressed
    }
}

// The focused control [its selected text], the ringed node, the node count, each bar by its end letters, the
// fixed and roller supports, the load count, then Estado. "@" is no node: an open bar's end, a support not placed.
QString Vista(const Principal& p)
{
    const QWidget* foco = QApplication::focusWidget();
    QString v = foco ? foco->objectName() : QStringLiteral("nadie"), anillado = "-", barras;
    if (const auto* caja = qobject_cast<const QLineEdit*>(foco))
        v += "[" + caja->selectedText() + "]";
    const Modulo& m = p.Ver().modulo;
    const QGraphicsEllipseItem& anillo = *p.Ver().elementos.Resalte;
    for (int n = 1; n <= m.NumNodos; ++n) {
        const QGraphicsEllipseItem& punto = *C(p).Nodo[n]->item;
        if (anillo.isVisible() && QLineF(anillo.rect().center(), punto.mapToScene(punto.rect().center())).length() < 1)
            anillado = LetraNodo(n);
    }
    for (int b = 1; b <= m.NumBarras; ++b)
        barras += LetraNodo(m.Barra(b).NodoInicial) + LetraNodo(m.Barra(b).NodoFinal) + " ";
    return QStringList(
        { v, anillado, QString::number(m.NumNodos), barras + LetraNodo(m.Apoyos[1]) + LetraNodo(m.Apoyos[2]),
            QString::number(m.NumCargas), "| " + Estado(p) })
        .join(' ');
}

// Three nodes typed at the start size: A (1, 1), B (3, 1), C (2, 2).
const QString TresNodos = QStringLiteral("<Alt+O>1<Tab>1<Enter><Alt+O>3<Tab>1<Enter><Alt+O>2<Tab>2<Enter>");

} // namespace

class PruebaTeclado : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void pasos_data()
    {
        Columnas<QString, QString>("teclas", "vista");
        Fila("three typed nodes: the node tool's button keeps the focus", "", "Herramienta2 - 3 @@ 0 | armada h-1 «»");
        Fila("node tool: first box focused, its text selected", "<Alt+O>",
            "Prin[2] - 3 @@ 0 | armada h2 panel «Selección la ubicación del nuevo nodo»");
        Fila("letter with no node does nothing", "<Alt+E>d",
            "Diagrama - 3 @@ 0 | armada h3 «Seleccione nodo de inicio:»");
        Fila("lower case picks a bar's start and end", "<Alt+E>bc", "Diagrama - 3 BC @@ 0 | desarmada h-1 «»");
        Fila("upper case picks the supports", "<Alt+P><Shift+A><Shift+C>", "Diagrama - 3 AC 0 | desarmada h-1 «»");
        Fila("load node ringed, magnitude box focused", "<Alt+G>b",
            "Prin[2] B 3 @@ 0 | desarmada h1 panel «Entre parámetros de la carga»");
        Fila("ring gone once the load is committed", "<Alt+G>b5<Tab>90<Enter>", "Diagrama - 3 @@ 1 | desarmada h-1 «»");
    }
    void pasos()
    {
        const auto [teclas, vista] = Datos<QString, QString>("teclas", "vista");
        Ventana v;
        QVERIFY(v.Mostrar() && QTest::qWaitForWindowActive(&v.p));
        QTest::keyClick(&v.p, Qt::Key_Tab); // the focus into the window, by the keyboard too
        Teclear(v.p, TresNodos + teclas);
        QCOMPARE(Vista(v.p), vista);
    }

    // Tab through the enabled controls and back.
    void tabulacion()
    {
        Ventana v;
        QVERIFY(v.Mostrar() && QTest::qWaitForWindowActive(&v.p));
        Teclear(v.p, TresNodos + "<Alt+G>");
        QStringList cadena;
        for (int i = 0; i < 9; ++i)
            Teclear(v.p, "<Tab>"), cadena << QApplication::focusWidget()->objectName();
        QCOMPARE(cadena.join(' '),
            "Herramienta5 Herramienta2 Herramienta0 Herramienta3 Herramienta1 Acercade Salir Diagrama Herramienta5");
        Teclear(v.p, "<Shift+Tab><Shift+Tab>");
        QCOMPARE(QApplication::focusWidget(), C(v.p).Salir);
    }

    // The guide's worked example: forces and reactions from its hand calculation.
    void ejemploDeLaGuia()
    {
        Ventana v;
        QVERIFY(v.Mostrar() && QTest::qWaitForWindowActive(&v.p));
        QTest::keyClick(&v.p, Qt::Key_Tab);
        Teclear(v.p, "<Alt+R>8<Tab>4.45<Enter>");
        for (const char* nodo : { "1|1", "3|1", "5|1", "1|3", "3|3", "5|3" })
            Teclear(v.p, QStringLiteral("<Alt+O>%1<Enter>").arg(QString::fromLatin1(nodo).replace('|', "<Tab>")));
        for (const char* barra : { "ab", "bc", "de", "ef", "ad", "be", "cf", "ae", "bf" })
            Teclear(v.p, "<Alt+E>" + QString::fromLatin1(barra));
        Teclear(v.p, "<Alt+P>ac<Alt+G>e1000<Tab>90<Enter><Alt+G>d400<Tab>180<Alt+A><F5>");
        QCOMPARE(v.p.MensajeActual(), "Cercha calculada satisfactoriamente");
        QCOMPARE(v.Fuerzas(), "700 0 -400 -700 0 -700 -700 -424.3 989.9");
        // F6 opens the results modal; they are read there and Esc closes them.
        QStringList reacciones;
        AlAbrirse<Final> abierta([&](Final* f) {
            reacciones = LeerFinal(*f).mid(v.m.NumBarras + 2, 3);
            QTest::keyClick(f, Qt::Key_Escape);
        });
        Teclear(v.p, "<F6>");
        QCOMPARE(reacciones.join('|'), "Apoyo Fijo X: -400.00|Apoyo Fijo Y: 300.00|Apoyo Movil Y: 700.00");
    }
};

QTEST_MAIN(PruebaTeclado)
#include "tst_teclado.moc"
