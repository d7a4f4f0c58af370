// Power that the contents alone would need, without container or losses.
#pragma once

namespace heating {

// c in kcal/kg℃, mass in kg, rise in K, time in h; the result in W.
inline long double ContentOnlyPower(long double specificHeat, long double mass, long double rise,
                                    long double riseTime) {
  return specificHeat * mass * rise / riseTime / 0.86L;
}

}  // namespace heating
