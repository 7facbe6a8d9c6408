// Tool selection, new project, drawing size; nodes, their hit-testing, the node tool; supports; bars, opened on a node
// and closed by a click or typed; loads. In a comma region, as the boxes are read back as numbers, they show ".".

#include "tools/VentanaPrueba.h"

#include <charconv>

namespace {

const auto Textos = [](const Principal& p) { return C(p).Prin->text() + " " + C(p).Angulo->text(); };
const auto Tamano = [](const Principal& p) {
    return QString("%1 x %2").arg(C(p).coordenadas.AnchoDibujo).arg(C(p).coordenadas.AltoDibujo);
};
const EventoPuntero En1237 { 0, 0, 750, 2700 }; // (1.237, 0) m: the node tool writes 1.25 and 0.05, d = 4 and 0

QString Cercha(const Ventana& v)
{
    return QString::asprintf("%d nodos %d barras %d cargas, apoyos %d %d%s, %d visibles, %s", v.m.NumNodos,
        v.m.NumBarras, v.m.NumCargas, v.m.Apoyos[1], v.m.Apoyos[2], C(v.p).Banderas[Bandera::FijoPuesto] ? " fijo" : "",
        ElementosVisibles(v.p), qPrintable(Habilitadas(v.p)));
}

// The supports' nodes and where their symbols show ("-" while hidden).
QString Apoyos(const Ventana& v)
{
    const auto lugar = [&](int i) {
        const Imagen& a = *C(v.p).Apoyo[i];
        return a.EsVisible() ? QString("%1 en %2 %3").arg(v.m.Apoyos[size_t(i + 1)]).arg(a.Left()).arg(a.Top()) : "-";
    };
    return "fijo " + lugar(0) + ", movil " + lugar(1);
}

// "caption on" / "caption off" for each enabled-state change of the panel and the buttons, in order.
struct RegistroHabilitado : QObject {
    QStringList cambios;
    explicit RegistroHabilitado(Principal& p)
    {
        C(p).Datos->installEventFilter(this);
        for (QToolButton* boton : p.findChildren<QToolButton*>())
            boton->installEventFilter(this);
    }
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (auto* w = static_cast<QWidget*>(objeto); evento->type() == QEvent::EnabledChange)
            cambios << Texto(w) + (w->isEnabled() ? " on" : " off");
        return false;
    }
};

const QString PromptFinal = "Seleccione nodo o ubicación final";
const QString Cerrada = "desarmada h-1 «»";

// A 32-bit value as its shortest exact text, such as 2332.047.
QString F(float valor)
{
    char texto[32];
    return QString::fromLatin1(texto, std::to_chars(texto, texto + sizeof texto, valor).ptr - texto);
}

// Bar 1 as "start-end (end node's place) length angle | the line's end | «label» its corner", "-" while hidden.
QString Barra1(const Ventana& v)
{
    const BarraRec& b = v.m.Barra(1);
    const NodoRec& fin = v.m.Nodos[size_t(b.NodoFinal)]; // entry 0 while the bar is open
    const Linea& linea = *C(v.p).Barra[1];
    const Etiqueta& rotulo = *C(v.p).lbBarra[1];
    return QString::asprintf("%d-%d (%s, %s) %.15g %.15g | %s %s | «%s» %s %s", b.NodoInicial, b.NodoFinal,
        qPrintable(F(float(fin.X))), qPrintable(F(float(fin.Y))), b.Longitud, b.Angulo, qPrintable(F(linea.X2)),
        qPrintable(F(linea.Y2)), qPrintable(rotulo.EsVisible() ? rotulo.TextoActual() : "-"),
        qPrintable(F(rotulo.Left())), qPrintable(F(rotulo.Top())));
}

const QString Abierta = "1-0 (0, 0) 0 0 | 3060 540 | «-» 0 0";

void Cargar(Ventana& v, const QString& textos)
{
    v.Elegir(HerrCarga);
    v.Clic(3, 1);
    v.Escribir(textos, true);
}

} // namespace

