// The main window's set-up: controls at their twip positions (15 twips per
// logical pixel), the pools of board elements, and the start state.

#include "board/Dibujos.h"
#include "board/ElementosTablero.h"
#include "board/PanelDatos.h"
#include "board/Pixeles.h"
#include "board/Principal.h"
#include "board/Tablero.h"
#include "tools/Herramientas.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>

namespace {

const QString TituloVentana = QStringLiteral("Cálculo de Cerchas por el metodo de los nodos (Vexo.Parvu.Trabina)");

// Screen readers and test automation find each control by its caption and tooltip.
void Rotular(QWidget* control, const QString& caption, const QString& tooltip)
{
    QString nombre = caption;
    control->setAccessibleName(nombre.remove(QLatin1Char('&')).trimmed());
    control->setToolTip(tooltip);
    control->setAccessibleDescription(tooltip);
}

// A tool button that keeps every tool in the Tab chain: an exclusive group
// would leave only the focused one there, the others reached by the arrows.
class BotonHerramienta : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void focusInEvent(QFocusEvent* evento) override
    {
        QToolButton::focusInEvent(evento);
        if (const QButtonGroup* grupo = group()) {
            for (QAbstractButton* boton : grupo->buttons())
                boton->setFocusPolicy(Qt::TabFocus);
        }
    }
};

// 795 x 735 twips is 53 x 49 px: a 24 px icon leaves the caption its full
// line, descenders and accents inside the frame.
constexpr int LadoIconoBoton = 24;

// The icons are painted at the size and density the buttons show them.
QPixmap IconoHerramienta(int codigo)
{
    return DibujoHerramienta(codigo, qApp->devicePixelRatio(), LadoIconoBoton);
}
QPixmap IconoComando(int indice)
{
    return DibujoComando(indice, qApp->devicePixelRatio(), LadoIconoBoton);
}

QToolButton* BotonGrafico(
    QToolButton* boton, const QString& caption, const QString& tooltip, const QPixmap& icono, double left)
{
    boton->setText(caption);
    boton->setIcon(QIcon(icono));
    boton->setIconSize(QSize(LadoIconoBoton, LadoIconoBoton));
    boton->setFont(FuenteCompacta());
    boton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    boton->setAutoRaise(false);
    Rotular(boton, caption, tooltip);
    Ubicar(boton, left, 240, 795, 735);
    return boton;
}

struct DatosHerramienta {
    const char* caption;
    const char* tooltip;
    double left;
    bool habilitada;
};

// By tool code; from left to right the window shows 5, 4, 2, 0, 3, 1.
const Tabla<DatosHerramienta, CuantasHerramientas> TablaHerramientas { { {
    { "Apoyo", "Apoyo de estructura", 2760, false },
    { "Carga", "Aplicar Carga", 4440, false },
    { "Nodo", "Nuevo Nodo", 1920, true },
    { "Elemen", "Nuevo Elemento", 3600, false },
    { "Area", "Tamaño area de trabajo", 960, true },
    { "Nuevo", "Nuevo proyecto", 120, true },
} } };

const QString DescripcionMensajes = QStringLiteral("Indicaciones y resultados");

} // namespace

Principal::Principal(Modulo& modeloCompartido, Arranque arranque)
    : modulo(modeloCompartido)
{
    Editor& editor = *this;
    herramientas[HerrApoyos] = std::make_unique<HerramientaApoyos>(editor);
    herramientas[HerrCarga] = std::make_unique<HerramientaCarga>(editor);
    herramientas[HerrNodo] = std::make_unique<HerramientaNodo>(editor);
    herramientas[HerrBarra] = std::make_unique<HerramientaBarra>(editor);
    herramientas[HerrArea] = std::make_unique<HerramientaArea>(editor);
    herramientas[HerrNuevo] = std::make_unique<HerramientaNuevo>(editor);
    setWindowTitle(TituloVentana);
    auto* centro = new QWidget(this);
    setCentralWidget(centro);
    crearHerramientas();
    crearComandos();
    crearPanelDatos();
    crearTablero();
    crearBarraEstado();
    crearTeclas();
    centro->setFixedSize(APixeles(9255), APixeles(8640));

    // Window load, in its order.
    if (arranque == Arranque::ConPresentacion)
        MostrarInicio();
    modulo.ReiniciarInicio();
    coordenadas = Coordenadas {};
    elementos->Formatear();
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    modulo.AnchoPantalla = pantalla ? static_cast<float>(pantalla->geometry().width() * TwipsPorPixel) : 0;
    DescribirTablero();
    setFixedSize(sizeHint());
}

Principal::~Principal() = default;

void Principal::crearHerramientas()
{
    Frame1 = new QGroupBox(QStringLiteral("Herramientas de edición"), centralWidget());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Ubicar(Frame1, 120, 120, 9015, 1095);
    grupoHerramientas = new QButtonGroup(this);
    grupoHerramientas->setExclusive(true);
    for (int codigo = 0; codigo < CuantasHerramientas; ++codigo) {
        const DatosHerramienta& dato = TablaHerramientas[codigo];
        QToolButton* boton = BotonGrafico(new BotonHerramienta(Frame1), QString::fromUtf8(dato.caption),
            QString::fromUtf8(dato.tooltip), IconoHerramienta(codigo), dato.left);
        boton->setObjectName(QStringLiteral("Herramienta%1").arg(codigo));
        boton->setCheckable(true);
        boton->setEnabled(dato.habilitada);
        grupoHerramientas->addButton(boton, codigo);
        Herramienta[codigo] = boton;
    }
    connect(grupoHerramientas, &QButtonGroup::idClicked, this, &Principal::Herramienta_Click);
}

