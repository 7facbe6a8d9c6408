#include "solver/SistemaDenso.h"

#include <algorithm>
#include <cmath>

namespace {

// The assembly's pi: the same 15 digits give the same coefficients.
constexpr double Pi = 3.14159265358979;

bool EsNodo(const Modulo& modulo, int nodo)
{
    return nodo >= 1 && nodo <= modulo.NumNodos;
}

bool Completa(const Modulo& modulo)
{
    if (modulo.NumNodos < 1 || !EsNodo(modulo, modulo.Apoyos[1]) || !EsNodo(modulo, modulo.Apoyos[2]))
        return false;
    for (int b = 1; b <= modulo.NumBarras; ++b)
        if (!EsNodo(modulo, modulo.Barras[b].NodoInicial) || !EsNodo(modulo, modulo.Barras[b].NodoFinal))
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
    // 0-based: node k has rows 2k - 2 (X) and 2k - 1 (Y); bar b column b - 1.
    for (int b = 1; b <= barras; ++b) {
        const BarraRec& barra = modulo.Barras[b];
        const double theta = barra.Angulo * Pi / 180;
        const double c = std::cos(theta);
        const double s = std::sin(theta);
        A(2 * barra.NodoInicial - 2, b - 1) = -c;
        A(2 * barra.NodoInicial - 1, b - 1) = -s;
        A(2 * barra.NodoFinal - 2, b - 1) = c;
        A(2 * barra.NodoFinal - 1, b - 1) = s;
    }
    A(2 * modulo.Apoyos[1] - 2, barras) = 1;
    A(2 * modulo.Apoyos[1] - 1, barras + 1) = 1;
    A(2 * modulo.Apoyos[2] - 1, barras + 2) = 1;
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
        MovimientoNodo& nodo = mecanismo.nodos[static_cast<size_t>(k + 1)];
        nodo.dx = u(2 * k) * escala;
        nodo.dy = u(2 * k + 1) * escala;
        nodo.marcado = std::hypot(nodo.dx, nodo.dy) > umbral;
        mecanismo.hay = mecanismo.hay || nodo.marcado;
    }
    return mecanismo;
}
