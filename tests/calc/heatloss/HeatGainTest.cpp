// Structures colder than the air: each gain must close its balance as the
// loss side does. The surface lies within one scan step of the crossing
// found here independently, on the air side, and the heat it takes from the
// air is what the layers conduct inwards.
#include <gtest/gtest.h>

#include <cmath>

#include "Bisection.h"
#include "FactoryCases.h"
#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/HeatGain.h"
#include "calc/heatloss/PipeFlow.h"

using namespace HeatLossCalc;
using namespace HeatLossTest;
using namespace FactoryCases;

namespace {

// Heat per unit area (or per metre with a circumference) leaving a surface at T.
long double Out(long double T, long double Ta, long double h, long double e, long double sigma) {
  return h * (T - Ta) + e * sigma * (Pow4(T) - Pow4(Ta));
}

}  // namespace

TEST(HeatGain, ChilledCylinderClosesItsBalance) {
  // Chilled water at 6 degC in air at 30 degC; brine at -30 degC; bare.
  struct Case {
    long double Ti, t2;
  };
  for (const Case c : {Case{6, 0.05L}, Case{-30, 0.025L}, Case{6, 1e-5L}}) {
    CylinderInputs in = FactoryCylinder();
    in.Ta = 30;
    in.Ti = c.Ti;
    in.t2 = c.t2;
    const CylinderResult r = CylinderHeatLoss(in);
    const long double D2 = in.D1 + 2 * in.t2, P = 3.14L * D2, Ta = in.Ta + K, Ti = in.Ti + K;
    const long double perKelvin =
        2 * 3.14L / (std::log(in.D1 / (in.D1 - 2 * in.t1)) / in.k1 + std::log(D2 / in.D1) / in.k2);
    auto gained = [&](long double T) { return -in.L * P * Out(T, Ta, in.h, in.e, in.sigma); };
    // Positive while the air gives more than the layers pass inwards.
    const long double root =
        Crossing(Ti, Ta, [&](long double T) { return gained(T) - (T - Ti) * perKelvin * in.L; });
    EXPECT_GT(r.surface + K, root) << static_cast<double>(c.Ti);
    EXPECT_LE(r.surface + K - root, 0.001L + 1e-9L);
    const long double oneStep = gained(root) - gained(root + 0.001L);
    EXPECT_NEAR(-r.total, gained(root), oneStep + 0.01);
    EXPECT_NEAR(-r.total, (r.surface + K - Ti) * perKelvin * in.L,
                oneStep + 0.001L * perKelvin * in.L + 0.02);
    EXPECT_GT(r.interface, c.Ti);
    EXPECT_LT(r.interface, r.surface);
  }
}

TEST(HeatGain, ColdPlateAndWallCloseTheirBalance) {
  // A bare plate at -150 degC: the surface lies far more than 100 K below
  // the air, beyond where the loss scan starts.
  for (const long double Ti : {-150.0L, 5.0L}) {
    FlatPlateInputs in = FactoryPlate();
    in.Ti = Ti + K;
    in.L2 = Ti < 0 ? 1e-7L : 0.05L;
    const FlatPlateResult r = FlatPlateSteady(in);
    const long double U = 1 / (in.L2 / in.k2 + in.L1 / in.k1);
    const long double root = Crossing(
        in.Ti, in.Ta, [&](long double T) { return -Out(T, in.Ta, in.h, in.e, in.sigma) - (T - in.Ti) * U; });
    EXPECT_GT(r.surface + K, root) << static_cast<double>(Ti);
    EXPECT_LE(r.surface + K - root, 0.01L + 1e-9L);
    EXPECT_LT(r.total, 0);
    EXPECT_NEAR(r.interface, Ti - r.total / in.A * in.L1 / in.k1, 1e-9);
    EXPECT_NEAR(-r.total / in.A, (r.surface + K - in.Ti) * U, 0.01L * (U + in.h + 10));
  }
  // The flat wall with a gas at -40 degC behind it.
  FlatWallInputs in = FactoryWall();
  in.Tg = -40 + K;
  const FlatWallResult r = FlatWallTransmission(in);
  const long double U = 1 / (in.L2 / in.k2 + in.L1 / in.k1);
  const long double wallRoot = Crossing(in.Tg, in.Ta, [&](long double T) {
    const long double q = -Out(T, in.Ta, in.h, in.e, in.sigma);
    return q - Out(T - q / U, in.Tg, in.hi, in.ei, in.sigma);  // taken from the air minus given to the gas
  });
  EXPECT_GT(r.outerSurface + K, wallRoot);
  EXPECT_LE(r.outerSurface + K - wallRoot, 0.01L + 1e-9L);
  const long double q = r.total / in.A;
  EXPECT_LT(q, 0);
  EXPECT_NEAR(r.innerSurface, r.outerSurface + q / U, 1e-9);
  EXPECT_NEAR(r.interface, r.outerSurface + q * in.L2 / in.k2, 1e-9);
  EXPECT_GT(r.innerSurface, -40);
}

