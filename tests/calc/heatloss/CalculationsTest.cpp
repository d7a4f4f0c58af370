// The five heat-loss calculations against balances computed here
// independently: each scan result must lie within its last scan step below
// the temperature at which the two sides of the balance are equal.
#include <gtest/gtest.h>

#include <cmath>

#include "Bisection.h"
#include "FactoryCases.h"
#include "calc/numeric/Rounding.h"
#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/Heater.h"
#include "calc/heatloss/PipeFlow.h"

using namespace HeatLossCalc;
using namespace HeatLossTest;
using namespace FactoryCases;

namespace {

long double PlateSurfaceCrossing(const FlatPlateInputs& in, long double Tinner, long double U, long double A) {
  return Crossing(in.Ta - 100, Tinner, [&](long double T) {
    const long double conducted = (Tinner - T) * U * A;
    const long double lost = A * (in.h * (T - in.Ta) + in.e * in.sigma * (Pow4(T) - Pow4(in.Ta)));
    return conducted - lost;
  });
}

}  // namespace

TEST(FlatPlate, SurfaceLiesWithinOneStepBelowTheBalance) {
  for (const long double insulation : {0.1L, 0.01L, 1e-7L}) {
    FlatPlateInputs in = FactoryPlate();
    in.L2 = insulation;
    const FlatPlateResult r = FlatPlateSteady(in);
    const long double U = 1 / (in.L2 / in.k2 + in.L1 / in.k1);
    const long double root = PlateSurfaceCrossing(in, in.Ti, U, in.A) - K;
    EXPECT_GT(root, r.surface) << "insulation " << static_cast<double>(insulation);
    EXPECT_LE(root - r.surface, 0.01L + 1e-9L);
    // The interface lies on the straight profile of the structure.
    const long double q = r.total / in.A;
    EXPECT_NEAR(r.interface, in.Ti - K - q * in.L1 / in.k1, 1e-9);
    EXPECT_NEAR(r.flux, r.total / in.A / 10000, 1e-15);
  }
}

TEST(FlatPlate, CoolingFollowsTheStoredHeat) {
  const FlatPlateInputs in = FactoryPlate();
  CoolingInputs cooling = FactoryCooling();

  // No time: the plate keeps its start temperature and the steady results.
  cooling.hours = 0;
  const FlatPlateResult still = FlatPlateCooling(in, cooling);
  const FlatPlateResult steady = FlatPlateSteady(in);
  EXPECT_EQ(still.plate, in.Ti - K);
  EXPECT_NEAR(still.surface, steady.surface, 1e-9);
  EXPECT_NEAR(still.total, steady.total, 1e-9);
  EXPECT_NEAR(still.interface, steady.interface, 1e-9);

  // An independent march with exact surface temperatures; the scan of 12
  // points a stage finds each within 0.01 K, so the ends agree closely.
  cooling.hours = 2;
  const FlatPlateResult one = FlatPlateCooling(in, cooling);
  const long double C = in.A * in.L1 * cooling.rho * 1000 * cooling.c;
  const long double U = 1 / (in.L2 / in.k2 + in.L1 / in.k1);
  const long double dt = 2.0L / 2000;
  long double Tp = in.Ti;
  for (int i = 0; i < 2000; ++i) {
    const long double Ts = PlateSurfaceCrossing(in, Tp, U, in.A);
    Tp -= in.A * (in.h * (Ts - in.Ta) + in.e * in.sigma * (Pow4(Ts) - Pow4(in.Ta))) * dt / C;
  }
  EXPECT_NEAR(one.plate, Tp - K, 0.01);
  EXPECT_LT(one.plate, in.Ti - K - 1);

  // Both faces: twice the area for the same stored heat cools faster.
  cooling.bothFaces = true;
  const FlatPlateResult both = FlatPlateCooling(in, cooling);
  EXPECT_LT(both.plate, one.plate - 1);
  EXPECT_NEAR(both.flux, both.total / (2 * in.A) / 10000, 1e-15);
}

TEST(FlatPlate, TimeStepIsRoundedToTenMillionthsOfAnHour) {
  EXPECT_EQ(CoolingTimeStep(2), 0.001L);
  EXPECT_EQ(CoolingTimeStep(0), 0);
  // 0.00011 h / 2000 = 5.5E-8 h: 0.55 units of 1E-7, rounded to 1E-7.
  EXPECT_NEAR(CoolingTimeStep(0.00011L), 1e-7L, 1e-20);
  // 0.0001 h / 2000 = 0.5 units: half goes to the even neighbour, 0.
  EXPECT_EQ(CoolingTimeStep(0.0001L), 0);
}

