// The plate solved in the program and shown on the sheet, after the run has
// written G, b and the spreadsheet formula: the temperatures T1 … Tm beside
// the element rows, the heat that crosses each boundary row beside that row
// with their sum, the reason when there are no temperatures or when the heat
// balance does not close, and the chart of the temperatures by element
// number in the chart view.
#pragma once

#include "calc/fem/FemSolution.h"
#include "operations/fem/FemCells.h"

class AnalysisView;
class Form;

// The result columns stand right of 下面Ｅ in the rows of the table, which
// the run leaves free: the block of G and b and the formula begin below the
// table. Captions in row 2; the sum of the flows in (11,1) under (11,0).
inline constexpr int kFemTemperatureColumn = 10;  // "温度℃", ℃ in hundredths
inline constexpr int kFemFlowColumn = 11;         // "熱流W", W, positive into the plate
inline constexpr int kFemFlowSumRow = 1;

class FemResults {
 public:
  FemResults(Form& form, AnalysisView& analysis) : f(form), analysis_(analysis) {}

  // Empties the results of an earlier run in grid rows 3 … lastRow, the
  // sum and this sheet's chart (not another tool's), so that no old
  // temperature outlives a change of the table or a run that stops.
  void Clear(int lastRow);
  // Solves the table the run assembled and writes the results into the
  // table's rows (grid rows up to v+2, v in (6,0)); floating elements, a
  // singular G or an unbalanced sum are said by a message. The chart is
  // drawn after every solve that gives temperatures, whether the chart view
  // shows or not; it is not brought up over the sheet.
  void Show(const FemTable& table);

  // The last solve, unrounded.
  const FemSolution& Solution() const { return solution_; }

 private:
  FemCells Cells() const;
  QString Reason(const FemCells& s) const;
  void Draw();
  void ClearChart();

  Form& f;
  AnalysisView& analysis_;
  FemSolution solution_;
};
