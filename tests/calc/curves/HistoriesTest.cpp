// The histories the calculations hand out on request: each must end at the
// value the calculation reports, and asking for one must not change a
// single result.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/PipeFlow.h"
#include "heating/TankCases.h"
#include "heatloss/FactoryCases.h"

using namespace HeatLossCalc;

namespace {

// Times must grow step by step from 0.
void ExpectTimesFrom0(const curves::Series& s) {
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(s.front().x, 0);
  for (size_t i = 1; i < s.size(); ++i) ASSERT_GT(s[i].x, s[i - 1].x) << i;
}

}  // namespace

TEST(Histories, CoolingEndsAtThePlateTemperatureAndChangesNoResult) {
  for (const bool both : {false, true}) {
    const FlatPlateInputs in = FactoryCases::FactoryPlate();
    CoolingInputs cooling = FactoryCases::FactoryCooling();
    cooling.bothFaces = both;
    curves::Series plate;
    const FlatPlateResult plain = FlatPlateCooling(in, cooling);
    const FlatPlateResult traced = FlatPlateCooling(in, cooling, &plate);
    EXPECT_EQ(traced.plate, plain.plate);
    EXPECT_EQ(traced.surface, plain.surface);
    EXPECT_EQ(traced.interface, plain.interface);
    EXPECT_EQ(traced.total, plain.total);

    ASSERT_EQ(plate.size(), static_cast<size_t>(kCoolingSteps + 1));
    ExpectTimesFrom0(plate);
    EXPECT_EQ(plate.front().y, in.Ti - kKelvin);
    EXPECT_EQ(plate.back().y, plain.plate);
    EXPECT_NEAR(plate.back().x, cooling.hours, 1e-12);
    for (size_t i = 1; i < plate.size(); ++i) ASSERT_LT(plate[i].y, plate[i - 1].y) << i;

    // One flux through structure and insulation: with both faces the
    // structure counts with half its thickness, as in its conductance. The
    // surface scan's step of 0.01 K leaves up to 0.01 (1 + h/U) K, about
    // 0.2 K, of the balance open.
    const long double q = traced.total / (both ? 2 * in.A : in.A);
    const long double structure = both ? in.L1 / 2 : in.L1;
    EXPECT_NEAR(traced.plate - traced.interface, q * structure / in.k1, 1e-9) << both;
    EXPECT_NEAR(traced.interface - traced.surface, q * in.L2 / in.k2, 0.2) << both;
  }
}

TEST(Histories, PipeProfileEndsAtTheEndTemperaturesInBothDirections) {
  for (const long double inletC : {80.0L, -20.0L}) {  // cooled, then warmed by the air
    PipeFlowInputs in = FactoryCases::FactoryPipe();
    in.Tin = inletC + kKelvin;
    PipeFlowHistory history;
    const PipeFlowResult plain = PipeFlowTemperature(in);
    const PipeFlowResult traced = PipeFlowTemperature(in, &history);
    EXPECT_EQ(traced.fluid, plain.fluid);
    EXPECT_EQ(traced.wallAmbientSide, plain.wallAmbientSide);
    EXPECT_EQ(traced.total, plain.total);

    ASSERT_EQ(history.fluid.size(), static_cast<size_t>(kPipeSegments + 1));
    ASSERT_EQ(history.outerSurface.size(), static_cast<size_t>(kPipeSegments));
    ExpectTimesFrom0(history.fluid);
    EXPECT_NEAR(history.fluid.front().y, inletC, 1e-15);
    EXPECT_EQ(history.fluid.back().y, plain.fluid);
    EXPECT_EQ(history.outerSurface.back().y, plain.wallAmbientSide);
    EXPECT_NEAR(history.fluid.back().x, in.Lp, 1e-12);
    EXPECT_EQ(history.outerSurface.back().x, history.fluid.back().x);
    // The fluid approaches the air; its outer surface lies between the two.
    const long double air = in.Ta - kKelvin;
    for (size_t i = 1; i < history.fluid.size(); ++i) {
      ASSERT_LE(std::fabs(history.fluid[i].y - air), std::fabs(history.fluid[i - 1].y - air)) << i;
      const long double s = history.outerSurface[i - 1].y;
      ASSERT_LT(std::fabs(s - air), std::fabs(history.fluid[i - 1].y - air)) << i;
    }
  }
}

