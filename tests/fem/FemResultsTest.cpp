// The plate solved in the program, as the sheet shows it across runs: the
// temperatures and flows follow the table when it shrinks, and a model that
// gives no temperatures, or a heat balance that does not close, is said.
#include "FemWindow.h"
#include "widgets/ChartView.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/fem/FemSheet.h"

namespace {

class FemResultsTest : public FemWindow {
 protected:
  void Run() {
    form->Guarded([this] { Sheet().PrepareFemRun(); });
  }
  QStringList Column(int column, int r0, int r1) const {
    QStringList texts;
    for (int r = r0; r <= r1; ++r) texts << Cell(column, r);
    return texts;
  }
};

TEST_F(FemResultsTest, ResultsFollowTheTableAcrossRuns) {
  // Two squares in a row between 100 ℃ and 20 ℃: 40 mm, 9 W.
  Set(1, 1, "4");
  TypeTable({{"T1", "45", "20", "20", "", "高温", "T2"},
             {"T2", "45", "20", "20", "", "T3", "T1"},
             {"T3", "45", "20", "20", "", "T2", "T4"},
             {"T4", "45", "20", "20", "", "低温", "T3"},
             {"高温", "", "100"},
             {"低温", "", "20"}});
  RunTwice();
  EXPECT_EQ(Column(10, 3, 8), QStringList({"86.67", "73.33", "46.67", "33.33", "", ""}));
  EXPECT_EQ(Column(11, 3, 8), QStringList({"", "", "", "", "9", "-9"}));

  // One square, two notes below: what stood beside the rows of T3, T4 and
  // the old boundaries is gone.
  Set(1, 1, "2");
  TypeTable({{"T1", "45", "20", "20", "", "高温", "T2"},
             {"T2", "45", "20", "20", "", "低温", "T1"},
             {"高温", "", "100"},
             {"低温", "", "20"},
             {"注1", "", "", "", "", "", ""},
             {"注2", "", "", "", "", "", ""}});
  Run();
  EXPECT_EQ(Column(10, 3, 8), QStringList({"73.33", "46.67", "", "", "", ""}));
  EXPECT_EQ(Column(11, 3, 8), QStringList({"", "", "18", "-18", "", ""}));
  EXPECT_EQ(Cell(11, 1), "0");
  EXPECT_EQ(form->Analysis().Chart().Plot().curves.at(0).points.size(), 2u);

  // An island of two elements that name only each other: named, and no
  // temperature, flow or chart of this sheet is left to mislead.
  Set(1, 1, "4");
  TypeTable({{"T1", "45", "20", "20", "", "高温", "T2"},
             {"T2", "45", "20", "20", "", "低温", "T1"},
             {"T3", "45", "20", "20", "", "", "T4"},
             {"T4", "45", "20", "20", "", "", "T3"},
             {"高温", "", "100"},
             {"低温", "", "20"}});
  Run();
  EXPECT_EQ(Messages(), QStringList{"要素 T3、T4 は境界への熱の通り道がないため、温度が決まりません。"
                                    "接触面に境界か相手の要素を入れ、寸法と熱伝導率を確認してください。"});
  EXPECT_EQ(Sheet().Solution().floating, std::vector<int>({3, 4}));
  EXPECT_EQ(Column(10, 2, 8), QStringList({"温度℃", "", "", "", "", "", ""}));
  EXPECT_EQ(Column(11, 1, 8), QStringList({"", "熱流W", "", "", "", "", "", ""}));
  EXPECT_TRUE(form->Analysis().Chart().Plot().curves.empty());
  EXPECT_EQ(Cell(9, 9), "MMULT(MINVERSE(C12:F15),H12:H15)");  // the spreadsheet's way stays
}

TEST_F(FemResultsTest, UnbalancedAndIllConditionedModelsAreSaid) {
  // Each element names the other across Ａ and Ｃ: the second face only
  // adds to the diagonal, so heat is lost inside and the flows do not sum
  // to zero. The temperatures are still shown.
  Set(1, 1, "2");
  TypeTable({{"T1", "45", "20", "20", "T2", "高温", "T2"},
             {"T2", "45", "20", "20", "T1", "air", "T1"},
             {"air", "400", "20"},
             {"高温", "", "100"}});
  RunTwice();
  EXPECT_EQ(Messages(), QStringList{"境界の熱流の和が38.7 Wで、最大の熱流38.5 Wに比べてゼロになりません。"
                                    "熱の収支が合わないモデルです。一つの相手を二つの面で指定していないか、"
                                    "接触面の相手と寸法を確認してください。"});
  EXPECT_TRUE(Sheet().Solution().balance.unbalanced);
  EXPECT_EQ(Column(10, 3, 4), QStringList({"42.9", "14.51"}));
  EXPECT_EQ(Cell(11, 1), "38.75");

  // A pair of the best conductors, 100 m thick, held only by a film next
  // to none: G is nearly singular, its condition number is said instead of
  // temperatures.
  Set(0, 4, "100000");
  TypeTable({{"T1", "10000", "20", "20", "", "air", "T2"},
             {"T2", "10000", "20", "20", "", "air", "T1"},
             {"air", "5E-7", "20"}});
  Run();
  EXPECT_EQ(Messages(), QStringList{"係数行列Gの条件数が6E12と大きく、温度を正しく求められません。"
                                    "熱伝導率や寸法の桁が極端に違わないか確認してください。"});
  EXPECT_EQ(Sheet().Solution().status, FemSolveStatus::Singular);
  EXPECT_EQ(Column(10, 3, 4), QStringList({"", ""}));
  EXPECT_EQ(Cell(11, 1), "");
}

}  // namespace

