// Elements that float: no chain of conductances leads from them to a
// boundary or to an element held at a fixed temperature, so nothing fixes
// their temperature and G is singular (an island of elements that name
// only each other, or an element whose faces name nothing).
#pragma once

#include <vector>

#include "calc/fem/FemAssembly.h"

namespace FemFloating {

// The floating elements (1 … m, ascending) of a table and the system
// assembled from it. An element is held when it is fixed by a row after
// the convective boundaries, when one of its faces names a boundary row
// with a conductance that does not round to 0, or when its balance row
// holds a non-zero coefficient of an element that is held. Reading the
// coefficients of G follows the system as assembled, also where a face
// names an element that does not name it back. A face that only adds to
// the diagonal (a second face naming the same neighbour) holds nothing.
std::vector<int> Elements(const FemTable& table, const FemSystem& system);

}  // namespace FemFloating
