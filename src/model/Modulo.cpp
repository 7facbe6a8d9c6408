#include "Modulo.h"

#include <cassert>
#include <cstddef>

Modulo::Modulo()
{
    // Room for every entry from the start, so growing a table never allocates.
    Nodos.reserve(MaxNodos + 1);
    Barras.reserve(MaxBarras + 1);
    ReiniciarInicio();
}

void Modulo::ReiniciarInicio()
{
    NumNodos = 0;
    NumBarras = 0;
    NumCargas = 0;
    Nodos.assign(1, NodoRec {});
    Barras.assign(1, BarraRec {});
}

void Modulo::NuevoProyecto()
{
    // The matrices keep the last calculation; only the drawing is erased.
    ReiniciarInicio();
    Apoyos = {};
}

int16_t Modulo::AgregarNodoRec(double x, double y)
{
    assert(CabeNodo());
    ++NumNodos;
    Nodos.resize(static_cast<std::size_t>(NumNodos) + 1);
    Nodos[static_cast<std::size_t>(NumNodos)] = NodoRec { x, y, 0, 0 };
    return NumNodos;
}

int16_t Modulo::AgregarBarraRec(int16_t nodoInicial)
{
    assert(CabeBarra());
    ++NumBarras;
    Barras.resize(static_cast<std::size_t>(NumBarras) + 1);
    BarraRec nueva;
    nueva.NodoInicial = nodoInicial;
    Barras[static_cast<std::size_t>(NumBarras)] = nueva;
    return NumBarras;
}

void Modulo::QuitarUltimaBarra()
{
    if (NumBarras == 0)
        return;
    --NumBarras;
    Barras.resize(static_cast<std::size_t>(NumBarras) + 1);
}
