// The conversion between one grid row and one comma-separated line, used by
// every grid file: the condition store, the grid memos, the reference tables.
#pragma once

#include <QString>
#include <QStringList>

namespace GridRowCsv {

// All cells of the row, separated by ",". A cell holding a character with
// code 32 or less, a double quote or a comma is enclosed in double quotes
// with its inner quotes doubled; any other cell, an empty one included, is
// written unchanged.
QString Write(const QStringList& cells);

// Empties every cell of the row, then fills the fields of the line into the
// first empty cells from column 0 on. An empty field is stored as " " so that
// it occupies its cell; fields beyond the last cell are dropped.
void Read(const QString& line, QStringList& cells);

}  // namespace GridRowCsv
