// A line list as read from its file: the block of defaults above the
// header, the header (the first row that names at least two columns), and
// the lines below it, each with its row number.
//
// The block: one setting a row, its name in the first cell and its value in
// the second (the stock thicknesses may fill the cells after it). A name
// may be a column's (the default of that column's empty cells), a setting's
// (ListColumns.h) or a criterion's (the default target of that criterion).
// Rows starting with '#' are notes and skipped. A name the block does not
// know, and a column named twice, are said in the notes, not refused.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

#include "schedule/ListColumns.h"
#include "schedule/ListText.h"

namespace Schedule {

// A value of the block.
struct BlockValue {
  QString name;        // as the block writes it
  QString text;        // the second cell, trimmed
  QStringList values;  // every cell after the name that is not empty
  int row = 0;
};

struct LineList {
  QString path;
  Encoding encoding = Encoding::Cp932;
  QChar separator = QLatin1Char(',');
  int headerRow = 0;
  QStringList header;  // as the file writes it
  // The column each header cell names; empty for a column passed through.
  std::vector<std::optional<Column>> columns;
  std::map<Column, BlockValue> columnDefaults;
  std::map<Setting, BlockValue> settings;
  std::map<CriterionKind, BlockValue> criterionTargets;
  QStringList notes;          // what the block and the header hold that is not used
  std::vector<Record> lines;  // the rows below the header that hold anything

  // The header cell of a column; -1 when the list has none.
  int IndexOf(Column c) const;
  bool Has(Column c) const { return IndexOf(c) >= 0; }
};

struct ReadOutcome {
  std::optional<LineList> list;
  QString problem;  // why the file gives no list: it cannot be read, is empty, has no header or no lines
};

ReadOutcome ReadLineList(const QString& path);
// The list of bytes already read; name names the file in the problems.
ReadOutcome ParseLineList(const QByteArray& bytes, const QString& path);

}  // namespace Schedule
