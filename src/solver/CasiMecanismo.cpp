#include "solver/CasiMecanismo.h"

#include "solver/SistemaDenso.h"

#include <Eigen/SVD>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979;
// The bar tool stores the angle it shows, cut to a tenth of a degree.
constexpr double RecorteAngulo = 0.1 * Pi / 180;

// The nearest mechanism is an exact one only of a nearby matrix, so the nodes
// it holds still show a small drift: about 1e-3 of the largest motion when the
// angles are cut to 0.1 degree (the drift is of the order of the cut over the
// gap to the next singular value). A node is marked when it moves a twentieth
// of the largest motion or more, well above that drift and about what a
// sketch on the board can still show.
constexpr double UmbralCercano = 0.05;

using Descomposicion = Eigen::JacobiSVD<MatrizDensa, Eigen::NoQRPreconditioner>;

// A square, complete system's singular values and left singular vectors; false when the system is not square or
// incomplete.
bool Descomponer(const Modulo& modulo, Descomposicion& svd)
{
    MatrizDensa A;
    if (!ArmarCoeficientes(modulo, A) || A.rows() != A.cols())
        return false;
    svd.compute(A, Eigen::ComputeFullU);
    return true;
}

// The nearest mechanism, from the last left singular vector.
Mecanismo CercanoDe(const Descomposicion& svd)
{
    const Eigen::Index n = svd.singularValues().size();
    Mecanismo mecanismo = MecanismoDeVector(svd.matrixU().col(n - 1), UmbralCercano);
    mecanismo.grados = mecanismo.hay ? 1 : 0;
    return mecanismo;
}

} // namespace

double CotaRecorteAngulos(int barras)
{
    return std::sqrt(2.0 * barras) * 2 * std::sin(RecorteAngulo / 2);
}

Mecanismo MecanismoCercano(const Modulo& modulo)
{
    Descomposicion svd;
    if (!Descomponer(modulo, svd))
        return {};
    return CercanoDe(svd);
}

Condicion EvaluarCondicion(const Modulo& modulo)
{
    Descomposicion svd;
    Condicion condicion;
    if (!Descomponer(modulo, svd))
        return condicion;
    const auto& sigma = svd.singularValues(); // decreasing
    condicion.valida = true;
    condicion.sigmaMaximo = sigma(0);
    condicion.sigmaMinimo = sigma(sigma.size() - 1);
    condicion.cota = CotaRecorteAngulos(modulo.NumBarras);
    condicion.casiMecanismo = condicion.sigmaMinimo <= condicion.cota;
    if (condicion.casiMecanismo)
        condicion.marcas = CercanoDe(svd);
    return condicion;
}
