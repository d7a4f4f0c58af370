#include "operations/fem/FemCells.h"

#include <algorithm>
#include <vector>

#include "foundation/NumberText.h"
#include "widgets/StringGrid.h"

QString FemCells::Text(int column, int row) const { return grid_.Cell(column, row); }

bool FemCells::Blank(int column, int row) const {
  const QString t = Text(column, row);
  return t.isEmpty() || t == QLatin1String(" ");
}

int FemCells::Integer(int column, int row) const { return grid_.CellInteger(column, row); }

void FemCells::Set(int column, int row, const QString& text) { grid_.SetCell(column, row, text); }

void FemCells::Empty(int c0, int c1, int r0, int r1) {
  for (int r = std::max(r0, 0); r <= std::min(r1, LastRow()); ++r)
    for (int c = std::max(c0, 0); c <= std::min(c1, LastColumn()); ++c)
      if (!Text(c, r).isEmpty()) Set(c, r, QString());
}

int FemCells::LastRow() const { return grid_.RowCount() - 1; }

int FemCells::LastColumn() const { return grid_.ColCount() - 1; }

int FemCells::NamedRows() const {
  int v = 0;
  for (int r = kFemFirstRow; r <= LastRow(); ++r)
    if (!Blank(1, r)) ++v;
  return v;
}

FemTable FemCells::ReadNames(int m, int l, int o, int v) const {
  FemTable t;
  t.m = m;
  t.l = l;
  t.o = o;
  const int rows = std::min(std::max({m, l + o, v}), LastRow() - kFemFirstRow + 1);
  t.rows.resize(std::max(rows, 0));
  for (int k = 1; k <= static_cast<int>(t.rows.size()); ++k) {
    FemTableRow& row = t.rows[k - 1];
    const int r = k + 2;
    row.name = Text(1, r).toStdString();
    if (k <= m)
      for (int f = 0; f < 5; ++f) row.faces[f] = Text(5 + f, r).toStdString();
  }
  return t;
}

long double FemCells::Number(int column, int row) const { return grid_.CellNumber(column, row); }

void FemCells::ReadNumbers(FemTable& t) const {
  // Boundaries are read when a face names them, as a note row that merely
  // looks like a boundary must not stop the run.
  std::vector<bool> named(t.rows.size() + 1, false);
  for (int e = 1; e <= std::min<int>(t.m, t.rows.size()); ++e)
    for (const std::string& face : t.rows[e - 1].faces) named[t.Neighbour(face)] = true;

  for (int k = 1; k <= static_cast<int>(t.rows.size()); ++k) {
    FemTableRow& row = t.rows[k - 1];
    const int r = k + 2;
    const FemRowKind kind = t.KindOf(k);
    if (kind == FemRowKind::Element) {
      row.column2 = Number(2, r);
      row.column3 = Number(3, r);
      row.column4 = Number(4, r);
    } else if (kind == FemRowKind::Convective && named[k]) {
      row.column2 = Number(2, r);
      row.column3 = Number(3, r);
    } else if ((kind == FemRowKind::Fixed && named[k]) || t.FixedElementOf(k) != 0) {
      row.column3 = Number(3, r);
    }
  }
}
