#include "calc/fem/FemHeatBalance.h"

#include <algorithm>
#include <cmath>

#include "calc/fem/FemAssembly.h"
#include "calc/fem/FemFaces.h"

namespace FemHeatBalance {

namespace {

using FemAssembly::Nr;

// Whether an earlier face of the same element named row k: only the first
// face sets the neighbour's coefficient.
bool NamedBefore(const std::vector<FemFaceLink>& links, size_t i) {
  for (size_t j = i; j-- > 0 && links[j].element == links[i].element;)
    if (links[j].row == links[i].row) return true;
  return false;
}

}  // namespace

FemBalance Of(const FemTable& t, const std::vector<long double>& T) {
  const int rows = static_cast<int>(t.rows.size());
  std::vector<long double> heat(rows + 1, 0);   // by boundary row
  std::vector<long double> gained(t.m + 1, 0);  // by element, through its faces

  const std::vector<FemFaceLink> links = FemFaces::Links(t);
  for (size_t i = 0; i < links.size(); ++i) {
    const FemFaceLink& link = links[i];
    const int e = link.element, k = link.row;
    const long double G = link.conductance;
    long double q = Nr(-G) * T[e - 1];
    if (k <= t.m) {
      if (!NamedBefore(links, i)) q += Nr(G) * T[k - 1];
    } else {
      q -= Nr(-t.rows[k - 1].column3 * G);
      heat[k] += q;
    }
    gained[e] += q;
  }

  std::vector<int> holder(t.m + 1, 0);
  for (int k = t.l + 1; k <= rows; ++k)
    if (const int e = t.FixedElementOf(k)) holder[e] = k;
  for (int e = 1; e <= t.m; ++e)
    if (holder[e] != 0) heat[holder[e]] -= gained[e];

  FemBalance balance;
  for (int k = t.m + 1; k <= rows; ++k) {
    const FemRowKind kind = t.KindOf(k);
    if (kind != FemRowKind::Convective && kind != FemRowKind::Fixed && t.FixedElementOf(k) == 0) continue;
    balance.flows.push_back({k, heat[k]});
    balance.sum += heat[k];
    balance.largest = std::max(balance.largest, fabsl(heat[k]));
  }
  balance.unbalanced = fabsl(balance.sum) > kUnbalanced * balance.largest;
  return balance;
}

}  // namespace FemHeatBalance
