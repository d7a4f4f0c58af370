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

// The cylinder, the flat plate and the flat wall: any target but the fluid's
// end, a heat flow only per a length or area above 0; every 0.1 mm is tried.
template <class Inputs>
ThicknessAnswer SolveLayerThickness(const Inputs& base, long double lengthOrArea, Target target,
                                    const std::vector<long double>& stockMm, long double maxMm,
                                    long double (*quantity)(const Inputs&, long double, TargetKind)) {
  if (target.kind == TargetKind::FluidEnd ||
      (target.kind == TargetKind::HeatFlowAtMost && !(lengthOrArea > 0)))
    return NotApplicable();
  return SearchThickness([&](long double mm) { return quantity(base, mm, target.kind); }, Meets(target, true),
                         stockMm, maxMm, Walk::EveryTenth);
}

}  // namespace

ThicknessAnswer SolveCylinderThickness(const CylinderInputs& base, Target target,
                                       const std::vector<long double>& stockMm, long double maxMm) {
  return SolveLayerThickness(base, base.L, target, stockMm, maxMm, CylinderQuantity);
}

ThicknessAnswer SolveFlatPlateThickness(const FlatPlateInputs& base, Target target,
                                        const std::vector<long double>& stockMm, long double maxMm) {
  return SolveLayerThickness(base, base.A, target, stockMm, maxMm, FlatPlateQuantity);
}

ThicknessAnswer SolveFlatWallThickness(const FlatWallInputs& base, Target target,
                                       const std::vector<long double>& stockMm, long double maxMm) {
  return SolveLayerThickness(base, base.A, target, stockMm, maxMm, FlatWallQuantity);
}

ThicknessAnswer SolvePipeFlowThickness(const PipeFlowInputs& base, Target target,
                                       const std::vector<long double>& stockMm, long double maxMm) {
  if (target.kind == TargetKind::HeatFlowAtMost && !(base.Lp > 0)) return NotApplicable();
  return SearchThickness([&](long double mm) { return PipeFlowQuantity(base, mm, target.kind); },
                         Meets(target, base.Tin > base.Ta), stockMm, maxMm, Walk::Stepped);
}

}  // namespace DesignCalc
