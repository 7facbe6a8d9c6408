// Splash hand-over, about box and help, confirmed exit ("Yes" runs in a child).

#include "ControlesPrueba.h"
#include "PrimerPintado.h"
#include "shell/Acerca.h"
#include "shell/Ayuda.h"
#include "shell/Inicio.h"
#include "shell/Traduccion.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const char* const VariableHijo = "TRABINA_PRUEBA_SALIR";
const QString Titulo = QStringLiteral("Vexo.Parvu.Trabina");

template <Principal::Arranque A = Principal::Arranque::SinPresentacion> struct Ventana {
    Modulo m;
    Principal p { m, A };
};
using ConInicio = Ventana<Principal::Arranque::ConPresentacion>;

// Runs `accion` (which must close it) on the first modal T: it blocks the opener.
template <typename T> struct AlAbrirse {
    QTimer sondeo;
    explicit AlAbrirse(std::function<void(T*)> accion)
    {
        QObject::connect(&sondeo, &QTimer::timeout, [this, accion] {
            // Active first: a shortcut reaches only the active window.
            if (auto* ventana = qobject_cast<T*>(QApplication::activeModalWidget());
                ventana && ventana->isActiveWindow())
                sondeo.stop(), accion(ventana);
        });
        sondeo.start(10);
    }
};

// A message box as "title|icon|buttons|their captions|text"; Contestar answers the first
// with `boton` and notes it (a wrong title alone).
QString Caja(
    const QString& texto, QMessageBox::Icon icono, QMessageBox::StandardButtons botones, const QString& rotulos)
{
    return QStringLiteral("%1|%2|%3|%4|%5").arg(Titulo).arg(icono).arg(botones.toInt()).arg(rotulos, texto);
}

// The captions of the standard buttons a box shows, Yes, No and OK in that order.
QString Rotulos(QMessageBox* caja)
{
    QStringList rotulos;
    for (QMessageBox::StandardButton boton : { QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok }) {
        if (QAbstractButton* control = caja->button(boton))
            rotulos << control->text();
    }
    return rotulos.join(' ');
}

struct Contestar {
    QString vista;
    AlAbrirse<QMessageBox> caja;
    explicit Contestar(
        QMessageBox::StandardButton boton, std::function<void()> antes = [] {})
        : caja([this, boton, antes](QMessageBox* c) {
            vista = c->windowTitle() == Titulo ? Caja(c->text(), c->icon(), c->standardButtons(), Rotulos(c))
                                               : c->windowTitle();
            antes();
            c->button(boton)->click();
        })
    {
    }
};

// The child: one node, the exit answered Yes; what runs after the answer prints.
int Hijo(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0); // what is written is seen, however the process ends
    std::atexit([] { std::puts("atexit"); });
    Ventana<> v;
    QObject::connect(&v.p, &QObject::destroyed, [] { std::puts("descargada"); });
    v.p.show();
    v.p.AgregarNodo(1, 1);
    Contestar si(QMessageBox::Yes, [] { std::puts("pregunta"); });
    v.p.Salir_Click();
    std::puts("sigue");
    return 3;
}

} // namespace

class PruebaComandos : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void textos_data();
    void textos();
    void inicioEntregaAPrincipal();
    void pasoTrasPrimerPintado();
    void creditosYLogos();
    void acercaModalDePrincipal();
    void ayuda_data();
    void ayuda();
    void salirNoDejaElDibujo();
    void salirSiTerminaElProceso();
    void menusDeQtEnCastellano(); // last: the message boxes above run without Qt's catalogue
};

void PruebaComandos::textos_data()
{
    QTest::addColumn<int>("cual");
    QTest::addColumn<QString>("texto");
    QTest::newRow("splash title") << 0 << "Análisis de cerchas por el método de los nodos (Vexo.Parvu.Trabina)";
    QTest::newRow("splash version") << 1 << "Versión 1.0.0";
    QTest::newRow("about caption") << 2 << "Acerca de Vexo.Parvu.Trabina";
    QTest::newRow("about subtitle") << 3 << "Software didáctico de cálculo para el diseño de cerchas 2D";
    QTest::newRow("credits heading") << 4 << "Diseño y programación:";
    QTest::newRow("help button") << 5 << "&Ayuda";
    QTest::newRow("close button") << 6 << "&Cerrar";
}

