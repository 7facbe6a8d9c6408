#include "board/TeclasPrincipal.h"

#include "board/AccionCopiar.h"
#include "board/CopiaTablero.h"
#include "board/Principal.h"
#include "shell/Ayuda.h"

#include <QShortcut>

namespace {

bool DibujandoBarra(const Principal& p)
{
    const int16_t b = p.modulo.NumBarras;
    return p.HerramientaActual == HerrBarra && p.Banderas[1] && !p.Banderas[2] && b > 0
        && p.modulo.Barras[static_cast<size_t>(b)].NodoFinal == 0;
}

// Selecting the bar tool again drops the open bar on the way selecting any
// tool does, and leaves the tool waiting for a new start node.
void SoltarBarra(Principal& p)
{
    if (DibujandoBarra(p))
        p.Herramienta_Click(HerrBarra);
}

} // namespace

void InstalarTeclas(Principal& p)
{
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), &p), &QShortcut::activated, &p,
        [&p] { SoltarBarra(p); });
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), &p), &QShortcut::activated, &p,
        [&p] { MostrarAyuda(&p); });
    AgregarCopiar(p, {}, [&p] { CopiarTablero(*p.Diagrama); });
}
