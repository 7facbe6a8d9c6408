#pragma once

#include "board/Coordenadas.h"
#include "tools/Editor.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class ElementosTablero;
class Final;
class HerramientaEdicion;
class Inicio;
class PanelDatos;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QStatusBar;
class QToolButton;
class Tablero;
struct EventoPuntero;

// The named slots of the status bar's Panel(1..3).
namespace Casilla {
inline constexpr int Mensajes = 1;
inline constexpr int X = 2;
inline constexpr int Y = 3;
} // namespace Casilla

// The main window and editor: the tool buttons, the data panel, the board with
// its pools of elements, and the editing state. It dispatches board events and
// Aceptar to the current tool, which reaches back only through `Editor`.
// Handlers are public so that tests can drive them at exact board points, as
// the window's events do; controls carry object names for tests to find them.
class Principal : public QMainWindow, private Editor {
    Q_OBJECT
public:
    enum class Arranque { ConPresentacion, SinPresentacion };
    explicit Principal(Modulo& modulo, Arranque arranque = Arranque::ConPresentacion);
    ~Principal() override;

    // Event handlers.
    void Herramienta_Click(int Index);
    void Diagrama_MouseDown(const EventoPuntero& evento);
    void Diagrama_MouseMove(const EventoPuntero& evento);
    void Aceptar_Click();
    void Calcular_Click();
    void Resultados_Click();
    void Acercade_Click();
    void Salir_Click();

    // Board procedures.
    bool AgregarNodo(double X, double Y) override; // false when the node was refused
    int16_t BuscarNodo(float X, float Y) const override;
    void IniciarBarra(int16_t nodo) override;
    void MedirBarra() override;

    // Whether the current tool, armed, waits for a node on the board: a press
    // there, or the node's letter typed on the board, picks it.
    bool EsperaNodo() const;

    void Mensaje(const QString& texto) override;
    QString MensajeActual() const;
    void SoltarHerramienta(int codigo) override;

    // The results window over the last successful calculation, highlighting
    // bars on this board; Resultados opens it modal.
    std::unique_ptr<Final> VentanaResultados();

    // A read-only look at the editing state and the board, for tests and for
    // the guide's pictures; nothing changes through it but the elements'
    // looks.
    struct Vista {
        const Modulo& modulo;
        const Coordenadas& coordenadas;
        const EstadoEdicion& estado;
        const ElementosTablero& elementos;
        Inicio* inicio; // the splash, while it is open
    };
    Vista Ver() const;

private:
    // Set-up.
    void crearHerramientas();
    void crearComandos();
    void crearPanelDatos();
    void crearTablero();
    void crearBarraEstado();
    void crearTeclas();
    void crearAtajos();
    void OrdenarTabulacion();
    void MostrarInicio();
    void showEvent(QShowEvent* evento) override;

    // What the tools may use.
    Modulo& Modelo() override { return modulo; }
    Coordenadas& Escala() override { return coordenadas; }
    EstadoEdicion& Estado() override { return estado; }
    ElementosTablero& Elementos() override { return *elementos; }
    PanelDatos& Datos() override { return *datos; }
    void HabilitarHerramienta(int codigo, bool habilitada) override;
    void HabilitarCalcular(bool habilitado) override;
    void HabilitarResultados(bool habilitado) override;
    bool Confirmar(const QString& pregunta) override;

    // Esc: the bar being drawn is dropped.
    void SoltarBarraAbierta();
    // The focus goes where the next step is typed or picked.
    void Enfocar();
    void MostrarPosicion(float X, float Y);
    void MostrarFuerzas();
    // The board's accessible description, after anything that may change the truss.
    void DescribirTablero();
    // The message panel's tooltip and accessible description, until the next message.
    void Explicar(const QString& explicacion);
    // The marks and explanation of a truss that would not solve, and of one
    // that solved but lies next to a mechanism.
    void MarcarSingular();
    void AdvertirCasiMecanismo();
    // Bar colours by the sign of the last successful calculation's forces,
    // then bar `barra` (if any) in the highlight colour.
    void ResaltarBarra(int barra);

    // The model and the editing state.
    Modulo& modulo;
    Coordenadas coordenadas; // AnchoDibujo, AltoDibujo
    EstadoEdicion estado;
    Tabla<std::unique_ptr<HerramientaEdicion>, CuantasHerramientas> herramientas;

    // Controls.
    QButtonGroup* grupoHerramientas = nullptr;
    Tabla<QToolButton*, CuantasHerramientas> Herramienta {};
    QGroupBox* Frame1 = nullptr;
    QToolButton* Calcular = nullptr;
    QToolButton* Resultados = nullptr;
    QToolButton* Acercade = nullptr;
    QToolButton* Salir = nullptr;
    std::unique_ptr<PanelDatos> datos;
    Tablero* Diagrama = nullptr;
    Tabla<QLabel*, 4> Panel {}; // by Casilla
    std::unique_ptr<ElementosTablero> elementos;
    QPointer<Inicio> inicio; // the splash, while it is open
    bool mensajeExplicado = false;
};
