// The heat-loss calculators' part of the window: the cylinder panel Panel5
// (heater, cylinder, pipe flow) with the pipe-flow inputs Panel20 and the
// buttons Panel6, the flat panel Panel9 (flat plate, flat wall) with the
// buttons Panel8, and the selection panel 作業選択 Panel10. Selects a
// calculator from its row (HeatLossCalculators.h) and runs, saves and
// restores the panels.
#pragma once

#include "operations/heatloss/CylinderPanel.h"
#include "operations/heatloss/FlatPanel.h"
#include "operations/heatloss/HeatLossCalculator.h"
#include "widgets/Subsystem.h"

class HeatLossPanels : public Subsystem {
 public:
  explicit HeatLossPanels(Form& form);
  void Build() override;
  void Wire() override;

  // Sets the calculator code, shows and relabels the calculator's panel,
  // then Back (which runs).
  void Select(const HeatLossCalculator& calculator);
  // 切り替え Button67: between the cylinder and pipe flow.
  void TogglePipeFlow();

  void Run(HeatLossPanel panel);
  void Back(HeatLossPanel panel);

  CylinderPanel& Cylinder() { return cylinder_; }
  FlatPanel& Flat() { return flat_; }

 private:
  CylinderPanel cylinder_;
  FlatPanel flat_;
};
