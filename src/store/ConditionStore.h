// The condition store: the one persistent table of text cells (7 columns,
// rows 0..79 saved, row 80 held in memory only), addressed (column, row).
// It keeps the saved inputs of every calculator, the calculator code, the
// export counter, the pick-up cell and the Stefan-Boltzmann constant.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "store/StoreCells.h"

class ConditionStore {
 public:
  static constexpr int kColumns = 7;
  static constexpr int kSavedRows = 80;
  static constexpr int kRows = 81;  // row 80 carries only its heading number

  ConditionStore();

  // Plain access; a cell outside the table reads as empty and is not written.
  QString GetCell(int column, int row) const;
  // Checks for a pending floating-point fault before it writes.
  void SetCell(int column, int row, const QString& text);
  QString GetCell(StoreCell cell) const { return GetCell(cell.column, cell.row); }
  void SetCell(StoreCell cell, const QString& text) { SetCell(cell.column, cell.row, text); }

  // Reads the file with GridRowCsv, line i into row i (lines beyond the
  // table are dropped), then writes the heading numbers. Throws FileError
  // "ファイル %s は開けません" when the file cannot be read.
  void Load(const QString& path);

  // Reads the lines of an already decoded file into the table.
  void LoadLines(const QStringList& lines);

  // Writes rows 0..79 atomically. Throws FileError
  // "ファイル %s を作成できません"; the table keeps its values.
  void Save(const QString& path) const;

  // The lines a save writes.
  QStringList Lines() const;

  // Column 0 of rows 1..80 gets "1".."80", row 0 of columns 1..6 "1".."6".
  void NumberHeadings();

 private:
  std::vector<QStringList> rows_;
};
