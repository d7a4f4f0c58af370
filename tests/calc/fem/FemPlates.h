// Element tables of rectangular plates for the tests and the benchmark:
// nx × ny squares, each split by its diagonal into P (right angle bottom
// left) and Q (right angle top right), which share Ｃ. Square (i, j), i
// across and j up from 0, holds P = 2(j·nx + i) + 1 and Q = P + 1. P's Ａ is
// the bottom edge, Ｂ the left; Q's Ａ the top, Ｂ the right; neighbours
// across an edge name each other on the same face.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calc/fem/FemTable.h"

namespace plates {

struct Plate {
  int nx = 1, ny = 1;
  long double side = 20;    // mm
  long double lambda = 45;  // W/m℃
  // Boundary names on the outer edges and on both plate faces; "" for none.
  std::string left, right, bottom, top, faces;
};

inline FemTableRow Boundary(const std::string& name, long double h, long double temperature) {
  FemTableRow r;
  r.name = name;
  r.column2 = h;
  r.column3 = temperature;
  return r;
}

// The plate's elements followed by the convective rows, the fixed rows
// and the rows after them (fixed element temperatures).
inline FemTable PlateTable(const Plate& p, const std::vector<FemTableRow>& convective,
                           const std::vector<FemTableRow>& fixed,
                           const std::vector<FemTableRow>& after = {}) {
  auto name = [&](int i, int j, int q) { return FemElementName(2 * (j * p.nx + i) + 1 + q); };
  FemTable t;
  t.m = 2 * p.nx * p.ny;
  for (int j = 0; j < p.ny; ++j)
    for (int i = 0; i < p.nx; ++i)
      for (int q = 0; q < 2; ++q) {
        FemTableRow r;
        r.name = name(i, j, q);
        r.column2 = p.lambda;
        r.column3 = r.column4 = p.side;
        if (q == 0)
          r.faces = {j > 0 ? name(i, j - 1, 1) : p.bottom, i > 0 ? name(i - 1, j, 1) : p.left, name(i, j, 1),
                     p.faces, p.faces};
        else
          r.faces = {j + 1 < p.ny ? name(i, j + 1, 0) : p.top, i + 1 < p.nx ? name(i + 1, j, 0) : p.right,
                     name(i, j, 0), p.faces, p.faces};
        t.rows.push_back(std::move(r));
      }
  t.rows.insert(t.rows.end(), convective.begin(), convective.end());
  t.l = static_cast<int>(t.rows.size());
  t.rows.insert(t.rows.end(), fixed.begin(), fixed.end());
  t.o = static_cast<int>(fixed.size());
  t.rows.insert(t.rows.end(), after.begin(), after.end());
  return t;
}

}  // namespace plates
