// The five heat-loss calculators as operations on the panels: each reads
// its fields, calls its calculation and writes its result fields.
#pragma once

#include "widgets/Subsystem.h"

class HeatLossCalculators : public Subsystem {
 public:
  using Subsystem::Subsystem;
  void Wire() override;

  void FlatPlateHeatLoss();
  void FlatPlateCooling();
  void FlatWallTransmission();
  void CylinderHeatLoss();
  void HeaterTemperature();
  void PipeFlowTemperature();
  void ToggleCooling();
  void ToggleFaces();
};
