// The heat-loss calculations with an option on (HeatLossOptions.h): the
// automatic outer coefficient, a conductivity that changes with temperature,
// or both. Each takes the hot side and the heat gain alike; the public
// functions hand over to them when Inputs::OptionsOn() and keep their own
// arithmetic otherwise.
#pragma once

#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/PipeFlow.h"

namespace HeatLossCalc {

// The cylinder's surface (K) and its results at a surface Ts (K).
long double CylinderSurfaceWithOptions(const CylinderInputs& in);
CylinderResult CylinderResultWithOptions(const CylinderInputs& in, long double Ts);
bool CylinderPassesWithOptions(const CylinderInputs& in, long double T);  // the scan's test
FlatPlateResult FlatPlateSteadyWithOptions(const FlatPlateInputs& in);
FlatPlateResult FlatPlateCoolingWithOptions(const FlatPlateInputs& in, const CoolingInputs& cooling,
                                            curves::Series* plate);
FlatWallResult FlatWallWithOptions(const FlatWallInputs& in);
PipeFlowResult PipeFlowWithOptions(const PipeFlowInputs& in, PipeFlowHistory* history);

}  // namespace HeatLossCalc
