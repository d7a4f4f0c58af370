// The refining scan and the surface model.
#include <gtest/gtest.h>

#include "calc/heatloss/GainScan.h"
#include "calc/heatloss/HeaterScan.h"
#include "calc/numeric/RefiningScan.h"
#include "calc/heatloss/SurfaceLoss.h"

using namespace HeatLossCalc;

TEST(RefiningScan, ScansStagesFromTheBestPointAndKeepsTheLastAccepted) {
  // Every point is visited: stages x points evaluations, the first stage
  // starting at the start value itself.
  int calls = 0;
  long double first = 0;
  Scan::Refining(300, 5, 31, [&](long double T) {
    if (calls++ == 0) first = T;
    return false;
  });
  EXPECT_EQ(calls, 5 * 31);
  EXPECT_NEAR(first, 300, 1e-12);

  // Never accepted: the start value.
  EXPECT_EQ(Scan::Refining(193.15L, 5, 31, [](long double) { return false; }), 193.15L);
  // Always accepted: the highest scanned point, 3000 + 300 + 30 + 3 + 0.3 above the start.
  EXPECT_NEAR(Scan::Refining(0, 5, 31, [](long double) { return true; }), 3333.3L, 1e-9);
  EXPECT_NEAR(Scan::Refining(0, 6, 31, [](long double) { return true; }), 3333.33L, 1e-9);
  // Twelve points: 1100 + 110 + 11 + 1.1 + 0.11 above the start.
  EXPECT_NEAR(Scan::Refining(0, 5, 12, [](long double) { return true; }), 1222.21L, 1e-9);

  // A strict test at a crossing that lies on the grid: the point itself fails.
  EXPECT_NEAR(Scan::Refining(0, 5, 31, [](long double T) { return T < 150; }), 149.99L, 1e-9);
  // The last accepted point of a stage wins, also across rejected points.
  EXPECT_NEAR(Scan::Refining(0, 1, 31, [](long double T) { return T < 50 || (T > 250 && T < 350); }), 300, 1e-9);
}

// For a test that holds below a threshold the scan that stops each stage at
// its first failing point keeps the very value of the full scan, with far
// fewer evaluations; also at thresholds on the grid and outside the range.
TEST(ThresholdScan, KeepsTheFullScansValueWithFewerEvaluations) {
  for (const long double threshold :
       {-250.0L, -37.7L, 0.0L, 0.123456L, 12.3456789L, 37.123456789L, 150.0L, 199.9999L, 299.99L, 1e6L}) {
    for (const int stages : {5, 6}) {
      int full = 0, early = 0;
      const long double a =
          Scan::Refining(-100, stages, 31, [&](long double T) { return ++full, T < threshold; });
      const long double b =
          Scan::Threshold(-100, stages, 31, [&](long double T) { return ++early, T < threshold; });
      EXPECT_EQ(a, b) << double(threshold);
      if (threshold > 0 && threshold < 1000) {
        EXPECT_LT(3 * early, full);
      }
      EXPECT_EQ(GainScan(20, stages, 12, [&](long double T) { return T > threshold - 200; }),
                GainThresholdScan(20, stages, 12, [&](long double T) { return T > threshold - 200; }));
    }
  }
}

TEST(HeaterScan, KeepsOneStepBelowTheLastPointBelow) {
  // Loss below the power everywhere: Ta + 3222.19, the highest value it can keep.
  EXPECT_NEAR(HeaterScan(20, [](long double) { return true; }), 3242.19L, 1e-9);
  // Crossing at 412.345: the last point below is 412.34, kept 412.33.
  EXPECT_NEAR(HeaterScan(20, [](long double T) { return T < 412.345L; }), 412.33L, 1e-9);
  // Nothing below: one step below the first point.
  EXPECT_EQ(HeaterScan(20, [](long double) { return false; }), -80);
}

TEST(SurfaceLoss, ConvectionPlusRadiation) {
  const SurfaceLossParts q = SurfaceLoss(400, 300, 2, 10, 0.5L, 5.67e-8L);
  EXPECT_NEAR(q.convective, 100 * 2 * 10, 1e-12);
  EXPECT_NEAR(q.radiative, (2.56e10L - 8.1e9L) * 2 * 0.5L * 5.67e-8L, 1e-9);
  EXPECT_EQ(q.total, q.convective + q.radiative);
  // Without emissivity only convection is left, without coefficient only radiation.
  EXPECT_EQ(SurfaceLoss(400, 300, 2, 10, 0, 5.67e-8L).radiative, 0);
  EXPECT_EQ(SurfaceLoss(400, 300, 2, 0, 0.5L, 5.67e-8L).convective, 0);
}
