// The item grid StringGrid4 of the coefficient panel as the operations see
// it: captions in columns 0 and 2, values in columns 1 and 3, rows 0 to 5.
#pragma once

#include <QString>

class StringGrid;
class Form;

class ItemGrid {
 public:
  static constexpr int kRows = 6;

  explicit ItemGrid(Form& form);

  QString Text(int column, int row) const;
  bool IsEmpty(int column, int row) const { return Text(column, row).isEmpty(); }
  // Empty or a single blank, as a cell read from a file may hold.
  bool IsBlank(int column, int row) const;
  void Set(int column, int row, const QString& text);

  // The cell's value as a number. A floating-point fault still pending from
  // the calculation so far is reported first, so that an evaluation ends at
  // the point of its fault; then a text that is not a number throws the
  // conversion error.
  long double Number(int column, int row) const;

  // Empties columns 0 to 3.
  void ClearItems();

  // Items with a caption but no value in rows 0 .. rows-1.
  int CountMissing(int rows) const;
  // Items with a caption whose value is exactly "0" in rows 0 .. rows-1.
  int CountZeros(int rows) const;

 private:
  StringGrid& grid() const;
  Form& f;
};
