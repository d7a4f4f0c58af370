// Filling the element table: the fill commands of the command cell (λ,
// よこ, たて over a range of elements) and the default names and properties
// (double click on "メモ一覧").
#pragma once

#include "operations/fem/FemCells.h"

class Form;

class FemFill {
 public:
  explicit FemFill(Form& form) : f(form) {}

  // Runs the fill command of (0,1) for column 2 (λ), 3 (よこ) or 4 (たて),
  // then empties (0,1). A command whose names are not both element names
  // fills nothing and stays in (0,1).
  void FillFemColumn(int column);
  // Names elements T1 … Tm and copies the defaults (2,1) … (4,1) into the
  // elements whose λ cell is empty; (0,1) becomes "スミ".
  void FillFemDefaults();
  // Empties the command cell (0,1).
  void ClearFemCommand();

 private:
  FemCells Cells() const;
  // The last element row (3 … m+2) whose name equals the text, or 0.
  int ElementRow(const FemCells& s, int m, const QString& name) const;
  Form& f;
};
