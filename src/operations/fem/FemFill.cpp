#include "operations/fem/FemFill.h"

#include <algorithm>

#include "operations/common/MemoControls.h"
#include "operations/fem/FemFillCommand.h"
#include "operations/fem/FemLimits.h"
#include "operations/fem/FemSheetHeaders.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

FemCells FemFill::Cells() const { return FemCells(*f.Grid(Memos::GridMemo)); }

int FemFill::ElementRow(const FemCells& s, int m, const QString& name) const {
  for (int r = std::min(m + 2, s.LastRow()); r >= kFemFirstRow; --r)
    if (s.Text(1, r) == name) return r;
  return 0;
}

void FemFill::FillFemColumn(int column) {
  FemCells s = Cells();
  const FemFillCommand c = FemFillCommand::Parse(s.Text(0, 1));
  if (c.column != column) return;
  if (c.wideLetter) {
    f.Message(FemSheetTexts::HalfWidthLetters());
    return;
  }
  if (s.Blank(1, 1)) {
    f.Message(FemSheetTexts::NoElementCount());
    return;
  }
  const int m = s.Integer(1, 1);
  const int firstRow = ElementRow(s, m, c.first);
  const int lastRow = ElementRow(s, m, c.second);
  if (firstRow == 0 || lastRow == 0) {
    f.Message(FemSheetTexts::FillNameNotFound(firstRow == 0 ? c.first : c.second));
    return;
  }
  for (int r = firstRow; r <= lastRow; ++r) s.Set(column, r, c.value);
  s.Set(0, 1, QString());
}

void FemFill::FillFemDefaults() {
  FemCells s = Cells();
  if (s.Blank(1, 1)) {
    f.Message(FemSheetTexts::NoElementCount());
    return;
  }
  const int m = s.Integer(1, 1);
  if (m < 1 || m > FemLimits::MaxElements(s)) {
    f.Message(FemSheetTexts::ElementCountRange(FemLimits::MaxElements(s)));
    return;
  }
  for (int k = 1; k <= m; ++k) {
    const int r = k + 2;
    s.Set(1, r, QString::fromStdString(FemElementName(k)));
    if (s.Text(2, r).isEmpty())
      for (int c = 2; c <= 4; ++c) s.Set(c, r, s.Text(c, 1));
  }
  s.Set(0, 1, FemSheetTexts::Done());
}

void FemFill::ClearFemCommand() { Cells().Set(0, 1, QString()); }
