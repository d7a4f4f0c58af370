// The sweep controls on the graph page: one input of the calculator on
// screen chosen by its caption (SweepField), its first and last value
// (SweepFrom, SweepTo), the number of points up to 200 (SweepPoints), the
// results to read (the check list SweepResults); SweepRun runs it
// (SweepRun.h) and shows the table SweepGrid (the input, then each result,
// one row per point) and the chart of each result against the input in
// GraphView. SweepToMemo sends the table to the grid memo.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "operations/curves/BackgroundWork.h"
#include "operations/curves/FieldChoices.h"

class AnalysisView;
class Form;
class HeatLossPanels;
class MemoStore;
struct SweepPlan;
struct SweepRow;

class ParameterSweep {
 public:
  // busyChanged: a sweep began or ended in the background.
  ParameterSweep(Form& form, AnalysisView& view, HeatLossPanels& panels, MemoStore& memos,
                 std::function<void()> busyChanged);
  void Wire();

  // The choices of SweepField and SweepResults for the calculator on
  // screen; the choices kept where they still show.
  void Refresh();
  // SweepRun: checks the settings (a message says what is wrong), then
  // runs every point; longer than 0.2 s, in the background.
  void Run();
  void Cancel();
  // SweepToMemo: the table, its captions first, as a new grid memo.
  void ToMemo();

  bool Busy() const { return work_.Busy(); }
  double Progress() const { return work_.Progress(); }

 private:
  // SweepField chose an input: its current value to twice that.
  void ChooseInput();
  // The table and the chart; the number of values too large to draw.
  int Show(const SweepPlan& plan, const std::vector<SweepRow>& rows);
  const FieldChoice* ChosenInput() const;

  Form& f;
  AnalysisView& view_;
  HeatLossPanels& panels_;
  MemoStore& memos_;
  BackgroundWork work_;
  std::vector<FieldChoice> inputs_, outputs_;
};
