// The about box and its help button.

#include "board/Principal.h"
#include "shell/Acerca.h"
#include "shell/Ayuda.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

namespace {

// Runs `accion` on the first modal window of type T once it is open; polls,
// because the window opens inside a call that only returns when it closes.
// The action must close the window: checks belong after the call returns.
template <typename T> class AlAbrirse {
public:
    explicit AlAbrirse(std::function<void(T*)> alAbrir)
        : accion(std::move(alAbrir))
    {
        QObject::connect(&sondeo, &QTimer::timeout, [this] {
            auto* ventana = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!ventana)
                return;
            sondeo.stop();
            accion(ventana);
        });
        sondeo.start(10);
    }

private:
    QTimer sondeo;
    std::function<void(T*)> accion;
};

// Keeps the test's hook only for the test's life.
struct AbridorDePrueba {
    QStringList rutas;
    AbridorDocumento anterior = AbridorAyuda();
    AbridorDePrueba()
    {
        AbridorAyuda() = [this](const QString& ruta, QWidget*) { rutas << ruta; };
    }
    ~AbridorDePrueba() { AbridorAyuda() = anterior; }
};

} // namespace

class PruebaAcerca : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void contenido();
    void textoDeCreditos();
    void botones_data();
    void botones();
    void modalDePrincipal();
    void cerrarLaDestruye();
    void cadaAperturaEsNueva();
    void rutaDeLaAyuda();
    void ayudaAusente();
    void ayudaPresente();
};

void PruebaAcerca::contenido()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Acerca a(&p);
    QCOMPARE(a.windowTitle(), QStringLiteral("Acerca de Vexo.Parvu.Trabina"));
    QCOMPARE(a.lblSubtitulo->text(), QStringLiteral("Software didáctico de cálculo para el diseño de cerchas 2D"));
    QCOMPARE(a.lblNombre->text(), QStringLiteral("Vexo.Parvu.Trabina"));
    QCOMPARE(a.lblVersion->text(), QStringLiteral("Versión 1.0.0"));
    QCOMPARE(a.lblCreditos->text(), QStringLiteral("Diseño y programación:"));
    QVERIFY(!a.lblOrigen->text().isEmpty());
    QVERIFY(a.lblAviso->text().contains(QStringLiteral("docente")));
    QVERIFY(a.lblAviso->text().contains(QStringLiteral("no sustituyen el criterio profesional")));
    for (QLabel* logo : a.Logo) {
        QVERIFY(logo);
        QVERIFY(!logo->pixmap().isNull());
    }
    QVERIFY(a.Logo[0]->pixmap().toImage() != a.Logo[1]->pixmap().toImage());
}

void PruebaAcerca::textoDeCreditos()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Acerca a(&p);
    const QStringList lineas = a.Text1->toPlainText().split(QLatin1Char('\n'));
    QVERIFY(lineas.size() >= 2); // one author per line
    for (const QString& linea : lineas)
        QVERIFY(!linea.trimmed().isEmpty());
    QVERIFY(a.Text1->isReadOnly());
    QCOMPARE(a.Text1->palette().color(QPalette::Base), a.palette().color(QPalette::Button));
    // Every line shows without scrolling.
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    QCOMPARE(a.Text1->verticalScrollBar()->maximum(), 0);
    QCOMPARE(a.Text1->horizontalScrollBar()->maximum(), 0);
    // Nothing of the header is cut off.
    for (QLabel* rotulo : { a.lblNombre, a.lblVersion })
        QVERIFY(rotulo->width() >= rotulo->sizeHint().width());
}

void PruebaAcerca::botones_data()
{
    QTest::addColumn<int>("cual");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("atajo");
    QTest::newRow("help") << 1 << "&Ayuda" << QKeySequence(QStringLiteral("Alt+A"));
    QTest::newRow("close") << 2 << "&Cerrar" << QKeySequence(QStringLiteral("Alt+C"));
}

void PruebaAcerca::botones()
{
    QFETCH(int, cual);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, atajo);
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Acerca a(&p);
    QPushButton* boton = cual == 1 ? a.Command1 : a.Command2;
    QCOMPARE(boton->text(), caption);
    QCOMPARE(boton->shortcut(), atajo);
    QVERIFY(boton->isEnabled());
}

