#include "operations/fem/FemSheet.h"

#include "widgets/StringGrid.h"
#include "widgets/Form.h"
#include "operations/fem/FemSheetHeaders.h"
#include "operations/memo/MemoViews.h"

namespace {
// The sheet needs the grid memo's full height for its table and results.
constexpr int kSheetRows = 120;
}  // namespace

FemSheet::FemSheet(Form& form, MemoViews& memos, AnalysisView& analysis)
    : Subsystem(form),
      fill_(form),
      solve_(form),
      results_(form, analysis),
      run_(form, *this),
      memos_(memos) {}

void FemSheet::Wire() {
  f.OnClick("Label62", [this] { ClearFemCommand(); });
  f.OnDblClick("Label62", [this] { FillFemDefaults(); });
  // 要素法 and 実行 at the foot of the heating command panel.
  f.OnClick("Button73", [this] { SetUpFemSheet(); });
  f.OnClick("Button83", [this] { PrepareFemRun(); });
}

void FemSheet::SetUpFemSheet() {
  ToggleMemo();
  if (f.IsShown("Memo2")) ToggleMemo();
  f.SetShown("StringGrid3", true);
  StringGrid* grid = f.Grid("StringGrid3");
  if (grid->RowCount() < kSheetRows) grid->SetRowCount(kSheetRows);
  for (const FemHeaderCell& h : FemSheetTexts::Headers())
    grid->SetCell(h.column, h.row, QString::fromUtf16(h.text));
}

void FemSheet::ToggleMemo() { memos_.ToggleMemo(); }

void FemSheet::ToggleNamePanel() { memos_.ToggleNamePanel(); }
