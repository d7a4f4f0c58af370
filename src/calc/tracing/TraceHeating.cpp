#include "calc/tracing/TraceHeating.h"

#include <cmath>
#include <iterator>

#include "calc/surface/TemperatureConductivity.h"
#include "calc/tracing/PipeSection.h"

namespace TracingCalc {

namespace {

// The design guide's rows: outer diameter of the nominal size (m), a flanged
// valve and a flanged joint (m of heater).
struct AllowanceRow {
  long double D, valve, flange;
};
constexpr AllowanceRow kAllowances[] = {
    {0.0213L, 0.38L, 0.38L},   // DN 15
    {0.0267L, 0.46L, 0.46L},   // DN 20
    {0.0334L, 0.61L, 0.46L},   // DN 25
    {0.0422L, 0.61L, 0.53L},   // DN 32
    {0.0483L, 0.76L, 0.61L},   // DN 40
    {0.0603L, 0.76L, 0.61L},   // DN 50
    {0.0889L, 1.07L, 0.69L},   // DN 80
    {0.1143L, 1.52L, 0.84L},   // DN 100
    {0.1683L, 2.44L, 0.99L},   // DN 150
    {0.2191L, 3.35L, 1.14L},   // DN 200
    {0.2731L, 4.27L, 1.30L},   // DN 250
    {0.3239L, 5.03L, 1.52L},   // DN 300
    {0.3556L, 5.94L, 1.68L},   // DN 350
    {0.4064L, 7.01L, 1.83L},   // DN 400
    {0.4572L, 8.23L, 1.98L},   // DN 450
    {0.5080L, 9.14L, 2.21L},   // DN 500
    {0.6096L, 10.97L, 2.51L},  // DN 600
    {0.7620L, 12.80L, 3.05L},  // DN 750
};
constexpr long double kSupportAllowance = 0.3L;

// Runs beyond this many are no design; the count stops there.
constexpr long double kMostRuns = 1000000;

HeatLossCalc::CylinderInputs CylinderAt(const TraceInputs& in, long double pipeC, long double airC) {
  HeatLossCalc::CylinderInputs c = in.pipe;
  c.Ti = pipeC;
  c.Ta = airC;
  return c;
}

// The output of `runs` runs against the pipe temperature.
struct RunsOutput {
  const TraceHeater& heater;
  int runs;
  long double operator()(long double T) const { return runs * heater.OutputAt(T); }
};

}  // namespace

long double TraceHeater::OutputAt(long double T) const {
  if (!selfLimiting) return output;
  const long double q = lowOutput + (highOutput - lowOutput) * (T - lowC) / (highC - lowC);
  return q > 0 ? q : 0;
}

Fittings DefaultAllowances(long double D) {
  const AllowanceRow* row = &kAllowances[std::size(kAllowances) - 1];
  for (const AllowanceRow& r : kAllowances) {
    if (r.D >= D) {
      row = &r;
      break;
    }
  }
  Fittings f;
  f.valveLength = row->valve;
  f.flangeLength = row->flange;
  f.supportLength = kSupportAllowance;
  return f;
}

TraceFault ValidateTrace(const TraceInputs& in) {
  const HeatLossCalc::CylinderInputs& p = in.pipe;
  if (!(p.D1 > 0)) return TraceFault::PipeDiameter;
  if (!(p.t1 >= 0 && 2 * p.t1 < p.D1)) return TraceFault::PipeWall;
  if (!(p.L > 0)) return TraceFault::Length;
  if (!(p.t2 >= 0)) return TraceFault::InsulationThickness;
  if (!(p.e >= 0 && p.e <= 1)) return TraceFault::Emissivity;
  if (p.outer.on ? !(p.outer.wind >= 0 && in.windAtMax >= 0) : !(p.h > 0)) return TraceFault::Coefficient;
  if (!(in.holdC > in.minAmbientC)) return TraceFault::HoldTemperature;
  if (!(in.maxAmbientC >= in.minAmbientC)) return TraceFault::MaxAmbient;
  // Every temperature the layers see lies between the coldest air and the
  // hotter of the hold temperature and the hottest air.
  const long double top = fmaxl(in.holdC, in.maxAmbientC);
  if (!(p.k1 > 0) ||
      !SurfaceCalc::ConductivityPositive(HeatLossCalc::WithChange(p.k1, p.k1T), in.minAmbientC, top))
    return TraceFault::PipeConductivity;
  if (!(p.k2 > 0) ||
      !SurfaceCalc::ConductivityPositive(HeatLossCalc::WithChange(p.k2, p.k2T), in.minAmbientC, top))
    return TraceFault::InsulationConductivity;
  if (!(in.safety >= 0)) return TraceFault::SafetyFactor;
  const TraceHeater& h = in.heater;
  if (h.selfLimiting) {
    if (!(h.highC > h.lowC) || !(h.lowOutput > h.highOutput) || !(h.highOutput >= 0))
      return TraceFault::HeaterPoints;
    if (!(h.OutputAt(in.holdC) > 0)) return TraceFault::HeaterOutput;
  } else if (!(h.output > 0)) {
    return TraceFault::HeaterOutput;
  }
  const Fittings& f = in.fittings;
  if (f.valves < 0 || f.flanges < 0 || f.supports < 0 || !(f.valveLength >= 0) || !(f.flangeLength >= 0) ||
      !(f.supportLength >= 0))
    return TraceFault::Fittings;
  return TraceFault::None;
}

long double LossPerMetre(const TraceInputs& in, long double T) {
  return HeatLossCalc::CylinderHeatLoss(CylinderAt(in, T, in.minAmbientC)).total / in.pipe.L;
}

namespace {

// The runs the required output takes, at least one.
int RunsFor(long double required, long double runOutput) {
  const long double n = ceill(required / runOutput);
  if (!(n > 1)) return 1;
  return static_cast<int>(fminl(n, kMostRuns));
}

}  // namespace

TraceResult DesignTrace(const TraceInputs& in) {
  TraceResult r;
  r.cylinder = HeatLossCalc::CylinderHeatLoss(CylinderAt(in, in.holdC, in.minAmbientC));
  r.loss = r.cylinder.total / in.pipe.L;
  r.required = r.loss * (1 + in.safety / 100);
  r.runOutput = in.heater.OutputAt(in.holdC);
  r.runs = RunsFor(r.required, r.runOutput);
  r.installed = r.runs * r.runOutput;
  r.margin = r.installed - r.loss;
  r.marginPercent = r.loss > 0 ? r.margin / r.loss * 100 : 0;
  r.allowance = in.fittings.Allowance();
  r.circuit = in.pipe.L + r.allowance;
  r.heaterLength = r.runs * r.circuit;
  r.power = r.heaterLength * r.runOutput;

  const RunsOutput output{in.heater, r.runs};
  // No table of the convection: a balance takes a few dozen evaluations.
  const PipeSection hottest(in.pipe, in.maxAmbientC, in.windAtMax, false, 0);
  if (const std::optional<SectionState> s = hottest.Balance(output)) {
    r.highestFound = true;
    r.highestC = s->pipe;
    r.highestSurfaceC = s->surface;
  }
  const PipeSection coldest(in.pipe, in.minAmbientC, in.pipe.outer.wind, false, 0);
  if (const std::optional<SectionState> s = coldest.Balance(output)) {
    r.holdingFound = true;
    r.holdingC = s->pipe;
  }
  return r;
}

int RunsNeeded(const TraceInputs& in, long double thickness) {
  TraceInputs t = in;
  t.pipe.t2 = thickness;
  return RunsFor(LossPerMetre(t, t.holdC) * (1 + t.safety / 100), t.heater.OutputAt(t.holdC));
}

bool RunsHold(const TraceInputs& in, long double thickness, int runs) {
  return RunsNeeded(in, thickness) <= runs;
}

TraceCurves TraceCurvesOf(const TraceInputs& in, int runs, long double fromC, long double toC, int points) {
  TraceCurves c;
  if (points < 2) points = 2;
  const RunsOutput output{in.heater, runs};
  c.loss.reserve(points);
  c.output.reserve(points);
  for (int i = 0; i < points; ++i) {
    const long double T = fromC + (toC - fromC) * i / (points - 1);
    c.loss.push_back({T, LossPerMetre(in, T)});
    c.output.push_back({T, output(T)});
  }
  const PipeSection coldest(in.pipe, in.minAmbientC, in.pipe.outer.wind, false, 0);
  if (const std::optional<SectionState> s = coldest.Balance(output)) {
    c.crossed = true;
    c.crossing = {s->pipe, s->loss};
  }
  return c;
}

}  // namespace TracingCalc