TEST(FlatWall, OuterSurfaceLiesWithinOneStepBelowTheBalance) {
  const FlatWallInputs in = FactoryWall();
  const FlatWallResult r = FlatWallTransmission(in);
  const long double U = 1 / (in.L2 / in.k2 + in.L1 / in.k1);
  auto out = [&](long double T) { return in.A * (in.h * (T - in.Ta) + in.e * in.sigma * (Pow4(T) - Pow4(in.Ta))); };
  const long double root = Crossing(in.Ta - 100, in.Tg, [&](long double T) {
    const long double Tw = T + out(T) / (U * in.A);
    return in.A * (in.hi * (in.Tg - Tw) + in.ei * in.sigma * (Pow4(in.Tg) - Pow4(Tw))) - out(T);
  }) - K;
  EXPECT_GT(root, r.outerSurface);
  EXPECT_LE(root - r.outerSurface, 0.01L + 1e-9L);
  // Inner surface through both layers, interface through the insulation.
  const long double q = r.total / in.A;
  EXPECT_NEAR(r.innerSurface, r.outerSurface + q / U, 1e-9);
  EXPECT_NEAR(r.interface, r.outerSurface + q * in.L2 / in.k2, 1e-9);
  EXPECT_GT(r.innerSurface, r.interface);
  EXPECT_LT(r.innerSurface, 800);
}

TEST(Cylinder, SurfaceLiesWithinOneStepBelowTheBalance) {
  const CylinderInputs in = FactoryCylinder();
  const CylinderResult r = CylinderHeatLoss(in);
  const long double D2 = in.D1 + 2 * in.t2;
  const long double perKelvin =  // conduction per metre and kelvin, 2 pi as 3.14
      2 * 3.14L / (std::log(in.D1 / (in.D1 - 2 * in.t1)) / in.k1 + std::log(D2 / in.D1) / in.k2);
  auto lost = [&](long double T) {
    const long double P = 3.14L * D2, Ta = in.Ta + K;
    return in.L * P * (in.h * (T - Ta) + in.e * in.sigma * (Pow4(T) - Pow4(Ta)));
  };
  const long double root =
      Crossing(in.Ta + K, in.Ti + K, [&](long double T) { return (in.Ti + K - T) * perKelvin * in.L - lost(T); }) - K;
  EXPECT_GT(root, r.surface);
  EXPECT_LE(root - r.surface, 0.001L + 1e-9L);  // six stages: 0.001 K
  // Conducted heat and loss agree within what 0.001 K and the rounding allow.
  const long double oneStep = lost(root + K) - lost(root + K - 0.001L);
  EXPECT_NEAR(r.total, lost(root + K), oneStep + 0.01);
  // The parts are rounded to hundredths before the sum.
  EXPECT_EQ(r.convective * 100, Rounding::Nearest(r.convective * 100));
  EXPECT_EQ(r.total, r.convective + r.radiative);
}

TEST(Cylinder, InnerTemperatureBelowAmbientGainsHeat) {
  // Once shown as no loss with the air temperature everywhere; the heat now
  // flows inwards (the balance itself: HeatGainTest.cpp).
  CylinderInputs in = FactoryCylinder();
  in.Ti = 10;
  const CylinderResult r = CylinderHeatLoss(in);
  EXPECT_LT(r.surface, 20);
  EXPECT_GT(r.surface, r.interface);
  EXPECT_GT(r.interface, 10);
  EXPECT_LT(r.convective, 0);
  EXPECT_LT(r.radiative, 0);
  EXPECT_EQ(r.total, r.convective + r.radiative);
}

TEST(Heater, SurfaceIsOneToTwoHundredthsBelowTheBalance) {
  for (const long double power : {500.0L, 37.5L, 2000.0L}) {
    const HeaterInputs in = FactoryHeater(power);
    const long double Ts = HeaterSurfaceTemperature(in);
    const long double TaK = in.Ta + K;
    const long double root = Crossing(in.Ta, in.Ta + 3000, [&](long double T) {
      return in.Q - in.L * in.P * (in.h * (T - in.Ta) + in.e * in.sigma * (Pow4(T + K) - Pow4(TaK)));
    });
    EXPECT_GE(root - Ts, 0.01L - 1e-9L) << static_cast<double>(power);
    EXPECT_LE(root - Ts, 0.02L + 1e-9L) << static_cast<double>(power);
    const HeaterLosses q = HeaterSurfaceLosses(in, Ts);
    EXPECT_EQ(q.total, q.convective + q.radiative);
    EXPECT_LT(q.total, power);
    EXPECT_GT(q.total, power * 0.99L);
  }
  // A heater without power sits at the ambient, also in a cold or hot room.
  for (const long double ambient : {-30.0L, 20.0L, 500.0L}) {
    HeaterInputs off = FactoryHeater(0);
    off.Ta = ambient;
    const long double Ts = HeaterSurfaceTemperature(off);
    EXPECT_LT(Ts, ambient) << static_cast<double>(ambient);
    EXPECT_GE(Ts, ambient - 0.02L - 1e-9L) << static_cast<double>(ambient);
  }
  // A power beyond every scanned loss: Ta + 3222.19.
  EXPECT_NEAR(HeaterSurfaceTemperature(FactoryHeater(1e30L)), 3242.19L, 1e-9);
}

