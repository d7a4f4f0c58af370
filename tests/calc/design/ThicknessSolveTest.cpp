// Solving for the insulation thickness, checked by forward runs of the
// calculators written here: the exact thickness meets its target and 0.1 mm
// less does not; the stock thickness meets it and the stock thickness below
// it does not; the plain outcomes say so when no insulation or no thickness
// up to the limit answers.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "calc/design/DewPoint.h"
#include "calc/design/HeaterPowerLimit.h"
#include "calc/design/ThicknessSolve.h"
#include "calc/heatloss/HeatGain.h"
#include "heatloss/FactoryCases.h"

using namespace DesignCalc;
using namespace HeatLossCalc;
using namespace FactoryCases;

namespace {

const std::vector<long double> kStock = {20, 25, 30, 40, 50, 65, 75, 100, 125, 150};

struct Case {
  std::string name;
  std::function<ThicknessAnswer()> solve;
  std::function<long double(long double mm)> forward;  // the quantity of the target
  std::function<bool(long double)> meets;
};

// A thin tube of 10 mm under a poor insulation (0.2 W/mK, h = 5): its loss
// per metre rises from 60 W/m bare to 74 W/m at 10 mm and falls back below
// the bare loss only beyond 50 mm (critical radius).
CylinderInputs ThinTube() {
  CylinderInputs in = FactoryCylinder();
  in.D1 = 0.01L;
  in.t1 = 0.001L;
  in.k2 = 0.2L;
  in.h = 5;
  in.Ti = 150;
  return in;
}

long double TubeLoss(const CylinderInputs& base, long double mm) {
  CylinderInputs in = base;
  in.t2 = mm == 0 ? 1e-5L : mm / 1000;
  return CylinderHeatLoss(in).total / in.L;
}

}  // namespace

