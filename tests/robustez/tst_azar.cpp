// Seeded random user events on the real main window, invariants checked after each. TRABINA_EVENTOS: event count
// (100000; 20000 with TRABINA_SANITIZADO=1, probar.sh's sanitizer run). TRABINA_SEMILLA: the seed, printed on failure
// with the event index. TRABINA_REGIONAL: locale name (es_ES; "C" by default). E.g.:
//   TRABINA_EVENTOS=1000000 QT_QPA_PLATFORM=offscreen build/tests/tst_azar

#include "robustez/Invariantes.h"
#include "shell/Acerca.h"
#include "tools/VentanaPrueba.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <random>

namespace {

constexpr std::uint64_t SemillaFija = 20260607;
constexpr long EventosNormales = 100000, EventosSanitizados = 20000;
constexpr long PintarCada = 16; // repaint now and then, so that painting sees every state too
constexpr long MilisegundosPorEvento = 5; // a generous bound, for QtTest's watchdog
constexpr qsizetype Historial = 25;

long Eventos()
{
    bool bien = false;
    const long valor = qEnvironmentVariable("TRABINA_EVENTOS").toLong(&bien);
    const bool sanitizado = qEnvironmentVariable("TRABINA_SANITIZADO") == QStringLiteral("1");
    return bien ? valor : sanitizado ? EventosSanitizados : EventosNormales;
}

// Plays one random user event at a time; modal windows are answered from a timer.
struct Jugador {
    Principal& p;
    std::mt19937_64 motor;
    QString errorModal {}; // a violation seen while a modal window was open
    long calculosBien = 0, resultados = 0, nuevos = 0;
    std::array<QString, 2> tecleados {}; // Prin and Angulo as typing last left them
    bool abierta = false; // whether the last modal window waited for opened
    std::deque<std::function<QString()>> pendientes {}; // scripted events

    int Entero(int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(motor); }
    double Real(double desde, double hasta) { return std::uniform_real_distribution<double>(desde, hasta)(motor); }
    bool Probable(double q) { return Real(0, 1) < q; }
    int Elegir(std::initializer_list<int> w) { return std::discrete_distribution<>(w.begin(), w.end())(motor); }
    void Clic(QAbstractButton* boton) { QTest::mouseClick(boton, Qt::LeftButton); }
    // Half of the buttons' uses come by their shortcut keys.
    QKeyCombination Atajo(QKeyCombination tecla) { return Probable(0.5) ? tecla : QKeyCombination(); }
    void Pulsar(QAbstractButton* boton, QKeyCombination atajo)
    {
        atajo.key() == Qt::Key_unknown ? Clic(boton) : Tecla(atajo.key(), atajo.keyboardModifiers());
    }
    void Anotar(const QString& error) { errorModal = errorModal.isEmpty() ? error : errorModal; }

    // One event; returns what it did, for the replay log.
    QString Evento()
    {
        if (!pendientes.empty()) {
            const auto paso = pendientes.front();
            pendientes.pop_front();
            return paso();
        }
        switch (Elegir({ 3800, 2500, 1400, 1100, 600, 580, 20, 20, 5, 500, 5 })) {
        case 0: return Presionar(true);
        case 1: return Presionar(false);
        case 2: {
            // Mostly nodes and bars, so the truss fills up; a disabled button takes no click, as for the user.
            static const std::array Atajos { Qt::Key_P, Qt::Key_G, Qt::Key_O, Qt::Key_E, Qt::Key_R };
            const int h = Elegir({ 15, 15, 35, 30, 5 });
            Pulsar(C(p).Herramienta[size_t(h)], Atajo(Qt::ALT | Atajos[size_t(h)]));
            return QString::asprintf("herramienta %d", h);
        }
        case 3: return Escribir();
        case 4: Clic(C(p).Aceptar); return QStringLiteral("Aceptar");
        case 5: return PulsarCalcular();
        case 6: return VerResultados(Atajo(Qt::Key_F6));
        case 7: return Nuevo(Atajo(Qt::ALT | Qt::Key_N));
        case 8: return Preguntar(C(p).Salir, false, Atajo(Qt::CTRL | Qt::Key_Q)); // always No
        case 9: return Teclado();
        default:
            ConModal<Acerca>(C(p).Acercade, Atajo(Qt::Key_F7), [this](Acerca* acerca) { Clic(acerca->Command2); });
            return QStringLiteral("acerca de");
        }
    }

