// The text pick-up into the memos, and the usage text.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "MemoWindow.h"
#include "widgets/StringGrid.h"
#include "operations/memo/PickUpControls.h"

namespace {

using PickUpTest = MemoWindow;

QString U(const char* s) { return QString::fromUtf8(s); }
QString PickedUp(TForm1& f) { return f.Store().GetCell(5, 4); }

TEST_F(PickUpTest, CaptionIsAppendedToTheTextMemo) {
  Click("Button22");
  form->Memo("Memo2")->setPlainText(U("A"));
  Click("Label26");
  EXPECT_EQ(PickedUp(*form), U("構造材"));
  DblClick("Memo2");
  EXPECT_EQ(form->Text("Memo2"), U("A構造材"));
  DblClick("Memo2");
  EXPECT_EQ(form->Text("Memo2"), U("A構造材構造材"));
  // After a line break the text starts the new line.
  form->Memo("Memo2")->setPlainText(U("B\n"));
  DblClick("Memo2");
  EXPECT_EQ(form->Text("Memo2"), U("B\n構造材"));
  // An empty pick-up leaves the memo as it is.
  form->Store().SetCell(5, 4, QString());
  DblClick("Memo2");
  EXPECT_EQ(form->Text("Memo2"), U("B\n構造材"));
}

TEST_F(PickUpTest, FieldsPickUpTheirTextAndStefanBoltzmannAllItsDigits) {
  form->Store().SetCell(2, 1, U("5.670374419"));
  Click("Edit15");
  EXPECT_EQ(PickedUp(*form), U("5.670374419"));
  form->SetText("Edit16", U("0.85"));
  Click("Edit16");
  EXPECT_EQ(PickedUp(*form), U("0.85"));
  EXPECT_EQ(form->Text("Edit16"), U("0.85"));
  // The ambient field of the heater panel takes no part.
  form->SetText("Edit3", U("25"));
  Click("Edit3");
  EXPECT_EQ(PickedUp(*form), U("0.85"));
}

TEST_F(PickUpTest, CaptionIsTakenAsShownAtTheMoment) {
  Click("Label10");
  EXPECT_EQ(PickedUp(*form), U("MgO層"));
  // In cylinder mode the same label reads 構造材.
  form->Button("Button7")->click();
  Click("Label10");
  EXPECT_EQ(PickedUp(*form), U("構造材"));
}

// Every control of the pick-up list must exist in the window. The heating
// panel (Panel14) is built by its own part of the program: while none of its
// controls exist yet, its names are skipped; once one exists, all must.
TEST_F(PickUpTest, EveryControlOfTheListExists) {
  QStringList missing, heatingMissing;
  int heatingPresent = 0;
  auto check = [&](const PickUpControls::Control& c) {
    const bool present = form->FindControl(QString::fromLatin1(c.name)) != nullptr;
    if (QLatin1String(c.panel) == QLatin1String("Panel14")) {
      if (present)
        ++heatingPresent;
      else
        heatingMissing << QString::fromLatin1(c.name);
    } else if (!present) {
      missing << QString::fromLatin1(c.name);
    }
  };
  for (const auto& c : PickUpControls::Labels()) check(c);
  for (const auto& c : PickUpControls::Fields()) check(c);
  EXPECT_EQ(missing, QStringList());
  if (heatingPresent == 0) GTEST_SKIP() << "the heating panel's controls are not built yet";
  EXPECT_EQ(heatingMissing, QStringList());
}

TEST_F(PickUpTest, DoubleClickOnAnEmptyGridMemoCellPastesAndTypingStillWorks) {
  Click("Button22");
  Click("Button22");
  StringGrid* grid = form->Grid("StringGrid3");
  form->Store().SetCell(5, 4, U("放熱量計　W"));
  DblClickCell("StringGrid3", 2, 3);
  EXPECT_EQ(grid->Cell(2, 3), U("放熱量計　W"));
  // A cell that holds text, and the header row, are not pasted into.
  grid->SetCell(4, 3, U("元"));
  DblClickCell("StringGrid3", 4, 3);
  EXPECT_EQ(grid->Cell(4, 3), U("元"));
  DblClickCell("StringGrid3", 6, 0);
  EXPECT_EQ(grid->Cell(6, 0), QString());
  // Typing into a cell edits it as usual.
  grid->setCurrentCell(5, 1);
  QKeyEvent one(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
  QApplication::sendEvent(grid, &one);
  QLineEdit* editor = grid->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr) << "typing opens the cell editor";
  QKeyEvent two(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
  QApplication::sendEvent(editor, &two);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(editor, &enter);
  QApplication::processEvents();
  EXPECT_EQ(grid->Cell(1, 5), U("12"));
}

TEST_F(PickUpTest, UsageTextOpensAndClosesAndTheReferenceButtonClosesIt) {
  EXPECT_FALSE(form->IsShown("Memo1"));
  const QStringList lines = form->Text("Memo1").split(QLatin1Char('\n'));
  EXPECT_EQ(lines.value(0), U("利用方法"));
  EXPECT_GE(lines.size(), 110);
  for (const char* heading : {"この窓はボタンを押す毎に開閉します。", "注意事項", "Ⅰ、放熱計算", "Ⅱ、加熱計算",
                              "Ⅲ、資料", "Ⅳ、メモ", "Ⅴ、熱伝達率計算", "Ⅵ、復元"})
    EXPECT_TRUE(lines.contains(U(heading))) << heading;
  Click("Button21");
  EXPECT_TRUE(form->IsShown("Memo1"));
  Click("Button21");
  EXPECT_FALSE(form->IsShown("Memo1"));
  Click("Button21");
  Click("Button23");
  EXPECT_FALSE(form->IsShown("Memo1"));
  Click("Button21");
  Click("Button22");
  EXPECT_TRUE(form->IsShown("Memo1"));
}

}  // namespace
