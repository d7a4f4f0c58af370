// The liquid/solid container model: surface search, power search, loss
// share and final loss, checked by physics rather than by copied numbers.
#include <gtest/gtest.h>

#include <cmath>

#include "TankCases.h"
#include "calc/heating/ContentOnlyPower.h"

using namespace heating;

namespace {

long double Flux(const OuterSurface& s, long double x) {
  return (x - s.Ta) * s.h + (x * x * x * x - s.Ta * s.Ta * s.Ta * s.Ta) * s.eps * s.sigma;
}

}  // namespace

TEST(SaturatedVapourDensity, TetensValuesAtRoomAndBoilingTemperature) {
  // 6.11 * 10^(7.5*20/257.3) hPa = 23.39 hPa at 20 ℃: 17.31 g/m3.
  EXPECT_NEAR(static_cast<double>(SaturatedVapourDensity(293.15L)), 17.3136, 0.001);
  // Near 100 ℃ the pressure approaches one atmosphere (about 1013 hPa).
  const long double rho100 = SaturatedVapourDensity(373.15L);
  EXPECT_NEAR(static_cast<double>(rho100 * 373.15L / 217.0L), 1013.0, 15.0);
}

TEST(OuterSurfaceTemperature, FindsTheBalanceToOneHundredthKelvin) {
  for (long double insulation : {0.0L, 10.0L, 50.0L}) {
    const Tank tank = MakeTank(cases::WaterTank(insulation, true));
    const OuterSurface& s = tank.surface;
    const long double Tin = 353.15L;
    const long double S = OuterSurfaceTemperature(Tin, s);
    EXPECT_GT(S, s.Ta);
    EXPECT_LT(S, Tin);
    EXPECT_GT((Tin - S) * s.U, Flux(s, S)) << static_cast<double>(insulation);
    EXPECT_LE((Tin - (S + 0.0101L)) * s.U, Flux(s, S + 0.0101L)) << static_cast<double>(insulation);
  }
  // Insulation lowers the outer surface.
  const long double bare = OuterSurfaceTemperature(353.15L, MakeTank(cases::WaterTank(0, true)).surface);
  const long double lagged = OuterSurfaceTemperature(353.15L, MakeTank(cases::WaterTank(50, true)).surface);
  EXPECT_LT(lagged, bare - 40.0L);
  // No candidate conducts more than it loses: the search stays at Ta - 100.
  const OuterSurface s{1000.0L, 293.15L, 9.0L, 0.9L, cases::kSigma};
  EXPECT_EQ(OuterSurfaceTemperature(0.0L, s), s.Ta - 100.0L);
}

TEST(WallConductance, WallAloneAndZeroConductivities) {
  EXPECT_DOUBLE_EQ(static_cast<double>(WallConductance(3, 16, 0, 0.045L)), 16.0 / 0.003);
  // A conductivity of exactly 0 is taken as 0.0001 W/m℃.
  EXPECT_NEAR(static_cast<double>(WallConductance(3, 0, 50, 0)), 1.0 / (0.05 / 0.0001 + 0.003 / 0.0001),
              1e-15);
  EXPECT_NEAR(static_cast<double>(WallConductance(0, 16, 50, 0)), 0.0001 / 0.05, 1e-15);
}

TEST(HeaterPowerSearch, EndTemperatureLiesWithinOneSearchStepOfT1) {
  for (long double insulation : {0.0L, 50.0L}) {
    for (bool lid : {true, false}) {
      const Tank tank = MakeTank(cases::WaterTank(insulation, lid));
      const long double Q = HeaterPowerSearch(tank);
      ASSERT_GT(Q, 20000.0L);
      EXPECT_LE(SimulateHeating(tank, Q).endTemperature, tank.T1);
      EXPECT_GT(SimulateHeating(tank, Q + 0.01L).endTemperature, tank.T1);
      // Resolved to 0.01 W.
      EXPECT_NEAR(static_cast<double>(Q * 100.0L), std::nearbyint(static_cast<double>(Q * 100.0L)), 1e-6);
    }
  }
}

TEST(HeaterPowerSearch, LossShareAddsUpWithStoredAndLostEnergy) {
  for (long double insulation : {0.0L, 50.0L}) {
    const TankInputs in = cases::WaterTank(insulation, false);
    const Tank tank = MakeTank(in);
    const long double Q = HeaterPowerSearch(tank);
    const HeatingHistory history = SimulateHeating(tank, Q);
    const long double contentCapacity = ContentCapacity(in);
    const long double wallCapacity = tank.C - contentCapacity;
    // Heater energy = content to T1 + the rest: the content beyond T1, the
    // wall's warming and what went to the surroundings.
    const long double rest = contentCapacity * (history.endTemperature - tank.T1) +
                             wallCapacity * (history.endTemperature - tank.T0) + history.lostEnergy;
    const long double share = LossShare(Q, in.riseTime, in.T1, in.T0, contentCapacity);
    EXPECT_NEAR(static_cast<double>(share / 100.0L * in.riseTime * Q), static_cast<double>(rest), 1e-6);
    EXPECT_GT(share, 0.0L);
    EXPECT_LT(share, 100.0L);
  }
}

