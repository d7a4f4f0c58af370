// The method of a report in one or two lines: for the coefficient panel the
// formula's own line of the formula texts (formtext/*.txt, the texts the
// reference view shows), for the heat-loss and heating calculators a plain
// sentence of what the calculation does and the surface model it uses.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "operations/common/CalculatorRow.h"

enum class CalculatorFamily { HeatLoss, Heating, Coefficient };

// The lines for a heat-loss or heating calculator: its row's method in the
// modes on screen; a calculator without one (or none) gives the family's
// general sentence.
QStringList CalculatorMethod(const CalculatorHooks* hooks, CalculatorFamily family, const RunModes& modes);

// The line of formula `number` in the formula texts of `folder` ("52 垂直平板
// ..."), then the formula as the panel shows it ("計算式 h=..."); either is
// left out where there is none.
QStringList CoefficientMethod(const QString& folder, const QString& number, const QString& panelFormula);