void Principal::crearComandos()
{
    Calcular = BotonGrafico(new QToolButton(Frame1), QStringLiteral("Cálcular"), QStringLiteral("Calcular estructura"),
        IconoComando(0), 5400);
    Resultados = BotonGrafico(
        new QToolButton(Frame1), QStringLiteral("Result"), QStringLiteral("Ver resultados"), IconoComando(1), 6240);
    Acercade = BotonGrafico(new QToolButton(Frame1), QStringLiteral("Acerca"),
        QStringLiteral("Acerca de Vexo.Parvu.Trabina"), IconoComando(2), 7230);
    Salir = BotonGrafico(new QToolButton(Frame1), QStringLiteral("Salir"), QStringLiteral("Finalizar aplicación"),
        IconoComando(3), 8070);
    Calcular->setObjectName(QStringLiteral("Calcular"));
    Resultados->setObjectName(QStringLiteral("Resultados"));
    Acercade->setObjectName(QStringLiteral("Acercade"));
    Salir->setObjectName(QStringLiteral("Salir"));
    Calcular->setEnabled(false);
    Resultados->setEnabled(false);
    connect(Calcular, &QToolButton::clicked, this, &Principal::Calcular_Click);
    connect(Resultados, &QToolButton::clicked, this, &Principal::Resultados_Click);
    connect(Acercade, &QToolButton::clicked, this, &Principal::Acercade_Click);
    connect(Salir, &QToolButton::clicked, this, &Principal::Salir_Click);
}

void Principal::crearPanelDatos()
{
    datos = std::make_unique<PanelDatos>(centralWidget());
    QPushButton* aceptar = datos->Aceptar();
    Rotular(aceptar, aceptar->text(), QStringLiteral("Confirmar los parámetros"));
    connect(aceptar, &QPushButton::clicked, this, &Principal::Aceptar_Click);
}

void Principal::crearTablero()
{
    auto* Diagrama1 = new QGroupBox(QStringLiteral("Diagrama de la Cercha"), centralWidget());
    Diagrama1->setObjectName(QStringLiteral("Diagrama1"));
    Ubicar(Diagrama1, 120, 2070, 9015, 6450);
    Diagrama = new Tablero(Diagrama1);
    Diagrama->setObjectName(QStringLiteral("Diagrama"));
    Diagrama->move(APixeles(120), APixeles(240));
    Rotular(Diagrama, QStringLiteral("Diagrama"), Diagrama->toolTip());
    Diagrama->AlPresionar = [this](const EventoPuntero& e) { Diagrama_MouseDown(e); };
    Diagrama->AlMover = [this](const EventoPuntero& e) { Diagrama_MouseMove(e); };
    Diagrama->Absorbe = [this](float x, float y) { return elementos->Absorbe(x, y, modulo); };

    elementos = std::make_unique<ElementosTablero>(Diagrama->Escena(), font());
}

void Principal::crearBarraEstado()
{
    auto* sbEstado = new QStatusBar(this);
    sbEstado->setObjectName(QStringLiteral("sbEstado"));
    setStatusBar(sbEstado);
    sbEstado->setSizeGripEnabled(false);
    Panel[Casilla::Mensajes] = new QLabel(QStringLiteral("Area de mensajes"));
    Panel[Casilla::X] = new QLabel(QStringLiteral("X(m):"));
    Panel[Casilla::Y] = new QLabel(QStringLiteral("Y(m):"));
    Panel[Casilla::X]->setToolTip(QStringLiteral("Posición del cursor en X"));
    Panel[Casilla::Y]->setToolTip(QStringLiteral("Posición del cursor en Y"));
    // No fixed accessible names: a screen reader reads the text each panel
    // shows, and the label tells it of every change of that text.
    Panel[Casilla::Mensajes]->setAccessibleDescription(DescripcionMensajes);
    Panel[Casilla::X]->setAccessibleDescription(Panel[Casilla::X]->toolTip());
    Panel[Casilla::Y]->setAccessibleDescription(Panel[Casilla::Y]->toolTip());
    for (int i = 1; i <= 3; ++i) {
        Panel[i]->setObjectName(QStringLiteral("Panel%1").arg(i));
        Panel[i]->setFrameShape(QFrame::StyledPanel);
    }
    // The message panel takes what the readouts leave, however long its
    // text: a long message never pushes the readouts aside.
    Panel[Casilla::Mensajes]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Panel[Casilla::X]->setFixedWidth(APixeles(2540));
    Panel[Casilla::Y]->setFixedWidth(APixeles(2540));
    sbEstado->addWidget(Panel[Casilla::Mensajes], 1);
    sbEstado->addWidget(Panel[Casilla::X]);
    sbEstado->addWidget(Panel[Casilla::Y]);
}

// A new message takes away the explanation of the one before.
void Principal::Mensaje(const QString& texto)
{
    QLabel& panel = *Panel[Casilla::Mensajes];
    panel.setText(texto);
    if (mensajeExplicado) {
        panel.setToolTip(QString());
        panel.setAccessibleDescription(DescripcionMensajes);
        mensajeExplicado = false;
    }
}

// Why the message says what it says, for whoever hovers over it or reads it aloud.
void Principal::Explicar(const QString& explicacion)
{
    QLabel& panel = *Panel[Casilla::Mensajes];
    panel.setToolTip(explicacion);
    panel.setAccessibleDescription(explicacion);
    mensajeExplicado = true;
}

QString Principal::MensajeActual() const
{
    return Panel[Casilla::Mensajes]->text();
}

void Principal::SoltarHerramienta(int codigo)
{
    // An exclusive group never lets its checked button go: lift the rule for
    // this one change, which emits no click and so runs no selection steps.
    QToolButton* boton = Herramienta[codigo];
    grupoHerramientas->setExclusive(false);
    boton->setChecked(false);
    grupoHerramientas->setExclusive(true);
}