// Values no plate has are refused by the element (or boundary) and the
// column, and no temperature shows: a negative conductivity gave 105.77 ℃
// and 111.53 ℃ beside a 100 ℃ wall cooled by 20 ℃ air, zero and huge ones
// a bare floating-point message.
TEST_F(FemResultsTest, ValuesThePlateCannotTakeAreRefusedByElementAndColumn) {
  Set(1, 1, "2");
  const std::vector<QStringList> table = {{"T1", "45", "20", "20", "", "高温", "T2"},
                                          {"T2", "45", "20", "20", "", "air", "T1"},
                                          {"air", "10", "20"},
                                          {"高温", "", "100"}};
  TypeTable(table);
  RunTwice();
  ASSERT_EQ(Messages(), QStringList());
  ASSERT_NE(Cell(10, 3), "");
  struct Case {
    int column, row;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {2, 4, "-0.05", "要素 T2 の λ（熱伝導率 W/m℃） '-0.05' は 0 より大きく 10000 以下の数にしてください。"},
      {2, 3, "0", "要素 T1 の λ（熱伝導率 W/m℃） '0' は 0 より大きく 10000 以下の数にしてください。"},
      {2, 3, "1e300", "要素 T1 の λ（熱伝導率 W/m℃） '1e300' は 0 より大きく 10000 以下の数にしてください。"},
      {3, 3, "-20", "要素 T1 の Ａ（よこ mm） '-20' は 0 より大きく 1000000 以下の数にしてください。"},
      {4, 4, "0", "要素 T2 の Ｂ（たて mm） '0' は 0 より大きく 1000000 以下の数にしてください。"},
      {2, 5, "-10", "境界 air の 熱伝達率 W/m2℃ '-10' は 0 以上 1000000 以下の数にしてください。"},
      {3, 6, "-300", "境界 高温 の 温度 ℃ '-300' は -273.15 より大きく 100000 以下の数にしてください。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const QString kept = Cell(c.column, c.row);
    Set(c.column, c.row, c.text);
    Run();
    EXPECT_EQ(Messages(), QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(Column(10, 3, 4), QStringList({"", ""}));
    Set(c.column, c.row, kept);
    Run();
    EXPECT_EQ(Messages(), QStringList());
    EXPECT_NE(Cell(10, 3), "");
  }
}
