// The sheet operations through the real window: layout, the run with its
// save prompt, counts and messages, fill commands, defaults, partner check,
// thickness, formula cell, and tables too large for the grid.
#include <QLineEdit>

#include "FemWindow.h"
#include "widgets/StringGrid.h"
#include "operations/fem/FemSheet.h"
#include "operations/memo/MemoViews.h"

namespace {

const QString kPrompt = QStringLiteral("条件データを保存しますか？");

class FemSheetTest : public FemWindow {
 protected:
  void Run() {
    form->Guarded([this] { Sheet().PrepareFemRun(); });
  }
  // Two elements sharing their hypotenuse, one with a fixed wall on Ｂ.
  void TypePair() {
    Set(1, 1, "2");
    TypeTable({{"T1", "50", "30", "40", "", "外壁", "T2"},
               {"T2", "50", "30", "40", "", "", "T1"},
               {"外壁", " ", "100"}});
  }
};

TEST_F(FemSheetTest, SetUpShowsTheGridMemoAndWritesOnlyTheHeaders) {
  EXPECT_TRUE(form->IsShown("StringGrid3"));
  EXPECT_FALSE(form->IsShown("Memo2"));
  EXPECT_TRUE(form->IsShown("Panel3"));
  EXPECT_EQ(Cell(0, 0), "有限要素法伝熱解析");
  EXPECT_EQ(Cell(0, 3), "　↓　要素の厚さ　ｍｍ");
  EXPECT_EQ(Cell(9, 2), "下面Ｅ");
  EXPECT_EQ(Cell(1, 3), "T1");

  // From the text memo, and on a grid memo a result export made short.
  form->Memos().ToggleMemo();
  ASSERT_TRUE(form->IsShown("Memo2"));
  form->Grid("StringGrid3")->SetRowCount(20);
  Set(5, 5, "keep");
  Set(4, 0, "old");
  form->Guarded([this] { Sheet().SetUpFemSheet(); });
  EXPECT_TRUE(form->IsShown("StringGrid3"));
  EXPECT_FALSE(form->IsShown("Memo2"));
  EXPECT_EQ(form->Grid("StringGrid3")->RowCount(), 120);
  EXPECT_EQ(Cell(5, 5), "keep");
  EXPECT_EQ(Cell(4, 0), "たて　mm");
}

TEST_F(FemSheetTest, FirstRunOnlyOffersSavingTheSecondComputes) {
  TypePair();
  Set(2, 1, "50");
  Run();
  EXPECT_EQ(Messages(), QStringList{kPrompt});
  EXPECT_EQ(Cell(7, 0), "*");
  EXPECT_TRUE(form->IsShown("Panel15"));
  EXPECT_EQ(Cell(2, 1), "50");
  EXPECT_EQ(Cell(6, 0), "");

  Run();
  EXPECT_EQ(Cell(2, 1), "2");  // l: two elements, no convective boundary
  EXPECT_EQ(Cell(3, 1), "3");  // j
  EXPECT_EQ(Cell(4, 1), "1");  // o: "外壁" has 4 bytes
  EXPECT_EQ(Cell(6, 0), "3");
  EXPECT_EQ(Cell(0, 4), "5");  // thickness default
  // Headers in row v+4 and column 1, the matrix below, b in column m+3.
  EXPECT_EQ(Cell(2, 7), "T1");
  EXPECT_EQ(Cell(3, 7), "T2");
  EXPECT_EQ(Cell(1, 8), "T1");
  EXPECT_EQ(Cell(1, 9), "T2");
  EXPECT_EQ(Cell(3, 8), "0.78125");
  EXPECT_EQ(Cell(2, 8), "-1.78125");  // Ｃ 0.78125 and the wall on Ｂ 1.0
  EXPECT_EQ(Cell(4, 8), "");
  EXPECT_EQ(Cell(5, 8), "-100");
  EXPECT_EQ(Cell(5, 9), "0");
  EXPECT_EQ(Cell(7, 6), "MMULT(MINVERSE(C9:D10),F9:F10)");
  EXPECT_TRUE(form->IsShown("Panel15"));  // opened once, not closed again by the run
}

TEST_F(FemSheetTest, MissingCountOrDataIsSaidAndNothingRuns) {
  Run();
  EXPECT_EQ(Messages(), QStringList{"要素の数がありません。"});
  Set(1, 1, "2");
  Set(2, 3, " ");
  Run();
  EXPECT_EQ(Messages(), QStringList{"要素のデータがありません。"});
  Set(2, 3, "50");
  Set(1, 1, "2.0");
  Run();
  EXPECT_EQ(Messages(), QStringList{"'2.0' は整数ではありません"});
  EXPECT_EQ(Cell(7, 0), "");
}

TEST_F(FemSheetTest, BareFaceNumbersGetTheirT) {
  Set(1, 1, "2");
  TypeTable({{"T1", "50", "30", "40", "", "外壁", "2", " "},
             {"T2", "50", "30", "40", "", "", "1", "", "12"},
             {"外壁", " ", "100", "", "7"}});
  RunTwice();
  EXPECT_EQ(Cell(7, 3), "T2");
  EXPECT_EQ(Cell(7, 4), "T1");
  EXPECT_EQ(Cell(9, 4), "T12");   // named on a plate face: no check, no exchange
  EXPECT_EQ(Cell(8, 3), " ");     // a blank face stays blank
  EXPECT_EQ(Cell(6, 3), "外壁");  // a boundary name is left as typed
  EXPECT_EQ(Cell(5, 5), "7");     // boundary rows have no faces
  EXPECT_EQ(Cell(3, 8), "0.78125");
}

TEST_F(FemSheetTest, PartnerCheckNamesTheFirstElementAndWritesNoHeaders) {
  Set(1, 1, "5");
  TypeTable({{"T1", "50", "30", "40"},
             {"T2", "50", "30", "40"},
             {"T3", "50", "30", "40", "", "T4"},
             {"T4", "50", "30", "40", "", "T5"},
             {"T5", "50", "30", "40", "", "T4"}});
  RunTwice();
  EXPECT_EQ(Messages(), QStringList{"T3の相手要素を確認してください。"});
  EXPECT_EQ(Cell(6, 0), "5");
  EXPECT_EQ(Cell(2, 9), "");   // no column headers in row v+4
  EXPECT_EQ(Cell(1, 10), "");  // no row headers
  // The system and the formula are still written.
  EXPECT_EQ(Cell(2, 10), "0");
  EXPECT_EQ(Cell(10, 8), "MMULT(MINVERSE(C11:G15),I11:I15)");
}

TEST_F(FemSheetTest, FillCommands) {
  Set(1, 1, "4");
  TypeTable({{"T1", "1"}, {"T2", "1"}, {"T3", "1"}, {"T4", "1"}});
  Set(0, 1, "λ0.123456T1T4");
  Run();
  for (int r = 3; r <= 6; ++r) EXPECT_EQ(Cell(2, r), "0.1234");
  EXPECT_EQ(Cell(0, 1), "");

  Set(0, 1, "A25T2T3");
  Run();
  EXPECT_EQ(QStringList({Cell(3, 3), Cell(3, 4), Cell(3, 5), Cell(3, 6)}), QStringList({"", "25", "25", ""}));
  Set(0, 1, "B12.5T3T10");  // second name cut to 5 bytes from its T: "T10"
  Run();
  EXPECT_EQ(
      Messages(),
      QStringList{"要素「T10」が見つかりません。範囲は「λ0.5T1T10」のように要素名二つで入れてください。"});
  EXPECT_EQ(Cell(0, 1), "B12.5T3T10");  // kept to be corrected
  EXPECT_EQ(Cell(4, 5), "");
  Set(0, 1, "B12.5T3T4");
  Run();
  EXPECT_EQ(QStringList({Cell(4, 4), Cell(4, 5), Cell(4, 6)}), QStringList({"", "12.5", "12.5"}));

  // A range in reverse order fills nothing.
  Set(0, 1, "λ9T3T1");
  Run();
  EXPECT_EQ(Cell(2, 3), "0.1234");
  EXPECT_EQ(Cell(2, 5), "0.1234");
  EXPECT_EQ(Cell(0, 1), "");

  // よこ and たて refuse a full-width letter.
  Set(0, 1, "Ａ30T1T2");
  Run();
  EXPECT_EQ(Messages(), QStringList{"「λ」以外は英数字を入れてください。"});
  EXPECT_EQ(Cell(3, 3), "");
  // A full-width Ｔ before the names is taken.
  Set(1, 5, "Ｔ3");
  Set(0, 1, "A40Ｔ3T4");
  Run();
  EXPECT_EQ(Cell(3, 5), "40");
  EXPECT_EQ(Cell(3, 6), "40");

  // "スミ" is no command: the run goes on to the save prompt.
  Set(0, 1, "スミ");
  Run();
  EXPECT_EQ(Messages(), QStringList{kPrompt});
}

TEST_F(FemSheetTest, DoubleClickOnTheCaptionFillsDefaultsAClickClearsTheCommand) {
  Set(1, 1, "3");
  Set(2, 1, "45");
  Set(3, 1, "20");
  Set(4, 1, "25");
  Set(2, 4, " ");  // a single space counts as typed
  Set(2, 5, "16");
  DblClick("Label62");
  EXPECT_EQ(QStringList({Cell(1, 3), Cell(1, 4), Cell(1, 5)}), QStringList({"T1", "T2", "T3"}));
  EXPECT_EQ(QStringList({Cell(2, 3), Cell(3, 3), Cell(4, 3)}), QStringList({"45", "20", "25"}));
  EXPECT_EQ(QStringList({Cell(2, 4), Cell(3, 4)}), QStringList({" ", ""}));
  EXPECT_EQ(QStringList({Cell(2, 5), Cell(3, 5)}), QStringList({"16", ""}));
  EXPECT_EQ(Cell(1, 6), "");
  EXPECT_EQ(Cell(0, 1), "スミ");
  Click("Label62");
  EXPECT_EQ(Cell(0, 1), "");

  Set(1, 1, "55");
  DblClick("Label62");
  EXPECT_EQ(Messages(), QStringList{"要素数は1から54までにしてください。"});
  EXPECT_EQ(Cell(1, 6), "");
}

TEST_F(FemSheetTest, ThicknessMustBeAPositiveInteger) {
  TypePair();
  Set(0, 4, "2.5");
  RunTwice();
  EXPECT_EQ(Messages(), QStringList{"'2.5' は整数ではありません"});
  Set(0, 4, "0");
  Run();
  EXPECT_EQ(Messages(), QStringList{"要素の厚さ「0」は1以上の整数にしてください。"});
  Set(0, 4, "10");
  Run();
  EXPECT_EQ(Cell(3, 8), "1.5625");  // twice the conductance of 5 mm
}

TEST_F(FemSheetTest, FormulaCellForEighteenElementsAndTwentyRows) {
  Set(1, 1, "18");
  Set(3, 1, "20");
  Set(6, 0, "20");
  form->Guarded([this] { Sheet().FemSolveFormula(); });
  EXPECT_EQ(Cell(23, 23), "MMULT(MINVERSE(C26:T43),V26:V43)");
  Set(6, 0, "x");
  form->Guarded([this] { Sheet().FemSolveFormula(); });
  EXPECT_EQ(Messages(), QStringList{"'x' は整数ではありません"});
}

TEST_F(FemSheetTest, TablesTooLargeForTheGridAreRefusedWhole) {
  Set(1, 1, "55");
  Set(2, 3, "50");
  Run();
  EXPECT_EQ(Messages(), QStringList{"要素数は1から54までにしてください。"});
  EXPECT_EQ(Cell(7, 0), "");

  // 20 elements and 100 named rows need rows up to 124.
  Set(1, 1, "20");
  for (int r = 3; r < 103; ++r) Set(1, r, QStringLiteral("T%1").arg(r - 2));
  Set(5, 3, "5");
  Run();
  EXPECT_EQ(Messages(),
            QStringList{"表が大きすぎて結果が入りません。表の行数と要素数の合計を115以下にしてください。"});
  EXPECT_EQ(Cell(7, 0), "");
  EXPECT_EQ(Cell(5, 3), "5");
}

TEST_F(FemSheetTest, RepeatedRunsKeepTheBlockInPlace) {
  // A note row below the table is named but has no column 3, so the block
  // of the previous run is not where the counts alone would look for it.
  // Its name has 4 bytes like a fixed boundary's; no face names it.
  TypePair();
  Set(1, 6, "メモ");
  RunTwice();
  EXPECT_EQ(Cell(6, 0), "4");
  const QString formula = Cell(7, 7);
  EXPECT_EQ(formula, "MMULT(MINVERSE(C10:D11),F10:F11)");
  Run();
  Run();
  EXPECT_EQ(Cell(6, 0), "4");
  EXPECT_EQ(Cell(7, 7), formula);
  EXPECT_EQ(Cell(1, 10), "T2");
  EXPECT_EQ(Cell(1, 11), "");
  EXPECT_EQ(Cell(2, 9), "-1.78125");

  // Fewer elements: the old block goes whole, its formula too.
  Set(1, 1, "1");
  Set(7, 3, "");
  Set(1, 4, "壁２");
  Set(2, 4, "");
  Run();
  EXPECT_EQ(Cell(6, 0), "4");
  EXPECT_EQ(Cell(1, 9), "T1");
  EXPECT_EQ(Cell(1, 10), "");
  EXPECT_EQ(Cell(3, 9), "");
  EXPECT_EQ(Cell(7, 7), "");
  EXPECT_EQ(Cell(6, 7), "MMULT(MINVERSE(C10:C10),E10:E10)");
}

TEST_F(FemSheetTest, RowsTypedOverTheOldBlockStay) {
  // The table grows by two rows, the second on the old block's header row
  // (7); the old block below it goes, the typed rows stay.
  TypePair();
  RunTwice();
  Set(1, 6, "外壁２");
  Set(3, 6, "50");
  Set(1, 7, "メモ");
  Run();
  EXPECT_EQ(QStringList({Cell(1, 6), Cell(3, 6), Cell(1, 7)}), QStringList({"外壁２", "50", "メモ"}));
  EXPECT_EQ(Cell(6, 0), "5");
  EXPECT_EQ(Cell(1, 10), "T1");  // the new block from row v+4 = 9
  EXPECT_EQ(Cell(1, 11), "T2");
}

TEST_F(FemSheetTest, ZeroConductivityIsRefusedByName) {
  TypePair();
  Set(2, 4, "0");
  RunTwice();
  EXPECT_EQ(Messages(),
            QStringList{"要素 T2 の λ（熱伝導率 W/m℃） '0' は 0 より大きく 10000 以下の数にしてください。"});
  Set(2, 4, "abc");
  Run();
  EXPECT_EQ(Messages(), QStringList{"'abc' は浮動小数点数ではありません"});
}

}  // namespace
