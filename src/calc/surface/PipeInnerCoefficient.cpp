#include "calc/surface/PipeInnerCoefficient.h"

#include <cmath>

#include "calc/surface/SurfaceUnits.h"

namespace SurfaceCalc {

namespace {

constexpr long double kLaminar = 3.66L;
constexpr long double kLaminarEnd = 2300, kTurbulentStart = 1e4L;

long double Gnielinski(long double Re, long double Pr) {
  const long double r = 0.790L * logl(Re) - 1.64L;
  const long double f8 = 1 / (r * r) / 8;
  return f8 * (Re - 1000) * Pr / (1 + 12.7L * sqrtl(f8) * (cbrtl(Pr * Pr) - 1));
}

}  // namespace

PipeInnerParts PipeInnerCoefficient(const PipeFluid& f) {
  const long double massFlow = f.rho * 1000 * f.flow / 3600;  // kg/s
  const long double mu = f.viscosity / 1000;                  // Pa·s
  const long double cp = f.c * 3600 / 0.86L;  // J/(kg·K): 0.86 kcal/h per W, as the pipe-flow calculator
  PipeInnerParts p;
  p.Re = 4 * massFlow / (kPi * f.Di * mu);
  p.Pr = mu * cp / f.conductivity;
  if (p.Re <= kLaminarEnd) {
    p.Nu = kLaminar;
  } else if (p.Re >= kTurbulentStart) {
    p.Nu = Gnielinski(p.Re, p.Pr);
  } else {
    const long double g = (p.Re - kLaminarEnd) / (kTurbulentStart - kLaminarEnd);
    p.Nu = (1 - g) * kLaminar + g * Gnielinski(kTurbulentStart, p.Pr);
  }
  p.h = p.Nu * f.conductivity / f.Di;
  return p;
}

}  // namespace SurfaceCalc
