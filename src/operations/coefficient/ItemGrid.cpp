#include "operations/coefficient/ItemGrid.h"

#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"
#include "operations/common/CoefficientControls.h"
#include "widgets/Form.h"
#include "widgets/InputMarks.h"
#include "widgets/StringGrid.h"

ItemGrid::ItemGrid(Form& form) : f(form) {}

StringGrid& ItemGrid::grid() const { return *f.Grid(Coefficient::Items); }

QString ItemGrid::Text(int column, int row) const { return grid().Cell(column, row); }

bool ItemGrid::IsBlank(int column, int row) const {
  const QString t = Text(column, row);
  return t.isEmpty() || t == QStringLiteral(" ");
}

void ItemGrid::Set(int column, int row, const QString& text) { grid().SetCell(column, row, text); }

long double ItemGrid::Number(int column, int row) const {
  FloatFaults::Check();
  f.Marks().NumberRead();
  return grid().CellNumber(column, row);
}

void ItemGrid::ClearItems() {
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < 4; ++c) Set(c, r, QString());
}

int ItemGrid::CountMissing(int rows) const {
  int count = 0;
  for (int r = 0; r < rows; ++r)
    for (int c : {0, 2})
      if (!IsEmpty(c, r) && IsEmpty(c + 1, r)) ++count;
  return count;
}

int ItemGrid::CountZeros(int rows) const {
  int count = 0;
  for (int r = 0; r < rows; ++r)
    for (int c : {0, 2})
      if (!IsEmpty(c, r) && Text(c + 1, r) == QStringLiteral("0")) ++count;
  return count;
}
