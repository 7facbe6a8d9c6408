// Splash hand-over, about box and help, confirmed exit ("Yes" runs in a child).

#include "PrimerPintado.h"
#include "shell/Acerca.h"
#include "shell/Ayuda.h"
#include "shell/Inicio.h"
#include "shell/Traduccion.h"
#include "tools/VentanaPrueba.h"

namespace {

const char* const VariableHijo = "TRABINA_PRUEBA_SALIR";

struct ConInicio {
    Modulo m;
    Principal p { m, Principal::Arranque::ConPresentacion };
};

// The child: one node, the exit answered Yes; what runs after the answer prints.
int Hijo(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0); // what is written is seen, however the process ends
    std::atexit([] { std::puts("atexit"); });
    Ventana v;
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
    // Splash and about texts; white Arial titles on the full picture; one precise 5000 ms tick (a coarse one may come
    // 5% early) closes the splash, shows the main window. Closing during the splash leaves no timer ticking into it.
    void inicioEntregaAPrincipal()
    {
        ConInicio v;
        QPointer<Inicio> inicio = v.p.Ver().inicio;
        const Acerca a(&v.p);
        QCOMPARE(QStringList({ inicio->lblTitulo->text(), inicio->lblVersion->text(), a.windowTitle(),
                     a.lblSubtitulo->text(), a.lblCreditos->text(), a.Command1->text(), a.Command2->text() }),
            QStringList({ "Análisis de cerchas por el método de los nodos (Vexo.Parvu.Trabina)", "Versión 1.0.0",
                "Acerca de Vexo.Parvu.Trabina", "Software didáctico de cálculo para el diseño de cerchas 2D",
                "Diseño y programación:", "&Ayuda", "&Cerrar" }));
        QVERIFY(inicio && inicio->isVisible() && !v.p.isVisible() && inicio->Imagen1->geometry() == inicio->rect());
        for (QLabel* rotulo : { inicio->lblTitulo, inicio->lblVersion })
            QVERIFY(rotulo->font().family() == "Arial" && rotulo->palette().color(QPalette::WindowText) == Qt::white
                && inicio->Imagen1->geometry().contains(rotulo->geometry()));
        QTimer& t = *inicio->Timer1;
        QVERIFY(t.interval() == 5000 && t.isSingleShot() && t.isActive() && t.timerType() == Qt::PreciseTimer);
        QVERIFY(QMetaObject::invokeMethod(&t, "timeout"));
        QVERIFY(!v.p.Ver().inicio && v.p.isVisible());
        QTRY_VERIFY(inicio.isNull());
        inicio = ConInicio().p.Ver().inicio;
        QVERIFY(inicio.isNull());
    }

    // The splash opens plain and shows its picture and texts once the main window has been painted, or after a quarter
    // second should that window not be painted.
    void inicioSeCompleta_data()
    {
        Columnas<bool>("mostrada");
        Fila("main window shown", true);
        Fila("main window not shown", false);
    }
    void inicioSeCompleta()
    {
        const auto [mostrada] = Datos<bool>("mostrada");
        ConInicio v;
        const Inicio& inicio = *v.p.Ver().inicio;
        const auto completa = [&] {
            return QString::asprintf("%d%d%d%d", inicio.Imagen1->isVisible(), inicio.lblTitulo->isVisible(),
                inicio.lblVersion->isVisible(), inicio.lblDerechos->isVisible());
        };
        QVERIFY(inicio.isVisible() && completa() == "0000");
        if (mostrada) {
            v.p.show();
        } else { // nothing painted yet: still plain
            QTest::qWait(100);
            QCOMPARE(completa(), "0000");
        }
        QTRY_COMPARE_WITH_TIMEOUT(completa(), "1111", mostrada ? 200 : 2000);
    }

