// The controls of the heat-loss calculators' two options
// (operations/heatloss/SurfaceOptions.h), placed where nothing of the panels
// moves:
// - 自動 (AutoCoefficient), a check on the surface panel Panel4 between
//   復元 and 熱伝達率計算, below Edit17 whose coefficient it computes;
// - k(T) (KTableButton, FlatKTableButton), a button in the empty first
//   column of the conductivity row of the cylinder and the flat panel;
// - the page 表面条件 (SurfacePage) of the analysis view, which the check and
//   the buttons bring up: the orientation, wind and length of the outer
//   surface with the note on the coefficient of the last run, the table of
//   each layer's k(T) (KTable), and pipe flow's inner coefficient;
// - h を入れる (TakeCoefficient) on the coefficient panel, which puts the
//   coefficient it has just evaluated into Edit17.
// A change of any of them runs the calculator on screen, as Enter does.
#pragma once

#include "widgets/Subsystem.h"

class AnalysisView;
class HeatLossPanels;

class SurfaceOptionsView : public Subsystem {
 public:
  SurfaceOptionsView(Form& form, AnalysisView& view, HeatLossPanels& heatLoss);
  void Build() override;
  void Wire() override;

  // 自動 (or 管内自動) turned: Edit17 (Edit69) follows, the page shows, the
  // calculator runs.
  void TurnAuto();
  void TurnInnerAuto();
  // The coefficient panel's result h into Edit17, 自動 off, then the run.
  void TakeCoefficient();
  void ShowPage();

 private:
  void RunOnScreen();
  // The page and the k(T) buttons follow the calculator on screen.
  void Refresh();

  AnalysisView& view_;
  HeatLossPanels& heatLoss_;
};
