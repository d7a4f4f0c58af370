// The spreadsheet formula that solves the plate's system once the sheet is
// opened in a spreadsheet program: the inverse of the matrix times the
// right-hand side. Grid column c is the spreadsheet column of the letters of
// c (A = 0 … Z = 25, AA = 26, …), grid row r is spreadsheet row r + 1.
#pragma once

#include <string>

namespace FemFormula {

// The spreadsheet letters of grid column c (from 0).
std::string ColumnLetters(int column);

// MMULT(MINVERSE(matrix),right-hand side) for m elements and v table rows:
// the matrix in grid columns 2 … m+1, rows v+5 … v+m+4, the right-hand side
// in column m+3. No leading equals sign.
std::string SolveText(int m, int v);

}  // namespace FemFormula
