// The main window's shell commands: the splash at start, the about box and
// the confirmed exit.

#include "board/Dialogos.h"
#include "board/Principal.h"
#include "shell/Acerca.h"
#include "shell/Inicio.h"

#include <QTimer>
#include <cstdlib>

namespace {

const QString PreguntaSalir = QStringLiteral("¿Esta seguro que desea finalizar la aplicación?");

} // namespace

void Principal::MostrarInicio()
{
    inicio = new Inicio(*this);
    // The tick closes the splash; from then on the window holds none.
    connect(inicio->Timer1, &QTimer::timeout, this, [this] { inicio = nullptr; });
    inicio->show();
}

void Principal::Acercade_Click()
{
    // Modal and owned by the main window; destroyed when this returns.
    Acerca acerca(this);
    acerca.exec();
}

void Principal::Salir_Click()
{
    // Nothing is kept on disk, so the process ends at once: no window's
    // close handling runs and nothing is flushed.
    if (PreguntarSiNo(this, PreguntaSalir))
        std::_Exit(0);
}
