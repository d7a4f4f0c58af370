// The bracketed thickness search against the walk it replaced
// (ThicknessWalk.h) on random cases of the cylinder, flat plate and flat
// wall: thin and thick lines, hot and cold, every target kind, with and
// without the automatic outer coefficient and k(T), limits and stock lists
// of every sort. The answers must be identical: outcome, exact thickness,
// stock, and every quantity reported, to the bit; and no floating-point
// fault flag left raised.
//
// The walk's forward runs are kept per input, so that each input is tried
// against many targets: values the quantity takes at a grid point (the
// answer is then a tie), the neighbouring numbers, values between two
// points, and values no thickness reaches.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/design/DesignRuns.h"
#include "calc/design/ThicknessSolve.h"
#include "calc/surface/TemperatureConductivity.h"
#include "design/ThicknessWalk.h"

using namespace DesignCalc;
using namespace HeatLossCalc;

namespace {

// 100,000 cases: 2,000 inputs of 50 targets each. Under the sanitizers,
// where a run costs some twenty times as much, 10,000.
#ifdef HEATCALC_SANITIZED
constexpr int kInputs = 200;
#else
constexpr int kInputs = 2000;
#endif
constexpr int kTargetsPerInput = 50;

class Random {
 public:
  explicit Random(unsigned long long seed) : rng_(seed) {}
  long double Uniform(long double lo, long double hi) {
    return lo + (hi - lo) * std::uniform_real_distribution<double>(0, 1)(rng_);
  }
  long double LogUniform(long double lo, long double hi) { return expl(Uniform(logl(lo), logl(hi))); }
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

