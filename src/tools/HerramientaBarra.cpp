// The bar tool: the first board click opens a bar at a node, pointer moves
// drag its end (the rubber band), and the second click or a typed length and
// angle close it.

#include "board/Coordenadas.h"
#include "board/ElementosTablero.h"
#include "board/PanelDatos.h"
#include "board/Tablero.h"
#include "model/Numeros.h"
#include "tools/Herramientas.h"

#include <QLineEdit>
#include <cmath>
#include <optional>

namespace {

const QString PromptBarra = QStringLiteral("Seleccione nodo de inicio:");
const QString MensajeFinal = QStringLiteral("Seleccione nodo o ubicación final");
const QString MensajeSinElementos = QStringLiteral("No se pueden agregar más de %1 elementos").arg(MaxBarras);
const QString MensajeNoCabe = QStringLiteral("La longitud o el ángulo escrito es demasiado grande");
const QString MensajeFuera = QStringLiteral("El elemento queda fuera del alcance del dibujo");
const RotulosPanel RotulosBarra { QStringLiteral("Nuevo elemento"), QStringLiteral("Longitud(m): "),
    QStringLiteral("Ángulo(°): ") };

struct Ubicacion {
    float x;
    float y;
};

// A board position that a line or label can take: finite as a 32-bit float.
std::optional<Ubicacion> EnTablero(double x, double y)
{
    if (!CabeEnSimple(x) || !CabeEnSimple(y))
        return std::nullopt;
    return Ubicacion { static_cast<float>(x), static_cast<float>(y) };
}

// The bar's midpoint reached from the start of its line along the panel's
// angle: where the number label's top-left corner goes.
std::optional<Ubicacion> MedioDeBarra(const Coordenadas& c, const Linea& linea, double L, double A)
{
    const double theta = ARadianes(A);
    const double xm = c.AMetros(linea.X1, Eje::X) + L * 0.5 * std::cos(theta);
    const double ym = c.AMetros(linea.Y1, Eje::Y) + L * 0.5 * std::sin(theta);
    return EnTablero(c.ATwips(xm, Eje::X), c.ATwips(ym, Eje::Y));
}

struct Valores {
    Lectura P;
    Lectura A;
};

Valores LeerPanel(Editor& editor)
{
    return { LeerNumero(editor.Datos().Prin().text()), LeerNumero(editor.Datos().Angulo().text()) };
}

// The panel's values, or nothing (the refusal written) when one does not fit a double.
std::optional<Valores> LeerPanelQueCabe(Editor& editor)
{
    const Valores panel = LeerPanel(editor);
    if (panel.P.cabe && panel.A.cabe)
        return panel;
    editor.Mensaje(MensajeNoCabe);
    return std::nullopt;
}

bool BarraAbierta(const Modulo& m)
{
    return m.NumBarras > 0 && m.Barra(m.NumBarras).NodoFinal == 0;
}

Linea& LineaAbierta(Editor& editor)
{
    return *editor.Elementos().Barra[editor.Modelo().NumBarras];
}

// Stores the bar's end, length and angle and shows its number at `medio`.
void CerrarBarra(Editor& editor, int16_t nodoFinal, const Valores& panel, Ubicacion medio)
{
    const int b = editor.Modelo().NumBarras;
    BarraRec& barra = editor.Modelo().Barra(b);
    barra.NodoFinal = nodoFinal;
    barra.Angulo = panel.A.valor;
    barra.Longitud = panel.P.valor;
    Etiqueta& etiqueta = *editor.Elementos().lbBarra[b];
    etiqueta.Mover(medio.x, medio.y);
    etiqueta.Caption(FormatoGeneral(b, Separador::Regional));
    etiqueta.Visible(true);
    editor.Elementos().apilamiento.AlFrente(etiqueta.item);
}

void Desarmar(Editor& editor)
{
    editor.Estado().Banderas[Bandera::Armada] = false;
    editor.SoltarHerramienta(HerrBarra);
    editor.Mensaje(QString());
    editor.Datos().Habilitar(false);
}

void AbrirBarra(Editor& editor, const EventoPuntero& evento)
{
    const int16_t n = editor.BuscarNodo(evento.X, evento.Y);
    if (n == 0)
        return;
    if (!editor.Modelo().CabeBarra()) {
        editor.Mensaje(MensajeSinElementos);
        return;
    }
    editor.Datos().Habilitar(true);
    editor.IniciarBarra(n);
    editor.Estado().Banderas[Bandera::EsperaInicio] = false;
}

void TerminarEnNodo(Editor& editor, int16_t e)
{
    const Coordenadas& c = editor.Escala();
    const NodoRec& nodo = editor.Modelo().Nodo(e);
    Linea& linea = LineaAbierta(editor);
    linea.FijarFin(static_cast<float>(c.ATwips(nodo.X, Eje::X)), static_cast<float>(c.ATwips(nodo.Y, Eje::Y)));
    editor.Modelo().Barra(editor.Modelo().NumBarras).NodoFinal = e;
    editor.MedirBarra();
    // The measured texts are finite, so the midpoint always lies on the board.
    const Valores panel = LeerPanel(editor);
    const auto medio = MedioDeBarra(c, linea, panel.P.valor, panel.A.valor);
    CerrarBarra(editor, e, panel, medio.value_or(Ubicacion { linea.X1, linea.Y1 }));
    Desarmar(editor);
}

// The end at the click point; the line stays where the last pointer move left it.
void TerminarEnPosicion(Editor& editor, const EventoPuntero& evento)
{
    if (evento.Shift == 1)
        return;
    const auto panel = LeerPanelQueCabe(editor);
    if (!panel)
        return;
    const Coordenadas& c = editor.Escala();
    const auto medio = MedioDeBarra(c, LineaAbierta(editor), panel->P.valor, panel->A.valor);
    if (!medio) {
        editor.Mensaje(MensajeFuera);
        return;
    }
    if (!editor.AgregarNodo(c.AMetros(evento.X, Eje::X), c.AMetros(evento.Y, Eje::Y)))
        return; // refused with its own message; the bar stays open
    CerrarBarra(editor, editor.Modelo().NumNodos, *panel, *medio);
    Desarmar(editor);
}

} // namespace

