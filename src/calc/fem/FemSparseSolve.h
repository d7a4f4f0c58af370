// The sparse direct solve of the plate's system G·T = b: an LU
// factorisation with partial pivoting (G is not symmetric where the two
// sides of a face disagree), an estimate of the condition number, and a
// residual check of the solution.
//
// The scalar is long double, as in every calculation of the program. The
// spreadsheet solves the same system in double, by its own inversion; the
// two answers differ by the spreadsheet's own rounding, about
// κ(G)·1.1e-16 relative, so solving in double here would not give its bits
// either and would only add an error of the same size. In long double this
// program's temperatures are the more exact ones, and the heat balance,
// which sums flows that are differences of near products, closes to far
// below the 1e-9 of the largest flow it is checked against.
#pragma once

#include <vector>

#include "calc/fem/FemAssembly.h"

struct FemLinearSolution {
  bool solved = false;
  std::vector<long double> x;  // T1 … Tm when solved
  long double condition = 0;   // estimated κ₁(G); 0 where the factorisation failed
};

namespace FemSparseSolve {

// A G whose condition number exceeds this is refused as ill-conditioned:
// there even these long double temperatures may be off by 1e-7 relative
// and a spreadsheet's double ones by 1e-4, results that would mislead.
inline constexpr long double kMaxCondition = 1e12L;

// Solves system.g · x = system.b. Not solved (x empty) when a
// coefficient is not finite, when the LU factorisation meets a zero pivot,
// when the estimated condition number (Higham's 1-norm estimate, as
// LAPACK's xGECON computes it) exceeds kMaxCondition, or when the solution
// or the residual is not finite or the residual is far above rounding.
// Raises no floating-point fault flag on a system it solves. An empty
// system is solved by an empty x.
FemLinearSolution Solve(const FemSystem& system);

}  // namespace FemSparseSolve
