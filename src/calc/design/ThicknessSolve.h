// Solving for the insulation thickness ("逆算") of the heat-loss
// calculators: the thinnest insulation, to 0.1 mm, that meets one target,
// and the thinnest stock thickness that meets it. Each takes the inputs its
// panel fills (the insulation thickness in them is replaced) and the stock
// thicknesses in mm; the inputs must pass the panel's checks, as for a run.
//
// The insulation layer: cylinder and pipe flow t2 (Edit12), flat plate and
// flat wall L2 (Edit32). Bare is the panel's stand-in for "0" (DesignRuns.h).
// A line colder than the air works the same way; its heat gain counts as a
// magnitude for HeatFlowAtMost.
#pragma once

#include <vector>

#include "calc/design/DesignTarget.h"
#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/PipeFlow.h"

namespace DesignCalc {

// The thickest insulation tried, mm.
inline constexpr long double kDefaultMaxMm = 500;

// The cylinder, flat plate and flat wall answer what trying every 0.1 mm up
// to maxMm in turn would answer, in a handful of runs where the quantity is
// monotonic in the thickness and exactly as well where it is not (a thin
// line's loss below its critical radius): the bracketed search of
// ThicknessSearch.h with the bound of each quantity between two runs.
ThicknessAnswer SolveCylinderThickness(const HeatLossCalc::CylinderInputs& base, Target target,
                                       const std::vector<long double>& stockMm,
                                       long double maxMm = kDefaultMaxMm);
ThicknessAnswer SolveFlatPlateThickness(const HeatLossCalc::FlatPlateInputs& base, Target target,
                                        const std::vector<long double>& stockMm,
                                        long double maxMm = kDefaultMaxMm);
ThicknessAnswer SolveFlatWallThickness(const HeatLossCalc::FlatWallInputs& base, Target target,
                                       const std::vector<long double>& stockMm,
                                       long double maxMm = kDefaultMaxMm);

// Pipe flow (one run takes milliseconds): the stepped walk of
// ThicknessSearch.h, to 0.1 mm by halving. The line is hot when its inlet
// lies above the air (FluidEnd: at least the value), otherwise cold (at most).
ThicknessAnswer SolvePipeFlowThickness(const HeatLossCalc::PipeFlowInputs& base, Target target,
                                       const std::vector<long double>& stockMm,
                                       long double maxMm = kDefaultMaxMm);

}  // namespace DesignCalc
