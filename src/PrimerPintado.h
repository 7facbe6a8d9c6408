#pragma once

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <utility>

// Runs a step once a shown window has been exposed and painted for the first
// time: for work that the first picture on the screen need not wait for.

class EsperaPrimerPintado : public QObject {
public:
    EsperaPrimerPintado(QObject* padre, std::function<void()> diferido)
        : QObject(padre)
        , paso(std::move(diferido))
    {
    }

    // Queued: the window paints on its first exposure before the step runs.
    void Programar()
    {
        QTimer::singleShot(0, this, [this] {
            paso();
            deleteLater();
        });
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Expose && !visto && static_cast<QWindow*>(objeto)->isExposed()) {
            visto = true;
            Programar();
        }
        return false;
    }

private:
    std::function<void()> paso;
    bool visto = false;
};

// Call right after the window's show(). A window without a platform window
// (never shown) runs the step on the next pass of the event loop.
inline void TrasPrimerPintado(QWidget& ventana, std::function<void()> paso)
{
    auto* espera = new EsperaPrimerPintado(&ventana, std::move(paso));
    QWindow* ventanaPlataforma = ventana.windowHandle();
    if (!ventanaPlataforma || ventanaPlataforma->isExposed())
        espera->Programar();
    else
        ventanaPlataforma->installEventFilter(espera);
}
