// Dry air at 1 atm (101.325 kPa): the properties the convection correlations
// read, at the film temperature (the mean of surface and air temperature).
//
// Sources, the same as those of the shipped table data/siryou/05 (乾き空気の
// 物性値), here evaluated directly instead of read from its rounded rows:
// - viscosity μ: Sutherland's law, μ0 = 1.716E-5 Pa·s at 273.15 K, S = 110.4 K
//   (F.M. White, Viscous Fluid Flow, table of Sutherland constants);
// - conductivity λ: Sutherland's law, λ0 = 0.0241 W/(m·K) at 273.15 K,
//   S = 194 K (the same table);
// - density ρ: ideal gas, R = 287.05 J/(kg·K);
// - specific heat cp: Incropera et al., Fundamentals of Heat and Mass
//   Transfer, table A.4 (air at 1 atm), 50 K steps from 150 K to 1000 K,
//   interpolated linearly; held at the end values outside that range;
// - expansion coefficient β = 1/T (ideal gas), Pr = μ·cp/λ, ν = μ/ρ.
// Valid for film temperatures from -100 ℃ to 700 ℃, which covers the -50 ℃
// to 600 ℃ of insulation work: there μ, λ and Pr stay within about 2 % of
// Incropera's table A.4. Beyond, the formulas go on smoothly with cp held.
#pragma once

namespace SurfaceCalc {

struct AirProperties {
  long double rho = 0;     // density, kg/m³
  long double cp = 0;      // specific heat, J/(kg·K)
  long double mu = 0;      // dynamic viscosity, Pa·s
  long double nu = 0;      // kinematic viscosity, m²/s
  long double lambda = 0;  // conductivity, W/(m·K)
  long double Pr = 0;      // Prandtl number
  long double beta = 0;    // expansion coefficient, 1/K
};

// The properties at the film temperature T in kelvin (T > 0).
AirProperties AirAtKelvin(long double T);

}  // namespace SurfaceCalc
