// The real window on a temporary program folder (support/FormFixture), shown
// with the coefficient panel open. Every message a test does not take with
// TakeMessages is a failure.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <ostream>

#include "support/FormFixture.h"

// Texts in failure reports as readable text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// A cell of the item grid with its text.
struct GridText {
  int column, row;
  const char* text;
};

class CoefficientWindow : public FormFixture {
 protected:
  void SetUp() override;

  // Edit71 ← number, then 選択.
  void Select(const QString& number);
  // Writes the texts into the item grid.
  void SetItems(std::initializer_list<GridText> items);
  void SetItem(int column, int row, const QString& text);
  QString Item(int column, int row) const;
  void Evaluate();  // 計算実行
  void Recall();    // 戻る
  void SetNumber(const QString& number);

  void SetText(const char* name, const QString& text) { Set(name, text); }
  QString StoreCell(int column, int row) const { return Cell(column, row); }
  void SetStoreCell(int column, int row, const QString& text);

  // A real mouse click on a control; its events run before the test goes on.
  void Click(const char* name);
  // Enter pressed in a control (for the item grid: on the grid itself).
  void Enter(QWidget* target);
};
