// The three computing steps of 実行 on the sheet: the partner check with the
// matrix headers, the assembly of the conductance system into the sheet,
// and the spreadsheet formula that solves it.
#pragma once

#include "operations/fem/FemCells.h"

class Form;

class FemSolve {
 public:
  explicit FemSolve(Form& form) : f(form) {}

  // Counts the named rows v into (6,0); checks that contact faces name each
  // other; when all do, writes the headers T1 … Tm of the block at row v+4.
  // Returns false (after its message) when a face is not accepted.
  bool CheckFemPartners();
  // Writes G (rows v+5 … v+m+4, columns 2 … m+1) and b (column m+3);
  // returns the table they were assembled from.
  FemTable AssembleFemSystem();
  // Writes the MMULT(MINVERSE(…)) text into (m+5, v+3).
  void FemSolveFormula();

 private:
  FemCells Cells() const;
  Form& f;
};
