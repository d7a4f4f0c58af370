// The calculators as the pages see them, heat-loss and heating alike: every
// row (AllCalculators) and the one on screen, with the hooks each page calls
// (CalculatorRow.h) and the very Run of 実行, which a page repeats on a copy
// of the window's fields in any thread.
#pragma once

#include <QString>
#include <vector>

#include "operations/common/CalculatorRow.h"
#include "store/CalculatorCode.h"

class Fields;
class Form;
class HeatLossPanels;
struct HeatLossCalculator;
struct HeatingTrace;

struct ScreenCalculator {
  enum class Kind { None, HeatLoss, Heating };
  Kind kind = Kind::None;
  Calculator code = Calculator::Heater;
  QString name;                                  // "円筒の放熱", "液体の加熱", ...
  const CalculatorHooks* hooks = nullptr;        // never nullptr but for Kind::None
  const HeatLossCalculator* heatLoss = nullptr;  // for Kind::HeatLoss
  // Tells one calculator and mode from another: the calculator code, the
  // panel, the modes of the flat plate and of the heating panel.
  QString identity;

  explicit operator bool() const { return kind != Kind::None; }
  // The Run of 実行 on f: the panel's guards, then the calculator. trace
  // (heating only) receives the model the Run ran with.
  void Run(Fields& f, HeatingTrace* trace = nullptr) const;
};

// Every calculator: the heat-loss ones in the order of their buttons, then
// the heating ones.
std::vector<ScreenCalculator> AllCalculators();

// The heat-loss calculator whose panel shows, else the heating calculator
// when the heating panel shows, else none.
ScreenCalculator CalculatorOnScreen(Form& f, const HeatLossPanels& panels);
