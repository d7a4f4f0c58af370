#include "heatloss/HeatLossCalculators.h"

#include "app/TForm1.h"
#include "heatloss/CylinderOperation.h"
#include "heatloss/FlatPlateOperation.h"
#include "heatloss/FlatWallOperation.h"
#include "heatloss/HeaterOperation.h"
#include "heatloss/PipeFlowOperation.h"

void HeatLossCalculators::Wire() {
  f.OnClick("Button71", [this] { ToggleCooling(); });
  f.OnClick("Label30", [this] { ToggleFaces(); });
}

void HeatLossCalculators::FlatPlateHeatLoss() { FlatPlateOperation(f).HeatLoss(); }
void HeatLossCalculators::FlatPlateCooling() { FlatPlateOperation(f).Cooling(); }
void HeatLossCalculators::FlatWallTransmission() { FlatWallOperation(f).Run(); }
void HeatLossCalculators::CylinderHeatLoss() { CylinderOperation(f).Run(); }
void HeatLossCalculators::HeaterTemperature() { HeaterOperation(f).Run(); }
void HeatLossCalculators::PipeFlowTemperature() { PipeFlowOperation(f).Run(); }
void HeatLossCalculators::ToggleCooling() { FlatPlateOperation(f).ToggleCooling(); }
void HeatLossCalculators::ToggleFaces() { FlatPlateOperation(f).ToggleFaces(); }