    // A node letter of either case to the board with the focus; Tab, Shift+Tab or Esc where the focus is.
    QString Teclado()
    {
        switch (Elegir({ 75, 20, 5 })) {
        case 0: {
            const char letra = char((Probable(0.5) ? 'A' : 'a') + Entero(0, MaxNodos - 1));
            C(p).Diagrama->setFocus();
            Tecla(letra, {}, C(p).Diagrama);
            return QStringLiteral("tecla %1 en el tablero").arg(QLatin1Char(letra));
        }
        case 1: {
            const bool atras = Probable(0.5);
            Tecla(atras ? Qt::Key_Backtab : Qt::Key_Tab, atras ? Qt::ShiftModifier : Qt::NoModifier);
            return QStringLiteral("tabulador%1, foco en %2")
                .arg(atras ? QStringLiteral(" atrás") : QString(), Nombre(QApplication::focusWidget()));
        }
        default: Tecla(Qt::Key_Escape); return QStringLiteral("Esc");
        }
    }

    static QString Nombre(const QObject* objeto) { return objeto ? objeto->objectName() : QStringLiteral("nada"); }

    // A key where the focus is, or to `destino`. A shortcut clicks its button only after
    // showing it pressed a moment: wait, so that whatever the click opens is answered here.
    template <typename K> void Tecla(K tecla, Qt::KeyboardModifiers teclas = {}, QWidget* destino = nullptr)
    {
        if (QApplication::activeWindow() != &p) {
            p.activateWindow();
            if (!QTest::qWaitForWindowActive(&p))
                Anotar(QStringLiteral("la ventana principal no se activa"));
        }
        QWidget* foco = QApplication::focusWidget();
        QTest::keyClick(destino ? destino : foco ? foco : &p, tecla, teclas);
        const QList<QAbstractButton*> botones = p.findChildren<QAbstractButton*>();
        const auto sueltos
            = [&botones] { return std::none_of(botones.begin(), botones.end(), [](auto* b) { return b->isDown(); }); };
        if (!QTest::qWaitFor(sueltos, 2000))
            Anotar(QStringLiteral("un botón sigue presionado tras una tecla"));
    }

    QString Nuevo(QKeyCombination tecla)
    {
        const bool si = Probable(0.5);
        const QString hecho = Preguntar(C(p).Herramienta[HerrNuevo], si, tecla);
        nuevos += abierta && si;
        if (abierta && si)
            ArmarTriangulo(); // random events go on from there
        return hecho;
    }

    QString Texto()
    {
        static const char* const Raros[] = { "1e400", "-1e400", "1e308", "5e-324", "1e39", "-3e38", "1E+", "-", ".",
            "+.5e-3", "½", "∞", "NaN", "inf", "-0", "٣", "１２", "1,5e3", " 1 2 . 5 ", "\t3", "--1" };
        const auto cifras = [this](int cuantas, QLatin1String alfabeto) {
            QString texto;
            while (cuantas-- > 0)
                texto += alfabeto[Entero(0, int(alfabeto.size()) - 1)];
            return texto;
        };
        switch (Entero(0, 10)) {
        case 0: return QString::number(Entero(-50, 50));
        case 1: return QString::number(Real(-20, 360), 'f', Entero(0, 4));
        case 2: return QStringLiteral("&H") + cifras(Entero(0, 12), QLatin1String("0123456789abcdefABCDEF"));
        case 3: return QStringLiteral("&O") + cifras(Entero(0, 25), QLatin1String("01234567"));
        case 4: return QString::number(Entero(-9, 9)) + QLatin1Char(',') + QString::number(Entero(0, 99));
        case 5: return QString::fromUtf8(Raros[Entero(0, int(std::size(Raros)) - 1)]);
        case 6: return QString();
        case 7: return cifras(Entero(1, 12), QLatin1String(" !\"#$%&'()*+,-./0123456789:;<=>?@ADEHOZaehoz[]^_{|}~"));
        case 8: return QString::number(Entero(1, 9)) + QStringLiteral("e") + QString::number(Entero(-40, 40));
        default: return QStringLiteral("1") + QString(Entero(20, 400), QLatin1Char(Probable(0.5) ? '0' : '9'));
        }
    }

