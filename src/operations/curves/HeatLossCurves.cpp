// The heat-loss calculators' charts: the inputs as their Runs read them
// (HeatLossInputs.h, after the panel's guards), the same calculation, and
// the history or the layer profile it hands out.
#include <optional>

#include "calc/curves/LayerProfile.h"
#include "calc/heatloss/PipeFlow.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "foundation/NumberText.h"
#include "operations/curves/CalculatorCurves.h"
#include "operations/heatloss/CylinderPanel.h"
#include "operations/heatloss/FlatPanel.h"
#include "operations/heatloss/HeatLossCalculator.h"
#include "operations/heatloss/HeatLossInputs.h"
#include "widgets/Fields.h"

using namespace HeatLossCalc;
using namespace CurveParts;

namespace {

const QString kFromInside = QStringLiteral("内面からの位置 mm");
const QString kProfile = QStringLiteral("層内の温度");
const QString kBoundary = QStringLiteral("層の境界");
const QString kAir = QStringLiteral("外気温度");

// The profile from the inner side to the air, each boundary between two
// layers marked, the air as a level. air in degC.
ChartPlot ProfilePlot(const QString& title, const QString& xCaption, const curves::LayerProfile& p,
                      long double air) {
  ChartPlot plot = NewPlot(title, xCaption, kTemperature);
  plot.curves.push_back(NewCurve(kProfile, p.points));
  for (size_t i = 1; i + 1 < p.boundaries.size(); ++i)
    plot.curves.push_back(MarkAt(kBoundary, p.boundaries[i].x));
  plot.curves.push_back(Level(kAir, air, p.points.front().x, p.points.back().x));
  return plot;
}

ChartPlot FlatPlate(Fields& f) {
  const bool cools = FlatPlateCools(f);
  const QString title =
      cools ? QStringLiteral("平板放熱（自然放熱）　板の温度") : QStringLiteral("平板放熱　層内の温度");
  if (!FlatPanel::Ready(f)) return NoResult(title);
  const std::optional<FlatPlateInputs> in = FlatPlateInputsOf(f);
  if (!in) return NoResult(title);
  const long double air = in->Ta - kKelvin;
  if (!cools)
    return ProfilePlot(title, kFromInside, curves::FlatPlateProfile(*in, FlatPlateSteady(*in)), air);

  const CoolingInputs cooling = FlatPlateCoolingOf(f);
  curves::Series plate;
  FlatPlateCooling(*in, cooling, &plate);
  ChartPlot plot = NewPlot(cooling.bothFaces ? QStringLiteral("平板放熱（自然放熱・両面）　板の温度") : title,
                           kHours, kTemperature);
  plot.curves.push_back(NewCurve(QStringLiteral("板の温度"), plate));
  plot.curves.push_back(Level(kAir, air, 0, plate.back().x));
  return plot;
}

ChartPlot FlatWall(Fields& f) {
  const QString title = QStringLiteral("平板熱通過　層内の温度");
  if (!FlatPanel::Ready(f)) return NoResult(title);
  const std::optional<FlatWallInputs> in = FlatWallInputsOf(f);
  if (!in) return NoResult(title);
  const curves::LayerProfile p = curves::FlatWallProfile(*in, FlatWallTransmission(*in));
  ChartPlot plot = ProfilePlot(title, kFromInside, p, in->Ta - kKelvin);
  plot.curves.push_back(
      Level(QStringLiteral("内気温度"), in->Tg - kKelvin, p.points.front().x, p.points.back().x));
  return plot;
}

ChartPlot Cylinder(Fields& f) {
  const QString title = QStringLiteral("円筒の放熱　層内の温度");
  if (!CylinderPanel::Ready(f)) return NoResult(title);
  const std::optional<CylinderInputs> in = CylinderInputsOf(f);
  if (!in) return NoResult(title);
  return ProfilePlot(title, kFromInside, curves::CylinderProfile(*in, CylinderHeatLoss(*in)), in->Ta);
}

ChartPlot PipeFlow(Fields& f) {
  const QString title = QStringLiteral("管内流体の温度　管の長さ方向");
  if (!CylinderPanel::Ready(f)) return NoResult(title);
  const std::optional<PipeFlowInputs> in = PipeFlowInputsOf(f);
  if (!in) return NoResult(title);
  PipeFlowHistory history;
  PipeFlowTemperature(*in, &history);
  ChartPlot plot = NewPlot(title, QStringLiteral("入口からの長さ m"), kTemperature);
  plot.curves.push_back(NewCurve(QStringLiteral("流体温度"), history.fluid));
  plot.curves.push_back(NewCurve(QStringLiteral("外表面温度"), history.outerSurface));
  plot.curves.push_back(Level(kAir, in->Ta - kKelvin, 0, history.fluid.back().x));
  return plot;
}

// The heater's temperatures as its Run finds them, from the surface inwards.
ChartPlot Heater(Fields& f) {
  const QString title = QStringLiteral("ヒーター温度　層内の温度");
  if (!CylinderPanel::Ready(f)) return NoResult(title);
  const std::optional<HeaterInputs> in = HeaterInputsOf(f);
  if (!in) return NoResult(title);
  curves::HeaterTemperatures t;
  t.surface = HeaterSurfaceTemperature(*in);
  t.sheathInner = LayerInnerTemperature(in->Q, f.Number("Edit7"), in->L, f.Number("Edit11"),
                                        f.Number("Edit10"), t.surface);
  t.wire = LayerInnerTemperature(in->Q, f.Number("Edit6"), in->L, f.Number("Edit10"), f.Number("Edit9"),
                                 t.sheathInner);
  curves::HeaterLayers layers;
  layers.wireD = f.Number("Edit9");
  layers.insulationD = f.Number("Edit10");
  layers.sheathD = f.Number("Edit11");
  const curves::LayerProfile p = curves::HeaterProfile(*in, layers, t);

  // The wire's part rests on a conductivity the panel has no field for:
  // drawn dashed, and its legend says what was taken.
  const long double wireSurface = p.boundaries.front().x;
  curves::Series wire, rest;
  for (const curves::Point& point : p.points) {
    if (point.x <= wireSurface) wire.push_back(point);
    if (point.x >= wireSurface) rest.push_back(point);
  }
  ChartPlot plot = NewPlot(title, QStringLiteral("発熱線の中心からの位置 mm"), kTemperature);
  plot.curves.push_back(NewCurve(kProfile, rest));
  plot.curves.push_back(NewCurve(QStringLiteral("発熱線内（熱伝導率 %1 W/(m・℃) と仮定）")
                                     .arg(NumberText(curves::kTypicalWireConductivity)),
                                 wire, ChartCurve::Dashed));
  for (const curves::Point& b : p.boundaries)
    if (b.x < p.boundaries.back().x) plot.curves.push_back(MarkAt(kBoundary, b.x));
  plot.curves.push_back(Level(kAir, in->Ta, 0, p.points.back().x));
  return plot;
}

}  // namespace

ChartPlot CurveParts::HeatLossCurves(const HeatLossCalculator& c, Fields& f) {
  switch (c.code) {
    case Calculator::FlatPlate:
      return FlatPlate(f);
    case Calculator::FlatWall:
      return FlatWall(f);
    case Calculator::Cylinder:
      return Cylinder(f);
    case Calculator::PipeFlow:
    case Calculator::PipeFlowLegacy:
      return PipeFlow(f);
    case Calculator::Heater:
      return Heater(f);
    default:
      return {};
  }
}