TEST(Histories, HeatUpEndsAtTheRiseTimeWithinOneSearchStepBelowT1) {
  using namespace heating;
  for (const long double insulation : {0.0L, 50.0L}) {
    const Tank tank = MakeTank(cases::WaterTank(insulation, false));
    const long double Q = HeaterPowerSearch(tank);
    HeatingCurves curves;
    const HeatingHistory end = SimulateHeating(tank, Q, &curves);
    ASSERT_EQ(curves.content.size(), static_cast<size_t>(kHeatingSteps + 1));
    ExpectTimesFrom0(curves.content);
    EXPECT_EQ(curves.content.front().y, tank.T0 - heating::kKelvin);
    EXPECT_EQ(curves.content.back().x, 3.0L);  // the rise time, 80 steps of 0.0375 h
    // At the power found the contents stay at or below T1; one search step
    // (0.01 W) more would carry them beyond it.
    const long double last = curves.content.back().y;
    EXPECT_EQ(last, end.endTemperature - heating::kKelvin);
    EXPECT_LE(last, tank.T1 - heating::kKelvin);
    EXPECT_GT(SimulateHeating(tank, Q + 0.01L).endTemperature, tank.T1);
    EXPECT_GT(last, tank.T1 - heating::kKelvin - 0.01L);

    // The outer surface only when insulated, between the contents and the
    // air (20 degC; the contents start colder, at 15 degC).
    if (insulation == 0) {
      EXPECT_TRUE(curves.surface.empty());
    } else {
      ASSERT_EQ(curves.surface.size(), curves.content.size());
      for (size_t i = 0; i < curves.surface.size(); ++i) {
        ASSERT_EQ(curves.surface[i].x, curves.content[i].x);
        const long double s = curves.surface[i].y, m = curves.content[i].y;
        ASSERT_GE((s - 20.0L) * (m - s), -0.01L) << i;
      }
      EXPECT_GT(curves.surface.back().y, 20.0L);
    }
  }
}

TEST(Histories, GasAndWallCurvesEndAtTheIntegratedValuesAndHonourAStop) {
  using namespace heating;
  const GasBox box = MakeGasBox(cases::AirBox(1.0L));
  const long double P = GasPowerSearch(box);
  GasCurves gas;
  gas.stride = curves::StrideFor(box.steps, 300);
  const GasState end = IntegrateGas(box, P, &gas);
  const GasState plain = IntegrateGas(box, P);
  EXPECT_EQ(end.Tg, plain.Tg);
  EXPECT_LE(gas.gas.size(), 302u);
  ExpectTimesFrom0(gas.gas);
  EXPECT_NEAR(gas.gas.back().x, 1.0L, 1e-15);
  EXPECT_EQ(gas.gas.back().y, end.Tg - heating::kKelvin);
  EXPECT_EQ(gas.wall.back().y, end.Tw - heating::kKelvin);
  EXPECT_EQ(gas.surface.back().y, end.Ts - heating::kKelvin);
  EXPECT_EQ(gas.gas.size(), gas.surface.size());
  // At the power found the gas ends below T1, within one search step: the
  // last increment, P0 / 100, more would reach T1 or leave the wall as warm.
  EXPECT_LT(gas.gas.back().y, box.T1 - heating::kKelvin);
  const GasState over = IntegrateGas(box, P + box.P0 * 0.01L);
  EXPECT_TRUE(over.Tg >= box.T1 || over.Tg <= over.Tw);

  // Wall heating: a sampled curve of each integration ends at its value.
  const WalledGas walled{
      20.0L + heating::kKelvin,     10.0L + heating::kKelvin,          9.0L, 0.9L, cases::kSigma,
      BoxSurface(2.0L, 1.0L, 1.0L), HeatCapacity(0.24L, 0.0012L, 2.0L)};
  const long double dt = WallTimeStep(walled);
  const long long steps = std::llround(static_cast<double>(1.0L / dt));
  WallCurve a, b, c;
  a.stride = b.stride = c.stride = curves::StrideFor(steps, 500);
  EXPECT_EQ(WallConvectionOnly(walled, steps, dt, &a), WallConvectionOnly(walled, steps, dt));
  EXPECT_EQ(WallRadiationOnly(walled, steps, dt, &b), WallRadiationOnly(walled, steps, dt));
  const WallBothResult both = WallConvectionAndRadiation(walled, steps, dt, &c);
  EXPECT_EQ(both.Tg, WallConvectionAndRadiation(walled, steps, dt).Tg);
  for (const WallCurve* w : {&a, &b, &c}) {
    ExpectTimesFrom0(w->gas);
    EXPECT_LE(w->gas.size(), 502u);
    EXPECT_NEAR(w->gas.front().y, 10.0L, 1e-15);
    EXPECT_NEAR(w->gas.back().x, 1.0L, 1e-12);
  }
  EXPECT_EQ(a.gas.back().y, WallConvectionOnly(walled, steps, dt) - heating::kKelvin);
  EXPECT_EQ(c.gas.back().y, both.Tg - heating::kKelvin);

  // A stop that is already set cuts both searches short at once.
  std::atomic<bool> stop{true};
  WallCurve cut;
  EXPECT_EQ(WallConvectionOnly(walled, steps, dt, &cut, &stop), walled.T0);
  EXPECT_EQ(cut.gas.size(), 1u);
  EXPECT_EQ(GasPowerSearch(box, &stop), box.P0);
}
