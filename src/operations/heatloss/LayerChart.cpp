#include "operations/heatloss/LayerChart.h"

using namespace CurveParts;

namespace LayerChart {

ChartPlot ProfilePlot(const QString& title, const QString& xCaption, const curves::LayerProfile& p,
                      long double air) {
  ChartPlot plot = NewPlot(title, xCaption, kTemperature);
  plot.curves.push_back(NewCurve(kProfile, p.points));
  for (size_t i = 1; i + 1 < p.boundaries.size(); ++i)
    plot.curves.push_back(MarkAt(kBoundary, p.boundaries[i].x));
  plot.curves.push_back(Level(kAir, air, p.points.front().x, p.points.back().x));
  return plot;
}

}  // namespace LayerChart
