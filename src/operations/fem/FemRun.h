// 実行 on the finite-element sheet: a fill command in (0,1) is carried out;
// otherwise the table is checked and counted, the first run of a sheet
// offers saving it, and later runs write the counts, empty the output area
// and the results of the previous run and compute (partner check, assembly,
// formula, the solve in the program).
#pragma once

#include <vector>

#include "operations/fem/FemCells.h"

class FemSheet;
class Form;

class FemRun {
 public:
  FemRun(Form& form, FemSheet& sheet) : f(form), sheet_(sheet) {}

  void PrepareFemRun();

 private:
  struct Area {
    int c0, c1, r0, r1;
  };
  struct Counts {
    int l = 0, j = 0, o = 0;
  };

  // l, j and o over rows 3 … v_prev+2 (rows 3 … 120 without a previous run).
  static Counts Count(const FemCells& s, int vPrev);
  // Where the previous results lie: rows j+4 … j+4+m below the table, and
  // the block of the previous run found by its row headers, with its formula.
  static std::vector<Area> OutputAreas(const FemCells& s, int m, int j, int vPrev);
  // The named rows that remain once the output areas are emptied.
  static int NamedRowsAfter(const FemCells& s, const std::vector<Area>& areas);
  // A face typed as a bare number (12) names the element T12.
  static void PrefixFaceNumbers(FemCells& s, int m);

  Form& f;
  FemSheet& sheet_;
};
