// The page 経済的厚さ (EconPage): for bare and each stock thickness with its
// installed cost (G1de-ta/hoonzai_hiyou.csv) the yearly heat, the energy
// bought for it, its cost and CO2, the present value of that cost over the
// years plus the installed cost, and the payback against bare (EconGrid);
// the row of the lowest total is the economic thickness (EconBest). メモへ
// (EconMemo) writes the table into the grid memo, to save and export like
// any grid memo; グラフ (EconChart) draws the total against the thickness
// in the chart view with the minimum marked.
#pragma once

#include <QString>
#include <optional>

#include "calc/design/Economics.h"
#include "operations/design/DesignCase.h"
#include "operations/design/DesignJob.h"

class AnalysisView;
class Form;
class HeatLossPanels;
class MemoViews;

class EconomicsPage {
 public:
  EconomicsPage(Form& form, AnalysisView& analysis, HeatLossPanels& heatLoss, MemoViews& memos, DesignJob& job)
      : f(form), analysis_(analysis), heatLoss_(heatLoss), memos_(memos), job_(job) {}

  void Build();
  void Wire();

  // EconRun: reads the inputs and the calculator on screen and tabulates;
  // pipe flow on a worker thread.
  void Run();
  // EconMemo: the table into the grid memo (asks before replacing a grid
  // memo that holds anything).
  void ToMemo();
  // EconChart: the totals into the chart GraphView, shown.
  void ToChart();

  // The table of the case as its calculator makes it (DesignCase::Economics),
  // to the bit, a forward run at a time, each counted in control.done;
  // empty once control.cancel is set. On a worker thread in the background.
  static std::optional<DesignCalc::EconomicTable> Tabulate(const DesignCase& d,
                                                           const std::vector<DesignCalc::StockCost>& stock,
                                                           const DesignCalc::EconomicInputs& econ,
                                                           DesignJob::Control& control);

 private:
  struct Shown {
    DesignCase d;
    DesignCalc::EconomicInputs econ;
    DesignCalc::EconomicTable table;
  };

  std::optional<DesignCalc::EconomicInputs> Inputs();
  // Empties the table, the economic thickness and the note.
  void Clear();
  void Show(const DesignCase& d, const DesignCalc::EconomicInputs& econ, const DesignCalc::EconomicTable& t);
  // The table as the grid memo holds it: the header row, the rows, then the inputs.
  QList<QStringList> MemoLines() const;

  Form& f;
  AnalysisView& analysis_;
  HeatLossPanels& heatLoss_;
  MemoViews& memos_;
  DesignJob& job_;
  std::optional<Shown> shown_;
};
