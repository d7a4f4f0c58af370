// Conductivity that changes with temperature: the mean-value flows against a
// march through the layer that uses k(T) point by point, the inverse, and
// the constant case against the cylinder calculator's own form.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/heatloss/SurfaceLoss.h"
#include "calc/surface/ConductivityFit.h"
#include "calc/surface/TemperatureConductivity.h"

using namespace SurfaceCalc;

namespace {

// Steady conduction through the layer, marched with RK4 in n steps from the
// face at T1: dT/dx = -q / k(T) (flat, q in W/m²) or dT/dr = -Q / (2π r k(T))
// (cylinder, Q in W/m). Returns the temperature reached at the far face.
long double MarchFlat(const TemperatureConductivity& k, long double T1, long double q, long double t, int n) {
  const long double dx = t / n;
  auto f = [&](long double T) { return -q / ConductivityAt(k, T); };
  long double T = T1;
  for (int i = 0; i < n; ++i) {
    const long double k1 = f(T), k2 = f(T + dx / 2 * k1), k3 = f(T + dx / 2 * k2), k4 = f(T + dx * k3);
    T += dx / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
  }
  return T;
}

long double MarchCylinder(const TemperatureConductivity& k, long double T1, long double Q, long double D1,
                          long double D2, int n) {
  const long double dr = (D2 - D1) / 2 / n;
  auto f = [&](long double r, long double T) {
    return -Q / (2 * HeatLossCalc::kPi * r * ConductivityAt(k, T));
  };
  long double r = D1 / 2, T = T1;
  for (int i = 0; i < n; ++i) {
    const long double k1 = f(r, T), k2 = f(r + dr / 2, T + dr / 2 * k1), k3 = f(r + dr / 2, T + dr / 2 * k2),
                      k4 = f(r + dr, T + dr * k3);
    T += dr / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
    r += dr;
  }
  return T;
}

}  // namespace

TEST(TemperatureConductivity, FlowsMeetAMarchThroughTheLayer) {
  // Calcium silicate and mineral wool like fits, one falling with T, and
  // spans hot, cold and across 0 ℃.
  const TemperatureConductivity ks[] = {
      {0.0466L, 6.5e-5L, 1.5e-7L}, {0.033L, 1.2e-4L, 4e-7L}, {1.5L, -8e-4L, 0}, {0.04L, 0, 0}};
  const long double spans[][2] = {{450, 60}, {20, -120}, {-30, 40}, {300, 300}};
  for (const auto& k : ks) {
    for (const auto& s : spans) {
      const long double T1 = s[0], T2 = s[1];
      ASSERT_TRUE(ConductivityPositive(k, T1, T2));
      const long double q = FlatLayerFlux(k, T1, T2, 0.1L);
      EXPECT_NEAR(double(MarchFlat(k, T1, q, 0.1L, 400)), double(T2), 1e-9)
          << double(T1) << " " << double(T2);
      const long double Q = CylinderLayerFlow(k, T1, T2, 0.0603L, 0.2603L);
      EXPECT_NEAR(double(MarchCylinder(k, T1, Q, 0.0603L, 0.2603L, 2000)), double(T2), 1e-9);
      // The inverse returns the face temperature the flow came from.
      EXPECT_NEAR(double(FaceTemperatureForIntegral(k, T2, q * 0.1L)), double(T1), 1e-12);
    }
  }
  EXPECT_FALSE(ConductivityPositive({0.05L, -1e-3L, 0}, 0, 100));        // 0 at 50 ℃
  EXPECT_FALSE(ConductivityPositive({0.01L, -2e-4L, 0.9e-6L}, 0, 200));  // its least value lies inside
  EXPECT_TRUE(ConductivityPositive({0.01L, -2e-4L, 0.9e-6L}, 150, 200));
}

// With b = c = 0 (the table left empty) the layer conducts what today's
// constant k does, to the last bit, in the cylinder calculator's order.
TEST(TemperatureConductivity, ConstantConductivityIsTodaysLayer) {
  const long double k2 = 0.0437L, D1 = 0.1143L, D2 = 0.2143L, Ti = 350 + 273.15L, T = 41.7L + 273.15L;
  const long double G2 = k2 / logl(D2 / D1);
  EXPECT_EQ(CylinderLayerFlow({k2, 0, 0}, Ti, T, D1, D2), (Ti - T) * G2 * 2 * HeatLossCalc::kPi);
  EXPECT_EQ(MeanConductivity({k2, 0, 0}, Ti, T), k2);
  EXPECT_EQ(FlatLayerFlux({k2, 0, 0}, 300, 40, 0.05L), k2 * (300 - 40.0L) / 0.05L);
}

// k at several mean temperatures, fitted to a + b·T + c·T²: three points of
// a parabola give it back; more points give the least-squares parabola,
// here of calcium silicate's table (Incropera, Table A.3: 190 kg/m³ at 37,
// 92, 147, 257, 372 and 477 ℃), whose normal equations were solved apart
// in exact rational arithmetic; one point is a constant, two a line.
TEST(ConductivityFit, LeastSquaresParabolaOfTheTable) {
  const TemperatureConductivity k{0.05L, 1.2e-4L, 2.5e-7L};
  std::vector<ConductivityPoint> three;
  for (long double T : {0.0L, 200.0L, 600.0L}) three.push_back({T, ConductivityAt(k, T)});
  const std::optional<TemperatureConductivity> back = FitConductivity(three);
  ASSERT_TRUE(back);
  EXPECT_NEAR(double(back->a), 0.05, 1e-16);
  EXPECT_NEAR(double(back->b), 1.2e-4, 1e-18);
  EXPECT_NEAR(double(back->c), 2.5e-7, 1e-20);

  const std::optional<TemperatureConductivity> table = FitConductivity(
      {{37, 0.055L}, {92, 0.059L}, {147, 0.063L}, {257, 0.075L}, {372, 0.089L}, {477, 0.104L}});
  ASSERT_TRUE(table);
  EXPECT_NEAR(double(table->a), 0.0524299848016456, 1e-15);
  EXPECT_NEAR(double(table->b), 6.130277606634605e-05, 1e-17);
  EXPECT_NEAR(double(table->c), 9.861730728788698e-08, 1e-19);

  EXPECT_EQ(FitConductivity({{70, 0.044L}})->a, 0.044L);
  const TemperatureConductivity line = *FitConductivity({{0, 0.04L}, {100, 0.05L}});
  EXPECT_NEAR(double(line.b), 1e-4, 1e-18);
  EXPECT_EQ(line.c, 0);
  EXPECT_FALSE(FitConductivity({}));
  EXPECT_FALSE(FitConductivity({{50, 0.04L}, {50, 0.05L}}));
}
