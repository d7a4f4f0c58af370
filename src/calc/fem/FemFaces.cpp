#include "calc/fem/FemFaces.h"

namespace FemFaces {

namespace {

long double FaceConductance(const FemTable& t, FemFace face, const FemElementSize& own, int k) {
  const FemTableRow& other = t.rows[k - 1];
  switch (t.KindOf(k)) {
    case FemRowKind::Element:
      return FemConductance::ToElement(face, own, {other.column2, other.column3, other.column4}, t.thickness);
    case FemRowKind::Convective:
      return FemConductance::ToConvective(face, own, other.column2, t.thickness);
    default:
      return FemConductance::ToFixed(face, own, t.thickness);
  }
}

}  // namespace

std::vector<FemFaceLink> Links(const FemTable& t) {
  std::vector<FemFaceLink> links;
  for (int e = 1; e <= t.m && e <= static_cast<int>(t.rows.size()); ++e) {
    const FemTableRow& row = t.rows[e - 1];
    const FemElementSize own{row.column2, row.column3, row.column4};
    for (int f = 0; f < 5; ++f) {
      const int k = t.Neighbour(row.faces[f]);
      if (k == 0 || k == e) continue;
      const FemFace face = static_cast<FemFace>(f);
      links.push_back({e, face, k, FaceConductance(t, face, own, k)});
    }
  }
  return links;
}

}  // namespace FemFaces
