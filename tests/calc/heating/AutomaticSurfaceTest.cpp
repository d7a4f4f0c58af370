// The automatic surface of the heating models: off, every result of the
// tank, the gas box and the walled gas is what it was before the option
// existed, to the bit; on, the energy balances close, the inside faces take
// the physical orientation, the evaporation follows the published
// correlation and wind raises the loss.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "TankCases.h"
#include "calc/surface/SurfaceCoefficient.h"

using namespace heating;

namespace {

// FNV-1a over the 80 bits of each value.
struct Digest {
  std::uint64_t h = 1469598103934665603ull;
  void Add(long double x) {
    unsigned char b[sizeof x];
    std::memcpy(b, &x, sizeof x);
    for (int i = 0; i < 10; ++i) {
      h ^= b[i];
      h *= 1099511628211ull;
    }
  }
};

// The option as a panel may leave it: off, with a wind and a humidity typed.
constexpr AutomaticSurface kIdle{false, 7, 35};

// Every result of 24 tanks, 12 gas boxes and 8 walled gases.
std::uint64_t ResultsDigest() {
  Digest d;
  for (long double insulation : {0.0L, 10.0L, 50.0L})
    for (bool lid : {true, false})
      for (long double Ta : {5.0L, 20.0L})
        for (long double T1 : {60.0L, 80.0L}) {
          TankInputs in = cases::WaterTank(insulation, lid);
          in.Ta = Ta + kKelvin;
          in.T1 = T1 + kKelvin;
          in.automatic = kIdle;
          const Tank t = MakeTank(in);
          const long double Q = HeaterPowerSearch(t);
          d.Add(Q);
          const FinalLoss f = FinalTankLoss(t);
          d.Add(f.loss);
          d.Add(f.surface);
          const HeatingHistory h = SimulateHeating(t, Q);
          d.Add(h.endTemperature);
          d.Add(h.lostEnergy);
        }
  for (long double riseTime : {0.5L, 1.0L, 2.0L})
    for (bool insulated : {false, true})
      for (long double T0 : {10.0L, 15.0L}) {
        GasInputs in = cases::AirBox(riseTime, T0);
        in.insulated = insulated;
        in.insulationMm = insulated ? 50 : 0;
        in.automatic = kIdle;
        const GasBox b = MakeGasBox(in);
        d.Add(GasPowerSearch(b));
        d.Add(GasFinalLoss(b));
        const GasState s = IntegrateGas(b, 3000);
        d.Add(s.Tg);
        d.Add(s.Tw);
        d.Add(s.Ts);
      }
  for (long double h : {5.0L, 9.0L})
    for (long double T0 : {10.0L, 15.0L})
      for (long double Th : {20.0L, 80.0L}) {
        const WalledGas g{Th + kKelvin,
                          T0 + kKelvin,
                          h,
                          0.9L,
                          cases::kSigma,
                          BoxSurface(2, 1, 1),
                          HeatCapacity(0.24L, 0.0012L, 2)};
        const long double dt = WallTimeStep(g);
        const long long n = std::llround(static_cast<double>(0.5L / dt));
        d.Add(dt);
        d.Add(WallConvectionOnly(g, n, dt));
        d.Add(WallRadiationOnly(g, n, dt));
        const WallBothResult both = WallConvectionAndRadiation(g, n, dt);
        d.Add(both.Tg);
        d.Add(both.overshoot);
      }
  return d.h;
}

}  // namespace

TEST(AutomaticSurface, OffLeavesEveryHeatingResultAsItWas) {
  // The digest of these results as the models gave them before the option.
  EXPECT_EQ(ResultsDigest(), 0x3d9a259cce8f959full);
}

