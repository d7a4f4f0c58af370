// Gas in an enclosure whose walls are held at a fixed temperature: the gas
// temperature reached after the rise time when the walls give heat by
// convection only, by radiation only, and by both. Explicit steps of one
// second, refined by tens while one initial step would cover more than a
// tenth of the gap between wall and gas.
//
// With the automatic surface (ContainerFaces.h, inside) the walls, the
// ceiling and the floor each give heat to the gas by natural convection
// from the correlations, at the wall temperature and the gas temperature of
// the step, in place of the typed h; radiation is as before.
#pragma once

#include <atomic>
#include <cmath>
#include <memory>

#include "calc/heating/ContainerFaces.h"
#include "calc/heating/SaturatedVapourDensity.h"
#include "calc/numeric/Series.h"

namespace heating {

// Work bound: steps of one integration beyond which a run is refused, so
// that the three integrations end within about a second.
inline constexpr long long kMaxWallSteps = 10000000;

struct WalledGas {
  long double Th, T0;  // wall and initial gas temperature, K
  long double h, eps, sigma;
  long double A;   // whole surface, m2
  long double Cg;  // gas heat capacity, W·h/K
  // The automatic walls (WithAutomaticWalls); empty when the option is off.
  std::shared_ptr<const ContainerFaces> faces = nullptr;
};

// The gas of an L × W × D box (m, L upright) with the automatic walls: the
// faces' tables with the wall temperature as their "air", over the gas
// temperatures from T0 to the walls. The wind plays no part inside.
inline WalledGas WithAutomaticWalls(WalledGas g, long double L, long double W, long double D) {
  const AutomaticSurface still{true, 0, 100};
  g.faces = std::make_shared<const ContainerFaces>(still, g.Th, L, W, D, fminl(g.T0, g.Th) - 5,
                                                   fmaxl(g.T0, g.Th) + 5);
  return g;
}

// W of convection from the walls into the gas at Tg (automatic walls): the
// faces' flux taken with the gas as the surface, turned round.
inline long double WallConvection(const WalledGas& g, long double Tg) { return -g.faces->Whole(Tg); }

// Whole surface of the box: top, sides and bottom.
inline long double BoxSurface(long double L, long double W, long double D) {
  return W * D + (2.0L * L * W + 2.0L * L * D) + W * D;
}

// The time step in hours: 1 s, or 0.1 s ... 0.00001 s.
inline long double WallTimeStep(const WalledGas& g) {
  long double dt = 1.0L / 3600.0L;
  const long double gap = g.Th - g.T0;
  const long double convective = g.faces ? WallConvection(g, g.T0) : gap * g.h * g.A;
  const long double radiative =
      (g.Th * g.Th * g.Th * g.Th - g.T0 * g.T0 * g.T0 * g.T0) * g.eps * g.sigma * g.A;
  for (int i = 0; i < 5; ++i) {
    if (convective / g.Cg * dt > gap / 10.0L || radiative / g.Cg * dt > gap / 10.0L) dt = dt / 10.0L;
  }
  return dt;
}

// The gas temperature against time (h), in degC, handed out on request:
// (0, T0), then every stride-th step and the last (curves::Kept); set
// stride with curves::StrideFor, as a run may have 10 million steps.
struct WallCurve {
  long long stride = 1;
  curves::Series gas;
};

// Each integration below takes two optional companions; without them it
// computes exactly what it computes alone, at the same speed.
//   record: receives the curve of the gas temperature.
//   stop:   looked at every 16384 steps (a fraction of a millisecond);
//           once true the integration ends early and its value means
//           nothing: the caller must drop it.
inline bool WallStopped(const std::atomic<bool>* stop, long long n) {
  return stop && (n & 0x3FFF) == 0 && stop->load(std::memory_order_relaxed);
}

inline void WallRecord(WallCurve* record, long long n, long long steps, long double dt, long double Tg) {
  if (!record) return;
  if (n == 0)
    record->gas.assign(1, {0.0L, Tg - kKelvin});
  else if (curves::Kept(n, steps, record->stride))
    record->gas.push_back({n * dt, Tg - kKelvin});
}

inline long double WallConvectionOnly(const WalledGas& g, long long steps, long double dt,
                                      WallCurve* record = nullptr, const std::atomic<bool>* stop = nullptr) {
  long double Tg = g.T0;
  WallRecord(record, 0, steps, dt, Tg);
  if (g.faces) {
    for (long long n = 0; n < steps; ++n) {
      if (WallStopped(stop, n)) break;
      Tg = Tg + WallConvection(g, Tg) / g.Cg * dt;
      WallRecord(record, n + 1, steps, dt, Tg);
    }
    return Tg;
  }
  for (long long n = 0; n < steps; ++n) {
    if (WallStopped(stop, n)) break;
    Tg = Tg + (g.Th - Tg) * g.h * g.A / g.Cg * dt;
    WallRecord(record, n + 1, steps, dt, Tg);
  }
  return Tg;
}

inline long double WallRadiationOnly(const WalledGas& g, long long steps, long double dt,
                                     WallCurve* record = nullptr, const std::atomic<bool>* stop = nullptr) {
  const long double Th4 = g.Th * g.Th * g.Th * g.Th;
  long double Tg = g.T0;
  WallRecord(record, 0, steps, dt, Tg);
  for (long long n = 0; n < steps; ++n) {
    if (WallStopped(stop, n)) break;
    Tg = Tg + (Th4 - Tg * Tg * Tg * Tg) * g.eps * g.sigma * g.A / g.Cg * dt;
    WallRecord(record, n + 1, steps, dt, Tg);
  }
  return Tg;
}

struct WallBothResult {
  bool overshoot;  // a step would have cooled the gas: too little gas
  long double Tg;
};

// On an overshoot the curve ends at the last step before it.
inline WallBothResult WallConvectionAndRadiation(const WalledGas& g, long long steps, long double dt,
                                                 WallCurve* record = nullptr,
                                                 const std::atomic<bool>* stop = nullptr) {
  const long double Th4 = g.Th * g.Th * g.Th * g.Th;
  long double Tg = g.T0;
  WallRecord(record, 0, steps, dt, Tg);
  for (long long n = 0; n < steps; ++n) {
    if (WallStopped(stop, n)) break;
    const long double convective = g.faces ? WallConvection(g, Tg) : (g.Th - Tg) * g.h * g.A;
    const long double rise = (convective + (Th4 - Tg * Tg * Tg * Tg) * g.eps * g.sigma * g.A) / g.Cg * dt;
    if (!(rise >= 0.0L)) {
      if (record && n > 0 && !curves::Kept(n, steps, record->stride)) record->gas.push_back({n * dt, Tg - kKelvin});
      return {true, Tg};
    }
    Tg = Tg + rise;
    WallRecord(record, n + 1, steps, dt, Tg);
  }
  return {false, Tg};
}

}  // namespace heating
