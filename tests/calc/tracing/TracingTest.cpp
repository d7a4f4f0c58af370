// Trace heating and freeze time: the design's balances close and agree with
// the cylinder of the heat-loss calculator, the installed output holds the
// line in a forward run of the cylinder, the freeze march meets the
// published estimate and the exponential law, and the inputs a panel must
// refuse are named.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calc/heatloss/Cylinder.h"
#include "calc/tracing/FreezeTime.h"
#include "calc/tracing/TraceHeating.h"

using namespace TracingCalc;
using HeatLossCalc::ConductivityChange;
using HeatLossCalc::CylinderHeatLoss;
using HeatLossCalc::CylinderInputs;
using SurfaceCalc::Orientation;

namespace {

// A DN 50 steel line, 40 mm of mineral wool, a metal jacket, 80 m long.
CylinderInputs Line() {
  CylinderInputs p;
  p.D1 = 0.0603L;
  p.t1 = 0.0039L;
  p.k1 = 50;
  p.t2 = 0.04L;
  p.k2 = 0.04L;
  p.h = 10;
  p.e = 0.3L;
  p.sigma = 5.67e-8L;
  p.L = 80;
  return p;
}

TraceInputs Trace() {
  TraceInputs in;
  in.pipe = Line();
  in.holdC = 40;
  in.minAmbientC = -15;
  in.maxAmbientC = 35;
  in.heater.output = 10;
  in.fittings = DefaultAllowances(in.pipe.D1);
  in.fittings.valves = 3;
  in.fittings.flanges = 6;
  in.fittings.supports = 20;
  return in;
}

// The four ways a line is traced: typed h, automatic with wind (vertical),
// k(T) of the insulation, a self-limiting heater.
std::vector<TraceInputs> TraceCases() {
  std::vector<TraceInputs> cases(4, Trace());
  cases[1].pipe.outer.on = true;
  cases[1].pipe.outer.wind = 5;
  cases[1].pipe.outer.orientation = Orientation::VerticalPipe;
  cases[1].holdC = 120;
  cases[1].heater.output = 25;
  cases[2].pipe.k2T = ConductivityChange{1.5e-4L, 2e-7L};
  cases[2].pipe.t2 = 0.025L;
  cases[3].heater.selfLimiting = true;
  cases[3].heater.lowC = 10;
  cases[3].heater.lowOutput = 33;
  cases[3].heater.highC = 65;
  cases[3].heater.highOutput = 12;
  return cases;
}

long double CylinderLoss(const TraceInputs& in, long double pipeC, long double airC) {
  CylinderInputs c = in.pipe;
  c.Ti = pipeC;
  c.Ta = airC;
  return CylinderHeatLoss(c).total / c.L;
}

}  // namespace

TEST(TraceHeating, DesignBalancesCloseAndTheInstalledOutputHoldsTheLine) {
  for (const TraceInputs& in : TraceCases()) {
    SCOPED_TRACE(in.holdC);
    ASSERT_EQ(ValidateTrace(in), TraceFault::None);
    const TraceResult r = DesignTrace(in);
    // The loss is the cylinder calculator's, to the bit.
    CylinderInputs c = in.pipe;
    c.Ti = in.holdC;
    c.Ta = in.minAmbientC;
    EXPECT_EQ(r.loss, CylinderHeatLoss(c).total / c.L);
    EXPECT_EQ(r.cylinder.surface, CylinderHeatLoss(c).surface);
    // Runs: enough, and one fewer is not.
    EXPECT_NEAR(r.required, r.loss * 1.1L, 1e-12L);
    EXPECT_EQ(r.runOutput, in.heater.OutputAt(in.holdC));
    EXPECT_GE(r.installed, r.required);
    EXPECT_TRUE(r.runs == 1 || (r.runs - 1) * r.runOutput < r.required);
    EXPECT_NEAR(r.margin, r.installed - r.loss, 1e-12L);
    EXPECT_NEAR(r.circuit, in.pipe.L + 3 * in.fittings.valveLength + 6 * in.fittings.flangeLength + 20 * 0.3L,
                1e-12L);
    EXPECT_NEAR(r.power, r.runs * r.circuit * r.runOutput, 1e-9L);
    EXPECT_EQ(RunsNeeded(in, in.pipe.t2), r.runs);
    EXPECT_TRUE(RunsHold(in, in.pipe.t2, r.runs));
    if (r.runs > 1) {
      EXPECT_FALSE(RunsHold(in, in.pipe.t2, r.runs - 1));
    }

    // Forward check: the cylinder with the installed output as its inner
    // heat source (the pipe at the temperature it reaches at the coldest
    // air) holds the line, and loses that output within a scan step.
    ASSERT_TRUE(r.holdingFound);
    EXPECT_GE(r.holdingC, in.holdC);
    const long double installedThere = r.runs * in.heater.OutputAt(r.holdingC);
    EXPECT_NEAR(CylinderLoss(in, r.holdingC, in.minAmbientC), installedThere, 2e-3L * installedThere);
    // The no-flow check: the same balance at the hottest air, in still air.
    ASSERT_TRUE(r.highestFound);
    EXPECT_GT(r.highestC, r.holdingC);
    TraceInputs still = in;
    still.pipe.outer.wind = in.windAtMax;
    const long double installedHot = r.runs * in.heater.OutputAt(r.highestC);
    EXPECT_NEAR(CylinderLoss(still, r.highestC, in.maxAmbientC), installedHot, 2e-3L * installedHot);

    // The chart's curves cross where the design's holding balance lies.
    const TraceCurves curves = TraceCurvesOf(in, r.runs, in.minAmbientC, in.holdC + 200, 50);
    ASSERT_EQ(curves.loss.size(), 50u);
    EXPECT_EQ(curves.loss.front().y, CylinderLoss(in, in.minAmbientC, in.minAmbientC));
    ASSERT_TRUE(curves.crossed);
    EXPECT_NEAR(curves.crossing.x, r.holdingC, 1e-9L);
  }
}

