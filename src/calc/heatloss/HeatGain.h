// Structures colder than the air (chilled water, brine, refrigerant lines,
// cold walls): the same balances as the loss calculations with the heat
// flowing inwards. Each loss calculation hands over to these when its inner
// temperature lies below the air, so the hot side keeps its own arithmetic.
//
// The results keep the fields and units of the loss results and their sign:
// a loss is the heat leaving the outer surface to the air, so a heat gain is
// a negative loss. convective, radiative, total and flux are then negative
// and the surface lies below the air; the layer temperatures lie between the
// inner side and the surface. Pipe flow: the fluid warms along the pipe and
// its total over the length is negative likewise.
#pragma once

#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/PipeFlow.h"

namespace HeatLossCalc {

// A heat gain is shown by a negative loss.
inline bool IsHeatGain(long double loss) { return loss < 0; }

// The outer surface (K) of the cylinder with Ti below Ta; six stages of 31
// points as the loss side. Its results are those of the loss side at that
// surface (CylinderResultAt).
long double CylinderGainSurface(const CylinderInputs& in);

// The outer surface (K) of a flat plate whose inner side Tinner lies below
// the air: heat conducted through the wall (U, W/m2K) from the surface to the
// inner side equals what the surface takes from the air over the area A.
long double FlatPlateGainSurface(long double Tinner, long double U, long double A, const FlatPlateInputs& in,
                                 int stages, int points);

// The flat wall with the gas Tg below the air.
FlatWallResult FlatWallHeatGain(const FlatWallInputs& in);

// Pipe flow with the inlet at or below the air: in each segment the outer
// surface is found whose heat taken from the air equals what the wall passes
// to the fluid, and the fluid warms by it over the capacity flow. An inlet
// at the air temperature exchanges nothing. history as for
// PipeFlowTemperature.
PipeFlowResult PipeFlowHeatGain(const PipeFlowInputs& in, PipeFlowHistory* history = nullptr);

}  // namespace HeatLossCalc
