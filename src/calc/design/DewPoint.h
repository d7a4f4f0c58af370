// The dew point of the air and whether a cold surface condenses. Saturation
// over liquid water in the Magnus form with the coefficients of Alduchov and
// Eskridge (1996, J. Appl. Meteor. 35, 601-609, their AERK fit):
//   es(t) = 6.1094 hPa * exp(17.625 t / (t + 243.04)),  t in degC,
// within about 0.4 % of the reference pressures from -40 to 50 degC. Over
// water also below 0 degC, as dew points are given in meteorology (a surface
// below 0 degC may then gather frost rather than water). The Tetens form the
// vapour table uses (6.11, 7.5, 237.3) is the older and coarser fit.
#pragma once

namespace DesignCalc {

// Relative humidity in %: the dew point is defined for 0 < rh <= 100.
inline bool HumidityInRange(long double rh) { return rh > 0 && rh <= 100; }

// Saturation vapour pressure over water, hPa, at t degC.
long double SaturationPressure(long double t);

// The dew point, degC, of air at Ta degC with the relative humidity rh %
// (HumidityInRange). Air at 100 % has its dew point at its own temperature.
long double DewPoint(long double Ta, long double rh);

struct Condensation {
  long double dewPoint = 0;  // degC
  bool condenses = false;    // the surface lies below the dew point
  long double below = 0;     // dew point minus surface, K: > 0 when it condenses
};

// The check of a surface at `surface` degC in air at Ta degC and rh %.
Condensation CheckCondensation(long double surface, long double Ta, long double rh);

}  // namespace DesignCalc
