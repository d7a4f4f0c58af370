// Draws the calculator on screen in the chart GraphView after every run of
// it: after an operation that wrote one of its results, pressed a panel's
// 実行, or brought another calculator or mode on screen. The chart comes from a copy of the
// window's fields (CalculatorCurves), never from the fields themselves;
// the heating panel's chart is drawn off the window's thread, as its
// searches take up to seconds. Other views may draw in the chart between
// runs (the sweep, the finite-element sheet): it stays theirs until the
// calculator runs again.
#pragma once

#include <QString>
#include <functional>

#include "operations/curves/BackgroundWork.h"

class AnalysisView;
class Form;
class HeatLossPanels;
struct ScreenCalculator;

class CalculatorChart {
 public:
  // busyChanged: drawing in the background began or ended.
  CalculatorChart(Form& form, AnalysisView& view, HeatLossPanels& panels, std::function<void()> busyChanged);
  void Wire();

  // Draws the calculator on screen now.
  void Draw();
  bool Busy() const { return work_.Busy(); }
  // Stops a drawing in the background; the chart says so.
  void Cancel();

 private:
  void AfterOperation();
  void Draw(const ScreenCalculator& c);

  Form& f;
  AnalysisView& view_;
  HeatLossPanels& panels_;
  BackgroundWork work_;
  bool ran_ = false;  // a result was written or 実行 pressed since the last operation
  QString drawn_;  // the identity of the calculator drawn last
};
