// The cylinder with the automatic outer coefficient or k(T): the scan of
// Cylinder.cpp (hot) or HeatGain.cpp (cold) over the same points, testing
// whether both layers carry the surface's heat short of the inner
// temperature. Inner insulation layers join the chain between the two.
#include <cmath>

#include "calc/heatloss/GainScan.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "calc/numeric/RefiningScan.h"
#include "calc/heatloss/WithOptions.h"
#include "calc/numeric/Rounding.h"

namespace HeatLossCalc {

CylinderResult CylinderWithOptions(const CylinderInputs& in) {
  const long double D1 = in.D1;
  const long double Db = InsulationBaseDiameter(in);
  const long double D2 = in.t2 * 2 + Db;
  // Each layer's integral of k per watt and metre: ln(Do/Di) / 2π; the
  // chain runs from the insulation inwards to the tube.
  const long double per1 = logl(D1 / (D1 - 2 * in.t1)) / (2 * kPi);
  const long double per2 = logl(D2 / Db) / (2 * kPi);
  const SurfaceCalc::TemperatureConductivity k1 = WithChange(in.k1, in.k1T), k2 = WithChange(in.k2, in.k2T);
  LayerChain chain;
  chain.Add(k2, per2);
  {
    std::array<long double, kMaxInnerLayers + 1> D{};
    D[0] = D1;
    for (int j = 0; j < in.inner.count; ++j) D[j + 1] = in.inner.layer[j].thickness * 2 + D[j];
    for (int j = in.inner.count - 1; j >= 0; --j) {
      const InsulationLayer& l = in.inner.layer[j];
      chain.Add(WithChange(l.k, l.kT), logl(D[j + 1] / D[j]) / (2 * kPi));
    }
  }
  chain.Add(k1, per1);
  const long double Ta = in.Ta + kKelvin;
  const long double Ti = in.Ti + kKelvin;
  const long double P = D2 * kPi;  // outer circumference
  const long double R = in.e * in.sigma * P;
  const OuterConvection h(in.h, in.outer, OuterSurfaceOf(in));
  auto lost = [&](long double T) { return h.Flux(T) * P + (Fourth(T) - Fourth(Ta)) * R; };  // W/m
  auto accept = [&](long double T) {
    if (const std::optional<bool> plain = PlainSide(T, Ta, Ti)) return *plain;
    return ChainCarries(chain, T - kKelvin, lost(T), in.Ti, nullptr);
  };
  const long double Ts =
      in.Ti < in.Ta ? GainThresholdScan(Ta, 6, 31, accept) : Scan::Threshold(Ta, 6, 31, accept);
  CylinderResult r;
  r.coefficient = h.Coefficient(Ts);
  r.convective = Rounding::Nearest((Ts - Ta) * 100 * r.coefficient * P * in.L) / 100;
  r.radiative = Rounding::Nearest((Fourth(Ts) - Fourth(Ta)) * 100 * R * in.L) / 100;
  r.total = r.convective + r.radiative;
  r.surface = Ts - kKelvin;
  // Through the insulation layers from the surface with the heat reported,
  // as the cylinder without options does; a face that would reach the inner
  // temperature stops there.
  const int layers = chain.count - 1;
  r.faces.layers = layers;
  r.faces.at[layers] = r.surface;
  long double face = r.surface;
  for (int i = 0; i < layers; ++i) {
    face = SurfaceCalc::FaceWithin(chain.k[i], face, r.total / in.L * chain.per[i], in.Ti).value_or(in.Ti);
    r.faces.at[layers - 1 - i] = face;
  }
  r.interface = r.faces.at[0];
  return r;
}

}  // namespace HeatLossCalc
