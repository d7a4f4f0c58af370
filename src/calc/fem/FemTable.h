// The element table of the finite-element sheet as plain data: one row per
// table row, elements first (1 … m), then the convective boundaries
// (m+1 … l), then the fixed-temperature boundaries (l+1 … l+o). A row's kind
// follows from its position. Rows after l+o named like an element's column
// header ("T" and its number) hold a fixed temperature for that element.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/fem/FemConductance.h"

struct FemTableRow {
  std::string name;                  // column 1
  long double column2 = 0;           // element: λ; convective boundary: h
  long double column3 = 0;           // element: a (よこ); boundaries: temperature
  long double column4 = 0;           // element: b (たて)
  std::array<std::string, 5> faces;  // element: neighbours across Ａ, Ｂ, Ｃ, Ｄ, Ｅ
};

enum class FemRowKind { Element, Convective, Fixed, Other };

struct FemTable {
  int m = 0;                      // elements
  int l = 0;                      // elements and convective boundaries
  int o = 0;                      // fixed-temperature boundaries
  long double thickness = 5;      // mm
  std::vector<FemTableRow> rows;  // table row k is rows[k - 1]

  // Kind of table row k (from 1).
  FemRowKind KindOf(int k) const;
  // The table row (from 1) that a face names: the last of rows 1 … l+o
  // whose name equals the text; 0 for none and for a blank text.
  int Neighbour(const std::string& face) const;
  // The element (1 … m) whose temperature table row k fixes, or 0.
  int FixedElementOf(int k) const;
};

// Empty or a single space, as an empty field read from a file is stored.
bool FemBlank(const std::string& text);

// The name of element k as the sheet writes it: "T" and the number.
std::string FemElementName(int k);
