// The shell commands: the splash and its hand-over, the about box with its
// help button, and the confirmed exit. "Yes" ends the process, so that case
// runs in a child: this program starts itself again with TRABINA_PRUEBA_SALIR set.

#include "board/Principal.h"
#include "shell/Acerca.h"
#include "shell/Ayuda.h"
#include "shell/Inicio.h"

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const VariableHijo = "TRABINA_PRUEBA_SALIR";
const QString Titulo = QStringLiteral("Vexo.Parvu.Trabina");

// A main window on its own model, started without the splash unless asked.
template <Principal::Arranque A = Principal::Arranque::SinPresentacion> struct Ventana {
    Modulo m;
    Principal p { m, A };
};
using ConInicio = Ventana<Principal::Arranque::ConPresentacion>;

// Runs `accion` on the first modal window of type T. It opens inside a call
// that returns only when it closes, hence the polling; the action must close it.
template <typename T> struct AlAbrirse {
    QTimer sondeo;
    explicit AlAbrirse(std::function<void(T*)> accion)
    {
        QObject::connect(&sondeo, &QTimer::timeout, [this, accion] {
            if (auto* ventana = qobject_cast<T*>(QApplication::activeModalWidget())) {
                sondeo.stop();
                accion(ventana);
            }
        });
        sondeo.start(10);
    }
};

// Answers the first message box with `boton`, noting what it showed.
struct Contestar {
    QString texto, titulo;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    QMessageBox::StandardButtons botones;
    AlAbrirse<QMessageBox> caja;
    explicit Contestar(
        QMessageBox::StandardButton boton, std::function<void()> antes = [] {})
        : caja([this, boton, antes](QMessageBox* c) {
            texto = c->text();
            titulo = c->windowTitle();
            icono = c->icon();
            botones = c->standardButtons();
            antes();
            c->button(boton)->click();
        })
    {
    }
};

// The child: a drawing with one node, the exit answered Yes. Anything that
// runs after the answer prints a word the parent would see.
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
    void principalDestruidaAntesDelTick();
    void creditosYLogos();
    void acercaModalDePrincipal();
    void ayuda_data();
    void ayuda();
    void salirNoDejaElDibujo();
    void salirSiTerminaElProceso();
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
    const Inicio& i = *v.p.inicio;
    const Acerca a(&v.p);
    const QString vistos[] = { i.lblTitulo->text(), i.lblVersion->text(), a.windowTitle(), a.lblSubtitulo->text(),
        a.lblCreditos->text(), a.Command1->text(), a.Command2->text() };
    QCOMPARE(vistos[cual], texto);
}

