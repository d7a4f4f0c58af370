// The economic thickness through the window, worked by hand from the heat
// flows the cylinder panel shows at each thickness: three stock
// thicknesses with their installed costs, 8000 h a year at 10 a kWh from a
// source of efficiency 0.8, 0.2 kg CO2 a kWh, 10 years at 5 %.
#include <cmath>

#include "DesignWindow.h"
#include "operations/analysis/AnalysisView.h"
#include "widgets/ChartView.h"
#include "widgets/StringGrid.h"

namespace {

class EconomicThickness : public DesignWindow {
 protected:
  void SetUp() override {
    folder.Write("G1de-ta/hoonzai_hiyou.csv",
                 "# thickness, per m, per m2 (left empty)\r\n25,3000,\r\n\r\n50,4500,\r\n75,12000,\r\n");
    DesignWindow::SetUp();
    Click("Button7");
  }
  // The cylinder's heat flow in W/m with the insulation at mm, from its panel.
  long double HeatFlowAt(const char* mm) {
    Set("Edit12", QString::fromLatin1(mm));
    Click("Button1");
    return Number("Edit20") / Number("Edit13");
  }
  void Inputs() {
    const std::pair<const char*, const char*> inputs[] = {{"EconHours", "8000"}, {"EconPrice", "10"},
                                                          {"EconEfficiency", "0.8"}, {"EconCO2", "0.2"},
                                                          {"EconYears", "10"}, {"EconRate", "5"}};
    for (const auto& [field, text] : inputs) Set(field, QString::fromLatin1(text));
  }
};

}  // namespace

TEST_F(EconomicThickness, HandWorkedThreeThicknesses) {
  const char* const mm[] = {"0", "25", "50", "75"};
  const long double installed[] = {0, 3000, 4500, 12000};
  long double flow[4];
  for (int j = 0; j < 4; ++j) flow[j] = HeatFlowAt(mm[j]);
  Set("Edit12", QStringLiteral("50"));
  Click("Button1");

  ShowPage("EconPage");
  Inputs();
  Click("EconRun");
  WaitForJob();
  ASSERT_EQ(Messages(), QStringList());
  const StringGrid* grid = form->Grid("EconGrid");
  ASSERT_EQ(grid->RowCount(), 5);
  // (P/A, 5 %, 10) = (1.05^10 - 1) / (0.05 x 1.05^10)
  const long double factor = 7.7217349291848L;
  int best = 0;
  long double totals[4];
  for (int j = 0; j < 4; ++j) {
    SCOPED_TRACE(mm[j]);
    const long double bought = flow[j] * 8000 / 1000 / 0.8L;
    const long double cost = bought * 10;
    totals[j] = cost * factor + installed[j];
    if (totals[j] < totals[best]) best = j;
    EXPECT_EQ(grid->Cell(0, j + 1), j == 0 ? QStringLiteral("保温なし") : QString::fromLatin1(mm[j]));
    EXPECT_EQ(grid->Cell(1, j + 1), RoundHundredths(flow[j]));
    EXPECT_NEAR(static_cast<double>(ToNumber(grid->Cell(3, j + 1))), static_cast<double>(bought), 0.051);
    EXPECT_NEAR(static_cast<double>(ToNumber(grid->Cell(4, j + 1))), static_cast<double>(cost), 0.51);
    EXPECT_NEAR(static_cast<double>(ToNumber(grid->Cell(5, j + 1))), static_cast<double>(bought * 0.2L), 0.051);
    EXPECT_NEAR(static_cast<double>(ToNumber(grid->Cell(8, j + 1))), static_cast<double>(totals[j]), 0.51);
    if (j > 0) {
      EXPECT_NEAR(static_cast<double>(ToNumber(grid->Cell(9, j + 1))),
                  static_cast<double>(installed[j] / ((flow[0] - flow[j]) * 8000 / 1000 / 0.8L * 10)), 0.0051);
    }
  }
  // The economic thickness is the row of the lowest total.
  EXPECT_EQ(Text("EconBest"), QString::fromLatin1(mm[best]));
  EXPECT_GT(best, 0);

  // The chart: the totals against the thickness, the minimum marked.
  Click("EconChart");
  const ChartPlot& plot = form->Analysis().Chart().Plot();
  ASSERT_EQ(plot.curves.size(), 4u);
  EXPECT_EQ(plot.curves.back().style, ChartCurve::Mark);
  EXPECT_EQ(plot.curves.back().points.front().x, ToNumber(QString::fromLatin1(mm[best])));
  for (const ChartPoint& p : plot.curves.front().points) EXPECT_GE(p.y, static_cast<double>(totals[best]) - 0.5);

  // To the grid memo with one button, as a table to save like any grid memo.
  ShowPage("EconPage");
  Click("EconMemo");
  EXPECT_TRUE(form->IsShown("StringGrid3"));
  const StringGrid* memo = form->Grid("StringGrid3");
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 10; ++c) EXPECT_EQ(memo->Cell(c, r), grid->Cell(c, r)) << c << "," << r;
  EXPECT_EQ(memo->Cell(1, 6), QString::fromLatin1(mm[best]));
  EXPECT_EQ(Cell(5, 5), QStringLiteral("0")) << "the comparison table starts anew";
  // Sent again over a filled memo, it asks first; no keeps the memo.
  form->Grid("StringGrid3")->SetCell(3, 20, QStringLiteral("mine"));
  ShowPage("EconPage");
  Click("EconMemo");
  EXPECT_EQ(dialogs->confirmations.size(), 1);
  EXPECT_EQ(form->Grid("StringGrid3")->Cell(3, 20), QStringLiteral("mine"));
}

TEST_F(EconomicThickness, BadInputsAndCostLinesAreNamed) {
  ShowPage("EconPage");
  Inputs();
  Set("EconEfficiency", QStringLiteral("0"));
  Click("EconRun");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("熱源の効率（COP） '0' は 0 より大きい数にしてください。")});
  Set("EconEfficiency", QStringLiteral("0.8"));
  folder.Write("G1de-ta/hoonzai_hiyou.csv", "25,3000,\r\n5O,4500,\r\n");
  Click("EconRun");
  EXPECT_EQ(Messages(),
            QStringList{QStringLiteral("ファイル hoonzai_hiyou.csv の 2 行目: 厚さ '5O' は 0.1 mm 以上 1000 mm 以下の数にしてください。")});
  // The flat panels take the cost per m2, which these lines leave empty.
  folder.Write("G1de-ta/hoonzai_hiyou.csv", "25,3000,\r\n");
  Click("Button12");
  ShowPage("EconPage");
  Click("EconRun");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("ファイル hoonzai_hiyou.csv の 1 行目: 1 m2あたりの施工費がありません。")});
  EXPECT_EQ(form->Grid("EconGrid")->Cell(0, 1), QString());
}
