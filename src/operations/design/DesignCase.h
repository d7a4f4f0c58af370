// The calculator on screen as the insulation design sees it: its row's
// design hook (CalculatorRow.h) and the inputs the hook read from a copy of
// the window, exactly as its Run reads them, so that nothing on screen
// changes. A case is a plain value: it goes to a worker thread as it is.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "operations/common/CalculatorRow.h"
#include "store/CalculatorCode.h"

class Form;
struct ScreenCalculator;

struct DesignCase {
  Calculator code = Calculator::Cylinder;
  QString name;                      // as the calculator's button says it
  const DesignHook* hook = nullptr;  // never nullptr in a case read from the window
  DesignInputs in;

  // The field a solved value goes into.
  const char* Field() const { return hook->field; }
  QString Name() const { return name; }
  // Heat flows and costs per metre of line (cylinder, pipe flow) or per m2.
  bool PerMetre() const { return hook->perMetre; }
  QString HeatFlowUnit() const { return PerMetre() ? QStringLiteral("W/m") : QStringLiteral("W/m2"); }
  bool FluidEnd() const { return hook->fluidEnd; }
  bool HeaterPower() const { return hook->solves == DesignHook::Solves::HeaterPower; }
  // The fluid enters above the air (FluidEnd then asks for at least the value).
  bool HotLine() const { return in.hotLine; }

  // The design calculations of the calculator (not for the heater).
  DesignCalc::ThicknessAnswer Solve(DesignCalc::Target target, const std::vector<long double>& stockMm) const {
    return in.solve(target, stockMm);
  }
  long double Quantity(long double mm, DesignCalc::TargetKind kind) const { return in.quantity(mm, kind); }
  DesignCalc::EconomicTable Economics(const std::vector<DesignCalc::StockCost>& stock,
                                      const DesignCalc::EconomicInputs& econ) const {
    return in.economics(stock, econ);
  }
};

// The case of the calculator c on screen, read by its design hook from a
// copy of the window; what the Run would say (a layer thicker than its
// tube, a humidity that is none) the window says. Empty when the Run would
// end without a result; when the panel's guards stop it, the window says
// that the inputs are not complete. c must have a design hook.
std::optional<DesignCase> CaseOnScreen(Form& f, const ScreenCalculator& c);

// The case of c for the captions alone, read from nothing: its hook, name
// and, where the hook tells it from the fields, the fluid's direction.
DesignCase CaptionCase(Form& f, const ScreenCalculator& c);
