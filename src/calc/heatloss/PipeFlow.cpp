#include "calc/heatloss/PipeFlow.h"

#include <cmath>

#include "calc/heatloss/HeatGain.h"
#include "calc/numeric/RefiningScan.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "calc/heatloss/WithOptions.h"

namespace HeatLossCalc {

namespace {

constexpr int kStages = 5;
constexpr int kPoints = 31;

// One segment's exchange: a surface at T faces the temperature Tout on its
// own side (coefficients h, e) and, through the wall, the temperature Tin on
// the other side (coefficients hi, ei). Cooling: T faces the ambient and Tin
// is the fluid; heating: T faces the fluid and Tin is the ambient.
struct Exchange {
  long double Po, Pi, G2pi, h, e, hi, ei, sigma;

  // Heat per metre leaving the surface at T.
  long double Out(long double T, long double Tout) const {
    return (T - Tout) * Po * h + (Fourth(T) - Fourth(Tout)) * Po * e * sigma;
  }
  // T passes when the heat leaving it stays below the heat arriving.
  bool Accept(long double T, long double Tout, long double Tin) const {
    const long double Vo = Out(T, Tout);
    const long double Tw = Vo / G2pi + T;
    const long double Wi = (Tin - Tw) * Pi * hi + (Fourth(Tin) - Fourth(Tw)) * Pi * ei * sigma;
    return Vo < Wi;
  }
};

}  // namespace

long double PipeConductance(const PipeFlowInputs& in) {
  const long double Di = in.Di;
  const long double D1 = 2 * in.t1 + Di;
  long double resistance = logl(D1 / Di) / in.k1;
  long double Db = D1;
  for (int j = 0; j < in.inner.count; ++j) {
    const InsulationLayer& l = in.inner.layer[j];
    const long double Do = Db + 2 * l.thickness;
    resistance = resistance + logl(Do / Db) / l.k;
    Db = Do;
  }
  const long double D2 = Db + 2 * in.t2;
  return 1 / (resistance + logl(D2 / Db) / in.k2);
}

InsulationFaces PipeFacesOutwards(const PipeFlowInputs& in, long double Tmid, long double H, long double surface) {
  InsulationFaces f;
  f.layers = in.inner.count + 1;
  f.at[0] = Tmid - kKelvin;
  long double face = Tmid, Db = 2 * in.t1 + in.Di;
  for (int j = 0; j < in.inner.count; ++j) {
    const InsulationLayer& l = in.inner.layer[j];
    const long double Do = Db + 2 * l.thickness;
    face = face - logl(Do / Db) * H / (l.k * 2 * kPi);
    f.at[j + 1] = face - kKelvin;
    Db = Do;
  }
  f.at[f.layers] = surface;
  return f;
}

PipeFlowResult PipeFlowTemperature(const PipeFlowInputs& in, PipeFlowHistory* history) {
  // An inlet at or below the air warms: heat gain.
  if (in.OptionsOn()) return PipeFlowWithOptions(in, history);
  if (!(in.Tin > in.Ta)) return PipeFlowHeatGain(in, history);
  const long double Di = in.Di;
  const long double D2 = PipeInsulationBase(in) + 2 * in.t2;
  const long double Po = D2 * kPi;
  const long double Pi = Di * kPi;
  const long double G = PipeConductance(in);
  // Capacity flow, W/K: kg/h times kcal/kgK over 0.86 kcal/h per W.
  const long double F = in.rho * 1000 * in.V * in.c / 0.86L;
  const Exchange x{Po, Pi, G * 2 * kPi, in.h, in.e, in.hi, in.ei, in.sigma};

  const long double TaK = in.Ta;
  const long double dx = in.Lp / kPipeSegments;
  const bool cooling = in.Tin > TaK;
  long double Tf = in.Tin;
  long double Sc = 0, Sr = 0;
  long double H = 0, Oc = 0, Or = 0;
  long double Twf = 0, Tmid = 0, Twa = 0;
  if (history) history->Begin(Tf, kPipeSegments);
  for (int i = 1; i <= kPipeSegments; ++i) {
    // The side the scanned surface faces, and the temperature beyond the wall.
    const long double Tout = cooling ? TaK : Tf;
    const long double Tin = cooling ? Tf : TaK;
    bool accepted = false;
    const long double Tb = Scan::Refining(Tout - 100, kStages, kPoints, [&](long double T) {
      if (!x.Accept(T, Tout, Tin)) return false;
      accepted = true;
      return true;
    });
    if (accepted) {  // the values of the last accepted point
      H = x.Out(Tb, Tout);
      Oc = (Tb - Tout) * Po * dx * in.h;
      Or = (Fourth(Tb) - Fourth(Tout)) * Po * dx * in.e * in.sigma;
    }
    if (i == kPipeSegments) {
      const long double across = H / (G * 2 * kPi) + Tb;  // the other face of the wall
      if (cooling) {
        Twa = Tb;
        Twf = across;
        Tmid = Twf - logl((2 * in.t1 + Di) / Di) * H / (in.k1 * 2 * kPi);
      } else {
        Twf = Tb;
        Twa = across;
        Tmid = Twa - logl((2 * in.t1 + Di) / Di) * H / (in.k1 * 2 * kPi);
      }
    }
    if (cooling)
      Tf = Tf - H * dx / F;
    else
      Tf = Tf + H * dx / F;
    Sc = Sc + Oc;
    Sr = Sr + Or;
    if (history) history->Segment(i * dx, Tf, cooling ? Tb : H / (G * 2 * kPi) + Tb);
  }
  PipeFlowResult r;
  r.fluid = Tf - kKelvin;
  r.wallFluidSide = Twf - kKelvin;
  r.boundary = Tmid - kKelvin;
  r.faces = PipeFacesOutwards(in, Tmid, H, Twa - kKelvin);
  r.wallAmbientSide = Twa - kKelvin;
  r.convective = Sc;
  r.radiative = Sr;
  r.total = Sc + Sr;
  r.coefficient = in.h;
  return r;
}

}  // namespace HeatLossCalc