TEST(AutomaticSurface, EnergyBalancesCloseAndWindRaisesTheLoss) {
  for (long double insulation : {0.0L, 50.0L}) {
    for (bool lid : {true, false}) {
      SCOPED_TRACE(static_cast<double>(insulation) + (lid ? 0.5 : 0));
      TankInputs in = cases::WaterTank(insulation, lid);
      in.automatic = {true, 0, 60};
      const Tank still = MakeTank(in);
      const long double Q = HeaterPowerSearch(still);
      const HeatingHistory h = SimulateHeating(still, Q);
      // Heat put in = heat stored + heat lost; the search ends at T1.
      EXPECT_NEAR(Q * kHeatingSteps * still.dt, still.C * (h.endTemperature - still.T0) + h.lostEnergy,
                  1e-9L * Q);
      EXPECT_LE(h.endTemperature, still.T1);
      EXPECT_GT(SimulateHeating(still, Q + 0.01L).endTemperature, still.T1);
      in.automatic.wind = 4;
      const Tank windy = MakeTank(in);
      EXPECT_GT(FinalTankLoss(windy).loss, FinalTankLoss(still).loss);
      EXPECT_GT(HeaterPowerSearch(windy), Q);
    }
  }
  // The gas box: wind outside asks for more power; the search still ends
  // below T1.
  GasInputs gas = cases::AirBox(1.0L);
  gas.automatic = {true, 0, 100};
  const GasBox calm = MakeGasBox(gas);
  gas.automatic.wind = 5;
  const GasBox windy = MakeGasBox(gas);
  const long double P = GasPowerSearch(calm);
  EXPECT_LT(IntegrateGas(calm, P).Tg, calm.T1);
  EXPECT_GT(GasPowerSearch(windy), P);
  EXPECT_GT(GasFinalLoss(windy), GasFinalLoss(calm));
}

TEST(AutomaticSurface, InsideFacesTakeThePhysicalOrientation) {
  // Walls at 80 ℃ heating air at 20 ℃ in a 2 × 1 × 1 box: the ceiling holds
  // the warm air under itself, the floor lets it rise. Each face's table
  // (the gas as the surface, the wall as the air) must give the
  // coefficient of the face as it hangs.
  const WalledGas g = WithAutomaticWalls(WalledGas{353.15L, 293.15L, 0, 0.9L, cases::kSigma,
                                                   BoxSurface(2, 1, 1), HeatCapacity(0.24L, 0.0012L, 2)},
                                         2, 1, 1);
  auto physical = [](SurfaceCalc::Orientation o, long double L) {
    SurfaceCalc::SurfaceConditions c;
    c.orientation = o;
    c.airC = 20;
    c.naturalLength = L;
    c.windLength = 1;
    return SurfaceCalc::SurfaceCoefficient(c).AtKelvin(353.15L);
  };
  const long double gap = 60;
  EXPECT_NEAR(-g.faces->Top(293.15L) / gap, physical(SurfaceCalc::Orientation::HorizontalFacingDown, 0.25L),
              1e-3L);
  EXPECT_NEAR(-g.faces->Bottom(293.15L) / gap, physical(SurfaceCalc::Orientation::HorizontalFacingUp, 0.25L),
              1e-3L);
  EXPECT_NEAR(-g.faces->Wall(293.15L) / gap, physical(SurfaceCalc::Orientation::VerticalWall, 2), 1e-3L);
  EXPECT_LT(g.faces->Bottom(293.15L),
            2 * g.faces->Top(293.15L));  // into the gas: the floor over twice the ceiling
  // The gas warms towards the walls and never past them.
  const long double dt = WallTimeStep(g);
  const long long n = std::llround(static_cast<double>(0.5L / dt));
  const long double Tg = WallConvectionOnly(g, n, dt);
  EXPECT_GT(Tg, 340);
  EXPECT_LT(Tg, g.Th);
  EXPECT_GE(WallConvectionAndRadiation(g, n, dt).Tg, Tg);
}

TEST(AutomaticSurface, EvaporationFollowsTheCarrierCorrelationOverTheOpenArea) {
  // Water at 60 ℃ under air at 20 ℃ and 50 %: (pw − pa)(0.089 + 0.0782 V)
  // kW/m², the pressures in kPa from the Tetens form.
  auto pw = [](long double C) { return 0.611L * powl(10, 7.5L * C / (C + 237.3L)); };
  for (long double V : {0.0L, 2.0L}) {
    const ContainerFaces f({true, V, 50}, 293.15L, 1, 1, 1, 280, 360);
    EXPECT_NEAR(f.Evaporation(333.15L), (pw(60) - 0.5L * pw(20)) * (0.089L + 0.0782L * V) * 1000, 1e-9L);
  }
  // An open tank loses its evaporation over its whole top: taking the lid
  // off a tank whose top is four times as large (the same volume) adds four
  // times the loss at the final temperature.
  auto lidOff = [](long double L, long double side) {
    TankInputs in = cases::WaterTank(0, false);
    in.L = L;
    in.W = in.D = side;
    in.automatic = {true, 0, 100};
    const long double open = FinalTankLoss(MakeTank(in)).loss;
    in.lid = true;
    return open - FinalTankLoss(MakeTank(in)).loss;
  };
  const long double small = lidOff(1, 1), large = lidOff(0.25L, 2);
  EXPECT_GT(small, 3000);  // about 4 kW/m² at 80 ℃
  EXPECT_NEAR(large, 4 * small, 0.01L * large);
}
