#include "operations/common/ComparisonTable.h"

#include <QRadioButton>

#include "foundation/NumberText.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

namespace {
const QString kCounterZero = QStringLiteral("0");
}  // namespace

int ComparisonTable::WriteBlock(const ExportBlock& block, std::initializer_list<Rows> more,
                                const QString& labelSuffix) {
  if (IsFull(block.firstColumn)) return -1;
  Start(block.height);
  grid_.SetCell(0, 0, QString::fromUtf8(block.title));
  WriteCaptions({block.rows});
  WriteCaptions(more);
  const int c = NextCondition(block.firstColumn, labelSuffix);
  CopyValues(c, {block.rows});
  CopyValues(c, more);
  return c;
}

bool ComparisonTable::IsFull(int firstColumn) {
  int n = 0;
  if (!TryToInteger(f.Store().GetCell(StoreCells::kExportCounter), n)) return false;  // reported after the captions
  if (n + firstColumn < grid_.ColCount()) return false;
  f.Message(QStringLiteral("比較表の列がいっぱいです（%1 条件まで）。\r"
                           "表をメモとして保存してから、計算を選び直すと新しい表になります。")
                .arg(grid_.ColCount() - firstColumn));
  return true;
}

bool ComparisonTable::IsNew() const { return f.Store().GetCell(StoreCells::kExportCounter) == kCounterZero; }

void ComparisonTable::Start(int height) {
  if (!IsNew()) return;
  grid_.SetRowCount(height);
  grid_.ClearCells();
}

void ComparisonTable::WriteCaptions(std::initializer_list<Rows> rows) {
  for (const Rows& part : rows) {
    for (const ExportRow& r : part) {
      if (r.caption) grid_.SetCell(0, r.row, QString::fromUtf8(r.caption));
      if (r.subCaption) grid_.SetCell(1, r.row, QString::fromUtf8(r.subCaption));
    }
  }
}

int ComparisonTable::NextCondition(int firstColumn, const QString& labelSuffix) {
  const int n = ToInteger(f.Store().GetCell(StoreCells::kExportCounter));
  f.Store().SetCell(StoreCells::kExportCounter, QString::number(n + 1));
  const int column = n + firstColumn;
  grid_.SetCell(column, 1, QStringLiteral("条件") + QString::number(n + 1) + labelSuffix);
  return column;
}

void ComparisonTable::CopyValues(int column, std::initializer_list<Rows> rows) {
  for (const Rows& part : rows)
    for (const ExportRow& r : part)
      if (r.source.kind != ExportSource::None) grid_.SetCell(column, r.row, ValueOf(r.source));
}

QString ComparisonTable::ValueOf(const ExportSource& source) const {
  switch (source.kind) {
    case ExportSource::Field: {
      const QByteArray name(source.field);
      return f.FindControl(QString::fromLatin1(name)) ? f.Text(source.field) : QString();
    }
    case ExportSource::StoreCell:
      return f.Store().GetCell(source.column, source.row);
    case ExportSource::LidChoice:
      return f.State().Panels().heating.lid ? QStringLiteral("有") : QStringLiteral("無");
    case ExportSource::None:
      break;
  }
  return QString();
}
