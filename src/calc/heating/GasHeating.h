// Heater heating of a gas in a rectangular enclosure. Three temperatures
// are integrated explicitly in steps of 0.001 h: the gas, the inner wall
// (a thermal mass) and the outer surface (no mass, in balance between the
// conduction through the wall and the loss to the surroundings). A
// five-pass decimal search finds the power that brings the gas closest to
// the final temperature from below.
//
// With the automatic surface (ContainerFaces.h) the outer surface loses by
// the convection of its walls, top and bottom, each from the correlations
// at the surface temperature, in place of the typed h; the gas still gives
// its heat to the inner wall with the typed h.
#pragma once

#include <atomic>
#include <cmath>
#include <memory>

#include "calc/numeric/RefiningScan.h"
#include "calc/numeric/Series.h"
#include "calc/heating/ContainerFaces.h"
#include "calc/heating/OuterSurfaceTemperature.h"
#include "calc/heating/SaturatedVapourDensity.h"

namespace heating {

inline constexpr long double kGasTimeStep = 0.001L;  // h
inline constexpr int kGasPasses = 5;
inline constexpr int kGasCandidates = 12;
// Work bound: longer rise times are refused, so that a run ends within
// about a second (60 histories of up to 100,000 steps).
inline constexpr long long kMaxGasSteps = 100000;

struct GasBox {
  long double A;       // whole surface, m2
  long double Cg, Cw;  // gas and wall heat capacity, kcal/K
  long double U;       // wall-plus-insulation conductance, W/m2K
  long double k;       // conductance used in the integration, W/m2K
  long double h, eps, sigma;
  long double Ta, T1;  // K
  long double P0;      // reference power of the search
  long long steps;     // N = nint(t / 0.001)
  // The automatic outer surface; empty when the option is off.
  std::shared_ptr<const ContainerFaces> faces = nullptr;
};

// The inputs as the panel gives them (temperatures in K).
struct GasInputs {
  long double L, W, D;  // m
  long double wallMm, wallLambda, insulationMm, insulationLambda;
  bool insulated;  // the insulation text is neither empty nor "0"
  long double Ta, T1;
  long double rise;      // T1 - T0 from the two ℃ fields
  long double riseTime;  // h
  long double rho, c, rhoWall, cWall;
  long double h, eps, sigma;
  AutomaticSurface automatic{};  // off: the typed h outside too
};

// Steps of the integration: nint(t / 0.001).
inline long long GasSteps(long double riseTime) {
  return static_cast<long long>(nearbyintl(riseTime / kGasTimeStep));
}

inline GasBox MakeGasBox(const GasInputs& in) {
  const long double V = in.L * in.W * in.D;
  const long double A = 2.0L * in.L * in.W + 2.0L * in.W * in.D + 2.0L * in.D * in.L;
  const long double wallVolume = in.wallMm * A / 1000.0L;
  const long double U = WallConductance(in.wallMm, in.wallLambda, in.insulationMm, in.insulationLambda);
  // Capacities in kcal/K here, without the 0.86 of the liquid model.
  const long double Cg = V * in.rho * 1000.0L * in.c;
  const long double Cw = wallVolume * in.rhoWall * 1000.0L * in.cWall;
  const long double P0 = in.rise * Cg / in.riseTime;
  const long double k = in.insulated ? U : UsableConductivity(in.wallLambda) / (in.wallMm / 1000.0L);
  GasBox box{A, Cg, Cw, U, k, in.h, in.eps, in.sigma, in.Ta, in.T1, P0, GasSteps(in.riseTime)};
  // The box stands on L, as the container does; its surface lies between
  // the air and the final temperature.
  if (in.automatic.on)
    box.faces = std::make_shared<const ContainerFaces>(in.automatic, in.Ta, in.L, in.W, in.D,
                                                       fminl(in.Ta, in.T1) - 5, fmaxl(in.Ta, in.T1) + 5);
  return box;
}

struct GasState {
  long double Tg, Tw, Ts;  // gas, inner wall, outer surface, K
};

// T^4 written as exp(4 ln T).
inline long double FourthPowerByLog(long double T) { return expl(4.0L * logl(T)); }

// The three temperatures against time (h), in degC, handed out on request.
// Each series starts at time 0 with the start values (the ambient; the
// surface 0.01 K above it) and keeps every stride-th step and the last
// (curves::Kept); set stride with curves::StrideFor to bound long runs.
// Run at the power GasPowerSearch found, the gas ends at the rise time (to
// 0.001 h) below T1, within one search step: the last increment, P0 / 100,
// more would reach T1 or leave the gas no warmer than the wall.
struct GasCurves {
  long long stride = 1;
  curves::Series gas, wall, surface;
};

// IntegrateGas with the automatic outer surface: the outer balance
// k (Tw − Ts) = (convection + radiation) / A, with the outer conductance
// (convection + R) / (Ts − Ta) of the step's start, as the typed model forms
// f·h·A.
inline GasState IntegrateAutomaticGas(const GasBox& b, long double P, GasCurves* record) {
  const ContainerFaces& faces = *b.faces;
  const long double Ta4 = FourthPowerByLog(b.Ta);
  const long double dt = kGasTimeStep;
  long double Tg = b.Ta, Tw = b.Ta, Ts = b.Ta + 0.01L;
  if (record) {
    record->gas.assign(1, {0.0L, Tg - kKelvin});
    record->wall.assign(1, {0.0L, Tw - kKelvin});
    record->surface.assign(1, {0.0L, Ts - kKelvin});
  }
  for (long long n = 0; n < b.steps; ++n) {
    const long double R = (FourthPowerByLog(Ts) - Ta4) * b.A * b.eps * b.sigma;
    const long double G = (faces.Whole(Ts) + R) / (Ts - b.Ta);
    Tg = Tg + (P - (Tg - Tw) * b.h * b.A - R) * dt / b.Cg;
    Tw = Tw + ((Tg - Tw) * b.h + R / b.A - (Tw - Ts) * b.k) * b.A * dt / b.Cw;
    Ts = (b.k * b.A * Tw + G * b.Ta) / (b.k * b.A + G);
    if (record && curves::Kept(n + 1, b.steps, record->stride)) {
      const long double t = (n + 1) * dt;
      record->gas.push_back({t, Tg - kKelvin});
      record->wall.push_back({t, Tw - kKelvin});
      record->surface.push_back({t, Ts - kKelvin});
    }
  }
  return {Tg, Tw, Ts};
}

// Heats the gas with the power P for the box's steps, starting with all
// three nodes at the ambient temperature. When record is given it receives
// the curves (the results are the same).
inline GasState IntegrateGas(const GasBox& b, long double P, GasCurves* record = nullptr) {
  if (b.faces) return IntegrateAutomaticGas(b, P, record);
  const long double Ta4 = FourthPowerByLog(b.Ta);
  const long double dt = kGasTimeStep;
  long double Tg = b.Ta, Tw = b.Ta, Ts = b.Ta + 0.01L;
  if (record) {
    record->gas.assign(1, {0.0L, Tg - kKelvin});
    record->wall.assign(1, {0.0L, Tw - kKelvin});
    record->surface.assign(1, {0.0L, Ts - kKelvin});
  }
  for (long long n = 0; n < b.steps; ++n) {
    const long double R = (FourthPowerByLog(Ts) - Ta4) * b.A * b.eps * b.sigma;
    const long double f = R / (b.h * b.A * (Ts - b.Ta)) + 1.0L;
    Tg = Tg + (P - (Tg - Tw) * b.h * b.A - R) * dt / b.Cg;
    Tw = Tw + ((Tg - Tw) * b.h + R / b.A - (Tw - Ts) * b.k) * b.A * dt / b.Cw;
    Ts = (b.k * b.A * Tw + f * b.h * b.A * b.Ta) / (b.k * b.A + f * b.h * b.A);
    if (record && curves::Kept(n + 1, b.steps, record->stride)) {
      const long double t = (n + 1) * dt;
      record->gas.push_back({t, Tg - kKelvin});
      record->wall.push_back({t, Tw - kKelvin});
      record->surface.push_back({t, Ts - kKelvin});
    }
  }
  return {Tg, Tw, Ts};
}

// The gas ends below T1 and warmer than the wall with the power P.
inline bool GasPowerFits(const GasBox& b, long double P) {
  const GasState end = IntegrateGas(b, P);
  return end.Tg < b.T1 && end.Tg - end.Tw > 0.0L;
}

// Whether the caller asked the search to stop.
inline bool GasStopped(const std::atomic<bool>* stop) { return stop && stop->load(std::memory_order_relaxed); }

// The passes of the gas search from best, with increments P0 × multiplier /
// 10, / 100, ...; returns whether the largest candidate of every pass fitted
// (false as well when stopped).
inline bool GasSearchPasses(const GasBox& b, long double& best, long double multiplier, int passes,
                            const std::atomic<bool>* stop = nullptr) {
  bool ceiling = true;
  for (int pass = 0; pass < passes; ++pass) {
    multiplier = multiplier / 10.0L;
    const long double increment = b.P0 * multiplier;
    long double P = best;
    bool top = false;
    for (int i = 0; i < kGasCandidates; ++i) {
      if (GasStopped(stop)) return false;
      P = P + increment;
      top = GasPowerFits(b, P);
      if (top) best = P;
    }
    ceiling = ceiling && top;
  }
  return ceiling;
}

// The largest tested power that leaves the gas below T1 and warmer than
// the wall; P0 itself when none does. When even the largest power tried
// (about 1334 P0) fits, the increments grow tenfold until a power no longer
// fits, and the search runs on from there to the same last increment.
// When stop is given and becomes true the search ends before its next
// integration (at most one integration, about 9 ms at the longest rise
// time, later) and its value means nothing: the caller must drop it.
inline long double GasPowerSearch(const GasBox& b, const std::atomic<bool>* stop = nullptr) {
  long double best = b.P0;
  if (!GasSearchPasses(b, best, 1000.0L, kGasPasses, stop)) return best;
  long double multiplier = 10000.0L;  // best + P0 × multiplier is tried next
  int passes = kGasPasses + 1;
  while (!GasStopped(stop) && GasPowerFits(b, best + b.P0 * multiplier) && multiplier < 1e30L) {
    best = best + b.P0 * multiplier;
    multiplier = multiplier * 10.0L;
    ++passes;
  }
  GasSearchPasses(b, best, multiplier, passes, stop);
  return best;
}

// Integration steps of one power search (for the work bound and benchmarks).
inline long long GasSearchSteps(long long steps) {
  return static_cast<long long>(kGasPasses) * kGasCandidates * steps;
}

// Share of the heater power not taken up by the gas, % to one decimal.
inline long double GasLossShare(long double power, long double gasOnlyPower) {
  return nearbyintl((power - gasOnlyPower) / power * 1000.0L) / 10.0L;
}

// Loss at the final temperature, W: the outer-surface temperature x is
// searched where the loss to the surroundings first reaches what the gas
// at T1 gives to the inner wall; always with U, also without insulation.
inline long double GasFinalLoss(const GasBox& b) {
  const long double Ta4 = b.Ta * b.Ta * b.Ta * b.Ta;
  const long double T14 = b.T1 * b.T1 * b.T1 * b.T1;
  auto lossAt = [&b, Ta4](long double x) {
    const long double convection = b.faces ? b.faces->Whole(x) : (x - b.Ta) * b.A * b.h;
    return convection + (x * x * x * x - Ta4) * b.A * b.eps * b.sigma;
  };
  return lossAt(Scan::Refining(b.Ta - 100.0L, 5, 31, [&](long double x) {
    const long double out = lossAt(x);
    const long double Twi = out / b.A / b.U + x;
    const long double in = (b.T1 - Twi) * b.A * b.h + (T14 - Twi * Twi * Twi * Twi) * b.A * b.eps * b.sigma;
    return out < in;
  }));
}

}  // namespace heating
