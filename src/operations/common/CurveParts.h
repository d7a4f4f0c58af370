// The parts of a calculator's chart: its plot with captions, curves from a
// calculation's series, levels (the air, a target) and marks (a layer
// boundary, the rise time). Each calculator row builds its chart from them
// (CalculatorRow.h, CalculatorHooks::curve).
#pragma once

#include "calc/numeric/Series.h"
#include "widgets/ChartView.h"

namespace CurveParts {

inline const QString kTemperature = QStringLiteral("温度 ℃");
inline const QString kHours = QStringLiteral("時間 h");

std::vector<ChartPoint> Points(const curves::Series& s);
ChartPlot NewPlot(const QString& title, const QString& xCaption, const QString& yCaption);
ChartCurve NewCurve(const QString& title, const curves::Series& s,
                    ChartCurve::Style style = ChartCurve::Line);
// A dashed level y from x0 to x1 (the air, a target temperature).
ChartCurve Level(const QString& title, long double y, long double x0, long double x1);
// A vertical line at x (a layer boundary, the rise time).
ChartCurve MarkAt(const QString& title, long double x);
// The title of a chart the Run gave no result for.
ChartPlot NoResult(const QString& title);

}  // namespace CurveParts
