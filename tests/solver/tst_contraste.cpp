// The solver against a second opinion, Eigen's full-pivoting LU of the same
// assembled system, on thousands of seeded random trusses; and, as the same
// system could be assembled wrong, equilibrium checked from the geometry.
// Agreeing with a linear solve also makes the forces linear in the loads.

#include "CerchaAzar.h"
#include "solver/Ensamblaje.h"
#include "solver/Resolver.h"

#include <Eigen/LU>
#include <QTest>

namespace {

// Every joint: the tensions pull it toward the bars' far ends (directions from
// the node coordinates, not the matrix), plus reactions and loads, sum to 0;
// and the whole truss: forces and moments about the origin. x is the solution.
QString Desequilibrio(const Modulo& m, const Eigen::VectorXd& x)
{
    const int B = m.NumBarras, fijo = m.Apoyos[1], rodillo = m.Apoyos[2];
    std::vector<Eigen::Vector2d> suma(size_t(m.NumNodos) + 1, Eigen::Vector2d::Zero());
    const auto punto = [&](int k) { return Eigen::Vector2d(m.Nodo(k).X, m.Nodo(k).Y); };
    for (int b = 1; b <= B; ++b) {
        const BarraRec& barra = m.Barra(b);
        const Eigen::Vector2d tiron // tension = -compression
            = -x(b - 1) * (punto(barra.NodoFinal) - punto(barra.NodoInicial)).normalized();
        suma[size_t(barra.NodoInicial)] += tiron;
        suma[size_t(barra.NodoFinal)] -= tiron;
    }
    const double escala = std::max(1.0, x.lpNorm<Eigen::Infinity>());
    const Eigen::Vector2d Rf(x(B), x(B + 1)), Rr(0, x(B + 2));
    suma[size_t(fijo)] += Rf;
    suma[size_t(rodillo)] += Rr;
    const auto momento = [&](int k, const Eigen::Vector2d& f) { return punto(k).x() * f.y() - punto(k).y() * f.x(); };
    Eigen::Vector3d global(Rf.x(), Rf.y() + Rr.y(), momento(fijo, Rf) + momento(rodillo, Rr)); // X, Y, moment
    for (int k = 1; k <= m.NumNodos; ++k) {
        const Eigen::Vector2d P(m.Nodo(k).Fx, m.Nodo(k).Fy);
        if ((suma[size_t(k)] + P).norm() > 1e-9 * escala)
            return QStringLiteral("node %1").arg(k);
        global += Eigen::Vector3d(P.x(), P.y(), momento(k, P));
    }
    return global.norm() < 1e-8 * escala ? QString() : QStringLiteral("whole truss");
}

} // namespace

class PruebaContraste : public QObject {
    Q_OBJECT
private slots:
    void igualQueEigen();
};

// Sound trusses (angles cut as drawn, or exact) and loose ones with the right
// count. Where the solver solves, its answer is Eigen's to 1e-9 relative, and
// Eigen finds the system of full rank; where it reports "Matriz singular", the
// system is rank-deficient or, by design, every candidate pivot of the failing
// column rounds to 0 at 4 decimals in the partly eliminated matrix.
void PruebaContraste::igualQueEigen()
{
    Azar azar(20240611);
    int resueltas = 0, deficientes = 0, porPivote = 0;
    for (int caso = 0; caso < 3000; ++caso) {
        Modulo m;
        const int nodos = azar.Entero(2, 11);
        if (caso % 3 == 2)
            CerchaSuelta(m, azar, nodos);
        else
            CerchaSana(m, azar, nodos, caso % 3 == 0);
        const int n = 2 * m.NumNodos;
        QCOMPARE(EnsamblarSistema(m), Ensamblaje::Cuadrada);
        Eigen::MatrixXd A(n, n);
        Eigen::VectorXd b(n), x(n);
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j)
                A(i - 1, j - 1) = m.MatrizInicial[i][j];
            b(i - 1) = m.MatrizInicial[i][n + 1];
        }
        Eigen::FullPivLU<Eigen::MatrixXd> lu(A);
        lu.setThreshold(1e-9); // same rank tolerance as the mechanism search: rounding of the assembly only
        const ResultadoResolver r = ResolverMatriz(m);
        const QString nombre = QStringLiteral("case %1 ").arg(caso);
        if (!r.singular) {
            ++resueltas;
            QVERIFY2(lu.isInvertible(), qPrintable(nombre + "solved a singular system"));
            for (int i = 1; i <= n; ++i)
                x(i - 1) = m.MatrizCalculo[i][n + 1]; // unrounded
            const Eigen::VectorXd referencia = lu.solve(b);
            const double diferencia
                = (x - referencia).lpNorm<Eigen::Infinity>() / std::max(1.0, referencia.lpNorm<Eigen::Infinity>());
            QVERIFY2(diferencia < 1e-9, qPrintable(nombre + QString::number(diferencia)));
            if (caso % 3 == 1) // exact angles: the geometry agrees with the matrix
                QVERIFY2(Desequilibrio(m, x).isEmpty(), qPrintable(nombre + Desequilibrio(m, x)));
        } else if (!lu.isInvertible()) {
            ++deficientes;
        } else {
            ++porPivote;
            for (int i = r.filaSingular; i <= n; ++i)
                QVERIFY(std::abs(m.MatrizCalculo[i][r.filaSingular]) <= 5e-5); // 0.0000 at 4 decimals
        }
    }
    qInfo("%d solved, %d rank-deficient, %d refused by the pivot test", resueltas, deficientes, porPivote);
    QVERIFY(resueltas > 1500 && deficientes > 300); // both branches well exercised
}

QTEST_GUILESS_MAIN(PruebaContraste)
#include "tst_contraste.moc"