void PruebaAcerca::modalDePrincipal()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.show();
    QWidget* dueno = nullptr;
    bool modal = false;
    Qt::WindowModality modalidad = Qt::NonModal;
    AlAbrirse<Acerca> respuesta([&](Acerca* a) {
        dueno = a->parentWidget();
        modal = a->isModal();
        modalidad = a->windowModality();
        a->Command2->click();
    });
    QTest::mouseClick(p.Acercade, Qt::LeftButton);
    QCOMPARE(dueno, &p);
    QVERIFY(modal);
    // While the box is open the main window takes no input.
    QCOMPARE(modalidad, Qt::ApplicationModal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void PruebaAcerca::cerrarLaDestruye()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QPointer<Acerca> abierta;
    AlAbrirse<Acerca> respuesta([&](Acerca* a) {
        abierta = a;
        QTest::keyClick(a, Qt::Key_C, Qt::AltModifier);
    });
    p.Acercade_Click();
    QVERIFY(p.findChildren<Acerca*>().isEmpty());
    QVERIFY(abierta.isNull());
}

void PruebaAcerca::cadaAperturaEsNueva()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    for (int vez = 0; vez < 2; ++vez) {
        QString creditos;
        AlAbrirse<Acerca> respuesta([&](Acerca* a) {
            creditos = a->Text1->toPlainText();
            a->close(); // the window's own close box
        });
        p.Acercade_Click();
        QCOMPARE(creditos.count(QLatin1Char('\n')), 2);
        QVERIFY(p.findChildren<Acerca*>().isEmpty());
    }
}

void PruebaAcerca::rutaDeLaAyuda()
{
    const QString esperada = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/Help_Trabina.pdf");
    QCOMPARE(RutaAyuda(), esperada);
}

void PruebaAcerca::ayudaAusente()
{
    const QString ruta = RutaAyuda();
    QVERIFY2(!QFile::exists(ruta), "the test program's directory must not hold the guide");
    AbridorDePrueba abridor;
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Acerca a(&p);
    a.show();
    QString texto, titulo;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    QMessageBox::StandardButtons botones;
    AlAbrirse<QMessageBox> respuesta([&](QMessageBox* caja) {
        texto = caja->text();
        titulo = caja->windowTitle();
        icono = caja->icon();
        botones = caja->standardButtons();
        caja->button(QMessageBox::Ok)->click();
    });
    a.Command1->click();
    QCOMPARE(titulo, QStringLiteral("Vexo.Parvu.Trabina"));
    QCOMPARE(icono, QMessageBox::Warning);
    QCOMPARE(botones, QMessageBox::StandardButtons(QMessageBox::Ok));
    const QStringList lineas = texto.split(QStringLiteral("\r\n"));
    QCOMPARE(lineas.size(), 2);
    QCOMPARE(lineas[0], QStringLiteral("La ayuda del software no se encuentra disponible en la ubicación actual"));
    QCOMPARE(lineas[1], ruta);
    QVERIFY(abridor.rutas.isEmpty()); // no viewer started
    QVERIFY(a.isVisible()); // the about box stays open
}

void PruebaAcerca::ayudaPresente()
{
    const QString ruta = RutaAyuda();
    QVERIFY(!QFile::exists(ruta));
    QFile documento(ruta);
    QVERIFY(documento.open(QIODevice::WriteOnly));
    documento.write("%PDF-1.4\n%%EOF\n");
    documento.close();
    const auto borrar = qScopeGuard([&] { QFile::remove(ruta); });

    AbridorDePrueba abridor;
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    Acerca a(&p);
    bool aviso = false;
    AlAbrirse<QMessageBox> respuesta([&](QMessageBox* caja) {
        aviso = true;
        caja->close();
    });
    a.Command1->click();
    QCOMPARE(abridor.rutas, QStringList { ruta });
    QCoreApplication::processEvents();
    QVERIFY(!aviso);
}

QTEST_MAIN(PruebaAcerca)
#include "tst_acerca.moc"
