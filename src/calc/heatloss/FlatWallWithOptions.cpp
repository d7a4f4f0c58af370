// The flat wall with the automatic outer coefficient or k(T): the scan of
// FlatWall.cpp (hot gas) or HeatGain.cpp (cold gas) over the same points.
// At each outer surface temperature the layers give the inner surface that
// conducts the surface's heat; the point passes while the gas gives that
// inner surface more heat than the outer one gives off (less, for a gas
// colder than the air, where both are negative).
#include "calc/heatloss/GainScan.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "calc/numeric/RefiningScan.h"
#include "calc/heatloss/WithOptions.h"

namespace HeatLossCalc {

FlatWallResult FlatWallWithOptions(const FlatWallInputs& in) {
  const SurfaceCalc::TemperatureConductivity k1 = WithChange(in.k1, in.k1T), k2 = WithChange(in.k2, in.k2T);
  const long double Ta = in.Ta, Tg = in.Tg, A = in.A;
  const bool cold = in.Tg < in.Ta;
  const OuterConvection h(in.h, in.outer, OuterSurfaceOf(in));
  // W/m² leaving the outer surface at T.
  auto flux = [&](long double T) { return h.Flux(T) + (Fourth(T) - Fourth(Ta)) * in.e * in.sigma; };
  // The inner and middle faces (℃) that conduct the flux q from T.
  auto faces = [&](long double T, long double q, long double* Tm, long double* Tw) {
    return LayersCarry(k1, k2, T - kKelvin, q * in.L1, q * in.L2, Tg - kKelvin, Tm, Tw);
  };
  auto accept = [&](long double T) {
    if (const std::optional<bool> plain = PlainSide(T, Ta, Tg)) return *plain;
    const long double qo = flux(T);
    long double Tm = 0, Tw = 0;
    if (!faces(T, qo, &Tm, &Tw)) return false;
    const long double TwK = Tw + kKelvin;
    const long double qi = (Tg - TwK) * in.hi + (Fourth(Tg) - Fourth(TwK)) * in.ei * in.sigma;
    return cold ? qo > qi : qo < qi;
  };
  const long double Ts = cold ? GainThresholdScan(Ta, 5, 31, accept) : Scan::Threshold(Ta - 100, 5, 31, accept);
  FlatWallResult r;
  r.coefficient = h.Coefficient(Ts);
  r.convective = (Ts - Ta) * A * r.coefficient;
  r.radiative = (Fourth(Ts) - Fourth(Ta)) * A * in.e * in.sigma;
  r.total = r.convective + r.radiative;
  r.outerSurface = Ts - kKelvin;
  long double Tm = r.outerSurface, Tw = r.outerSurface;
  if (!faces(Ts, r.total / A, &Tm, &Tw)) Tm = Tw = Tg - kKelvin;
  r.interface = Tm;
  r.innerSurface = Tw;
  r.flux = r.total / (A * 10000);
  return r;
}

}  // namespace HeatLossCalc
