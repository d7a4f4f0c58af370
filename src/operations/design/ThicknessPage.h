// The page 保温厚さ (DesignPage): the thinnest insulation, to 0.1 mm, that
// meets the chosen target (DesignTarget, DesignValue), the thinnest stock
// thickness that meets it (G1de-ta/hoonzai_atsusa.csv), and for the heater
// the largest power for a sheath limit. 採用 (DesignAccept) puts the stock
// thickness (or the power) into the panel's field and runs the panel, as a
// person would; it checks first that the panel as it is now still meets the
// target with it.
#pragma once

#include <optional>

#include "calc/design/DesignTarget.h"
#include "operations/design/DesignCase.h"
#include "operations/design/DesignChoices.h"

class DesignJob;
class Form;
class HeatLossPanels;
class QComboBox;

class ThicknessPage {
 public:
  ThicknessPage(Form& form, HeatLossPanels& heatLoss, DesignJob& job) : f(form), heatLoss_(heatLoss), job_(job) {}

  void Build();
  void Wire();

  // DesignRun: reads the calculator on screen and solves; pipe flow on a worker thread.
  void Run();
  // DesignAccept.
  void Accept();
  // The captions that follow the calculator on screen and the chosen target.
  void Follow();

  DesignChoice Choice() const;

 private:
  // What the last solve answered, for 採用.
  struct Answer {
    Calculator code;
    DesignChoice choice;
    long double value;
    long double accepted;  // the stock thickness in mm, or the heater's power in W
  };

  // The value of DesignValue; a text that is no number is refused naming the field.
  std::optional<long double> Value();
  void Clear();
  void ShowHeaterPower(const DesignCase& d, long double limit);
  void ShowAnswer(const DesignCase& d, DesignChoice choice, long double value, const DesignCalc::Target& target,
                  const DesignCalc::ThicknessAnswer& a, std::optional<long double> thinnerStock,
                  long double thinnerQuantity);

  Form& f;
  HeatLossPanels& heatLoss_;
  DesignJob& job_;
  QComboBox* targets_ = nullptr;
  std::optional<Answer> answer_;
};