 private:
  std::mt19937_64 rng_;
};

// A conductivity change that keeps k0 + b T + c T² above 0 from T1 to T2
// (℃), as the window demands; none half of the time.
ConductivityChange ChangeOf(Random& r, long double k0, long double T1, long double T2) {
  if (r.Chance(0.5)) return {};
  for (;;) {
    const ConductivityChange d{k0 * r.Uniform(-1, 3) / 500,
                               r.Chance(0.5) ? 0 : k0 * r.Uniform(-1, 2) / 250000};
    if (SurfaceCalc::ConductivityPositive(WithChange(k0, d), T1, T2)) return d;
  }
}

AutoCoefficient OuterOf(Random& r, bool pipe) {
  AutoCoefficient a;
  a.on = true;
  using SurfaceCalc::Orientation;
  const Orientation pipes[] = {Orientation::HorizontalPipe, Orientation::VerticalPipe};
  const Orientation flats[] = {Orientation::VerticalWall, Orientation::HorizontalFacingUp,
                               Orientation::HorizontalFacingDown};
  a.orientation = pipe ? pipes[r.Below(2)] : flats[r.Below(3)];
  a.wind = r.Chance(0.5) ? 0 : r.Uniform(0.2L, 10);
  a.length = pipe || r.Chance(0.5) ? 0 : r.Uniform(0.3L, 10);
  return a;
}

// The air and the inside (℃): a hot line up to 600 ℃ above the air, or a
// cold one down to 180 ℃ below it.
struct Sides {
  long double air, inside;
};
Sides SidesOf(Random& r) {
  const long double air = r.Uniform(-20, 40);
  if (r.Chance(0.65)) return {air, air + r.LogUniform(2, 600)};
  return {air, air - r.LogUniform(2, 180)};
}

// The target's kind: mostly the usual ones of a hot line (surface at most,
// heat flow) and of a cold one (surface at least, heat flow), sometimes the
// other side.
TargetKind KindOf(Random& r, bool hot) {
  const int pick = r.Below(10);
  if (pick < 4) return TargetKind::HeatFlowAtMost;
  if (pick < 9) return hot ? TargetKind::SurfaceAtMost : TargetKind::SurfaceAtLeast;
  return hot ? TargetKind::SurfaceAtLeast : TargetKind::SurfaceAtMost;
}

struct Case {
  std::string description;
  TargetKind kind = TargetKind::SurfaceAtMost;
  long double maxMm = kDefaultMaxMm;
  std::vector<long double> stock;
  std::function<long double(long double mm)> quantity;  // the forward run
  // The search with the case's stock and limit.
  std::function<ThicknessAnswer(Target, const std::vector<long double>&, long double)> solve;
};

// A case from its drawn inputs (the layers, the air and the inside, s): the
// options, the target's kind, the forward run and the search.
template <class Inputs>
Case CaseOf(Random& r, Inputs in, Sides s, bool pipe, const std::string& head,
            long double (*quantity)(const Inputs&, long double, TargetKind),
            ThicknessAnswer (*solve)(const Inputs&, Target, const std::vector<long double>&, long double)) {
  if (r.Chance(0.4)) in.outer = OuterOf(r, pipe);
  if (r.Chance(0.3)) {
    in.k1T = ChangeOf(r, in.k1, s.air, s.inside);
    in.k2T = ChangeOf(r, in.k2, s.air, s.inside);
  }
  Case c;
  c.kind = KindOf(r, s.inside > s.air);
  std::ostringstream d;
  d << head << " Ta " << double(s.air) << " inside " << double(s.inside) << " k1 " << double(in.k1) << " k2 "
    << double(in.k2) << " h " << double(in.h) << " e " << double(in.e) << " auto " << in.outer.on << "/"
    << int(in.outer.orientation) << "/" << double(in.outer.wind) << " k1T " << double(in.k1T.b) << "/"
    << double(in.k1T.c) << " k2T " << double(in.k2T.b) << "/" << double(in.k2T.c);
  c.description = d.str();
  const TargetKind kind = c.kind;
  c.quantity = [in, kind, quantity](long double mm) { return quantity(in, mm, kind); };
  c.solve = [in, solve](Target t, const std::vector<long double>& stock, long double maxMm) {
    return solve(in, t, stock, maxMm);
  };
  return c;
}

Case CylinderCase(Random& r) {
  CylinderInputs in;
  const Sides s = SidesOf(r);
  in.Ta = s.air;
  in.Ti = s.inside;
  in.D1 = r.LogUniform(0.006L, 1.0L);  // from a thin tube to a large duct
  in.t1 = in.D1 * r.Uniform(0.02L, 0.15L);
  const long double k1s[] = {0.2L, 16, 50, 380};
  in.k1 = k1s[r.Below(4)];
  in.k2 = r.Uniform(0.02L, 0.25L);  // up to a poor insulation: a thin line's loss first rises
  in.h = r.Uniform(3, 30);
  in.e = r.Uniform(0.05L, 0.95L);
  in.sigma = 5.6703e-8L;
  in.L = r.LogUniform(0.3L, 100);
  std::ostringstream head;
  head << "cylinder D1 " << double(in.D1) << " t1 " << double(in.t1) << " L " << double(in.L);
  return CaseOf(r, in, s, true, head.str(), CylinderQuantity, SolveCylinderThickness);
}

// A flat panel's layers: a structure and the insulation.
template <class Inputs>
Case FlatCase(Random& r, Inputs in, Sides s, const char* name,
              long double (*quantity)(const Inputs&, long double, TargetKind),
              ThicknessAnswer (*solve)(const Inputs&, Target, const std::vector<long double>&, long double)) {
  in.A = r.LogUniform(0.2L, 200);
  in.h = r.Uniform(3, 30);
  in.e = r.Uniform(0.05L, 0.95L);
  in.sigma = 5.67037e-8L;
  in.L1 = r.LogUniform(0.001L, 0.5L);
  in.k1 = r.LogUniform(0.05L, 50);
  in.k2 = r.Uniform(0.02L, 0.25L);
  std::ostringstream head;
  head << name << " A " << double(in.A) << " L1 " << double(in.L1);
  return CaseOf(r, in, s, false, head.str(), quantity, solve);
}

Case PlateCase(Random& r) {
  FlatPlateInputs in;
  const Sides s = SidesOf(r);
  in.Ta = s.air + kKelvin;
  in.Ti = s.inside + kKelvin;
  return FlatCase(r, in, s, "plate", FlatPlateQuantity, SolveFlatPlateThickness);
}

Case WallCase(Random& r) {
  FlatWallInputs in;
  const Sides s = SidesOf(r);
  in.Ta = s.air + kKelvin;
  in.Tg = s.inside + kKelvin;
  in.hi = r.Uniform(2, 50);
  in.ei = r.Uniform(0.05L, 0.95L);
  return FlatCase(r, in, s, "wall", FlatWallQuantity, SolveFlatWallThickness);
}

// The limit: the window's 500 mm for a fifth of the inputs, else anything
// from 0.05 mm (no grid point) up, some not on the grid.
long double LimitOf(Random& r) {
  if (r.Chance(0.2)) return kDefaultMaxMm;
  const long double mm = r.LogUniform(0.05L, 500);
  return r.Chance(0.5) ? nearbyintl(mm * 10) / 10 : mm;
}

std::vector<long double> StockOf(Random& r) {
  std::vector<long double> stock;
  const long double usual[] = {10, 15, 20, 25, 30, 40, 50, 65, 75, 100, 125, 150, 200, 300};
  for (const long double s : usual)
    if (r.Chance(0.5)) stock.push_back(s);
  if (r.Chance(0.3)) stock.push_back(r.Uniform(0, 200));  // off the grid
  if (r.Chance(0.1)) stock.push_back(0);
  return stock;
}

// The forward runs of one input, each made once: grid point k (k / 10 mm)
// and any other thickness the walk asks for.
class Runs {
 public:
  explicit Runs(std::function<long double(long double)> quantity) : quantity_(std::move(quantity)) {}
  long double At(long double mm) {
    const long double k = nearbyintl(mm * 10);
    if (k >= 0 && k < 200000 && static_cast<long double>(static_cast<long long>(k)) / 10 == mm) {
      const size_t i = static_cast<size_t>(k);
      if (i >= known_.size()) {
        known_.resize(i + 1, false);
        values_.resize(i + 1, 0);
      }
      if (!known_[i]) {
        values_[i] = quantity_(mm);
        known_[i] = true;
      }
      return values_[i];
    }
    return quantity_(mm);
  }

