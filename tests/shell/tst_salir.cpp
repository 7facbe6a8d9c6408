// The confirmed exit. "Yes" ends the process, so that case runs in a child:
// this program starts itself again with TRABINA_PRUEBA_SALIR set.

#include "board/Principal.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const VariableHijo = "TRABINA_PRUEBA_SALIR";
const QString Pregunta = QStringLiteral("¿Esta seguro que desea finalizar la aplicación?");

// Answers the first question box with `boton` and records what it showed.
struct Respuesta {
    QString texto, titulo;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    QMessageBox::StandardButtons botones;
    QTimer sondeo;

    explicit Respuesta(QMessageBox::StandardButton boton, std::function<void()> antes = {})
    {
        QObject::connect(&sondeo, &QTimer::timeout, [this, boton, antes] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caja)
                return;
            sondeo.stop();
            texto = caja->text();
            titulo = caja->windowTitle();
            icono = caja->icon();
            botones = caja->standardButtons();
            if (antes)
                antes();
            caja->button(boton)->click();
        });
        sondeo.start(10);
    }
};

void Escribir(const char* texto)
{
    std::fputs(texto, stdout);
    std::fflush(stdout);
}

// The child: a drawing with one node, the exit answered Yes. Anything that
// runs after the answer prints a word the parent looks for.
int Hijo(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    std::atexit([] { Escribir("atexit\n"); });
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QObject::connect(&p, &QObject::destroyed, [] { Escribir("descargada\n"); });
    p.show();
    p.AgregarNodo(1, 1);
    Respuesta si(QMessageBox::Yes, [] { Escribir("pregunta\n"); });
    p.Salir_Click();
    Escribir("sigue\n");
    return 3;
}

} // namespace

class PruebaSalir : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void preguntaAlSalir();
    void noDejaElDibujo();
    void siTerminaElProceso();
};

void PruebaSalir::preguntaAlSalir()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Respuesta no(QMessageBox::No);
    QTest::mouseClick(p.Salir, Qt::LeftButton);
    QCOMPARE(no.texto, Pregunta);
    QCOMPARE(no.titulo, QStringLiteral("Vexo.Parvu.Trabina"));
    QCOMPARE(no.icono, QMessageBox::Question);
    QCOMPARE(no.botones, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
}

void PruebaSalir::noDejaElDibujo()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.show();
    QVERIFY(p.AgregarNodo(2, 3));
    p.Mensaje(QStringLiteral("antes"));
    Respuesta no(QMessageBox::No);
    p.Salir_Click();
    QCOMPARE(no.texto, Pregunta);
    QVERIFY(p.isVisible());
    QCOMPARE(m.NumNodos, int16_t(1));
    QCOMPARE(m.Nodos[1].X, 2.0);
    QCOMPARE(m.Nodos[1].Y, 3.0);
    QVERIFY(p.Nodo[1]->EsVisible());
    QVERIFY(p.lbNodo[1]->EsVisible());
    QCOMPARE(p.lbNodo[1]->TextoActual(), QStringLiteral("A"));
    QCOMPARE(p.MensajeActual(), QStringLiteral("antes"));
    QVERIFY(p.Herramienta[1]->isEnabled());
}

void PruebaSalir::siTerminaElProceso()
{
    QProcess hijo;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QString::fromLatin1(VariableHijo), QStringLiteral("1"));
    hijo.setProcessEnvironment(entorno);
    hijo.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer reloj;
    reloj.start();
    hijo.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(hijo.waitForStarted());
    QVERIFY2(hijo.waitForFinished(60000), "the child did not end");
    const QString salida = QString::fromUtf8(hijo.readAllStandardOutput());
    QCOMPARE(hijo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(hijo.exitCode(), 0);
    QVERIFY2(salida.contains(QStringLiteral("pregunta")), qPrintable(salida));
    // Nothing ran after the answer: no return from the handler, no window
    // teardown, no exit handlers.
    QVERIFY2(!salida.contains(QStringLiteral("sigue")), qPrintable(salida));
    QVERIFY2(!salida.contains(QStringLiteral("descargada")), qPrintable(salida));
    QVERIFY2(!salida.contains(QStringLiteral("atexit")), qPrintable(salida));
    QVERIFY(reloj.elapsed() < 60000);
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(VariableHijo))
        return Hijo(argc, argv);
    QApplication aplicacion(argc, argv);
    PruebaSalir prueba;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prueba, argc, argv);
}

#include "tst_salir.moc"
