// The method of a report in one or two lines: for the coefficient panel the
// formula's own line of the formula texts (formtext/*.txt, the texts the
// reference view shows), for the heat-loss and heating calculators a plain
// sentence of what the calculation does and the surface model it uses.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "store/CalculatorCode.h"

enum class CalculatorFamily { HeatLoss, Heating, Coefficient };

// The lines for a heat-loss or heating calculator; cooling: the flat plate
// follows its natural cooling over time. A code that does not belong to the
// family gives the family's general sentence.
QStringList CalculatorMethod(std::optional<Calculator> calculator, CalculatorFamily family, bool cooling);

// The line of formula `number` in the formula texts of `folder` ("52 垂直平板
// ..."), then the formula as the panel shows it ("計算式 h=..."); either is
// left out where there is none.
QStringList CoefficientMethod(const QString& folder, const QString& number, const QString& panelFormula);
