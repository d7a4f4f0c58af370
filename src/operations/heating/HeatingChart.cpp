// The heating panel's charts: its Run on the copy of the fields hands out
// the model and the power it found (HeatingTrace), and the course is that
// model run once more at that power: the contents of a tank, or the gas,
// wall and surface of the heated box, against the time. Wall heating
// records the gas of its three integrations as it runs them.
#include "calc/heating/GasHeating.h"
#include "calc/heating/HeaterPowerSearch.h"
#include "operations/common/CurveParts.h"
#include "operations/common/HeatingControls.h"
#include "operations/heating/HeatingPanel.h"
#include "operations/heating/HeatingRows.h"
#include "operations/heating/HeatingTrace.h"
#include "widgets/Fields.h"

using namespace CurveParts;

namespace {

// Points of a long history: every step up to this many, else every n-th.
constexpr long long kMaxCurvePoints = 2000;

const QString kTarget = QStringLiteral("加熱後温度 T₁");
const QString kRiseTime = QStringLiteral("上昇時間");
const QString kSurface = QStringLiteral("外表面温度");

// The target T1 (K) as a level and the rise time as a mark; the level runs
// on a little beyond the rise time, so that the mark stands inside the plot.
void AddTargets(ChartPlot& plot, long double T1, long double riseTime) {
  plot.curves.push_back(Level(kTarget, T1 - heating::kKelvin, 0, riseTime * 1.1L));
  plot.curves.push_back(MarkAt(kRiseTime, riseTime));
}

ChartPlot TankChart(Fields& f, const HeatingTrace& trace, const QString& title) {
  heating::HeatingCurves record;
  heating::SimulateHeating(trace.tank, trace.tankPower, &record);
  ChartPlot plot = NewPlot(title, kHours, kTemperature);
  // "液体の加熱" names the contents in its first two characters.
  plot.curves.push_back(NewCurve(f.Text(Heating::Title).left(2) + QStringLiteral("の温度"), record.content));
  if (!record.surface.empty()) plot.curves.push_back(NewCurve(kSurface, record.surface));
  AddTargets(plot, trace.tank.T1, f.Number(Heating::RiseTime));
  return plot;
}

ChartPlot GasChart(Fields& f, const HeatingTrace& trace, const QString& title) {
  heating::GasCurves record;
  record.stride = curves::StrideFor(trace.box.steps, kMaxCurvePoints);
  heating::IntegrateGas(trace.box, trace.gasPower, &record);
  ChartPlot plot = NewPlot(title, kHours, kTemperature);
  plot.curves.push_back(NewCurve(QStringLiteral("気体の温度"), record.gas));
  plot.curves.push_back(NewCurve(QStringLiteral("内壁の温度"), record.wall));
  // Dashed: without insulation the surface lies on the wall.
  plot.curves.push_back(NewCurve(kSurface, record.surface, ChartCurve::Dashed));
  AddTargets(plot, trace.box.T1, f.Number(Heating::RiseTime));
  return plot;
}

ChartPlot WallChart(const HeatingTrace& trace) {
  ChartPlot plot =
      NewPlot(trace.overshoot ? QStringLiteral("壁面からの加熱　気体の温度（気体量が少な過ぎます）")
                              : QStringLiteral("壁面からの加熱　気体の温度"),
              kHours, kTemperature);
  plot.curves.push_back(NewCurve(QStringLiteral("対流のみ"), trace.convection.gas));
  plot.curves.push_back(NewCurve(QStringLiteral("放射のみ"), trace.radiation.gas));
  plot.curves.push_back(NewCurve(QStringLiteral("対流と放射"), trace.both.gas));
  plot.curves.push_back(Level(QStringLiteral("壁面温度"), trace.walled.Th - heating::kKelvin, 0,
                              trace.convection.gas.back().x));
  return plot;
}

}  // namespace

ChartPlot heating::HeatingChart(Fields& f, const std::atomic<bool>* stop) {
  HeatingTrace trace;
  trace.stop = stop;
  trace.wallCurvePoints = kMaxCurvePoints;
  HeatingPanel::RunTraced(f, &trace);
  const QString material = f.Text(Heating::Title);
  switch (trace.model) {
    case HeatingTrace::Model::Tank:
      return TankChart(
          f, trace,
          material + QStringLiteral("　ヒーター ") + f.Text(Heating::Result1) + QStringLiteral(" W"));
    case HeatingTrace::Model::Gas:
      return GasChart(
          f, trace,
          material + QStringLiteral("　ヒーター ") + f.Text(Heating::Result1) + QStringLiteral(" W"));
    case HeatingTrace::Model::Wall:
      return WallChart(trace);
    case HeatingTrace::Model::None:
      break;
  }
  return NoResult(f.Modes().panels.heating.wallHeating ? QStringLiteral("壁面からの加熱") : material);
}
