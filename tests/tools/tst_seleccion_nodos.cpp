// Tool selection, the new project and the drawing size; nodes, their hit-testing and the node tool; the supports.

#include "board/Colores.h"
#include "tools/VentanaPrueba.h"

namespace {

// Three nodes, both supports, a bar, a load and what a calculation leaves.
void ArmarCercha(Ventana& v)
{
    for (QPointF n : { QPointF(0, 0), QPointF(4, 0), QPointF(2, 2) })
        v.p.AgregarNodo(n.x(), n.y());
    for (int herramienta : { HerrApoyos, HerrBarra }) {
        v.Elegir(herramienta);
        v.Clic(0, 0);
        v.Clic(4, 0);
    }
    v.Elegir(HerrCarga);
    v.Clic(2, 2);
    v.Escribir("10|270", true);
    C(v.p).Barra[1]->Color(ColorCompresion);
    C(v.p).lbFuerza[1]->Visible(true);
    C(v.p).Resultados->setEnabled(true);
    v.m.MatrizCalculo[1][1] = 7;
    v.p.Mensaje("Cercha calculada satisfactoriamente");
    v.Escribir("8|9");
}

QString Cercha(const Ventana& v)
{
    return QString::asprintf("%d nodos %d barras %d cargas, apoyos %d %d%s, %d visibles, %s, barra %s", v.m.NumNodos,
        v.m.NumBarras, v.m.NumCargas, v.m.Apoyos[1], v.m.Apoyos[2], C(v.p).Banderas[Bandera::FijoPuesto] ? " fijo" : "",
        ElementosVisibles(v.p), qPrintable(Habilitadas(v.p)), qPrintable(C(v.p).Barra[1]->ColorActual().name()));
}

QString Tamano(const Principal& p)
{
    return QString("%1 x %2").arg(C(p).coordenadas.AnchoDibujo).arg(C(p).coordenadas.AltoDibujo);
}

QString Lugar(const Ventana& v, int n)
{
    return QString("%1 %2").arg(v.m.Nodo(n).X).arg(v.m.Nodo(n).Y);
}

const EventoPuntero En1237 { 0, 0, 750, 2700 }; // (1.237, 0) m: the node tool writes 1.25 and 0.05

// The supports' nodes and where their symbols show ("-" while hidden).
QString Apoyos(const Ventana& v)
{
    const auto lugar = [&](int i) {
        const Imagen& a = *C(v.p).Apoyo[i];
        return a.EsVisible() ? QString("%1 en %2 %3").arg(v.m.Apoyos[size_t(i + 1)]).arg(a.Left()).arg(a.Top()) : "-";
    };
    return "fijo " + lugar(0) + ", movil " + lugar(1);
}

} // namespace

