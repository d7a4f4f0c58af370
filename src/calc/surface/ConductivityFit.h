// A material's conductivity given at several mean temperatures, as the
// standards and the makers' tables give it, turned into k = a + b·T + c·T²
// (T in ℃, TemperatureConductivity.h) by least squares.
#pragma once

#include <optional>
#include <vector>

#include "calc/surface/TemperatureConductivity.h"

namespace SurfaceCalc {

struct ConductivityPoint {
  long double T = 0;  // mean temperature, ℃
  long double k = 0;  // W/(m·K)
};

// One temperature: the constant k. Two: the straight line through both.
// Three or more: the parabola of least squares, which passes through three
// points exactly. Empty when two points share a temperature with different
// k, so that no line passes through them, or when the points are fewer
// than one.
std::optional<TemperatureConductivity> FitConductivity(const std::vector<ConductivityPoint>& points);

}  // namespace SurfaceCalc