    // The large icon sizes follow the first picture: the step must not run before the window is exposed and painted,
    // and runs only once.
    void pasoTrasPrimerPintado()
    {
        struct Contada : QWidget {
            int pintados = 0;
            void paintEvent(QPaintEvent*) override { ++pintados; }
        } ventana;
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

    // Modal over the main window, closed by Alt+C and destroyed; one author a line, all shown, on the button face; the
    // teaching-only notice; both logos (which ones: tst_dibujos).
    void acercaModalDePrincipal()
    {
        Ventana v;
        v.p.show();
        QPointer<Acerca> abierta;
        QStringList autores;
        bool bien = false;
        AlAbrirse<Acerca> cerrar([&](Acerca* a) {
            abierta = a;
            autores = a->Text1->toPlainText().split('\n');
            bien = a->parentWidget() == &v.p && a->windowModality() == Qt::ApplicationModal
                && a->lblAviso->text().contains("docente") && a->Text1->verticalScrollBar()->maximum() == 0
                && a->Text1->palette().color(QPalette::Base) == a->palette().color(QPalette::Button)
                && !a->Logo[0]->pixmap().isNull() && !a->Logo[1]->pixmap().isNull();
            QTest::keyClick(a, Qt::Key_C, Qt::AltModifier);
        });
        QTest::mouseClick(C(v.p).Acercade, Qt::LeftButton);
        QVERIFY(bien && autores.size() >= 2 && !autores.contains(QString()) && abierta.isNull());
    }

    // The about box's button, and F1 there or in the main window: one request, one message.
    void ayuda_data()
    {
        Columnas<bool, QString>("presente", "como");
        for (const char* como : { "button", "F1 about box", "F1 main window" }) {
            QTest::addRow("missing, %s", como) << false << QString(como);
            QTest::addRow("present, %s", como) << true << QString(como);
        }
    }
    void ayuda()
    {
        const auto [presente, como] = Datos<bool, QString>("presente", "como");
        const QString ruta = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/Help_Trabina.pdf");
        QFile documento(ruta);
        const auto borrar = qScopeGuard([&] { documento.remove(); });
        QVERIFY(!presente || (documento.open(QIODevice::WriteOnly) && documento.write("%PDF-1.4\n%%EOF\n") > 0));
        Ventana v;
        Acerca a(&v.p);
        QWidget* ventana = como == "F1 main window" ? static_cast<QWidget*>(&v.p) : &a;
        QStringList abiertas; // each path, then whether its owner is the window
        const auto restaurar = qScopeGuard([anterior = AbridorAyuda()] { AbridorAyuda() = anterior; });
        AbridorAyuda() = [&](const QString& r, QWidget* w) { abiertas << r << (w == ventana ? "ventana" : "otra"); };
        ventana->show();
        QVERIFY(QTest::qWaitForWindowActive(ventana));
        QTRY_COMPARE(QGuiApplication::focusWindow(), ventana->windowHandle()); // where the keys go
        Contestar ok(QMessageBox::Ok);
        como == "button" ? a.Command1->click() : QTest::keyClick(ventana, Qt::Key_F1);
        QCoreApplication::processEvents();
        QVERIFY(ventana->isVisible()); // the about box stays open
        QCOMPARE(abiertas, presente ? QStringList({ ruta, "ventana" }) : QStringList());
        const QString falta = "Vexo.Parvu.Trabina|%1|%2|Aceptar|La ayuda del software no se encuentra disponible en la "
                              "ubicación actual\r\n";
        QCOMPARE(ok.vista, presente ? QString() : falta.arg(QMessageBox::Warning).arg(QMessageBox::Ok) + ruta);
    }

    void salirNoDejaElDibujo()
    {
        Ventana v;
        v.p.show();
        QVERIFY(v.p.AgregarNodo(2, 3));
        v.p.Mensaje("antes");
        Contestar no(QMessageBox::No);
        QTest::mouseClick(C(v.p).Salir, Qt::LeftButton);
        QCOMPARE(no.vista,
            QString("Vexo.Parvu.Trabina|%1|%2|&Sí &No|¿Esta seguro que desea finalizar la aplicación?")
                .arg(QMessageBox::Question)
                .arg((QMessageBox::Yes | QMessageBox::No).toInt()));
        QVERIFY(v.p.isVisible() && v.m.NumNodos == 1 && v.m.Nodo(1).X == 2 && v.m.Nodo(1).Y == 3);
        QVERIFY(C(v.p).Nodo[1]->EsVisible() && C(v.p).lbNodo[1]->EsVisible() && v.p.MensajeActual() == "antes");
    }

    // Yes: the question shown, then no return, no teardown, no exit handlers.
    void salirSiTerminaElProceso()
    {
        QProcess hijo;
        qputenv(VariableHijo, "1"); // inherited by the child only: this process read it at start
        const auto quitar = qScopeGuard([] { qunsetenv(VariableHijo); });
        hijo.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY2(hijo.waitForFinished(60000), "the child did not end");
        QVERIFY(hijo.exitStatus() == QProcess::NormalExit && hijo.exitCode() == 0);
        QCOMPARE(QString::fromUtf8(hijo.readAllStandardOutput()), "pregunta\n");
    }

    // Qt's own Spanish catalogue is installed, whatever the locale: a text box's context menu (its wording is Qt's).
    // Last: the message boxes above run without it.
    void menusDeQtEnCastellano()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_es.qm"))
            QSKIP("Qt's Spanish catalogue is not installed");
        QVERIFY(InstalarTraduccionQt());
        QLineEdit cuadro;
        const std::unique_ptr<QMenu> menu(cuadro.createStandardContextMenu());
        QCOMPARE(menu->actions().first()->text().section('\t', 0, 0), "&Deshacer");
    }
};

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
