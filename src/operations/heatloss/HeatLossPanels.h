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
  // The calculator whose panel shows; nullptr when neither panel shows.
  const HeatLossCalculator* OnScreen() const;
  // Runs the calculator on screen, as 実行 of its panel does, on other
  // fields (a copy of the window's); nothing when no panel shows.
  void RunOn(Fields& fields) const;
  void Back(HeatLossPanel panel);

  CylinderPanel& Cylinder() { return cylinder_; }
  FlatPanel& Flat() { return flat_; }

 private:
  CylinderPanel cylinder_;
  FlatPanel flat_;
};
