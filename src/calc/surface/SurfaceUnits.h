// The two constants the surface calculations share with the heat-loss
// calculators: the kelvin offset, and π as 3.14, the value every
// circumference and 2π there is formed with. calc/heatloss/HeatLossOptions.h
// checks that they agree with its own.
#pragma once

namespace SurfaceCalc {

inline constexpr long double kKelvin = 273.15L;
inline constexpr long double kPi = 3.14L;

}  // namespace SurfaceCalc
