#include "solver/Mecanismo.h"

#include "solver/SistemaDenso.h"

#include <Eigen/LU>
#include <Eigen/QR>

namespace {

// Rank tolerance, relative to the largest entry of A (about 1: unit vectors
// and the reaction 1s). A system that is singular as stored still carries the
// rounding of its assembly: degrees become radians with pi cut to 15 digits
// (an angle error up to 360 x 3.2e-15 / 180 = 6.5e-15, hence cos 90 = 1.6e-15)
// and each cos and sin is rounded once more; with pivoting growth and at most
// 23 columns its last pivot stays below about 1e-12. 1e-9 keeps a thousandfold
// margin above that and lies far below the solver's own 5e-5 pivot test: what
// falls between is an invertible system that the solver refuses, answered by
// the nearest mechanism. Geometric near-mechanisms (angles cut to 0.1 degree)
// are much larger and belong to the condition check, not to the rank.
constexpr double UmbralRango = 1e-9;

// A node that moves less than this in every independent motion (unit vectors)
// is held: the null vectors come from back substitution on pivots above
// UmbralRango, so a held node shows at most rounding noise far below it.
constexpr double UmbralMovimiento = 1e-6;

// Independent motions of the joints, as orthonormal columns.
MatrizDensa MovimientosIndependientes(const MatrizDensa& A)
{
    Eigen::FullPivLU<MatrizDensa> lu(A.transpose());
    lu.setThreshold(UmbralRango);
    if (lu.dimensionOfKernel() == 0)
        return MatrizDensa(A.rows(), 0);
    const MatrizDensa nucleo = lu.kernel();
    const Eigen::HouseholderQR<MatrizDensa> qr(nucleo);
    return qr.householderQ() * MatrizDensa::Identity(nucleo.rows(), nucleo.cols());
}

} // namespace

Mecanismo BuscarMecanismo(const Modulo& modulo)
{
    MatrizDensa A;
    if (!ArmarCoeficientes(modulo, A))
        return {};
    const MatrizDensa Q = MovimientosIndependientes(A);
    if (Q.cols() == 0)
        return {};
    // One motion to sketch: unequal weights, so that no node that moves in
    // some motion is cancelled out by the mix.
    VectorDenso boceto = VectorDenso::Zero(Q.rows());
    for (Eigen::Index j = 0; j < Q.cols(); ++j)
        boceto += Q.col(j) / static_cast<double>(j + 1);
    Mecanismo mecanismo = MecanismoDeVector(boceto, UmbralMovimiento);
    mecanismo.hay = false;
    for (int k = 1; k <= modulo.NumNodos; ++k) {
        bool& marcado = mecanismo.nodos[static_cast<size_t>(k)].marcado;
        marcado = Q.middleRows(2 * k - 2, 2).norm() > UmbralMovimiento;
        mecanismo.hay = mecanismo.hay || marcado;
    }
    mecanismo.exacto = true;
    mecanismo.grados = static_cast<int>(Q.cols());
    return mecanismo;
}

Mecanismo MecanismoDeSingular(const Modulo& modulo)
{
    const Mecanismo exacto = BuscarMecanismo(modulo);
    return exacto.hay ? exacto : MecanismoCercano(modulo);
}
