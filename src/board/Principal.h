#pragma once

#include "board/Colores.h"
#include "board/Coordenadas.h"
#include "board/Elementos.h"
#include "board/Tablero.h"
#include "model/Modulo.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QToolButton;
class Inicio;

inline const QString TituloAplicacion = QStringLiteral("Vexo.Parvu.Trabina");

// Tool codes: the index of each tool button.
enum Herramientas : int16_t {
    HerrApoyos = 0,
    HerrCarga = 1,
    HerrNodo = 2,
    HerrBarra = 3,
    HerrArea = 4,
    HerrNuevo = 5,
};

// The main window and editor: the tool buttons, the data panel, the board with
// its pools of elements, and the editing state. Handlers are public so that
// tests can drive them at exact board points, as the window's events do.
class Principal : public QMainWindow {
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
    bool AgregarNodo(double X, double Y); // false when the node was refused
    int16_t BuscarNodo(float X, float Y) const;
    void IniciarBarra(int16_t nodo);
    void MedirBarra();

    void Mensaje(const QString& texto);
    QString MensajeActual() const;
    // Releases a tool button without running its selection steps.
    void SoltarHerramienta(int indice);

    // The model and the editing state.
    Modulo& modulo;
    Coordenadas coordenadas; // AnchoDibujo, AltoDibujo
    int16_t HerramientaActual = 0;
    std::array<bool, 4> Banderas{}; // 1 armed, 2 bar waits for its start, 3 fixed support placed
    int16_t NodoCarga = 0;

    // Controls.
    QGroupBox* Frame1 = nullptr;
    QButtonGroup* grupoHerramientas = nullptr;
    std::array<QToolButton*, 6> Herramienta{};
    QToolButton* Calcular = nullptr;
    QToolButton* Resultados = nullptr;
    QToolButton* Acercade = nullptr;
    QToolButton* Salir = nullptr;
    QGroupBox* Datos = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Prin = nullptr;
    QLineEdit* Angulo = nullptr;
    QPushButton* Aceptar = nullptr;
    QGroupBox* Diagrama1 = nullptr;
    Tablero* Diagrama = nullptr;
    QStatusBar* sbEstado = nullptr;
    std::array<QLabel*, 4> Panel{}; // 1 messages, 2 X readout, 3 Y readout

    // Pools of board elements, addressed by the number of what they show.
    std::array<std::unique_ptr<Punto>, MaxNodos + 1> Nodo;
    std::array<std::unique_ptr<Etiqueta>, MaxNodos + 1> lbNodo;
    std::array<std::unique_ptr<Linea>, MaxBarras + 1> Barra;
    std::array<std::unique_ptr<Etiqueta>, MaxBarras + 1> lbBarra;
    std::array<std::unique_ptr<Etiqueta>, MaxBarras + 1> lbFuerza;
    std::array<std::unique_ptr<Linea>, MaxCargas + 1> Fuerza;
    std::array<std::unique_ptr<Etiqueta>, 2 * MaxCargas + 1> lbCarga;
    std::array<std::unique_ptr<Imagen>, 2> Apoyo;
    std::unique_ptr<Imagen> Coordenas;
    Apilamiento apilamiento;

    Inicio* inicio = nullptr; // the splash, while it is open

private:
    // Set-up.
    void crearHerramientas();
    void crearComandos();
    void crearPanelDatos();
    void crearTablero();
    void crearBarraEstado();
    void formatearPools();
    void MostrarInicio();

    // Pointer readout and what lies on the board.
    void MostrarPosicion(float X, float Y);
    bool AbsorbePuntero(float x, float y) const;

    // Tools: selection, board clicks, pointer moves and commits.
    void SeleccionarApoyos();
    void SeleccionarCarga();
    void SeleccionarNodo();
    void SeleccionarBarra();
    void SeleccionarArea();
    void SeleccionarNuevo();
    void NuevoProyecto();
    void DescartarBarraAbierta();

    void ClicApoyo(const EventoPuntero& evento);
    void ClicCarga(const EventoPuntero& evento);
    void ClicNodo(const EventoPuntero& evento);
    void ClicBarra(const EventoPuntero& evento);
    void MoverNodo(const EventoPuntero& evento);
    void MoverBarra(const EventoPuntero& evento);

    void AceptarCarga();
    void AceptarNodo();
    void AceptarBarra();
    void AceptarArea();

    // Calculation display.
    void MostrarFuerzas();

public:
    // Bar colours by the sign of the stored force; used by the results window.
    void ColorearBarras();
};
