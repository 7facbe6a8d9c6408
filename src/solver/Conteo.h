#pragma once

#include <QString>

// The count behind "Cercha mal determinada, matriz de cálculo no es cuadrada",
// in words: "4 nodos dan 8 ecuaciones; 4 barras más 3 reacciones dan 7
// incógnitas: falta 1 barra". A square count ends "la cuenta cuadra"; with
// fewer than 2 nodes no count of bars can work, and the text asks for nodes.
// Numbers in the general format with the regional separator.
QString TextoConteo(int nodos, int barras);
