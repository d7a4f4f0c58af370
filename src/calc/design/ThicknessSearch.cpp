#include "calc/design/ThicknessSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

namespace DesignCalc {

namespace {

// Grid point k in mm: k / 10, the very value "12.3" reads as in a field.
long double Mm(long long k) { return static_cast<long double>(k) / 10; }

// The first run of the bracketed search after bare, a usual thickness: 25 mm.
constexpr long long kFirstProbe = 250;

// The forward runs made so far, by thickness, so that none runs twice.
class Runs {
 public:
  explicit Runs(const ThicknessModel& model) : model_(model) {}

  const ThicknessRun& At(long double mm) {
    auto it = done_.find(mm);
    if (it == done_.end()) it = done_.emplace(mm, model_.run(mm)).first;
    return it->second;
  }

 private:
  const ThicknessModel& model_;
  std::map<long double, ThicknessRun> done_;
};

void FindStock(Runs& runs, Goal goal, std::vector<long double> stockMm, long double fromMm,
               ThicknessAnswer& a) {
  std::sort(stockMm.begin(), stockMm.end());
  for (const long double s : stockMm) {
    if (!(s > 0) || s < fromMm) continue;
    const long double q = runs.At(s).quantity;
    if (goal.Meets(q)) {
      a.stockFound = true;
      a.stockMm = s;
      a.stockQuantity = q;
      return;
    }
  }
}

// How far a quantity lies on the failing side of the goal (above 0 fails).
// It only guides the choice of the next run; the goal alone decides.
long double Excess(Goal goal, long double q) { return goal.atMost ? q - goal.value : goal.value - q; }

// A run as the guide sees it: grid point and excess.
struct Seen {
  long double k, excess;
};

// The grid point (not rounded) where the goal is reached, predicted from the
// runs so far: the zero of the rational x = (p + r e) / (1 + s e) through
// the last three, which follows a quantity that levels off as insulation is
// added, else of the line through the last two. NaN when they do not tell.
long double Predicted(const std::vector<Seen>& seen) {
  const size_t n = seen.size();
  if (n >= 3) {
    const Seen &u = seen[n - 3], &v = seen[n - 2], &w = seen[n - 1];
    // p + r e - s x e = x at each run, by Cramer's rule for p.
    const long double ue = -u.k * u.excess, ve = -v.k * v.excess, we = -w.k * w.excess;
    const long double det =
        (v.excess * we - ve * w.excess) - u.excess * (we - ve) + ue * (w.excess - v.excess);
    const long double p = u.k * (v.excess * we - ve * w.excess) - u.excess * (v.k * we - ve * w.k) +
                          ue * (v.k * w.excess - v.excess * w.k);
    if (det != 0 && std::isfinite(p / det)) return p / det;
  }
  if (n >= 2) {
    const Seen &v = seen[n - 2], &w = seen[n - 1];
    if (w.excess != v.excess) return w.k - w.excess * (w.k - v.k) / (w.excess - v.excess);
  }
  return std::numeric_limits<long double>::quiet_NaN();
}

// The thinnest grid point from 1 to last that meets the goal, 0 when none
// does; bare (grid point 0) fails it. Runs are held by grid point; every
// point up to `failed` is known to fail, and the stretch from there to the
// next run is decided first: by the bound (no meeting point inside), by its
// end (the answer, 0.1 mm on), or by a run inside it.
long long ThinnestMeeting(Runs& runs, const ThicknessModel& model, Goal goal, long long last) {
  std::map<long long, const ThicknessRun*> grid{{0, &runs.At(0)}};
  std::vector<Seen> seen{{0, Excess(goal, grid[0]->quantity)}};
  const long long guess = model.guess ? std::clamp(model.guess(last), 1LL, last) : 0;
  long long failed = 0;
  long long widths[2] = {0, 0};  // the straddling stretch at the last two runs (0: none)
  for (;;) {
    // The stretch to decide: from `failed` to the next run, or on to the
    // limit when no run lies beyond.
    const auto next = grid.upper_bound(failed);
    const bool open = next == grid.end();
    const long long end = open ? last + 1 : next->first;
    bool endMeets = false;
    if (open) {
      if (failed == last) return 0;
    } else {
      endMeets = goal.Meets(next->second->quantity);
      if (end == failed + 1) {
        if (endMeets) return end;
        failed = end;
        continue;
      }
      if (!endMeets) {
        const QuantityRange r = model.between(Mm(failed), *grid[failed], Mm(end), *next->second);
        if (!std::isnan(r.least) && !std::isnan(r.most) && !goal.Meets(r.least) && !goal.Meets(r.most)) {
          failed = end;
          continue;
        }
      }
    }
    // The next run inside the stretch: the model's guess, then the point
    // beside it towards the answer; else, beyond every run, where the runs
    // so far point (at first a usual thickness), or the limit; else halving
    // where both ends fail (the quantity may dip between them) or where the
    // guide has not halved the straddling stretch in two runs, or the
    // guide's point.
    const long long width = end - failed;
    long long k = 0;
    if (guess > 0) {
      const auto g = grid.find(guess);
      k = g == grid.end() ? guess : goal.Meets(g->second->quantity) ? guess - 1 : guess + 1;
      if (k <= failed || k >= end || grid.count(k)) k = 0;
    }
    if (k == 0) {
      const long double x = seen.size() == 1 ? kFirstProbe : Predicted(seen);
      if (open) {
        k = x > failed ? static_cast<long long>(std::min(ceill(x), static_cast<long double>(last))) : last;
      } else if (endMeets && !(widths[1] > 0 && 2 * width > widths[1]) && x > failed && x < end) {
        k = std::clamp(static_cast<long long>(ceill(x)), failed + 1, end - 1);
      } else {
        k = failed + width / 2;
      }
    }
    widths[1] = widths[0];
    widths[0] = endMeets ? width : 0;
    const ThicknessRun& run = runs.At(Mm(k));
    grid.emplace(k, &run);
    seen.push_back({static_cast<long double>(k), Excess(goal, run.quantity)});
  }
}

// The next step of the walk without a bound from grid point k, in tenths of
// a mm.
long long Step(long long k) {
  if (k < 1000) return 50;
  if (k < 2000) return 100;
  return 250;
}

// The same answer as ThinnestMeeting where the meeting thicknesses reach from
// one thickness up to the limit (SearchThickness).
long long SteppedWalk(Runs& runs, Goal goal, long long last) {
  if (!goal.Meets(runs.At(Mm(last)).quantity)) return 0;
  long long failed = 0;  // the highest grid point known to fail
  for (;;) {
    const long long k = std::min(failed + Step(failed), last);
    if (k != last && !goal.Meets(runs.At(Mm(k)).quantity)) {
      failed = k;
      continue;
    }
    long long met = k;
    while (met - failed > 1) {
      const long long mid = failed + (met - failed) / 2;
      if (goal.Meets(runs.At(Mm(mid)).quantity)) {
        met = mid;
      } else {
        failed = mid;
      }
    }
    return met;
  }
}

}  // namespace

ThicknessAnswer SearchThickness(const ThicknessModel& model, Goal goal,
                                const std::vector<long double>& stockMm, long double maxMm) {
  Runs runs(model);
  ThicknessAnswer a;
  a.bareQuantity = runs.At(0).quantity;
  if (goal.Meets(a.bareQuantity)) {
    a.outcome = ThicknessOutcome::BareMeets;
    a.exactQuantity = a.bareQuantity;
    FindStock(runs, goal, stockMm, 0, a);
    return a;
  }
  a.outcome = ThicknessOutcome::NeverMeets;
  // A small allowance so that a limit such as 12.3 mm keeps its last tenth;
  // no limit beyond 10 m.
  const long long last =
      maxMm > 0 ? static_cast<long long>(floorl(std::min(maxMm, 10000.0L) * 10 + 1e-6L)) : 0;
  if (last < 1) return a;
  const long long k =
      model.between ? ThinnestMeeting(runs, model, goal, last) : SteppedWalk(runs, goal, last);
  if (k == 0) return a;
  a.outcome = ThicknessOutcome::Solved;
  a.exactMm = Mm(k);
  a.exactQuantity = runs.At(a.exactMm).quantity;
  FindStock(runs, goal, stockMm, a.exactMm, a);
  return a;
}

}  // namespace DesignCalc
