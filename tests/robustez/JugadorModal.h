#pragma once

#include "results/Final.h"
#include "robustez/Jugador.h"
#include "shell/Acerca.h"

#include <QListWidget>
#include <QMessageBox>

// The random-use player's modal windows: results, new project, exit and the
// about box, each answered from a timer while the window's own loop runs.

// Opens a modal window with `abrir` while a timer waits for it and hands it to
// `responder`, which must close it; whatever is still open then is closed.
inline void Jugador::ConModal(const std::function<void()>& abrir, const std::function<void(QWidget*)>& responder)
{
    bool respondido = false;
    QTimer espera;
    espera.setInterval(0);
    QObject::connect(&espera, &QTimer::timeout, [&] {
        QWidget* ventana = QApplication::activeModalWidget();
        if (respondido || !ventana)
            return;
        respondido = true;
        espera.stop();
        responder(ventana);
        if (QApplication::activeModalWidget() == ventana) {
            Anotar(QStringLiteral("la ventana modal %1 no se cerró").arg(ventana->metaObject()->className()));
            ventana->close();
        }
    });
    espera.start();
    abrir();
    espera.stop();
}

inline QString Jugador::VerResultados()
{
    if (!p.Resultados->isEnabled())
        return PulsarCalcular();
    ++cuenta.resultados;
    QStringList hecho;
    ConModal([&] { Clic(p.Resultados); },
        [&](QWidget* ventana) {
            auto* final = qobject_cast<Final*>(ventana);
            if (!final) {
                Anotar(QStringLiteral("Resultados abrió %1").arg(ventana->metaObject()->className()));
                return;
            }
            const int filas = final->Elemento->count();
            for (int k = azar.Entero(0, 3); k > 0 && filas > 0; --k) {
                const int fila = azar.Entero(0, filas - 1);
                QListWidgetItem* item = final->Elemento->item(fila);
                QTest::mouseClick(
                    final->Elemento->viewport(), Qt::LeftButton, {}, final->Elemento->visualItemRect(item).center());
                hecho << QString::number(fila);
                if (p.Barra[static_cast<size_t>(fila + 1)]->ColorActual() != QColor(0, 255, 0))
                    Anotar(QStringLiteral("la barra %1 elegida en la lista no se pintó de verde").arg(fila + 1));
                Anotar(invariantes::Comprobar(p));
            }
            if (azar.Probable(0.5))
                Clic(final->Salir);
            else
                final->close(); // the close box
        });
    for (size_t b = 1; b <= MaxBarras; ++b) {
        if (p.Barra[b]->ColorActual() == QColor(0, 255, 0))
            Anotar(QStringLiteral("la barra %1 sigue verde al cerrar los resultados").arg(b));
    }
    return QStringLiteral("resultados, filas elegidas: %1").arg(hecho.join(QLatin1Char(' ')));
}

// Answers a question box with Yes or No, checking its text.
inline std::function<void(QWidget*)> Responder(
    const QString& pregunta, bool si, const std::function<void(const QString&)>& anotar)
{
    return [=](QWidget* ventana) {
        auto* caja = qobject_cast<QMessageBox*>(ventana);
        if (!caja) {
            anotar(QStringLiteral("se esperaba una pregunta y se abrió %1").arg(ventana->metaObject()->className()));
            return;
        }
        if (caja->text() != pregunta)
            anotar(QStringLiteral("pregunta inesperada: %1").arg(caja->text()));
        caja->button(si ? QMessageBox::Yes : QMessageBox::No)->click();
    };
}

inline QString Jugador::NuevoProyecto()
{
    const bool si = azar.Probable(0.5);
    const int16_t nodosAntes = p.modulo.NumNodos;
    const auto anotar = [this](const QString& e) { Anotar(e); };
    ConModal([&] { Clic(p.Herramienta[HerrNuevo]); },
        Responder(QStringLiteral("¿Esta seguro que desea borrar los elementos actuales?"), si, anotar));
    if (si && (p.modulo.NumNodos != 0 || p.modulo.NumBarras != 0 || p.modulo.NumCargas != 0))
        Anotar(QStringLiteral("el nuevo proyecto aceptado dejó elementos"));
    if (!si && p.modulo.NumNodos != nodosAntes)
        Anotar(QStringLiteral("el nuevo proyecto rechazado cambió los nodos"));
    ++(si ? cuenta.nuevosSi : cuenta.nuevosNo);
    if (si)
        ArmarTriangulo(); // random events go on from there
    return QStringLiteral("nuevo proyecto: %1").arg(si ? "Sí" : "No");
}

