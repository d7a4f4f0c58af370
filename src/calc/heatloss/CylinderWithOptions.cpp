// The cylinder with the automatic outer coefficient or k(T): the scan of
// Cylinder.cpp (hot) or HeatGain.cpp (cold) over the same points, testing
// whether the layers carry the surface's heat short of the inner
// temperature. Inner insulation layers join the chain between the two.
#include <array>
#include <cmath>

#include "calc/heatloss/GainScan.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "calc/numeric/RefiningScan.h"
#include "calc/heatloss/WithOptions.h"
#include "calc/numeric/Rounding.h"

namespace HeatLossCalc {

namespace {

// What the scan and the results share: the chain of layers from the
// insulation inwards to the tube, the outer circumference and the outer
// coefficient.
struct OptionsWall {
  const CylinderInputs& in;
  LayerChain chain;
  long double Ta, Ti;  // kelvin
  long double P, R;    // outer circumference; e * sigma * P
  OuterConvection h;

  explicit OptionsWall(const CylinderInputs& c)
      : in(c),
        Ta(c.Ta + kKelvin),
        Ti(c.Ti + kKelvin),
        P((c.t2 * 2 + InsulationBaseDiameter(c)) * kPi),
        R(c.e * c.sigma * P),
        h(c.h, c.outer, OuterSurfaceOf(c)) {
    // Each layer's integral of k per watt and metre: ln(Do/Di) / 2π.
    const long double D1 = c.D1;
    const long double Db = InsulationBaseDiameter(c);
    const long double D2 = c.t2 * 2 + Db;
    chain.Add(WithChange(c.k2, c.k2T), logl(D2 / Db) / (2 * kPi));
    std::array<long double, kMaxInnerLayers + 1> D{};
    D[0] = D1;
    for (int j = 0; j < c.inner.count; ++j) D[j + 1] = c.inner.layer[j].thickness * 2 + D[j];
    for (int j = c.inner.count - 1; j >= 0; --j) {
      const InsulationLayer& l = c.inner.layer[j];
      chain.Add(WithChange(l.k, l.kT), logl(D[j + 1] / D[j]) / (2 * kPi));
    }
    chain.Add(WithChange(c.k1, c.k1T), logl(D1 / (D1 - 2 * c.t1)) / (2 * kPi));
  }

  // The scan's test at T: whether the layers carry the heat the surface at
  // T gives off (W/m) short of the inner temperature.
  bool Passes(long double T) const {
    if (const std::optional<bool> plain = PlainSide(T, Ta, Ti)) return *plain;
    const long double q = h.Flux(T) * P + (Fourth(T) - Fourth(Ta)) * R;
    return ChainCarries(chain, T - kKelvin, q, in.Ti, nullptr);
  }
};

}  // namespace

long double CylinderSurfaceWithOptions(const CylinderInputs& in) {
  const OptionsWall w(in);
  auto accept = [&](long double T) { return w.Passes(T); };
  return in.Ti < in.Ta ? GainThresholdScan(w.Ta, 6, 31, accept) : Scan::Threshold(w.Ta, 6, 31, accept);
}

bool CylinderPassesWithOptions(const CylinderInputs& in, long double T) { return OptionsWall(in).Passes(T); }

CylinderResult CylinderResultWithOptions(const CylinderInputs& in, long double Ts) {
  const OptionsWall w(in);
  CylinderResult r;
  r.coefficient = w.h.Coefficient(Ts);
  r.convective = Rounding::Nearest((Ts - w.Ta) * 100 * r.coefficient * w.P * in.L) / 100;
  r.radiative = Rounding::Nearest((Fourth(Ts) - Fourth(w.Ta)) * 100 * w.R * in.L) / 100;
  r.total = r.convective + r.radiative;
  r.surface = Ts - kKelvin;
  // Through the insulation layers from the surface with the heat reported,
  // as the cylinder without options does; a face that would reach the inner
  // temperature stops there.
  const LayerChain& chain = w.chain;
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
