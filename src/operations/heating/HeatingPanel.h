// The heating panel Panel14 and its command panel Panel13: material and
// heating-mode selection, Run, Save and Back of the heating conditions.
#pragma once

#include <functional>

#include "operations/heating/HeatingCalculators.h"
#include "operations/heating/HeatingTables.h"
#include "widgets/Subsystem.h"

class ComparisonTable;
class Fields;
struct HeatingTrace;

class HeatingPanel : public Subsystem {
 public:
  using Subsystem::Subsystem;
  void Build() override;
  void Wire() override;

  // Start-up step: the liquid-heating selection.
  void StartUp();
  // The heating steps of "加熱計算": Back, the liquid selection and Run.
  void EnterHeatingMode();

  void SelectMaterial(heating::Material material);
  // The heating-mode radio buttons; run: calculate for the new mode.
  void SelectHeaterHeating(bool run = true);
  void SelectWallHeating(bool run = true);
  void SelectLid(bool withLid);
  void RunHeating();
  // The same Run on other fields (a copy of the window's).
  static void RunOn(Fields& fields) { RunTraced(fields, nullptr); }
  // The same, and trace, when given, receives the model the Run ran with
  // and brings its stop flag (HeatingTrace.h).
  static void RunTraced(Fields& fields, HeatingTrace* trace);
  void SaveHeating();
  void BackHeating();
  void ShowMass(bool shown);
  void ToggleContentOnlyPower();



 private:
  bool WallHeatingSelected() const;
  static void Run(Fields& fields, HeatingTrace* trace,
                  const std::function<void(const HeatingCalculators::FinalState&)>& keepFinal);
  void ApplyMode(const heating::ModeRow& mode, Calculator calculator);

};
