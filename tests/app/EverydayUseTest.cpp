// Everyday use of the real window: results that no longer belong to their
// inputs, the field that holds a wrong number, captions with their units,
// full-width input, keys, the clipboard and Qt's own texts, the window on a
// small screen and the reference grid, the read-only constant.
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/ScreenPlacement.h"
#include "operations/memo/MemoViews.h"
#include "support/FormFixture.h"
#include "widgets/FileListBox.h"
#include "widgets/InputMarks.h"
#include "widgets/QtJapanese.h"
#include "widgets/StringGrid.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

class EverydayUse : public FormFixture {
 protected:
  void SetUp() override {
    Open();
    form->show();
    QApplication::setActiveWindow(form.get());
  }
  bool Grey(const char* name) const {
    return form->Edit(name)->palette().color(QPalette::Text) == QColor(QRgb(InputMarks::kOutOfDateText));
  }
  QColor Base(const char* name) const { return form->Edit(name)->palette().color(QPalette::Base); }
};

TEST_F(EverydayUse, ResultsGreyWhenTheyNoLongerBelongToTheInputs) {
  const char* const results[] = {"Edit2", "Edit18", "Edit20", "Edit14"};
  for (const char* r : results) EXPECT_FALSE(Grey(r)) << r;
  Set("Edit8", U("600"));  // an input changes
  for (const char* r : results) EXPECT_TRUE(Grey(r)) << r;
  Enter("Edit8");
  for (const char* r : results) EXPECT_FALSE(Grey(r)) << r;
  // A run stopped by an error.
  Set("Edit13", U("x"));
  Enter("Edit13");
  EXPECT_EQ(TakeMessages().size(), 1);
  for (const char* r : results) EXPECT_TRUE(Grey(r)) << r;
  // A run refused by a guard: the cylinder's inner layer thicker than its diameter.
  Click("Button7");
  EXPECT_FALSE(Grey("Edit2"));
  Set("Edit34", U("500"));
  Enter("Edit34");
  EXPECT_EQ(TakeMessages(), QStringList{U("内層外径と内層厚さを確認してください。")});
  EXPECT_TRUE(Grey("Edit2"));
  // The lid of the heating panel is an input too.
  Click("Button30");
  EXPECT_FALSE(Grey("Edit46"));
  Click("RadioButton2");
  EXPECT_TRUE(Grey("Edit46"));
  Click("Button34");
  EXPECT_FALSE(Grey("Edit46"));
}

TEST_F(EverydayUse, AFieldOrCellThatIsNoNumberIsMarkedAndFocusedUntilCorrected) {
  const QColor green = Base("Edit13");
  Set("Edit13", U("1.5m"));
  Enter("Edit13");
  EXPECT_EQ(TakeMessages(), QStringList{U("'1.5m' は浮動小数点数ではありません")});
  EXPECT_EQ(Base("Edit13"), QColor(QRgb(InputMarks::kWrongBackground)));
  EXPECT_EQ(QApplication::focusWidget(), form->Control("Edit13"));
  QTest::keyClick(form->Control("Edit13"), Qt::Key_Backspace);
  EXPECT_EQ(Base("Edit13"), green) << "corrected by the engineer";

  // A cell of the coefficient panel's item grid.
  Click("Button9");
  form->Edit("Edit71")->setText(U("1"));
  Click("Button65");
  StringGrid* grid = form->Grid("StringGrid4");
  grid->SetCell(1, 0, U("60"));
  grid->SetCell(1, 1, U("abc"));
  grid->SetCell(1, 2, U("0.5"));
  Click("Button70");
  EXPECT_EQ(TakeMessages(), QStringList{U("'abc' は浮動小数点数ではありません")});
  EXPECT_EQ(grid->item(1, 1)->background().color(), QColor(QRgb(InputMarks::kWrongBackground)));
  EXPECT_EQ(grid->currentRow(), 1);
  EXPECT_EQ(grid->currentColumn(), 1);
  grid->SetCell(1, 1, U("20"));
  EXPECT_NE(grid->item(1, 1)->background().color(), QColor(QRgb(InputMarks::kWrongBackground)));
}

TEST_F(EverydayUse, UnitCaptionsSayTheirUnits) {
  EXPECT_EQ(Text("Label65"), U("対流熱伝達率内W/m2℃"));
  Click("Button9");
  form->Edit("Edit71")->setText(U("55"));
  Click("Button65");
  EXPECT_EQ(form->Grid("StringGrid4")->Cell(0, 3), U("定圧比熱cp W・h/(kg・℃)"));
}

TEST_F(EverydayUse, FullWidthNumbersReadAsHalfWidthAndShowSo) {
  const QString surface = Text("Edit2");
  Set("Edit8", U("６００"));
  Enter("Edit8");
  EXPECT_EQ(Text("Edit8"), U("600"));
  const QString fullWidth = Text("Edit2");
  Set("Edit8", U("600"));
  Enter("Edit8");
  EXPECT_EQ(Text("Edit2"), fullWidth) << "the same result as half-width";
  EXPECT_NE(Text("Edit2"), surface);
  Set("Edit3", U("－５．５"));
  Enter("Edit3");
  EXPECT_EQ(Text("Edit3"), U("-5.5"));
}

