#include "operations/curves/CalculatorChart.h"

#include <QLineEdit>
#include <memory>

#include "foundation/Errors.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/calculators/ScreenCalculator.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/HeatingControls.h"
#include "operations/curves/CalculatorCurves.h"
#include "operations/hints/FieldCatalogue.h"
#include "widgets/ChartView.h"
#include "widgets/FieldSnapshot.h"
#include "widgets/Form.h"

namespace {

ChartPlot Titled(const QString& title) {
  ChartPlot plot;
  plot.title = title;
  return plot;
}

// The chart of c on the copy, or a title that says why there is none.
ChartPlot PlotOf(const ScreenCalculator& c, FieldSnapshot& fields, const std::atomic<bool>* stop) {
  try {
    return CalculatorCurves(c, fields, stop);
  } catch (const AppError& e) {
    return Titled(QStringLiteral("グラフを描けません：") + e.text());
  } catch (const std::exception& e) {
    return Titled(QStringLiteral("グラフを描けません：") + QString::fromUtf8(e.what()));
  }
}

}  // namespace

CalculatorChart::CalculatorChart(Form& form, AnalysisView& view, HeatLossPanels& panels,
                                 std::function<void()> busyChanged)
    : f(form), view_(view), panels_(panels), work_(std::move(busyChanged)) {}

void CalculatorChart::Wire() {
  // A run writes at least one result field of its panel.
  for (const char* field : CalculatorResultFields())
    QObject::connect(f.Edit(field), &QLineEdit::textChanged, f.Edit(field), [this] { ran_ = true; });
  // 実行 of each panel (and pipe flow's 放 熱): a run that finds the same
  // results draws again too, over a sweep's chart.
  for (const char* run : {Cylinder::Run, Flat::Run, Heating::Run, Cylinder::PipeFlowRun})
    f.OnClick(run, [this] { ran_ = true; });
  f.OnAfterOperation([this](bool) { AfterOperation(); });
}

void CalculatorChart::AfterOperation() {
  const ScreenCalculator c = CalculatorOnScreen(f, panels_);
  const bool ran = std::exchange(ran_, false);
  if (!ran && c.identity == drawn_) return;
  Draw(c);
}

void CalculatorChart::Draw() { Draw(CalculatorOnScreen(f, panels_)); }

void CalculatorChart::Draw(const ScreenCalculator& c) {
  drawn_ = c.identity;
  ChartView& chart = view_.Chart();
  if (!c) {
    work_.Cancel();
    chart.Clear();
    return;
  }
  auto fields = std::make_shared<FieldSnapshot>(f);
  if (!CurvesMayTakeLong(c)) {
    work_.Cancel();
    chart.Draw(PlotOf(c, *fields, nullptr));
    return;
  }
  auto plot = std::make_shared<ChartPlot>();
  work_.Start(
      [c, fields, plot](curves::SweepControl& control) { *plot = PlotOf(c, *fields, &control.cancel); },
      [&chart, plot] { chart.Draw(*plot); });
  if (work_.Busy()) chart.Draw(Titled(QStringLiteral("グラフを計算しています…")));
}

void CalculatorChart::Cancel() {
  if (!work_.Busy()) return;
  work_.Cancel();
  view_.Chart().Draw(Titled(QStringLiteral("グラフの計算を中止しました")));
}
