// The layer profile chart the heat-loss calculators share: the temperature
// from the inner side through every layer to the air.
#pragma once

#include "calc/curves/LayerProfile.h"
#include "operations/common/CurveParts.h"

namespace LayerChart {

inline const QString kFromInside = QStringLiteral("内面からの位置 mm");
inline const QString kAir = QStringLiteral("外気温度");
inline const QString kBoundary = QStringLiteral("層の境界");
inline const QString kProfile = QStringLiteral("層内の温度");

// The profile from the inner side to the air, each boundary between two
// layers marked, the air as a level. air in degC.
ChartPlot ProfilePlot(const QString& title, const QString& xCaption, const curves::LayerProfile& p,
                      long double air);

}  // namespace LayerChart
