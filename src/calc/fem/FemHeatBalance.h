// Where the heat goes: the heat that crosses each boundary row of the
// table, from the solved temperatures and the very coefficients the
// assembly wrote into G and b, and their sum.
//
// A face of element e naming a boundary row k adds nr(−G) to the diagonal
// and nr(−T_k·G) to b, so the heat it lets into e is
//     q = nr(−G)·T_e − nr(−T_k·G)   (= G·(T_k − T_e)),
// counted for row k; the heat from a neighbour j is nr(G)·T_j + nr(−G)·T_e.
// An element held at a fixed temperature has lost its balance to T_e = T;
// the heat its row supplies is what that balance lacks: minus the sum of
// the heat its faces let in, counted for the row that holds it.
// With consistent faces the heat that one element passes to its neighbour
// is what the neighbour receives, so the boundary heats sum to zero.
#pragma once

#include <vector>

#include "calc/fem/FemTable.h"

struct FemBoundaryFlow {
  int row = 0;           // table row k (from 1)
  long double heat = 0;  // W, positive into the plate
};

struct FemBalance {
  // Every convective (m+1 … l) and fixed-temperature (l+1 … l+o) row and
  // every row after l that holds an element, in table order; a row that no
  // face names passes 0 W.
  std::vector<FemBoundaryFlow> flows;
  long double sum = 0;      // W
  long double largest = 0;  // the largest |heat|, W
  // |sum| > kUnbalanced · largest: the model is not consistent (the two
  // sides of a face give it different conductances, or a face names an
  // element that does not name it back, or two faces name one neighbour).
  bool unbalanced = false;
};

namespace FemHeatBalance {

inline constexpr long double kUnbalanced = 1e-6L;

// The balance for the temperatures T1 … Tm (℃) of the table's elements.
// Where two rows hold one element, the last, whose temperature holds it,
// supplies the heat.
FemBalance Of(const FemTable& table, const std::vector<long double>& temperatures);

}  // namespace FemHeatBalance
