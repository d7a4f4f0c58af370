// The insulation design in the analysis view: the page 保温厚さ (DesignPage)
// solves the insulation thickness of the calculator on screen for a target
// and puts the stock thickness into its panel (採用); the page 経済的厚さ
// (EconPage) tabulates the yearly cost of bare and each stock thickness and
// sends the table to the grid memo and the chart. Both read the calculator
// on screen from a copy of the window; the long calculations (pipe flow)
// run on a worker thread.
#pragma once

#include <memory>

#include "widgets/Subsystem.h"

class AnalysisView;
class DesignJob;
class EconomicsPage;
class HeatLossPanels;
class MemoViews;
class ThicknessPage;

class InsulationDesign : public Subsystem {
 public:
  InsulationDesign(Form& form, AnalysisView& analysis, HeatLossPanels& heatLoss, MemoViews& memos);
  ~InsulationDesign() override;
  void Build() override;
  void Wire() override;

  ThicknessPage& Thickness() { return *thickness_; }
  EconomicsPage& Economics() { return *economics_; }
  DesignJob& Job() { return *job_; }

 private:
  // Background work started or ended: the pages' run buttons, 中止 and the busy text.
  void ShowBusy(bool busy);

  AnalysisView& analysis_;
  std::unique_ptr<DesignJob> job_;
  std::unique_ptr<ThicknessPage> thickness_;
  std::unique_ptr<EconomicsPage> economics_;
};
