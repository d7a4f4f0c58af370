// The chart of the calculator on screen: the course its calculation takes
// (the plate's cooling, the fluid along the pipe, the heat-up at the power
// found, the gas in the heated box) or the temperature through its layers,
// from the very Run of 実行 on a copy of the window's fields.
#pragma once

#include <atomic>

#include "calc/numeric/Series.h"
#include "widgets/ChartView.h"

class Fields;
struct HeatLossCalculator;
struct ScreenCalculator;

// The chart of c on f (a copy of the window's fields, written as the Run
// writes them), in any thread. A plot without curves, its title saying so,
// when the Run gives no result; throws what the Run throws (AppError). The
// heating calculations watch stop: once it is true the plot means nothing.
ChartPlot CalculatorCurves(const ScreenCalculator& c, Fields& f, const std::atomic<bool>* stop = nullptr);

// Whether drawing c may take long (the heating panel: the gas power search
// and the wall integrations take up to seconds), so that it is drawn off
// the window's thread.
bool CurvesMayTakeLong(const ScreenCalculator& c);

// The parts both kinds of calculator use.
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

// The heat-loss calculators and the heating panel.
ChartPlot HeatLossCurves(const HeatLossCalculator& c, Fields& f);
ChartPlot HeatingCurves(Fields& f, const std::atomic<bool>* stop);

}  // namespace CurveParts
