// The finite-element plate sheet, typed into the grid memo: "要素法" lays it
// out, "実行" checks and counts it and writes the conductance system and the
// spreadsheet formula that solves it.
#pragma once

#include "app/Subsystem.h"

class FemSheet : public Subsystem {
 public:
  using Subsystem::Subsystem;
  void Wire() override;
};