TEST(Heater, InnerLayersConductThePowerInwards) {
  const HeaterInputs in = FactoryHeater(500);
  // Sheath 8.6/7 mm at 16 W/mK, MgO 7/2 mm at 2 W/mK.
  const long double sheath = LayerInnerTemperature(500, 16, 1.5L, 8.6L, 7, 400);
  EXPECT_NEAR(sheath - 400, 500 * std::log(8.6 / 7) / (2 * 3.14 * 16 * 1.5), 1e-9);
  const long double wire = LayerInnerTemperature(500, 2, 1.5L, 7, 2, sheath);
  EXPECT_NEAR(wire - sheath, 500 * std::log(7.0 / 2) / (2 * 3.14 * 2 * 1.5), 1e-9);
  EXPECT_NEAR(HeaterFluxDensity(in), 500 / (8.6 * 3.14 / 10 * 150), 1e-12);
}

TEST(PipeFlow, ConvectionAloneFollowsTheExponentialProfile) {
  // Without radiation the heat per metre is U'(Tf - Ta), with U' of the
  // chain fluid - pipe wall and insulation - air, and the fluid approaches
  // the ambient as exp(-U' x / F).
  PipeFlowInputs in = FactoryPipe();
  in.e = 0;
  in.ei = 0;
  in.hi = 500;
  const PipeFlowResult r = PipeFlowTemperature(in);
  const long double D1 = in.Di + 2 * in.t1, D2 = D1 + 2 * in.t2;
  const long double wall = (std::log(D1 / in.Di) / in.k1 + std::log(D2 / D1) / in.k2) / (2 * 3.14L);
  const long double Uline = 1 / (1 / (3.14L * in.Di * in.hi) + wall + 1 / (3.14L * D2 * in.h));
  const long double F = 1000 * 1 / 0.86L;
  const long double end = in.Ta + (in.Tin - in.Ta) * std::exp(-Uline * in.Lp / F) - K;
  EXPECT_NEAR(r.fluid, end, 0.01);
  // The heat summed over the length is what the fluid gave.
  EXPECT_NEAR(r.total, F * (80 - r.fluid), 1e-6);
  // Wall temperatures at the end: the ambient side within one step below
  // its balance with the fluid, the fluid side above it.
  const long double q = Uline * (r.fluid + K - in.Ta);
  EXPECT_NEAR(r.wallAmbientSide, in.Ta - K + q / (3.14L * D2 * in.h), 0.011);
  EXPECT_GT(r.wallFluidSide, r.boundary);
  EXPECT_GT(r.boundary, r.wallAmbientSide);
}

TEST(PipeFlow, RadiationTooKeepsTheEnergyBalance) {
  const PipeFlowInputs in = FactoryPipe();
  const PipeFlowResult r = PipeFlowTemperature(in);
  const long double F = 1000 * 1 / 0.86L;
  EXPECT_LT(r.fluid, 80);
  EXPECT_GT(r.fluid, 5);
  EXPECT_NEAR(r.total, F * (80 - r.fluid), 1e-6);
  EXPECT_EQ(r.total, r.convective + r.radiative);

  // Heated fluid: the inlet below the ambient warms up.
  PipeFlowInputs cold = in;
  cold.Tin = -20 + K;
  const PipeFlowResult warmed = PipeFlowTemperature(cold);
  EXPECT_GT(warmed.fluid, -20);
  EXPECT_LT(warmed.fluid, 5);
}

TEST(PipeFlow, InletAtAmbientExchangesNothing) {
  PipeFlowInputs in = FactoryPipe();
  in.Tin = in.Ta;
  const PipeFlowResult r = PipeFlowTemperature(in);
  for (const long double t : {r.fluid, r.wallFluidSide, r.boundary, r.wallAmbientSide}) EXPECT_NEAR(t, 5, 0.005);
  EXPECT_NEAR(r.total, 0, 0.005);
}
