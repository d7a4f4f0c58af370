#include "operations/fem/FemLimits.h"

namespace FemLimits {

int MaxElements(const FemCells& s) { return s.LastColumn() - 5; }

int MaxRowsPlusElements(const FemCells& s) { return s.LastRow() - 4; }

}  // namespace FemLimits
