// The search of an insulation thickness over the 0.1 mm grid, apart from
// any calculator: a forward run gives the quantity a target looks at for a
// thickness in mm (0 = bare), and the target says whether it is met.
#pragma once

#include <functional>
#include <vector>

#include "calc/design/DesignTarget.h"

namespace DesignCalc {

using QuantityAt = std::function<long double(long double mm)>;
using MeetsTarget = std::function<bool(long double quantity)>;

// How the grid is walked.
enum class Walk {
  // Every grid point from 0.1 mm up to the limit, so the answer is the
  // thinnest meeting grid point whatever the shape of the quantity over the
  // thickness (cylinder, flat plate, flat wall: a run takes microseconds).
  EveryTenth,
  // For runs of milliseconds (pipe flow): the limit first, and when it fails
  // no thickness meets the target; then steps of 5 mm up to 100 mm, 10 mm up
  // to 200 mm and 25 mm beyond, and inside the first step that meets the
  // target the thinnest meeting thickness by halving, each half decided by a
  // forward run. This is exact when, with bare failing, the meeting
  // thicknesses reach from one thickness up to the limit. A loss that first
  // rises with the thickness (below the critical radius of a thin line) and
  // then falls has that shape: bare failing a limit lies on the rising side.
  Stepped,
};

// Bare first: when it meets the target the answer is BareMeets. Otherwise
// the grid of 0.1 mm is walked up to maxMm (always a point; at most 10 m) as
// `walk` says. The stock thicknesses are tried in increasing order from
// exactMm (from 0 when bare meets the target), each by a forward run;
// entries not above 0 are skipped. With NeverMeets no stock is reported.
ThicknessAnswer SearchThickness(const QuantityAt& quantity, const MeetsTarget& meets,
                                const std::vector<long double>& stockMm, long double maxMm, Walk walk);

}  // namespace DesignCalc