void PruebaComandos::inicioEntregaAPrincipal()
{
    ConInicio v;
    QPointer<Inicio> inicio = v.p.inicio;
    QVERIFY(inicio && inicio->isVisible() && !v.p.isVisible());
    for (QLabel* rotulo : { inicio->lblTitulo, inicio->lblVersion }) { // white Arial, all of it on the picture
        QCOMPARE(rotulo->font().family(), QStringLiteral("Arial"));
        QCOMPARE(rotulo->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(inicio->Imagen1->geometry().contains(rotulo->geometry()));
    }
    QCOMPARE(inicio->Imagen1->geometry(), inicio->rect());
    QTimer* timer = inicio->Timer1;
    QCOMPARE(timer->interval(), 5000);
    QVERIFY(timer->isSingleShot() && timer->isActive());
    QCOMPARE(timer->timerType(), Qt::PreciseTimer); // a coarse timer may tick 5% early
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout")); // the tick, without waiting five seconds
    QCOMPARE(v.p.inicio, nullptr);
    QVERIFY(v.p.isVisible());
    QTRY_VERIFY(inicio.isNull());
}

void PruebaComandos::principalDestruidaAntesDelTick()
{
    // Closing the program during the splash leaves no timer ticking into it.
    QPointer<Inicio> inicio = ConInicio().p.inicio;
    QVERIFY(inicio.isNull());
}

void PruebaComandos::creditosYLogos()
{
    Ventana<> v;
    Acerca a(&v.p);
    const QStringList autores = a.Text1->toPlainText().split(QLatin1Char('\n'));
    QVERIFY(autores.size() >= 2 && !autores.contains(QString())); // one author per line
    QCOMPARE(a.Text1->palette().color(QPalette::Base), a.palette().color(QPalette::Button));
    QVERIFY(a.lblAviso->text().contains(QStringLiteral("docente")));
    QVERIFY(!a.Logo[0]->pixmap().isNull() && a.Logo[0]->pixmap().toImage() != a.Logo[1]->pixmap().toImage());
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    QCOMPARE(a.Text1->verticalScrollBar()->maximum(), 0); // every author shows
}

void PruebaComandos::acercaModalDePrincipal()
{
    Ventana<> v;
    v.p.show();
    QPointer<Acerca> abierta;
    QWidget* dueno = nullptr;
    Qt::WindowModality modalidad = Qt::NonModal;
    AlAbrirse<Acerca> cerrar([&](Acerca* a) {
        abierta = a;
        dueno = a->parentWidget();
        modalidad = a->windowModality();
        QTest::keyClick(a, Qt::Key_C, Qt::AltModifier);
    });
    QTest::mouseClick(v.p.Acercade, Qt::LeftButton);
    QCOMPARE(dueno, &v.p);
    QCOMPARE(modalidad, Qt::ApplicationModal); // the main window takes no input meanwhile
    QVERIFY(abierta.isNull()); // destroyed on closing
}

void PruebaComandos::ayuda_data()
{
    QTest::addColumn<bool>("presente");
    QTest::newRow("missing") << false;
    QTest::newRow("present") << true;
}

void PruebaComandos::ayuda()
{
    QFETCH(bool, presente);
    // The program's directory, the native separator and the guide's name.
    const QString ruta = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/Help_Trabina.pdf");
    QVERIFY2(!QFile::exists(ruta), "the test program's directory must not hold the guide");
    QFile documento(ruta);
    const auto borrar = qScopeGuard([&] { documento.remove(); });
    QVERIFY(!presente || (documento.open(QIODevice::WriteOnly) && documento.write("%PDF-1.4\n%%EOF\n") > 0));
    QStringList abiertas;
    const auto restaurar = qScopeGuard([anterior = AbridorAyuda()] { AbridorAyuda() = anterior; });
    AbridorAyuda() = [&](const QString& r, QWidget*) { abiertas << r; };

    Ventana<> v;
    Acerca a(&v.p);
    a.show();
    Contestar ok(QMessageBox::Ok);
    a.Command1->click();
    QCoreApplication::processEvents();
    QVERIFY(a.isVisible()); // the about box stays open
    QCOMPARE(abiertas, presente ? QStringList { ruta } : QStringList());
    QCOMPARE(ok.texto.isEmpty(), presente);
    if (presente)
        return;
    QCOMPARE(ok.texto, "La ayuda del software no se encuentra disponible en la ubicación actual\r\n" + ruta);
    QCOMPARE(ok.titulo, Titulo);
    QCOMPARE(ok.icono, QMessageBox::Warning);
    QCOMPARE(ok.botones, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void PruebaComandos::salirNoDejaElDibujo()
{
    Ventana<> v;
    v.p.show();
    QVERIFY(v.p.AgregarNodo(2, 3));
    v.p.Mensaje(QStringLiteral("antes"));
    Contestar no(QMessageBox::No);
    QTest::mouseClick(v.p.Salir, Qt::LeftButton);
    QCOMPARE(no.texto, QStringLiteral("¿Esta seguro que desea finalizar la aplicación?"));
    QCOMPARE(no.titulo, Titulo);
    QCOMPARE(no.icono, QMessageBox::Question);
    QCOMPARE(no.botones, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
    // Nothing changed: window, model, node on the board, message area.
    QVERIFY(v.p.isVisible());
    QCOMPARE(v.m.NumNodos, int16_t(1));
    QCOMPARE(QPointF(v.m.Nodos[1].X, v.m.Nodos[1].Y), QPointF(2, 3));
    QVERIFY(v.p.Nodo[1]->EsVisible() && v.p.lbNodo[1]->EsVisible());
    QCOMPARE(v.p.MensajeActual(), QStringLiteral("antes"));
}

void PruebaComandos::salirSiTerminaElProceso()
{
    QProcess hijo;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QString::fromLatin1(VariableHijo), QStringLiteral("1"));
    hijo.setProcessEnvironment(entorno);
    hijo.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY2(hijo.waitForFinished(60000), "the child did not end");
    QCOMPARE(hijo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(hijo.exitCode(), 0);
    // The question was shown, and nothing ran after the answer: no return from
    // the handler, no window teardown, no exit handlers.
    QCOMPARE(QString::fromUtf8(hijo.readAllStandardOutput()), QStringLiteral("pregunta\n"));
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
