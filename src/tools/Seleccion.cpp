// Tool selection: the click of a tool button makes its tool current, arms it,
// writes its prompt and sets up the data panel.

#include "board/Dialogos.h"
#include "board/Principal.h"
#include "model/Numeros.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

const QString PromptApoyoFijo = QStringLiteral("Seleccione el nodo del apoyo fijo");
const QString PromptApoyoMovil = QStringLiteral("Seleccione el nodo del apoyo movil");
const QString PromptCarga = QStringLiteral("Seleccione nodo de aplicación");
const QString PromptNodo = QStringLiteral("Selección la ubicación del nuevo nodo");
const QString PromptBarra = QStringLiteral("Seleccione nodo de inicio:");
const QString PromptArea = QStringLiteral("Nuevas dimensiones exteriores");
const QString PreguntaNuevo = QStringLiteral("¿Esta seguro que desea borrar los elementos actuales?");

struct RotulosPanel {
    QString datos;
    QString primero;
    QString segundo;
};

const RotulosPanel RotulosCarga { QStringLiteral("Carga externa"), QStringLiteral("Magnitud(N): "),
    QStringLiteral("Ángulo(°): ") };
const RotulosPanel RotulosNodo { QStringLiteral("Nuevo nodo"), QStringLiteral("X(m): "), QStringLiteral("Y(m): ") };
const RotulosPanel RotulosBarra { QStringLiteral("Nuevo elemento"), QStringLiteral("Longitud(m): "),
    QStringLiteral("Ángulo(°): ") };
const RotulosPanel RotulosArea { QStringLiteral("Dimensiones"), QStringLiteral("Ancho dibujo(m): "),
    QStringLiteral("Alto dibujo(m): ") };

void Rotular(QGroupBox* datos, QLabel* label1, QLabel* label2, const RotulosPanel& rotulos)
{
    datos->setTitle(rotulos.datos);
    label1->setText(rotulos.primero);
    label2->setText(rotulos.segundo);
}

} // namespace

void Principal::Herramienta_Click(int Index)
{
    // A bar left without its end would stay in the table with end node 0.
    DescartarBarraAbierta();
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

void Principal::SeleccionarApoyos()
{
    // The captions and texts stay as the previous tool left them.
    Datos->setEnabled(false);
    Mensaje(Banderas[3] ? PromptApoyoMovil : PromptApoyoFijo);
}

void Principal::SeleccionarCarga()
{
    Datos->setEnabled(false);
    Rotular(Datos, Label1, Label2, RotulosCarga);
    Mensaje(PromptCarga);
}

void Principal::SeleccionarNodo()
{
    // Enabled so that coordinates can be typed; pointer moves fill it too.
    Datos->setEnabled(true);
    Rotular(Datos, Label1, Label2, RotulosNodo);
    Mensaje(PromptNodo);
}

void Principal::SeleccionarBarra()
{
    Datos->setEnabled(false);
    Rotular(Datos, Label1, Label2, RotulosBarra);
    Mensaje(PromptBarra);
    Banderas[2] = true;
}

void Principal::SeleccionarArea()
{
    Datos->setEnabled(true);
    Mensaje(PromptArea);
    Rotular(Datos, Label1, Label2, RotulosArea);
    // "." always: Aceptar reads both texts back as numbers.
    Prin->setText(FormatoGeneral(coordenadas.AnchoDibujo, Separador::Punto));
    Angulo->setText(FormatoGeneral(coordenadas.AltoDibujo, Separador::Punto));
}

void Principal::SeleccionarNuevo()
{
    if (PreguntarSiNo(this, PreguntaNuevo))
        NuevoProyecto();
}

// Erases the truss; the drawing size, the data panel, the status text,
// NodoCarga and the matrices stay as they were. Nothing is drawn on the board
// outside the pools, so hiding the pools clears it.
void Principal::NuevoProyecto()
{
    modulo.NuevoProyecto();
    Banderas[1] = Banderas[2] = Banderas[3] = false;
    for (size_t i = 1; i <= MaxNodos; ++i) {
        lbNodo[i]->Visible(false);
        lbBarra[i]->Visible(false);
        lbFuerza[i]->Visible(false);
        Barra[i]->Visible(false);
        Barra[i]->Color(ColorBarra);
        Nodo[i]->Visible(false);
    }
    for (int i = 0; i <= HerrNuevo; ++i) {
        Herramienta[static_cast<size_t>(i)]->setEnabled(true);
        SoltarHerramienta(i);
    }
    for (size_t i = 0; i <= 1; ++i) {
        Apoyo[i]->Visible(false);
        modulo.Apoyos[i + 1] = 0;
    }
    for (size_t k = 1; k <= MaxCargas; ++k)
        Fuerza[k]->Visible(false);
    // Every magnitude label, also those past the ten load lines.
    for (size_t k = 1; k < lbCarga.size(); ++k)
        lbCarga[k]->Visible(false);
    Calcular->setEnabled(false);
    Resultados->setEnabled(false);
    Herramienta[HerrApoyos]->setEnabled(false);
    Herramienta[HerrBarra]->setEnabled(false);
    Herramienta[HerrCarga]->setEnabled(false);
}