TEST_F(EverydayUse, KeysEnterOnButtonsTabThroughInputsAndEnterInTheItemGrid) {
  // Enter on a focused button presses it.
  Click("Button7");
  QPushButton* heater = form->Button("Button8");
  heater->setFocus();
  QTest::keyClick(heater, Qt::Key_Return);
  EXPECT_EQ(Text("Label36"), U("ヒーター温度"));

  // Tab: the input fields of the panels on screen, in reading order.
  form->Edit("Edit16")->setFocus();
  QStringList order;
  for (int i = 0; i < 12; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    order << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(order, (QStringList{"Edit17", "Edit3", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit12",
                                "Edit13", "Edit16", "Edit17", "Edit3"}));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), U("Edit17"));

  // Enter in the item grid: on to each missing value, then the evaluation.
  Click("Button9");
  form->Edit("Edit71")->setText(U("1"));
  Click("Button65");
  StringGrid* grid = form->Grid("StringGrid4");
  grid->setFocus();
  grid->setCurrentCell(0, 1);
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_EQ(std::make_pair(grid->currentRow(), grid->currentColumn()), std::make_pair(1, 1));
  grid->SetCell(1, 1, U("20"));
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_EQ(std::make_pair(grid->currentRow(), grid->currentColumn()), std::make_pair(2, 1));
  grid->SetCell(1, 2, U("0.5"));
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_EQ(std::make_pair(grid->currentRow(), grid->currentColumn()), std::make_pair(0, 1)) << "round again";
  grid->SetCell(1, 0, U("60"));
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_EQ(Text("Edit72"), U("4.25"));
}

TEST_F(EverydayUse, GridsCopyAndTheGridMemoPastesTabSeparatedBlocks) {
  Click("Button22");  // text memo
  Click("Button22");  // grid memo
  StringGrid* memo = form->Grid("StringGrid3");
  ASSERT_TRUE(memo->isVisible());
  QApplication::clipboard()->setText(U("a\tb\n1\t2\n"));
  memo->setFocus();
  memo->setCurrentCell(2, 1);
  QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(memo->Cell(1, 2), U("a"));
  EXPECT_EQ(memo->Cell(2, 3), U("2"));
  memo->setRangeSelected(QTableWidgetSelectionRange(2, 1, 3, 2), true);
  QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), U("a\tb\n1\t2\n"));
  // The reference grid copies but takes no paste.
  Click("Button23");
  StringGrid* reference = form->Grid("StringGrid2");
  reference->setFocus();
  reference->setCurrentCell(0, 0);
  QTest::keyClick(reference, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(reference->Cell(0, 0), QString());

  // Qt's own texts in Japanese.
  EXPECT_TRUE(LoadQtJapanese(*QCoreApplication::instance()));
  EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy"), U("コピー(&C)"));
}

TEST_F(EverydayUse, TheWindowOnASmallScreenAndTheReferenceGrid) {
  // 1280 x 800 at a scale factor of 1.5: 853 x 533 units for a window of
  // 912 x 579 and its title bar; its top-left stays on the screen.
  const QRect area(0, 0, 853, 533 - 24);
  EXPECT_EQ(PlaceOnScreen(QSize(912, 579 + 28), area), QPoint(0, 0));
  EXPECT_EQ(PlaceOnScreen(QSize(900, 600), QRect(0, 0, 1920, 1040)), QPoint(510, 220));

  // File names cut off in the lists show whole as tooltips.
  FileListBox* list = form->List("FileListBox2");
  ASSERT_GT(list->count(), 0);
  EXPECT_EQ(list->item(0)->toolTip(), list->item(0)->text());
  // A reference table: its column captions stay in view, its columns as wide as their texts.
  list->setCurrentRow(6);  // 07_飽和水蒸気表.csv
  list->onSelect();
  StringGrid* grid = form->Grid("StringGrid2");
  EXPECT_TRUE(grid->horizontalHeader()->isVisibleTo(form.get()));
  EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), U("温度 ℃"));
  EXPECT_GT(grid->columnWidth(1), 85);
  // The saturated vapour table of the coefficient panel keeps its captions in view.
  Click("Button9");
  Click("Label93");
  EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), U("水蒸気圧hPa"));
  EXPECT_TRUE(grid->isRowHidden(0));
}

TEST_F(EverydayUse, TheStefanBoltzmannDigitsTakeNoTypingButAreStillPickedUp) {
  const QString digits = Text("Edit15");
  QTest::keyClicks(form->Control("Edit15"), U("1"));
  QTest::keyClicks(form->Control("Edit22"), U("1"));
  EXPECT_EQ(Text("Edit15"), digits);
  EXPECT_EQ(Text("Edit22"), U("-8"));
  // A click picks up the constant's digits as the store keeps them.
  Click("Edit15");
  EXPECT_EQ(Cell(5, 4), Cell(2, 1));
  EXPECT_TRUE(Cell(2, 1).startsWith(digits));
}

}  // namespace
