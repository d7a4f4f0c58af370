// Steady outer-surface temperature of an insulated wall: heat conducted
// through the wall and its insulation equals the convective and radiative
// loss of the outer surface. Found by a decimal search to 0.01 K.
#pragma once

#include "calc/numeric/RefiningScan.h"

namespace heating {

// A conductivity of exactly 0 would make the wall a perfect insulator and
// the conductance 1/0; it is taken as 0.0001 W/m℃ instead.
inline long double UsableConductivity(long double lambda) { return lambda == 0.0L ? 0.0001L : lambda; }

// Conductance of wall plus insulation, W/m2K; thicknesses in mm.
inline long double WallConductance(long double wallMm, long double wallLambda, long double insulationMm,
                                   long double insulationLambda) {
  const long double tc = wallMm / 1000.0L;
  const long double ti = insulationMm / 1000.0L;
  return 1.0L / (ti / UsableConductivity(insulationLambda) + tc / UsableConductivity(wallLambda));
}

// The outer surface against the surroundings.
struct OuterSurface {
  long double U;      // wall conductance, W/m2K
  long double Ta;     // ambient, K
  long double h;      // convective coefficient, W/m2K
  long double eps;    // emissivity
  long double sigma;  // Stefan-Boltzmann constant, W/m2K4
};

// Number of flux-balance evaluations of one search.
inline constexpr int kSurfaceSearchEvaluations = 5 * 31;

// Tin in kelvin; the result in kelvin. Stays Ta - 100 when no candidate
// conducts more than it loses.
inline long double OuterSurfaceTemperature(long double Tin, const OuterSurface& s) {
  const long double Ta4 = s.Ta * s.Ta * s.Ta * s.Ta;
  return Scan::Refining(s.Ta - 100.0L, 5, 31, [&](long double x) {
    const long double conducted = (Tin - x) * s.U;
    const long double lost = (x - s.Ta) * s.h + (x * x * x * x - Ta4) * s.eps * s.sigma;
    return conducted > lost;
  });
}

}  // namespace heating
