// The main window's set-up: controls at their twip positions (15 twips per
// logical pixel), the pools of board elements, and the start state.

#include "board/Dibujos.h"
#include "board/Pixeles.h"
#include "board/Principal.h"
#include "board/TeclasPrincipal.h"

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

QToolButton* BotonGrafico(QWidget* padre, const QString& caption, const QString& tooltip,
                          const QPixmap& icono, double left)
{
    auto* boton = new QToolButton(padre);
    boton->setText(caption);
    boton->setIcon(QIcon(icono));
    boton->setIconSize(QSize(32, 32));
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
const std::array<DatosHerramienta, 6> TablaHerramientas{{
    {"Apoyo", "Apoyo de estructura", 2760, false},
    {"Carga", "Aplicar Carga", 4440, false},
    {"Nodo", "Nuevo Nodo", 1920, true},
    {"Elemen", "Nuevo Elemento", 3600, false},
    {"Area", "Tamaño area de trabajo", 960, true},
    {"Nuevo", "Nuevo proyecto", 120, true},
}};

QFont FuenteTwips(const QFont& base, double puntos)
{
    // One point is 20 twips: the board scene is in twips.
    QFont fuente = base;
    fuente.setPixelSize(qRound(puntos * 20));
    return fuente;
}

QFont Arial(double puntos)
{
    QFont arial(QStringLiteral("Arial"));
    return FuenteTwips(arial, puntos);
}

double PuntosFuente(const QFont& fuente)
{
    return fuente.pointSizeF() > 0 ? fuente.pointSizeF() : fuente.pixelSize() * 0.75;
}

} // namespace

Principal::Principal(Modulo& modeloCompartido, Arranque arranque)
    : modulo(modeloCompartido)
{
    setWindowTitle(TituloVentana);
    auto* centro = new QWidget(this);
    setCentralWidget(centro);
    crearHerramientas();
    crearComandos();
    crearPanelDatos();
    crearTablero();
    crearBarraEstado();
    InstalarTeclas(*this);
    centro->setFixedSize(APixeles(9255), APixeles(8640));

    // Window load, in its order.
    if (arranque == Arranque::ConPresentacion)
        MostrarInicio();
    modulo.ReiniciarInicio();
    coordenadas = Coordenadas{};
    formatearPools();
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    modulo.AnchoPantalla = pantalla ? static_cast<float>(pantalla->geometry().width() * TwipsPorPixel) : 0;
    setFixedSize(sizeHint());
}

Principal::~Principal() = default;

void Principal::crearHerramientas()
{
    Frame1 = new QGroupBox(QStringLiteral("Herramientas de edición"), centralWidget());
    Ubicar(Frame1, 120, 120, 9015, 1095);
    grupoHerramientas = new QButtonGroup(this);
    grupoHerramientas->setExclusive(true);
    for (int codigo = 0; codigo < 6; ++codigo) {
        const DatosHerramienta& datos = TablaHerramientas[static_cast<size_t>(codigo)];
        QToolButton* boton = BotonGrafico(Frame1, QString::fromUtf8(datos.caption), QString::fromUtf8(datos.tooltip),
                                          DibujoHerramienta(codigo), datos.left);
        boton->setCheckable(true);
        boton->setEnabled(datos.habilitada);
        grupoHerramientas->addButton(boton, codigo);
        Herramienta[static_cast<size_t>(codigo)] = boton;
    }
    connect(grupoHerramientas, &QButtonGroup::idClicked, this, &Principal::Herramienta_Click);
}

void Principal::crearComandos()
{
    Calcular = BotonGrafico(Frame1, QStringLiteral("Cálcular"), QStringLiteral("Calcular estructura"),
                            DibujoComando(0), 5400);
    Resultados = BotonGrafico(Frame1, QStringLiteral("Result"), QStringLiteral("Ver resultados"),
                              DibujoComando(1), 6240);
    Acercade = BotonGrafico(Frame1, QStringLiteral("Acerca"), QStringLiteral("Acerca de Vexo.Parvu.Trabina"),
                            DibujoComando(2), 7230);
    Salir = BotonGrafico(Frame1, QStringLiteral("Salir"), QStringLiteral("Finalizar aplicación"),
                         DibujoComando(3), 8070);
    Calcular->setEnabled(false);
    Resultados->setEnabled(false);
    connect(Calcular, &QToolButton::clicked, this, &Principal::Calcular_Click);
    connect(Resultados, &QToolButton::clicked, this, &Principal::Resultados_Click);
    connect(Acercade, &QToolButton::clicked, this, &Principal::Acercade_Click);
    connect(Salir, &QToolButton::clicked, this, &Principal::Salir_Click);
}

void Principal::crearPanelDatos()
{
    Datos = new QGroupBox(QStringLiteral("Parámetros configuración"), centralWidget());
    Ubicar(Datos, 120, 1260, 9015, 735);
    Label1 = new QLabel(QStringLiteral("Longitud(m):"), Datos);
    Ubicar(Label1, 180, 300, 1665, 285);
    Prin = new QLineEdit(QStringLiteral("0"), Datos);
    Ubicar(Prin, 1920, 300, 1185, 285);
    Label2 = new QLabel(QStringLiteral("Ángulo(°):"), Datos);
    Ubicar(Label2, 3240, 300, 1665, 285);
    Angulo = new QLineEdit(QStringLiteral("0"), Datos);
    Ubicar(Angulo, 4920, 300, 1185, 285);
    Aceptar = new QPushButton(QStringLiteral("&Aceptar"), Datos);
    Ubicar(Aceptar, 7320, 180, 1575, 465);
    Label1->setBuddy(Prin);
    Label2->setBuddy(Angulo);
    // No fixed name: a screen reader names each box by its buddy caption,
    // which changes with the tool ("X(m): ", "Longitud(m): "...).
    Prin->setAccessibleDescription(QStringLiteral("Primer valor de los parámetros"));
    Angulo->setAccessibleDescription(QStringLiteral("Segundo valor de los parámetros"));
    Rotular(Aceptar, Aceptar->text(), QStringLiteral("Confirmar los parámetros"));
    Datos->setEnabled(false);
    connect(Aceptar, &QPushButton::clicked, this, &Principal::Aceptar_Click);
    connect(Prin, &QLineEdit::returnPressed, Aceptar, &QPushButton::click);
    connect(Angulo, &QLineEdit::returnPressed, Aceptar, &QPushButton::click);
}