    // 0: anywhere on the board; 1: within 70 twips of a node, some just outside its 120-twip
    // search square; 2: inside a shown label, support image or the axes picture; 3: on the edge.
    QPointF Punto(int donde)
    {
        if (donde == 1 && C(p).modulo.NumNodos > 0) {
            const NodoRec& nodo = C(p).modulo.Nodo(Entero(1, C(p).modulo.NumNodos));
            return { C(p).coordenadas.ATwips(nodo.X, Eje::X) + Real(-70, 70),
                C(p).coordenadas.ATwips(nodo.Y, Eje::Y) + Real(-70, 70) };
        }
        if (donde == 2) {
            std::vector<QRectF> zonas { { C(p).Coordenas->Left(), C(p).Coordenas->Top(), C(p).Coordenas->Width(),
                C(p).Coordenas->Height() } };
            const auto agregar = [&zonas](const auto& pool) {
                for (const auto& e : pool) {
                    if (e && e->EsVisible())
                        zonas.emplace_back(e->Left(), e->Top(), e->Width(), e->Height());
                }
            };
            agregar(C(p).lbNodo), agregar(C(p).lbBarra), agregar(C(p).lbFuerza), agregar(C(p).lbCarga),
                agregar(C(p).Apoyo);
            const QRectF& z = zonas[size_t(Entero(0, int(zonas.size()) - 1))];
            return { z.left() + Real(0, 1) * z.width(), z.top() + Real(0, 1) * z.height() };
        }
        if (donde == 3)
            return { Probable(0.5) ? 0.0 : AnchoTablero - 0.01, Real(0, AltoTablero) };
        return { Real(0, AnchoTablero), Real(0, AltoTablero) };
    }

    // A real mouse event on the board's viewport; one pixel is 15 twips.
    void Raton(QEvent::Type tipo, QPointF twips, Qt::MouseButton boton, Qt::MouseButtons botones, int teclas)
    {
        QWidget* vista = C(p).Diagrama->viewport();
        const QPointF pixel = twips / TwipsPorPixel;
        const Qt::KeyboardModifiers mod = (teclas & 1 ? Qt::ShiftModifier : Qt::NoModifier)
            | (teclas & 2 ? Qt::ControlModifier : Qt::NoModifier) | (teclas & 4 ? Qt::AltModifier : Qt::NoModifier);
        QMouseEvent evento(tipo, pixel, vista->mapToGlobal(pixel), boton, botones, mod);
        QApplication::sendEvent(vista, &evento);
    }
    void Clic(QEvent::Type tipo, QPointF twips, Qt::MouseButton boton, int teclas)
    {
        Raton(tipo, twips, boton, boton, teclas);
        Raton(QEvent::MouseButtonRelease, twips, boton, Qt::NoButton, teclas);
    }

