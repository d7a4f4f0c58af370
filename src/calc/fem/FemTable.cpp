#include "calc/fem/FemTable.h"

#include <algorithm>

bool FemBlank(const std::string& text) { return text.empty() || text == " "; }

std::string FemElementName(int k) {
  std::string name = "T";
  name += std::to_string(k);
  return name;
}

FemRowKind FemTable::KindOf(int k) const {
  if (k >= 1 && k <= m) return FemRowKind::Element;
  if (k > m && k <= l) return FemRowKind::Convective;
  if (k > l && k <= l + o) return FemRowKind::Fixed;
  return FemRowKind::Other;
}

int FemTable::Neighbour(const std::string& face) const {
  if (FemBlank(face)) return 0;
  const int last = std::min<int>(l + o, static_cast<int>(rows.size()));
  for (int k = last; k >= 1; --k)
    if (rows[k - 1].name == face) return k;
  return 0;
}

int FemTable::FixedElementOf(int k) const {
  if (k <= l || k > static_cast<int>(rows.size())) return 0;
  const std::string& name = rows[k - 1].name;
  for (int e = 1; e <= m; ++e)
    if (name == FemElementName(e)) return e;
  return 0;
}
