// The calculator on screen as the insulation design sees it: its kind, its
// inputs exactly as its Run reads them (taken from a copy of the window, so
// that nothing on screen changes), the air and the humidity of its panel,
// and the calls of the design calculations for that kind. A case is a plain
// value: it goes to a worker thread as it is.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "calc/design/DesignTarget.h"
#include "calc/design/Economics.h"
#include "calc/design/HeaterPowerLimit.h"
#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/Heater.h"
#include "calc/heatloss/PipeFlow.h"

class Form;
struct HeatLossCalculator;

enum class DesignKind { Cylinder, PipeFlow, FlatPlate, FlatWall, Heater };

struct DesignCase {
  DesignKind kind = DesignKind::Cylinder;
  // The inputs of the kind; the others stay default.
  HeatLossCalc::CylinderInputs cylinder;
  HeatLossCalc::PipeFlowInputs pipe;
  HeatLossCalc::FlatPlateInputs plate;
  HeatLossCalc::FlatWallInputs wall;
  HeatLossCalc::HeaterInputs heater;
  long double air = 0;             // degC
  std::optional<long double> rh;   // % from the panel's humidity field; empty: not given
  bool cooling = false;            // the flat plate shows its cooling over time

  // The insulation field (Edit12, Edit32), or the heater's power field Edit8.
  const char* Field() const;
  // The calculator's name as its selection button says it.
  QString Name() const;
  // Heat flows and costs per metre of line (cylinder, pipe flow) or per m2.
  bool PerMetre() const { return kind == DesignKind::Cylinder || kind == DesignKind::PipeFlow; }
  QString HeatFlowUnit() const { return PerMetre() ? QStringLiteral("W/m") : QStringLiteral("W/m2"); }
  // Pipe flow: the fluid enters above the air (FluidEnd then asks for at least the value).
  bool HotLine() const { return pipe.Tin > pipe.Ta; }

  // The design calculations of the kind (not for the heater).
  DesignCalc::ThicknessAnswer Solve(DesignCalc::Target target, const std::vector<long double>& stockMm) const;
  long double Quantity(long double mm, DesignCalc::TargetKind kind) const;
  DesignCalc::EconomicTable Economics(const std::vector<DesignCalc::StockCost>& stock,
                                      const DesignCalc::EconomicInputs& econ) const;
};

// The kind of a heat-loss calculator row.
DesignKind KindOf(const HeatLossCalculator& c);

// The case of the calculator c on screen, read from a copy of the window by
// the panel's guards and the inputs its Run reads; what the Run would say
// (a layer thicker than its tube, a humidity that is none) the window says.
// Empty when the Run would end without a result; when the panel's guards
// stop it, the window says that the inputs are not complete.
std::optional<DesignCase> CaseOnScreen(Form& f, const HeatLossCalculator& c);
