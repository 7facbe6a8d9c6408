// The main window as it starts, the pointer readout and what the board does with real pointer events; a whole
// truss without a mouse: keys for the tools, typed numbers, Enter and Alt+A, node letters on the board.

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
    for (int n = 1; n <= m.NumNodos; ++n)
        if (anillo.isVisible()
            && QLineF(anillo.rect().center(), C(p).Nodo[n]->item->sceneBoundingRect().center()).length() < 1)
            anillado = LetraNodo(n);
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

class PruebaPrincipal : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void controles()
    {
        Ventana v;
        Principal& p = v.p;
        QCOMPARE(p.windowTitle(), "Cálculo de Cerchas por el metodo de los nodos (Vexo.Parvu.Trabina)");
        // Caption, tooltip (nullptr: not checked), enabled, and place in twips at 15 twips a pixel.
        const std::tuple<QWidget*, const char*, const char*, bool, QRect> controles[] = {
            { C(p).Herramienta[0], "Apoyo", "Apoyo de estructura (Alt+P)", false, QRect(2760, 240, 795, 735) },
            { C(p).Herramienta[1], "Carga", "Aplicar Carga (Alt+G)", false, QRect(4440, 240, 795, 735) },
            { C(p).Herramienta[2], "Nodo", "Nuevo Nodo (Alt+O)", true, QRect(1920, 240, 795, 735) },
            { C(p).Herramienta[3], "Elemen", "Nuevo Elemento (Alt+E)", false, QRect(3600, 240, 795, 735) },
            { C(p).Herramienta[4], "Area", "Tamaño area de trabajo (Alt+R)", true, QRect(960, 240, 795, 735) },
            { C(p).Herramienta[5], "Nuevo", "Nuevo proyecto (Alt+N)", true, QRect(120, 240, 795, 735) },
            { C(p).Calcular, "Cálcular", "Calcular estructura (F5)", false, QRect(5400, 240, 795, 735) },
            { C(p).Resultados, "Result", "Ver resultados (F6)", false, QRect(6240, 240, 795, 735) },
            { C(p).Acercade, "Acerca", "Acerca de Vexo.Parvu.Trabina (F7)", true, QRect(7230, 240, 795, 735) },
            { C(p).Salir, "Salir", "Finalizar aplicación (Ctrl+Q)", true, QRect(8070, 240, 795, 735) },
            { C(p).Frame1, "Herramientas de edición", nullptr, true, QRect(120, 120, 9015, 1095) },
            // The panel starts disabled, and everything in it with it.
            { C(p).Datos, "Parámetros configuración", nullptr, false, QRect(120, 1260, 9015, 735) },
            { C(p).Label1, "Longitud(m):", nullptr, false, QRect(180, 300, 1665, 285) },
            { C(p).Prin, "0", nullptr, false, QRect(1920, 300, 1185, 285) },
            { C(p).Label2, "Ángulo(°):", nullptr, false, QRect(3240, 300, 1665, 285) },
            { C(p).Angulo, "0", nullptr, false, QRect(4920, 300, 1185, 285) },
            { C(p).Aceptar, "&Aceptar", nullptr, false, QRect(7320, 180, 1575, 465) },
            { C(p).Diagrama1, "Diagrama de la Cercha", nullptr, true, QRect(120, 2070, 9015, 6450) },
            { C(p).Diagrama, "", "Plano de la cercha", true, QRect(120, 240, 8760, 6090) },
        };
        for (const auto& [control, texto, ayuda, habilitado, twips] : controles) {
            QCOMPARE(Texto(control), QString::fromUtf8(texto));
            QCOMPARE(ayuda ? control->toolTip() : QString(), QString::fromUtf8(ayuda));
            QCOMPARE(control->isEnabled(), habilitado);
            QCOMPARE(control->geometry(), QRect(twips.topLeft() / 15, twips.size() / 15));
        }
        // Graphical option buttons in one exclusive group, none pressed; commands with an icon above too.
        QVERIFY(C(p).grupoHerramientas->exclusive());
        for (int i = 0; i < 10; ++i) {
            auto* boton = static_cast<QToolButton*>(std::get<0>(controles[i]));
            QVERIFY2(boton->isCheckable() == (i < 6) && C(p).grupoHerramientas->id(boton) == (i < 6 ? i : -1)
                    && !boton->isChecked() && !boton->icon().isNull()
                    && boton->toolButtonStyle() == Qt::ToolButtonTextUnderIcon,
                qPrintable(boton->objectName()));
        }
        // The readouts 2540 twips wide. A long refusal is cut in the message panel: the readouts and the window keep
        // their width and place.
        QVERIFY(v.Mostrar());
        const QRect x = C(p).Panel[2]->geometry(), y = C(p).Panel[3]->geometry();
        const QSize ventana = p.size();
        QVERIFY(x.width() == 2540 / 15 && y.width() == 2540 / 15);
        v.Elegir(HerrNodo);
        v.Escribir("1e300|1", true);
        QCoreApplication::sendPostedEvents(); // the status bar's layout runs
        QVERIFY(C(p).Panel[1]->sizeHint().width() > C(p).Panel[1]->width()); // the text is longer than its panel
        QVERIFY(C(p).Panel[2]->geometry() == x && C(p).Panel[3]->geometry() == y && p.size() == ventana);
        QVERIFY(C(p).Panel[1]->width() > x.width() && C(p).Panel[1]->geometry().right() < x.left());
    }

    void tableroYPools()
    {
        Modulo m;
        m.NumNodos = 3;
        m.NumBarras = 2;
        m.NumCargas = 1;
        Principal p(m, Principal::Arranque::SinPresentacion);
        // Model reset, 10 m x 5 m, only the axes picture on white. The last copy in each pool as its design element:
        // pens width 5; Arial 6 pt and 6.75 pt at 20 twips a point.
        const Controles& c = C(p);
        QCOMPARE(QString::asprintf("%d %d %d, %d x %g, %d %s", m.NumNodos, m.NumBarras, m.NumCargas,
                     c.coordenadas.AnchoDibujo, c.coordenadas.AltoDibujo, ElementosVisibles(p),
                     qPrintable(c.Diagrama->Escena().backgroundBrush().color().name())),
            "0 0 0, 10 x 5, 1 #ffffff");
        QVERIFY(!c.coordenadas.AltoDoble && m.AnchoPantalla > 0 && c.Coordenas->EsVisible());
        QCOMPARE(QRectF(c.Coordenas->item->pos(), QSizeF(c.Coordenas->Width(), c.Coordenas->Height())),
            QRectF(120, 5250, 615, 660));
        const QPen barra = c.Barra[20]->item->pen(), carga = c.Fuerza[10]->item->pen();
        const QFont fuerza = c.lbFuerza[20]->item->font(), texto = c.lbCarga[10]->item->font();
        QCOMPARE(
            QStringList({ QString::number(barra.width()), barra.color().name(), QString::number(carga.width()),
                            carga.color().name(), c.Nodo[20]->item->brush().color().name(),
                            c.lbNodo[1]->item->brush().color().name(), c.lbBarra[20]->item->brush().color().name(),
                            c.lbCarga[10]->item->brush().color().name(), fuerza.family(),
                            QString::number(fuerza.pixelSize()), texto.family(), QString::number(texto.pixelSize()) })
                .join(' '),
            "5 #f7bb6a 5 #008040 #ff0000 #ff0000 #000000 #008000 Arial 120 Arial 135");
        QCOMPARE(barra, c.Barra[1]->item->pen());
    }

    void lectura_data()
    {
        // tamano: set by the size tool, or empty for the start's 10 m x 5 m. The next tenth above the pointer.
        Columnas<QSizeF, QPointF, bool, QString>("tamano", "punto", "coma", "lectura");
        // 2090 twips is 4 m, y = 0 the full 5 m; shown with the region's separator.
        Fila("4 m, top edge, comma region", QSizeF(), QPointF(2090, 0), true, "X(m): 4,10 Y(m): 5,10");
        // x = 0 is -0.31 m, y = 2835 is -0.25 m.
        Fila("outside the drawing area", QSizeF(), QPointF(0, 2835), false, "X(m): -0.30 Y(m): -0.20");
        // 489.5 is 0.7 m, y = 161.5 is 4.7 m, held as the 32-bit 0.69999999 and 4.6999998: times 10 in 32 bits they
        // round to 7 and 47, so the next tenths are 0.8 and 4.8 (0.7 and 4.7 in double).
        Fila("32-bit tenths", QSizeF(), QPointF(489.5, 161.5), false, "X(m): 0.80 Y(m): 4.80");
        // A size set by the tool: 150 + 4 * 4850 / 8 = 2575 is 4 m; y = 0 is the full 4.2 m.
        Fila("8 m x 4.2 m set", QSizeF(8, 4.2), QPointF(2575, 0), false, "X(m): 4.10 Y(m): 4.30");
    }
    void lectura()
    {
        const auto [tamano, punto, coma, lectura]
            = Datos<QSizeF, QPointF, bool, QString>("tamano", "punto", "coma", "lectura");
        QLocale::setDefault(coma ? QLocale(QLocale::Spanish, QLocale::Spain) : QLocale::c());
        Ventana v;
        if (!tamano.isEmpty()) {
            v.Elegir(HerrArea);
            v.Escribir(QStringLiteral("%1|%2").arg(tamano.width()).arg(tamano.height(), 0, 'g', 17), true);
        }
        v.p.Diagrama_MouseMove({ 0, 0, float(punto.x()), float(punto.y()) });
        QCOMPARE(C(v.p).Panel[2]->text() + " " + C(v.p).Panel[3]->text(), lectura);
    }

    // Real pointer events reach the board in twips unless the topmost element under them takes them: the axes
    // picture, or a load label over a node letter; a node letter on top hands them on.
    void encimaDecide_data()
    {
        Columnas<bool, QPoint, QString>("letraEncima", "pixel", "efecto");
        // Pixel (77, 137) is twip (1155, 2055): inside both labels, outside both dots; 1005 * 10 / 4850 = 2.072 m.
        Fila("node letter over a load label: handed on", true, QPoint(77, 137), "X(m): 2.10 «»");
        Fila("load label over a node letter: taken", false, QPoint(77, 137), "X(m): «antes»");
        Fila("axes picture: taken", true, QPoint(20, 370), "X(m): «antes»"); // twip (300, 5550)
    }
    void encimaDecide()
    {
        const auto [letraEncima, pixel, efecto] = Datos<bool, QPoint, QString>("letraEncima", "pixel", "efecto");
        Ventana v;
        QVERIFY(v.Mostrar());
        v.p.AgregarNodo(1, 1);
        if (!letraEncima)
            v.p.AgregarNodo(2, 1);
        v.Elegir(HerrCarga); // 5 N at A drawn at 0 degrees: its label's bottom-left corner at (635 + 500, 2160)
        v.Clic(1, 1);
        v.Escribir("5|0", true);
        if (letraEncima)
            v.p.AgregarNodo(2, 1); // "B" from (1120, 1910), over the load label
        QVERIFY(C(v.p).lbNodo[2]->Contiene(1155, 2055) && C(v.p).lbCarga[1]->Contiene(1155, 2055));
        QVERIFY(v.p.BuscarNodo(1155, 2055) == 0 && C(v.p).Coordenas->Contiene(300, 5550));
        v.p.Mensaje("antes");
        // The move sent straight to the board: QTest's moves go through the cursor, which a tooltip may cover.
        QWidget* tablero = C(v.p).Diagrama->viewport();
        QMouseEvent mover(
            QEvent::MouseMove, pixel, tablero->mapToGlobal(QPointF(pixel)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(tablero, &mover);
        QTest::mousePress(tablero, Qt::RightButton, {}, pixel);
        QCOMPARE(C(v.p).Panel[2]->text() + " «" + v.p.MensajeActual() + "»", efecto);
    }

    void pasos_data()
    {
        Columnas<QString, QString>("teclas", "vista");
        Fila("three typed nodes: the node tool's button keeps the focus", "", "Herramienta2 - 3 @@ 0 | armada h-1 «»");
        Fila("node tool: first box focused, its text selected", "<Alt+O>",
            "Prin[2] - 3 @@ 0 | armada h2 panel «Selección la ubicación del nuevo nodo»");
        Fila("letter with no node does nothing", "<Alt+E>d",
            "Diagrama - 3 @@ 0 | armada h3 «Seleccione nodo de inicio:»");
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

    // Tab through the enabled controls.
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
        // The board's focus frame: highlight-coloured dots along its left edge, only while it has the focus.
        const QRgb resalte = C(v.p).Diagrama->palette().color(QPalette::Highlight).rgb();
        int puntos[2] = {}; // without the focus, then with it
        for (int& cuantos : puntos) {
            const QImage imagen = C(v.p).Diagrama->viewport()->grab().toImage();
            for (int y = 0; y < imagen.height(); ++y)
                cuantos += imagen.pixel(1, y) == resalte;
            C(v.p).Diagrama->setFocus();
        }
        QVERIFY2(puntos[0] == 0 && puntos[1] > 50, qPrintable(QString::number(puntos[1])));
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
        QCOMPARE(v.p.MensajeActual() + " " + v.Fuerzas(), Calculada + " 700 0 -400 -700 0 -700 -700 -424.3 989.9");
        QStringList reacciones;
        AlAbrirse<Final> abierta([&](Final* f) {
            reacciones = LeerFinal(*f).mid(v.m.NumBarras + 2, 3);
            QTest::keyClick(f, Qt::Key_Escape);
        });
        Teclear(v.p, "<F6>");
        QCOMPARE(reacciones.join('|'), "Apoyo Fijo X: -400.00|Apoyo Fijo Y: 300.00|Apoyo Movil Y: 700.00");
    }
};

QTEST_MAIN(PruebaPrincipal)
#include "tst_principal.moc"
