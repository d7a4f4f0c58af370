// The calculator on screen as the curves and the sweep see it: taken on
// the window's thread, it runs the very Run of 実行 on other fields (a copy
// of the window's) in any thread.
#pragma once

#include <QString>

class Fields;
class Form;
class HeatLossPanels;
struct HeatLossCalculator;
struct HeatingTrace;

struct ScreenCalculator {
  enum class Kind { None, HeatLoss, Heating };
  Kind kind = Kind::None;
  const HeatLossCalculator* heatLoss = nullptr;  // for Kind::HeatLoss
  // Tells one calculator and mode from another: the calculator code, the
  // panel, the modes of the flat plate and of the heating panel.
  QString identity;

  explicit operator bool() const { return kind != Kind::None; }
  // The Run of 実行 on f: the panel's guards, then the calculator. trace
  // (heating only) receives the model the Run ran with.
  void Run(Fields& f, HeatingTrace* trace = nullptr) const;
};

// The heat-loss calculator whose panel shows, else the heating panel when
// it shows, else none.
ScreenCalculator CalculatorOnScreen(Form& f, const HeatLossPanels& panels);
