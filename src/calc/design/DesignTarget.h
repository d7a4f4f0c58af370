// The targets an insulation thickness is solved for, and the answer.
#pragma once

#include "calc/design/DewPoint.h"

namespace DesignCalc {

enum class TargetKind {
  SurfaceAtMost,   // outer surface at most value degC (safe to touch)
  SurfaceAtLeast,  // outer surface at least value degC (cold lines: dew point + margin)
  HeatFlowAtMost,  // heat lost, or gained by a cold line, at most value W/m (cylinder,
                   // pipe) or W/m2 (flat plate, flat wall)
  FluidEnd,        // pipe flow: fluid at the end at least value degC on a line hotter
                   // than the air, at most value degC on a line at or below it
};

struct Target {
  TargetKind kind = TargetKind::SurfaceAtMost;
  long double value = 0;
};

// The surface at least the dew point of the air (Ta degC, rh %, HumidityInRange)
// plus a margin in K.
inline Target DewPointTarget(long double Ta, long double rh, long double marginK) {
  return {TargetKind::SurfaceAtLeast, DewPoint(Ta, rh) + marginK};
}

enum class ThicknessOutcome {
  Solved,         // exactMm is the thinnest insulation that meets the target
  BareMeets,      // no insulation is needed: the bare line meets it already
  NeverMeets,     // no thickness up to the limit meets it
  NotApplicable,  // the target does not apply to this calculator or these inputs
                  // (FluidEnd outside pipe flow, a heat flow per metre or m2 of a
                  // length or area that is not above 0)
};

// Every thickness reported meets the target in a forward run of the
// calculator with that thickness in its insulation field; the quantities
// are those runs' values of what the target looks at (degC, or W/m or W/m2
// as a magnitude).
struct ThicknessAnswer {
  ThicknessOutcome outcome = ThicknessOutcome::NotApplicable;
  long double bareQuantity = 0;  // bare: the panel's stand-in for a thickness "0"
  // Solved: the smallest multiple of 0.1 mm that meets the target, 0.1 mm
  // less does not. BareMeets: 0.
  long double exactMm = 0, exactQuantity = 0;
  // The thinnest stock thickness not below exactMm that meets the target.
  // Not found when no such stock thickness meets it (or NeverMeets).
  bool stockFound = false;
  long double stockMm = 0, stockQuantity = 0;
};

}  // namespace DesignCalc
