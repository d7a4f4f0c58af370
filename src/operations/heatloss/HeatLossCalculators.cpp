#include "operations/heatloss/HeatLossCalculators.h"

#include "app/TForm1.h"
#include "operations/heatloss/CylinderOperation.h"
#include "operations/heatloss/FlatPlateOperation.h"
#include "operations/heatloss/FlatWallOperation.h"
#include "operations/heatloss/HeaterOperation.h"
#include "operations/heatloss/PipeFlowOperation.h"

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
