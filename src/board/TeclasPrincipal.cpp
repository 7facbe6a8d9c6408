// The main window's keys beyond the buttons' own: Esc drops a bar being drawn,
// F1 opens the user guide, Ctrl+C copies a picture of the board.

#include "board/AccionCopiar.h"
#include "board/CopiaTablero.h"
#include "board/Principal.h"
#include "shell/Ayuda.h"

#include <QShortcut>

// Selecting the bar tool again drops the open bar the way selecting any tool
// does, and leaves the tool waiting for a new start node.
void Principal::SoltarBarraAbierta()
{
    const int b = modulo.NumBarras;
    const bool dibujando = estado.HerramientaActual == HerrBarra && estado.Banderas[Bandera::Armada]
        && !estado.Banderas[Bandera::EsperaInicio] && b > 0 && modulo.Barra(b).NodoFinal == 0;
    if (dibujando)
        Herramienta_Click(HerrBarra);
}

void Principal::crearTeclas()
{
    connect(
        new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &Principal::SoltarBarraAbierta);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, [this] { MostrarAyuda(this); });
    AgregarCopiar(*this, {}, [this] { CopiarTablero(*Diagrama); });
}
