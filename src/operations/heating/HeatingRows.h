// The heating calculators as rows, as the pages see them: liquid, gas and
// solid heated by a heater, and a gas heated by the container's wall. All
// four share the heating panel and its Run; each has its name, its method
// and its block of the comparison table, and the panel's chart.
#pragma once

#include <span>

#include "operations/common/CalculatorRow.h"
#include "store/CalculatorCode.h"

namespace heating {

struct HeatingCalculatorRow {
  Calculator code;
  const char* name;
  CalculatorHooks hooks;
};

std::span<const HeatingCalculatorRow> HeatingCalculatorRows();
// nullptr for a code that is no heating calculator.
const HeatingCalculatorRow* HeatingCalculatorOf(Calculator code);

// The heating panel's chart: the heat-up at the power found, or the gas in
// the box heated by its wall, from the very Run on f (a copy of the
// window's fields); its long searches watch stop.
ChartPlot HeatingChart(Fields& f, const std::atomic<bool>* stop);

}  // namespace heating
