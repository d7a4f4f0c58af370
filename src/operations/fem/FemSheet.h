// The finite-element plate sheet, typed into the grid memo: "要素法" lays it
// out, "実行" checks and counts it, writes the conductance system and the
// spreadsheet formula that solves it, and solves it in the program: the
// temperatures and the boundary flows beside the table, the chart of the
// temperatures in the chart view. A click on "メモ一覧" empties the
// command cell, a double click names the elements and fills defaults.
#pragma once

#include "widgets/Subsystem.h"
#include "operations/fem/FemFill.h"
#include "operations/fem/FemResults.h"
#include "operations/fem/FemRun.h"
#include "operations/fem/FemSolve.h"

class AnalysisView;
class MemoViews;

class FemSheet : public Subsystem {
 public:
  // The sheet lives on the grid memo of the memo views; its chart is the
  // analysis view's.
  FemSheet(Form& form, MemoViews& memos, AnalysisView& analysis);
  void Wire() override;

  // 要素法: shows the grid memo and writes the header cells.
  void SetUpFemSheet();
  // 実行 beside it.
  void PrepareFemRun() { run_.PrepareFemRun(); }
  void FillFemColumn(int column) { fill_.FillFemColumn(column); }
  void FillFemDefaults() { fill_.FillFemDefaults(); }
  void ClearFemCommand() { fill_.ClearFemCommand(); }
  bool CheckFemPartners() { return solve_.CheckFemPartners(); }
  FemTable AssembleFemSystem() { return solve_.AssembleFemSystem(); }
  void FemSolveFormula() { solve_.FemSolveFormula(); }
  void ClearFemResults(int lastRow) { results_.Clear(lastRow); }
  void ShowFemSolution(const FemTable& table) { results_.Show(table); }
  // The last solve in the program, unrounded.
  const FemSolution& Solution() const { return results_.Solution(); }

  // The memo operations the sheet uses.
  void ToggleMemo();
  void ToggleNamePanel();

 private:
  FemFill fill_;
  FemSolve solve_;
  FemResults results_;
  FemRun run_;
  MemoViews& memos_;
};
