// The Calcular click: assemble, solve, and show every bar's force on the board
// as a label and a colour; why it would not solve, on the board and in the
// message's tooltip. A success allocates nothing but the label texts. Then
// the results window, over the last successful calculation.

#include "board/Colores.h"
#include "board/ElementosTablero.h"
#include "board/Principal.h"
#include "model/Numeros.h"
#include "results/Final.h"
#include "solver/CasiMecanismo.h"
#include "solver/Conteo.h"
#include "solver/Ensamblaje.h"
#include "solver/Resolver.h"

#include <QToolButton>

namespace {

const QString MensajeNoCuadrada = QStringLiteral("Cercha mal determinada, matriz de cálculo no es cuadrada");
const QString MensajeBarraAbierta
    = QStringLiteral("Termine el elemento que está dibujando antes de calcular la cercha");
const QString MensajeSinApoyos = QStringLiteral("Coloque el apoyo fijo y el apoyo movil antes de calcular la cercha");
const QString MensajeSingular = QStringLiteral("Matriz singular, Imposible calcular la cercha");
const QString MensajeCalculada = QStringLiteral("Cercha calculada satisfactoriamente");
const QString ExplicacionMecanismo
    = QStringLiteral("la cercha es un mecanismo: los nodos marcados se mueven sin estirar ninguna barra");

} // namespace

void Principal::Calcular_Click()
{
    elementos->OcultarMarcas();
    switch (EnsamblarSistema(modulo)) {
    case Ensamblaje::Cuadrada: break;
    case Ensamblaje::NoCuadrada:
        Mensaje(MensajeNoCuadrada);
        Explicar(TextoConteo(modulo.NumNodos, modulo.NumBarras));
        return;
    case Ensamblaje::BarraAbierta: Mensaje(MensajeBarraAbierta); return;
    case Ensamblaje::ApoyoInvalido: Mensaje(MensajeSinApoyos); return;
    }
    if (ResolverMatriz(modulo).singular) {
        // Forces, labels, colours and the results stay those of the last success.
        Mensaje(MensajeSingular);
        MarcarSingular();
        return;
    }
    GuardarResuelto(modulo);
    Resultados->setEnabled(true);
    MostrarFuerzas();
    DescribirTablero();
    Mensaje(MensajeCalculada);
    AdvertirCasiMecanismo();
}

// The joints that move without stretching a bar; when the solver refused an
// invertible system for a tiny pivot, those of the nearest mechanism.
void Principal::MarcarSingular()
{
    const Mecanismo mecanismo = MecanismoDeSingular(modulo);
    elementos->Marcar(mecanismo, modulo.NumNodos);
    if (mecanismo.hay)
        Explicar(mecanismo.exacto ? ExplicacionMecanismo : AvisoCasiMecanismo);
}

// Solved, but the forces may be hundreds of times too large: the display
// stays, the nodes of the nearest mechanism are marked and the tooltip warns.
// Runs once per successful calculation and allocates nothing.
void Principal::AdvertirCasiMecanismo()
{
    const Condicion condicion = EvaluarCondicion(modulo);
    if (!condicion.casiMecanismo)
        return;
    elementos->Marcar(condicion.marcas, modulo.NumNodos);
    Explicar(AvisoCasiMecanismo);
}

// Tension reads positive: the label shows -Fuerza. It starts where the bar's
// number ends, bottom edges aligned.
void Principal::MostrarFuerzas()
{
    for (int b = 1; b <= modulo.NumBarras; ++b) {
        const double fuerza = modulo.Barra(b).Fuerza;
        const Etiqueta& numero = *elementos->lbBarra[b];
        Etiqueta& etiqueta = *elementos->lbFuerza[b];
        etiqueta.Caption(FormatoGeneral(-fuerza, Separador::Regional));
        etiqueta.Mover(numero.Left() + numero.Width(), numero.Top() + numero.Height() - etiqueta.Height());
        etiqueta.Visible(true);
        elementos->apilamiento.AlFrente(etiqueta.item);
        elementos->Barra[b]->Color(ColorPorFuerza(fuerza));
    }
}

// The results window shows the last successful calculation, so its bars take
// the colours of that calculation; bars drawn since keep theirs.
void Principal::ResaltarBarra(int barra)
{
    const CalculoResuelto& resuelto = modulo.Resuelto;
    if (!resuelto.hay)
        return;
    for (int b = 1; b <= resuelto.NumBarras; ++b)
        elementos->Barra[b]->Color(ColorPorFuerza(resuelto.Barras[b].Fuerza));
    if (barra >= 1 && barra <= resuelto.NumBarras)
        elementos->Barra[barra]->Color(ColorSeleccion);
}

// The results window lives only while it is open; the main window takes no
// input meanwhile.
void Principal::Resultados_Click()
{
    if (!modulo.Resuelto.hay)
        return;
    VentanaResultados()->exec();
}

std::unique_ptr<Final> Principal::VentanaResultados()
{
    return std::make_unique<Final>(
        *this, modulo.Resuelto, modulo.AnchoPantalla, [this](int barra) { ResaltarBarra(barra); });
}
