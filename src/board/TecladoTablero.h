#pragma once

#include <QObject>
#include <cstdint>

class Principal;
class Tablero;

// Nodes picked by their letters on the board: while the board has the focus
// and the current tool waits for a node, typing the node's letter ("A" for
// node 1, either case) is a left press on the node's dot, through the board's
// own press handler. A letter without a node, or typed while no node is
// wanted, does nothing. Pointer events never pass through here.
class TecladoTablero : public QObject {
public:
    TecladoTablero(Tablero& tablero, Principal& principal);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Elegir(int16_t n);
    Principal& principal;
};
