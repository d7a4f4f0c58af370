#include "calc/fem/FemSolution.h"

#include "calc/fem/FemAssembly.h"
#include "calc/fem/FemFloating.h"
#include "calc/fem/FemSparseSolve.h"

FemSolution SolveFemTable(const FemTable& table) {
  FemSolution solution;
  const FemSystem system = FemAssembly::Assemble(table);
  solution.floating = FemFloating::Elements(table, system);
  if (!solution.floating.empty()) {
    solution.status = FemSolveStatus::Floating;
    return solution;
  }
  const FemLinearSolution linear = FemSparseSolve::Solve(system);
  solution.condition = linear.condition;
  if (!linear.solved) {
    solution.status = FemSolveStatus::Singular;
    return solution;
  }
  solution.temperatures = linear.x;
  solution.balance = FemHeatBalance::Of(table, solution.temperatures);
  return solution;
}