TEST(ThicknessSolve, ForwardRunsConfirmEachAnswer) {
  const CylinderInputs hot = FactoryCylinder();
  CylinderInputs chilled = hot;  // chilled water at 5 degC in air at 30 degC and 80 %
  chilled.Ta = 30;
  chilled.Ti = 5;
  const Target dew = DewPointTarget(30, 80, 1);
  const FlatPlateInputs plate = FactoryPlate();
  const FlatWallInputs wall = FactoryWall();
  const PipeFlowInputs pipe = FactoryPipe();
  PipeFlowInputs cold = pipe;  // chilled water at 6 degC through air at 30 degC
  cold.Tin = 6 + kKelvin;
  cold.Ta = 30 + kKelvin;

  auto cyl = [](const CylinderInputs& base, long double mm) {
    CylinderInputs in = base;
    in.t2 = mm / 1000;
    return CylinderHeatLoss(in);
  };
  auto pipeAt = [](PipeFlowInputs in, long double mm) {
    in.t2 = mm / 1000;
    return PipeFlowTemperature(in);
  };
  const std::vector<Case> cases = {
      {"cylinder surface at most 40",
       [&] {
         return SolveCylinderThickness(hot, {TargetKind::SurfaceAtMost, 40}, kStock);
       },
       [&](long double mm) { return cyl(hot, mm).surface; }, [](long double q) { return q <= 40; }},
      {"cylinder loss at most 50 W/m",
       [&] {
         return SolveCylinderThickness(hot, {TargetKind::HeatFlowAtMost, 50}, kStock);
       },
       [&](long double mm) { return cyl(hot, mm).total / hot.L; }, [](long double q) { return q <= 50; }},
      {"chilled cylinder above the dew point + 1 K",
       [&] { return SolveCylinderThickness(chilled, dew, kStock); },
       [&](long double mm) { return cyl(chilled, mm).surface; },
       [&](long double q) { return !CheckCondensation(q - 1, 30, 80).condenses; }},
      {"thin tube loss at most 55 W/m (past its critical radius)",
       [&] {
         return SolveCylinderThickness(ThinTube(), {TargetKind::HeatFlowAtMost, 55}, kStock);
       },
       [&](long double mm) { return TubeLoss(ThinTube(), mm); }, [](long double q) { return q <= 55; }},
      {"flat plate surface at most 45",
       [&] {
         return SolveFlatPlateThickness(plate, {TargetKind::SurfaceAtMost, 45}, kStock);
       },
       [&](long double mm) {
         FlatPlateInputs in = plate;
         in.L2 = mm / 1000;
         return FlatPlateSteady(in).surface;
       },
       [](long double q) { return q <= 45; }},
      {"flat wall loss at most 450 W/m2",
       [&] {
         return SolveFlatWallThickness(wall, {TargetKind::HeatFlowAtMost, 450}, kStock);
       },
       [&](long double mm) {
         FlatWallInputs in = wall;
         in.L2 = mm / 1000;
         return FlatWallTransmission(in).total / in.A;
       },
       [](long double q) { return q <= 450; }},
      {"pipe fluid end at least 78",
       [&] {
         return SolvePipeFlowThickness(pipe, {TargetKind::FluidEnd, 78}, kStock);
       },
       [&](long double mm) { return pipeAt(pipe, mm).fluid; }, [](long double q) { return q >= 78; }},
      {"chilled pipe fluid end at most 7",
       [&] {
         return SolvePipeFlowThickness(cold, {TargetKind::FluidEnd, 7}, kStock);
       },
       [&](long double mm) { return pipeAt(cold, mm).fluid; }, [](long double q) { return q <= 7; }},
      {"chilled pipe inlet above the dew point + 1 K",
       [&] { return SolvePipeFlowThickness(cold, dew, kStock); },
       [&](long double mm) {
         PipeFlowInputs inlet = cold;
         inlet.Lp = 0;
         return pipeAt(inlet, mm).wallAmbientSide;
       },
       [&](long double q) { return q >= dew.value; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ThicknessAnswer a = c.solve();
    ASSERT_EQ(a.outcome, ThicknessOutcome::Solved);
    EXPECT_GT(a.exactMm, 0);
    EXPECT_EQ(a.exactMm, nearbyintl(a.exactMm * 10) / 10);  // a whole tenth of a mm
    EXPECT_TRUE(c.meets(c.forward(a.exactMm))) << static_cast<double>(a.exactMm);
    EXPECT_FALSE(c.meets(c.forward(a.exactMm - 0.1L))) << static_cast<double>(a.exactMm);
    EXPECT_NEAR(a.exactQuantity, c.forward(a.exactMm), 1e-9);
    ASSERT_TRUE(a.stockFound);
    EXPECT_GE(a.stockMm, a.exactMm);
    EXPECT_TRUE(c.meets(c.forward(a.stockMm)));
    for (const long double s : kStock) {
      if (s < a.stockMm) {
        EXPECT_FALSE(c.meets(c.forward(s))) << static_cast<double>(s);
      }
    }
  }
}

TEST(ThicknessSolve, NoThicknessIsReportedThatFails) {
  const std::vector<long double> stock = {20, 25, 30, 40, 50, 65};
  // The thin tube meets 60.5 W/m bare, but 20 to 40 mm of insulation lose
  // more: the stock answer is the first thickness that meets it again.
  const ThicknessAnswer thin = SolveCylinderThickness(ThinTube(), {TargetKind::HeatFlowAtMost, 60.5L}, stock);
  EXPECT_EQ(thin.outcome, ThicknessOutcome::BareMeets);
  EXPECT_EQ(thin.exactMm, 0);
  ASSERT_TRUE(thin.stockFound);
  EXPECT_EQ(thin.stockMm, 50);
  EXPECT_GT(TubeLoss(ThinTube(), 40), 60.5L);
  // Past the critical radius: every thickness below the answer loses more.
  const ThicknessAnswer past = SolveCylinderThickness(ThinTube(), {TargetKind::HeatFlowAtMost, 55}, stock);
  for (long double mm = 0; mm < past.exactMm - 0.05L; mm += 0.1L)
    ASSERT_GT(TubeLoss(ThinTube(), mm), 55) << mm;

  // Surface at most 15 degC in air at 20 degC: never; FluidEnd has no fluid
  // in a cylinder; a loss per metre of no length means nothing.
  const ThicknessAnswer never =
      SolveCylinderThickness(FactoryCylinder(), {TargetKind::SurfaceAtMost, 15}, stock);
  EXPECT_EQ(never.outcome, ThicknessOutcome::NeverMeets);
  EXPECT_FALSE(never.stockFound);
  EXPECT_EQ(SolveCylinderThickness(FactoryCylinder(), {TargetKind::FluidEnd, 50}, stock).outcome,
            ThicknessOutcome::NotApplicable);
  PipeFlowInputs shortPipe = FactoryPipe();
  shortPipe.Lp = 0;
  EXPECT_EQ(SolvePipeFlowThickness(shortPipe, {TargetKind::HeatFlowAtMost, 10}, stock).outcome,
            ThicknessOutcome::NotApplicable);
  // The pipe with a limit of 12.3 mm that does not meet the target.
  const ThicknessAnswer far = SolvePipeFlowThickness(FactoryPipe(), {TargetKind::FluidEnd, 80}, stock, 12.3L);
  EXPECT_EQ(far.outcome, ThicknessOutcome::NeverMeets);
}

TEST(HeaterPower, LargestPowerKeepsTheSheathAtTheLimit) {
  const HeaterInputs in = FactoryHeater();
  for (const long double limit : {300.0L, 382.9L, 650.0L}) {
    const HeaterPowerAnswer a = MaxHeaterPower(in, limit);
    ASSERT_TRUE(a.possible);
    HeaterInputs at = in;
    at.Q = a.power;
    EXPECT_EQ(a.sheath, HeaterSurfaceTemperature(at));
    EXPECT_LE(a.sheath, limit);
    // Within the scan and the 0.1 W below the power at the limit.
    EXPECT_GT(a.sheath, limit - 0.1L);
    EXPECT_LT(HeaterLoss(in, limit) - a.power, 0.1L);
  }
  // The factory heater of 500 W shows 382.9 degC.
  EXPECT_NEAR(MaxHeaterPower(in, 382.9L).power, 500, 1);
  EXPECT_FALSE(MaxHeaterPower(in, 20).possible);
}
