// The chart of the calculator on screen: the course its calculation takes
// (the plate's cooling, the fluid along the pipe, the heat-up at the power
// found, the gas in the heated box) or the temperature through its layers,
// from the very Run of 実行 on a copy of the window's fields, by its row's
// curve hook.
#pragma once

#include <atomic>

#include "widgets/ChartView.h"

class Fields;
struct ScreenCalculator;

// The chart of c on f (a copy of the window's fields, written as the Run
// writes them), in any thread. A plot without curves, its title saying so,
// when the Run gives no result or the calculator has no chart; throws what
// the Run throws (AppError). Long calculations watch stop: once it is true
// the plot means nothing.
ChartPlot CalculatorCurves(const ScreenCalculator& c, Fields& f, const std::atomic<bool>* stop = nullptr);

// Whether drawing c may take long (the heating panel: the gas power search
// and the wall integrations take up to seconds), so that it is drawn off
// the window's thread.
bool CurvesMayTakeLong(const ScreenCalculator& c);
