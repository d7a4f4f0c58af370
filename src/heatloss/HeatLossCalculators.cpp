#include "heatloss/HeatLossCalculators.h"

#include "app/TForm1.h"

void HeatLossCalculators::Wire() {}

void HeatLossCalculators::FlatPlateHeatLoss() {}
void HeatLossCalculators::FlatPlateCooling() {}
void HeatLossCalculators::FlatWallTransmission() {}
void HeatLossCalculators::CylinderHeatLoss() {}
void HeatLossCalculators::HeaterTemperature() {}
void HeatLossCalculators::PipeFlowTemperature() {}
void HeatLossCalculators::ToggleCooling() {}
void HeatLossCalculators::ToggleFaces() {}
