// Every calculator row through every page that shows a calculator: the
// graph page, the sweep's choices, the thickness and economic pages, the
// options page, the report, the comparison table, and the panel's Save and
// Back. Each page works on the row on screen through its hook, or says
// plainly that the calculator does not offer it; none works on another
// calculator instead.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QThread>

#include "app/CalculatorDispatch.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/calculators/ScreenCalculator.h"
#include "operations/curves/CurvePage.h"
#include "operations/design/DesignJob.h"
#include "operations/design/InsulationDesign.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/heatloss/HeatLossPanels.h"
#include "operations/heatloss/SurfaceOptions.h"
#include "operations/report/ReportContent.h"
#include "support/FormFixture.h"
#include "widgets/StringGrid.h"

namespace {

class EveryRow : public FormFixture {
 protected:
  void SetUp() override {
    Open();
    EXPECT_EQ(TakeMessages(), QStringList()) << "start-up";
  }

  // Brings the row on screen as a person would: its selection button, pipe
  // flow by 切り替え from the cylinder, a heating calculator by 加熱計算,
  // its material and, for wall heating, its mode.
  void Select(const ScreenCalculator& row) {
    if (row.kind == ScreenCalculator::Kind::HeatLoss) {
      if (!form->IsShown("Panel10")) Click("Button29");
      if (row.heatLoss->selectButton) {
        Click(row.heatLoss->selectButton);
      } else {
        Click(kCylinderCalculator.selectButton);
        Click("Button67");
      }
    } else {
      if (!form->IsShown("Panel13")) Click("Button30");
      const char* material = row.code == Calculator::LiquidHeating ? "Button31"
                             : row.code == Calculator::SolidHeating ? "Button33"
                                                                    : "Button32";
      Click(material);
      if (row.code == Calculator::WallHeating) Click("RadioButton4");
    }
    Settle();
    TakeMessages();
  }

  void ShowPage(const char* page) {
    auto* tabs = static_cast<QTabWidget*>(form->Control("AnalysisView"));
    tabs->setCurrentWidget(form->Control(page));
    form->Analysis().Show(page);
  }

  // Until the chart, the sweep and the design pages rest.
  void Settle() {
    QElapsedTimer t;
    t.start();
    while ((form->Curves().Busy() || form->Design().Job().Busy()) && t.elapsed() < 30000) {
      QApplication::processEvents(QEventLoop::AllEvents, 20);
      QThread::msleep(2);
    }
    ASSERT_FALSE(form->Curves().Busy() || form->Design().Job().Busy()) << "the work in the background ends";
  }
};

TEST_F(EveryRow, EachPageShowsTheRowOnScreenOrSaysItHasNoSuchPage) {
  form->SetShown("StringGrid3", true);
  for (const ScreenCalculator& row : AllCalculators()) {
    SCOPED_TRACE(row.name.toStdString());
    Select(row);
    const ScreenCalculator shown = CalculatorOnScreen(*form, form->HeatLoss());
    ASSERT_EQ(shown.code, row.code) << "the selection brings the row on screen";

    // グラフ: the row's chart, or a title that says there is none.
    const ChartPlot& plot = form->Analysis().Chart().Plot();
    if (row.hooks->curve)
      EXPECT_FALSE(plot.title.contains(QStringLiteral("使えません"))) << plot.title.toStdString();
    else
      EXPECT_TRUE(plot.title.contains(row.name)) << plot.title.toStdString();

    // The sweep offers the row's own inputs.
    EXPECT_GT(static_cast<QComboBox*>(form->Control("SweepField"))->count(), 0);

    // 保温厚さ and 経済的厚さ name the row, and solve it or say they cannot.
    ShowPage("DesignPage");
    Click("DesignRun");
    Settle();
    EXPECT_EQ(Text("DesignCase"), QStringLiteral("対象の計算: ") + row.name);
    QStringList said = TakeMessages();
    if (row.hooks->design) {
      EXPECT_TRUE(!Text("DesignOutcome").isEmpty() || !said.isEmpty());
      for (const QString& m : said) EXPECT_FALSE(m.contains(QStringLiteral("使えません"))) << m.toStdString();
    } else {
      EXPECT_EQ(said, QStringList{NotOffered(row.name, QStringLiteral("保温厚さ"))});
    }
    ShowPage("EconPage");
    Click("EconRun");
    Settle();
    EXPECT_EQ(Text("EconCase"), QStringLiteral("対象の計算: ") + row.name);
    said = TakeMessages();
    if (!row.hooks->design) {
      EXPECT_EQ(said, QStringList{NotOffered(row.name, QStringLiteral("経済的厚さ"))});
    } else if (row.hooks->design->solves == DesignHook::Solves::Thickness) {
      EXPECT_FALSE(form->Grid("EconGrid")->Cell(0, 1).isEmpty()) << said.join('|').toStdString();
    }

    // 表面条件: 自動 where the row keeps the options, a plain note where not.
    const bool options = !row.hooks->optionCells.empty();
    EXPECT_EQ(form->IsShown(SurfaceOptions::kAuto), options);
    if (!options) {
      EXPECT_TRUE(Text(SurfaceOptions::kOuterNote).contains(QStringLiteral("使えません")));
    }

    // 報告書: the row's own title and method.
    const ReportContent report = ReadReport(*form, QDate(2026, 12, 7));
    EXPECT_FALSE(report.title.isEmpty());
    ASSERT_TRUE(row.hooks->method);
    EXPECT_EQ(report.method, row.hooks->method(form->Modes()));

    // 結果一括保存: the row's block starts a table of its own (the code changed).
    Click("Button44");
    EXPECT_EQ(TakeMessages(), QStringList());
    EXPECT_EQ(Cell(5, 5), QStringLiteral("1"));
    EXPECT_FALSE(form->Grid("StringGrid3")->Cell(0, 0).isEmpty());
  }
}

}  // namespace
