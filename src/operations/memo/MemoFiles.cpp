#include "operations/memo/MemoFiles.h"

#include <QFileInfo>

#include "foundation/Errors.h"
#include "widgets/StringGrid.h"
#include "store/GridRowCsv.h"
#include "store/TextFile.h"

namespace MemoFiles {

QStringList ReadLines(const QString& path) {
  TextFile::ReadResult read = TextFile::Read(path);
  if (!read.validCp932)
    throw FileError(QStringLiteral("ファイル %1 は開けません\rシフトJIS（コードページ932）の文字でない部分があります。")
                        .arg(path));
  return read.lines;
}

void WriteLines(const QString& path, const QStringList& lines) { TextFile::Write(path, lines); }

bool FillGrid(StringGrid& grid, const QStringList& lines) {
  const int columns = grid.ColCount();
  bool wide = false;
  for (int row = 0; row < lines.size() && row < grid.RowCount(); ++row) {
    // One cell more than the grid has: a field there means the line is wider.
    QStringList cells(columns + 1);
    GridRowCsv::Read(lines[row], cells);
    if (!cells.last().isEmpty()) wide = true;
    cells.removeLast();
    grid.SetRowTexts(row, cells);
  }
  return wide;
}

QString WideLinesMessage(const QString& path, int columns) {
  return QStringLiteral("ファイル %1 には %2 列を超える行があります。\r超えた部分は読み込んでいません。")
      .arg(QFileInfo(path).fileName())
      .arg(columns);
}

QStringList GridLines(const StringGrid& grid) {
  QStringList lines;
  for (int row = 0; row < grid.RowCount(); ++row) lines << GridRowCsv::Write(grid.RowTexts(row));
  return lines;
}

}  // namespace MemoFiles
