// How large a table the sheet holds: the formula sits in column m+5 and the
// last matrix row is v+m+4, so m+5 and v+m+4 must stay inside the grid.
#pragma once

#include "operations/fem/FemCells.h"

namespace FemLimits {

int MaxElements(const FemCells& s);
// The largest v + m (named table rows plus elements) the rows hold.
int MaxRowsPlusElements(const FemCells& s);

}  // namespace FemLimits
