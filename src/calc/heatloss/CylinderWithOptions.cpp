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

namespace {

// What the scan and the results share: the layers, the outer circumference
// and the outer coefficient.
struct OptionsWall {
  const CylinderInputs& in;
  // Each layer's integral of k per watt and metre: ln(Do/Di) / 2π.
  long double per1, per2;
  SurfaceCalc::TemperatureConductivity k1, k2;
  long double Ta, Ti;  // kelvin
  long double P, R;    // outer circumference; e * sigma * P
  OuterConvection h;

  explicit OptionsWall(const CylinderInputs& c)
      : in(c),
        per1(logl(c.D1 / (c.D1 - 2 * c.t1)) / (2 * kPi)),
        per2(logl((c.t2 * 2 + c.D1) / c.D1) / (2 * kPi)),
        k1(WithChange(c.k1, c.k1T)),
        k2(WithChange(c.k2, c.k2T)),
        Ta(c.Ta + kKelvin),
        Ti(c.Ti + kKelvin),
        P((c.t2 * 2 + c.D1) * kPi),
        R(c.e * c.sigma * P),
        h(c.h, c.outer, OuterSurfaceOf(c)) {}

  // The scan's test at T: whether both layers carry the heat the surface at
  // T gives off (W/m) short of the inner temperature.
  bool Passes(long double T) const {
    if (const std::optional<bool> plain = PlainSide(T, Ta, Ti)) return *plain;
    const long double q = h.Flux(T) * P + (Fourth(T) - Fourth(Ta)) * R;
    return LayersCarry(k1, k2, T - kKelvin, q * per1, q * per2, in.Ti, nullptr, nullptr);
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
  // Through the insulation from the surface with the heat reported, as the
  // cylinder without options does.
  r.interface = SurfaceCalc::FaceWithin(w.k2, r.surface, r.total / in.L * w.per2, in.Ti).value_or(in.Ti);
  return r;
}

}  // namespace HeatLossCalc
