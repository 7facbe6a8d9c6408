#include "Resolver.h"

#include "model/Numeros.h"

#include <cassert>
#include <utility>

namespace {

// A pivot must survive rounding to 4 decimals; anything smaller is taken for
// the rounding leftover of a zero.
bool EsPivote(double valor)
{
    return RedondearPar(valor, 4) != 0;
}

// Row k divided by its pivot over the whole row, then subtracted from every
// row below so that column k is 0 under the diagonal.
void EliminarColumna(Matriz& M, int k, int n)
{
    const double p = M[k][k];
    for (int j = 1; j <= n + 1; ++j)
        M[k][j] = M[k][j] / p;
    for (int i = k + 1; i <= n; ++i) {
        const double f = M[i][k];
        for (int j = 1; j <= n + 1; ++j)
            M[i][j] = M[i][j] - f * M[k][j];
    }
}

// Only the right-hand side is reduced; the triangle stays as eliminated.
void SustituirHaciaAtras(Matriz& M, int n)
{
    for (int i = n - 1; i >= 1; --i)
        for (int j = i + 1; j <= n; ++j)
            M[i][n + 1] = M[i][n + 1] - M[j][n + 1] * M[i][j];
}

} // namespace

bool IntercambiarFila(Matriz& M, int k, int n)
{
    for (int r = k + 1; r <= n; ++r) {
        if (!EsPivote(M[r][k]))
            continue;
        for (int j = 1; j <= n + 1; ++j)
            std::swap(M[k][j], M[r][j]);
        return false;
    }
    return true;
}

ResultadoResolver ResolverMatriz(Modulo& modulo)
{
    Matriz& M = modulo.MatrizCalculo;
    const int16_t n = static_cast<int16_t>(2 * modulo.NumNodos);
    assert(n >= 2 && n <= FilasMatriz);
    assert(modulo.NumBarras <= n);

    for (int k = 1; k <= n; ++k) {
        if (!EsPivote(M[k][k]) && IntercambiarFila(M, k, n))
            return { true, k };
        EliminarColumna(M, k, n);
    }
    SustituirHaciaAtras(M, n);
    for (int b = 1; b <= modulo.NumBarras; ++b)
        modulo.Barra(b).Fuerza = RedondearPar(M[b][n + 1], 1);
    return { false, 0 };
}
