// The supports tool: the first node picked gets the fixed support and leaves
// the tool armed; the next, another node, gets the roller and allows Calcular.

#include "board/Coordenadas.h"
#include "board/ElementosTablero.h"
#include "board/PanelDatos.h"
#include "board/Tablero.h"
#include "tools/Herramientas.h"

namespace {

const QString PromptApoyoFijo = QStringLiteral("Seleccione el nodo del apoyo fijo");
const QString PromptApoyoMovil = QStringLiteral("Seleccione el nodo del apoyo movil");
const QString PromptApoyo = QStringLiteral("Seleccione nodo para el apoyo");

// A support symbol is centred on its node horizontally, its centre 50 twips
// below the node's point; the sizes are read from the image each time.
void UbicarApoyo(Imagen& apoyo, double xt, double yt)
{
    const float left = static_cast<float>(xt - apoyo.Width() / 2.0);
    const float top = static_cast<float>(yt - (apoyo.Height() / 2.0 - 50));
    apoyo.Mover(left, top);
}

} // namespace

void HerramientaApoyos::Seleccionar()
{
    // The captions and texts stay as the previous tool left them.
    editor.Datos().Habilitar(false);
    editor.Mensaje(editor.Estado().Banderas[Bandera::FijoPuesto] ? PromptApoyoMovil : PromptApoyoFijo);
}

void HerramientaApoyos::Presionar(const EventoPuntero& evento)
{
    editor.Mensaje(PromptApoyo);
    editor.SoltarHerramienta(HerrApoyos);
    Modulo& modulo = editor.Modelo();
    const int16_t n = editor.BuscarNodo(evento.X, evento.Y);
    // The roller may not share the fixed support's node.
    if (n == 0 || n == modulo.Apoyos[TipoApoyo::Fijo])
        return;
    const NodoRec& nodo = modulo.Nodo(n);
    const double xt = editor.Escala().ATwips(nodo.X, Eje::X);
    const double yt = editor.Escala().ATwips(nodo.Y, Eje::Y);
    ElementosTablero& elementos = editor.Elementos();
    Tabla<bool, 4>& Banderas = editor.Estado().Banderas;
    if (!Banderas[Bandera::FijoPuesto]) {
        elementos.Apoyo[0]->Visible(true);
        UbicarApoyo(*elementos.Apoyo[0], xt, yt);
        elementos.apilamiento.AlFondo(elementos.Apoyo[0]->item);
        modulo.Apoyos[TipoApoyo::Fijo] = n;
        Banderas[Bandera::FijoPuesto] = true;
        return; // still armed: the next node gets the roller
    }
    elementos.Apoyo[1]->Visible(true);
    modulo.Apoyos[TipoApoyo::Movil] = n;
    UbicarApoyo(*elementos.Apoyo[1], xt, yt);
    elementos.apilamiento.AlFondo(elementos.Apoyo[1]->item);
    editor.HabilitarHerramienta(HerrApoyos, false);
    editor.HabilitarCalcular(true);
    Banderas[Bandera::Armada] = false;
    editor.Mensaje(QString());
}