 private:
  std::function<long double(long double)> quantity_;
  std::vector<bool> known_;
  std::vector<long double> values_;
};

// A target value: the quantity at a grid point (a tie), a neighbouring
// number, a value between two points, or one beyond bare or the limit.
long double TargetValue(Random& r, Runs& runs, long double maxMm) {
  const long long last = static_cast<long long>(floorl(std::min(maxMm, 10000.0L) * 10 + 1e-6L));
  const long long k = last < 1 ? 0 : std::min(last, static_cast<long long>(r.LogUniform(1, last + 1)));
  const long double q = runs.At(static_cast<long double>(k) / 10);
  switch (r.Below(8)) {
    case 0:
    case 1:
    case 2:
      return q;
    case 3:
      return nextafterl(q, HUGE_VALL);
    case 4:
      return nextafterl(q, -HUGE_VALL);
    case 5:
      return (q + runs.At(static_cast<long double>(k + 1) / 10)) / 2;
    case 6:
      return q + r.Uniform(-1, 1) * fabsl(q) * 0.01L;
    default:
      return r.Chance(0.5) ? q * 3 + 100 : q / 3 - 100;
  }
}

std::string Describe(const ThicknessAnswer& a) {
  std::ostringstream s;
  s.precision(21);
  s << "outcome " << int(a.outcome) << " exact " << a.exactMm << " (" << a.exactQuantity << ") bare "
    << a.bareQuantity << " stock " << a.stockFound << " " << a.stockMm << " (" << a.stockQuantity << ")";
  return s.str();
}

bool Same(const ThicknessAnswer& a, const ThicknessAnswer& b) {
  return a.outcome == b.outcome && a.exactMm == b.exactMm && a.exactQuantity == b.exactQuantity &&
         a.bareQuantity == b.bareQuantity && a.stockFound == b.stockFound && a.stockMm == b.stockMm &&
         a.stockQuantity == b.stockQuantity;
}

}  // namespace

TEST(ThicknessSearch, AnswersAsTheWalkOnRandomCases) {
  Random r(20261207);
  int compared = 0, solved = 0, differ = 0;
  int faulted = 0;  // searches that left a floating-point fault flag raised
  for (int i = 0; i < kInputs; ++i) {
    Case c = i % 3 == 0 ? CylinderCase(r) : i % 3 == 1 ? PlateCase(r) : WallCase(r);
    c.maxMm = LimitOf(r);
    c.stock = StockOf(r);
    Runs runs(c.quantity);
    for (int t = 0; t < kTargetsPerInput; ++t) {
      const Target target{c.kind, TargetValue(r, runs, c.maxMm)};
      const ThicknessAnswer walked =
          ThicknessWalk::Walk([&](long double mm) { return runs.At(mm); }, target, c.stock, c.maxMm);
      feclearexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
      const ThicknessAnswer searched = c.solve(target, c.stock, c.maxMm);
      if (fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW)) ++faulted;
      ++compared;
      if (walked.outcome == ThicknessOutcome::Solved) ++solved;
      if (!Same(walked, searched) && ++differ <= 10) {
        std::ostringstream s;
        s.precision(21);
        s << c.description << " kind " << int(c.kind) << " value " << target.value << " limit " << c.maxMm
          << "\n walked   " << Describe(walked) << "\n searched " << Describe(searched);
        ADD_FAILURE() << s.str();
      }
    }
  }
  EXPECT_EQ(differ, 0) << "of " << compared;
  // The window reports a raised flag as a fault: the search's own steering
  // must raise none (the runs of these inputs raise none either).
  EXPECT_EQ(faulted, 0);
  EXPECT_EQ(compared, kInputs * kTargetsPerInput);
  // Most targets have an answer on the grid, not only bare or none.
  EXPECT_GT(solved, compared / 3);
}
