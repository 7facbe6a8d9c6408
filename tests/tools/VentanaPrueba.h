#pragma once

// Helpers for tests that drive the real main window: answering its message
// boxes, watching the order of enabled-state changes, counting what the board
// shows, and the viewport pixel of a board point.

#include "board/Principal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGraphicsItem>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

// What the test saw of the message box it answered.
struct CajaVista {
    bool respondida = false;
    QString texto;
    QString titulo;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    QMessageBox::StandardButtons botones;
};

// Answers the next modal message box with `boton`, polling until it is open.
inline std::shared_ptr<CajaVista> ResponderCaja(QMessageBox::StandardButton boton)
{
    auto vista = std::make_shared<CajaVista>();
    auto* reloj = new QTimer;
    reloj->setInterval(5);
    QObject::connect(reloj, &QTimer::timeout, [reloj, vista, boton] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!caja)
            return;
        reloj->stop();
        reloj->deleteLater();
        vista->respondida = true;
        vista->texto = caja->text();
        vista->titulo = caja->windowTitle();
        vista->icono = caja->icon();
        vista->botones = caja->standardButtons();
        caja->button(boton)->click();
    });
    reloj->start();
    return vista;
}

// Records "name on" / "name off" each time a watched widget changes its
// enabled state, in the order the changes happen, followed by what `estado`
// says at that moment when it is set.
class RegistroHabilitado : public QObject {
public:
    std::function<QString()> estado;
    void Observar(QWidget* control, const QString& nombre)
    {
        nombres[control] = nombre;
        control->installEventFilter(this);
    }
    QStringList cambios;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() == QEvent::EnabledChange) {
            const bool habilitado = static_cast<QWidget*>(objeto)->isEnabled();
            QString cambio = nombres[objeto] + (habilitado ? QStringLiteral(" on") : QStringLiteral(" off"));
            if (estado)
                cambio += QStringLiteral(": ") + estado();
            cambios << cambio;
        }
        return false;
    }

private:
    std::map<QObject*, QString> nombres;
};

inline int ElementosVisibles(Principal& p)
{
    int visibles = 0;
    for (const QGraphicsItem* item : p.Diagrama->Escena().items())
        visibles += item->isVisible() ? 1 : 0;
    return visibles;
}

// The viewport pixel whose events arrive at board twips (15 px, 15 py).
inline QPoint PixelDe(float x, float y)
{
    return QPoint(qRound(x / 15), qRound(y / 15));
}
