// The convective flux of a surface, h(T)·(T - Ta) in W/m², tabulated once
// per run for the calculations that try the surface temperature hundreds of
// thousands of times (pipe flow's 3000 segments, a cooling's 2000 steps): a
// lookup costs a few nanoseconds where the correlations cost a few hundred.
//
// The nodes lie 1/8 K apart on a grid through the air temperature itself, so
// the one point where h is not smooth (it grows as a root of |T - Ta| there)
// is a node and the flux, which grows as |T - Ta|^(5/4) in still air, is
// interpolated linearly between nodes. Its error is below 1E-3 W/m² for the
// sizes and temperatures of insulation work, a thousandth of what one step
// of 0.01 K in the surface temperature changes (the tests compare whole
// runs against the exact evaluation).
#pragma once

#include <vector>

#include "calc/surface/SurfaceCoefficient.h"

namespace SurfaceCalc {

class ConvectionTable {
 public:
  // Nodes from at or below `from` to at or above `to` (K, either order, the
  // air temperature need not lie between); a span wider than 1000 K takes
  // wider steps, at most 8193 nodes.
  ConvectionTable(const SurfaceCoefficient& h, long double TaK, long double from, long double to);

  // W/m² at the surface temperature T (K); evaluated exactly beyond the nodes.
  long double FluxAt(long double T) const;

 private:
  SurfaceCoefficient h_;
  long double Ta_;
  long double step_, perStep_;
  long double first_;  // the first node's index counted from the air temperature
  std::vector<long double> q_;
};

}  // namespace SurfaceCalc
