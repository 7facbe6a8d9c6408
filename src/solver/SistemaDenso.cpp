#include "solver/SistemaDenso.h"

#include "solver/Ensamblaje.h"

#include <algorithm>
#include <cmath>

namespace {

bool EsNodo(const Modulo& modulo, int nodo)
{
    return nodo >= 1 && nodo <= modulo.NumNodos;
}

bool Completa(const Modulo& modulo)
{
    if (modulo.NumNodos < 1 || !EsNodo(modulo, modulo.Apoyos[TipoApoyo::Fijo])
        || !EsNodo(modulo, modulo.Apoyos[TipoApoyo::Movil]))
        return false;
    for (int b = 1; b <= modulo.NumBarras; ++b)
        if (!EsNodo(modulo, modulo.Barra(b).NodoInicial) || !EsNodo(modulo, modulo.Barra(b).NodoFinal))
            return false;
    return true;
}

} // namespace

bool ArmarCoeficientes(const Modulo& modulo, MatrizDensa& A)
{
    if (!Completa(modulo))
        return false;
    const int barras = modulo.NumBarras;
    A.setZero(2 * modulo.NumNodos, barras + 3);
    // 0-based: bar b is column b - 1, 1-based row i is row i - 1.
    for (int b = 1; b <= barras; ++b) {
        const ColumnaBarra columna = CoeficientesBarra(modulo.Barra(b));
        for (int i = 0; i < 4; ++i)
            A(columna.filas[i] - 1, b - 1) = columna.valores[i];
    }
    A(2 * modulo.Apoyos[TipoApoyo::Fijo] - 2, barras) = 1;
    A(2 * modulo.Apoyos[TipoApoyo::Fijo] - 1, barras + 1) = 1;
    A(2 * modulo.Apoyos[TipoApoyo::Movil] - 1, barras + 2) = 1;
    return true;
}

Mecanismo MecanismoDeVector(const VectorDenso& u, double umbral)
{
    const int nodos = static_cast<int>(u.size() / 2);
    double mayor = 0;
    for (int k = 0; k < nodos; ++k)
        mayor = std::max(mayor, std::hypot(u(2 * k), u(2 * k + 1)));
    Mecanismo mecanismo;
    if (!(mayor > 0))
        return mecanismo;
    Eigen::Index cual = 0;
    u.cwiseAbs().maxCoeff(&cual);
    const double escala = (u(cual) < 0 ? -1 : 1) / mayor;
    for (int k = 0; k < nodos; ++k) {
        MovimientoNodo& nodo = mecanismo.nodos[k + 1];
        nodo.dx = u(2 * k) * escala;
        nodo.dy = u(2 * k + 1) * escala;
        nodo.marcado = std::hypot(nodo.dx, nodo.dy) > umbral;
        mecanismo.hay = mecanismo.hay || nodo.marcado;
    }
    return mecanismo;
}
