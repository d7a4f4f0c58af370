// The plate solved in the program: the temperatures of the elements from
// G·T = b, the heat that crosses each boundary row, or the reason there
// are no temperatures (floating elements, a singular or ill-conditioned G).
#pragma once

#include <vector>

#include "calc/fem/FemHeatBalance.h"
#include "calc/fem/FemTable.h"

enum class FemSolveStatus {
  Solved,    // temperatures and balance hold the results
  Floating,  // floating lists the elements nothing holds; no temperatures
  Singular,  // G is singular or ill-conditioned (condition); no temperatures
};

struct FemSolution {
  FemSolveStatus status = FemSolveStatus::Solved;
  std::vector<long double> temperatures;  // T1 … Tm in ℃, when solved
  FemBalance balance;                     // when solved
  std::vector<int> floating;              // element numbers 1 … m, ascending
  // The estimated condition number κ₁(G) (0 where the factorisation met a
  // zero pivot, or no factorisation was tried). Above 1e12 G counts as
  // ill-conditioned; above some 1e7 a spreadsheet's double arithmetic may
  // differ from these temperatures by more than 1e-9 relative.
  long double condition = 0;
};

// Assembles the table's G and b exactly as the sheet writes them
// (FemAssembly::Assemble), and
// - when elements float (FemFloating::Elements), returns them, Floating;
// - otherwise solves G·T = b by sparse LU in long double
//   (FemSparseSolve::Solve); a zero pivot, a condition number above 1e12
//   or a broken-down residual gives Singular;
// - otherwise returns T1 … Tm and the heat balance (FemHeatBalance::Of).
// The table is the one the run reads: names, faces and the numbers of the
// elements, of the boundaries the faces name and of the fixed elements.
// Numbers that make a conductance divide by zero raise the fault flags as
// the assembly does; the operations check them as for the assembly.
FemSolution SolveFemTable(const FemTable& table);
