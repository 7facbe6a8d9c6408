// The results window: grid, list, reactions, placement, highlight and closing, and its copy to the clipboard, for
// trusses written into the model (drawn end to end in tests/solver); the board copied as a picture.

#include "board/CopiaTablero.h"
#include "solver/Cercha.h"
#include "tools/VentanaPrueba.h"

#include <QHeaderView>

namespace {

// Right isosceles triangle A(0,0), B(2,0), C(1,1); bars A->B, B->C, A->C; pin A, roller B; 1000 N down at C, and
// a push `fx` along X; calculated. Without the push the supports take 500 each by symmetry; at A, Y: 500 + T3 sin
// 45 = 0, T3 = -707.1; X: T1 = 500; T2 = T3 by symmetry.
struct Apice : Ventana {
    explicit Apice(double fx = 0)
    {
        ArmarCercha(m, { { 0, 0 }, { 2, 0 }, { 1, 1, fx, -1000 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
        p.Calcular_Click();
    }
};

// Its window. The grid as assembled: -cos, -sin at a bar's start, +cos, +sin at its end (bar 1 at 0 deg, 2 at 135,
// 3 at 45; cos 45 = 0.70711 shows 0.707, -sin 0 = -0 shows 0), the reactions' 1, the loads reversed.
const QString Esperado
    = QStringList { "Barra       Nodos       Fuerza", "1\tA - B\t500.0", "2\tB - C\t-707.1", "3\tA - C\t-707.1", "",
          "Apoyo Fijo X: 0.00", "Apoyo Fijo Y: 500.00", "Apoyo Movil Y: 500.00", "", "Matriz de cálculo solucionada",
          "\tElem 1\tElem 2\tElem 3\tFijo X\tFijo Y\tMovil Y\tCargas", "Nod Ax\t-1\t0\t-0.707\t1\t0\t0\t0",
          "Nod Ay\t0\t0\t-0.707\t0\t1\t0\t0", "Nod Bx\t1\t0.707\t0\t0\t0\t0\t0", "Nod By\t0\t-0.707\t0\t0\t0\t1\t0",
          "Nod Cx\t0\t-0.707\t0.707\t0\t0\t0\t0", "Nod Cy\t0\t0.707\t0.707\t0\t0\t0\t1000" }
          .join('\n');

// A window's texts as the copy lays them out: a tab after the list's heading words and the reactions' colons.
QString ComoCopia(const QString& texto)
{
    return QString(texto).replace("Barra       Nodos       Fuerza", "Barra\tNodos\tFuerza").replace(": ", ":\t") + '\n';
}

void ClicEnLinea(QListWidget* lista, int fila)
{
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(fila)).center());
}

QAction* Copiar(const QWidget* vista)
{
    for (QAction* accion : vista->actions())
        if (accion->text() == "Copiar")
            return accion;
    return nullptr;
}

} // namespace

class PruebaFinal : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        QGuiApplication::clipboard()->clear();
    }

    void rejillaYTextos()
    {
        Apice d;
        const auto f = d.p.VentanaResultados();
        QCOMPARE(LeerFinal(*f).join('\n'), Esperado);
        QCOMPARE(f->windowTitle() + "|" + f->Salir->text(), "Resultado de Trabina V1.0|&Cerrar");
        for (const QWidget* control : f->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QCOMPARE(control->font().family(), "Arial");
        // It opens with Cerrar focused and no cell of the grid marked.
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        QVERIFY(f->focusWidget() == f->Salir && !f->msfgMatriz->currentIndex().isValid());
        // Columns of 750 twips, bold headings, and the heading column wide enough for them; the loads bold in
        // RGB(0, 128, 64); decimals line up.
        const QTableWidget* g = f->msfgMatriz;
        QFont negrita = g->verticalHeader()->font();
        negrita.setBold(true);
        QVERIFY(g->verticalHeader()->sizeHint().width() >= qMax(50, QFontMetrics(negrita).horizontalAdvance("Nod Ax")));
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 7; ++j) {
                const QTableWidgetItem* celda = g->item(i, j);
                QVERIFY(g->verticalHeaderItem(i)->font().bold() && g->horizontalHeaderItem(j)->font().bold()
                    && g->columnWidth(j) == 50 && celda->font().bold() == (j == 6)
                    && celda->textAlignment() == int(Qt::AlignRight | Qt::AlignVCenter)
                    && (j < 6 || celda->foreground().color() == QColor(0, 128, 64)));
            }
    }

    // Shown and copied texts take the region's separator. A push of 12.25 N along -X on C too: the load column
    // rounds it half to even, +12.2. The pin takes it back; at C, T2 - T3 = 12.25 / cos 45 and T2 + T3 = -1000 /
    // sin 45; at B, T1 = -T2 cos 45 = (1000 - 12.25) / 2 = 493.875.
    void comaRegional()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        Apice d(-12.25);
        const auto f = d.p.VentanaResultados();
        const QStringList texto = LeerFinal(*f);
        QCOMPARE(texto[1] + "|" + texto[5] + "|" + texto[13].section('\t', 2, 2) + "|" + texto[15].section('\t', 7),
            "1\tA - B\t493,9|Apoyo Fijo X: 12,25|0,707|12,2");
        Copiar(f.get())->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), ComoCopia(texto.join('\n')));
    }

    // The triangle's equation at C along Y: bars 2 (B->C, 135 deg) and 3 (A->C, 45 deg) end at C, +sin in the grid,
    // written reversed for tension; 1000 N down reads +1000. Both carry -707.1: 2 x 0.70711 x 707.1 = 999.99
    // against 1000, a residual of -0.01.
    void ecuacionesEnTooltips()
    {
        Apice d;
        d.m.Barra(2).Longitud = std::sqrt(2.0);
        d.p.Calcular_Click(); // again, for the results to take the length
        const auto f = d.p.VentanaResultados();
        const QString cy = "Nodo C, ΣFy = 0: −0.707·F2 − 0.707·F3 = 1000\n"
                           "Con la solución: −0.707·(-707.1) − 0.707·(-707.1) = 1000; residuo -0.01\n"
                           "Fuerzas de barra con el signo de la lista: tracción positiva.";
        QCOMPARE(f->msfgMatriz->item(5, 6)->toolTip(), cy); // every cell of the row
        QCOMPARE(f->msfgMatriz->horizontalHeaderItem(1)->toolTip(),
            "Elem 2: fuerza de la barra 2, del nodo B al nodo C (F2). La matriz la cuenta positiva a compresión; "
            "las ecuaciones, como la lista, positiva a tracción.");
        QCOMPARE(f->Elemento->item(1)->toolTip(),
            "Barra 2: nodos B - C, longitud 1.414 m, ángulo 135°, fuerza -707.1 N (compresión)");
    }

    void colocarResaltarYCerrar_data()
    {
        Columnas<int, bool>("pantalla", "conBoton"); // pixels
        Fila("wide screen, Cerrar button", 2000, true);
        Fila("odd width, Escape key", 1999, false);
        Fila("narrower than both windows: Left 0", 200, true);
    }
    // Regression: values that round to zero carried a sign. A 3-4-5 triangle A(0,0), B(5,0), C(1.8,2.4) under
    // 0.05 N down at C: forces -0.024, 0.03, 0.04 (stored -0 and +0), pin Y 0.032, roller 0.018; a push of 0.004 N
    // along +X at C, which the pin takes back as -0.004. A bar picked in the list turns green until another is.
    void colocarResaltarYCerrar()
    {
        const auto [pantalla, conBoton] = Datos<int, bool>("pantalla", "conBoton");
        Ventana d;
        ArmarCercha(d.m, { { 0, 0 }, { 5, 0 }, { 1.8, 2.4, 0.004, -0.05 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
        d.p.Calcular_Click();
        QCOMPARE(d.Fuerzas() + " " + d.Colores(), "0 0 0 000");
        d.m.AnchoPantalla = float(pantalla * 15);
        QVERIFY(d.Mostrar());
        d.p.move(37, 23);
        const auto f = d.p.VentanaResultados();
        QCOMPARE(LeerFinal(*f).mid(1, 7).join('|'),
            "1\tA - B\t0.0|2\tB - C\t0.0|3\tA - C\t0.0||Apoyo Fijo X: 0.00|Apoyo Fijo Y: 0.03|Apoyo Movil Y: 0.02");
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        const int wp = d.p.frameGeometry().width(), wf = f->frameGeometry().width();
        // Side by side, tops level; the pair centred (margins within a pixel) or at 0.
        QVERIFY(wf > 100 && f->pos() == QPoint(d.p.x() + wp, 23) && d.p.y() == 23);
        QVERIFY2(pantalla < wp + wf ? d.p.x() == 0 : std::abs(pantalla - (f->x() + wf) - d.p.x()) <= 1,
            qPrintable(QString::number(d.p.x())));
        ClicEnLinea(f->Elemento, 0);
        QCOMPARE(d.Colores(), "V00");
        f->Elemento->setFocus();
        QTest::keyClick(f->Elemento, Qt::Key_Down); // the keyboard moves the selection too
        QCOMPARE(d.Colores(), "0V0");
        conBoton ? QTest::mouseClick(f->Salir, Qt::LeftButton) : QTest::keyClick(f.get(), Qt::Key_Escape);
        QVERIFY(!f->isVisible() && d.Colores() == "000");
        // The main window centred alone (Left negative on a narrow screen), same top.
        QVERIFY2(
            std::abs(pantalla - (d.p.x() + wp) - d.p.x()) <= 1 && d.p.y() == 23, qPrintable(QString::number(d.p.x())));
    }

    // Then a node D and two bars C->D, D->C: 8 = 5 + 3 but D can move across its bars, so the system is singular;
    // then one more bar: not square. Resultados shows the triangle still, modal over the main window.
    void muestraElUltimoCalculoExitoso()
    {
        Apice d;
        ArmarCercha(d.m, { { 1.5, 2, 0, -300 } }, { { 3, 4 }, { 4, 3 } }, 1, 2);
        d.p.Calcular_Click();
        QCOMPARE(d.p.MensajeActual(), "Matriz singular, Imposible calcular la cercha");
        ArmarCercha(d.m, {}, { { 1, 4 } }, 1, 2);
        d.p.Calcular_Click();
        QCOMPARE(d.p.MensajeActual(), "Cercha mal determinada, matriz de cálculo no es cuadrada");
        C(d.p).Barra[4]->Color(Azul); // a marker: bars drawn since are left alone
        QVERIFY(d.Mostrar());
        QPointer<Final> abierta;
        const QStringList vista = AbrirResultados(d.p, [&](Final& f) {
            abierta = &f;
            QVERIFY(f.isModal() && f.parentWidget() == &d.p);
            ClicEnLinea(f.Elemento, 0);
            QCOMPARE(d.Colores(), "VCCC00");
        });
        QCOMPARE(vista.join('\n'), Esperado);
        QVERIFY(abierta.isNull()); // destroyed when closed
        // The board still shows the same calculation.
        QCOMPARE(d.Fuerzas().section(' ', 0, 2) + " " + d.Colores(), "500 -707.1 -707.1 TCCC00");
    }

    // Ctrl+C with the list or the grid focused, and "Copiar" in their context menus: tab-separated text and HTML
    // tables with headings as th.
    void copiaResultados_data()
    {
        Columnas<QString>("como");
        for (const char* como : { "Ctrl+C on the list", "menu of the grid" })
            QTest::newRow(como) << QString(como);
    }
    void copiaResultados()
    {
        const auto [como] = Datos<QString>("como");
        Apice d;
        QVERIFY(d.Mostrar());
        AbrirResultados(d.p, [&](Final& f) {
            QWidget* control = como.endsWith("list") ? static_cast<QWidget*>(f.Elemento) : f.msfgMatriz;
            if (como.startsWith("Ctrl")) {
                control->setFocus();
                QTRY_VERIFY(control->hasFocus() && QGuiApplication::focusWindow() == f.windowHandle());
                QTest::keyClick(control, Qt::Key_C, Qt::ControlModifier);
            } else if (control->contextMenuPolicy() == Qt::ActionsContextMenu && Copiar(control))
                Copiar(control)->trigger();
        });
        const QMimeData* datos = QGuiApplication::clipboard()->mimeData();
        QVERIFY(datos && datos->hasText() && datos->hasHtml());
        QCOMPARE(datos->text(), ComoCopia(Esperado));
        const QString html = datos->html();
        for (const char* fila : { "<tr><th>Barra</th><th>Nodos</th><th>Fuerza</th></tr>",
                 "<tr><td>2</td><td>B - C</td><td>-707.1</td></tr>", "<tr><th>Apoyo Movil Y:</th><td>500.00</td></tr>",
                 "<caption>Matriz de cálculo solucionada</caption>",
                 "<tr><th>Nod Cy</th><td>0</td><td>0.707</td><td>0.707</td><td>0</td><td>0</td><td>0</td>"
                 "<td>1000</td></tr>" })
            QVERIFY2(html.contains(QString::fromUtf8(fila)), fila);
        QVERIFY(html.count("<table") == 3 && html.count("<tr>") == 4 + 3 + 7);
    }

    // Ctrl+C in the main window: the board as a picture at the screen's resolution; in a text box of the panel,
    // that box's text.
    void copiaTablero()
    {
        Ventana v;
        QVERIFY(v.Mostrar());
        QVERIFY(QTest::qWaitForWindowActive(&v.p));
        v.p.AgregarNodo(3, 1); // dot centred on board (1605, 2160): pixel (107, 144)
        C(v.p).Diagrama->setFocus();
        QTRY_VERIFY(C(v.p).Diagrama->hasFocus() && QGuiApplication::focusWindow() == v.p.windowHandle());
        QTest::keyClick(C(v.p).Diagrama, Qt::Key_C, Qt::ControlModifier);
        const QImage imagen = QGuiApplication::clipboard()->image();
        const qreal dpr = C(v.p).Diagrama->devicePixelRatioF();
        QVERIFY(imagen.size() == QSize(584, 406) * dpr && imagen.pixelColor(QPoint(107, 144) * dpr) == Rojo
            && imagen.pixelColor(QPoint(300, 300) * dpr) == Qt::white);
        v.Elegir(HerrNodo);
        C(v.p).Prin->setText("2.5");
        C(v.p).Prin->setFocus();
        QTRY_VERIFY(C(v.p).Prin->hasFocus());
        C(v.p).Prin->selectAll();
        QTest::keyClick(C(v.p).Prin, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text() == "2.5" && !QGuiApplication::clipboard()->mimeData()->hasImage());
    }
};

QTEST_MAIN(PruebaFinal)
#include "tst_final.moc"
