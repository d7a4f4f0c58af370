#include "calc/tracing/FreezeTime.h"

#include <cmath>
#include <numbers>

#include "calc/surface/TemperatureConductivity.h"
#include "calc/tracing/PipeSection.h"

namespace TracingCalc {

namespace {

constexpr long double kTruePi = std::numbers::pi_v<long double>;
constexpr long double kSecondsPerHour = 3600;

// ∫ dT / q over a step from q0 to q1 with q linear in T, per kelvin of the
// step: ln(q0/q1) / (q0 − q1), its series where the two nearly agree.
long double PerKelvin(long double q0, long double q1) {
  const long double x = (q0 - q1) / q1;
  if (fabsl(x) < 1e-6L) return (1 - x / 2 + x * x / 3) / q1;
  return log1pl(x) / (q0 - q1);
}

}  // namespace

FreezeFault ValidateFreeze(const FreezeInputs& in) {
  const HeatLossCalc::CylinderInputs& p = in.pipe;
  const Liquid& w = in.liquid;
  if (!(p.D1 > 0)) return FreezeFault::PipeDiameter;
  if (!(p.t1 >= 0 && 2 * p.t1 < p.D1)) return FreezeFault::PipeWall;
  if (!(p.L > 0)) return FreezeFault::Length;
  if (!(p.t2 >= 0)) return FreezeFault::InsulationThickness;
  if (!(p.e >= 0 && p.e <= 1)) return FreezeFault::Emissivity;
  if (p.outer.on ? !(p.outer.wind >= 0) : !(p.h > 0)) return FreezeFault::Coefficient;
  if (!(in.wallDensity >= 0)) return FreezeFault::WallDensity;
  if (!(in.wallSpecificHeat >= 0)) return FreezeFault::WallSpecificHeat;
  if (!(w.density > 0)) return FreezeFault::LiquidDensity;
  if (!(w.specificHeat > 0)) return FreezeFault::LiquidSpecificHeat;
  if (!(w.latentHeat >= 0)) return FreezeFault::LatentHeat;
  if (!(p.Ta < w.freezingC)) return FreezeFault::Ambient;
  if (!(in.initialC >= w.freezingC)) return FreezeFault::InitialTemperature;
  if (!(in.fraction >= 0 && in.fraction <= 100)) return FreezeFault::Fraction;
  if (!(p.k1 > 0) ||
      !SurfaceCalc::ConductivityPositive(HeatLossCalc::WithChange(p.k1, p.k1T), p.Ta, in.initialC))
    return FreezeFault::PipeConductivity;
  if (!(p.k2 > 0) ||
      !SurfaceCalc::ConductivityPositive(HeatLossCalc::WithChange(p.k2, p.k2T), p.Ta, in.initialC))
    return FreezeFault::InsulationConductivity;
  return FreezeFault::None;
}

FreezeResult FreezeTime(const FreezeInputs& in, FreezeHistory* history) {
  const HeatLossCalc::CylinderInputs& p = in.pipe;
  const Liquid& w = in.liquid;
  const long double Di = p.D1 - 2 * p.t1;
  const long double liquidArea = kTruePi * Di * Di / 4;
  const long double wallArea = kTruePi * (p.D1 * p.D1 - Di * Di) / 4;
  FreezeResult r;
  r.capacity =
      (w.density * w.specificHeat * liquidArea + in.wallDensity * in.wallSpecificHeat * wallArea) * 1000;
  r.latent = w.density * w.latentHeat * liquidArea * 1000;
  const long double share = in.fraction / 100;

  const PipeSection section(p, p.Ta, p.outer.wind, true, in.initialC);
  const long double dT = (in.initialC - w.freezingC) / kFreezeSteps;
  long double q0 = section.Held(in.initialC).loss;
  r.lossAtStart = q0;
  long double seconds = 0;
  if (history) {
    history->liquid.assign(1, {0, in.initialC});
    history->liquid.reserve(kFreezeSteps + 2);
    history->frozen.clear();
  }
  // A liquid already at its freezing point takes no step.
  const int steps = dT > 0 ? kFreezeSteps : 0;
  for (int i = 1; i <= steps; ++i) {
    const long double T = i == steps ? w.freezingC : in.initialC - i * dT;
    const long double q1 = section.Held(T).loss;
    seconds += r.capacity * dT * PerKelvin(q0, q1);
    q0 = q1;
    if (history) history->liquid.push_back({seconds / kSecondsPerHour, T});
  }
  const SectionState atFreezing = section.Held(w.freezingC);
  r.lossAtFreezing = atFreezing.loss;
  r.surfaceAtFreezing = atFreezing.surface;
  r.coolHours = seconds / kSecondsPerHour;
  r.freezeHours = (seconds + share * r.latent / atFreezing.loss) / kSecondsPerHour;
  if (history) {
    history->liquid.push_back({r.freezeHours, w.freezingC});
    history->frozen = {{r.coolHours, 0}, {r.freezeHours, in.fraction}};
  }

  // The estimate: the insulation's resistance alone, the liquid's heat alone.
  const long double k =
      SurfaceCalc::MeanConductivity(HeatLossCalc::WithChange(p.k2, p.k2T), p.Ta, w.freezingC);
  const long double R = logl((p.D1 + 2 * p.t2) / p.D1) / (2 * HeatLossCalc::kPi * k);
  const long double liquidCapacity = w.density * w.specificHeat * 1000 * liquidArea;
  const long double estimate = liquidCapacity * R * logl((in.initialC - p.Ta) / (w.freezingC - p.Ta));
  r.estimateCoolHours = estimate / kSecondsPerHour;
  r.estimateFreezeHours = (estimate + share * r.latent * R / (w.freezingC - p.Ta)) / kSecondsPerHour;
  return r;
}

}  // namespace TracingCalc
