// The new-project tool: after the user confirms, the truss is erased.

#include "board/ElementosTablero.h"
#include "tools/Herramientas.h"

namespace {

const QString PreguntaNuevo = QStringLiteral("¿Esta seguro que desea borrar los elementos actuales?");

} // namespace

void HerramientaNuevo::Seleccionar()
{
    if (editor.Confirmar(PreguntaNuevo))
        NuevoProyecto();
}

// Erases the truss; the drawing size, the data panel, the status text, the
// load tool's node and the matrices stay as they were.
void HerramientaNuevo::NuevoProyecto()
{
    editor.Modelo().NuevoProyecto();
    Tabla<bool, 4>& Banderas = editor.Estado().Banderas;
    Banderas[Bandera::Armada] = Banderas[Bandera::EsperaInicio] = Banderas[Bandera::FijoPuesto] = false;
    editor.Elementos().Ocultar();
    for (int codigo = 0; codigo < CuantasHerramientas; ++codigo) {
        editor.HabilitarHerramienta(codigo, true);
        editor.SoltarHerramienta(codigo);
    }
    editor.HabilitarCalcular(false);
    editor.HabilitarResultados(false);
    editor.HabilitarHerramienta(HerrApoyos, false);
    editor.HabilitarHerramienta(HerrBarra, false);
    editor.HabilitarHerramienta(HerrCarga, false);
}
