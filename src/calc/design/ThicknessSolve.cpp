#include "calc/design/ThicknessSolve.h"

#include "calc/design/DesignRuns.h"
#include "calc/design/ThicknessSearch.h"

namespace DesignCalc {

using namespace HeatLossCalc;

namespace {

// Whether a quantity meets the target; hotLine gives FluidEnd its side.
MeetsTarget Meets(Target target, bool hotLine) {
  return [target, hotLine](long double q) {
    switch (target.kind) {
      case TargetKind::SurfaceAtMost:
      case TargetKind::HeatFlowAtMost:
        return q <= target.value;
      case TargetKind::SurfaceAtLeast:
        return q >= target.value;
      case TargetKind::FluidEnd:
        break;
    }
    return hotLine ? q >= target.value : q <= target.value;
  };
}

ThicknessAnswer NotApplicable() { return {}; }

}  // namespace

ThicknessAnswer SolveCylinderThickness(const CylinderInputs& base, Target target,
                                       const std::vector<long double>& stockMm, long double maxMm) {
  if (target.kind == TargetKind::FluidEnd || (target.kind == TargetKind::HeatFlowAtMost && !(base.L > 0)))
    return NotApplicable();
  return SearchThickness([&](long double mm) { return CylinderQuantity(base, mm, target.kind); },
                         Meets(target, true), stockMm, maxMm, Walk::EveryTenth);
}

ThicknessAnswer SolveFlatPlateThickness(const FlatPlateInputs& base, Target target,
                                        const std::vector<long double>& stockMm, long double maxMm) {
  if (target.kind == TargetKind::FluidEnd || (target.kind == TargetKind::HeatFlowAtMost && !(base.A > 0)))
    return NotApplicable();
  return SearchThickness([&](long double mm) { return FlatPlateQuantity(base, mm, target.kind); },
                         Meets(target, true), stockMm, maxMm, Walk::EveryTenth);
}

ThicknessAnswer SolveFlatWallThickness(const FlatWallInputs& base, Target target,
                                       const std::vector<long double>& stockMm, long double maxMm) {
  if (target.kind == TargetKind::FluidEnd || (target.kind == TargetKind::HeatFlowAtMost && !(base.A > 0)))
    return NotApplicable();
  return SearchThickness([&](long double mm) { return FlatWallQuantity(base, mm, target.kind); },
                         Meets(target, true), stockMm, maxMm, Walk::EveryTenth);
}

ThicknessAnswer SolvePipeFlowThickness(const PipeFlowInputs& base, Target target,
                                       const std::vector<long double>& stockMm, long double maxMm) {
  if (target.kind == TargetKind::HeatFlowAtMost && !(base.Lp > 0)) return NotApplicable();
  return SearchThickness([&](long double mm) { return PipeFlowQuantity(base, mm, target.kind); },
                         Meets(target, base.Tin > base.Ta), stockMm, maxMm, Walk::Stepped);
}

}  // namespace DesignCalc
