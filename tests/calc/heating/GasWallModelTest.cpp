// The gas model (three nodes inside a power search) and the wall-heating
// model (three integrations with a refined time step).
#include <gtest/gtest.h>

#include <cmath>

#include "TankCases.h"

using namespace heating;

TEST(GasHeating, IntegrationStartsAtAmbientWhateverT0) {
  GasBox none = MakeGasBox(cases::AirBox(1.0L));
  none.steps = 0;
  const GasState start = IntegrateGas(none, 500.0L);
  EXPECT_EQ(start.Tg, none.Ta);
  EXPECT_EQ(start.Tw, none.Ta);
  EXPECT_EQ(start.Ts, none.Ta + 0.01L);
  // T0 scales the search (P0) but not the integration.
  const GasBox cold = MakeGasBox(cases::AirBox(1.0L, 0.0L));
  const GasBox mild = MakeGasBox(cases::AirBox(1.0L, 20.0L));
  EXPECT_NE(cold.P0, mild.P0);
  const GasState a = IntegrateGas(cold, 2500.0L), b = IntegrateGas(mild, 2500.0L);
  EXPECT_EQ(a.Tg, b.Tg);
  EXPECT_EQ(a.Tw, b.Tw);
  EXPECT_GT(a.Tg, a.Tw);
  EXPECT_GT(a.Tw, a.Ts);
  EXPECT_GT(a.Ts, cold.Ta);
}

TEST(GasHeating, SearchStopsBelowT1WithinItsLastIncrement) {
  for (long double t : {0.5L, 1.0L, 6.0L}) {
    const GasBox box = MakeGasBox(cases::AirBox(t));
    EXPECT_EQ(box.steps, std::llround(static_cast<double>(t * 1000.0L)));
    const long double best = GasPowerSearch(box);
    ASSERT_GT(best, box.P0);
    const GasState end = IntegrateGas(box, best);
    EXPECT_LT(end.Tg, box.T1);
    EXPECT_GT(end.Tg - end.Tw, 0.0L);
    const GasState over = IntegrateGas(box, best + box.P0 * 0.01L);
    EXPECT_TRUE(over.Tg >= box.T1 || over.Tg - over.Tw <= 0.0L) << static_cast<double>(t);
  }
}

// A bare box whose losses dwarf the gas's own need, over a long time: the
// power lies beyond the first search's largest candidate (about 1334 P0),
// and the search goes on until a power no longer fits.
TEST(GasHeating, PowerBeyondTheFirstCeilingIsFound) {
  const GasBox box = MakeGasBox(cases::AirBox(50.0L));
  const long double best = GasPowerSearch(box);
  EXPECT_GT(best, 1334.0L * box.P0);
  EXPECT_TRUE(GasPowerFits(box, best));
  EXPECT_FALSE(GasPowerFits(box, best + box.P0 * 0.01L));
}

TEST(GasHeating, LossShareToOneDecimal) {
  EXPECT_EQ(GasLossShare(100.0L, 25.0L), 75.0L);
  EXPECT_NEAR(static_cast<double>(GasLossShare(3.0L, 1.0L)), 66.7, 1e-12);
  // Halves go to the even tenth: 6.25 % -> 6.2 %, 18.75 % -> 18.8 %.
  EXPECT_NEAR(static_cast<double>(GasLossShare(16.0L, 15.0L)), 6.2, 1e-12);
  EXPECT_NEAR(static_cast<double>(GasLossShare(16.0L, 13.0L)), 18.8, 1e-12);
}

