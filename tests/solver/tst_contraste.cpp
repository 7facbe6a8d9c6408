// The solver against a second opinion: Eigen's full-pivoting LU of the same
// assembled system, on thousands of seeded random trusses; then properties a
// solved truss must have whatever the solver: joint and global equilibrium
// from the geometry, and forces linear in the loads.

#include "CerchaAzar.h"
#include "solver/Ensamblaje.h"
#include "solver/Resolver.h"

#include <Eigen/LU>
#include <QTest>

namespace {

using Densa = Eigen::MatrixXd;

struct Sistema {
    Densa A;
    Eigen::VectorXd b;
};

Sistema Inicial(const Modulo& m)
{
    const int n = 2 * m.NumNodos;
    Sistema s { Densa(n, n), Eigen::VectorXd(n) };
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            s.A(i - 1, j - 1) = m.MatrizInicial[i][j];
        s.b(i - 1) = m.MatrizInicial[i][n + 1];
    }
    return s;
}

// The unrounded solution the solver leaves in column n + 1.
Eigen::VectorXd Solucion(const Modulo& m)
{
    const int n = 2 * m.NumNodos;
    Eigen::VectorXd x(n);
    for (int i = 1; i <= n; ++i)
        x(i - 1) = m.MatrizCalculo[i][n + 1];
    return x;
}

bool Resolver(Modulo& m)
{
    return EnsamblarSistema(m) == Ensamblaje::Cuadrada && !ResolverMatriz(m).singular;
}

// Same rank tolerance as the mechanism search: rounding of the assembly only.
Eigen::FullPivLU<Densa> Lu(const Densa& A)
{
    Eigen::FullPivLU<Densa> lu(A);
    lu.setThreshold(1e-9);
    return lu;
}

double Relativa(const Eigen::VectorXd& x, const Eigen::VectorXd& referencia)
{
    return (x - referencia).lpNorm<Eigen::Infinity>() / std::max(1.0, referencia.lpNorm<Eigen::Infinity>());
}

} // namespace

class PruebaContraste : public QObject {
    Q_OBJECT
private slots:
    void igualQueEigen();
    void equilibrioDesdeLaGeometria();
    void linealEnLasCargas();
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
        QCOMPARE(EnsamblarSistema(m), Ensamblaje::Cuadrada);
        const Sistema s = Inicial(m);
        const Eigen::FullPivLU<Densa> lu = Lu(s.A);
        const ResultadoResolver r = ResolverMatriz(m);
        if (!r.singular) {
            ++resueltas;
            QVERIFY2(lu.isInvertible(), qPrintable(QStringLiteral("case %1 solved a singular system").arg(caso)));
            const double diferencia = Relativa(Solucion(m), lu.solve(s.b));
            QVERIFY2(diferencia < 1e-9, qPrintable(QStringLiteral("case %1: %2").arg(caso).arg(diferencia)));
        } else if (!lu.isInvertible()) {
            ++deficientes;
        } else {
            ++porPivote;
            const int k = r.filaSingular;
            for (int i = k; i <= 2 * m.NumNodos; ++i)
                QVERIFY(std::abs(m.MatrizCalculo[i][k]) <= 5e-5); // 0.0000 at 4 decimals
        }
    }
    qInfo("%d solved, %d rank-deficient, %d refused by the pivot test", resueltas, deficientes, porPivote);
    QVERIFY(resueltas > 1500 && deficientes > 300); // both branches well exercised
}

// Every joint: the tensions pull it toward the bars' far ends (directions from
// the node coordinates, not the matrix), plus reactions and loads, sum to 0;
// and the whole truss: forces and moments about the origin.
void PruebaContraste::equilibrioDesdeLaGeometria()
{
    Azar azar(7);
    for (int caso = 0; caso < 500; ++caso) {
        Modulo m;
        CerchaSana(m, azar, azar.Entero(3, 11), false);
        QVERIFY(Resolver(m));
        const Eigen::VectorXd x = Solucion(m);
        const int B = m.NumBarras, fijo = m.Apoyos[1], rodillo = m.Apoyos[2];
        std::vector<Eigen::Vector2d> suma(size_t(m.NumNodos) + 1, Eigen::Vector2d::Zero());
        double escala = 1;
        for (int b = 1; b <= B; ++b) {
            const BarraRec& barra = m.Barras[b];
            const Eigen::Vector2d a(m.Nodos[barra.NodoInicial].X, m.Nodos[barra.NodoInicial].Y);
            const Eigen::Vector2d e(m.Nodos[barra.NodoFinal].X, m.Nodos[barra.NodoFinal].Y);
            const Eigen::Vector2d tiron = -x(b - 1) * (e - a).normalized(); // tension = -compression
            suma[size_t(barra.NodoInicial)] += tiron;
            suma[size_t(barra.NodoFinal)] -= tiron;
            escala = std::max(escala, std::abs(x(b - 1)));
        }
        const Eigen::Vector2d Rf(x(B), x(B + 1)), Rr(0, x(B + 2));
        suma[size_t(fijo)] += Rf;
        suma[size_t(rodillo)] += Rr;
        Eigen::Vector3d global(0, 0, 0); // X, Y, moment
        const auto momento
            = [&](int k, const Eigen::Vector2d& f) { return m.Nodos[k].X * f.y() - m.Nodos[k].Y * f.x(); };
        global += Eigen::Vector3d(Rf.x() + Rr.x(), Rf.y() + Rr.y(), momento(fijo, Rf) + momento(rodillo, Rr));
        for (int k = 1; k <= m.NumNodos; ++k) {
            const Eigen::Vector2d P(m.Nodos[k].Fx, m.Nodos[k].Fy);
            QVERIFY2((suma[size_t(k)] + P).norm() < 1e-9 * escala,
                qPrintable(QStringLiteral("case %1 node %2").arg(caso).arg(k)));
            global += Eigen::Vector3d(P.x(), P.y(), momento(k, P));
        }
        QVERIFY2(global.norm() < 1e-8 * escala, qPrintable(QStringLiteral("case %1").arg(caso)));
    }
}

// Loads times 2.5 give forces times 2.5; two load sets together give the sum.
void PruebaContraste::linealEnLasCargas()
{
    Azar azar(99);
    for (int caso = 0; caso < 500; ++caso) {
        Modulo m;
        CerchaSana(m, azar, azar.Entero(3, 11), caso % 2 == 0);
        QVERIFY(Resolver(m));
        const Eigen::VectorXd x1 = Solucion(m);
        const std::vector<NodoRec> primeras = m.Nodos;
        Cargar(m, azar);
        QVERIFY(Resolver(m));
        const Eigen::VectorXd x2 = Solucion(m);
        for (int k = 1; k <= m.NumNodos; ++k) {
            m.Nodos[k].Fx = 2.5 * (m.Nodos[k].Fx + primeras[size_t(k)].Fx);
            m.Nodos[k].Fy = 2.5 * (m.Nodos[k].Fy + primeras[size_t(k)].Fy);
        }
        QVERIFY(Resolver(m));
        const Eigen::VectorXd esperado = 2.5 * (x1 + x2);
        QVERIFY2(Relativa(Solucion(m), esperado) < 1e-9, qPrintable(QStringLiteral("case %1").arg(caso)));
    }
}

QTEST_GUILESS_MAIN(PruebaContraste)
#include "tst_contraste.moc"