TEST(TraceHeating, AThickerInsulationNeedsNoMoreRuns) {
  TraceInputs in = Trace();
  in.heater.output = 4;
  std::vector<int> runs;
  for (int mm = 10; mm <= 100; mm += 10) {
    in.pipe.t2 = mm / 1000.0L;
    runs.push_back(DesignTrace(in).runs);
    if (runs.size() > 1) {
      EXPECT_LE(runs.back(), runs[runs.size() - 2]);
    }
  }
  EXPECT_LT(runs.back(), runs.front());
}

TEST(TraceHeating, RefusedInputsNameTheirField) {
  TraceInputs in = Trace();
  in.holdC = -20;
  EXPECT_EQ(ValidateTrace(in), TraceFault::HoldTemperature);
  in = Trace();
  in.heater.selfLimiting = true;
  in.heater.lowC = 10;
  in.heater.lowOutput = 10;
  in.heater.highC = 65;
  in.heater.highOutput = 20;  // rising with temperature
  EXPECT_EQ(ValidateTrace(in), TraceFault::HeaterPoints);
  in.heater.highC = 10;  // one temperature twice
  in.heater.highOutput = 5;
  EXPECT_EQ(ValidateTrace(in), TraceFault::HeaterPoints);
  in.heater.highC = 30;  // falls to 0 before the hold temperature
  in.heater.highOutput = 0;
  EXPECT_EQ(ValidateTrace(in), TraceFault::HeaterOutput);
  in = Trace();
  in.maxAmbientC = -30;
  EXPECT_EQ(ValidateTrace(in), TraceFault::MaxAmbient);
  in = Trace();
  in.pipe.k2T = ConductivityChange{-2e-3L, 0};  // k falls to 0 at 20 ℃
  EXPECT_EQ(ValidateTrace(in), TraceFault::InsulationConductivity);
  in = Trace();
  in.fittings.supportLength = -1;
  EXPECT_EQ(ValidateTrace(in), TraceFault::Fittings);
}

namespace {

FreezeInputs Freeze() {
  FreezeInputs in;
  in.pipe = Line();
  in.pipe.Ta = -20;
  in.pipe.e = 0.9L;
  in.initialC = 10;
  return in;
}

}  // namespace