class PruebaHerramientas : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void seleccion_data()
    {
        // panel: caption, Label1, Label2, Prin, Angulo. Only the node tool writes the pointer's place (snapped);
        // the supports tool keeps the captions it finds, the others' end with a blank.
        Columnas<int, QString, QString>("codigo", "estado", "panel");
        Fila("supports", 0, "armada h0 «Seleccione el nodo del apoyo fijo»",
            "Parámetros configuración|Longitud(m):|Ángulo(°):|3|7");
        Fila("load", 1, "armada h1 «Seleccione nodo de aplicación»", "Carga externa|Magnitud(N): |Ángulo(°): |3|7");
        Fila(
            "node", 2, "armada h2 panel «Selección la ubicación del nuevo nodo»", "Nuevo nodo|X(m): |Y(m): |1.25|0.05");
        Fila("bar", 3, "armada h3 «Seleccione nodo de inicio:»", "Nuevo elemento|Longitud(m): |Ángulo(°): |3|7");
        Fila("drawing size", 4, "armada h4 panel «Nuevas dimensiones exteriores»",
            "Dimensiones|Ancho dibujo(m): |Alto dibujo(m): |10|5");
    }
    void seleccion()
    {
        const auto [codigo, estado, panel] = Datos<int, QString, QString>("codigo", "estado", "panel");
        Ventana v;
        if (codigo != HerrArea)
            v.p.AgregarNodo(1, 1); // the supports, load and bar tools need a node
        v.Escribir("3|7");
        C(v.p).Datos->setEnabled(!estado.contains(" panel")); // the selection has to change it
        v.Elegir(codigo);
        v.p.Diagrama_MouseMove(En1237);
        QStringList textos { Estado(v.p) };
        for (const QWidget* w :
            std::initializer_list<QWidget*> { C(v.p).Datos, C(v.p).Label1, C(v.p).Label2, C(v.p).Prin, C(v.p).Angulo })
            textos << Texto(w);
        QCOMPARE(textos.join('|'), estado + '|' + panel);
    }

    void nuevoProyecto_data()
    {
        Columnas<bool>("si");
        Fila("answered Yes", true);
        Fila("answered No", false);
    }
    // After a calculation, with the panel as a tool left it.
    void nuevoProyecto()
    {
        const auto [si] = Datos<bool>("si");
        Ventana v;
        QVERIFY(v.Mostrar());
        v.Dibujar(PasosTriangulo);
        v.Calcular();
        v.Escribir("8|9");
        const QString antes = Cercha(v);
        const Matriz calculo = v.m.MatrizCalculo;
        RegistroHabilitado registro(v.p);
        Contestar caja(si ? QMessageBox::Yes : QMessageBox::No);
        v.Elegir(HerrNuevo);
        QCOMPARE(caja.vista,
            "Vexo.Parvu.Trabina|4|" + QString::number(QMessageBox::Yes | QMessageBox::No)
                + "|&Sí &No|¿Esta seguro que desea borrar los elementos actuales?");
        const QString orden = "Apoyo on,Area on,Cálcular off,Result off,Apoyo off,Elemen off,Carga off";
        QCOMPARE(registro.cambios.join(','), si ? orden : "");
        const QString despues = si ? "0 nodos 0 barras 0 cargas, apoyos 0 0, 1 visibles, 245" : antes;
        // Either way the tool is current and armed; the panel, message, size, NodoCarga and matrix stay.
        QCOMPARE(Estado(v.p), QString(si ? "armada h-1" : "armada h5") + " «" + Calculada + "»");
        QCOMPARE(Textos(v.p) + " " + Tamano(v.p), "8 9 10 x 5");
        QVERIFY(v.p.Ver().estado.NodoCarga == 2 && v.m.MatrizCalculo == calculo);
        v.Clic(1, 1); // under code 5 a press only clears the message
        QCOMPARE(Cercha(v) + v.p.MensajeActual(), despues);
    }

    // Typed, then Enter. Done: the size set, the panel open, or the node placed, the panel off; released, armed.
    // Refused, also by a click with the node tool's texts: the tool and the size as they were, nothing drawn.
    void escrito_data()
    {
        Columnas<int, QString, QString>("herramienta", "textos", "resultado");
        const int area = HerrArea, nodo = HerrNodo;
        const QString hecho = " armada h-1 panel «»";
        Fila("7.5 rounds to 8", area, "7.5|4.2", "8 x 4.2" + hecho);
        Fila("6.5 rounds to even 6", area, "6.5|2.5", "6 x 2.5" + hecho);
        Fila("widest, lowest", area, "32767|0.001", "32767 x 0.001" + hecho);
        const QString ancho = "10 x 5 armada h4 panel «El ancho del dibujo debe estar entre 1 y 32767 metros»";
        Fila("width rounds to 0", area, "0.4|5", ancho);
        Fila("width beyond 16 bits", area, "32768|5", ancho);
        Fila("zero height", area, "10|0", "10 x 5 armada h4 panel «El alto del dibujo debe ser un número mayor que 0»");
        // 1e303 * 2700000 overflows: Y = 0 would have no board point.
        Fila("height whose conversion overflows", area, "10|1e303",
            "10 x 5 armada h4 panel «El alto del dibujo está fuera del alcance del tablero»");
        Fila("a comma ends the number, no number reads 0", nodo, "2,5|equis", "2 0 armada h-1 «»");
        const QString fuera = "- armada h2 panel «La posición del nodo está fuera del alcance del dibujo»";
        // 1e36 * 485 = 4.85e38 twips, past the largest float (3.4e38).
        Fila("x past a float", nodo, "1e36|1", fuera);
        Fila("x too large for a double", nodo, "1e400|1", "- armada h2 panel «El número escrito es demasiado grande»");
    }
    void escrito()
    {
        const auto [herramienta, textos, resultado]
            = Datos<int, QString, QString>("herramienta", "textos", "resultado");
        Ventana v;
        v.Elegir(herramienta);
        v.Escribir(textos);
        QTest::keyClick(C(v.p).Angulo, Qt::Key_Return);
        if (herramienta == HerrNodo) {
            if (!v.m.NumNodos)
                v.p.Diagrama_MouseDown(En1237);
            const QString nodo = v.m.NumNodos ? QString("%1 %2").arg(v.m.Nodo(1).X).arg(v.m.Nodo(1).Y) : "-";
            QCOMPARE(nodo + " " + Estado(v.p), resultado);
            return;
        }
        QCOMPARE(Tamano(v.p) + " " + Estado(v.p), resultado);
        QCOMPARE(C(v.p).coordenadas.AltoDoble, resultado.contains("h-1"));
        v.Elegir(HerrArea); // selected again, it shows the size with "." in any region: Aceptar reads it back
        QCOMPARE(Textos(v.p).replace(' ', " x "), resultado.section(' ', 0, 2));
    }

    void veinteNodosYBarras()
    {
        Ventana v;
        C(v.p).Datos->setEnabled(true);
        RegistroHabilitado registro(v.p);
        for (int i = 1; i <= 20; ++i)
            QVERIFY(v.p.AgregarNodo(0.25 * i, 1));
        QCOMPARE(registro.cambios.join(','), "Parámetros configuración off,Area off,Apoyo on,Elemen on,Carga on");
        // Node C at (0.75, 1) m is at (363.75 + 150, 2160): the letter's corner 250 above.
        QCOMPARE(C(v.p).lbNodo[3]->item->pos(), QPointF(513.75, 1910));
        QCOMPARE(C(v.p).lbNodo[1]->TextoActual() + C(v.p).lbNodo[3]->TextoActual() + C(v.p).lbNodo[20]->TextoActual(),
            "ACT");
        // Twenty bars from A to B; the twenty-first start click is refused: the tool still waits for a start node.
        for (int i = 0; i < 21; ++i)
            v.Elegir(HerrBarra), v.Clic(0.25, 1), v.Clic(0.5, 1);
        QCOMPARE(Estado(v.p) + QString::number(v.m.NumBarras * 10 + C(v.p).Banderas[Bandera::EsperaInicio]),
            "armada h3 «No se pueden agregar más de 20 elementos»201");
    }

    void buscarNodo_data()
    {
        // puntos: "x,y:node found" in board twips.
        Columnas<QPolygonF, QString>("nodos", "puntos");
        // Node at (0, 0): point (150, 2700), found for 100 < x < 220 and 2650 < y < 2770.
        Fila("strict square", QPolygonF { QPointF(0, 0) },
            "100,2700:0 100.5,2700:1 220,2700:0 219.5,2769.5:1 150,2650:0 150,2650.5:1 150,2770:0");
        // Node at (2, 5): point (1120, 0); the square is shifted to 0 < y < 120, below the dot's bottom at 70.
        Fila("top edge", QPolygonF { QPointF(2, 5) }, "1120,100:1 1120,120:0");
        // Node at (-0.3, 0): -145.5 + 150 = 4.5; the square is shifted to 0 < x < 120.
        Fila("left edge", QPolygonF { QPointF(-0.3, 0) }, "100,2700:1 120,2700:0");
        // (1, 1) twice, then (1.1, 1): squares 585..705 and 633.5..753.5 across; the lowest number wins.
        Fila("overlap", QPolygonF { QPointF(1, 1), QPointF(1, 1), QPointF(1.1, 1) }, "640,2160:1 720,2160:3");
    }
    void buscarNodo()
    {
        const auto [nodos, puntos] = Datos<QPolygonF, QString>("nodos", "puntos");
        Ventana v;
        for (const QPointF& n : nodos)
            v.p.AgregarNodo(n.x(), n.y());
        QStringList vistos;
        for (const QString& punto : puntos.split(' '))
            vistos << punto.section(':', 0, 0) + ':'
                    + QString::number(v.p.BuscarNodo(
                        punto.section(',', 0, 0).toFloat(), punto.section(',', 1).section(':', 0, 0).toFloat()));
        QCOMPARE(vistos.join(' '), puntos);
    }

    void ajusteAlMover_data()
    {
        Columnas<QPointF, QString>("twips", "textos");
        // t = floor(10 m), d = 100 m - 10 t to even: d > 5 writes (t + 1) / 10, d < 5 (10 t + 5) / 100, d = 5 keeps.
        // 753.825 -> 1.245 m: d = 4.5 to even 4 -> 1.25; 2022.29 -> 1.255 m: d = 5.5 to 6 -> 1.3.
        Fila("halves to even", QPointF(753.825, 2022.29), "1.25 1.3");
        // 0 -> -0.31 m: t = -4, d = 9 -> -0.3; 2850 -> -0.278 m: t = -3, d = 2 -> -0.25.
        Fila("negative metres", QPointF(0, 2850), "-0.3 -0.25");
        // 225 -> 0.154 m: d = 5.4 -> 5; 135 -> 4.75 m: d = 5.
        Fila("d = 5 keeps both texts", QPointF(225, 135), "7 9");
    }
    // A press anywhere places the node at what the panel holds.
    void ajusteAlMover()
    {
        const auto [twips, textos] = Datos<QPointF, QString>("twips", "textos");
        Ventana v;
        v.Elegir(HerrNodo);
        v.Escribir("7|9");
        v.p.Diagrama_MouseMove({ 0, 0, float(twips.x()), float(twips.y()) });
        v.p.Diagrama_MouseDown({ 1, 0, 4000, 4000 });
        QCOMPARE(QString("%1 %2 ").arg(v.m.Nodo(1).X).arg(v.m.Nodo(1).Y) + Estado(v.p), textos + " desarmada h-1 «»");
        v.p.Diagrama_MouseMove(En1237); // disarmed: nothing written
        QCOMPARE(Textos(v.p), textos);
    }

    // A (0, 0) at (150, 2700), B (4, 0) at (2090, 2700), C (2, 2) at (1120, 1620). Any mouse button does.
    void apoyos()
    {
        Ventana v;
        QVERIFY(v.Mostrar());
        v.p.AgregarNodo(0, 0);
        v.p.AgregarNodo(4, 0);
        v.Elegir(HerrApoyos);
        v.Presionar(0, 0);
        // 150 - 480 / 2 = -90; 2700 - (480 / 2 - 50) = 2510. Still armed for the roller.
        QCOMPARE(Apoyos(v), "fijo 1 en -90 2510, movil -");
        QCOMPARE(Estado(v.p) + Habilitadas(v.p), "armada h-1 «Seleccione nodo para el apoyo»01235");
        // The next press, with the same selection, places the roller: 2090 - 240 = 1850.
        v.Presionar(4, 0, Qt::ShiftModifier, Qt::RightButton);
        const QString puestos = "fijo 1 en -90 2510, movil 2 en 1850 2510";
        QCOMPARE(Apoyos(v) + Estado(v.p) + Habilitadas(v.p), puestos + "desarmada h-1 «»1235 calcular");
        // Dots, lines, labels and the axes are drawn over both symbols.
        for (const QGraphicsItem* item : C(v.p).Diagrama->Escena().items())
            QVERIFY(item->zValue() > qMax(C(v.p).Apoyo[0]->item->zValue(), C(v.p).Apoyo[1]->item->zValue())
                || item == C(v.p).Apoyo[0]->item || item == C(v.p).Apoyo[1]->item);
        // A further node brings the tool back; the roller cannot go to the fixed support's node nor to empty board.
        v.p.AgregarNodo(2, 2);
        for (QPointF punto : { QPointF(0, 0), QPointF(9, -3) }) {
            v.Elegir(HerrApoyos);
            QCOMPARE(Estado(v.p), "armada h0 «Seleccione el nodo del apoyo movil»");
            v.Presionar(punto.x(), punto.y());
            QCOMPARE(Estado(v.p) + Apoyos(v), "armada h-1 «Seleccione nodo para el apoyo»" + puestos);
        }
        v.Presionar(2, 2, {}, Qt::MiddleButton); // it moves to C: 1120 - 240 = 880, 1620 - 190 = 1430
        QCOMPARE(Apoyos(v), "fijo 1 en -90 2510, movil 3 en 880 1430");
        // A press on a support symbol acts on the board at that point: A's fixed support spans (-90, 2510)+480.
        QVERIFY(C(v.p).Apoyo[0]->Contiene(150, 2700));
        v.Elegir(HerrCarga);
        v.Presionar(0, 0);
        QCOMPARE(v.p.Ver().estado.NodoCarga, int16_t(1));
    }

    void medida_data()
    {
        Columnas<QPointF, QPointF, QString, bool>("inicio", "fin", "textos", "alturaDoble");
        // 3-4-5 triangles: atan(4/3) = 53.13 degrees.
        Fila("third quadrant", QPointF(4, 5), QPointF(1, 1), "5 233.1", false);
        Fila("fourth quadrant", QPointF(4, 5), QPointF(7, 1), "5 306.8", false);
        // sqrt(2) = 1.414 cut to 1.41; atan(-1) * 1800 / 3.141592 = -450.00008 goes down to -451, so 180 - 45.1.
        Fila("short pi, second quadrant", QPointF(2, 1), QPointF(1, 2), "1.41 134.9", false);
        // sqrt(5) = 2.236 is cut, not rounded; atan(0.5) = 26.56 degrees.
        Fila("length truncated, height set", QPointF(1, 1), QPointF(3, 2), "2.23 26.5", true);
        // Regression: equal x used to leave the previous angle in the box.
        Fila("vertical up", QPointF(2, 1), QPointF(2, 3), "2 90", false);
        Fila("vertical down", QPointF(2, 3), QPointF(2, 1), "2 270", false);
    }
    // Open, then closed by a press on node 2 that puts the line on its point and rewrites the texts a far pointer left.
    // The presses land inside a dot off its point, also at the top edge.
    void medida()
    {
        const auto [inicio, fin, textos, alturaDoble]
            = Datos<QPointF, QPointF, QString, bool>("inicio", "fin", "textos", "alturaDoble");
        Ventana v;
        if (alturaDoble) { // the drawing-area tool, even at the start size, computes Y in double
            v.Elegir(HerrArea);
            v.Escribir("10|5", true);
        }
        v.p.AgregarNodo(inicio.x(), inicio.y());
        v.p.AgregarNodo(fin.x(), fin.y());
        v.Elegir(HerrBarra);
        const auto clicEn = [&](QPointF n) { v.p.Diagrama_MouseDown({ 1, 0, Xt(n.x()) + 30, Yt(n.y()) + 20 }); };
        clicEn(inicio);
        v.p.Diagrama_MouseMove({ 0, 0, 8000, 6000 });
        clicEn(fin);
        QCOMPARE(C(v.p).Barra[1]->item->line(), QLineF(Xt(inicio.x()), Yt(inicio.y()), Xt(fin.x()), Yt(fin.y())));
        QCOMPARE(QString("%1 %2 %3 ").arg(v.m.Barra(1).Longitud).arg(v.m.Barra(1).Angulo).arg(v.m.Barra(1).NodoFinal)
                + Textos(v.p),
            textos + " 2 " + textos);
    }

    // Real presses, moves and keys. Shift alone keeps a bar open on empty board; Esc, on the board or in the panel,
    // drops it as selecting a tool does, the tool waiting for a new start node; with no bar open Esc does nothing.
    void conElRatonYTeclas()
    {
        Ventana v;
        QVERIFY(v.Mostrar() && QTest::qWaitForWindowActive(&v.p));
        v.p.AgregarNodo(3, 1);
        v.Elegir(HerrBarra);
        v.Presionar(6, 4); // empty board: only the prompt
        QCOMPARE(Estado(v.p), "armada h3 «" + PromptFinal + "»");
        for (QWidget* foco : std::initializer_list<QWidget*> { C(v.p).Diagrama, C(v.p).Prin }) {
            v.Presionar(3, 1);
            QTest::mouseMove(C(v.p).Diagrama->viewport(), Pixel(Xt(6), Yt(4))); // sqrt(18) = 4.2426 cut
            QCOMPARE(Textos(v.p) + Estado(v.p), "4.24 45armada h3 panel «" + PromptFinal + "»");
            v.Presionar(6, 4, Qt::ShiftModifier);
            QCOMPARE(Barra1(v), Abierta);
            foco->setFocus();
            QTRY_VERIFY(foco->hasFocus() && QGuiApplication::focusWindow() == v.p.windowHandle());
            QTest::keyClick(foco, Qt::Key_Escape);
            QVERIFY(v.m.NumBarras == 0 && v.m.Barras.size() == 1 && !C(v.p).Barra[1]->EsVisible()
                && Estado(v.p) == "armada h3 «Seleccione nodo de inicio:»");
        }
        v.Presionar(3, 1);
        QTest::mouseMove(C(v.p).Diagrama->viewport(), Pixel(Xt(6), Yt(4)));
        v.Presionar(6, 4, Qt::ShiftModifier | Qt::ControlModifier);
        QTest::keyClick(&v.p, Qt::Key_Escape);
        // The middle, 3 + 2.12 cos 45 = 4.4990664 m and 2.4990664 m, is at 2332.047, 1350.504.
        QCOMPARE(Barra1(v) + Estado(v.p), "1-2 (6, 4) 4.24 45 | 3060 540 | «1» 2332.047 1350.504" + Cerrada);
    }

    void cierre_data()
    {
        const QString noCabe = "La longitud o el ángulo escrito es demasiado grande";
        const QString fuera = "El elemento queda fuera del alcance del dibujo";
        const QString sinNodos = "No se pueden agregar más de 20 nodos";
        // textos: put in the boxes first; clic: in metres, (0, 0) for Aceptar instead; mensaje: none once closed.
        Columnas<int, QString, QPointF, QString, QString>("nodos", "textos", "clic", "barra", "mensaje");
        // Measured between its nodes: length 0, and an angle of 0 rather than the 45 of the last move.
        Fila("click on its own start node", 1, "", QPointF(3, 1), "1-1 (3, 1) 0 0 | 1605 2160 | «1» 1605 2160", "");
        // Node and line follow the pointer, the stored values and the label the typed ones: (3, 1 + 1.5) m.
        Fila("typed, then a free click", 1, "3|90", QPointF(6, 4), "1-2 (6, 4) 3 90 | 3060 540 | «1» 1605 1350", "");
        // Not cut to 2.34: 5.345 m -> 2742.325, the float 2742.32495 -> back 5.344 m; the middle 4.1725 m -> 2173.662.
        Fila("typed, not cut", 1, "2.345|0", QPointF(), "1-2 (5.344, 1) 2.345 0 | 2742.325 2160 | «1» 2173.662 2160",
            "");
        // cos(90 * 3.14159265358979 / 180) = 1.6e-15 leaves x on 3 m.
        Fila("typed straight up", 1, "3|90", QPointF(), "1-2 (3, 4) 3 90 | 1605 540 | «1» 1605 1350", "");
        // A typed end always adds a node, even on top of one.
        Fila("typed onto its start node", 1, "0|0", QPointF(), "1-2 (3, 1) 0 0 | 1605 2160 | «1» 1605 2160", "");
        // Refused: the bar stays open as it was.
        Fila("typed length beyond a double", 1, "1e400|0", QPointF(), Abierta, noCabe);
        // 1e300 m is 4.85e305 twips: no 32-bit board position; 1e308 degrees times pi overflows.
        Fila("typed length off any board", 1, "1e300|0", QPointF(), Abierta, fuera);
        Fila("typed angle without direction", 1, "1|1e308", QPointF(), Abierta, fuera);
        // A free end click stores the panel's texts: refused there too. With twenty nodes a free end is refused.
        Fila("clicked, length off any board", 1, "1e300|45", QPointF(6, 4), Abierta, fuera);
        Fila("clicked end needing a 21st node", 20, "", QPointF(6, 4), Abierta, sinNodos);
        Fila("typed end needing a 21st node", 20, "1|0", QPointF(), Abierta, sinNodos);
    }
    void cierre()
    {
        const auto [nodos, textos, clic, barra, mensaje]
            = Datos<int, QString, QPointF, QString, QString>("nodos", "textos", "clic", "barra", "mensaje");
        Ventana v; // node A at (3, 1), nodes 2.. at (0.25 i, 0.5); a bar opened at A, to (6, 4): 4.24 m at 45 degrees
        v.p.AgregarNodo(3, 1);
        for (int i = 2; i <= nodos; ++i)
            v.p.AgregarNodo(0.25 * i, 0.5);
        v.Elegir(HerrBarra);
        v.Clic(3, 1);
        v.Mover(6, 4);
        v.Escribir(textos, clic.isNull());
        if (!clic.isNull())
            v.Clic(clic.x(), clic.y());
        QCOMPARE(Barra1(v) + Estado(v.p), barra + (mensaje.isEmpty() ? Cerrada : "armada h3 panel «" + mensaje + "»"));
        if (mensaje.isEmpty())
            return;
        v.Mover(1, 1); // refused: still drawing
        QCOMPARE(C(v.p).Angulo->text(), "180");
    }

    // Each load's line runs 500 twips along (cos, -sin), y down; it acts toward the node: Fx -= P cos, Fy -= P sin.
    void cargas()
    {
        Ventana v;
        v.p.AgregarNodo(3, 1);
        v.p.AgregarNodo(6, 4);
        v.Elegir(HerrCarga);
        // Disarmed on the node; the button stays pressed until Aceptar, and further presses pick nothing.
        v.Clic(3, 1);
        v.Clic(6, 4);
        QCOMPARE(Estado(v.p) + QString::number(v.p.Ver().estado.NodoCarga), "desarmada h1 panel «»1");
        // Refused: nothing drawn or counted, the panel open for a corrected text. 1e308 degrees times pi overflows.
        for (const char* textos : { "1e400|0", "1|1e308" }) {
            v.Escribir(textos, true);
            QCOMPARE(Estado(v.p) + QString::number(v.m.NumCargas),
                "desarmada h1 panel «La magnitud o el ángulo escrito es demasiado grande»0");
        }
        v.Escribir("1000|270", true);
        Cargar(v, "2.5abc|0"); // read as 2.5; the label, only shown, takes the region's comma
        // (4.8e-12, 1000) + (-2.5, -0), each load with its own line and label.
        QVERIFY(qAbs(v.m.Nodo(1).Fx + 2.5) < 1e-11 && v.m.Nodo(1).Fy == 1000.0);
        QCOMPARE(QList({ C(v.p).Fuerza[1]->item->line(), C(v.p).Fuerza[2]->item->line() }),
            QList({ QLineF(1605, 2160, 1605, 2660), QLineF(1605, 2160, 2105, 2160) }));
        QCOMPARE(Estado(v.p) + C(v.p).lbCarga[1]->TextoActual() + " " + C(v.p).lbCarga[2]->TextoActual(),
            "desarmada h-1 «»1000 2,5");
        // A second 1e308 N the same way would leave Fx infinite for the calculation.
        Cargar(v, "1e308|0");
        Cargar(v, "1e308|0");
        QCOMPARE(v.p.MensajeActual() + QString::number(v.m.Nodo(1).Fx),
            "La suma de las cargas del nodo es demasiado grande-1e+308");
        // Seven more at 90 degrees (sin = 1) make ten; an eleventh is refused and changes nothing.
        for (int k = 4; k <= 11; ++k)
            Cargar(v, "1|90");
        QCOMPARE(v.p.MensajeActual() + QString::asprintf("%d %.17g", v.m.NumCargas, v.m.Nodo(1).Fy),
            "No se pueden aplicar más de 10 cargas10 993");
    }
};

QTEST_MAIN(PruebaHerramientas)
#include "tst_herramientas.moc"
