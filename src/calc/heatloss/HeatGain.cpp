#include "calc/heatloss/HeatGain.h"

#include <cmath>

#include "calc/heatloss/CylinderWall.h"
#include "calc/heatloss/GainScan.h"
#include "calc/heatloss/SurfaceLoss.h"

namespace HeatLossCalc {

// Every test below asks whether the surface at T loses more to the air than
// the wall conducts outwards (both negative for a cold structure), i.e. takes
// less from the air than it passes inwards. A point at or beyond the inner
// temperature never passes: the balance lies between the inner side and the
// air, and the guard keeps the fourth powers away from temperatures where
// radiation would turn the comparison round.

long double CylinderGainSurface(const CylinderInputs& in) {
  const CylinderWall w(in);
  return GainScan(w.Ta, 6, 31, [&](long double T) { return w.GainPasses(T); });
}

long double FlatPlateGainSurface(long double Tinner, long double U, long double A, const FlatPlateInputs& in,
                                 int stages, int points) {
  const long double Ta = in.Ta;
  return GainScan(Ta, stages, points, [&](long double T) {
    return T > Tinner && SurfaceLoss(T, Ta, A, in.h, in.e, in.sigma).total > (Tinner - T) * U * A;
  });
}

FlatWallResult FlatWallHeatGain(const FlatWallInputs& in) {
  const long double U = FlatConductance(in.L1, in.k1, in.inner, in.L2, in.k2);
  const long double Ta = in.Ta, Tg = in.Tg, A = in.A;
  const long double Ts = GainScan(Ta, 5, 31, [&](long double T) {
    const long double Qo = SurfaceLoss(T, Ta, A, in.h, in.e, in.sigma).total;
    const long double Tw = Qo / A / U + T;  // inner surface that conducts Qo
    const long double Qi = (Tg - Tw) * A * in.hi + (Fourth(Tg) - Fourth(Tw)) * A * in.ei * in.sigma;
    return T > Tg && Tw > Tg && Qo > Qi;
  });
  const SurfaceLossParts q = SurfaceLoss(Ts, Ta, A, in.h, in.e, in.sigma);
  FlatWallResult r;
  r.outerSurface = Ts - kKelvin;
  r.faces = FlatFacesInwards(q.total / in.k2 / A * in.L2 + Ts, q.total, A, in.inner, r.outerSurface);
  r.interface = r.faces.at[0];
  r.innerSurface = q.total / U / A + Ts - kKelvin;
  r.convective = q.convective;
  r.radiative = q.radiative;
  r.total = q.total;
  r.flux = q.total / (A * 10000);
  r.coefficient = in.h;
  return r;
}

PipeFlowResult PipeFlowHeatGain(const PipeFlowInputs& in, PipeFlowHistory* history) {
  const long double Di = in.Di;
  const long double D1 = 2 * in.t1 + Di;
  const long double D2 = PipeInsulationBase(in) + 2 * in.t2;
  const long double Po = D2 * kPi;
  const long double Pi = Di * kPi;
  const long double G2pi = PipeConductance(in) * 2 * kPi;
  // Capacity flow, W/K, as on the loss side.
  const long double F = in.rho * 1000 * in.V * in.c / 0.86L;
  const long double Ta = in.Ta;
  const long double dx = in.Lp / kPipeSegments;
  // Heat per metre leaving the outer surface at T (negative below the air).
  auto out = [&](long double T) {
    return (T - Ta) * Po * in.h + (Fourth(T) - Fourth(Ta)) * Po * in.e * in.sigma;
  };
  long double Tf = in.Tin;
  long double Ts = Ta, H = 0;
  long double Sc = 0, Sr = 0;
  if (history) history->Begin(Tf, kPipeSegments);
  for (int i = 1; i <= kPipeSegments; ++i) {
    Ts = GainScan(Ta, 5, 31, [&](long double T) {
      const long double Vo = out(T);
      const long double Tw = Vo / G2pi + T;  // the fluid side of the wall
      // Heat the fluid gives the wall per metre (negative while it warms).
      const long double Wi = (Tf - Tw) * Pi * in.hi + (Fourth(Tf) - Fourth(Tw)) * Pi * in.ei * in.sigma;
      return T > Tf && Tw > Tf && Vo > Wi;
    });
    H = out(Ts);
    Sc = Sc + (Ts - Ta) * Po * dx * in.h;
    Sr = Sr + (Fourth(Ts) - Fourth(Ta)) * Po * dx * in.e * in.sigma;
    Tf = Tf - H * dx / F;
    if (history) history->Segment(i * dx, Tf, Ts);
  }
  const long double Twf = H / G2pi + Ts;
  PipeFlowResult r;
  r.fluid = Tf - kKelvin;
  r.wallFluidSide = Twf - kKelvin;
  const long double Tmid = Twf - logl(D1 / Di) * H / (in.k1 * 2 * kPi);
  r.boundary = Tmid - kKelvin;
  r.wallAmbientSide = Ts - kKelvin;
  r.faces = PipeFacesOutwards(in, Tmid, H, r.wallAmbientSide);
  r.convective = Sc;
  r.radiative = Sr;
  r.total = Sc + Sr;
  r.coefficient = in.h;
  return r;
}

}  // namespace HeatLossCalc
