#include "operations/fem/FemSheet.h"

#include "operations/common/HeatingControls.h"
#include "operations/common/MemoControls.h"
#include "operations/fem/FemSheetHeaders.h"
#include "operations/memo/MemoViews.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

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
  f.OnClick(Memos::MemoListCaption, [this] { ClearFemCommand(); });
  f.OnDblClick(Memos::MemoListCaption, [this] { FillFemDefaults(); });
  // 要素法 and 実行 at the foot of the heating command panel.
  f.OnClick(Heating::FemSheet, [this] { SetUpFemSheet(); });
  f.OnClick(Heating::FemRun, [this] { PrepareFemRun(); });
}

void FemSheet::SetUpFemSheet() {
  ToggleMemo();
  if (f.IsShown(Memos::TextMemo)) ToggleMemo();
  f.SetShown(Memos::GridMemo, true);
  StringGrid* grid = f.Grid(Memos::GridMemo);
  if (grid->RowCount() < kSheetRows) grid->SetRowCount(kSheetRows);
  for (const FemHeaderCell& h : FemSheetTexts::Headers())
    grid->SetCell(h.column, h.row, QString::fromUtf16(h.text));
}

void FemSheet::ToggleMemo() { memos_.ToggleMemo(); }

void FemSheet::ToggleNamePanel() { memos_.ToggleNamePanel(); }
