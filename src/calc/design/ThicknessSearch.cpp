#include "calc/design/ThicknessSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

#include "calc/numeric/KeepFlags.h"

namespace DesignCalc {

namespace {

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

// The bracketed search of SearchThickness over grid points 1 to last; bare
// (grid point 0) fails the goal. Runs are held by grid point; every point up
// to `failed_` is known to fail, and the stretch from there to the next run
// is decided first: by the bound (no meeting point inside), by its end (the
// answer, 0.1 mm on), or by a run inside it.
class Bracketing {
 public:
  Bracketing(Runs& runs, const ThicknessModel& model, Goal goal, long long last)
      : runs_(runs), model_(model), goal_(goal), last_(last) {
    Record(0, runs.At(0));
    const Numeric::KeepFlags steering;  // the guess makes no run
    if (model.guess) guess_ = std::clamp(model.guess(last), 1LL, last);
  }

  // The thinnest grid point that meets the goal, 0 when none does.
  long long ThinnestMeeting() {
    for (;;) {
      Step step;
      {
        // Deciding makes no run: the flags its arithmetic raises (an empty
        // prediction, an infinite excess) are none of the calculation's.
        const Numeric::KeepFlags steering;
        step = Decide();
      }
      if (step.answered) return step.k;
      Record(step.k, runs_.At(GridMm(step.k)));
    }
  }

 private:
  struct Step {
    bool answered = false;  // k is the answer (0: none); else the next run
    long long k = 0;
  };

  void Record(long long k, const ThicknessRun& run) {
    grid_.emplace(k, &run);
    order_.push_back(k);
  }

  Step Decide() {
    for (;;) {
      // The stretch from failed_ to the next run, or on to the limit when
      // no run lies beyond.
      const auto next = grid_.upper_bound(failed_);
      if (next == grid_.end()) {
        if (failed_ == last_) return {true, 0};
        return {false, NextRun(last_ + 1, false)};
      }
      const long long end = next->first;
      const bool endMeets = goal_.Meets(next->second->quantity);
      if (end == failed_ + 1) {
        if (endMeets) return {true, end};
        failed_ = end;
        continue;
      }
      if (!endMeets) {
        const QuantityRange r =
            model_.between(GridMm(failed_), *grid_.at(failed_), GridMm(end), *next->second);
        if (!std::isnan(r.least) && !std::isnan(r.most) && !goal_.Meets(r.least) && !goal_.Meets(r.most)) {
          failed_ = end;
          continue;
        }
      }
      return {false, NextRun(end, endMeets)};
    }
  }

  // The next run inside the stretch from failed_ to end (last + 1: no run
  // beyond): the model's guess, then the point beside it towards the answer;
  // else, beyond every run, where the runs so far point (at first a usual
  // thickness), or the limit; else halving where both ends fail (the
  // quantity may dip between them) or where the guide has not halved the
  // straddling stretch in two runs, or the guide's point.
  long long NextRun(long long end, bool endMeets) {
    const long long width = end - failed_;
    const bool slow = straddled_[1] > 0 && 2 * width > straddled_[1];
    straddled_[1] = straddled_[0];
    straddled_[0] = endMeets ? width : 0;
    if (guess_ > 0) {
      const auto g = grid_.find(guess_);
      const long long k = g == grid_.end()                   ? guess_
                          : goal_.Meets(g->second->quantity) ? guess_ - 1
                                                             : guess_ + 1;
      if (k > failed_ && k < end && !grid_.count(k)) return k;
    }
    const long double x = order_.size() == 1 ? kFirstProbe : Predicted();
    if (end > last_) {
      return x > failed_ ? static_cast<long long>(std::min(ceill(x), static_cast<long double>(last_)))
                         : last_;
    }
    if (endMeets && !slow && x > failed_ && x < end) {
      return std::clamp(static_cast<long long>(ceill(x)), failed_ + 1, end - 1);
    }
    return failed_ + width / 2;
  }

  // The grid point (not rounded) where the goal is reached, predicted from
  // the runs so far: the zero of the rational x = (p + r e) / (1 + s e)
  // through the last three (e: excess), which follows a quantity that levels
  // off as insulation is added, else of the line through the last two. NaN
  // when they do not tell.
  long double Predicted() const {
    struct Seen {
      long double k, e;
    };
    auto seen = [&](size_t back) {
      const long long k = order_[order_.size() - back];
      return Seen{static_cast<long double>(k), Excess(goal_, grid_.at(k)->quantity)};
    };
    if (order_.size() >= 3) {
      const Seen u = seen(3), v = seen(2), w = seen(1);
      // p + r e - s x e = x at each run, by Cramer's rule for p.
      const long double ue = -u.k * u.e, ve = -v.k * v.e, we = -w.k * w.e;
      const long double det = (v.e * we - ve * w.e) - u.e * (we - ve) + ue * (w.e - v.e);
      const long double p =
          u.k * (v.e * we - ve * w.e) - u.e * (v.k * we - ve * w.k) + ue * (v.k * w.e - v.e * w.k);
      if (det != 0 && std::isfinite(p / det)) return p / det;
    }
    if (order_.size() >= 2) {
      const Seen v = seen(2), w = seen(1);
      if (w.e != v.e) return w.k - w.e * (w.k - v.k) / (w.e - v.e);
    }
    return std::numeric_limits<long double>::quiet_NaN();
  }

  Runs& runs_;
  const ThicknessModel& model_;
  const Goal goal_;
  const long long last_;
  long long guess_ = 0;
  std::map<long long, const ThicknessRun*> grid_;
  std::vector<long long> order_;  // the grid points in the order they ran
  long long failed_ = 0;
  long long straddled_[2] = {0, 0};  // the straddling stretch at the last two runs (0: none)
};

// The next step of the walk without a bound from grid point k, in tenths of
// a mm.
long long Step(long long k) {
  if (k < 1000) return 50;
  if (k < 2000) return 100;
  return 250;
}

// The same answer as Bracketing where the meeting thicknesses reach from
// one thickness up to the limit (SearchThickness).
long long SteppedWalk(Runs& runs, Goal goal, long long last) {
  if (!goal.Meets(runs.At(GridMm(last)).quantity)) return 0;
  long long failed = 0;  // the highest grid point known to fail
  for (;;) {
    const long long k = std::min(failed + Step(failed), last);
    if (k != last && !goal.Meets(runs.At(GridMm(k)).quantity)) {
      failed = k;
      continue;
    }
    long long met = k;
    while (met - failed > 1) {
      const long long mid = failed + (met - failed) / 2;
      if (goal.Meets(runs.At(GridMm(mid)).quantity)) {
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
      model.between ? Bracketing(runs, model, goal, last).ThinnestMeeting() : SteppedWalk(runs, goal, last);
  if (k == 0) return a;
  a.outcome = ThicknessOutcome::Solved;
  a.exactMm = GridMm(k);
  a.exactQuantity = runs.At(a.exactMm).quantity;
  FindStock(runs, goal, stockMm, a.exactMm, a);
  return a;
}

}  // namespace DesignCalc
