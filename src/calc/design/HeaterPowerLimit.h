// The largest power of a sheathed heater whose sheath (outer surface) may
// reach at most a limit temperature.
#pragma once

#include "calc/heatloss/Heater.h"

namespace DesignCalc {

struct HeaterPowerAnswer {
  // false: the limit lies at or below the air (or the sheath gives off nothing).
  bool possible = false;
  long double power = 0;   // W, rounded down to 0.1 W
  long double sheath = 0;  // the heater's sheath temperature at that power, degC
};

// The power the sheath gives off at exactly the limit (degC), by convection
// and radiation, rounded down to 0.1 W; the heater calculation with that
// power (base.Q replaced) keeps the sheath at or below the limit.
HeaterPowerAnswer MaxHeaterPower(const HeatLossCalc::HeaterInputs& base, long double sheathLimit);

}  // namespace DesignCalc