void PruebaComandos::textos()
{
    QFETCH(int, cual);
    QFETCH(QString, texto);
    ConInicio v;
    const Inicio& i = *v.p.Ver().inicio;
    const Acerca a(&v.p);
    const QString vistos[] = { i.lblTitulo->text(), i.lblVersion->text(), a.windowTitle(), a.lblSubtitulo->text(),
        a.lblCreditos->text(), a.Command1->text(), a.Command2->text() };
    QCOMPARE(vistos[cual], texto);
}

void PruebaComandos::inicioEntregaAPrincipal()
{
    ConInicio v;
    QPointer<Inicio> inicio = v.p.Ver().inicio;
    QVERIFY(inicio && inicio->isVisible() && !v.p.isVisible());
    for (QLabel* rotulo : { inicio->lblTitulo, inicio->lblVersion }) // white Arial, all of it on the picture
        QVERIFY(rotulo->font().family() == QStringLiteral("Arial")
            && rotulo->palette().color(QPalette::WindowText) == Qt::white
            && inicio->Imagen1->geometry().contains(rotulo->geometry()));
    QCOMPARE(inicio->Imagen1->geometry(), inicio->rect());
    QTimer& t = *inicio->Timer1; // precise: a coarse timer may tick 5% early
    QVERIFY(t.interval() == 5000 && t.isSingleShot() && t.isActive() && t.timerType() == Qt::PreciseTimer);
    QVERIFY(QMetaObject::invokeMethod(&t, "timeout")); // the tick, without waiting five seconds
    QVERIFY(!v.p.Ver().inicio && v.p.isVisible());
    QTRY_VERIFY(inicio.isNull());
    inicio = ConInicio().p.Ver().inicio; // closing during the splash leaves no timer ticking into it
    QVERIFY(inicio.isNull());
}

void PruebaComandos::creditosYLogos()
{
    Ventana<> v;
    Acerca a(&v.p);
    const QStringList autores = a.Text1->toPlainText().split(QLatin1Char('\n'));
    QVERIFY(autores.size() >= 2 && !autores.contains(QString())); // one author per line
    QVERIFY(a.Text1->palette().color(QPalette::Base) == a.palette().color(QPalette::Button)
        && a.lblAviso->text().contains(QStringLiteral("docente")));
    QVERIFY(!a.Logo[0]->pixmap().isNull() && a.Logo[0]->pixmap().toImage() != a.Logo[1]->pixmap().toImage());
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a) && a.Text1->verticalScrollBar()->maximum() == 0); // every author shows
}

void PruebaComandos::acercaModalDePrincipal()
{
    Ventana<> v;
    v.p.show();
    QPointer<Acerca> abierta;
    bool modal = false; // of the main window, which takes no input meanwhile
    AlAbrirse<Acerca> cerrar([&](Acerca* a) {
        abierta = a;
        modal = a->parentWidget() == &v.p && a->windowModality() == Qt::ApplicationModal;
        QTest::keyClick(a, Qt::Key_C, Qt::AltModifier);
    });
    QTest::mouseClick(C(v.p).Acercade, Qt::LeftButton);
    QVERIFY(modal && abierta.isNull()); // destroyed on closing
}

// The about box's button, and F1 there or in the main window: one request, one message.
void PruebaComandos::ayuda_data()
{
    QTest::addColumn<bool>("presente");
    QTest::addColumn<QString>("como");
    for (const char* como : { "button", "F1 about box", "F1 main window" }) {
        QTest::addRow("missing, %s", como) << false << QString(como);
        QTest::addRow("present, %s", como) << true << QString(como);
    }
}

void PruebaComandos::ayuda()
{
    QFETCH(bool, presente);
    QFETCH(QString, como);
    const QString ruta = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/Help_Trabina.pdf");
    QVERIFY2(!QFile::exists(ruta), "the test program's directory must not hold the guide");
    QFile documento(ruta);
    const auto borrar = qScopeGuard([&] { documento.remove(); });
    QVERIFY(!presente || (documento.open(QIODevice::WriteOnly) && documento.write("%PDF-1.4\n%%EOF\n") > 0));
    QStringList abiertas;
    QWidget* dueno = nullptr;
    const auto restaurar = qScopeGuard([anterior = AbridorAyuda()] { AbridorAyuda() = anterior; });
    AbridorAyuda() = [&](const QString& r, QWidget* w) { abiertas << r, dueno = w; };

    Ventana<> v;
    Acerca a(&v.p);
    QWidget* ventana = como == "F1 main window" ? static_cast<QWidget*>(&v.p) : &a;
    ventana->show();
    QVERIFY(QTest::qWaitForWindowActive(ventana));
    QTRY_COMPARE(QGuiApplication::focusWindow(), ventana->windowHandle()); // where the keys go
    Contestar ok(QMessageBox::Ok);
    if (como == "button")
        a.Command1->click();
    else
        QTest::keyClick(ventana, Qt::Key_F1);
    QCoreApplication::processEvents();
    QVERIFY(ventana->isVisible()); // the about box stays open
    QCOMPARE(abiertas, presente ? QStringList { ruta } : QStringList());
    QCOMPARE(dueno, presente ? ventana : nullptr);
    const QString falta = "La ayuda del software no se encuentra disponible en la ubicación actual\r\n" + ruta;
    QCOMPARE(ok.vista, presente ? QString() : Caja(falta, QMessageBox::Warning, QMessageBox::Ok, "Aceptar"));
}

