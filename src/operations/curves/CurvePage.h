// The graph page of the analysis view: the chart GraphView of the
// calculator on screen (CalculatorChart), beside it the sweep of one input
// (ParameterSweep), the progress of work in the background with its cancel
// (SweepProgress, SweepCancel) and the chart saved as PNG or SVG through
// the system's save dialog (GraphSavePng, GraphSaveSvg).
#pragma once

#include <QTimer>
#include <memory>

#include "widgets/Subsystem.h"

class AnalysisView;
class CalculatorChart;
class HeatLossPanels;
class MemoStore;
class ParameterSweep;

class CurvePage : public Subsystem {
 public:
  CurvePage(Form& form, AnalysisView& view, HeatLossPanels& panels, MemoStore& memos);
  ~CurvePage() override;
  void Build() override;
  void Wire() override;

  CalculatorChart& Chart() { return *chart_; }
  ParameterSweep& Sweep() { return *sweep_; }
  // Work runs in the background (a chart or a sweep).
  bool Busy() const;
  // SweepCancel: stops what runs in the background.
  void Cancel();
  // Writes the chart as it shows through the save dialog; svg: as SVG, else PNG.
  void SaveChart(bool svg);

 private:
  void ShowProgress();

  AnalysisView& view_;
  std::unique_ptr<CalculatorChart> chart_;
  std::unique_ptr<ParameterSweep> sweep_;
  QTimer progressTimer_;
};
