// The real window on a temporary copy of the built data, with recording
// dialogs and the coefficient panel open. Every message a test does not take
// with TakeMessages is a failure.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <initializer_list>
#include <memory>
#include <ostream>

#include "app/RecordingDialogs.h"
#include "app/TForm1.h"

// Texts in failure reports as readable text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// A cell of the item grid with its text.
struct GridText {
  int column, row;
  const char* text;
};

class CoefficientWindow : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Edit71 ← number, then 選択.
  void Select(const QString& number);
  // Writes the texts into the item grid.
  void SetItems(std::initializer_list<GridText> items);
  void SetItem(int column, int row, const QString& text);
  QString Item(int column, int row) const;
  void Evaluate();  // 計算実行
  void Recall();    // 戻る
  void SetNumber(const QString& number);

  QString Text(const char* name) const;
  void SetText(const char* name, const QString& text);
  QString StoreCell(int column, int row) const;
  void SetStoreCell(int column, int row, const QString& text);

  // A real mouse click on a control.
  void Click(const char* name);
  // Enter pressed in a control (for the item grid: on the grid itself).
  void Enter(QWidget* target);

  QStringList TakeMessages();

  QTemporaryDir temp;
  std::unique_ptr<RecordingDialogs> dialogs;
  std::unique_ptr<TForm1> form;
};
