// The outer surface of each heat-loss calculator as the automatic
// coefficient sees it (HeatLossOptions.h): its shape, orientation, lengths,
// wind and air. The calculations and the window's note on the coefficient
// take it from here, so they always speak of the same surface.
#pragma once

#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/Heater.h"
#include "calc/heatloss/PipeFlow.h"

namespace HeatLossCalc {

// The insulation's outer diameter and the length.
SurfaceCalc::SurfaceConditions OuterSurfaceOf(const CylinderInputs& in);
// One face of the area as entered (A).
SurfaceCalc::SurfaceConditions OuterSurfaceOf(const FlatPlateInputs& in);
SurfaceCalc::SurfaceConditions OuterSurfaceOf(const FlatWallInputs& in);
// The sheath: the diameter P / π and the heated length.
SurfaceCalc::SurfaceConditions OuterSurfaceOf(const HeaterInputs& in);
// The insulation's outer diameter and the pipe's length.
SurfaceCalc::SurfaceConditions OuterSurfaceOf(const PipeFlowInputs& in);

}  // namespace HeatLossCalc
