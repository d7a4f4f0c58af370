#include "store/ConditionStore.h"

#include "foundation/FloatFaults.h"
#include "store/GridRowCsv.h"
#include "store/TextFile.h"

ConditionStore::ConditionStore() {
  rows_.assign(kRows, QStringList());
  for (QStringList& row : rows_)
    for (int c = 0; c < kColumns; ++c) row << QString();
}

QString ConditionStore::GetCell(int column, int row) const {
  if (column < 0 || column >= kColumns || row < 0 || row >= kRows) return QString();
  return rows_[row][column];
}

void ConditionStore::SetCell(int column, int row, const QString& text) {
  FloatFaults::Check();
  if (column < 0 || column >= kColumns || row < 0 || row >= kRows) return;
  rows_[row][column] = text;
}

void ConditionStore::LoadLines(const QStringList& lines) {
  const int count = std::min(static_cast<int>(lines.size()), kRows);
  for (int r = 0; r < count; ++r) GridRowCsv::Read(lines[r], rows_[r]);
  NumberHeadings();
}

void ConditionStore::Load(const QString& path) { LoadLines(TextFile::Read(path).lines); }

QStringList ConditionStore::Lines() const {
  QStringList lines;
  for (int r = 0; r < kSavedRows; ++r) lines << GridRowCsv::Write(rows_[r]);
  return lines;
}

void ConditionStore::Save(const QString& path) const { TextFile::Write(path, Lines()); }

void ConditionStore::NumberHeadings() {
  for (int r = 1; r < kRows; ++r) rows_[r][0] = QString::number(r);
  for (int c = 1; c < kColumns; ++c) rows_[0][c] = QString::number(c);
}
