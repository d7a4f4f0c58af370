// The surface temperature scan of the heater, in degC: five stages with the
// steps 100, 10, 1, 0.1 and 0.01, 31 points each. The value kept is one
// step below the last point that passes the test.
#pragma once

namespace HeatLossCalc {

inline constexpr long double kHeaterSteps[] = {100.0L, 10.0L, 1.0L, 0.1L, 0.01L};
inline constexpr int kHeaterPoints = 31;

// The first stage scans Ta, Ta + 100, ..., Ta + 3000; each later stage
// starts at the value kept by the stage before. The highest value it can
// keep is Ta + 3222.19. When no point of the first stage passes (a heater
// without power: its loss at Ta is 0), the value kept is Ta - 100, one step
// below the first point, so the finer stages still search around the
// ambient rather than around 0 degC.
template <class Below>
inline long double HeaterScan(long double Ta, Below&& below) {
  long double t = Ta - 100;
  long double kept = t;
  bool first = true;
  for (const long double step : kHeaterSteps) {
    if (!first) t = kept - step;
    first = false;
    for (int point = 0; point < kHeaterPoints; ++point) {
      t = t + step;
      if (below(t)) kept = t - step;
    }
  }
  return kept;
}

}  // namespace HeatLossCalc
