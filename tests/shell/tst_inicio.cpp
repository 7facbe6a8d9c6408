// The splash window: what it shows, its five-second timer, and the hand-over
// to the main window.

#include "board/Principal.h"
#include "shell/Inicio.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class PruebaInicio : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void seMuestraPrimero();
    void textosEnArialBlanco_data();
    void textosEnArialBlanco();
    void imagenCubreLaVentana();
    void sinMarcoYCentrada();
    void temporizadorDeCincoSegundos();
    void tickCierraYMuestraPrincipal();
    void cierraSolaTrasCincoSegundos();
    void sinPresentacionNoHayInicio();
    void principalDestruidaAntesDelTick();
};

void PruebaInicio::seMuestraPrimero()
{
    Modulo m;
    Principal p(m, Principal::Arranque::ConPresentacion);
    QVERIFY(p.inicio != nullptr);
    QVERIFY(p.inicio->isVisible());
    QVERIFY(p.inicio->isWindow());
    // Set-up went on after the splash: the model was reset and the board formatted.
    QCOMPARE(m.NumNodos, int16_t(0));
    QCOMPARE(p.coordenadas.AnchoDibujo, int16_t(10));
}

void PruebaInicio::textosEnArialBlanco_data()
{
    QTest::addColumn<int>("cual");
    QTest::addColumn<QString>("texto");
    QTest::newRow("title") << 0 << "Análisis de cerchas por el método de los nodos (Vexo.Parvu.Trabina)";
    QTest::newRow("version") << 1 << "Versión 1.0.0";
}

void PruebaInicio::textosEnArialBlanco()
{
    QFETCH(int, cual);
    QFETCH(QString, texto);
    Modulo m;
    Principal p(m, Principal::Arranque::ConPresentacion);
    QLabel* rotulo = cual == 0 ? p.inicio->lblTitulo : p.inicio->lblVersion;
    QCOMPARE(rotulo->text(), texto);
    QCOMPARE(rotulo->font().family(), QStringLiteral("Arial"));
    QVERIFY(rotulo->isVisible());
    QCOMPARE(rotulo->palette().color(QPalette::WindowText), QColor(Qt::white));
    // The whole text fits on the picture.
    QVERIFY(p.inicio->rect().contains(rotulo->geometry()));
}

void PruebaInicio::imagenCubreLaVentana()
{
    Modulo m;
    Principal p(m, Principal::Arranque::ConPresentacion);
    Inicio* inicio = p.inicio;
    QVERIFY(!inicio->Imagen1->pixmap().isNull());
    QCOMPARE(inicio->Imagen1->geometry(), inicio->rect());
    QVERIFY(!inicio->lblDerechos->text().isEmpty());
    QVERIFY(inicio->lblDerechos->text().contains(QStringLiteral("derechos")));
    QVERIFY(inicio->rect().contains(inicio->lblDerechos->geometry()));
}

void PruebaInicio::sinMarcoYCentrada()
{
    Modulo m;
    Principal p(m, Principal::Arranque::ConPresentacion);
    Inicio* inicio = p.inicio;
    QVERIFY(inicio->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(QTest::qWaitForWindowExposed(inicio));
    const QPoint centro = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2((inicio->frameGeometry().center() - centro).manhattanLength() <= 2,
        qPrintable(QStringLiteral("centre %1,%2")
                       .arg(inicio->frameGeometry().center().x())
                       .arg(inicio->frameGeometry().center().y())));
}

void PruebaInicio::temporizadorDeCincoSegundos()
{
    Modulo m;
    Principal p(m, Principal::Arranque::ConPresentacion);
    QTimer* timer = p.inicio->Timer1;
    QCOMPARE(timer->interval(), 5000);
    QVERIFY(timer->isSingleShot());
    QVERIFY(timer->isActive()); // enabled from the start
}

void PruebaInicio::tickCierraYMuestraPrincipal()
{
    Modulo m;
    Principal p(m, Principal::Arranque::ConPresentacion);
    QPointer<Inicio> inicio = p.inicio;
    QVERIFY(!p.isVisible());
    // The tick as the timer delivers it, without waiting five seconds.
    QVERIFY(QMetaObject::invokeMethod(inicio->Timer1, "timeout"));
    QVERIFY(!inicio || !inicio->isVisible());
    QCOMPARE(p.inicio, nullptr);
    QVERIFY(p.isVisible());
    QTRY_VERIFY(inicio.isNull());
    // The main window keeps its start state.
    QCOMPARE(p.MensajeActual(), QStringLiteral("Area de mensajes"));
    QVERIFY(!p.Calcular->isEnabled());
}

void PruebaInicio::cierraSolaTrasCincoSegundos()
{
    Modulo m;
    QElapsedTimer reloj;
    reloj.start();
    Principal p(m, Principal::Arranque::ConPresentacion);
    p.show();
    QPointer<Inicio> inicio = p.inicio;
    QTRY_VERIFY_WITH_TIMEOUT(inicio.isNull(), 7000);
    // Never early: the splash stays its five seconds.
    QVERIFY2(reloj.elapsed() >= 4990, qPrintable(QString::number(reloj.elapsed())));
    QVERIFY(p.isVisible());
    QCOMPARE(p.inicio, nullptr);
}

void PruebaInicio::sinPresentacionNoHayInicio()
{
    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    QCOMPARE(p.inicio, nullptr);
    QVERIFY(p.findChildren<Inicio*>().isEmpty());
}

void PruebaInicio::principalDestruidaAntesDelTick()
{
    // Closing the program during the splash must not leave a timer that ticks
    // into a destroyed main window.
    QPointer<Inicio> inicio;
    {
        Modulo m;
        Principal p(m, Principal::Arranque::ConPresentacion);
        inicio = p.inicio;
    }
    QVERIFY(inicio.isNull());
}

QTEST_MAIN(PruebaInicio)
#include "tst_inicio.moc"
