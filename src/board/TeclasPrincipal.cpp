// The main window's keys beyond the buttons' own: Esc drops a bar being drawn,
// F1 opens the user guide, Ctrl+C copies a picture of the board; a key for
// every tool and command button, Tab through the controls in reading order,
// node letters on the board, and the focus following the work.

#include "board/AccionCopiar.h"
#include "board/CopiaTablero.h"
#include "board/PanelDatos.h"
#include "board/Principal.h"
#include "board/Tablero.h"
#include "board/TecladoTablero.h"
#include "shell/Ayuda.h"
#include "tools/Herramientas.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

// A key that clicks the button, doing nothing while it is disabled, as a click
// would; written after the button's tooltip, for the eye and for screen readers.
void AgregarAtajo(QWidget& ventana, QToolButton& boton, const QKeySequence& tecla)
{
    auto* atajo = new QShortcut(tecla, &ventana);
    QObject::connect(atajo, &QShortcut::activated, &boton, &QAbstractButton::click);
    const QString ayuda
        = boton.toolTip() + QStringLiteral(" (") + tecla.toString(QKeySequence::PortableText) + QLatin1Char(')');
    boton.setToolTip(ayuda);
    boton.setAccessibleDescription(ayuda);
}

} // namespace

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
    crearAtajos();
    OrdenarTabulacion();
    new TecladoTablero(*Diagrama, *this);
}

void Principal::crearAtajos()
{
    const std::pair<QToolButton*, QKeyCombination> atajos[] = {
        { Herramienta[HerrApoyos], Qt::ALT | Qt::Key_P },
        { Herramienta[HerrCarga], Qt::ALT | Qt::Key_G },
        { Herramienta[HerrNodo], Qt::ALT | Qt::Key_O },
        { Herramienta[HerrBarra], Qt::ALT | Qt::Key_E },
        { Herramienta[HerrArea], Qt::ALT | Qt::Key_R },
        { Herramienta[HerrNuevo], Qt::ALT | Qt::Key_N },
        { Calcular, QKeyCombination(Qt::Key_F5) },
        { Resultados, QKeyCombination(Qt::Key_F6) },
        { Acercade, QKeyCombination(Qt::Key_F7) },
        { Salir, Qt::CTRL | Qt::Key_Q },
    };
    for (const auto& [boton, tecla] : atajos)
        AgregarAtajo(*this, *boton, QKeySequence(tecla));
}

// Left to right as the window shows the buttons, then the data panel, then
// the board.
void Principal::OrdenarTabulacion()
{
    std::vector<QWidget*> orden(Herramienta.begin(), Herramienta.end());
    orden.insert(orden.end(), { Calcular, Resultados, Acercade, Salir });
    std::ranges::sort(orden, {}, [](const QWidget* boton) { return boton->x(); });
    orden.insert(orden.end(), { &datos->Prin(), &datos->Angulo(), datos->Aceptar(), Diagrama });
    for (size_t i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);
}

bool Principal::EsperaNodo() const
{
    return estado.Banderas[Bandera::Armada] && herramientas[estado.HerramientaActual]->EsperaNodo();
}

// The board while a node is wanted; the panel's first box while the panel
// takes values; the node tool's button once a node is placed, for the next
// one; otherwise the board, where the next tool's keys and letters work.
void Principal::Enfocar()
{
    if (EsperaNodo())
        Diagrama->setFocus(Qt::OtherFocusReason);
    else if (datos->Habilitado())
        datos->Enfocar();
    else if (estado.HerramientaActual == HerrNodo)
        Herramienta[HerrNodo]->setFocus(Qt::OtherFocusReason);
    else
        Diagrama->setFocus(Qt::OtherFocusReason);
}
