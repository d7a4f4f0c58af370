// Floating-point faults are found from the status flags of the FPU: an
// operation clears them when it starts, and every field or cell write and
// every message checks them first. So whatever was written before a fault
// stays, and nothing after it is written.
#pragma once

#include <cfenv>

#include "calc/numeric/KeepFlags.h"

namespace FloatFaults {

// Clears the three watched flags (division by zero, invalid, overflow).
void Clear();

// Throws FloatFault with the runtime's message when one of them is raised.
void Check();

// Keeps the flags as they are across a call into library code (Qt, iconv,
// strtold) that may raise flags of its own.
using Keep = Numeric::KeepFlags;

}  // namespace FloatFaults
