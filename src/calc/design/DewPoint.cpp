#include "calc/design/DewPoint.h"

#include <cmath>

namespace DesignCalc {

namespace {
constexpr long double kE0 = 6.1094L;  // hPa
constexpr long double kA = 17.625L;
constexpr long double kB = 243.04L;  // degC
}  // namespace

long double SaturationPressure(long double t) { return kE0 * expl(kA * t / (t + kB)); }

long double DewPoint(long double Ta, long double rh) {
  // es(Td) = rh / 100 * es(Ta), solved for Td in the Magnus form.
  const long double g = logl(rh / 100) + kA * Ta / (kB + Ta);
  return kB * g / (kA - g);
}

Condensation CheckCondensation(long double surface, long double Ta, long double rh) {
  Condensation c;
  c.dewPoint = DewPoint(Ta, rh);
  c.below = c.dewPoint - surface;
  c.condenses = surface < c.dewPoint;
  return c;
}

}  // namespace DesignCalc
