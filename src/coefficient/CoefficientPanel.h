// The heat-transfer-coefficient panel Panel21 over the calculator area.
#pragma once

#include "app/Subsystem.h"

class CoefficientPanel : public Subsystem {
 public:
  using Subsystem::Subsystem;
  void Build() override;
  void Wire() override;

  void ToggleCoefficientPanel();
};
