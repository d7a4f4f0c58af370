// The faces of the plate's elements that exchange heat, read from the table
// in one place for every user of them: the assembly of G and b, the search for
// floating elements and the heat balance all walk the same list, so they
// agree on which face names what and with which conductance.
#pragma once

#include <vector>

#include "calc/fem/FemTable.h"

struct FemFaceLink {
  int element = 0;  // e, 1 … m
  FemFace face = FemFace::A;
  int row = 0;                  // table row k the face names, k ≠ e
  long double conductance = 0;  // W/K, not yet rounded
};

namespace FemFaces {

// Element by element (1 … m, as far as the table has rows) and face by face
// in the order Ａ … Ｅ, every face that names a table row other than its
// own element: the row (FemTable::Neighbour) and the conductance across the
// face to an element, a convective or a fixed-temperature boundary.
std::vector<FemFaceLink> Links(const FemTable& table);

}  // namespace FemFaces