void PruebaComandos::salirNoDejaElDibujo()
{
    Ventana<> v;
    v.p.show();
    QVERIFY(v.p.AgregarNodo(2, 3));
    v.p.Mensaje(QStringLiteral("antes"));
    Contestar no(QMessageBox::No);
    QTest::mouseClick(C(v.p).Salir, Qt::LeftButton);
    QCOMPARE(no.vista,
        Caja(QStringLiteral("¿Esta seguro que desea finalizar la aplicación?"), QMessageBox::Question,
            QMessageBox::Yes | QMessageBox::No, QStringLiteral("&Sí &No")));
    // Nothing changed: window, model, node on the board, message area.
    QVERIFY(v.p.isVisible() && v.m.NumNodos == 1 && v.m.Nodo(1).X == 2 && v.m.Nodo(1).Y == 3);
    QVERIFY(C(v.p).Nodo[1]->EsVisible() && C(v.p).lbNodo[1]->EsVisible());
    QCOMPARE(v.p.MensajeActual(), QStringLiteral("antes"));
}

// The large icon sizes follow the first picture: the step must not run before
// the window is exposed and painted, and runs only once.
void PruebaComandos::pasoTrasPrimerPintado()
{
    struct Contada : QWidget {
        int pintados = 0;
        void paintEvent(QPaintEvent*) override { ++pintados; }
    } ventana;
    ventana.resize(200, 100);
    ventana.show();
    QList<int> vistos; // paints seen by each run of the step
    TrasPrimerPintado(ventana, [&] { vistos << ventana.pintados; });
    QVERIFY(vistos.isEmpty());
    QTRY_COMPARE(vistos.size(), 1);
    QVERIFY(vistos.first() >= 1 && ventana.windowHandle()->isExposed());
    ventana.hide();
    ventana.show();
    QTRY_VERIFY(ventana.pintados > vistos.first());
    QCoreApplication::processEvents();
    QCOMPARE(vistos.size(), 1);
}

void PruebaComandos::salirSiTerminaElProceso()
{
    QProcess hijo;
    qputenv(VariableHijo, "1"); // inherited by the child only: this process read it at start
    const auto quitar = qScopeGuard([] { qunsetenv(VariableHijo); });
    hijo.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY2(hijo.waitForFinished(60000), "the child did not end");
    QVERIFY(hijo.exitStatus() == QProcess::NormalExit && hijo.exitCode() == 0);
    // The question shown; after the answer no return, no teardown, no exit handlers.
    QCOMPARE(QString::fromUtf8(hijo.readAllStandardOutput()), QStringLiteral("pregunta\n"));
}

// Qt's own Spanish catalogue, whatever the locale: a text box's context menu.
void PruebaComandos::menusDeQtEnCastellano()
{
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(carpeta + "/qtbase_es.qm"))
        QSKIP("Qt's Spanish catalogue is not installed");
    QVERIFY(InstalarTraduccionQt());
    QLineEdit cuadro;
    const std::unique_ptr<QMenu> menu(cuadro.createStandardContextMenu());
    QStringList primeras;
    for (const QAction* accion : menu->actions()) {
        if (!accion->isSeparator() && primeras.size() < 5)
            primeras << accion->text().section('\t', 0, 0);
    }
    QCOMPARE(primeras.join(' '), "&Deshacer &Rehacer Cor&tar &Copiar &Pegar");
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(VariableHijo))
        return Hijo(argc, argv);
    QApplication aplicacion(argc, argv);
    PruebaComandos prueba;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prueba, argc, argv);
}

#include "tst_comandos.moc"
