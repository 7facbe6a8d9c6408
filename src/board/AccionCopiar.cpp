#include "board/AccionCopiar.h"

#include <QAction>
#include <QWidget>

QAction* AgregarCopiar(QWidget& ventana, const QList<QWidget*>& vistas, std::function<void()> copiar)
{
    auto* accion = new QAction(QStringLiteral("Copiar"), &ventana);
    accion->setShortcut(QKeySequence::Copy);
    accion->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(accion, &QAction::triggered, &ventana, std::move(copiar));
    ventana.addAction(accion);
    for (QWidget* vista : vistas) {
        vista->setContextMenuPolicy(Qt::ActionsContextMenu);
        vista->addAction(accion);
    }
    return accion;
}