inline QString Jugador::SalirNo()
{
    ++cuenta.salirNo;
    const auto anotar = [this](const QString& e) { Anotar(e); };
    ConModal([&] { Clic(p.Salir); },
        Responder(QStringLiteral("¿Esta seguro que desea finalizar la aplicación?"), false, anotar));
    return QStringLiteral("salir: No");
}

inline QString Jugador::VerAcerca()
{
    ++cuenta.acerca;
    ConModal([&] { Clic(p.Acercade); },
        [&](QWidget* ventana) {
            auto* acerca = qobject_cast<Acerca*>(ventana);
            if (!acerca) {
                Anotar(QStringLiteral("Acerca abrió %1").arg(ventana->metaObject()->className()));
                return;
            }
            Clic(acerca->Command2);
        });
    return QStringLiteral("acerca de");
}

// A triangle on two supports, drawn step by step with real events right after
// a new project and then calculated, so that calculations succeed and the
// results window has something to show. Each step is one event of the sequence.
inline void Jugador::ArmarTriangulo()
{
    // Pointer points 0.02 m past a tenth: the node tool's snap writes both
    // texts there (a point in the middle of a 0.05 step would keep the old ones).
    const Coordenadas& c = p.coordenadas;
    const auto punto = [this, &c](double desdeX, double hastaX, double desdeY, double hastaY) {
        const double x = std::floor(azar.Real(desdeX, hastaX) * c.AnchoDibujo * 10) / 10 + 0.02;
        const double y = std::floor(azar.Real(desdeY, hastaY) * c.AltoDibujo * 10) / 10 + 0.02;
        return QPointF(c.ATwips(x, Eje::X) + 0.5, c.ATwips(y, Eje::Y) - 0.5);
    };
    const std::array<QPointF, 3> vertices { punto(0.05, 0.3, 0.1, 0.3), punto(0.6, 0.95, 0.1, 0.3),
        punto(0.35, 0.55, 0.6, 0.9) };
    for (const QPointF& v : vertices) {
        pendientes.push_back([this] {
            Clic(p.Herramienta[HerrNodo]);
            return QStringLiteral("triángulo: nodo");
        });
        pendientes.push_back([this, v] {
            Raton(QEvent::MouseMove, v, Qt::NoButton, Qt::NoButton, 0);
            Raton(QEvent::MouseButtonPress, v, Qt::LeftButton, Qt::LeftButton, 0);
            Raton(QEvent::MouseButtonRelease, v, Qt::LeftButton, Qt::NoButton, 0);
            return QStringLiteral("triángulo: nodo en (%1, %2)").arg(v.x()).arg(v.y());
        });
    }
    const auto presionarNodo = [this](int16_t n) {
        if (n > p.modulo.NumNodos)
            return;
        const QPointF punto = PuntoSobreNodo(n, 0);
        Raton(QEvent::MouseMove, punto, Qt::NoButton, Qt::NoButton, 0);
        Raton(QEvent::MouseButtonPress, punto, Qt::LeftButton, Qt::LeftButton, 0);
        Raton(QEvent::MouseButtonRelease, punto, Qt::LeftButton, Qt::NoButton, 0);
    };
    for (const auto& [a, b] : { std::pair<int16_t, int16_t> { 1, 2 }, { 2, 3 }, { 3, 1 } }) {
        pendientes.push_back([this, presionarNodo, a, b] {
            Clic(p.Herramienta[HerrBarra]);
            presionarNodo(a);
            presionarNodo(b);
            return QStringLiteral("triángulo: barra %1-%2").arg(a).arg(b);
        });
    }
    pendientes.push_back([this, presionarNodo] {
        Clic(p.Herramienta[HerrApoyos]);
        presionarNodo(1);
        presionarNodo(2);
        return QStringLiteral("triángulo: apoyos");
    });
    pendientes.push_back([this] { return QStringLiteral("triángulo: ") + PulsarCalcular(); });
    if (azar.Probable(0.3))
        pendientes.push_back([this] { return QStringLiteral("triángulo: ") + VerResultados(); });
}
