// The elementary functions of the coefficient formulas. Every power is
// e^(y·ln x), so its base must be greater than 0: a base of 0 raises the
// division-by-zero flag and a negative base the invalid flag, which the
// window reports when it next writes a result.
#pragma once

namespace CorrelationPower {

// x^y = e^(y·ln x).
long double Power(long double x, long double y);

// 10^x = e^(x·ln 10).
long double Power10(long double x);

// cosh and sinh formed from two exponentials.
long double Cosh(long double z);
long double Sinh(long double z);

}  // namespace CorrelationPower
