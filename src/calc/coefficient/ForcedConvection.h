// Forced convection: Reynolds and Prandtl numbers of a flow and the Nusselt
// correlations of entries 101 to 126.
#pragma once

#include <string_view>

struct ForcedNumbers {
  long double Re, Pr;
};

// U velocity m/s, L characteristic length m, nu kinematic viscosity m²/s,
// cp specific heat, rho density kg/m³, lambda conductivity W/m℃.
ForcedNumbers ForcedConvectionNumbers(long double U, long double L, long double nu, long double cp,
                                      long double rho, long double lambda);

// The dynamic viscosity μ = ν × ρ.
long double DynamicViscosity(long double nu, long double rho);

struct ForcedInputs {
  ForcedNumbers d;
  long double L;
  long double mu;                            // ν × ρ
  long double X = 0, c = 0, m = 0, muW = 0;  // length X, factor c, exponent m, wall viscosity μw
};

enum ForcedExtra : unsigned {
  kForcedX = 1u << 0,
  kForcedCM = 1u << 1,  // c and m
  kForcedMuW = 1u << 2,
};

struct ForcedCorrelation {
  const char* number;  // the formula number, matched as text
  unsigned extras;     // ForcedExtra values the entry reads
  long double (*nu)(const ForcedInputs& in);
};

// The entry whose number equals the text exactly, or nullptr (Nu is then 0).
const ForcedCorrelation* FindForcedCorrelation(std::string_view number);