    // A pointer move (some dragging, beyond the board's edges too), or a press: a drawing bar tool aims at nodes more.
    QString Presionar(bool mover)
    {
        const bool barra = C(p).HerramientaActual == HerrBarra && C(p).Banderas[Bandera::Armada];
        QPointF punto = Punto(mover ? Elegir({ 60, 30, 10 })
                : barra             ? Elegir({ 20, 60, 12, 8 })
                                    : Elegir({ 35, 35, 20, 10 }));
        const int teclas = Elegir({ 60, 15, 10, 10, 5 }); // bits 1 Shift, 2 Ctrl, 4 Alt
        if (mover) {
            const bool arrastre = Probable(0.2);
            if (arrastre && Probable(0.3))
                punto = { Real(-3000, 12000), Real(-3000, 9000) };
            Raton(QEvent::MouseMove, punto, Qt::NoButton, arrastre ? Qt::LeftButton : Qt::NoButton, teclas);
            return QString::asprintf("mover a (%g, %g) arrastre %d teclas %d", punto.x(), punto.y(), arrastre, teclas);
        }
        if (Probable(0.1)) {
            const EventoPuntero e { Entero(0, 7), Entero(0, 7), float(punto.x()), float(punto.y()) };
            p.Diagrama_MouseDown(e);
            return QString::asprintf("Diagrama_MouseDown(%d, %d, %g, %g)", e.Button, e.Shift, double(e.X), double(e.Y));
        }
        punto = { std::clamp(punto.x(), 0.0, AnchoTablero - 0.01), std::clamp(punto.y(), 0.0, AltoTablero - 0.01) };
        const Qt::MouseButton boton
            = std::array { Qt::LeftButton, Qt::RightButton, Qt::MiddleButton }[size_t(Elegir({ 80, 15, 5 }))];
        const bool doble = Entero(1, 20) == 1; // a quick second click arrives as a double click
        Clic(QEvent::MouseButtonPress, punto, boton, teclas);
        if (doble)
            Clic(QEvent::MouseButtonDblClick, punto, boton, teclas);
        return QString::asprintf(
            "presionar en (%g, %g) boton %d teclas %d doble %d", punto.x(), punto.y(), int(boton), teclas, doble);
    }

