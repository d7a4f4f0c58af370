// One line of the schedule: each criterion solved as the thickness page
// solves it (the exact thickness to 0.1 mm and the thinnest stock that
// meets it; the economic thickness as the economics page finds it; the
// heater runs by the thinnest insulation for which N runs hold the line),
// the governing criterion (the one that needs the thickest insulation), the
// stock thickness chosen to meet them all, and a forward run of the panel's
// calculation with it: loss, surface, dew-point margin, the yearly energy,
// cost and CO2 and what the insulation saves against bare.
//
// The texts are those the window shows for the same numbers: the
// thicknesses as the thickness page (0.1 mm, the stock as its number), the
// surface in hundredths, the loss in W as the panel's 放熱量計 (the cylinder
// its own text, the flat plate hundredths), a heat gain as a negative loss.
#pragma once

#include <QString>
#include <vector>

#include "schedule/LineCase.h"

namespace Schedule {

struct CriterionResult {
  CriterionKind kind = CriterionKind::SurfaceAtMost;
  QString label;         // "表面温度 45 ℃ 以下"
  QString exact, stock;  // mm texts; empty when none
  long double exactMm = 0;
  bool answered = false;
  long double needMm = 0;  // the stock thickness it needs (0: bare meets it)
};

struct LineResult {
  int index = 0;  // of the line in the list, from 0
  int row = 0;    // its row in the file
  bool answered = false;
  QString status;  // "OK" or the reason

  bool pipe = true;
  QString outerDiameter;
  std::vector<CriterionResult> criteria;  // in the line's order
  QString governing;                      // the governing criterion's label
  bool chosen = false;                    // a thickness was chosen and run
  long double chosenMm = 0;
  QString thickness;  // the chosen stock thickness, mm
  QString surface, lossPerUnit, loss, bareLoss;
  QString dewPoint, dewMargin;
  QString runs;
  QString energy, cost, co2, savedEnergy, savedCost, savedCo2;

  // For the totals and the chart.
  long double length = 0, area = 0;  // m, m2 of an answered line
  long double lossW = 0, bareW = 0;  // W (signed)
  bool yearly = false;
  long double energyKWh = 0, costYen = 0, co2Kg = 0;
  long double savedKWh = 0, savedYen = 0, savedKg = 0;
};

// The line solved; a reason of its reading becomes its status.
LineResult SolveLine(const ReadingContext& context, int index);

}  // namespace Schedule