TEST(HeatGain, ColdPlateWarmsOverTheHours) {
  // A plate at -50 degC in air at 20 degC, against an independent march with
  // exact surface temperatures, as the cooling test does on the hot side.
  FlatPlateInputs in = FactoryPlate();
  in.Ti = -50 + K;
  const CoolingInputs cooling = FactoryCooling();
  const FlatPlateResult r = FlatPlateCooling(in, cooling);
  const long double C = in.A * in.L1 * cooling.rho * 1000 * cooling.c;
  const long double U = 1 / (in.L2 / in.k2 + in.L1 / in.k1);
  long double Tp = in.Ti;
  for (int i = 0; i < 2000; ++i) {
    const long double Ts = Crossing(
        Tp, in.Ta, [&](long double T) { return -Out(T, in.Ta, in.h, in.e, in.sigma) - (T - Tp) * U; });
    Tp -= in.A * Out(Ts, in.Ta, in.h, in.e, in.sigma) * 0.001L / C;
  }
  EXPECT_NEAR(r.plate, Tp - K, 0.01);
  EXPECT_GT(r.plate, -50 + 0.5);
  EXPECT_LT(r.plate, 20);
  EXPECT_LT(r.total, 0);
}

TEST(HeatGain, ChilledPipeWarmsAsItsGainSays) {
  // Convection alone: the fluid approaches the air exponentially, as on the
  // hot side; with radiation the heat summed over the length is what the
  // fluid took up. An inlet at the air exchanges nothing.
  PipeFlowInputs in = FactoryPipe();
  in.Ta = 30 + K;
  in.Tin = 6 + K;
  const long double F = 1000 * 1 / 0.86L;

  PipeFlowInputs bare = in;
  bare.e = 0;
  bare.ei = 0;
  bare.hi = 500;
  const PipeFlowResult c = PipeFlowTemperature(bare);
  const long double D1 = in.Di + 2 * in.t1, D2 = D1 + 2 * in.t2;
  const long double wall = (std::log(D1 / in.Di) / in.k1 + std::log(D2 / D1) / in.k2) / (2 * 3.14L);
  const long double Uline = 1 / (1 / (3.14L * in.Di * bare.hi) + wall + 1 / (3.14L * D2 * in.h));
  const long double end = in.Ta + (in.Tin - in.Ta) * std::exp(-Uline * in.Lp / F) - K;
  EXPECT_NEAR(c.fluid, end, 0.01);
  EXPECT_NEAR(c.total, F * (6 - c.fluid), 1e-6);
  const long double q = Uline * (in.Ta - c.fluid - K);  // gained per metre at the end
  EXPECT_NEAR(c.wallAmbientSide, in.Ta - K - q / (3.14L * D2 * in.h), 0.011);
  EXPECT_LT(c.wallFluidSide, c.boundary);
  EXPECT_LT(c.boundary, c.wallAmbientSide);

  const PipeFlowResult r = PipeFlowTemperature(in);
  EXPECT_GT(r.fluid, 6);
  EXPECT_LT(r.fluid, 30);
  EXPECT_LT(r.total, 0);
  EXPECT_NEAR(r.total, F * (6 - r.fluid), 1e-6);

  in.Tin = in.Ta;
  const PipeFlowResult still = PipeFlowTemperature(in);
  for (const long double t : {still.fluid, still.wallFluidSide, still.boundary, still.wallAmbientSide})
    EXPECT_NEAR(t, 30, 1e-12);
  EXPECT_EQ(still.total, 0);
}

TEST(HeatGain, HotSideKeepsItsBits) {
  // The factory results as the loss calculations gave them before the cold
  // side was added, bit for bit: the hand-over happens before their arithmetic.
  const CylinderResult c = CylinderHeatLoss(FactoryCylinder());
  EXPECT_EQ(c.surface, 0xd.90000000000001p+1L);
  EXPECT_EQ(c.interface, 0xb.3f7bbef3e0f6c44p+4L);
  EXPECT_EQ(c.total, 0xa.bcc28f5c28f5c29p+6L);
  const FlatPlateResult p = FlatPlateSteady(FactoryPlate());
  EXPECT_EQ(p.surface, 0x8.db851eb851eb86p+2L);
  EXPECT_EQ(p.interface, 0x8.21f398fde8e593fp+5L);
  EXPECT_EQ(p.total, 0x8.c714d7c66b93b91p+8L);
  const FlatPlateResult q = FlatPlateCooling(FactoryPlate(), FactoryCooling());
  EXPECT_EQ(q.plate, 0x9.44fa3a48310080dp+5L);
  EXPECT_EQ(q.total, 0x8.ac181d09ac9247ap+8L);
  const FlatWallResult w = FlatWallTransmission(FactoryWall());
  EXPECT_EQ(w.outerSurface, 0xf.30a3d70a3d70a58p+2L);
  EXPECT_EQ(w.innerSurface, 0xc.6e59a9f12c461b6p+6L);
  EXPECT_EQ(w.total, 0xc.31d1024c4748c96p+9L);
  const PipeFlowResult f = PipeFlowTemperature(FactoryPipe());
  EXPECT_EQ(f.fluid, 0x9.b71bf3d8516224p+3L);
  EXPECT_EQ(f.wallAmbientSide, 0xa.8cccccccccccd2p+0L);
  EXPECT_EQ(f.total, 0xa.58a60d0725564e3p+8L);
}
