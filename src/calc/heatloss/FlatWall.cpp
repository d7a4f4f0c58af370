#include "calc/heatloss/FlatWall.h"

#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/HeatGain.h"
#include "calc/numeric/RefiningScan.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "calc/heatloss/WithOptions.h"

namespace HeatLossCalc {

FlatWallResult FlatWallTransmission(const FlatWallInputs& in) {
  if (in.OptionsOn()) return FlatWallWithOptions(in);
  if (in.Tg < in.Ta) return FlatWallHeatGain(in);  // gas colder than the air
  const long double U = FlatConductance(in.L1, in.k1, in.inner, in.L2, in.k2);
  const long double Ta = in.Ta, Tg = in.Tg, A = in.A;
  long double Qs = 0;  // heat of the last accepted surface temperature
  const long double Ts = Scan::Refining(Ta - 100, 5, 31, [&](long double T) {
    const long double Qo = SurfaceLoss(T, Ta, A, in.h, in.e, in.sigma).total;
    const long double Tw = Qo / A / U + T;  // inner surface that conducts Qo
    const long double Qi = (Tg - Tw) * A * in.hi + (Fourth(Tg) - Fourth(Tw)) * A * in.ei * in.sigma;
    if (!(Qo < Qi)) return false;
    Qs = Qo;
    return true;
  });
  const long double Tw = Qs / U / A + Ts;
  const long double Tm = Qs / in.k2 / A * in.L2 + Ts;
  const SurfaceLossParts q = SurfaceLoss(Ts, Ta, A, in.h, in.e, in.sigma);
  FlatWallResult r;
  r.outerSurface = Ts - kKelvin;
  r.faces = FlatFacesInwards(Tm, Qs, A, in.inner, r.outerSurface);
  r.interface = r.faces.at[0];
  r.innerSurface = Tw - kKelvin;
  r.convective = q.convective;
  r.radiative = q.radiative;
  r.total = q.total;
  r.flux = q.total / (A * 10000);
  r.coefficient = in.h;
  return r;
}

}  // namespace HeatLossCalc