TEST(FreezeTime, MeetsThePublishedEstimateAndTheExponentialLaw) {
  // With the wall's heat and resistance and the air film left out, the
  // march is the published estimate, to 0.1 % and closer.
  FreezeInputs in = Freeze();
  in.wallDensity = 0;
  in.pipe.k1 = 1e12L;
  in.pipe.h = 1e9L;
  in.pipe.e = 0;
  FreezeResult r = FreezeTime(in);
  ASSERT_EQ(ValidateFreeze(in), FreezeFault::None);
  const long double Di = in.pipe.D1 - 2 * in.pipe.t1;
  const long double area = std::numbers::pi_v<long double> * Di * Di / 4;
  const long double R = logl((in.pipe.D1 + 2 * in.pipe.t2) / in.pipe.D1) / (2 * 3.14L * in.pipe.k2);
  const long double theta = 1000 * 4200 * area * R * logl(30.0L / 20.0L) / 3600;
  const long double thetaF = theta + 0.25L * 1000 * 333600 * area * R / 20 / 3600;
  EXPECT_NEAR(r.estimateCoolHours, theta, 1e-12L * theta);
  EXPECT_NEAR(r.estimateFreezeHours, thetaF, 1e-12L * thetaF);
  EXPECT_NEAR(r.coolHours, theta, 1e-3L * theta);
  EXPECT_NEAR(r.freezeHours, thetaF, 1e-3L * thetaF);

  // With the wall's heat, its resistance and a typed film (no radiation)
  // the loss is still linear in the temperature: the exponential law with
  // the whole resistance and the whole heat, to 1E-6.
  in = Freeze();
  in.pipe.e = 0;
  r = FreezeTime(in);
  const long double D2 = in.pipe.D1 + 2 * in.pipe.t2;
  const long double Rall =
      R + logl(in.pipe.D1 / Di) / (2 * 3.14L * in.pipe.k1) + 1 / (in.pipe.h * 3.14L * D2);
  const long double wall = std::numbers::pi_v<long double> * (in.pipe.D1 * in.pipe.D1 - Di * Di) / 4;
  const long double C = 1000 * 4200 * area + 7850 * 460 * wall;
  const long double hours = C * Rall * logl(30.0L / 20.0L) / 3600;
  EXPECT_NEAR(r.coolHours, hours, 1e-6L * hours);
  EXPECT_NEAR(r.freezeHours, hours + 0.25L * 1000 * 333600 * area * Rall / 20 / 3600, 1e-6L * r.freezeHours);
  EXPECT_GT(r.coolHours, r.estimateCoolHours);

  // Radiation and the automatic coefficient in wind: the loss at the
  // freezing point is the cylinder calculator's, and wind shortens the time.
  in = Freeze();
  in.pipe.outer.on = true;
  FreezeHistory history;
  const FreezeResult still = FreezeTime(in, &history);
  CylinderInputs c = in.pipe;
  c.Ti = 0;
  // Within the cylinder scan's last step of 0.001 K.
  EXPECT_NEAR(still.lossAtFreezing, CylinderHeatLoss(c).total / c.L, 1e-3L * still.lossAtFreezing);
  EXPECT_EQ(still.coolHours, FreezeTime(in).coolHours);  // the same without the history
  ASSERT_EQ(history.liquid.size(), static_cast<size_t>(kFreezeSteps + 2));
  EXPECT_EQ(history.liquid[kFreezeSteps].x, still.coolHours);
  EXPECT_EQ(history.liquid.back().x, still.freezeHours);
  for (size_t i = 1; i < history.liquid.size(); ++i) EXPECT_GT(history.liquid[i].x, history.liquid[i - 1].x);
  in.pipe.outer.wind = 10;
  EXPECT_LT(FreezeTime(in).freezeHours, still.freezeHours);
}

TEST(FreezeTime, EstimateMeetsThePublishedTable) {
  // The handbook's table of times to freezing: water at 42 °F in a 2 in
  // steel pipe under 1.5 in of insulation of k = 0.30 Btu·in/(h·ft²·°F),
  // air at −18 °F: 1.4 h (to a tenth).
  FreezeInputs in = Freeze();
  in.pipe.D1 = 2.375L * 0.0254L;
  in.pipe.t1 = (2.375L - 2.067L) / 2 * 0.0254L;
  in.pipe.t2 = 1.5L * 0.0254L;
  in.pipe.k2 = 0.30L * 0.1442279L;
  in.pipe.Ta = (-18 - 32) / 1.8L;
  in.initialC = (42 - 32) / 1.8L;
  in.liquid.density = 62.4L * 16.018463L;
  in.liquid.specificHeat = 4.1868L;
  EXPECT_NEAR(FreezeTime(in).estimateCoolHours, 1.4L, 0.05L);
}

TEST(FreezeTime, RefusedInputsNameTheirField) {
  FreezeInputs in = Freeze();
  in.fraction = 120;
  EXPECT_EQ(ValidateFreeze(in), FreezeFault::Fraction);
  in = Freeze();
  in.pipe.Ta = 5;
  EXPECT_EQ(ValidateFreeze(in), FreezeFault::Ambient);
  in = Freeze();
  in.initialC = -1;
  EXPECT_EQ(ValidateFreeze(in), FreezeFault::InitialTemperature);
  in = Freeze();
  in.liquid.density = 0;
  EXPECT_EQ(ValidateFreeze(in), FreezeFault::LiquidDensity);
}