TEST(GasHeating, FinalLossAlwaysUsesTheWallConductance) {
  GasBox box = MakeGasBox(cases::AirBox(1.0L));
  const long double loss = GasFinalLoss(box);
  box.k = box.k / 100.0L;
  EXPECT_EQ(GasFinalLoss(box), loss);
  // Loss = surface loss at the found outer temperature: between the bare
  // surface at T1 and nothing.
  const long double A = box.A, dT = box.T1 - box.Ta;
  EXPECT_GT(loss, 0.0L);
  EXPECT_LT(loss, dT * A * box.h + (std::pow(box.T1, 4) - std::pow(box.Ta, 4)) * A * box.eps * box.sigma);
  // Insulation lowers it.
  GasInputs lagged = cases::AirBox(1.0L);
  lagged.insulationMm = 50.0L;
  lagged.insulated = true;
  EXPECT_LT(GasFinalLoss(MakeGasBox(lagged)), loss / 5.0L);
}

TEST(WallHeating, TimeStepRefinesUntilOneStepCoversATenthOfTheGap) {
  const long double sigma = cases::kSigma;
  const long double A = BoxSurface(2.0L, 1.0L, 1.0L);
  EXPECT_EQ(A, 10.0L);
  const WalledGas air{293.15L, 283.15L, 9.0L, 0.9L, sigma, A, HeatCapacity(0.24L, 0.0012L, 2.0L)};
  EXPECT_EQ(WallTimeStep(air), 1.0L / 3600.0L);
  WalledGas thin = air;
  thin.Cg = air.Cg / 1000.0L;
  const long double dt = WallTimeStep(thin);
  EXPECT_LT(dt, 1.0L / 3600.0L);
  EXPECT_LE(thin.h * thin.A / thin.Cg * dt, 0.1L);
  EXPECT_GT(thin.h * thin.A / thin.Cg * dt * 10.0L, 0.1L);
  // Never finer than 0.00001 s.
  thin.Cg = air.Cg * 1e-12L;
  EXPECT_NEAR(static_cast<double>(WallTimeStep(thin) * 3600.0L), 1e-5, 1e-18);
}

TEST(WallHeating, GasApproachesTheWallTemperatureFromBelow) {
  const WalledGas air{353.15L, 283.15L, 9.0L, 0.9L, cases::kSigma, 10.0L, HeatCapacity(0.24L, 0.0012L, 2.0L)};
  const long double dt = WallTimeStep(air);
  const long long quarterMinute = std::llround(static_cast<double>(15.0L / 3600.0L / dt));
  const long double convection = WallConvectionOnly(air, quarterMinute, dt);
  const long double radiation = WallRadiationOnly(air, quarterMinute, dt);
  const WallBothResult both = WallConvectionAndRadiation(air, quarterMinute, dt);
  ASSERT_FALSE(both.overshoot);
  EXPECT_GT(convection, air.T0);
  EXPECT_GT(radiation, air.T0);
  EXPECT_GT(both.Tg, convection);
  EXPECT_GT(both.Tg, radiation);
  EXPECT_LT(both.Tg, air.Th);
  // Convection alone is an exponential approach with the time constant Cg/(hA).
  const long double exact = air.Th - (air.Th - air.T0) * expl(-air.h * air.A / air.Cg * 15.0L / 3600.0L);
  EXPECT_NEAR(static_cast<double>(convection), static_cast<double>(exact), 0.5);
}

TEST(WallHeating, OvershootStopsOnlyTheCombinedIntegration) {
  // So little gas that even the finest step carries it past the wall
  // temperature when both modes act; each mode alone still settles.
  const long double Cg = HeatCapacity(0.24L, 3e-10L, 2.0L);
  const WalledGas g{353.15L, 283.15L, 9.0L, 0.9L, cases::kSigma, 10.0L, Cg};
  const long double dt = WallTimeStep(g);
  EXPECT_NEAR(static_cast<double>(dt * 3600.0L), 1e-5, 1e-18);
  const long long steps = 1000;
  EXPECT_NEAR(static_cast<double>(WallConvectionOnly(g, steps, dt)), 353.15, 1e-6);
  EXPECT_NEAR(static_cast<double>(WallRadiationOnly(g, steps, dt)), 353.15, 1e-6);
  EXPECT_TRUE(WallConvectionAndRadiation(g, steps, dt).overshoot);
}
