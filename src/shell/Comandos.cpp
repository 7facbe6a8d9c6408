// The main window's shell commands: the splash at start, the about box and
// the confirmed exit.

#include "PrimerPintado.h"
#include "board/Dialogos.h"
#include "board/Principal.h"
#include "shell/Acerca.h"
#include "shell/Inicio.h"

#include <QShowEvent>
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

// The splash fills in its picture and texts once this window has been painted:
// the student sees the editor as early as possible, and the splash, already up
// in its colour, is complete a few milliseconds later.
void Principal::showEvent(QShowEvent* evento)
{
    QMainWindow::showEvent(evento);
    if (inicio && !evento->spontaneous())
        TrasPrimerPintado(*this, [this] {
            if (inicio)
                inicio->MostrarContenido();
        });
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
