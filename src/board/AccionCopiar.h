#pragma once

#include <QList>
#include <functional>

class QAction;
class QWidget;

// The "Copiar" command of a window: Ctrl+C anywhere in it (a text box with
// the focus keeps Ctrl+C for its own text), and an entry of the context menu
// of each of `vistas`.
QAction* AgregarCopiar(QWidget& ventana, const QList<QWidget*>& vistas, std::function<void()> copiar);
