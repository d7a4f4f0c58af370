// One line of a list as the calculations take it: the inputs of the
// cylinder (a pipe) or the flat plate (a flat surface) exactly as their
// panels read the same texts (CylinderInputsOf, FlatPlateInputsOf: the same
// conversions, the same stand-ins for a missing layer, σ from the same
// characters, the options 自動 and k(T) with the same checks), and the
// criteria with their targets. Where a line cannot be calculated the case
// is its reason, naming the row and the column (or the default) it comes from.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "calc/design/DesignTarget.h"
#include "calc/design/Economics.h"
#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/tracing/TraceHeating.h"
#include "schedule/LineList.h"
#include "schedule/PipeSizes.h"
#include "schedule/ScheduleSettings.h"

namespace Schedule {

struct Criterion {
  CriterionKind kind = CriterionKind::SurfaceAtMost;
  long double value = 0;  // ℃, W/m or W/m2, K, runs; 0 for the economic thickness
  QString valueText;      // as written
  // The thickness solve's target (not for the economic thickness and the heater).
  DesignCalc::Target target;
  QString label;  // "表面温度 45 ℃ 以下", as the output says it
};

struct LineCase {
  bool pipe = true;
  HeatLossCalc::CylinderInputs cylinder;     // a pipe: its insulation t2 is set by each solve
  HeatLossCalc::FlatPlateInputs flat;        // a flat surface (temperatures in K, as the panel has them)
  QString outerDiameter;                     // the pipe's outer diameter as used, mm ("114.3")
  long double length = 0;                    // m of pipe
  long double area = 0;                      // m2 of surface
  long double ambient = 0;                   // ℃
  std::optional<long double> humidity;       // %
  std::optional<long double> hours;          // h a year
  std::vector<Criterion> criteria;           // in the order the line gives them, each kind once
  std::vector<long double> stock;            // mm
  std::vector<DesignCalc::StockCost> costs;  // per m (pipe) or m2, for the economic thickness
  DesignCalc::EconomicInputs economics;      // with the line's hours
  TracingCalc::TraceInputs trace;            // for heater runs
};

struct CaseOrReason {
  std::optional<LineCase> line;
  QString reason;  // "12 行目「温度 ℃」: 'abc' は数ではありません。"
};

// Everything a line is read with.
struct ReadingContext {
  const LineList& list;
  const WindowSettings& window;
  const PipeSizes& sizes;
};

CaseOrReason CaseOf(const ReadingContext& context, const Record& line);

// The criteria a cell of the criterion column names; names it does not
// know are left out.
std::vector<CriterionKind> KindsNamed(const QString& cell);

}  // namespace Schedule
