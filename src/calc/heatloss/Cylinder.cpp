#include "calc/heatloss/Cylinder.h"

#include "calc/heatloss/CylinderWall.h"
#include "calc/heatloss/HeatGain.h"
#include "calc/heatloss/WithOptions.h"
#include "calc/numeric/RefiningScan.h"

namespace HeatLossCalc {

long double CylinderSurface(const CylinderInputs& in) {
  if (in.OptionsOn()) return CylinderSurfaceWithOptions(in);
  if (in.Ti < in.Ta) return CylinderGainSurface(in);  // colder than the air
  const CylinderWall w(in);
  return Scan::Refining(w.Ta, 6, 31, [&](long double T) { return w.LossPasses(T); });
}

bool CylinderBalanceBeyond(const CylinderInputs& in, long double T) {
  if (in.OptionsOn()) return CylinderPassesWithOptions(in, T);
  const CylinderWall w(in);
  return in.Ti < in.Ta ? w.GainPasses(T) : w.LossPasses(T);
}

CylinderResult CylinderResultAt(const CylinderInputs& in, long double Ts) {
  if (in.OptionsOn()) return CylinderResultWithOptions(in, Ts);
  return CylinderWall(in).ResultAt(Ts);
}

CylinderResult CylinderHeatLoss(const CylinderInputs& in) {
  return CylinderResultAt(in, CylinderSurface(in));
}

}  // namespace HeatLossCalc
