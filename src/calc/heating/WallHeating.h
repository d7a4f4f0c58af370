// Gas in an enclosure whose walls are held at a fixed temperature: the gas
// temperature reached after the rise time when the walls give heat by
// convection only, by radiation only, and by both. Explicit steps of one
// second, refined by tens while one initial step would cover more than a
// tenth of the gap between wall and gas.
#pragma once

#include <cmath>

namespace heating {

// Work bound: steps of one integration beyond which a run is refused, so
// that the three integrations end within about a second.
inline constexpr long long kMaxWallSteps = 10000000;

struct WalledGas {
  long double Th, T0;  // wall and initial gas temperature, K
  long double h, eps, sigma;
  long double A;   // whole surface, m2
  long double Cg;  // gas heat capacity, W·h/K
};

// Whole surface of the box: top, sides and bottom.
inline long double BoxSurface(long double L, long double W, long double D) {
  return W * D + (2.0L * L * W + 2.0L * L * D) + W * D;
}

// The time step in hours: 1 s, or 0.1 s ... 0.00001 s.
inline long double WallTimeStep(const WalledGas& g) {
  long double dt = 1.0L / 3600.0L;
  const long double gap = g.Th - g.T0;
  const long double convective = gap * g.h * g.A;
  const long double radiative =
      (g.Th * g.Th * g.Th * g.Th - g.T0 * g.T0 * g.T0 * g.T0) * g.eps * g.sigma * g.A;
  for (int i = 0; i < 5; ++i) {
    if (convective / g.Cg * dt > gap / 10.0L || radiative / g.Cg * dt > gap / 10.0L) dt = dt / 10.0L;
  }
  return dt;
}

inline long double WallConvectionOnly(const WalledGas& g, long long steps, long double dt) {
  long double Tg = g.T0;
  for (long long n = 0; n < steps; ++n) Tg = Tg + (g.Th - Tg) * g.h * g.A / g.Cg * dt;
  return Tg;
}

inline long double WallRadiationOnly(const WalledGas& g, long long steps, long double dt) {
  const long double Th4 = g.Th * g.Th * g.Th * g.Th;
  long double Tg = g.T0;
  for (long long n = 0; n < steps; ++n)
    Tg = Tg + (Th4 - Tg * Tg * Tg * Tg) * g.eps * g.sigma * g.A / g.Cg * dt;
  return Tg;
}

struct WallBothResult {
  bool overshoot;  // a step would have cooled the gas: too little gas
  long double Tg;
};

inline WallBothResult WallConvectionAndRadiation(const WalledGas& g, long long steps, long double dt) {
  const long double Th4 = g.Th * g.Th * g.Th * g.Th;
  long double Tg = g.T0;
  for (long long n = 0; n < steps; ++n) {
    const long double rise =
        ((g.Th - Tg) * g.h * g.A + (Th4 - Tg * Tg * Tg * Tg) * g.eps * g.sigma * g.A) / g.Cg * dt;
    if (!(rise >= 0.0L)) return {true, Tg};
    Tg = Tg + rise;
  }
  return {false, Tg};
}

}  // namespace heating