    // Typed after Ctrl+A or appended, pasted, or a backspace; a character beyond Latin-1 arrives with its text only.
    QString Escribir()
    {
        const bool enPrin = Probable(0.5);
        QLineEdit* cuadro = enPrin ? C(p).Prin : C(p).Angulo;
        const QString nombre = Nombre(cuadro);
        if (!cuadro->isEnabled())
            return nombre + QStringLiteral(" deshabilitado");
        const QString texto = Texto();
        const int modo = Elegir({ 65, 20, 10, 5 });
        if (modo != 1) // select all before typing or pasting, or one backspace
            QTest::keyClick(
                cuadro, modo == 3 ? Qt::Key_Backspace : Qt::Key_A, modo == 3 ? Qt::NoModifier : Qt::ControlModifier);
        if (modo == 2)
            cuadro->insert(texto); // pasted over the selection
        for (QChar c : modo < 2 ? texto : QString()) {
            if (c.unicode() < 0x100)
                QTest::keyClick(cuadro, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, cuadro, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        tecleados[enPrin ? 0 : 1] = cuadro->text();
        if (Entero(1, 8) == 1)
            QTest::keyClick(cuadro, Qt::Key_Return); // Enter presses Aceptar
        return QStringLiteral("escribir en %1 (modo %2): \"%3\" -> \"%4\"")
            .arg(nombre, QString::number(modo), texto, cuadro->text());
    }

    QString PulsarCalcular()
    {
        const bool habilitado = C(p).Calcular->isEnabled();
        Pulsar(C(p).Calcular, Atajo(Qt::Key_F5));
        calculosBien += habilitado && p.MensajeActual() == Calculada;
        return QStringLiteral("Calcular (habilitado %1): %2").arg(habilitado).arg(p.MensajeActual());
    }

    // Clicks `abrir`, or presses its shortcut `tecla`, while a timer hands the modal window
    // `V` to `responder`, which must close it; whatever is still open then is closed.
    template <typename V, typename F> void ConModal(QAbstractButton* abrir, QKeyCombination tecla, F responder)
    {
        QTimer espera;
        espera.setInterval(0);
        abierta = false;
        QObject::connect(&espera, &QTimer::timeout, [&] {
            QWidget* ventana = QApplication::activeModalWidget();
            if (!ventana)
                return;
            espera.stop();
            abierta = true;
            if (V* propia = qobject_cast<V*>(ventana))
                responder(propia);
            if (QApplication::activeModalWidget() == ventana) {
                Anotar(QStringLiteral("la ventana modal %1 no se cerró").arg(ventana->metaObject()->className()));
                ventana->close();
            }
        });
        espera.start();
        Pulsar(abrir, tecla);
        espera.stop();
    }

    QString VerResultados(QKeyCombination tecla = {})
    {
        if (!C(p).Resultados->isEnabled() && tecla.key() == Qt::Key_unknown)
            return PulsarCalcular();
        QStringList filas;
        ConModal<Final>(C(p).Resultados, tecla, [&](Final* final) {
            for (int i = 0; i < final->Elemento->count(); ++i)
                Anotar(invariantes::Regional(final->Elemento->item(i)->text(), true));
            for (const QLabel* apoyo : final->Apoyo)
                Anotar(invariantes::Regional(apoyo->text(), true));
            for (int k = Entero(0, 3); k > 0 && final->Elemento->count() > 0; --k) {
                const int fila = Entero(0, final->Elemento->count() - 1);
                QTest::mouseClick(final->Elemento->viewport(), Qt::LeftButton, {},
                    final->Elemento->visualItemRect(final->Elemento->item(fila)).center());
                filas << QString::number(fila);
                Anotar(invariantes::Comprobar(p, tecleados));
            }
            Probable(0.5) ? Clic(final->Salir) : void(final->close());
        });
        resultados += abierta;
        return QStringLiteral("resultados, filas elegidas: %1").arg(filas.join(QLatin1Char(' ')));
    }

    QString Preguntar(QAbstractButton* boton, bool si, QKeyCombination tecla)
    {
        ConModal<QMessageBox>(
            boton, tecla, [si](QMessageBox* caja) { caja->button(si ? QMessageBox::Yes : QMessageBox::No)->click(); });
        return QStringLiteral("%1 %2%3").arg(
            Nombre(boton), QString::fromUtf8(si ? "Sí" : "No"), abierta ? QString() : QStringLiteral(" (no se abrió)"));
    }

    // A triangle on two supports, drawn with real clicks and calculated as the next event
    // after a new project, so that calculations succeed and results have something to show.
    void ArmarTriangulo()
    {
        // 0.02 m past a tenth: the node tool's snap writes both texts there.
        const Coordenadas& c = C(p).coordenadas;
        const auto punto = [this, &c](double x0, double x1, double y0, double y1) {
            return QPointF(c.ATwips(std::floor(Real(x0, x1) * c.AnchoDibujo * 10) / 10 + 0.02, Eje::X) + 0.5,
                c.ATwips(std::floor(Real(y0, y1) * c.AltoDibujo * 10) / 10 + 0.02, Eje::Y) - 0.5);
        };
        const std::array v { punto(0.05, 0.3, 0.1, 0.3), punto(0.6, 0.95, 0.1, 0.3), punto(0.35, 0.55, 0.6, 0.9) };
        pendientes.push_back([this, v] {
            const auto presionar = [this](int herramienta, std::initializer_list<QPointF> puntos) {
                Clic(C(p).Herramienta[size_t(herramienta)]);
                for (QPointF q : puntos)
                    Raton(QEvent::MouseMove, q, Qt::NoButton, Qt::NoButton, 0),
                        Clic(QEvent::MouseButtonPress, q, Qt::LeftButton, 0);
            };
            for (QPointF q : v)
                presionar(HerrNodo, { q });
            presionar(HerrBarra, { v[0], v[1] }), presionar(HerrBarra, { v[1], v[2] });
            presionar(HerrBarra, { v[2], v[0] }), presionar(HerrApoyos, { v[0], v[1] }), presionar(HerrCarga, { v[2] });
            // A load at the top, so that forces and reactions have decimals to show.
            for (QLineEdit* cuadro : { C(p).Prin, C(p).Angulo }) {
                QTest::keyClick(cuadro, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(cuadro, QString::number(Entero(1, 3600) / 10.0));
            }
            Clic(C(p).Aceptar);
            return QString::asprintf("triángulo (%g, %g) (%g, %g) (%g, %g) cargado, ", v[0].x(), v[0].y(), v[1].x(),
                       v[1].y(), v[2].x(), v[2].y())
                + PulsarCalcular();
        });
        if (Probable(0.3))
            pendientes.push_back([this] { return QStringLiteral("triángulo: ") + VerResultados(); });
    }
};

} // namespace

class PruebaAzar : public QObject {
    Q_OBJECT
private slots:
    void usoAlAzar()
    {
        const QString region = qEnvironmentVariable("TRABINA_REGIONAL");
        QLocale::setDefault(region.isEmpty() ? QLocale::c() : QLocale(region));
        bool dada = false;
        const std::uint64_t leida = qEnvironmentVariable("TRABINA_SEMILLA").toULongLong(&dada);
        const std::uint64_t semilla = dada ? leida : SemillaFija;
        const long eventos = Eventos();
        std::printf("tst_azar: semilla %llu, %ld eventos, %s\n", static_cast<unsigned long long>(semilla), eventos,
            qPrintable(QLocale().name()));
        Modulo m;
        Principal p(m, Principal::Arranque::SinPresentacion);
        p.show();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        Jugador jugador { .p = p, .motor = std::mt19937_64(semilla) };
        QStringList historial;
        int maxNodos = 0, maxBarras = 0;
        QVERIFY(invariantes::Comprobar(p, jugador.tecleados).isEmpty());
        for (long i = 0; i < eventos; ++i) {
            historial << QString::number(i) + QStringLiteral(": ") + jugador.Evento();
            if (historial.size() > Historial)
                historial.removeFirst();
            if (i % PintarCada == 0)
                QCoreApplication::processEvents();
            const QString error
                = jugador.errorModal.isEmpty() ? invariantes::Comprobar(p, jugador.tecleados) : jugador.errorModal;
            if (!error.isEmpty())
                QFAIL(qPrintable(QStringLiteral("\nsemilla %1, evento %2: %3\nrepetir con TRABINA_SEMILLA=%1 "
                                                "TRABINA_EVENTOS=%4\núltimos eventos:\n  %5")
                                     .arg(QString::number(semilla), QString::number(i), error, QString::number(i + 1),
                                         historial.join(QStringLiteral("\n  ")))));
            maxNodos = std::max<int>(maxNodos, m.NumNodos);
            maxBarras = std::max<int>(maxBarras, m.NumBarras);
        }
        std::printf("tst_azar: %ld Calcular resueltos, %ld resultados, %ld nuevos; máximos %d nodos, %d barras\n",
            jugador.calculosBien, jugador.resultados, jugador.nuevos, maxNodos, maxBarras);
        // A long run that never filled the pools nor solved a truss would have tested little.
        if (eventos >= EventosSanitizados) {
            QCOMPARE(maxNodos, MaxNodos);
            QCOMPARE(maxBarras, MaxBarras);
            QVERIFY(jugador.calculosBien > 0 && jugador.resultados > 0 && jugador.nuevos > 0);
        }
    }
};

// QTEST_MAIN, with QtTest's watchdog (five minutes by default) stretched to the event count.
int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::max(300000L, Eventos() * MilisegundosPorEvento)));
    QApplication aplicacion(argc, argv);
    aplicacion.setAttribute(Qt::AA_Use96Dpi, true);
    PruebaAzar prueba;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prueba, argc, argv);
}

#include "tst_azar.moc"
