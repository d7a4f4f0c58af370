// A Rayleigh number shown as mantissa and power of ten, the way the panel
// has always shown it: the decimal logarithm is taken as ln(x) × 0.4342
// (not the exact 0.43429...), so 2.5E8 comes out as 2.49E8 and 1E8 as 9.96E7.
#pragma once

struct MantissaExponentParts {
  long double mantissa;  // rounded to two decimals
  long double exponent;  // the logarithm truncated toward zero
};

MantissaExponentParts MantissaExponent(long double x);
