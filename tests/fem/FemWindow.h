// The real window on a temporary program folder (support/FormFixture) with
// the finite-element sheet laid out on the grid memo. A message that a test
// did not take is a failure.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

#include "support/FormFixture.h"

class FemSheet;

// Texts in test failures as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class FemWindow : public FormFixture {
 protected:
  void SetUp() override;

  FemSheet& Sheet();
  // Cells of the grid memo, where the sheet lies (not of the store).
  QString Cell(int column, int row) const;
  void Set(int column, int row, const QString& text);
  // Types rows of the table from grid row 3 on, each from column 1.
  void TypeTable(const std::vector<QStringList>& rows);
  // A person's mouse on a control, near its top left corner.
  void Click(const char* name);
  void DblClick(const char* name);
  QStringList Messages() { return TakeMessages(); }

  // 実行 on a fresh sheet: the first run offers saving, the second computes.
  void RunTwice();
  // The matrix and right-hand side the run wrote for m elements.
  struct System {
    std::vector<std::vector<long double>> g;
    std::vector<long double> b;
  };
  System ReadSystem(int m) const;
  // T = G⁻¹·b by Gaussian elimination with partial pivoting.
  static std::vector<long double> Solve(System s);
};
