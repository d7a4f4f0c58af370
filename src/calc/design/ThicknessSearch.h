// The search of an insulation thickness over the 0.1 mm grid, apart from
// any calculator: a forward run gives the quantity a target looks at for a
// thickness in mm (0 = bare), and the goal says whether it is met.
#pragma once

#include <functional>
#include <vector>

#include "calc/design/DesignTarget.h"

namespace DesignCalc {

// Grid point k in mm: k / 10, the very value "12.3" reads as in a field.
inline long double GridMm(long long k) { return static_cast<long double>(k) / 10; }

// The side of a value the quantity must keep.
struct Goal {
  long double value = 0;
  bool atMost = true;  // quantity <= value; otherwise quantity >= value
  bool Meets(long double quantity) const { return atMost ? quantity <= value : quantity >= value; }
};

// What a forward run at a thickness tells the search.
struct ThicknessRun {
  long double quantity = 0;  // what the goal looks at
  long double surface = 0;   // the outer surface (K) the run found, where a bound needs it
};

struct QuantityRange {
  long double least = 0, most = 0;
};

// The calculator as the search sees it.
struct ThicknessModel {
  // A forward run with the insulation at mm.
  std::function<ThicknessRun(long double mm)> run;
  // The least and the most the quantity can be at any thickness from thinMm
  // to thickMm, both included, from the runs at both ends (NaN: unknown).
  // Empty when no such bound holds: the grid is then walked in steps
  // (SearchThickness).
  std::function<QuantityRange(long double thinMm, const ThicknessRun& thin, long double thickMm,
                              const ThicknessRun& thick)>
      between;
  // A grid point from 1 to last where the goal is likely first met, found
  // without forward runs; empty when the model has none. The search runs it
  // first, then the point beside it towards the answer.
  std::function<long long(long long last)> guess;
};

// Bare first: when it meets the goal the answer is BareMeets. Otherwise the
// answer is a point of the 0.1 mm grid from 0.1 mm up to maxMm (always a
// point; at most 10 m):
// - with a bound (model.between), the thinnest point that meets the goal,
//   exactly as trying every point in turn would find it, whatever the shape
//   of the quantity over the thickness. The search keeps the grid below its
//   candidates covered: every stretch between two runs either can hold no
//   meeting point by the bound, or is split and searched further, the
//   thinnest stretch first. The model's guess and the point beside it are
//   run first; then, where the runs straddle the goal, their values guide
//   the next run (a rational interpolation through the last three, falling
//   back to halving when it does not narrow the stretch), so a quantity
//   that changes smoothly is answered in a handful of runs, and the answer
//   is always a run that meets the goal beside a run 0.1 mm thinner that
//   does not;
// - without one (pipe flow, whose runs take milliseconds), the limit first,
//   and when it fails no thickness meets the goal; then steps of 5 mm up to
//   100 mm, 10 mm up to 200 mm and 25 mm beyond, and inside the first step
//   that meets the goal the thinnest meeting thickness by halving. This is
//   exact when, with bare failing, the meeting thicknesses reach from one
//   thickness up to the limit. A loss that first rises with the thickness
//   (below the critical radius of a thin line) and then falls has that
//   shape: bare failing a limit lies on the rising side.
// The stock thicknesses are tried in increasing order from exactMm (from 0
// when bare meets the goal), each by a forward run; entries not above 0 are
// skipped. With NeverMeets no stock is reported. No thickness runs twice.
ThicknessAnswer SearchThickness(const ThicknessModel& model, Goal goal,
                                const std::vector<long double>& stockMm, long double maxMm);

}  // namespace DesignCalc
