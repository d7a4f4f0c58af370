// Heater power for a liquid or a solid in a rectangular container: the
// contents are simulated over the rise time in 80 steps while the container
// loses heat by convection, radiation and (open liquid tank) evaporation,
// and a decimal search finds the largest constant power, to 0.01 W, that
// does not carry the contents beyond the final temperature.
//
// With the automatic surface (ContainerFaces.h) each face has its own
// coefficient and so its own outer surface temperature, and an open top is
// the liquid itself, at its temperature, losing by convection, radiation and
// evaporation over its area; off, the model is the one above, unchanged.
#pragma once

#include <cmath>
#include <memory>

#include "calc/heating/ContainerFaces.h"
#include "calc/numeric/Series.h"
#include "calc/heating/OuterSurfaceTemperature.h"
#include "calc/heating/SaturatedVapourDensity.h"

namespace heating {

inline constexpr int kHeatingSteps = 80;
inline constexpr int kPowerPasses = 8;
inline constexpr int kPowerCandidates = 11;

struct Tank {
  long double Atop, Aside, Abot;  // m2
  long double C;                  // contents plus container wall, W·h/K
  long double T0, T1;             // before and after heating, K
  long double dt;                 // time step, h
  bool insulated;                 // the insulation text is not "0"
  bool lid;
  long double rhoVapourAmbient;  // saturated vapour density at Ta, g/m3
  OuterSurface surface;          // U, Ta, h, eps, sigma
  // The automatic surface; empty when the option is off.
  std::shared_ptr<const ContainerFaces> faces = nullptr;
};

// Time step of the simulation: t / 80 to the nearest 10^-6 h.
inline long double HeatingTimeStep(long double riseTime) {
  return nearbyintl(riseTime / 80.0L * 1000000.0L) / 1000000.0L;
}

// Heat capacity in W·h/K of a mass given by density (g/cm3) and volume (m3).
inline long double HeatCapacity(long double specificHeat, long double density, long double volume) {
  return specificHeat * (density * volume) * 1000.0L / 0.86L;
}

// The inputs of the model as the panel gives them (temperatures in K).
struct TankInputs {
  long double L, W, D;  // m; L is the vertical edge
  long double volume;   // m3, as shown in the volume field
  long double wallMm, wallLambda, insulationMm, insulationLambda;
  long double Ta, T0, T1;
  long double riseTime;        // h
  long double rho, c;          // contents: g/cm3, kcal/kg℃
  long double rhoWall, cWall;  // container material
  long double h, eps, sigma;   // outer surface
  bool insulated;              // the insulation text is not "0"
  bool lid;
  AutomaticSurface automatic{};  // off: the typed h, evaporation as a fixed power
};

inline long double ContentCapacity(const TankInputs& in) { return HeatCapacity(in.c, in.rho, in.volume); }

inline Tank MakeTank(const TankInputs& in) {
  const long double Atop = in.W * in.D;
  const long double Aside = 2.0L * in.L * in.W + 2.0L * in.L * in.D;
  const long double Abot = in.W * in.D;
  const long double wallVolume = in.wallMm * (Atop + Aside + Abot) / 1000.0L;
  const long double wallCapacity = HeatCapacity(in.cWall, in.rhoWall, wallVolume);
  const long double U = WallConductance(in.wallMm, in.wallLambda, in.insulationMm, in.insulationLambda);
  Tank tank{Atop,
            Aside,
            Abot,
            ContentCapacity(in) + wallCapacity,
            in.T0,
            in.T1,
            HeatingTimeStep(in.riseTime),
            in.insulated,
            in.lid,
            SaturatedVapourDensity(in.Ta),
            OuterSurface{U, in.Ta, in.h, in.eps, in.sigma}};
  if (in.automatic.on) {
    // The faces lie between the air and the hotter of the contents' two
    // temperatures.
    const long double lo = fminl(in.Ta, fminl(in.T0, in.T1)), hi = fmaxl(in.Ta, fmaxl(in.T0, in.T1));
    tank.faces =
        std::make_shared<const ContainerFaces>(in.automatic, in.Ta, in.L, in.W, in.D, lo - 5, hi + 5);
  }
  return tank;
}

// The outer surface of one face with the automatic coefficient: the scan of
// OuterSurfaceTemperature over the same points, its convection the face's.
// The balance fails from one point on, so each stage stops there.
template <class Flux>
inline long double FaceSurfaceTemperature(long double Tin, const OuterSurface& s, Flux&& flux) {
  const long double Ta4 = s.Ta * s.Ta * s.Ta * s.Ta;
  return Scan::Threshold(s.Ta - 100.0L, 5, 31, [&](long double x) {
    return (Tin - x) * s.U > flux(x) + (x * x * x * x - Ta4) * s.eps * s.sigma;
  });
}

// The outer surfaces of the walls, the top and the bottom with the contents
// at M: the contents themselves without insulation; at most `ceiling`.
struct FaceTemperatures {
  long double wall, top, bottom;
};

inline FaceTemperatures AutomaticSurfaces(const Tank& m, long double M, bool insulated, long double ceiling) {
  const ContainerFaces& f = *m.faces;
  FaceTemperatures S{M, M, M};
  if (insulated) {
    S.wall = FaceSurfaceTemperature(M, m.surface, [&](long double x) { return f.Wall(x); });
    S.top = m.lid ? FaceSurfaceTemperature(M, m.surface, [&](long double x) { return f.Top(x); }) : M;
    S.bottom = FaceSurfaceTemperature(M, m.surface, [&](long double x) { return f.Bottom(x); });
  }
  S.wall = fminl(S.wall, ceiling);
  S.top = fminl(S.top, ceiling);
  S.bottom = fminl(S.bottom, ceiling);
  return S;
}

// Loss of the whole container with the automatic surface, W: an open top is
// the liquid at S.top, giving off its evaporation as well.
inline long double AutomaticTankLoss(const Tank& m, const FaceTemperatures& S) {
  const ContainerFaces& f = *m.faces;
  const OuterSurface& s = m.surface;
  const long double Ta4 = s.Ta * s.Ta * s.Ta * s.Ta;
  auto radiation = [&](long double T) { return (T * T * T * T - Ta4) * s.eps * s.sigma; };
  long double top = f.Top(S.top) + radiation(S.top);
  if (!m.lid) top = top + f.Evaporation(S.top);
  return top * f.Atop + (f.Wall(S.wall) + radiation(S.wall)) * f.Awall +
         (f.Bottom(S.bottom) + radiation(S.bottom)) * f.Abottom;
}

// Loss of the whole container, W, with its outer surface at S.
inline long double TankLoss(const Tank& m, long double S) {
  const OuterSurface& s = m.surface;
  const long double Ta4 = s.Ta * s.Ta * s.Ta * s.Ta;
  const long double q = (S - s.Ta) * s.h + (S * S * S * S - Ta4) * s.eps * s.sigma;
  long double top = q * m.Atop;
  // Evaporation from an open surface: a power in W, not scaled by the area.
  if (!m.lid) top = top + (SaturatedVapourDensity(S) - m.rhoVapourAmbient) * kLn10 * expl(S / s.Ta);
  const long double side = q * m.Aside;
  const long double bottom = q * m.Abot;
  return top + side + bottom;
}

struct HeatingHistory {
  long double endTemperature;  // K
  long double lostEnergy;      // W·h lost to the surroundings on the way
};

// The heat-up against time (h), handed out on request, in degC. Run at the
// power HeaterPowerSearch found, the contents end at the rise time as the
// simulation takes it (80 steps of HeatingTimeStep) at or below T1, within
// one search step (0.01 W more would end above T1). When the search finds
// 0 W (the surroundings alone heat the contents) they may end above T1.
struct HeatingCurves {
  // The contents: (0, T0), then one point after each step, 81 points.
  curves::Series content;
  // Insulated only (empty otherwise, where the surface is the contents):
  // the outer surface the step uses, at the step's start, clamped at T1 as
  // in the simulation, and at the end the same for the final contents; 81
  // points at the times of the content points.
  curves::Series surface;
};

// SimulateHeating with the automatic surface; the surface curve is the
// walls'.
inline HeatingHistory SimulateAutomaticHeating(const Tank& m, long double B, HeatingCurves* record) {
  long double M = m.T0;
  long double lost = 0.0L;
  if (record) {
    record->content.assign(1, {0.0L, M - kKelvin});
    record->surface.clear();
  }
  for (int i = 0; i < kHeatingSteps; ++i) {
    const FaceTemperatures S = AutomaticSurfaces(m, M, m.insulated, m.T1);
    const long double P = AutomaticTankLoss(m, S);
    if (record && m.insulated) record->surface.push_back({i * m.dt, S.wall - kKelvin});
    M = M + (B - P) / m.C * m.dt;
    lost = lost + P * m.dt;
    if (record) record->content.push_back({(i + 1) * m.dt, M - kKelvin});
  }
  if (record && m.insulated)
    record->surface.push_back({kHeatingSteps * m.dt, AutomaticSurfaces(m, M, true, m.T1).wall - kKelvin});
  return {M, lost};
}

// Heats the contents with the constant power B (W) for 80 steps. When
// record is given it receives the curves (the results are the same).
inline HeatingHistory SimulateHeating(const Tank& m, long double B, HeatingCurves* record = nullptr) {
  if (m.faces) return SimulateAutomaticHeating(m, B, record);
  long double M = m.T0;
  long double lost = 0.0L;
  if (record) {
    record->content.assign(1, {0.0L, M - kKelvin});
    record->surface.clear();
  }
  for (int i = 0; i < kHeatingSteps; ++i) {
    long double S = m.insulated ? OuterSurfaceTemperature(M, m.surface) : M;
    if (S > m.T1) S = m.T1;
    const long double P = TankLoss(m, S);
    if (record && m.insulated) record->surface.push_back({i * m.dt, S - kKelvin});
    M = M + (B - P) / m.C * m.dt;
    lost = lost + P * m.dt;
    if (record) record->content.push_back({(i + 1) * m.dt, M - kKelvin});
  }
  if (record && m.insulated) {
    long double S = OuterSurfaceTemperature(M, m.surface);
    if (S > m.T1) S = m.T1;
    record->surface.push_back({kHeatingSteps * m.dt, S - kKelvin});
  }
  return {M, lost};
}

// The decimal search from Q: passes with steps first/10, first/100, ...,
// each trying Q, Q + step, ..., Q + 10 steps and keeping the largest power
// that does not carry the contents beyond T1. Returns whether the largest
// candidate of every pass was kept (the search met its ceiling).
inline bool DecimalPowerSearch(const Tank& m, long double& Q, long double first, int passes) {
  long double step = first;
  bool ceiling = true;
  for (int pass = 0; pass < passes; ++pass) {
    step = step / 10.0L;
    long double B = Q - step;
    bool top = false;
    for (int i = 0; i < kPowerCandidates; ++i) {
      B = B + step;
      top = SimulateHeating(m, B).endTemperature <= m.T1;
      if (top) Q = B;
    }
    ceiling = ceiling && top;
  }
  return ceiling;
}

// The largest tested power, to 0.01 W, that does not overshoot T1. The
// search tries 0 .. 1,111,111.1 W; when even its largest power falls short
// of T1 (a large tank heated quickly), the bracket grows tenfold until a
// power overshoots, and the same decimal search runs on within it.
inline long double HeaterPowerSearch(const Tank& m) {
  long double Q = 0.0L;
  if (!DecimalPowerSearch(m, Q, 1000000.0L, kPowerPasses)) return Q;
  long double span = 10000000.0L;  // Q + span is tried next
  int passes = kPowerPasses + 1;   // the last step stays 0.01 W
  while (SimulateHeating(m, Q + span).endTemperature <= m.T1 && span < 1e30L) {
    Q = Q + span;
    span = span * 10.0L;
    ++passes;
  }
  DecimalPowerSearch(m, Q, span, passes);
  return Q;
}

// Share of the heater's energy lost to the surroundings, %. Undefined for
// Q = 0 (no heating needed); the caller says so instead.
inline long double LossShare(long double Q, long double riseTime, long double T1, long double T0,
                             long double contentCapacity) {
  const long double total = riseTime * Q;
  const long double content = (T1 - T0) * contentCapacity;
  return (total - content) / total * 100.0L;
}

struct FinalLoss {
  long double surface;  // outer-surface temperature at T1 (automatic: the walls'), K
  long double loss;     // W
};

// Loss once T1 is reached: the outer surface always from the wall
// conductance (also without insulation), without the clamp at T1 (with
// the automatic surface an open top at T1).
inline FinalLoss FinalTankLoss(const Tank& m) {
  if (m.faces) {
    const FaceTemperatures S = AutomaticSurfaces(m, m.T1, true, INFINITY);  // no clamp
    return {S.wall, AutomaticTankLoss(m, S)};
  }
  const long double S = OuterSurfaceTemperature(m.T1, m.surface);
  return {S, TankLoss(m, S)};
}

// Flux evaluations of one power search (for the benchmarks).
inline long long PowerSearchEvaluations(const Tank& m) {
  const long long perStep = m.insulated ? kSurfaceSearchEvaluations + 1 : 1;
  return static_cast<long long>(kPowerPasses) * kPowerCandidates * kHeatingSteps * perStep;
}

}  // namespace heating
