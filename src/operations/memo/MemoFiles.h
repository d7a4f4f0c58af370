// Reading and writing the text files of the memo and reference folders in
// code page 932: every failure becomes the file message, before anything on
// screen changes.
#pragma once

#include <QString>
#include <QStringList>

class StringGrid;

namespace MemoFiles {

// The lines of the file. Throws FileError "ファイル %s は開けません" when it
// cannot be read or is not code page 932 text.
QStringList ReadLines(const QString& path);

// Replaces the file with these lines. Throws FileError
// "ファイル %s を作成できません" when it cannot be written, and also when the
// path is a symbolic link (the atomic writer refuses links): a link placed
// in a memo folder must not lead a save to a file outside it.
void WriteLines(const QString& path, const QStringList& lines);

// Reads each line into the row of the same number with GridRowCsv, from row
// 0 on; the grid must already have enough rows. Returns true when some line
// had more fields than the grid has columns (those fields are dropped).
bool FillGrid(StringGrid& grid, const QStringList& lines);

// What the engineer is told when FillGrid dropped fields of the file.
QString WideLinesMessage(const QString& path, int columns);

// Every row of the grid as one line, row 0 first.
QStringList GridLines(const StringGrid& grid);

}  // namespace MemoFiles
