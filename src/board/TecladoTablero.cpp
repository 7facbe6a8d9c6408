#include "board/TecladoTablero.h"

#include "board/ElementosTablero.h"
#include "board/Principal.h"
#include "board/Tablero.h"

#include <QKeyEvent>
#include <algorithm>

namespace {

// The middle of the square that BuscarNodo searches: the dot's, moved onto
// the board for a node past its left or top edge.
constexpr float MitadBusqueda = 60;

// The node a key names, 1 for A to 20 for T; 0 for any other key.
int16_t NodoDeTecla(const QKeyEvent& tecla)
{
    // Shift only changes the case; with Ctrl or Alt the key is another command.
    if ((tecla.modifiers() & ~Qt::ShiftModifier) != Qt::NoModifier)
        return 0;
    const int letra = tecla.key() - Qt::Key_A + 1;
    return letra >= 1 && letra <= MaxNodos ? static_cast<int16_t>(letra) : 0;
}

} // namespace

TecladoTablero::TecladoTablero(Tablero& tablero, Principal& dueno)
    : QObject(&tablero)
    , principal(dueno)
{
    tablero.installEventFilter(this);
}

bool TecladoTablero::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress)
        return QObject::eventFilter(objeto, evento);
    const int16_t n = NodoDeTecla(*static_cast<QKeyEvent*>(evento));
    if (n == 0)
        return false;
    Elegir(n);
    return true;
}

void TecladoTablero::Elegir(int16_t n)
{
    const Principal::Vista vista = principal.Ver();
    if (n > vista.modulo.NumNodos || !principal.EsperaNodo())
        return;
    const Punto& punto = *vista.elementos.Nodo[n];
    principal.Diagrama_MouseDown(
        { 1, 0, std::max(punto.Left(), 0.0F) + MitadBusqueda, std::max(punto.Top(), 0.0F) + MitadBusqueda });
}
