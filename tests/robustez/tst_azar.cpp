// Random use: long seeded sequences of user events on the real main window,
// with the model's and the board's invariants checked after every event.
//
//   TRABINA_EVENTOS   number of events (default 100000; 20000 when
//                     TRABINA_SANITIZADO=1, the sanitizer run of probar.sh)
//   TRABINA_SEMILLA   the seed (default fixed); a failure prints the seed and
//                     the event index, so that the same run can be replayed
//
// A million events:
//   TRABINA_EVENTOS=1000000 QT_QPA_PLATFORM=offscreen build/tests/tst_azar

#include "robustez/JugadorModal.h"

#include <QtTest>
#include <cstdio>
#include <deque>

namespace {

constexpr std::uint64_t SemillaFija = 20260607;
constexpr long EventosNormales = 100000;
constexpr long EventosSanitizados = 20000;
// The board is repainted now and then, so that painting sees every state too.
constexpr long PintarCada = 16;
constexpr size_t Historial = 25;
// A generous bound on the time one event takes, for the watchdog.
constexpr long MilisegundosPorEvento = 5;

long Entorno(const char* nombre, long omision)
{
    bool bien = false;
    const long valor = qEnvironmentVariable(nombre).toLong(&bien);
    return bien ? valor : omision;
}

std::uint64_t Semilla()
{
    bool bien = false;
    const std::uint64_t valor = qEnvironmentVariable("TRABINA_SEMILLA").toULongLong(&bien);
    return bien ? valor : SemillaFija;
}

long Eventos()
{
    const bool sanitizado = qEnvironmentVariable("TRABINA_SANITIZADO") == QStringLiteral("1");
    return Entorno("TRABINA_EVENTOS", sanitizado ? EventosSanitizados : EventosNormales);
}

QString Informe(std::uint64_t semilla, long indice, const std::deque<QString>& historial, const QString& error)
{
    QString texto = QStringLiteral("\nsemilla %1, evento %2: %3\nrepetir con TRABINA_SEMILLA=%1 TRABINA_EVENTOS=%4\n"
                                   "últimos eventos:\n")
                        .arg(semilla)
                        .arg(indice)
                        .arg(error)
                        .arg(indice + 1);
    for (const QString& hecho : historial)
        texto += QStringLiteral("  ") + hecho + QLatin1Char('\n');
    return texto;
}

} // namespace

class PruebaAzar : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void usoAlAzar();
};

void PruebaAzar::usoAlAzar()
{
    const std::uint64_t semilla = Semilla();
    const long eventos = Eventos();
    std::printf("tst_azar: semilla %llu, %ld eventos\n", static_cast<unsigned long long>(semilla), eventos);
    std::fflush(stdout);

    Modulo m;
    Principal p(m, Principal::Arranque::SinPresentacion);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    Azar azar(semilla);
    Jugador jugador(p, azar);
    std::deque<QString> historial;

    QString error = invariantes::Comprobar(p);
    for (long i = 0; i < eventos && error.isEmpty(); ++i) {
        historial.push_back(QString::number(i) + QStringLiteral(": ") + jugador.Evento());
        if (historial.size() > Historial)
            historial.pop_front();
        if (i % PintarCada == 0)
            QCoreApplication::processEvents();
        error = jugador.errorModal.isEmpty() ? invariantes::Comprobar(p) : jugador.errorModal;
        if (!error.isEmpty())
            QFAIL(qPrintable(Informe(semilla, i, historial, error)));
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));

    const Recuento& c = jugador.cuenta;
    std::printf("tst_azar: %ld presiones, %ld herramientas, %ld textos, %ld Aceptar, %ld Calcular (%ld resueltos), "
                "%ld resultados, nuevo proyecto %ld Sí / %ld No, salir No %ld, acerca %ld; "
                "máximos %d nodos, %d barras, %d cargas\n",
        c.presiones, c.herramientas, c.textos, c.aceptar, c.calcular, c.calculosBien, c.resultados, c.nuevosSi,
        c.nuevosNo, c.salirNo, c.acerca, c.maxNodos, c.maxBarras, c.maxCargas);
    // A long run that never filled the pools nor solved a truss would have
    // tested little: the generator must keep reaching both.
    if (eventos >= EventosSanitizados) {
        QCOMPARE(c.maxNodos, MaxNodos);
        QCOMPARE(c.maxBarras, MaxBarras);
        QVERIFY(c.calculosBien > 0);
        QVERIFY(c.resultados > 0);
    }
}

// QTEST_MAIN, but with QtTest's watchdog (five minutes per test function by
// default) stretched to the number of events: a million take longer.
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
