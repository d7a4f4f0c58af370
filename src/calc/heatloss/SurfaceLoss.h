// The surface model shared by every heat-loss calculator: a surface gives
// heat to its surroundings by convection and by radiation. Temperatures in
// kelvin; A is an area, or a circumference for values per metre of length.
#pragma once

namespace HeatLossCalc {

// Between degrees Celsius and kelvin.
inline constexpr long double kKelvin = 273.15L;
// Every circumference and every 2 pi of the heat-loss formulas uses 3.14.
inline constexpr long double kPi = 3.14L;

// The fourth power, formed as t * t * t * t.
inline long double Fourth(long double t) { return t * t * t * t; }

struct SurfaceLossParts {
  long double convective = 0;
  long double radiative = 0;
  long double total = 0;
};

// Convection (T - Ta) * A * hc plus radiation (T^4 - Ta^4) * A * e * sigma.
inline SurfaceLossParts SurfaceLoss(long double T, long double Ta, long double A, long double hc, long double e,
                                    long double sigma) {
  SurfaceLossParts q;
  q.convective = (T - Ta) * A * hc;
  q.radiative = (Fourth(T) - Fourth(Ta)) * A * e * sigma;
  q.total = q.convective + q.radiative;
  return q;
}

}  // namespace HeatLossCalc
