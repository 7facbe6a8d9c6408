// Results and board to the clipboard: the results as tab-separated text and
// as HTML tables, the board as a picture; read back from the clipboard.

#include "board/CopiaTablero.h"
#include "solver/Cercha.h"
#include "solver/Dibujante.h"

namespace {

// Right isosceles triangle A(0,0), B(2,0), C(1,1); bars A->B, B->C, A->C; pin
// A, roller B; 1000 N down at C. By symmetry the supports take 500 each; at C
// 2 T sin 45 = -1000, T = -707.1 in both sloping bars; at A, X: T1 = 500.
void Apice(Modulo& m)
{
    ArmarCercha(m, { { 0, 0 }, { 2, 0 }, { 1, 1, 0, -1000 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
}

// The assembled rows: -cos, -sin at a bar's start, +cos, +sin at its end
// (bar 1 at 0 deg, 2 at 135, 3 at 45), the reactions' 1, the loads reversed.
const QString Esperado = QStringLiteral("Barra\tNodos\tFuerza\n"
                                        "1\tA - B\t500.0\n"
                                        "2\tB - C\t-707.1\n"
                                        "3\tA - C\t-707.1\n"
                                        "\n"
                                        "Apoyo Fijo X:\t0.00\n"
                                        "Apoyo Fijo Y:\t500.00\n"
                                        "Apoyo Movil Y:\t500.00\n"
                                        "\n"
                                        "Matriz de cálculo solucionada\n"
                                        "\tElem 1\tElem 2\tElem 3\tFijo X\tFijo Y\tMovil Y\tCargas\n"
                                        "Nod Ax\t-1\t0\t-0.707\t1\t0\t0\t0\n"
                                        "Nod Ay\t0\t0\t-0.707\t0\t1\t0\t0\n"
                                        "Nod Bx\t1\t0.707\t0\t0\t0\t0\t0\n"
                                        "Nod By\t0\t-0.707\t0\t0\t0\t1\t0\n"
                                        "Nod Cx\t0\t-0.707\t0.707\t0\t0\t0\t0\n"
                                        "Nod Cy\t0\t0.707\t0.707\t0\t0\t0\t1000\n");

QAction* Copiar(const QWidget* vista)
{
    const QList<QAction*> acciones = vista->actions();
    const auto a = std::find_if(acciones.begin(), acciones.end(), [](QAction* x) { return x->text() == "Copiar"; });
    return a == acciones.end() ? nullptr : *a;
}

} // namespace

class PruebaCopia : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        QGuiApplication::clipboard()->clear();
    }

    // Ctrl+C with the list or the grid focused, and "Copiar" in their context menus.
    void resultados_data()
    {
        QTest::addColumn<QString>("como");
        for (const char* como : { "Ctrl+C on the list", "Ctrl+C on the grid", "menu of the list", "menu of the grid" })
            QTest::newRow(como) << QString(como);
    }
    void resultados()
    {
        QFETCH(QString, como);
        Dibujante d;
        Apice(d.m);
        d.p.Calcular_Click();
        QVERIFY(d.Mostrar());
        bool activa = false; // shortcuts reach the active window only
        const VistaResultados vista = AbrirResultados(d.p, [&](Final& f) {
            activa = QTest::qWaitForWindowActive(&f);
            QWidget* control = como.endsWith("list") ? static_cast<QWidget*>(f.Elemento) : f.msfgMatriz;
            if (como.startsWith("Ctrl")) {
                control->setFocus();
                QTRY_VERIFY(control->hasFocus() && QGuiApplication::focusWindow() == f.windowHandle());
                QTest::keyClick(control, Qt::Key_C, Qt::ControlModifier);
            } else if (control->contextMenuPolicy() == Qt::ActionsContextMenu && Copiar(control)) {
                Copiar(control)->trigger();
            }
        });
        QVERIFY(vista.abierta && activa);
        const QMimeData* datos = QGuiApplication::clipboard()->mimeData();
        QVERIFY(datos && datos->hasText() && datos->hasHtml());
        QCOMPARE(datos->text(), Esperado);
        // The same cells as HTML tables: headings as th.
        const QString html = datos->html();
        for (const char* fila : { "<tr><th>Barra</th><th>Nodos</th><th>Fuerza</th></tr>",
                 "<tr><td>2</td><td>B - C</td><td>-707.1</td></tr>", "<tr><th>Apoyo Movil Y:</th><td>500.00</td></tr>",
                 "<caption>Matriz de cálculo solucionada</caption>",
                 "<tr><th></th><th>Elem 1</th><th>Elem 2</th><th>Elem 3</th><th>Fijo X</th><th>Fijo Y</th>"
                 "<th>Movil Y</th><th>Cargas</th></tr>",
                 "<tr><th>Nod Cy</th><td>0</td><td>0.707</td><td>0.707</td><td>0</td><td>0</td><td>0</td>"
                 "<td>1000</td></tr>" })
            QVERIFY2(html.contains(QString::fromUtf8(fila)), fila);
        QCOMPARE(html.count("<table"), 3);
        QCOMPARE(html.count("<tr>"), 4 + 3 + 7);
    }

    // Shown texts take the region's decimal separator, and so does the copy.
    void resultadosConComa()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        Dibujante d;
        Apice(d.m);
        d.p.Calcular_Click();
        const auto f = d.p.VentanaResultados();
        Copiar(f.get())->trigger();
        QString coma = Esperado;
        coma.replace(QRegularExpression("(\\d)\\.(\\d)"), "\\1,\\2");
        QCOMPARE(QGuiApplication::clipboard()->text(), coma);
    }

