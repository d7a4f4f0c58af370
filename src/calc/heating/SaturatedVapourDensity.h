// Saturated water-vapour density over a water surface (Tetens form), used
// for the evaporation loss of an open tank.
#pragma once

#include <cmath>

namespace heating {

inline constexpr long double kKelvin = 273.15L;
inline constexpr long double kLn10 = 2.302585092994045684017991454684364208L;

// T in kelvin; the result in g/m3. The power of ten is exp(ln 10 * x).
inline long double SaturatedVapourDensity(long double T) {
  const long double theta = T - kKelvin;
  const long double e = 6.11L * expl(kLn10 * (7.5L * theta / (theta + 237.3L)));  // hPa
  return 217.0L * e / T;
}

}  // namespace heating
