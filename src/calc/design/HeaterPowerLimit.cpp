#include "calc/design/HeaterPowerLimit.h"

#include <cmath>

namespace DesignCalc {

using namespace HeatLossCalc;

HeaterPowerAnswer MaxHeaterPower(const HeaterInputs& base, long double sheathLimit) {
  HeaterPowerAnswer a;
  if (!(sheathLimit > base.Ta)) return a;
  HeaterInputs in = base;
  in.Q = floorl(HeaterLoss(base, sheathLimit) * 10) / 10;
  if (!(in.Q > 0)) return a;
  // The scan keeps the sheath one to two hundredths below its balance, so the
  // forward run meets the limit; it is checked all the same.
  const long double sheath = HeaterSurfaceTemperature(in);
  if (sheath > sheathLimit) return a;
  a.possible = true;
  a.power = in.Q;
  a.sheath = sheath;
  return a;
}

}  // namespace DesignCalc
