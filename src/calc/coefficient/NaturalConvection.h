// Natural convection: the dimensionless numbers of a heated surface in still
// fluid and the Nusselt correlations of entries 51 to 78.
#pragma once

#include <string_view>

struct NaturalNumbers {
  long double Re, Pr, Gr, Ra;
};

// L characteristic length m, nu kinematic viscosity m²/s, cp specific heat,
// rho density kg/m³, lambda conductivity W/m℃, T2 surface and T1 ambient
// temperature ℃, beta expansion coefficient 1/K.
NaturalNumbers NaturalConvectionNumbers(long double L, long double nu, long double cp, long double rho,
                                        long double lambda, long double T2, long double T1, long double beta);

// What a correlation works on: the numbers, the length L and the extra
// values a few entries ask for.
struct NaturalInputs {
  NaturalNumbers d;
  long double L;
  long double C = 0, X = 0, n = 0, m = 0;  // factor C, length X, exponents n and m
};

enum NaturalExtra : unsigned {
  kNaturalC = 1u << 0,
  kNaturalX = 1u << 1,
  kNaturalN = 1u << 2,
  kNaturalM = 1u << 3,
};

struct NaturalCorrelation {
  const char* number;  // the formula number, matched as text
  unsigned extras;     // NaturalExtra values the entry reads
  long double (*nu)(const NaturalInputs& in);
};

// The entry whose number equals the text exactly, or nullptr (Nu is then 0).
const NaturalCorrelation* FindNaturalCorrelation(std::string_view number);

// h = Nu × λ / L.
long double CoefficientFromNusselt(long double nu, long double lambda, long double L);
