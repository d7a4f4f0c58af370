#include "calc/coefficient/CorrelationPower.h"

#include <cmath>

namespace CorrelationPower {

long double Power(long double x, long double y) { return expl(y * logl(x)); }

long double Power10(long double x) { return expl(x * logl(10.0L)); }

long double Cosh(long double z) { return (expl(-z) + expl(z)) / 2.0L; }

long double Sinh(long double z) { return (expl(z) - expl(-z)) / 2.0L; }

}  // namespace CorrelationPower
