#include "operations/fem/FemResults.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "calc/fem/FemAssembly.h"
#include "calc/numeric/Rounding.h"
#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/common/MemoControls.h"
#include "operations/fem/FemSheetHeaders.h"
#include "widgets/ChartView.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

namespace {

const QString kChartTitle = QStringLiteral("有限要素法　要素の温度");

int Magnitude(long double x) { return static_cast<int>(floorl(log10l(fabsl(x)))); }

// The flows to a common number of decimals: hundredths as every heat in W,
// more where the largest flow is small, so that it keeps four digits.
int FlowDecimals(long double largest) {
  if (!(largest > 0) || !std::isfinite(largest)) return 2;
  return std::clamp(3 - Magnitude(largest), 2, 12);
}

// Three significant digits, for the numbers a message quotes.
QString Significant(long double x) {
  if (x == 0 || !std::isfinite(x)) return NumberText(x);
  return RoundedText(x, std::max(0, 2 - Magnitude(x)));
}

// 1.23E13: the condition number, which is large.
QString Scientific(long double x) {
  if (!(x > 0) || !std::isfinite(x)) return NumberText(x);
  int e = Magnitude(x);
  long double mantissa = Rounding::To(x / powl(10.0L, e), 2);
  if (mantissa >= 10) {
    mantissa /= 10;
    ++e;
  }
  return NumberText(mantissa) + QLatin1Char('E') + QString::number(e);
}

// The size of the terms whose sums are the flows, Σ_e (Σ_k |G_ek·T_k| + |b_e|):
// the solve leaves a residual of up to 1e-12 of it, and so may the sum of
// the flows, however consistent the model.
long double TermScale(const FemTable& table, const std::vector<long double>& t) {
  const FemSystem system = FemAssembly::Assemble(table);
  long double scale = 0;
  for (size_t e = 0; e < system.b.size(); ++e) {
    scale += fabsl(system.b[e]);
    for (size_t k = 0; k < t.size(); ++k) scale += fabsl(system.g[e][k] * t[k]);
  }
  return scale;
}

}  // namespace

FemCells FemResults::Cells() const { return FemCells(*f.Grid(Memos::GridMemo)); }

void FemResults::Clear(int lastRow) {
  FemCells s = Cells();
  s.Empty(kFemTemperatureColumn, kFemFlowColumn, kFemFirstRow, lastRow);
  s.Empty(kFemFlowColumn, kFemFlowColumn, kFemFlowSumRow, kFemFlowSumRow);
  ClearChart();
}

void FemResults::Show(const FemTable& table) {
  FemCells s = Cells();
  const int v = s.Integer(6, 0);
  s.Set(kFemTemperatureColumn, 2, FemSheetTexts::TemperatureCaption());
  s.Set(kFemFlowColumn, 2, FemSheetTexts::FlowCaption());
  s.Set(kFemFlowColumn, kFemFlowSumRow - 1, FemSheetTexts::FlowSumCaption());

  solution_ = SolveFemTable(table);
  if (solution_.status != FemSolveStatus::Solved) {
    // What the failed factorisation raised is no fault of the sheet: the
    // message says why there are no temperatures.
    FloatFaults::Clear();
    f.Message(Reason(s));
    return;
  }

  // Table row k is grid row k+2; below row v+2 the block begins.
  const std::vector<long double>& t = solution_.temperatures;
  for (int e = 1; e <= std::min<int>(t.size(), v); ++e)
    s.Set(kFemTemperatureColumn, e + 2, RoundHundredths(t[e - 1]));
  const FemBalance& balance = solution_.balance;
  const int decimals = FlowDecimals(balance.largest);
  for (const FemBoundaryFlow& flow : balance.flows)
    if (flow.row <= v) s.Set(kFemFlowColumn, flow.row + 2, RoundedText(flow.heat, decimals));
  s.Set(kFemFlowColumn, kFemFlowSumRow, RoundedText(balance.sum, decimals));
  Draw();
  // A sum within the solve's own rounding says nothing of the model, even
  // where the flows themselves are as small (no heat moves).
  if (balance.unbalanced && fabsl(balance.sum) > 1e-12L * TermScale(table, t))
    f.Message(FemSheetTexts::Unbalanced(Significant(balance.sum), Significant(balance.largest)));
}

QString FemResults::Reason(const FemCells& s) const {
  if (solution_.status == FemSolveStatus::Floating) {
    QStringList names;
    for (int e : solution_.floating) {
      const QString name = s.Text(1, e + 2).trimmed();
      names << (name.isEmpty() ? QString::fromStdString(FemElementName(e)) : name);
    }
    return FemSheetTexts::FloatingElements(names.join(QStringLiteral("、")));
  }
  return FemSheetTexts::SingularSystem(solution_.condition > 0 ? Scientific(solution_.condition) : QString());
}

void FemResults::Draw() {
  ChartCurve curve{QStringLiteral("温度"), {}, ChartCurve::Line};
  const std::vector<long double>& t = solution_.temperatures;
  for (size_t e = 0; e < t.size(); ++e)
    curve.points.push_back({static_cast<double>(e + 1), static_cast<double>(t[e])});
  ChartPlot plot{kChartTitle, QStringLiteral("要素番号"), QStringLiteral("温度 ℃"), {curve}, QString()};
  plot.wholeX = true;  // element numbers
  analysis_.Chart().Draw(plot);
}

void FemResults::ClearChart() {
  ChartView& chart = analysis_.Chart();
  if (chart.Plot().title == kChartTitle) chart.Clear();
}
