#include "calc/heatloss/Cylinder.h"

#include "calc/heatloss/CylinderWall.h"
#include "calc/heatloss/HeatGain.h"
#include "calc/heatloss/WithOptions.h"
#include "calc/numeric/RefiningScan.h"

namespace HeatLossCalc {

CylinderResult CylinderHeatLoss(const CylinderInputs& in) {
  if (in.OptionsOn()) return CylinderWithOptions(in);
  if (in.Ti < in.Ta) return CylinderHeatGain(in);  // colder than the air
  const CylinderWall w(in);
  const long double Ts = Scan::Refining(w.Ta, 6, 31, [&](long double T) { return w.Conducted(T) > w.Given(T); });
  return w.ResultAt(Ts);
}

}  // namespace HeatLossCalc
