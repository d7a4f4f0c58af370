#include "calc/coefficient/MantissaExponent.h"

#include <cmath>

#include "calc/numeric/Rounding.h"
#include "calc/coefficient/CorrelationPower.h"

MantissaExponentParts MantissaExponent(long double x) {
  const long double e = logl(x) * 0.4342L;
  const long double k = truncl(e);
  return {Rounding::To(CorrelationPower::Power10(e - k), 2), k};
}
