// Independent solutions of steady conduction through a layer whose k
// changes with temperature, marched point by point with RK4, for the checks
// of the calculations that integrate k(T) in closed form.
#pragma once

#include "calc/surface/TemperatureConductivity.h"

namespace HeatLossTest {

// The temperature reached after conducting the flow Q (W/m) from T0 at the
// radius r0 to r1 (either order), dT/dr = -Q / (2π r k(T)), by RK4.
inline long double MarchCylinder(const SurfaceCalc::TemperatureConductivity& k, long double T0,
                                 long double r0, long double r1, long double Q, int n = 400) {
  const long double dr = (r1 - r0) / n;
  auto f = [&](long double r, long double T) {
    return -Q / (2 * 3.14L * r * SurfaceCalc::ConductivityAt(k, T));
  };
  long double r = r0, T = T0;
  for (int i = 0; i < n; ++i) {
    const long double a = f(r, T), b = f(r + dr / 2, T + dr / 2 * a), c = f(r + dr / 2, T + dr / 2 * b),
                      d = f(r + dr, T + dr * c);
    T += dr / 6 * (a + 2 * b + 2 * c + d);
    r += dr;
  }
  return T;
}

// A flat layer of thickness t crossed against the flux q: dT/dx = q / k(T).
inline long double MarchFlat(const SurfaceCalc::TemperatureConductivity& k, long double T0, long double t,
                             long double q, int n = 400) {
  const long double dx = t / n;
  auto f = [&](long double T) { return q / SurfaceCalc::ConductivityAt(k, T); };
  long double T = T0;
  for (int i = 0; i < n; ++i) {
    const long double a = f(T), b = f(T + dx / 2 * a), c = f(T + dx / 2 * b), d = f(T + dx * c);
    T += dx / 6 * (a + 2 * b + 2 * c + d);
  }
  return T;
}

}  // namespace HeatLossTest
