// Pipe flow with the automatic outer coefficient or k(T): the march of
// PipeFlow.cpp (hot) or HeatGain.cpp (cold) over the same segments and scan
// points. In each segment the layers give the wall's fluid side that
// conducts the outer surface's heat; the point passes while the fluid gives
// that wall more heat than the surface gives off (less, for a fluid colder
// than the air). The automatic coefficient is read from a table made once
// per run (ConvectionTable.h).
#include <cmath>

#include "calc/heatloss/GainScan.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "calc/numeric/RefiningScan.h"
#include "calc/heatloss/WithOptions.h"

namespace HeatLossCalc {

PipeFlowResult PipeFlowWithOptions(const PipeFlowInputs& in, PipeFlowHistory* history) {
  const long double Di = in.Di;
  const long double D1 = 2 * in.t1 + Di;
  const long double Db = PipeInsulationBase(in);
  const long double D2 = Db + 2 * in.t2;
  const long double Po = D2 * kPi;
  const long double Pi = Di * kPi;
  // The layers from the outside in: the insulation, the inner insulation
  // layers, the pipe wall; each with ln(Do/Di) / 2π.
  LayerChain chain;
  chain.Add(WithChange(in.k2, in.k2T), logl(D2 / Db) / (2 * kPi));
  {
    std::array<long double, kMaxInnerLayers + 1> D{};
    D[0] = D1;
    for (int j = 0; j < in.inner.count; ++j) D[j + 1] = D[j] + 2 * in.inner.layer[j].thickness;
    for (int j = in.inner.count - 1; j >= 0; --j) {
      const InsulationLayer& l = in.inner.layer[j];
      chain.Add(WithChange(l.k, l.kT), logl(D[j + 1] / D[j]) / (2 * kPi));
    }
  }
  chain.Add(WithChange(in.k1, in.k1T), logl(D1 / Di) / (2 * kPi));
  long double faces[kMaxInsulationLayers + 1];
  const long double F = in.rho * 1000 * in.V * in.c / 0.86L;  // capacity flow, W/K
  const long double Ta = in.Ta;
  const bool cold = !(in.Tin > in.Ta);
  const long double dx = in.Lp / kPipeSegments;
  OuterConvection h(in.h, in.outer, OuterSurfaceOf(in));
  // The fluid stays between the inlet and the air, the surface between the fluid and the air.
  h.Tabulate(Ta, in.Tin);
  // W/m leaving the outer surface at T: convection and radiation.
  auto convection = [&](long double T) { return h.Flux(T) * Po; };
  auto radiation = [&](long double T) { return (Fourth(T) - Fourth(Ta)) * Po * in.e * in.sigma; };

  long double Tf = in.Tin, TfEntry = Tf;
  long double Ts = Ta, H = 0, Sc = 0, Sr = 0;
  if (history) history->Begin(Tf, kPipeSegments);
  for (int i = 1; i <= kPipeSegments; ++i) {
    auto accept = [&](long double T) {
      if (const std::optional<bool> plain = PlainSide(T, Ta, Tf)) return *plain;
      const long double Vo = convection(T) + radiation(T);
      if (!ChainCarries(chain, T - kKelvin, Vo, Tf - kKelvin, faces)) return false;
      const long double TwK = faces[chain.count - 1] + kKelvin;
      // Heat the fluid gives the wall per metre.
      const long double Wi = (Tf - TwK) * Pi * in.hi + (Fourth(Tf) - Fourth(TwK)) * Pi * in.ei * in.sigma;
      return cold ? Vo > Wi : Vo < Wi;
    };
    Ts = cold ? GainThresholdScan(Ta, 5, 31, accept) : Scan::Threshold(Ta - 100, 5, 31, accept);
    const long double c = convection(Ts), rad = radiation(Ts);
    H = c + rad;
    Sc = Sc + c * dx;
    Sr = Sr + rad * dx;
    TfEntry = Tf;
    Tf = Tf - H * dx / F;
    if (history) history->Segment(i * dx, Tf, Ts);
  }
  // The wall of the last segment, from its surface with the fluid at its entry.
  if (!ChainCarries(chain, Ts - kKelvin, H, TfEntry - kKelvin, faces))
    for (int i = 0; i < chain.count; ++i) faces[i] = TfEntry - kKelvin;
  PipeFlowResult r;
  r.fluid = Tf - kKelvin;
  r.wallAmbientSide = Ts - kKelvin;
  r.faces = FacesFromChain(faces, chain.count, r.wallAmbientSide);
  r.wallFluidSide = faces[chain.count - 1];
  r.boundary = r.faces.at[0];
  r.convective = Sc;
  r.radiative = Sr;
  r.total = Sc + Sr;
  r.coefficient = h.Coefficient(Ts);
  return r;
}

}  // namespace HeatLossCalc
