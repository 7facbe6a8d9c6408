// The bar tool: the first board click opens a bar at a node, pointer moves
// drag its end (the rubber band), and the second click or a typed length and
// angle close it.

#include "board/Principal.h"
#include "model/Numeros.h"

#include <QGroupBox>
#include <QLineEdit>
#include <cmath>
#include <optional>

namespace {

constexpr double Pi = 3.14159265358979;
const QString MensajeFinal = QStringLiteral("Seleccione nodo o ubicación final");
const QString MensajeSinElementos = QStringLiteral("No se pueden agregar más de %1 elementos").arg(MaxBarras);
const QString MensajeNoCabe = QStringLiteral("La longitud o el ángulo escrito es demasiado grande");
const QString MensajeFuera = QStringLiteral("El elemento queda fuera del alcance del dibujo");

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
    const double theta = A * Pi / 180;
    const double xm = c.AMetros(linea.X1, Eje::X) + L * 0.5 * std::cos(theta);
    const double ym = c.AMetros(linea.Y1, Eje::Y) + L * 0.5 * std::sin(theta);
    return EnTablero(c.ATwips(xm, Eje::X), c.ATwips(ym, Eje::Y));
}

struct Valores {
    Lectura P;
    Lectura A;
};

Valores LeerPanel(const Principal& p)
{
    return { LeerNumero(p.Prin->text()), LeerNumero(p.Angulo->text()) };
}

bool BarraAbierta(const Modulo& m)
{
    return m.NumBarras > 0 && m.Barras[static_cast<size_t>(m.NumBarras)].NodoFinal == 0;
}

// Stores the bar's end, length and angle and shows its number at `medio`.
void CerrarBarra(Principal& p, int16_t nodoFinal, const Valores& panel, Ubicacion medio)
{
    const auto b = static_cast<size_t>(p.modulo.NumBarras);
    BarraRec& barra = p.modulo.Barras[b];
    barra.NodoFinal = nodoFinal;
    barra.Angulo = panel.A.valor;
    barra.Longitud = panel.P.valor;
    Etiqueta& etiqueta = *p.lbBarra[b];
    etiqueta.Mover(medio.x, medio.y);
    etiqueta.Caption(FormatoGeneral(static_cast<double>(b), Separador::Regional));
    etiqueta.Visible(true);
    p.apilamiento.AlFrente(etiqueta.item);
}

void Desarmar(Principal& p)
{
    p.Banderas[1] = false;
    p.SoltarHerramienta(HerrBarra);
    p.Mensaje(QString());
    p.Datos->setEnabled(false);
}

void AbrirBarra(Principal& p, const EventoPuntero& evento)
{
    const int16_t n = p.BuscarNodo(evento.X, evento.Y);
    if (n == 0)
        return;
    if (!p.modulo.CabeBarra()) {
        p.Mensaje(MensajeSinElementos);
        return;
    }
    p.Datos->setEnabled(true);
    p.IniciarBarra(n);
    p.Banderas[2] = false;
}

void TerminarEnNodo(Principal& p, int16_t e)
{
    const NodoRec& nodo = p.modulo.Nodos[static_cast<size_t>(e)];
    Linea& linea = *p.Barra[static_cast<size_t>(p.modulo.NumBarras)];
    linea.FijarFin(static_cast<float>(p.coordenadas.ATwips(nodo.X, Eje::X)),
        static_cast<float>(p.coordenadas.ATwips(nodo.Y, Eje::Y)));
    p.modulo.Barras[static_cast<size_t>(p.modulo.NumBarras)].NodoFinal = e;
    p.MedirBarra();
    // The measured texts are finite, so the midpoint always lies on the board.
    const Valores panel = LeerPanel(p);
    const auto medio = MedioDeBarra(p.coordenadas, linea, panel.P.valor, panel.A.valor);
    CerrarBarra(p, e, panel, medio.value_or(Ubicacion { linea.X1, linea.Y1 }));
    Desarmar(p);
}

// The end at the click point; the line stays where the last pointer move left it.
void TerminarEnPosicion(Principal& p, const EventoPuntero& evento)
{
    if (evento.Shift == 1)
        return;
    const Valores panel = LeerPanel(p);
    if (!panel.P.cabe || !panel.A.cabe) {
        p.Mensaje(MensajeNoCabe);
        return;
    }
    const Linea& linea = *p.Barra[static_cast<size_t>(p.modulo.NumBarras)];
    const auto medio = MedioDeBarra(p.coordenadas, linea, panel.P.valor, panel.A.valor);
    if (!medio) {
        p.Mensaje(MensajeFuera);
        return;
    }
    if (!p.AgregarNodo(p.coordenadas.AMetros(evento.X, Eje::X), p.coordenadas.AMetros(evento.Y, Eje::Y)))
        return; // refused with its own message; the bar stays open
    CerrarBarra(p, p.modulo.NumNodos, panel, *medio);
    Desarmar(p);
}

} // namespace

void Principal::ClicBarra(const EventoPuntero& evento)
{
    Mensaje(MensajeFinal);
    if (Banderas[2]) {
        AbrirBarra(*this, evento);
        return;
    }
    if (!BarraAbierta(modulo))
        return;
    const int16_t e = BuscarNodo(evento.X, evento.Y);
    if (e != 0)
        TerminarEnNodo(*this, e);
    else
        TerminarEnPosicion(*this, evento);
}

void Principal::MoverBarra(const EventoPuntero& evento)
{
    if (!BarraAbierta(modulo))
        return;
    Barra[static_cast<size_t>(modulo.NumBarras)]->FijarFin(evento.X, evento.Y);
    MedirBarra();
}

// Typed end: start + L (cos θ, sin θ), always with a new node there, even on
// top of an existing one; the bar keeps the typed values.
void Principal::AceptarBarra()
{
    if (!BarraAbierta(modulo))
        return;
    const Valores panel = LeerPanel(*this);
    if (!panel.P.cabe || !panel.A.cabe) {
        Mensaje(MensajeNoCabe);
        return;
    }
    const double L = panel.P.valor;
    const double theta = panel.A.valor * Pi / 180;
    Linea& linea = *Barra[static_cast<size_t>(modulo.NumBarras)];
    const double x2 = coordenadas.AMetros(linea.X1, Eje::X) + L * std::cos(theta);
    const double y2 = coordenadas.AMetros(linea.Y1, Eje::Y) + L * std::sin(theta);
    const auto fin = EnTablero(coordenadas.ATwips(x2, Eje::X), coordenadas.ATwips(y2, Eje::Y));
    const auto medio = MedioDeBarra(coordenadas, linea, L, panel.A.valor);
    if (!fin || !medio) {
        Mensaje(MensajeFuera);
        return;
    }
    const Ubicacion anterior { linea.X2, linea.Y2 };
    linea.FijarFin(fin->x, fin->y);
    if (!AgregarNodo(coordenadas.AMetros(linea.X2, Eje::X), coordenadas.AMetros(linea.Y2, Eje::Y))) {
        linea.FijarFin(anterior.x, anterior.y); // refused: the bar stays open as it was
        return;
    }
    CerrarBarra(*this, modulo.NumNodos, panel, *medio);
    Banderas[1] = false;
    SoltarHerramienta(HerrBarra);
    Mensaje(QString());
}

// Selecting a tool while a bar waits for its end drops that bar, so that no
// bar without an end node stays in the model.
void Principal::DescartarBarraAbierta()
{
    if (!BarraAbierta(modulo))
        return;
    Barra[static_cast<size_t>(modulo.NumBarras)]->Visible(false);
    modulo.QuitarUltimaBarra();
}
