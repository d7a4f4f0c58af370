#include "calc/fem/FemSparseSolve.h"

#include <Eigen/SparseCore>
#include <Eigen/SparseLU>
#include <algorithm>
#include <cmath>

namespace FemSparseSolve {

namespace {

using Matrix = Eigen::SparseMatrix<long double>;
using Vector = Eigen::Matrix<long double, Eigen::Dynamic, 1>;
using Lu = Eigen::SparseLU<Matrix, Eigen::COLAMDOrdering<int>>;

Matrix ToSparse(const FemSystem& s) {
  const int n = static_cast<int>(s.b.size());
  std::vector<Eigen::Triplet<long double>> entries;
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c)
      if (s.g[r][c] != 0) entries.emplace_back(r, c, s.g[r][c]);
  Matrix g(n, n);
  g.setFromTriplets(entries.begin(), entries.end());
  g.makeCompressed();
  return g;
}

long double OneNorm(const Matrix& g) {
  long double norm = 0;
  for (int c = 0; c < g.outerSize(); ++c) {
    long double column = 0;
    for (Matrix::InnerIterator it(g, c); it; ++it) column += fabsl(it.value());
    norm = std::max(norm, column);
  }
  return norm;
}

// ‖G⁻¹‖₁ estimated from a few solves with G and Gᵀ (Hager's method with
// Higham's refinements, N. J. Higham, ACM TOMS 14 (1988) 381–396, Alg. 4.1).
long double InverseOneNorm(Lu& lu, int n) {
  Vector x = Vector::Constant(n, 1.0L / n);
  Vector sign = Vector::Zero(n);
  long double estimate = 0;
  int lastJ = -1;
  for (int iteration = 0; iteration < 5; ++iteration) {
    const Vector y = lu.solve(x);
    const long double norm = y.lpNorm<1>();
    if (iteration > 0 && norm <= estimate) break;
    estimate = norm;
    Vector newSign(n);
    for (int i = 0; i < n; ++i) newSign[i] = y[i] < 0 ? -1.0L : 1.0L;
    if (iteration > 0 && newSign == sign) break;
    sign = newSign;
    const Vector z = lu.transpose().solve(sign);
    int j = 0;
    z.cwiseAbs().maxCoeff(&j);
    if (j == lastJ) break;
    lastJ = j;
    x = Vector::Zero(n);
    x[j] = 1;
  }
  // An alternating vector guards against the rare matrices the iteration
  // underestimates.
  if (n > 1) {
    Vector alternating(n);
    for (int i = 0; i < n; ++i) alternating[i] = (i % 2 == 0 ? 1.0L : -1.0L) * (1 + i / (n - 1.0L));
    estimate = std::max(estimate, 2 * lu.solve(alternating).lpNorm<1>() / (3.0L * n));
  }
  return estimate;
}

bool Finite(const Vector& v) {
  for (long double x : v)
    if (!std::isfinite(x)) return false;
  return true;
}

}  // namespace

FemLinearSolution Solve(const FemSystem& system) {
  FemLinearSolution result;
  const int n = static_cast<int>(system.b.size());
  if (n == 0) {
    result.solved = true;
    return result;
  }
  // Coefficients that are no numbers (a zero size or conductivity, whose
  // fault the assembly raised) are not factorised.
  for (int r = 0; r < n; ++r)
    if (!std::isfinite(system.b[r]) || !Finite(Eigen::Map<const Vector>(system.g[r].data(), n)))
      return result;
  const Matrix g = ToSparse(system);
  Lu lu;
  lu.analyzePattern(g);
  lu.factorize(g);
  if (lu.info() != Eigen::Success) return result;

  result.condition = OneNorm(g) * InverseOneNorm(lu, n);
  if (!std::isfinite(result.condition) || result.condition > kMaxCondition) return result;

  const Vector b = Eigen::Map<const Vector>(system.b.data(), n);
  const Vector x = lu.solve(b);
  if (lu.info() != Eigen::Success || !Finite(x)) return result;
  // LU with partial pivoting leaves a residual of a few roundings (some
  // 1e-18 of |G|·|x| + |b|); one above 1e-12 of it means a breakdown.
  const Vector r = b - g * x;
  const long double scale = OneNorm(g.transpose()) * x.cwiseAbs().maxCoeff() + b.cwiseAbs().maxCoeff();
  if (!Finite(r) || r.cwiseAbs().maxCoeff() > 1e-12L * scale) return result;

  result.solved = true;
  result.x.assign(x.begin(), x.end());
  return result;
}

}  // namespace FemSparseSolve
