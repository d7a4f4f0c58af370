// The economic thickness through the window, worked by hand from the heat
// flows the cylinder panel shows at each thickness: three stock
// thicknesses with their installed costs, 8000 h a year at 10 a kWh from a
// source of efficiency 0.8, 0.2 kg CO2 a kWh, 10 years at 5 %.
#include <QElapsedTimer>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "DesignWindow.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/calculators/ScreenCalculator.h"
#include "operations/design/DesignCase.h"
#include "operations/design/EconomicsPage.h"
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
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("ファイル hoonzai_hiyou.csv の 2 行目: 厚さ '5O' は 0.1 "
                                                   "mm 以上 1000 mm 以下の数にしてください。")});
  // The flat panels take the cost per m2, which these lines leave empty.
  folder.Write("G1de-ta/hoonzai_hiyou.csv", "25,3000,\r\n");
  Click("Button12");
  ShowPage("EconPage");
  Click("EconRun");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("ファイル hoonzai_hiyou.csv の 1 行目: 1 m2あたりの施工費がありません。")});
  EXPECT_EQ(form->Grid("EconGrid")->Cell(0, 1), QString());
}

// Years and rate as a present worth means them, each named: 10^9 years or a
// rate of 1e4000 % ended in a bare floating-point message, 0 years and a
// rate of 1e300 % were taken; a refusal empties what the page showed, as
// the previous best thickness must not stand beside inputs it is not of.
TEST_F(EconomicThickness, YearsAndRateOutsideTheirRangesAreNamedAndClearTheTable) {
  ShowPage("EconPage");
  Inputs();
  Click("EconRun");
  WaitForJob();
  ASSERT_EQ(Messages(), QStringList());
  ASSERT_NE(Text("EconBest"), QString());
  const std::pair<const char*, const char*> cases[] = {
      {"EconYears", "0"},    {"EconYears", "1e9"},   {"EconYears", "100.5"},
      {"EconRate", "1e300"}, {"EconRate", "1e4000"}, {"EconRate", "-10.5"},
  };
  for (const auto& [field, text] : cases) {
    SCOPED_TRACE(std::string(field) + " = " + text);
    Inputs();
    Click("EconRun");
    WaitForJob();
    ASSERT_EQ(Messages(), QStringList());
    Set(field, QString::fromLatin1(text));
    Click("EconRun");
    const QString range = QString::fromLatin1(field) == QStringLiteral("EconYears")
                              ? QStringLiteral("年数 年 '%1' は 1 以上 100 以下の数にしてください。")
                              : QStringLiteral("割引率 % '%1' は -10 以上 100 以下の数にしてください。");
    EXPECT_EQ(Messages(), QStringList{range.arg(QString::fromLatin1(text))});
    EXPECT_EQ(Texts({"EconBest", "EconNote"}), (QStringList{QString(), QString()}));
    EXPECT_EQ(form->Grid("EconGrid")->Cell(0, 1), QString());
    EXPECT_FALSE(form->Control("EconMemo")->isEnabled());
  }
  // The ends of the ranges are taken.
  for (const auto& [years, rate] : {std::pair{"1", "-10"}, std::pair{"100", "100"}}) {
    Set("EconYears", QString::fromLatin1(years));
    Set("EconRate", QString::fromLatin1(rate));
    Click("EconRun");
    WaitForJob();
    EXPECT_EQ(Messages(), QStringList());
    EXPECT_NE(Text("EconBest"), QString());
  }
}

