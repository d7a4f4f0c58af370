#include "calc/design/ThicknessSolve.h"

#include <algorithm>
#include <cmath>
#include <ranges>

#include "calc/design/DesignRuns.h"
#include "calc/design/ThicknessSearch.h"

namespace DesignCalc {

using namespace HeatLossCalc;

namespace {

// The goal of a target; hotLine gives FluidEnd its side.
Goal GoalOf(Target target, bool hotLine) {
  switch (target.kind) {
    case TargetKind::SurfaceAtMost:
    case TargetKind::HeatFlowAtMost:
      return {target.value, true};
    case TargetKind::SurfaceAtLeast:
      return {target.value, false};
    case TargetKind::FluidEnd:
      break;
  }
  return {target.value, !hotLine};
}

// The least and the most of the values; NaN for both when one is NaN.
QuantityRange RangeOf(std::initializer_list<long double> values) {
  QuantityRange r{*values.begin(), *values.begin()};
  for (const long double v : values) {
    if (std::isnan(v)) return {v, v};
    r.least = std::min(r.least, v);
    r.most = std::max(r.most, v);
  }
  return r;
}

// A quantity that depends on the thickness only through the outer surface
// temperature: the surface temperature, and the flat surfaces' heat flow
// (their area stays as it is). The surface draws towards the air as
// insulation is added (the layers pass less heat to a surface at a given
// temperature, which gives off as much or more), and the quantity moves one
// way with it, so between two runs it lies between their values.
QuantityRange Monotone(long double, const ThicknessRun& thin, long double, const ThicknessRun& thick) {
  return RangeOf({thin.quantity, thick.quantity});
}

ThicknessAnswer NotApplicable() { return {}; }

// The cylinder, the flat plate and the flat wall: any target but the fluid's
// end, a heat flow only per a length or area above 0.
bool LayerTargetApplies(Target target, long double lengthOrArea) {
  return target.kind != TargetKind::FluidEnd &&
         (target.kind != TargetKind::HeatFlowAtMost || lengthOrArea > 0);
}

template <class Inputs>
ThicknessAnswer SolveFlatThickness(const Inputs& base, Target target, const std::vector<long double>& stockMm,
                                   long double maxMm,
                                   long double (*quantity)(const Inputs&, long double, TargetKind)) {
  if (!LayerTargetApplies(target, base.A)) return NotApplicable();
  ThicknessModel model;
  model.run = [&](long double mm) { return ThicknessRun{quantity(base, mm, target.kind)}; };
  model.between = Monotone;
  return SearchThickness(model, GoalOf(target, true), stockMm, maxMm);
}

}  // namespace

ThicknessAnswer SolveCylinderThickness(const CylinderInputs& base, Target target,
                                       const std::vector<long double>& stockMm, long double maxMm) {
  if (!LayerTargetApplies(target, base.L)) return NotApplicable();
  const TargetKind kind = target.kind;
  ThicknessModel model;
  model.run = [&](long double mm) {
    const long double Ts = CylinderSurfaceAt(base, mm);
    return ThicknessRun{CylinderQuantityWithSurface(base, mm, kind, Ts), Ts};
  };
  model.between = Monotone;
  // The heat flow grows with the surface's distance from the air and with
  // the outer circumference, which grows with the thickness while the
  // surface draws towards the air (below the critical radius the loss first
  // rises). Between two runs the surface lies between theirs and the
  // circumference between theirs, so the heat flow lies within the four
  // pairings of the two runs' surfaces and thicknesses.
  if (kind == TargetKind::HeatFlowAtMost) {
    model.between = [&](long double thinMm, const ThicknessRun& thin, long double thickMm,
                        const ThicknessRun& thick) {
      return RangeOf({thin.quantity, thick.quantity,
                      CylinderQuantityWithSurface(base, thinMm, kind, thick.surface),
                      CylinderQuantityWithSurface(base, thickMm, kind, thin.surface)});
    };
  }
  // A surface target on the side the insulation works towards (at most on a
  // hot line, at least on a cold one): the first grid point whose balance
  // no longer lies beyond the target's surface, by halving on the scan's
  // own test, which costs a point of a run. The run there meets the target
  // unless its surface falls within the scan's last step of it. Most
  // insulation lies within 25 mm or 100 mm, so those stretches are halved
  // first.
  const bool hot = !(base.Ti < base.Ta);
  if ((kind == TargetKind::SurfaceAtMost && hot) || (kind == TargetKind::SurfaceAtLeast && !hot)) {
    const long double T = target.value + kKelvin;
    model.guess = [&base, T](long long last) {
      auto beyond = [&](long long k) { return CylinderBeyond(base, GridMm(k), T); };
      // The first point from `from` below `to` whose balance is not beyond T, else `to`.
      auto firstNotBeyond = [&](long long from, long long to) {
        const auto points = std::views::iota(from, to);
        const auto first = std::ranges::partition_point(points, beyond);
        return first == points.end() ? to : *first;
      };
      long long from = 1;
      for (const long long upTo : {250LL, 1000LL}) {
        if (upTo >= last) break;
        if (!beyond(upTo)) return firstNotBeyond(from, upTo);
        from = upTo + 1;
      }
      return firstNotBeyond(from, last);
    };
  }
  return SearchThickness(model, GoalOf(target, true), stockMm, maxMm);
}

ThicknessAnswer SolveFlatPlateThickness(const FlatPlateInputs& base, Target target,
                                        const std::vector<long double>& stockMm, long double maxMm) {
  return SolveFlatThickness(base, target, stockMm, maxMm, FlatPlateQuantity);
}

ThicknessAnswer SolveFlatWallThickness(const FlatWallInputs& base, Target target,
                                       const std::vector<long double>& stockMm, long double maxMm) {
  return SolveFlatThickness(base, target, stockMm, maxMm, FlatWallQuantity);
}

ThicknessAnswer SolvePipeFlowThickness(const PipeFlowInputs& base, Target target,
                                       const std::vector<long double>& stockMm, long double maxMm) {
  if (target.kind == TargetKind::HeatFlowAtMost && !(base.Lp > 0)) return NotApplicable();
  // No bound: the stepped walk.
  ThicknessModel model;
  model.run = [&](long double mm) { return ThicknessRun{PipeFlowQuantity(base, mm, target.kind)}; };
  return SearchThickness(model, GoalOf(target, base.Tin > base.Ta), stockMm, maxMm);
}

}  // namespace DesignCalc
