#include "calc/fem/FemFloating.h"

#include "calc/fem/FemFaces.h"

namespace FemFloating {

std::vector<int> Elements(const FemTable& t, const FemSystem& s) {
  const int m = static_cast<int>(s.g.size());
  std::vector<bool> held(m + 1, false);
  std::vector<int> queue;
  auto hold = [&](int e) {
    if (e < 1 || e > m || held[e]) return;
    held[e] = true;
    queue.push_back(e);
  };

  for (int k = t.l + 1; k <= static_cast<int>(t.rows.size()); ++k) hold(t.FixedElementOf(k));
  for (const FemFaceLink& link : FemFaces::Links(t))
    if (link.row > t.m && FemAssembly::Nr(link.conductance) != 0) hold(link.element);

  // Breadth first from the held elements back along the coefficients:
  // element e is held once its row names a held element k.
  std::vector<std::vector<int>> namedBy(m + 1);
  for (int e = 1; e <= m; ++e)
    for (int k = 1; k <= m; ++k)
      if (k != e && s.g[e - 1][k - 1] != 0) namedBy[k].push_back(e);
  for (size_t i = 0; i < queue.size(); ++i)
    for (int e : namedBy[queue[i]]) hold(e);

  std::vector<int> floating;
  for (int e = 1; e <= m; ++e)
    if (!held[e]) floating.push_back(e);
  return floating;
}

}  // namespace FemFloating
