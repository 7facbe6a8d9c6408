#include "Ensamblaje.h"

#include <cassert>
#include <cmath>

namespace {

bool EsNodo(const Modulo& modulo, int nodo)
{
    return nodo >= 1 && nodo <= modulo.NumNodos;
}

// A bar still being drawn has NodoFinal 0; its rows would fall outside the matrix.
bool BarrasCerradas(const Modulo& modulo)
{
    for (int b = 1; b <= modulo.NumBarras; ++b) {
        const BarraRec& barra = modulo.Barra(b);
        if (!EsNodo(modulo, barra.NodoInicial) || !EsNodo(modulo, barra.NodoFinal))
            return false;
    }
    return true;
}

bool ApoyosPuestos(const Modulo& modulo)
{
    return EsNodo(modulo, modulo.Apoyos[TipoApoyo::Fijo]) && EsNodo(modulo, modulo.Apoyos[TipoApoyo::Movil]);
}

// The force of bar b pushes its end node along the bar and its start node back.
void EscribirBarras(Modulo& modulo)
{
    Matriz& M = modulo.MatrizCalculo;
    for (int b = 1; b <= modulo.NumBarras; ++b) {
        const ColumnaBarra columna = CoeficientesBarra(modulo.Barra(b));
        for (int i = 0; i < 4; ++i)
            M[columna.filas[i]][b] = columna.valores[i];
    }
}

// The loads move to the right-hand side, hence the reversed sign.
void EscribirCargas(Modulo& modulo)
{
    Matriz& M = modulo.MatrizCalculo;
    const int columna = 2 * modulo.NumNodos + 1;
    for (int k = 1; k <= modulo.NumNodos; ++k) {
        M[2 * k - 1][columna] = -modulo.Nodo(k).Fx;
        M[2 * k][columna] = -modulo.Nodo(k).Fy;
    }
}

void EscribirReacciones(Modulo& modulo)
{
    Matriz& M = modulo.MatrizCalculo;
    const int b = modulo.NumBarras;
    const int fijo = modulo.Apoyos[TipoApoyo::Fijo];
    const int rodillo = modulo.Apoyos[TipoApoyo::Movil];
    M[2 * fijo - 1][b + 1] = 1;
    M[2 * fijo][b + 2] = 1;
    M[2 * rodillo][b + 3] = 1;
}

} // namespace

ColumnaBarra CoeficientesBarra(const BarraRec& barra)
{
    const double theta = ARadianes(barra.Angulo);
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const int inicio = barra.NodoInicial;
    const int fin = barra.NodoFinal;
    return { { { 2 * inicio - 1, 2 * inicio, 2 * fin - 1, 2 * fin } }, { { -c, -s, c, s } } };
}

Ensamblaje EnsamblarSistema(Modulo& modulo)
{
    for (auto& fila : modulo.MatrizCalculo)
        fila.fill(0);
    if (2 * modulo.NumNodos != modulo.NumBarras + 3)
        return Ensamblaje::NoCuadrada;

    assert(modulo.Nodos.size() > static_cast<size_t>(modulo.NumNodos));
    assert(modulo.Barras.size() > static_cast<size_t>(modulo.NumBarras));
    assert(2 * modulo.NumNodos <= FilasMatriz);
    if (!BarrasCerradas(modulo))
        return Ensamblaje::BarraAbierta;
    if (!ApoyosPuestos(modulo))
        return Ensamblaje::ApoyoInvalido;

    EscribirBarras(modulo);
    EscribirCargas(modulo);
    EscribirReacciones(modulo);
    modulo.MatrizInicial = modulo.MatrizCalculo;
    return Ensamblaje::Cuadrada;
}

void GuardarResuelto(Modulo& modulo)
{
    CalculoResuelto& resuelto = modulo.Resuelto;
    const int barras = modulo.NumBarras;
    const int derecha = 2 * modulo.NumNodos + 1;

    resuelto.hay = true;
    resuelto.NumNodos = modulo.NumNodos;
    resuelto.NumBarras = modulo.NumBarras;
    resuelto.MatrizInicial = modulo.MatrizInicial;
    resuelto.Barras.fill(BarraRec {});
    for (int b = 1; b <= barras; ++b)
        resuelto.Barras[b] = modulo.Barra(b);
    // The reactions are the unknowns after the bars: rows B + 1 .. B + 3.
    for (int r = 0; r < 3; ++r)
        resuelto.Reacciones[r] = modulo.MatrizCalculo[barras + 1 + r][derecha];
}
