// The two calculator panels of the heat-loss calculators and their button
// groups: the cylinder panel Panel5 (heater, cylinder, pipe flow) with the
// pipe-flow inputs Panel20 and the buttons Panel6, and the flat panel Panel9
// (flat plate, flat wall) with the buttons Panel8.
#pragma once

#include "widgets/Subsystem.h"

class HeatLossPanels : public Subsystem {
 public:
  using Subsystem::Subsystem;
  void Build() override;
};