void Principal::crearTablero()
{
    Diagrama1 = new QGroupBox(QStringLiteral("Diagrama de la Cercha"), centralWidget());
    Ubicar(Diagrama1, 120, 2070, 9015, 6450);
    Diagrama = new Tablero(Diagrama1);
    Diagrama->move(APixeles(120), APixeles(240));
    Rotular(Diagrama, QStringLiteral("Diagrama"), Diagrama->toolTip());
    Diagrama->AlPresionar = [this](const EventoPuntero& e) { Diagrama_MouseDown(e); };
    Diagrama->AlMover = [this](const EventoPuntero& e) { Diagrama_MouseMove(e); };
    Diagrama->Absorbe = [this](float x, float y) { return AbsorbePuntero(x, y); };

    QGraphicsScene& escena = Diagrama->Escena();
    Coordenas = std::make_unique<Imagen>(escena, DibujoEjes(), 615, 660);
    Coordenas->Mover(120, 5250);
    Coordenas->Visible(true);

    const QFont fuenteVentana = FuenteTwips(font(), PuntosFuente(font()));
    Apoyo[0] = std::make_unique<Imagen>(escena, DibujoApoyoFijo(), 480, 480);
    Apoyo[1] = std::make_unique<Imagen>(escena, DibujoApoyoMovil(), 480, 480);
    for (size_t i = 0; i <= MaxNodos; ++i) {
        if (i > 0)
            Nodo[i] = std::make_unique<Punto>(escena, ColorNodo, 120);
        lbNodo[i] = std::make_unique<Etiqueta>(escena, ColorNodo, fuenteVentana, true);
    }
    for (size_t i = 0; i <= MaxBarras; ++i) {
        if (i > 0)
            Barra[i] = std::make_unique<Linea>(escena, ColorBarra, 5);
        lbBarra[i] = std::make_unique<Etiqueta>(escena, Qt::black, fuenteVentana, true);
        lbFuerza[i] = std::make_unique<Etiqueta>(escena, Qt::black, Arial(6), true);
    }
    for (size_t i = 0; i <= MaxCargas; ++i)
        Fuerza[i] = std::make_unique<Linea>(escena, ColorLineaCarga, 5, Linea::Punta::Inicio);
    for (size_t i = 0; i <= 2 * MaxCargas; ++i)
        lbCarga[i] = std::make_unique<Etiqueta>(escena, ColorTextoCarga, Arial(6.75), false);
}

void Principal::crearBarraEstado()
{
    sbEstado = new QStatusBar(this);
    setStatusBar(sbEstado);
    sbEstado->setSizeGripEnabled(false);
    Panel[1] = new QLabel(QStringLiteral("Area de mensajes"));
    Panel[2] = new QLabel(QStringLiteral("X(m):"));
    Panel[3] = new QLabel(QStringLiteral("Y(m):"));
    Panel[2]->setToolTip(QStringLiteral("Posición del cursor en X"));
    Panel[3]->setToolTip(QStringLiteral("Posición del cursor en Y"));
    Rotular(Panel[1], QStringLiteral("Area de mensajes"), QString());
    Panel[1]->setAccessibleDescription(QStringLiteral("Indicaciones y resultados"));
    Rotular(Panel[2], QStringLiteral("X(m):"), Panel[2]->toolTip());
    Rotular(Panel[3], QStringLiteral("Y(m):"), Panel[3]->toolTip());
    for (int i = 1; i <= 3; ++i)
        Panel[static_cast<size_t>(i)]->setFrameShape(QFrame::StyledPanel);
    Panel[2]->setFixedWidth(APixeles(2540));
    Panel[3]->setFixedWidth(APixeles(2540));
    sbEstado->addWidget(Panel[1], 1);
    sbEstado->addWidget(Panel[2]);
    sbEstado->addWidget(Panel[3]);
}

// Every element hidden, lines at their widths and colours; the pools are
// created once and live as long as the window.
void Principal::formatearPools()
{
    for (size_t i = 0; i <= MaxCargas; ++i)
        Fuerza[i]->Color(ColorLineaCarga);
    for (size_t i = 1; i <= MaxBarras; ++i)
        Barra[i]->Color(ColorBarra);
}

void Principal::Mensaje(const QString& texto)
{
    Panel[1]->setText(texto);
}

QString Principal::MensajeActual() const
{
    return Panel[1]->text();
}

void Principal::SoltarHerramienta(int indice)
{
    // An exclusive group never lets its checked button go: lift the rule for
    // this one change, which emits no click and so runs no selection steps.
    QToolButton* boton = Herramienta[static_cast<size_t>(indice)];
    grupoHerramientas->setExclusive(false);
    boton->setChecked(false);
    grupoHerramientas->setExclusive(true);
}
