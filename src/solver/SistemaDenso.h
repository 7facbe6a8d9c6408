#pragma once

#include "model/Modulo.h"
#include "solver/Mecanismo.h"

#include <Eigen/Core>

// The equilibrium system as an Eigen matrix, for the rank and condition checks.
// An upper bound on the size (two rows per node, at most 23 columns) keeps
// every matrix and every decomposition of these checks off the heap.
using MatrizDensa = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::ColMajor, FilasMatriz, FilasMatriz>;
using VectorDenso = Eigen::Matrix<double, Eigen::Dynamic, 1, Eigen::ColMajor, FilasMatriz, 1>;

// The coefficients of the method of joints for the drawn truss whatever its
// count: 2 x NumNodos rows, NumBarras + 3 columns (bars, then fixed X, fixed Y,
// roller Y), the same values the assembly writes into MatrizCalculo, without
// the loads. False, and A untouched, when there is no node, a bar is still
// open or names no node, or a support is not on a node.
bool ArmarCoeficientes(const Modulo& modulo, MatrizDensa& A);

// Node by node motion from a vector of joint displacements (dx, dy of node 1,
// then of node 2, ...): scaled so that the largest node displacement is 1, its
// largest component positive; a node whose scaled displacement is above
// `umbral` is marked.
Mecanismo MecanismoDeVector(const VectorDenso& u, double umbral);
