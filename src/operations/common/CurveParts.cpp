#include "operations/common/CurveParts.h"

namespace CurveParts {

std::vector<ChartPoint> Points(const curves::Series& s) {
  std::vector<ChartPoint> points;
  points.reserve(s.size());
  for (const curves::Point& p : s) points.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  return points;
}

ChartPlot NewPlot(const QString& title, const QString& xCaption, const QString& yCaption) {
  ChartPlot plot;
  plot.title = title;
  plot.xCaption = xCaption;
  plot.yCaption = yCaption;
  return plot;
}

ChartCurve NewCurve(const QString& title, const curves::Series& s, ChartCurve::Style style) {
  ChartCurve curve;
  curve.title = title;
  curve.points = Points(s);
  curve.style = style;
  return curve;
}

ChartCurve Level(const QString& title, long double y, long double x0, long double x1) {
  return NewCurve(title, {{x0, y}, {x1, y}}, ChartCurve::Dashed);
}

ChartCurve MarkAt(const QString& title, long double x) { return NewCurve(title, {{x, 0}}, ChartCurve::Mark); }

ChartPlot NoResult(const QString& title) {
  return NewPlot(title + QStringLiteral("（計算結果がありません）"), QString(), QString());
}

}  // namespace CurveParts