TEST(HeaterPowerSearch, UninsulatedSurfaceIsTheContentButFinalLossUsesTheWall) {
  // "0" and "0.0" give the same conductance; only "0" takes the surface
  // as the content temperature during the heating.
  TankInputs bare = cases::WaterTank(0, true);
  TankInputs zeroPointZero = bare;
  zeroPointZero.insulated = true;
  const Tank a = MakeTank(bare), b = MakeTank(zeroPointZero);
  EXPECT_EQ(a.surface.U, b.surface.U);
  EXPECT_GT(HeaterPowerSearch(a), HeaterPowerSearch(b));
  const FinalLoss fa = FinalTankLoss(a), fb = FinalTankLoss(b);
  EXPECT_EQ(fa.surface, fb.surface);
  EXPECT_EQ(fa.loss, fb.loss);
  EXPECT_LT(fa.surface, a.T1);  // the wall alone still drops a little
  EXPECT_EQ(fa.surface, OuterSurfaceTemperature(a.T1, a.surface));
}

TEST(HeaterPowerSearch, LidChangesOnlyTheEvaporationWhichIgnoresTheTopArea) {
  TankInputs small = cases::WaterTank(0, true);
  TankInputs wide = small;
  wide.W = 2.0L;
  for (const TankInputs& in : {small, wide}) {
    TankInputs open = in;
    open.lid = false;
    const Tank closed = MakeTank(in), opened = MakeTank(open);
    for (long double S : {300.0L, 340.0L}) {
      const long double evaporation =
          (SaturatedVapourDensity(S) - closed.rhoVapourAmbient) * kLn10 * expl(S / closed.surface.Ta);
      EXPECT_NEAR(static_cast<double>(TankLoss(opened, S) - TankLoss(closed, S)),
                  static_cast<double>(evaporation), 1e-9);
    }
    EXPECT_GT(HeaterPowerSearch(opened), HeaterPowerSearch(closed));
  }
}

// Beyond the first search's ceiling of 1,111,111.1 W (a large tank heated
// quickly) the search goes on until a power overshoots: the answer still
// ends within 0.01 W of T1 and leaves a positive share for the losses.
TEST(HeaterPowerSearch, PowerBeyondTheFirstCeilingIsFound) {
  for (long double volume : {20.0L, 1000.0L}) {
    TankInputs huge = cases::WaterTank(0, true);
    huge.L = huge.W = huge.D = std::cbrt(static_cast<double>(volume));
    huge.volume = volume;
    huge.riseTime = volume > 100 ? 0.1L : 1.0L;
    const Tank tank = MakeTank(huge);
    const long double Q = HeaterPowerSearch(tank);
    EXPECT_GT(Q, 1111111.1L);
    EXPECT_LE(SimulateHeating(tank, Q).endTemperature, tank.T1);
    EXPECT_GT(SimulateHeating(tank, Q + 0.01L).endTemperature, tank.T1) << double(volume);
    EXPECT_GT(LossShare(Q, huge.riseTime, huge.T1, huge.T0, ContentCapacity(huge)), 0.0L);
  }
}

TEST(HeaterPowerSearch, AmbientAboveT1NeedsNoHeater) {
  // Warm surroundings bring the water one kelvin up well within the time.
  TankInputs warm = cases::WaterTank(0, true);
  warm.Ta = 95.0L + kKelvin;
  warm.T1 = 16.0L + kKelvin;
  EXPECT_EQ(HeaterPowerSearch(MakeTank(warm)), 0.0L);
}

TEST(HeaterPowerSearch, TimeStepAndFluxCount) {
  EXPECT_EQ(HeatingTimeStep(3.0L), 0.0375L);
  EXPECT_EQ(HeatingTimeStep(1.0L), 0.0125L);
  EXPECT_EQ(HeatingTimeStep(0.0001L), 0.000001L);  // 1.25e-6 h to the nearest 1e-6
  // About 1.1 million flux evaluations with insulation.
  EXPECT_EQ(PowerSearchEvaluations(MakeTank(cases::WaterTank(50, true))), 88LL * 80 * 156);
}

TEST(ContentOnlyPower, WaterRisingSixtyFiveKelvinInThreeHours) {
  EXPECT_NEAR(static_cast<double>(ContentOnlyPower(1.0L, 1000.0L, 65.0L, 3.0L)), 25193.798, 0.001);
}
