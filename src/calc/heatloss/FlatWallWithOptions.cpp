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
  // The layers from the outside in: the insulation, the inner insulation
  // layers, the structure.
  LayerChain chain;
  chain.Add(WithChange(in.k2, in.k2T), in.L2);
  for (int j = in.inner.count - 1; j >= 0; --j) {
    const InsulationLayer& l = in.inner.layer[j];
    chain.Add(WithChange(l.k, l.kT), l.thickness);
  }
  chain.Add(WithChange(in.k1, in.k1T), in.L1);
  const long double Ta = in.Ta, Tg = in.Tg, A = in.A;
  const bool cold = in.Tg < in.Ta;
  const OuterConvection h(in.h, in.outer, OuterSurfaceOf(in));
  // W/m² leaving the outer surface at T.
  auto flux = [&](long double T) { return h.Flux(T) + (Fourth(T) - Fourth(Ta)) * in.e * in.sigma; };
  // The faces (℃, from the outside in; the inner surface last) that conduct
  // the flux q from T.
  long double faces[kMaxInsulationLayers + 1];
  auto accept = [&](long double T) {
    if (const std::optional<bool> plain = PlainSide(T, Ta, Tg)) return *plain;
    const long double qo = flux(T);
    if (!ChainCarries(chain, T - kKelvin, qo, Tg - kKelvin, faces)) return false;
    const long double TwK = faces[chain.count - 1] + kKelvin;
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
  if (!ChainCarries(chain, Ts - kKelvin, r.total / A, Tg - kKelvin, faces))
    for (int i = 0; i < chain.count; ++i) faces[i] = Tg - kKelvin;
  r.faces = FacesFromChain(faces, chain.count, r.outerSurface);
  r.interface = r.faces.at[0];
  r.innerSurface = faces[chain.count - 1];
  r.flux = r.total / (A * 10000);
  return r;
}

}  // namespace HeatLossCalc
