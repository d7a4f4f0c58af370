// The dew point against a published table of the saturation vapour pressure
// of water: air at t with the vapour pressure of the table at td has the dew
// point td. From 0 to 40 degC the CRC Handbook of Chemistry and Physics
// (73rd ed., 1992-93), "Vapor pressure of water", kPa. Below 0 degC, over
// supercooled water, the reference formulation of Murphy and Koop (2005,
// Q. J. R. Meteorol. Soc. 131, 1539-1565, eq. 10) at -10 and -5 degC, as
// the handbook table starts at 0 degC.
#include <gtest/gtest.h>

#include <map>

#include "calc/design/DewPoint.h"

using namespace DesignCalc;

namespace {

const std::map<int, long double> kVapourKPa = {
    {-10, 0.28645L}, {-5, 0.42176L}, {0, 0.61129L}, {5, 0.8726L},  {10, 1.2281L}, {15, 1.7056L},
    {20, 2.3388L},   {25, 3.169L},   {30, 4.2455L}, {35, 5.6267L}, {40, 7.3814L},
};

}  // namespace

TEST(DewPoint, MatchesTheTableWithinTwoTenthsOfAKelvin) {
  const int pairs[][2] = {{40, 35}, {40, 20}, {40, -10}, {35, 30}, {30, 25}, {30, 10}, {25, 15}, {20, 10},
                          {20, 0},  {15, 5},  {10, 0},   {10, 10}, {5, -5},  {0, -10}, {-5, -10}};
  for (const auto& p : pairs) {
    const long double rh = 100 * kVapourKPa.at(p[1]) / kVapourKPa.at(p[0]);
    EXPECT_NEAR(DewPoint(p[0], rh), p[1], 0.2) << p[0] << " degC air, dew point " << p[1];
  }
  // The Magnus form itself against the table, within 0.4 %.
  for (const auto& [t, kPa] : kVapourKPa) EXPECT_NEAR(SaturationPressure(t) / 10, kPa, kPa * 0.004L) << t;
}

TEST(DewPoint, AColdSurfaceCondensesByItsDepthBelowTheDewPoint) {
  // Air at 20 degC and 52.5 %: dew point near 10 degC (1.2281 / 2.3388 kPa).
  const Condensation wet = CheckCondensation(7.5L, 20, 52.51L);
  EXPECT_TRUE(wet.condenses);
  EXPECT_NEAR(wet.below, wet.dewPoint - 7.5L, 1e-15);
  EXPECT_NEAR(wet.below, 2.5, 0.2);
  const Condensation dry = CheckCondensation(12, 20, 52.51L);
  EXPECT_FALSE(dry.condenses);
  EXPECT_LT(dry.below, 0);
  EXPECT_NEAR(DewPoint(25, 100), 25, 1e-15);
  EXPECT_FALSE(HumidityInRange(0));
  EXPECT_FALSE(HumidityInRange(100.5L));
  EXPECT_TRUE(HumidityInRange(100));
}