class PruebaSeleccionNodos : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

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
        QCOMPARE(Estado(v.p), estado);
        const QStringList textos { C(v.p).Datos->title(), C(v.p).Label1->text(), C(v.p).Label2->text(),
            C(v.p).Prin->text(), C(v.p).Angulo->text() };
        QCOMPARE(textos.join('|'), panel);
        QCOMPARE(QPoint(C(v.p).HerramientaActual, C(v.p).Banderas[Bandera::EsperaInicio]),
            QPoint(codigo, codigo == HerrBarra));
    }

    void nuevoProyecto_data()
    {
        QTest::addColumn<bool>("si");
        Fila("answered Yes", true);
        Fila("answered No", false);
    }
    void nuevoProyecto()
    {
        QFETCH(bool, si);
        Ventana v;
        ArmarCercha(v);
        const QString antes = Cercha(v);
        RegistroHabilitado registro(v.p);
        const auto caja = ResponderCaja(si ? QMessageBox::Yes : QMessageBox::No);
        v.Elegir(HerrNuevo);
        QCOMPARE(*caja,
            QString("Vexo.Parvu.Trabina|4|%1|&Sí &No|¿Esta seguro que desea borrar los elementos actuales?")
                .arg(QMessageBox::Yes | QMessageBox::No));
        // All on, Calcular and Resultados off, then 0, 3 and 1 off, in that order.
        const QString orden = "Apoyo on,Area on,Cálcular off,Result off,Apoyo off,Elemen off,Carga off";
        QCOMPARE(registro.cambios.join(','), si ? orden : "");
        const QString despues = si ? "0 nodos 0 barras 0 cargas, apoyos 0 0, 1 visibles, 245, barra #f7bb6a" : antes;
        QCOMPARE(Cercha(v), despues);
        // Either way the tool is current and armed; the panel, message, size, NodoCarga and matrix stay.
        QCOMPARE(Estado(v.p), QString(si ? "armada h-1" : "armada h5") + " «Cercha calculada satisfactoriamente»");
        QCOMPARE(QString::asprintf("%s|%s|%s|%d|%g", qPrintable(C(v.p).Prin->text()), qPrintable(C(v.p).Angulo->text()),
                     qPrintable(Tamano(v.p)), v.p.Ver().estado.NodoCarga, v.m.MatrizCalculo[1][1]),
            "8|9|10 x 5|3|7");
        // Board presses do nothing under code 5 but clear the message.
        v.Clic(2, 2);
        QCOMPARE(Cercha(v) + v.p.MensajeActual(), despues);
    }

    void tamano_data()
    {
        // Done: released, but armed with the panel open. Refused: the size and the tool stay as they were.
        Columnas<QString, QString>("textos", "resultado");
        const QString hecho = " armada h-1 panel «»";
        Fila("7.5 rounds to 8", "7.5|4.2", "8 x 4.2" + hecho);
        Fila("6.5 rounds to even 6", "6.5|2.5", "6 x 2.5" + hecho);
        Fila("widest, lowest", "32767|0.001", "32767 x 0.001" + hecho);
        const QString ancho = "10 x 5 armada h4 panel «El ancho del dibujo debe estar entre 1 y 32767 metros»";
        const QString alto = "10 x 5 armada h4 panel «El alto del dibujo debe ser un número mayor que 0»";
        const QString alcance = "10 x 5 armada h4 panel «El alto del dibujo está fuera del alcance del tablero»";
        Fila("width rounds to 0", "0.4|5", ancho);
        Fila("width beyond 16 bits", "32768|5", ancho);
        Fila("32767.5 rounds to even 32768", "32767.5|5", ancho);
        Fila("zero height", "10|0", alto);
        Fila("height too large for a double", "10|1e400", alcance);
        // 1e303 * 2700000 overflows: Y = 0 would have no board point.
        Fila("height whose conversion overflows", "10|1e303", alcance);
    }
    void tamano()
    {
        const auto [textos, resultado] = Datos<QString, QString>("textos", "resultado");
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        Ventana v;
        v.Elegir(HerrArea);
        v.Escribir(textos);
        QTest::keyClick(C(v.p).Angulo, Qt::Key_Return);
        QCOMPARE(Tamano(v.p) + " " + Estado(v.p), resultado);
        QCOMPARE(C(v.p).coordenadas.AltoDoble, resultado.contains("h-1"));
        // Selected again, the tool shows the size with "." in any region: Aceptar reads it back.
        v.Elegir(HerrArea);
        QCOMPARE(C(v.p).Prin->text() + " x " + C(v.p).Angulo->text(), resultado.section(' ', 0, 2));
    }

    void veinteNodos()
    {
        Ventana v;
        C(v.p).Datos->setEnabled(true);
        RegistroHabilitado registro(v.p);
        for (int i = 1; i <= 20; ++i)
            QVERIFY(v.p.AgregarNodo(0.25 * i, 1));
        // The panel and tool 4 off, then tools 0, 3 and 1 on, in that order; later nodes change nothing.
        QCOMPARE(registro.cambios,
            QStringList({ "Parámetros configuración off", "Area off", "Apoyo on", "Elemen on", "Carga on" }));
        // Node C at (0.75, 1) m is at (363.75 + 150, 2160): the dot's corner 50 up and left, the letter's 250 above.
        QCOMPARE(C(v.p).Nodo[3]->item->pos(), QPointF(463.75, 2110));
        QCOMPARE(C(v.p).lbNodo[3]->item->pos(), QPointF(513.75, 1910));
        QCOMPARE(C(v.p).lbNodo[1]->TextoActual() + C(v.p).lbNodo[3]->TextoActual() + C(v.p).lbNodo[20]->TextoActual(),
            "ACT");
        QCOMPARE(ElementosVisibles(v.p), 41); // the axes, a dot and a letter for each node
        // Each new letter goes in front of everything.
        for (const QGraphicsItem* item : C(v.p).Diagrama->Escena().items())
            QVERIFY(item == C(v.p).lbNodo[20]->item || item->zValue() < C(v.p).lbNodo[20]->item->zValue());

        // A twenty-first node is refused by a click and by typing; the tool stays as it was.
        v.Elegir(HerrNodo);
        v.Escribir("1|1");
        for (int intento = 0; intento < 2; ++intento) {
            intento ? QTest::mouseClick(C(v.p).Aceptar, Qt::LeftButton) : v.p.Diagrama_MouseDown(En1237);
            QCOMPARE(Estado(v.p), "armada h2 panel «No se pueden agregar más de 20 nodos»");
            QCOMPARE(QPoint(v.m.NumNodos, ElementosVisibles(v.p)), QPoint(20, 41));
        }
    }

    void buscarNodo_data()
    {
        Columnas<QPolygonF, QPointF, int>("nodos", "punto", "esperado");
        // Node at (0, 0): point (150, 2700), found for 100 < x < 220 and 2650 < y < 2770.
        const QPolygonF origen { QPointF(0, 0) };
        Fila("no nodes", QPolygonF(), QPointF(150, 2700), 0);
        Fila("x = 100", origen, QPointF(100, 2700), 0);
        Fila("x just past 100", origen, QPointF(100.5, 2700), 1);
        Fila("x = 220", origen, QPointF(220, 2700), 0);
        Fila("y = 2650", origen, QPointF(150, 2650), 0);
        Fila("y just past 2650", origen, QPointF(150, 2650.5), 1);
        // Node at (2, 5): point (1120, 0); the square is shifted to 0 < y < 120, below the dot's bottom at 70.
        Fila("top edge, y = 100", QPolygonF { QPointF(2, 5) }, QPointF(1120, 100), 1);
        Fila("top edge, y = 120", QPolygonF { QPointF(2, 5) }, QPointF(1120, 120), 0);
        // Node at (-0.3, 0): -145.5 + 150 = 4.5; the square is shifted to 0 < x < 120.
        Fila("left edge, x = 100", QPolygonF { QPointF(-0.3, 0) }, QPointF(100, 2700), 1);
        Fila("left edge, x = 120", QPolygonF { QPointF(-0.3, 0) }, QPointF(120, 2700), 0);
        // (1, 1) twice, then (1.1, 1): squares 585..705 and 633.5..753.5 across.
        const QPolygonF juntos { QPointF(1, 1), QPointF(1, 1), QPointF(1.1, 1) };
        Fila("overlap, the lowest number wins", juntos, QPointF(640, 2160), 1);
        Fila("overlap, only the third", juntos, QPointF(720, 2160), 3);
    }
    void buscarNodo()
    {
        const auto [nodos, punto, esperado] = Datos<QPolygonF, QPointF, int>("nodos", "punto", "esperado");
        Ventana v;
        for (const QPointF& n : nodos)
            v.p.AgregarNodo(n.x(), n.y());
        QCOMPARE(int(v.p.BuscarNodo(float(punto.x()), float(punto.y()))), esperado);
    }

    void ajusteAlMover_data()
    {
        Columnas<QPoint, QString>("pixel", "textos");
        // t = floor(10 m), d = 100 m - 10 t to even: d > 5 writes (t + 1) / 10, d < 5 writes (10 t + 5) / 100,
        // d = 5 keeps the text. 750 -> 1.237 m: d = 4 -> 1.25; 2700 -> 0 m: 0.05.
        Fila("1.237 m and 0 m", QPoint(50, 180), "1.25 0.05");
        // 0 -> -0.31 m: t = -4, d = 9 -> -0.3; 2850 -> -0.278 m: t = -3, d = 2 -> -0.25.
        Fila("negative metres", QPoint(0, 190), "-0.3 -0.25");
        // 225 -> 0.154 m: d = 5.4 -> 5; 135 -> 4.75 m: d = 5.
        Fila("d = 5 keeps both texts", QPoint(15, 9), "7 9");
    }
    // The panel is read back as numbers: "." in any region. A press anywhere places the node at what it holds.
    void ajusteAlMover()
    {
        const auto [pixel, textos] = Datos<QPoint, QString>("pixel", "textos");
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        Ventana v;
        QVERIFY(v.Mostrar());
        v.Elegir(HerrNodo);
        v.Escribir("7|9");
        QTest::mouseMove(C(v.p).Diagrama->viewport(), pixel);
        QCOMPARE(C(v.p).Prin->text() + " " + C(v.p).Angulo->text(), textos);
        v.p.Diagrama_MouseDown({ 1, 0, 4000, 4000 });
        QCOMPARE(Lugar(v, 1) + " " + Estado(v.p), textos + " desarmada h-1 «»");
        v.p.Diagrama_MouseMove(En1237); // disarmed: nothing written
        QCOMPARE(C(v.p).Prin->text() + " " + C(v.p).Angulo->text(), textos);
    }

    void nodoEscrito_data()
    {
        Columnas<QString, QString>("textos", "resultado");
        Fila("2.5 and 1", "2.5|1", "2.5 1");
        Fila("a comma ends the number", "2,5|1", "2 1");
        Fila("no number reads 0", "equis|1", "0 1");
        const QString alcance = "La posición del nodo está fuera del alcance del dibujo";
        const QString grande = "El número escrito es demasiado grande";
        // 1e36 * 485 = 4.85e38 twips, past the largest float (3.4e38); (5 - 1e36) * 540 likewise.
        Fila("x past a float", "1e36|1", alcance);
        Fila("y past a float", "1|1e36", alcance);
        // 1e300 * 4850000 / 1000 is a finite double far past a float: refused before any narrowing.
        Fila("x far past a float", "1e300|1", alcance);
        // 1e305 * 4850000 overflows the double itself.
        Fila("x whose conversion is infinite", "1e305|1", alcance);
        Fila("x too large for a double", "1e400|1", grande);
    }
    void nodoEscrito()
    {
        const auto [textos, resultado] = Datos<QString, QString>("textos", "resultado");
        Ventana v;
        v.Elegir(HerrNodo);
        v.Escribir(textos);
        QTest::keyClick(C(v.p).Angulo, Qt::Key_Return);
        QCOMPARE(v.m.NumNodos ? Lugar(v, 1) : v.p.MensajeActual(), resultado);
        // Placed: released with the panel off, but still armed for clicks. Refused: the tool stays as it was.
        QCOMPARE(Estado(v.p), v.m.NumNodos ? "armada h-1 «»" : "armada h2 panel «" + resultado + "»");
        if (v.m.NumNodos)
            return;
        // A board click with the same texts is refused alike, with nothing drawn.
        v.p.Diagrama_MouseDown(En1237);
        QCOMPARE(Estado(v.p), "armada h2 panel «" + resultado + "»");
        QCOMPARE(ElementosVisibles(v.p), 1);
        QCOMPARE(Habilitadas(v.p), "245");
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
        QCOMPARE(Apoyos(v), "fijo 1 en -90 2510, movil 2 en 1850 2510");
        QCOMPARE(Estado(v.p) + Habilitadas(v.p), "desarmada h-1 «»1235 calcular");
        // Dots, lines, labels and the axes are drawn over both symbols.
        for (const QGraphicsItem* item : C(v.p).Diagrama->Escena().items()) {
            if (item != C(v.p).Apoyo[0]->item && item != C(v.p).Apoyo[1]->item)
                QVERIFY(item->zValue() > qMax(C(v.p).Apoyo[0]->item->zValue(), C(v.p).Apoyo[1]->item->zValue()));
        }

        // A further node brings the tool back; the roller cannot go to the fixed support's node nor to empty board.
        v.p.AgregarNodo(2, 2);
        QCOMPARE(Habilitadas(v.p), "01235 calcular");
        for (QPointF punto : { QPointF(0, 0), QPointF(9, -3) }) {
            v.Elegir(HerrApoyos);
            QCOMPARE(Estado(v.p), "armada h0 «Seleccione el nodo del apoyo movil»");
            v.Presionar(punto.x(), punto.y());
            QCOMPARE(Estado(v.p), "armada h-1 «Seleccione nodo para el apoyo»");
            QCOMPARE(Apoyos(v), "fijo 1 en -90 2510, movil 2 en 1850 2510");
        }
        // It moves to C: 1120 - 240 = 880, 1620 - 190 = 1430.
        v.Presionar(2, 2, {}, Qt::MiddleButton);
        QCOMPARE(Apoyos(v), "fijo 1 en -90 2510, movil 3 en 880 1430");

        // A press on a letter or a support symbol acts on the board at that point. Node 4 (0.1, 0.5) is at
        // (198.5, 2430): its square reaches under A's letter at (150, 2450); A's fixed support spans (-90, 2510)+480.
        v.p.AgregarNodo(0.1, 0.5);
        QVERIFY(C(v.p).lbNodo[1]->Contiene(180, 2475));
        v.Elegir(HerrCarga);
        QTest::mouseClick(C(v.p).Diagrama->viewport(), Qt::LeftButton, {}, Pixel(180, 2475));
        QCOMPARE(v.p.Ver().estado.NodoCarga, int16_t(4));
        QVERIFY(C(v.p).Apoyo[0]->Contiene(150, 2700));
        v.Elegir(HerrCarga);
        v.Presionar(0, 0);
        QCOMPARE(v.p.Ver().estado.NodoCarga, int16_t(1));
    }
};

QTEST_MAIN(PruebaSeleccionNodos)
#include "tst_seleccion_nodos.moc"
