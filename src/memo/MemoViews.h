// The upper area's views: reference grid, formula-text view, text memo,
// grid memo, usage text, long-cell box, and the side panels with the file
// lists and the name panel.
#pragma once

#include "app/Subsystem.h"

class MemoViews : public Subsystem {
 public:
  using Subsystem::Subsystem;
  void Build() override;
  void Wire() override;

  // Start-up step: the memo and reference file lists.
  void StartUp();
};
