#include "calc/fem/FemPartners.h"

#include <algorithm>

namespace FemPartners {

namespace {

bool IsBoundaryName(const FemTable& t, const std::string& text) {
  const int last = std::min<int>(t.l + t.o, static_cast<int>(t.rows.size()));
  for (int k = t.m + 1; k <= last; ++k)
    if (t.rows[k - 1].name == text) return true;
  return false;
}

// The last element whose name equals the text, or 0.
int ElementNamed(const FemTable& t, const std::string& text) {
  for (int k = std::min<int>(t.m, static_cast<int>(t.rows.size())); k >= 1; --k)
    if (t.rows[k - 1].name == text) return k;
  return 0;
}

bool Accepted(const FemTable& t, int e, int face) {
  const std::string& text = t.rows[e - 1].faces[face];
  if (FemBlank(text) || IsBoundaryName(t, text)) return true;
  const int f = ElementNamed(t, text);
  return f != 0 && f != e && t.rows[f - 1].faces[face] == t.rows[e - 1].name;
}

}  // namespace

int FirstUnmatched(const FemTable& t) {
  for (int e = 1; e <= t.m && e <= static_cast<int>(t.rows.size()); ++e)
    for (int face = 0; face < 3; ++face)
      if (!Accepted(t, e, face)) return e;
  return 0;
}

}  // namespace FemPartners
