// A press on the board: the common start, then the step of the armed tool.
// Here the supports and the load tool's node pick; nodes and bars have their
// own files. The mouse button is never looked at.

#include "board/Principal.h"

#include <QGroupBox>
#include <QToolButton>

namespace {

const QString PromptApoyo = QStringLiteral("Seleccione nodo para el apoyo");
const QString PromptCarga = QStringLiteral("Seleccione nodo de aplicación");
const QString PromptParametrosCarga = QStringLiteral("Entre parámetros de la carga");

// A support symbol is centred on its node horizontally, its centre 50 twips
// below the node's point; the sizes are read from the image each time.
void UbicarApoyo(Imagen& apoyo, double xt, double yt)
{
    const float left = static_cast<float>(xt - apoyo.Width() / 2.0);
    const float top = static_cast<float>(yt - (apoyo.Height() / 2.0 - 50));
    apoyo.Mover(left, top);
}

} // namespace

void Principal::Diagrama_MouseDown(const EventoPuntero& evento)
{
    Mensaje(QString());
    if (!Banderas[1])
        return;
    switch (HerramientaActual) {
    case HerrApoyos: ClicApoyo(evento); break;
    case HerrCarga: ClicCarga(evento); break;
    case HerrNodo: ClicNodo(evento); break;
    case HerrBarra: ClicBarra(evento); break;
    default: break;
    }
}

void Principal::ClicApoyo(const EventoPuntero& evento)
{
    Mensaje(PromptApoyo);
    SoltarHerramienta(HerrApoyos);
    const int16_t n = BuscarNodo(evento.X, evento.Y);
    // The roller may not share the fixed support's node.
    if (n == 0 || n == modulo.Apoyos[1])
        return;
    const NodoRec& nodo = modulo.Nodos[static_cast<size_t>(n)];
    const double xt = coordenadas.ATwips(nodo.X, Eje::X);
    const double yt = coordenadas.ATwips(nodo.Y, Eje::Y);
    if (!Banderas[3]) {
        Apoyo[0]->Visible(true);
        UbicarApoyo(*Apoyo[0], xt, yt);
        apilamiento.AlFondo(Apoyo[0]->item);
        modulo.Apoyos[1] = n;
        Banderas[3] = true;
        return; // still armed: the next node gets the roller
    }
    Apoyo[1]->Visible(true);
    modulo.Apoyos[2] = n;
    UbicarApoyo(*Apoyo[1], xt, yt);
    apilamiento.AlFondo(Apoyo[1]->item);
    Herramienta[HerrApoyos]->setEnabled(false);
    Calcular->setEnabled(true);
    Banderas[1] = false;
    Mensaje(QString());
}

void Principal::ClicCarga(const EventoPuntero& evento)
{
    Mensaje(PromptCarga);
    const int16_t n = BuscarNodo(evento.X, evento.Y);
    if (n == 0)
        return;
    Datos->setEnabled(true);
    NodoCarga = n;
    Mensaje(PromptParametrosCarga);
    Banderas[1] = false;
}
