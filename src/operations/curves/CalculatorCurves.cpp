#include "operations/curves/CalculatorCurves.h"

#include "foundation/FloatFaults.h"
#include "operations/calculators/ScreenCalculator.h"
#include "operations/common/CurveParts.h"

ChartPlot CalculatorCurves(const ScreenCalculator& c, Fields& f, const std::atomic<bool>* stop) {
  if (!c) return {};
  if (!c.hooks->curve) return CurveParts::NewPlot(NotOffered(c.name, QStringLiteral("グラフ")), QString(), QString());
  FloatFaults::Clear();
  ChartPlot plot = c.hooks->curve(f, stop);
  // A fault in the calculation leaves no curve that could be trusted.
  FloatFaults::Check();
  return plot;
}

bool CurvesMayTakeLong(const ScreenCalculator& c) { return c && c.hooks->curveTakesLong; }
