#include "operations/fem/FemRun.h"

#include <algorithm>

#include "operations/common/MemoControls.h"
#include "operations/fem/FemFillCommand.h"
#include "operations/fem/FemLimits.h"
#include "operations/fem/FemSheet.h"
#include "operations/fem/FemSheetHeaders.h"
#include "store/Cp932.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

namespace {

const QString kPrompted = QStringLiteral("*");

bool AllDigits(const QString& t) {
  if (t.isEmpty()) return false;
  for (QChar c : t)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  return true;
}

}  // namespace

FemRun::Counts FemRun::Count(const FemCells& s, int vPrev) {
  Counts n;
  const int last = std::min(vPrev < 0 ? 120 : vPrev + 2, s.LastRow());
  for (int r = kFemFirstRow; r <= last; ++r) {
    if (!s.Blank(2, r)) ++n.l;
    if (!s.Blank(3, r)) ++n.j;
    if (Cp932::ByteLength(s.Text(1, r)) == 4) ++n.o;
  }
  return n;
}

std::vector<FemRun::Area> FemRun::OutputAreas(const FemCells& s, int m, int j, int vPrev) {
  // The table: the named rows from row 3 on, and at least the previous
  // run's table. Nothing of it is ever emptied.
  int tableEnd = kFemFirstRow - 1;
  while (tableEnd < s.LastRow() && !s.Blank(1, tableEnd + 1)) ++tableEnd;
  tableEnd = std::max(tableEnd, vPrev + 2);

  std::vector<Area> areas;
  areas.push_back({1, m + 6, std::max(j + 4, tableEnd + 1), j + 4 + m});
  if (vPrev >= 0) {
    int mPrev = 0;
    while (vPrev + 5 + mPrev <= s.LastRow() &&
           s.Text(1, vPrev + 5 + mPrev) == QString::fromStdString(FemElementName(mPrev + 1)))
      ++mPrev;
    if (mPrev > 0) {
      // The run leaves column 1 of the header row empty: a name there is a
      // table row typed over the old block, and stays.
      const int first = s.Blank(1, vPrev + 4) ? vPrev + 4 : vPrev + 5;
      areas.push_back({1, mPrev + 6, first, vPrev + 4 + mPrev});
      if (s.Text(mPrev + 5, vPrev + 3).startsWith(QLatin1String("MMULT(")))
        areas.push_back({mPrev + 5, mPrev + 5, vPrev + 3, vPrev + 3});
    }
  }
  return areas;
}

int FemRun::NamedRowsAfter(const FemCells& s, const std::vector<Area>& areas) {
  int v = 0;
  for (int r = kFemFirstRow; r <= s.LastRow(); ++r) {
    if (s.Blank(1, r)) continue;
    const bool emptied = std::any_of(areas.begin(), areas.end(),
                                     [r](const Area& a) { return a.c0 <= 1 && r >= a.r0 && r <= a.r1; });
    if (!emptied) ++v;
  }
  return v;
}

void FemRun::PrefixFaceNumbers(FemCells& s, int m) {
  for (int r = kFemFirstRow; r <= std::min(m + 2, s.LastRow()); ++r)
    for (int c = 5; c <= 9; ++c)
      if (AllDigits(s.Text(c, r))) s.Set(c, r, QLatin1Char('T') + s.Text(c, r));
}

void FemRun::PrepareFemRun() {
  FemCells s(*f.Grid(Memos::GridMemo));
  if (const int column = FemFillCommand::ColumnOf(s.Text(0, 1))) {
    sheet_.FillFemColumn(column);
    return;
  }
  if (s.Blank(1, 1)) {
    f.Message(FemSheetTexts::NoElementCount());
    return;
  }
  if (s.Blank(2, 3)) {
    f.Message(FemSheetTexts::NoElementData());
    return;
  }
  const int m = s.Integer(1, 1);
  if (m < 1 || m > FemLimits::MaxElements(s)) {
    f.Message(FemSheetTexts::ElementCountRange(FemLimits::MaxElements(s)));
    return;
  }
  const int vPrev = s.Blank(6, 0) ? -1 : s.Integer(6, 0);
  const Counts n = Count(s, vPrev);
  const std::vector<Area> areas = OutputAreas(s, m, n.j, vPrev);
  if (NamedRowsAfter(s, areas) + m > FemLimits::MaxRowsPlusElements(s)) {
    f.Message(FemSheetTexts::TableTooLarge(FemLimits::MaxRowsPlusElements(s)));
    return;
  }
  PrefixFaceNumbers(s, m);

  // The first run of a sheet only offers saving it under a name.
  if (s.Text(7, 0) != kPrompted) {
    f.Message(FemSheetTexts::SavePrompt());
    s.Set(7, 0, kPrompted);
    sheet_.ToggleNamePanel();
    return;
  }

  s.Set(2, 1, QString::number(n.l));
  s.Set(3, 1, QString::number(n.j));
  s.Set(4, 1, QString::number(n.o));
  for (const Area& a : areas) s.Empty(a.c0, a.c1, a.r0, a.r1);
  sheet_.ClearFemResults(std::max(vPrev, NamedRowsAfter(s, areas)) + 2);

  // A failed partner check has said so; the system is still written for
  // the spreadsheet, but a model whose faces disagree is not solved.
  const bool partners = sheet_.CheckFemPartners();
  const FemTable table = sheet_.AssembleFemSystem();
  sheet_.FemSolveFormula();
  if (partners) sheet_.ShowFemSolution(table);
}
