// A test fixture: the real window on a temporary copy of the built data,
// with recording dialogs, and the finite-element sheet laid out on the grid
// memo. A message that a test did not take is a failure.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>
#include <vector>

#include "app/RecordingDialogs.h"
#include "app/TForm1.h"

class FemSheet;

// Texts in test failures as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class FemWindow : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  FemSheet& Sheet();
  QString Cell(int column, int row) const;
  void Set(int column, int row, const QString& text);
  // Types rows of the table from grid row 3 on, each from column 1.
  void TypeTable(const std::vector<QStringList>& rows);
  // A person's mouse on a control.
  void Click(const char* name);
  void DblClick(const char* name);
  QStringList Messages() { return dialogs->TakeMessages(); }

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

  QTemporaryDir temp;
  std::unique_ptr<RecordingDialogs> dialogs;
  std::unique_ptr<TForm1> form;
};
