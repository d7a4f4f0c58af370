// The heat-loss calculators, one file each (FlatPlateCalculator.cpp, ...),
// in the order of their buttons in the selection panel.
#pragma once

#include "operations/heatloss/HeatLossCalculator.h"

extern const HeatLossCalculator kFlatPlateCalculator;
extern const HeatLossCalculator kFlatWallCalculator;
extern const HeatLossCalculator kCylinderCalculator;
extern const HeatLossCalculator kPipeFlowCalculator;
extern const HeatLossCalculator kHeaterCalculator;

inline const HeatLossCalculator* const kHeatLossCalculators[] = {
    &kFlatPlateCalculator, &kFlatWallCalculator, &kCylinderCalculator, &kPipeFlowCalculator, &kHeaterCalculator,
};

// The calculator of a code; the older pipe-flow code counts as pipe flow.
// nullptr for a code that is no heat-loss calculator.
const HeatLossCalculator* HeatLossCalculatorOf(Calculator code);
