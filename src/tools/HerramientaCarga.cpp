// The load tool: a node picked on the board, then a load there drawn as a
// line from the node in its direction with the magnitude at the free end.

#include "board/Coordenadas.h"
#include "board/ElementosTablero.h"
#include "board/PanelDatos.h"
#include "board/Tablero.h"
#include "model/Numeros.h"
#include "tools/Herramientas.h"

#include <QLineEdit>
#include <cmath>

namespace {

constexpr double LargoLineaCarga = 500; // twips, whatever the magnitude
const QString PromptCarga = QStringLiteral("Seleccione nodo de aplicación");
const QString PromptParametrosCarga = QStringLiteral("Entre parámetros de la carga");
const QString MensajeSinCargas = QStringLiteral("No se pueden aplicar más de %1 cargas").arg(MaxCargas);
const QString MensajeNoCabe = QStringLiteral("La magnitud o el ángulo escrito es demasiado grande");
const QString MensajeSuma = QStringLiteral("La suma de las cargas del nodo es demasiado grande");
const RotulosPanel RotulosCarga { QStringLiteral("Carga externa"), QStringLiteral("Magnitud(N): "),
    QStringLiteral("Ángulo(°): ") };

// Draws load k at the node's board point in direction theta (radians).
void DibujarCarga(Editor& editor, int k, const NodoRec& nodo, double theta, double P)
{
    const Coordenadas& c = editor.Escala();
    ElementosTablero& elementos = editor.Elementos();
    Linea& linea = *elementos.Fuerza[k];
    linea.FijarInicio(static_cast<float>(c.ATwips(nodo.X, Eje::X)), static_cast<float>(c.ATwips(nodo.Y, Eje::Y)));
    // The board's y grows downward: direction theta is (cos, -sin) there.
    linea.FijarFin(static_cast<float>(linea.X1 + LargoLineaCarga * std::cos(-theta)),
        static_cast<float>(linea.Y1 + LargoLineaCarga * std::sin(-theta)));
    Etiqueta& etiqueta = *elementos.lbCarga[k];
    etiqueta.Caption(FormatoGeneral(P, Separador::Regional));
    etiqueta.Mover(linea.X2, linea.Y2 - etiqueta.Height()); // bottom-left on the free end
    elementos.apilamiento.AlFrente(etiqueta.item);
    etiqueta.Visible(true);
    linea.Visible(true);
}

} // namespace

void HerramientaCarga::Seleccionar()
{
    editor.Datos().Habilitar(false);
    editor.Datos().Rotular(RotulosCarga);
    editor.Mensaje(PromptCarga);
}

void HerramientaCarga::Presionar(const EventoPuntero& evento)
{
    editor.Mensaje(PromptCarga);
    const int16_t n = editor.BuscarNodo(evento.X, evento.Y);
    if (n == 0)
        return;
    editor.Datos().Habilitar(true);
    editor.Estado().NodoCarga = n;
    editor.Elementos().ResaltarNodo(n); // until the load is committed or another tool chosen
    editor.Mensaje(PromptParametrosCarga);
    editor.Estado().Banderas[Bandera::Armada] = false;
}

// The load acts on the node along theta + 180 degrees, toward the node along
// its line: it takes P cos theta from Fx and P sin theta from Fy.
void HerramientaCarga::Aceptar()
{
    Modulo& modulo = editor.Modelo();
    const int16_t n = editor.Estado().NodoCarga;
    if (n < 1 || n > modulo.NumNodos)
        return;
    const Lectura P = LeerNumero(editor.Datos().Prin().text());
    const Lectura A = LeerNumero(editor.Datos().Angulo().text());
    const double theta = ARadianes(A.valor);
    if (!P.cabe || !A.cabe || !std::isfinite(theta)) {
        editor.Mensaje(MensajeNoCabe);
        return;
    }
    if (!modulo.CabeCarga()) {
        editor.Mensaje(MensajeSinCargas);
        return;
    }
    NodoRec& nodo = modulo.Nodo(n);
    const double fx = nodo.Fx - P.valor * std::cos(theta);
    const double fy = nodo.Fy - P.valor * std::sin(theta);
    if (!std::isfinite(fx) || !std::isfinite(fy)) {
        editor.Mensaje(MensajeSuma); // an infinite load would poison the calculation
        return;
    }
    editor.Datos().Habilitar(false);
    const int16_t k = ++modulo.NumCargas;
    DibujarCarga(editor, k, nodo, theta, P.valor);
    nodo.Fx = fx;
    nodo.Fy = fy;
    modulo.Cargas[k] = CargaRec { n, P.valor, A.valor };
    editor.Elementos().ResaltarNodo(0);
    editor.SoltarHerramienta(HerrCarga);
}

void HerramientaCarga::Abandonar()
{
    editor.Elementos().ResaltarNodo(0);
}
