// The convective coefficient between a liquid or gas flowing in a pipe and
// the pipe wall, from the fluid data of the pipe-flow panel (density,
// specific heat, flow, inner diameter, in its units) and the fluid's
// viscosity and conductivity.
//
// Re = 4 ṁ / (π D μ) with π = 3.14 as in the heat-loss calculators,
// Pr = μ cp / λ, h = Nu λ / D, with (VDI Heat Atlas, chapter G1, after
// Gnielinski):
// - laminar, Re ≤ 2300: Nu = 3.66, fully developed flow at a uniform wall
//   temperature (the entrance length raises it; left out on the safe side);
// - turbulent, Re ≥ 1E4: Gnielinski (1976),
//   Nu = (f/8)(Re - 1000) Pr / (1 + 12.7 (f/8)^(1/2) (Pr^(2/3) - 1)),
//   f = (0.790 ln Re - 1.64)^-2 (Petukhov), for 0.5 ≤ Pr ≤ 2000;
// - between: Nu linear in Re from the laminar value at 2300 to the
//   turbulent value at 1E4 (Gnielinski 2013), so h has no step.
// Fluid properties are taken as given, at the fluid's mean temperature.
#pragma once

namespace SurfaceCalc {

struct PipeFluid {
  long double rho = 0;           // density, g/cm³ (the pipe-flow panel's unit)
  long double c = 0;             // specific heat, kcal/(kg·K) (ditto)
  long double flow = 0;          // volume flow, m³/h
  long double Di = 0;            // inner diameter, m
  long double viscosity = 0;     // dynamic viscosity, mPa·s (= cP)
  long double conductivity = 0;  // W/(m·K)
};

struct PipeInnerParts {
  long double h = 0;  // W/(m²·K)
  long double Re = 0, Pr = 0, Nu = 0;
};

// All inputs must be > 0.
PipeInnerParts PipeInnerCoefficient(const PipeFluid& f);

}  // namespace SurfaceCalc
