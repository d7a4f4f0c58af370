// Rounding of the calculations: to the nearest value, a half going to the
// even neighbour (the default rounding mode of the FPU).
#pragma once

namespace Rounding {

// nint(x): x to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4).
long double Nearest(long double x);

// R_k(x) = nint(x * 10^k) / 10^k, x rounded to k decimals.
long double To(long double x, int decimals);

}  // namespace Rounding
