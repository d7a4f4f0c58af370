// The economic thickness on a case worked by hand, and the table of a
// calculator built from its forward runs.
#include <gtest/gtest.h>

#include "calc/design/Economics.h"
#include "heatloss/FactoryCases.h"

using namespace DesignCalc;

// 8000 h a year, 10 a kWh, efficiency 0.8, 0.2 kg CO2 a kWh, 10 years at 5 %.
// (P/A, 5 %, 10) = (1.05^10 - 1) / (0.05 x 1.05^10) = 7.7217349292
//          W/m   kWh heat  kWh bought  cost/yr   CO2 kg  present      installed  total        payback
//   bare   200   1600      2000        20000     400     154434.6986  0          154434.6986  -
//   25 mm   60    480       600         6000     120      46330.4096  3000        49330.4096  3000/14000 =
//   0.2143 50 mm   35    280       350         3500      70      27026.0723  4500        31526.0723
//   4500/16500 = 0.2727 75 mm   28    224       280         2800      56      21620.8578  12000 33620.8578
//   12000/17200 = 0.6977
// The economic thickness is 50 mm.
TEST(Economics, HandWorkedThreeThicknesses) {
  EconomicInputs econ;
  econ.hoursPerYear = 8000;
  econ.pricePerKWh = 10;
  econ.efficiency = 0.8L;
  econ.co2PerKWh = 0.2L;
  econ.years = 10;
  econ.discountRate = 0.05L;
  // Given out of order: the table sorts by thickness.
  const EconomicTable t = EconomicRows(200, {{75, 12000}, {25, 3000}, {50, 4500}}, {28, 60, 35}, econ);
  ASSERT_TRUE(t.valid);
  EXPECT_NEAR(t.presentWorthFactor, 7.7217349292L, 1e-9);
  ASSERT_EQ(t.rows.size(), 4u);
  const long double mm[] = {0, 25, 50, 75}, bought[] = {2000, 600, 350, 280}, co2[] = {400, 120, 70, 56};
  const long double total[] = {154434.6986L, 49330.4096L, 31526.0723L, 33620.8578L};
  const long double payback[] = {0, 3000.0L / 14000, 4500.0L / 16500, 12000.0L / 17200};
  for (int j = 0; j < 4; ++j) {
    EXPECT_EQ(t.rows[j].mm, mm[j]);
    EXPECT_NEAR(t.rows[j].energyKWh, bought[j], 1e-9);
    EXPECT_NEAR(t.rows[j].co2Kg, co2[j], 1e-9);
    EXPECT_NEAR(t.rows[j].total, total[j], 1e-4);
    EXPECT_EQ(t.rows[j].paysBack, j > 0);
    EXPECT_NEAR(t.rows[j].paybackYears, payback[j], 1e-12);
  }
  EXPECT_EQ(t.best, 2);

  // No discount: the energy over n years is n times a year's.
  econ.discountRate = 0;
  EXPECT_EQ(EconomicRows(200, {}, {}, econ).rows[0].presentEnergyCost, 200000);
  // A heat source of no efficiency is refused.
  econ.efficiency = 0;
  EXPECT_FALSE(EconomicRows(200, {}, {}, econ).valid);
}

TEST(Economics, CylinderRowsComeFromForwardRuns) {
  const HeatLossCalc::CylinderInputs in = FactoryCases::FactoryCylinder();
  EconomicInputs econ;
  econ.hoursPerYear = 8760;
  econ.pricePerKWh = 12;
  econ.efficiency = 0.85L;
  econ.years = 15;
  econ.discountRate = 0.03L;
  const EconomicTable t = CylinderEconomics(in, {{25, 5000}, {50, 6500}, {100, 11500}, {0, 1}}, econ);
  ASSERT_EQ(t.rows.size(), 4u);  // bare and three stock thicknesses
  for (const EconomicRow& r : t.rows) {
    HeatLossCalc::CylinderInputs at = in;
    at.t2 = r.mm == 0 ? 1e-5L : r.mm / 1000;
    EXPECT_EQ(r.heatFlow, HeatLossCalc::CylinderHeatLoss(at).total / in.L);
    EXPECT_GE(r.total, t.rows[t.best].total);
  }
}