    // Ctrl+C in the main window: the board as a picture at the screen's
    // resolution; in a text box of the panel, that box's text.
    void tablero()
    {
        Dibujante v;
        QVERIFY(v.Mostrar());
        QVERIFY(QTest::qWaitForWindowActive(&v.p));
        v.p.AgregarNodo(3, 1); // dot centred on board (1605, 2160): pixel (107, 144)
        C(v.p).Diagrama->setFocus();
        QTRY_VERIFY(C(v.p).Diagrama->hasFocus() && QGuiApplication::focusWindow() == v.p.windowHandle());
        QTest::keyClick(C(v.p).Diagrama, Qt::Key_C, Qt::ControlModifier);
        const QImage imagen = QGuiApplication::clipboard()->image();
        const qreal dpr = C(v.p).Diagrama->devicePixelRatioF();
        QCOMPARE(imagen.size(), QSize(584, 406) * dpr);
        QCOMPARE(imagen.pixelColor(QPoint(107, 144) * dpr), QColor(255, 0, 0));
        QCOMPARE(imagen.pixelColor(QPoint(300, 300) * dpr), QColor(Qt::white));

        v.Herramienta(HerrNodo);
        C(v.p).Prin->setText("2.5");
        C(v.p).Prin->setFocus();
        QTRY_VERIFY(C(v.p).Prin->hasFocus());
        C(v.p).Prin->selectAll();
        QTest::keyClick(C(v.p).Prin, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "2.5");
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasImage());
    }

    // Twice the pixels for a HiDPI screen, the same picture.
    void tableroDoble()
    {
        Dibujante v;
        v.p.AgregarNodo(3, 1);
        const QImage imagen = ImagenTablero(*C(v.p).Diagrama, 2);
        QCOMPARE(imagen.size(), QSize(1168, 812));
        QCOMPARE(imagen.devicePixelRatio(), 2.0);
        QCOMPARE(imagen.pixelColor(214, 288), QColor(255, 0, 0));
        QCOMPARE(imagen.pixelColor(600, 600), QColor(Qt::white));
    }
};

QTEST_MAIN(PruebaCopia)
#include "tst_copia.moc"
