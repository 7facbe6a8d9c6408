#pragma once

#include "model/Modulo.h"

#include <QString>
#include <cstdint>

class Coordenadas;
class ElementosTablero;
class PanelDatos;

// Tool codes: the id of each tool button.
enum Herramientas : int16_t {
    HerrApoyos = 0,
    HerrCarga = 1,
    HerrNodo = 2,
    HerrBarra = 3,
    HerrArea = 4,
    HerrNuevo = 5,
};
inline constexpr int CuantasHerramientas = 6;

// The named slots of Banderas(1..3).
namespace Bandera {
inline constexpr int Armada = 1; // the current tool takes board presses
inline constexpr int EsperaInicio = 2; // the bar tool waits for a bar's start node
inline constexpr int FijoPuesto = 3; // the fixed support is placed: next comes the roller
} // namespace Bandera

// The editing state of the main window.
struct EstadoEdicion {
    Herramientas HerramientaActual = HerrApoyos;
    Tabla<bool, 4> Banderas {};
    int16_t NodoCarga = 0; // the load tool's node; kept until another is picked
};

// What the main window offers its tools: the model, the drawing's scale, the
// editing state, the board's pools, the data panel, the status message, the
// board procedures and the buttons' states. Nothing else of the window.
class Editor {
public:
    virtual Modulo& Modelo() = 0;
    virtual Coordenadas& Escala() = 0;
    virtual EstadoEdicion& Estado() = 0;
    virtual ElementosTablero& Elementos() = 0;
    virtual PanelDatos& Datos() = 0;
    virtual void Mensaje(const QString& texto) = 0;

    // Board procedures.
    virtual bool AgregarNodo(double X, double Y) = 0; // false when the node was refused
    virtual int16_t BuscarNodo(float X, float Y) const = 0;
    virtual void IniciarBarra(int16_t nodo) = 0;
    virtual void MedirBarra() = 0;

    // Releases a tool button without running its selection steps.
    virtual void SoltarHerramienta(int codigo) = 0;
    virtual void HabilitarHerramienta(int codigo, bool habilitada) = 0;
    virtual void HabilitarCalcular(bool habilitado) = 0;
    virtual void HabilitarResultados(bool habilitado) = 0;
    // A Yes/No question over the window; true on Yes.
    virtual bool Confirmar(const QString& pregunta) = 0;

protected:
    ~Editor() = default;
};