// The stock and cost lists: a value a message quotes is cut (a 10 MB line
// went whole into the message), a thickness from 0.1 to 1000 mm is taken
// and others refused by their line (1e-300 mm ended in a division by zero,
// 20,000 and 1e300 mm were recommended), a cost list with no line says so
// (it answered 「保温なし」), one of more than 10,000 lines is refused, and
// a long table runs on the worker thread, counts its rows and stops at
// 中止, its rows those of the calculator's own table to the bit.
TEST_F(EconomicThickness, StockAndCostListsAreHeldToSaneLines) {
  ShowPage("EconPage");
  Inputs();
  const char* const costs = "G1de-ta/hoonzai_hiyou.csv";
  const QByteArray longLine = "25,3000," + QByteArray(10 * 1024 * 1024, '7') + "\r\n";
  folder.Write(costs, longLine);
  Click("EconRun");
  const QStringList cut = Messages();
  ASSERT_EQ(cut.size(), 1);
  EXPECT_LT(cut.front().size(), 200);
  EXPECT_TRUE(cut.front().startsWith(QStringLiteral("ファイル hoonzai_hiyou.csv の 1 行目: 施工費 '777")))
      << cut.front().left(80).toStdString();

  for (const char* mm : {"1e-300", "0.05", "1000.1", "20000", "1e300"}) {
    SCOPED_TRACE(mm);
    folder.Write(costs, QByteArray("25,3000,\r\n") + mm + ",4500,\r\n");
    Click("EconRun");
    EXPECT_EQ(Messages(),
              QStringList{QStringLiteral("ファイル hoonzai_hiyou.csv の 2 行目: 厚さ '%1' は 0.1 mm 以上 "
                                         "1000 mm 以下の数にしてください。")
                              .arg(QString::fromLatin1(mm))});
    EXPECT_EQ(Text("EconBest"), QString());
  }
  // The thickness page reads its list by the same rules.
  folder.Write("G1de-ta/hoonzai_atsusa.csv", "25\r\n1e-300\r\n");
  ShowPage("DesignPage");
  Click("DesignRun");
  EXPECT_EQ(Messages(),
            QStringList{QStringLiteral("ファイル hoonzai_atsusa.csv の 2 行目: 厚さ '1e-300' は 0.1 mm "
                                       "以上 1000 mm 以下の数にしてください。")});
  ShowPage("EconPage");

  for (const char* nothing : {"", "# only a comment\r\n\r\n"}) {
    folder.Write(costs, nothing);
    Click("EconRun");
    EXPECT_EQ(Messages(),
              QStringList{QStringLiteral("ファイル hoonzai_hiyou.csv に厚さと施工費の行がありません"
                                         "（# で始まる行と空の行は読み飛ばします）。")});
    EXPECT_EQ(Text("EconBest"), QString());
  }

  QByteArray lines;
  for (int i = 0; i < 10000; ++i) lines += QByteArray::number(1 + i % 990) + ",1000,\r\n";
  folder.Write(costs, lines + "5,100,\r\n");
  Click("EconRun");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("ファイル hoonzai_hiyou.csv の厚さの行が多過ぎます。"
                                                   "10000 行までにしてください。")});

  // 10,000 lines: off the window's thread, counted, stopped.
  folder.Write(costs, lines);
  Click("EconRun");
  ASSERT_TRUE(form->Design().Job().Busy());
  EXPECT_TRUE(form->Control("EconCancel")->isEnabled());
  QElapsedTimer t;
  t.start();
  while (!Text("EconBusy").contains(QStringLiteral("/10001 行")) && t.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_TRUE(Text("EconBusy").contains(QStringLiteral("/10001 行"))) << Text("EconBusy").toStdString();
  Click("EconCancel");
  EXPECT_FALSE(form->Design().Job().Busy());
  t.restart();
  while (t.elapsed() < 500) QApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(Text("EconBest"), QString());
  EXPECT_EQ(form->Grid("EconGrid")->Cell(0, 1), QString());
  EXPECT_EQ(Messages(), QStringList());

  // Row by row, the rows of the calculator's own table.
  const std::optional<DesignCase> d = CaseOnScreen(*form, CalculatorOnScreen(*form, form->HeatLoss()));
  ASSERT_TRUE(d);
  std::vector<DesignCalc::StockCost> stock;
  for (int i = 0; i < 200; ++i) stock.push_back({static_cast<long double>(1 + (i * 37) % 300), 500.0L + i});
  const DesignCalc::EconomicInputs econ{8000, 10, 0.8L, 0.2L, 10, 0.05L};
  DesignJob::Control control;
  const std::optional<DesignCalc::EconomicTable> rows = EconomicsPage::Tabulate(*d, stock, econ, control);
  const DesignCalc::EconomicTable whole = d->Economics(stock, econ);
  ASSERT_TRUE(rows);
  EXPECT_EQ(control.done.load(), 201);
  ASSERT_EQ(rows->rows.size(), whole.rows.size());
  EXPECT_EQ(rows->best, whole.best);
  for (size_t j = 0; j < whole.rows.size(); ++j) {
    const DesignCalc::EconomicRow &a = rows->rows[j], &b = whole.rows[j];
    EXPECT_TRUE(a.mm == b.mm && a.heatFlow == b.heatFlow && a.total == b.total &&
                a.installed == b.installed && a.paybackYears == b.paybackYears && a.paysBack == b.paysBack)
        << "row " << j;
  }
}