void HerramientaBarra::Seleccionar()
{
    editor.Datos().Habilitar(false);
    editor.Datos().Rotular(RotulosBarra);
    editor.Mensaje(PromptBarra);
    editor.Estado().Banderas[Bandera::EsperaInicio] = true;
}

void HerramientaBarra::Presionar(const EventoPuntero& evento)
{
    editor.Mensaje(MensajeFinal);
    if (editor.Estado().Banderas[Bandera::EsperaInicio]) {
        AbrirBarra(editor, evento);
        return;
    }
    if (!BarraAbierta(editor.Modelo()))
        return;
    const int16_t e = editor.BuscarNodo(evento.X, evento.Y);
    if (e != 0)
        TerminarEnNodo(editor, e);
    else
        TerminarEnPosicion(editor, evento);
}

bool HerramientaBarra::EsperaNodo() const
{
    return editor.Estado().Banderas[Bandera::EsperaInicio] || BarraAbierta(editor.Modelo());
}

// Under the bar tool, while a bar waits for its end.
void HerramientaBarra::Mover(const EventoPuntero& evento)
{
    if (editor.Estado().Banderas[Bandera::EsperaInicio] || !BarraAbierta(editor.Modelo()))
        return;
    LineaAbierta(editor).FijarFin(evento.X, evento.Y);
    editor.MedirBarra();
}

// Typed end: start + L (cos θ, sin θ), always with a new node there, even on
// top of an existing one; the bar keeps the typed values.
void HerramientaBarra::Aceptar()
{
    if (!BarraAbierta(editor.Modelo()))
        return;
    const auto panel = LeerPanelQueCabe(editor);
    if (!panel)
        return;
    const Coordenadas& c = editor.Escala();
    const double L = panel->P.valor;
    const double theta = ARadianes(panel->A.valor);
    Linea& linea = LineaAbierta(editor);
    const double x2 = c.AMetros(linea.X1, Eje::X) + L * std::cos(theta);
    const double y2 = c.AMetros(linea.Y1, Eje::Y) + L * std::sin(theta);
    const auto fin = EnTablero(c.ATwips(x2, Eje::X), c.ATwips(y2, Eje::Y));
    const auto medio = MedioDeBarra(c, linea, L, panel->A.valor);
    if (!fin || !medio) {
        editor.Mensaje(MensajeFuera);
        return;
    }
    const Ubicacion anterior { linea.X2, linea.Y2 };
    linea.FijarFin(fin->x, fin->y);
    if (!editor.AgregarNodo(c.AMetros(linea.X2, Eje::X), c.AMetros(linea.Y2, Eje::Y))) {
        linea.FijarFin(anterior.x, anterior.y); // refused: the bar stays open as it was
        return;
    }
    CerrarBarra(editor, editor.Modelo().NumNodos, *panel, *medio);
    editor.Estado().Banderas[Bandera::Armada] = false;
    editor.SoltarHerramienta(HerrBarra);
    editor.Mensaje(QString());
}

// Selecting a tool while a bar waits for its end drops that bar, so that no
// bar without an end node stays in the model.
void HerramientaBarra::Abandonar()
{
    if (!BarraAbierta(editor.Modelo()))
        return;
    LineaAbierta(editor).Visible(false);
    editor.Modelo().QuitarUltimaBarra();
}
