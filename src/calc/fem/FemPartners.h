// The partner check of the element table: every contact face (Ａ, Ｂ, Ｃ)
// of an element must be blank, name a boundary, or name an element that
// names it back across the same face.
#pragma once

#include "calc/fem/FemTable.h"

namespace FemPartners {

// The first element (1 … m) with a contact face that is not accepted, or 0.
// A face naming its own element is not accepted. Faces Ｄ and Ｅ are not
// checked. Only the names and faces of the table are read.
int FirstUnmatched(const FemTable& table);

}  // namespace FemPartners
