// The cylinder with the automatic outer coefficient or k(T): the scan of
// Cylinder.cpp (hot) or HeatGain.cpp (cold) over the same points, testing
// whether both layers carry the surface's heat short of the inner
// temperature.
#include <cmath>

#include "calc/heatloss/GainScan.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "calc/numeric/RefiningScan.h"
#include "calc/heatloss/WithOptions.h"
#include "calc/numeric/Rounding.h"

namespace HeatLossCalc {

CylinderResult CylinderWithOptions(const CylinderInputs& in) {
  const long double D1 = in.D1;
  const long double D2 = in.t2 * 2 + D1;
  // Each layer's integral of k per watt and metre: ln(Do/Di) / 2π.
  const long double per1 = logl(D1 / (D1 - 2 * in.t1)) / (2 * kPi);
  const long double per2 = logl(D2 / D1) / (2 * kPi);
  const SurfaceCalc::TemperatureConductivity k1 = WithChange(in.k1, in.k1T), k2 = WithChange(in.k2, in.k2T);
  const long double Ta = in.Ta + kKelvin;
  const long double Ti = in.Ti + kKelvin;
  const long double P = D2 * kPi;  // outer circumference
  const long double R = in.e * in.sigma * P;
  const OuterConvection h(in.h, in.outer, OuterSurfaceOf(in));
  auto lost = [&](long double T) { return h.Flux(T) * P + (Fourth(T) - Fourth(Ta)) * R; };  // W/m
  auto accept = [&](long double T) {
    if (const std::optional<bool> plain = PlainSide(T, Ta, Ti)) return *plain;
    const long double q = lost(T);
    return LayersCarry(k1, k2, T - kKelvin, q * per1, q * per2, in.Ti, nullptr, nullptr);
  };
  const long double Ts =
      in.Ti < in.Ta ? GainThresholdScan(Ta, 6, 31, accept) : Scan::Threshold(Ta, 6, 31, accept);
  CylinderResult r;
  r.coefficient = h.Coefficient(Ts);
  r.convective = Rounding::Nearest((Ts - Ta) * 100 * r.coefficient * P * in.L) / 100;
  r.radiative = Rounding::Nearest((Fourth(Ts) - Fourth(Ta)) * 100 * R * in.L) / 100;
  r.total = r.convective + r.radiative;
  r.surface = Ts - kKelvin;
  // Through the insulation from the surface with the heat reported, as the
  // cylinder without options does.
  r.interface = SurfaceCalc::FaceWithin(k2, r.surface, r.total / in.L * per2, in.Ti).value_or(in.Ti);
  return r;
}

}  // namespace HeatLossCalc
