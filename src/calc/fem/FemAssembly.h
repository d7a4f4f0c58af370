// The linear system G·T = b of the plate: one heat balance per element,
// Σ_k G_ek·T_k − (Σ faces G)·T_e = −Σ boundaries G·T_b, temperatures in ℃.
#pragma once

#include <vector>

#include "calc/fem/FemTable.h"

struct FemSystem {
  std::vector<std::vector<long double>> g;  // g[e-1][k-1]: row e, element k
  std::vector<long double> b;               // b[e-1]
};

namespace FemAssembly {

// x rounded to six decimals, halves to even: every coefficient is written so.
long double Nr(long double x);

// Builds G and b from the table, element by element and face by face in the
// order Ａ … Ｅ:
// - every face that names something adds nr(−G) to the diagonal;
// - the first face that names a neighbour element sets that element's
//   coefficient to nr(G), later faces naming it again leave it;
// - a face that names a boundary adds nr(−T·G) to the right-hand side;
// - a face that names its own element exchanges nothing.
// Coefficients nothing set are 0. An element held at a fixed temperature
// T (a row after the boundaries named like the element) gets the equation
// T_e = T in place of its heat balance.
FemSystem Assemble(const FemTable& table);

}  // namespace FemAssembly
