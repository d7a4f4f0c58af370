// The grid memo seen as the finite-element sheet: cell texts, the blank
// rule, integer cells, and the element table read into plain data.
#pragma once

#include <QString>

#include "calc/fem/FemTable.h"

class StringGrid;

class FemCells {
 public:
  explicit FemCells(StringGrid& grid) : grid_(grid) {}

  QString Text(int column, int row) const;
  // Empty or a single space (an empty field read from a file).
  bool Blank(int column, int row) const;
  // The cell as an integer; ConversionError "'%s' は整数ではありません".
  int Integer(int column, int row) const;
  void Set(int column, int row, const QString& text);
  // Empties the cells of columns c0 … c1 in rows r0 … r1.
  void Empty(int c0, int c1, int r0, int r1);
  int LastRow() const;
  int LastColumn() const;

  // Rows 3 … LastRow whose column 1 is not blank.
  int NamedRows() const;
  // The table with m elements, l elements and convective boundaries, o
  // fixed-temperature boundaries and v named rows: names and faces only.
  FemTable ReadNames(int m, int l, int o, int v) const;
  // Converts the numbers of the elements, of the boundaries their faces
  // name and of the fixed element temperatures; ConversionError
  // "'%s' は浮動小数点数ではありません" at the first text that is no number.
  void ReadNumbers(FemTable& table) const;

 private:
  long double Number(int column, int row) const;
  StringGrid& grid_;
};

// The first grid row of the table: table row k is grid row k + 2.
inline constexpr int kFemFirstRow = 3;
