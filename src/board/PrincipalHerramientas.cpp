// The main window's side of the tools: it dispatches the tool buttons, board
// presses and moves and Aceptar to the current tool, and offers the tools the
// button states they may change.

#include "board/Dialogos.h"
#include "board/ElementosTablero.h"
#include "board/Principal.h"
#include "board/Tablero.h"
#include "shell/Inicio.h"
#include "tools/Herramientas.h"

#include <QButtonGroup>
#include <QToolButton>

void Principal::Herramienta_Click(int Index)
{
    elementos->OcultarMarcas();
    // A bar left without its end would stay in the table with end node 0.
    for (const auto& herramienta : herramientas)
        herramienta->Abandonar();
    if (Index >= 0 && Index < CuantasHerramientas) {
        herramientas[Index]->Seleccionar();
        estado.HerramientaActual = static_cast<Herramientas>(Index);
        estado.Banderas[Bandera::Armada] = true;
        // The question of a new project gives the focus back where it was.
        if (Index != HerrNuevo)
            Enfocar();
    }
    DescribirTablero(); // an open bar dropped, or a new project
}

void Principal::Diagrama_MouseDown(const EventoPuntero& evento)
{
    elementos->OcultarMarcas();
    Mensaje(QString());
    if (!estado.Banderas[Bandera::Armada])
        return; // the focus stays where the press put it
    herramientas[estado.HerramientaActual]->Presionar(evento);
    DescribirTablero();
    Enfocar();
}

// The readout, then the armed tool: a constant amount of work, no search.
void Principal::Diagrama_MouseMove(const EventoPuntero& evento)
{
    MostrarPosicion(evento.X, evento.Y);
    if (estado.Banderas[Bandera::Armada])
        herramientas[estado.HerramientaActual]->Mover(evento);
}

void Principal::Aceptar_Click()
{
    Mensaje(QString());
    herramientas[estado.HerramientaActual]->Aceptar();
    DescribirTablero();
    Enfocar();
}

void Principal::HabilitarHerramienta(int codigo, bool habilitada)
{
    Herramienta[codigo]->setEnabled(habilitada);
}

void Principal::HabilitarCalcular(bool habilitado)
{
    Calcular->setEnabled(habilitado);
}

void Principal::HabilitarResultados(bool habilitado)
{
    Resultados->setEnabled(habilitado);
}

bool Principal::Confirmar(const QString& pregunta)
{
    return PreguntarSiNo(this, pregunta);
}

Principal::Vista Principal::Ver() const
{
    return { modulo, coordenadas, estado, *elementos, inicio.data() };
}
