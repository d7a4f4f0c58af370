// The inputs of the heat-loss calculators as their Runs read them from the
// fields, for the views that call a calculation themselves (a curve, a
// thickness solve): they start from exactly what the Run computes with.
// Each is what its Run does before it calculates, on the same fields: it may
// write what the Run writes while reading (a "0" for a missing layer) and
// say what the Run says; call it on a FieldSnapshot to leave the window
// alone. Empty where the Run ends without a result. The panel's own guards
// (CylinderPanel::RunOn, FlatPanel::RunOn) come first.
#pragma once

#include <optional>

#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/Heater.h"
#include "calc/heatloss/PipeFlow.h"

class Fields;

// Temperatures in kelvin, thicknesses in m, as the flat plate takes them.
std::optional<HeatLossCalc::FlatPlateInputs> FlatPlateInputsOf(Fields& f);
// The cooling inputs besides (density, specific heat, hours, faces).
HeatLossCalc::CoolingInputs FlatPlateCoolingOf(Fields& f);
// True when the flat plate shows its cooling over time (自然放熱).
bool FlatPlateCools(Fields& f);

std::optional<HeatLossCalc::FlatWallInputs> FlatWallInputsOf(Fields& f);
std::optional<HeatLossCalc::CylinderInputs> CylinderInputsOf(Fields& f);
// The outer surface's inputs; the layers are Edit6/Edit7 (conductivities)
// and Edit9/Edit10/Edit11 (diameters, mm), read by the Run after the
// surface's results are written.
std::optional<HeatLossCalc::HeaterInputs> HeaterInputsOf(Fields& f);
std::optional<HeatLossCalc::PipeFlowInputs> PipeFlowInputsOf(Fields& f);
