// Trusses drawn and calculated in the real window against hand results (T the shown tension); why one will not solve
// (the mechanism ringed, the count in the tooltip, the near-mechanism warning); the results window and its copies.

#include "solver/Cercha.h"
#include "tools/VentanaPrueba.h"

#include <QHeaderView>
#include <cmath>

namespace {

// Every joint balances the shown tensions (pulling it toward the bars' far ends), loads and reactions, to 0.05 a
// force and 0.005 a reaction label.
QString Desequilibrio(const Ventana& d, const QStringList& reacciones)
{
    const Modulo& m = d.m;
    const auto R = [&](int i) { return LeerNumero(reacciones[i]).valor; };
    for (int k = 1; k <= m.NumNodos; ++k) {
        const bool fijo = k == m.Apoyos[1], rodillo = k == m.Apoyos[2];
        double sx = m.Nodo(k).Fx + (fijo ? R(0) : 0), sy = m.Nodo(k).Fy + (fijo ? R(1) : 0) + (rodillo ? R(2) : 0);
        double margen = 1e-6 + (fijo ? 0.01 : 0) + (rodillo ? 0.005 : 0);
        for (int b = 1; b <= m.NumBarras; ++b) {
            const BarraRec& barra = m.Barra(b);
            if (barra.NodoInicial != k && barra.NodoFinal != k)
                continue;
            const double t = LeerNumero(d.Fuerzas().section(' ', b - 1, b - 1)).valor,
                         rad = (barra.Angulo + (barra.NodoInicial == k ? 0 : 180)) * 3.14159265358979 / 180;
            sx += t * std::cos(rad);
            sy += t * std::sin(rad);
            margen += 0.05;
        }
        if (std::abs(sx) > margen || std::abs(sy) > margen)
            return QStringLiteral("joint %1 off by (%2, %3), allowed %4").arg(k).arg(sx).arg(sy).arg(margen);
    }
    return {};
}

// "C 645,2170 +600,+0": the node, its ring's centre, the sketch from there (twips, y down).
QStringList Marcas(const Principal& p, bool detalle)
{
    QStringList marcas;
    for (int k = 1; k <= MaxNodos; ++k) {
        const MarcaNodo& marca = *p.Ver().elementos.Marca[k];
        const QPoint c = marca.Centro().toPoint(), m = (marca.Destino() - marca.Centro()).toPoint();
        if (marca.EsVisible())
            marcas << LetraNodo(k) + (detalle ? QString::asprintf(" %d,%d %+d,%+d", c.x(), c.y(), m.x(), m.y()) : "");
    }
    return marcas;
}

// Right isosceles triangle A(0,0), B(2,0), C(1,1); bars A->B, B->C, A->C; pin A, roller B; 1000 N down at C, and
// a push `fx` along X; calculated. Without the push the supports take 500 each by symmetry; at A, Y: 500 + T3 sin
// 45 = 0, T3 = -707.1; X: T1 = 500; T2 = T3 by symmetry.
struct Apice : Ventana {
    explicit Apice(double fx = 0)
    {
        ArmarCercha(m, { { 0, 0 }, { 2, 0 }, { 1, 1, fx, -1000 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
        m.Barra(2).Longitud = std::sqrt(2.0); // for its tooltip
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

QString ComoCopia(const QString& texto)
{
    return QString(texto).replace("Barra       Nodos       Fuerza", "Barra\tNodos\tFuerza").replace(": ", ":\t") + '\n';
}

// Title, button and Arial throughout. Grid columns of 750 twips, bold headings, and the heading column wide enough
// for them; the loads bold in RGB(0, 128, 64); decimals line up. The tooltips: the equation at C along Y, bars 2
// (B->C, 135 deg) and 3 (A->C, 45 deg) ending at C, +sin in the grid, written reversed for tension; 1000 N down
// reads +1000. Both carry -707.1: 2 x 0.70711 x 707.1 = 999.99 against 1000, a residual of -0.01.
void Aspecto(const Final& f)
{
    QCOMPARE(f.windowTitle() + "|" + f.Salir->text(), "Resultado de Trabina V1.0|&Cerrar");
    for (const QWidget* control : f.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QCOMPARE(control->font().family(), "Arial");
    const QTableWidget* g = f.msfgMatriz;
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
    QCOMPARE(g->item(5, 6)->toolTip(), // every cell of the row
        "Nodo C, ΣFy = 0: −0.707·F2 − 0.707·F3 = 1000\n"
        "Con la solución: −0.707·(-707.1) − 0.707·(-707.1) = 1000; residuo -0.01\n"
        "Fuerzas de barra con el signo de la lista: tracción positiva.");
    QCOMPARE(g->horizontalHeaderItem(1)->toolTip(),
        "Elem 2: fuerza de la barra 2, del nodo B al nodo C (F2). La matriz la cuenta positiva a compresión; "
        "las ecuaciones, como la lista, positiva a tracción.");
    QCOMPARE(f.Elemento->item(1)->toolTip(),
        "Barra 2: nodos B - C, longitud 1.414 m, ángulo 135°, fuerza -707.1 N (compresión)");
}

// Copies by Ctrl+C with the list focused, then by "Copiar" in the grid's context menu: each one's text and HTML.
void Copiar(Final& f, QStringList& copias)
{
    const QList<QAction*> menu = f.msfgMatriz->actions();
    QVERIFY(
        f.msfgMatriz->contextMenuPolicy() == Qt::ActionsContextMenu && menu.size() == 1 && menu[0]->text() == "Copiar");
    f.Elemento->setFocus();
    QTRY_VERIFY(f.Elemento->hasFocus() && QGuiApplication::focusWindow() == f.windowHandle());
    QTest::keyClick(f.Elemento, Qt::Key_C, Qt::ControlModifier);
    for (int i = 0; i < 2; ++i) {
        const QMimeData* datos = QGuiApplication::clipboard()->mimeData();
        copias << datos->text() << (datos->hasHtml() ? datos->html() : QString());
        QGuiApplication::clipboard()->clear();
        if (i == 0)
            menu[0]->trigger();
    }
}

} // namespace

class PruebaCalcular : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        QGuiApplication::clipboard()->clear();
    }

    void cerchaDeLibro_data()
    {
        // T by hand, as the board shows it; reactions pin X, pin Y, roller Y.
        Columnas<QString, QStringList, QStringList>("pasos", "fuerzas", "reacciones");
        // Tower A(0,0) B(1,0) C(0,1) D(1,1) E(0,2) F(1,2): A-B, A-C, B-D, C-D, A-D, C-E, D-F, E-F, C-F; 1000 N
        // pushing E to the right. Pin X -1000; moments about A: the push at height 2 needs 2000 up at the roller
        // (x = 1), the pin -2000. E: T8 = -1000, T6 = 0. F: X -T8 - T9 cos 45 = 0, T9 = 1414.214; Y T7 = -1000. C: X
        // T4 = -1000; Y T2 = T9 sin 45 = 1000. D: X T5 = 1414.214; Y T3 = T7 - 1000 = -2000. A: X T1 = 0.
        Fila("cantilever, horizontal load",
            QStringLiteral("N0,0 N1,0 N0,1 N1,1 N0,2 N1,2 B1,2 B1,3 B2,4 B3,4 B1,4 B3,5 B4,6 B5,6 B3,6 S1,2 C5,180"),
            QStringList { "0", "1000", "-2000", "-1000", "1414.2", "0", "-1000", "-1000", "1414.2" },
            QStringList { "-1000.00", "-2000.00", "2000.00" });
        // Warren of 45-degree diagonals, node k at (k - 1, 1 if k even); bars 1-10 the zigzag, 11-15 the bottom
        // chord 1-3-...-11, 16-19 the top chord 2-4-...-10; 1000 N down at C, E, G, I. Reactions 2000, 2000. Panel
        // shears 2000, 1000, 0, -1000, -2000: diagonals +-shear x sqrt 2. Chords by moments of the left part (lever
        // 1 m): T11 = 2000, T12 = 6000 - 1000, T13 = 10000 - 3000 - 1000; T16 = -4000, T17 = -(8000 - 2000); the
        // right half mirrors.
        Fila("largest: 11 nodes, 19 bars",
            QStringLiteral("N0,0 T1,45 T2,315 T3,45 T4,315 T5,45 T6,315 T7,45 T8,315 T9,45 T10,315 B1,3 B3,5 "
                           "B5,7 B7,9 B9,11 B2,4 B4,6 B6,8 B8,10 S1,11 C3,90 C5,90 C7,90 C9,90"),
            QStringList { "-2828.4", "2828.4", "-1414.2", "1414.2", "0", "0", "1414.2", "-1414.2", "2828.4", "-2828.4",
                "2000", "5000", "6000", "5000", "2000", "-4000", "-6000", "-6000", "-4000" },
            QStringList { "0.00", "2000.00", "2000.00" });
    }
    // Board labels and colours, the results list, reactions, grid size, equilibrium; a sound truss explains nothing.
    void cerchaDeLibro()
    {
        auto [pasos, fuerzas, reacciones] = Datos<QString, QStringList, QStringList>("pasos", "fuerzas", "reacciones");
        Ventana d;
        QVERIFY(d.Mostrar());
        d.Dibujar(pasos);
        d.Calcular();
        const QLabel* panel = C(d.p).Panel[1];
        QCOMPARE(panel->text() + "|" + panel->toolTip() + "|" + panel->accessibleDescription() + "|"
                + Marcas(d.p, false).join(' '),
            Calculada + "||Indicaciones y resultados|");
        QCOMPARE(d.Fuerzas(), fuerzas.join(' '));
        QString colores; // before the results window, which recolours the bars as it closes
        for (const QString& t : fuerzas)
            colores += t == "0" ? '0' : t.startsWith('-') ? 'C' : 'T';
        QCOMPARE(d.Colores(), colores);
        const QStringList r = AbrirResultados(d.p);
        const int B = d.m.NumBarras, N = d.m.NumNodos;
        QVERIFY(r.size() == B + 2 * N + 8 && r.last().count('\t') == 2 * N + 1); // 2N + 1 rows, 2N + 2 columns
        for (int b = 1; b <= B; ++b) {
            const QString t = fuerzas[b - 1];
            QCOMPARE(r[b],
                QString::number(b) + '\t' + LetraNodo(d.m.Barra(b).NodoInicial) + " - "
                    + LetraNodo(d.m.Barra(b).NodoFinal) + '\t' + (t.contains(u'.') ? t : t + ".0"));
            const Etiqueta &numero = *C(d.p).lbBarra[b], &fuerza = *C(d.p).lbFuerza[b];
            QVERIFY(fuerza.EsVisible() && fuerza.item->zValue() > numero.item->zValue());
            QCOMPARE(fuerza.Left(), numero.Left() + numero.Width());
            QVERIFY(std::abs(fuerza.Top() + fuerza.Height() - numero.Top() - numero.Height()) < 0.01f);
        }
        QCOMPARE(r.mid(B + 2, 3).join('|'),
            "Apoyo Fijo X: " + reacciones[0] + "|Apoyo Fijo Y: " + reacciones[1] + "|Apoyo Movil Y: " + reacciones[2]);
        const QString falta = Desequilibrio(d, reacciones);
        QVERIFY2(falta.isEmpty(), qPrintable(falta));
    }

    void porque_data()
    {
        Columnas<QString, QString, QString, QStringList>("pasos", "mensaje", "tooltip", "marcas");
        // Square A(0,0) B(1,0) C(1,1) D(0,1), pin A, roller B, 1000 N pushing D right. AB keeps B from sliding, AD and
        // BC keep C and D level, CD only makes them slide together: u_C = u_D = (1, 0), so both rings carry a sketch
        // 600 twips to the right. With AB doubled it is square and singular.
        const QString cuadro = "N0,0 N1,0 N1,1 N0,1 B1,2 %1B2,3 B3,4 B4,1 S1,2 C4,180";
        Fila("panel without a diagonal: the count", cuadro.arg(""),
            "Cercha mal determinada, matriz de cálculo no es cuadrada",
            "4 nodos dan 8 ecuaciones; 4 barras más 3 reacciones dan 7 incógnitas: falta 1 barra", QStringList());
        // C(1,1) is board (635, 2160), its dot's centre 10 twips right and down; D(0,1) (150, 2160).
        Fila("panel, a bar doubled: square and singular", cuadro.arg("B1,2 "),
            "Matriz singular, Imposible calcular la cercha",
            "la cercha es un mecanismo: los nodos marcados se mueven sin estirar ninguna barra",
            QStringList { "C 645,2170 +600,+0", "D 160,2170 +600,+0" });
        // Ties A-D, B-E, C-F whose lines meet at P(2.5, 6.5): the top turns about P; with the angles cut to 0.1
        // degree, as the bar tool stores them, it solves.
        Fila("ties through one point, angles cut: solves, warns",
            "N0,1 N6,1 N3,0 N1,3.2 N4.25,3.75 N2.7,3.9 B1,2 B2,3 B1,3 B4,5 B5,6 B4,6 B1,4 B2,5 B3,6 S1,2 C6,180",
            Calculada, "la cercha es casi un mecanismo; revise los nodos marcados", QStringList { "D", "E", "F" });
    }
    // The marks and the explanation go at the next board press, tool selection or calculation.
    void porque()
    {
        const auto [pasos, mensaje, tooltip, marcas]
            = Datos<QString, QString, QString, QStringList>("pasos", "mensaje", "tooltip", "marcas");
        Ventana d;
        QVERIFY(d.Mostrar());
        d.Dibujar(pasos);
        if (tooltip.endsWith("falta 1 barra")) {
            // A bar opened at A makes the count: refused while open, nothing assembled (no rows for node 0).
            d.Elegir(HerrBarra);
            d.Presionar(0, 0);
            d.Calcular();
            QCOMPARE(d.p.MensajeActual(), "Termine el elemento que está dibujando antes de calcular la cercha");
            QVERIFY(!C(d.p).Resultados->isEnabled() && d.m.MatrizInicial == Matriz {});
            QVERIFY(d.Colores() == "00000" && !C(d.p).lbFuerza[1]->EsVisible());
            d.Elegir(HerrNodo); // drops it
        }
        d.Calcular();
        const QLabel* panel = C(d.p).Panel[1];
        QCOMPARE(panel->text() + "|" + panel->toolTip() + "|" + panel->accessibleDescription(),
            mensaje + "|" + tooltip + "|" + tooltip);
        QCOMPARE(Marcas(d.p, mensaje != Calculada), marcas);
        QCOMPARE(C(d.p).Resultados->isEnabled(), mensaje == Calculada); // the display of a success stays
        const bool singular = !marcas.isEmpty() && mensaje != Calculada;
        singular ? QTest::mouseClick(C(d.p).Diagrama->viewport(), Qt::LeftButton, {}, QPoint(400, 300))
                 : d.Elegir(HerrNodo);
        QCOMPARE(Marcas(d.p, false).join(' ') + C(d.p).Panel[1]->toolTip(), QString());
        if (!singular)
            return;
        d.Calcular();
        d.m.Barra(2).NodoFinal = 3; // the doubled bar becomes the diagonal A-C
        d.m.Barra(2).Angulo = 45;
        d.Calcular();
        QCOMPARE(d.p.MensajeActual() + Marcas(d.p, false).join(' ') + C(d.p).Panel[1]->toolTip(), Calculada);
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
        f->msfgMatriz->actions().constFirst()->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), ComoCopia(texto.join('\n')));
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
    // along +X at C, which the pin takes back as -0.004.
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
        conBoton ? QTest::mouseClick(f->Salir, Qt::LeftButton) : QTest::keyClick(f.get(), Qt::Key_Escape);
        QVERIFY(!f->isVisible());
        // The main window centred alone (Left negative on a narrow screen), same top.
        QVERIFY2(
            std::abs(pantalla - (d.p.x() + wp) - d.p.x()) <= 1 && d.p.y() == 23, qPrintable(QString::number(d.p.x())));
    }

    // Then a node D and two bars C->D, D->C: 8 = 5 + 3 but D can move across its bars, so the system is singular;
    // then one more bar: not square. Resultados shows the triangle still, modal over the main window, opened with
    // Cerrar focused and no cell of the grid marked. A bar picked in the list turns green until another is.
    void muestraElUltimoCalculoExitoso()
    {
        Apice d;
        ArmarCercha(d.m, { { 1.5, 2, 0, -300 } }, { { 3, 4 }, { 4, 3 } }, 1, 2);
        d.p.Calcular_Click();
        ArmarCercha(d.m, {}, { { 1, 4 } }, 1, 2);
        d.p.Calcular_Click();
        C(d.p).Barra[4]->Color(Azul); // a marker: bars drawn since are left alone
        QVERIFY(d.Mostrar());
        QPointer<Final> abierta;
        QStringList copias;
        const QStringList vista = AbrirResultados(d.p, [&](Final& f) {
            abierta = &f;
            QVERIFY(f.isModal() && f.parentWidget() == &d.p);
            QVERIFY(f.focusWidget() == f.Salir && !f.msfgMatriz->currentIndex().isValid());
            Aspecto(f);
            Copiar(f, copias);
            QTest::mouseClick(
                f.Elemento->viewport(), Qt::LeftButton, {}, f.Elemento->visualItemRect(f.Elemento->item(0)).center());
            QCOMPARE(d.Colores(), "VCCC00");
            QTest::keyClick(f.Elemento, Qt::Key_Down); // the keyboard moves the selection too
            QCOMPARE(d.Colores(), "TVCC00");
        });
        QCOMPARE(vista.join('\n'), Esperado);
        QVERIFY(abierta.isNull()); // destroyed when closed
        QCOMPARE(d.Fuerzas().section(' ', 0, 2) + " " + d.Colores(), "500 -707.1 -707.1 TCCC00");
        QVERIFY(copias.size() == 4 && copias.mid(2) == copias.mid(0, 2));
        QCOMPARE(copias[0], ComoCopia(Esperado));
        for (const char* fila : { "<tr><th>Barra</th><th>Nodos</th><th>Fuerza</th></tr>",
                 "<tr><td>2</td><td>B - C</td><td>-707.1</td></tr>", "<tr><th>Apoyo Movil Y:</th><td>500.00</td></tr>",
                 "<caption>Matriz de cálculo solucionada</caption>",
                 "<tr><th>Nod Cy</th><td>0</td><td>0.707</td><td>0.707</td><td>0</td><td>0</td><td>0</td>"
                 "<td>1000</td></tr>" })
            QVERIFY2(copias[1].contains(QString::fromUtf8(fila)), fila);
        QVERIFY(copias[1].count("<table") == 3 && copias[1].count("<tr>") == 4 + 3 + 7);
    }
};

QTEST_MAIN(PruebaCalcular)
#include "tst_calcular.moc"
