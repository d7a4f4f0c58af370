// The heating panel Panel14 and its command panel Panel13: material and
// heating-mode selection, Run, Save and Back of the heating conditions.
#pragma once

#include "app/Subsystem.h"

class HeatingPanel : public Subsystem {
 public:
  using Subsystem::Subsystem;
  void Build() override;
  void Wire() override;

  // Start-up step: the liquid-heating selection.
  void StartUp();
  // The heating steps of "加熱計算": Back, the liquid selection and Run.
  void EnterHeatingMode();
  void RunHeating();
};
