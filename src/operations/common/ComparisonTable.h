// The comparison table of 結果一括保存: each export writes the inputs and
// results of the calculator on screen into the next condition column of the
// grid memo. A calculator describes its block as rows of data (caption and
// the field or store cell each row copies); this class writes them.
#pragma once

#include <QString>
#include <initializer_list>
#include <span>

#include "store/StoreCells.h"

class Form;
class StringGrid;

struct ExportSource {
  enum Kind { None, Field, StoreCell, LidChoice };
  Kind kind = None;
  const char* field = nullptr;
  int column = 0, row = 0;
};

struct ExportRow {
  int row;
  const char* caption;     // column 0; nullptr writes nothing there
  const char* subCaption;  // column 1 of the heat-loss blocks; nullptr writes nothing
  ExportSource source;
};

struct ExportBlock {
  const char* title;
  int height;       // rows of a new table
  int firstColumn;  // condition column of the first condition
  std::span<const ExportRow> rows;
};

// Row sources, for the tables of the blocks.
constexpr ExportSource FieldText(const char* field) { return {ExportSource::Field, field, 0, 0}; }
constexpr ExportSource CellText(StoreCell cell) { return {ExportSource::StoreCell, nullptr, cell.column, cell.row}; }
constexpr ExportSource LidText() { return {ExportSource::LidChoice, nullptr, 0, 0}; }
constexpr ExportSource NoText() { return {}; }

class ComparisonTable {
 public:
  using Rows = std::span<const ExportRow>;

  ComparisonTable(Form& form, StringGrid& grid) : f(form), grid_(grid) {}

  // The whole export of a plain block: the title, the captions of the rows,
  // the next condition column labelled "条件N" + labelSuffix, and the values.
  // Nothing is written when the table is full. Returns the condition's
  // column, -1 when nothing was written.
  int WriteBlock(const ExportBlock& block, std::initializer_list<Rows> more, const QString& labelSuffix = {});

  // The steps, for blocks with rules of their own.
  // True (after telling the user) when the next condition column would lie
  // beyond the last column of the grid memo; nothing is written then.
  bool IsFull(int firstColumn);
  // A new table when the counter is "0": the block's height, all cells emptied.
  void Start(int height);
  void WriteCaptions(std::initializer_list<Rows> rows);
  // Counts the condition, labels its column and returns the column.
  int NextCondition(int firstColumn, const QString& labelSuffix);
  void CopyValues(int column, std::initializer_list<Rows> rows);
  // True when no condition has been written since the table was started.
  bool IsNew() const;

  StringGrid& Grid() { return grid_; }

 private:
  QString ValueOf(const ExportSource& source) const;

  Form& f;
  StringGrid& grid_;
};
