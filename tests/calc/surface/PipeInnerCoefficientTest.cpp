// The coefficient of a fluid in a pipe from the pipe-flow panel's units: the
// dimensionless numbers, the laminar value, the catalogue's Dittus-Boelter
// entry in turbulent flow, and no step between the regimes.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/coefficient/ForcedConvection.h"
#include "calc/surface/PipeInnerCoefficient.h"

using namespace SurfaceCalc;

TEST(PipeInnerCoefficient, FollowsTheFlowRegimes) {
  // Water at 20 ℃ (data/siryou/06): 0.99821 g/cm³, 0.9994 kcal/(kg·K),
  // 1.002 mPa·s, 0.5984 W/(m·K), Pr 7.01; a 2 in pipe, 52.5 mm inside.
  PipeFluid w{0.99821L, 0.9994L, 0, 0.0525L, 1.002L, 0.5984L};
  auto at = [&](long double flow) {
    w.flow = flow;
    return PipeInnerCoefficient(w);
  };
  const PipeInnerParts p = at(10);
  const long double u = 10 / 3600.0L / (3.14L * w.Di * w.Di / 4);
  EXPECT_NEAR(double(p.Re / (998.21L * u * w.Di / 1.002e-3L)), 1, 1e-12);
  EXPECT_NEAR(double(p.Pr), 7.01, 0.01);

  // Laminar: Nu = 3.66.
  EXPECT_EQ(at(0.05L).h, 3.66L * w.conductivity / w.Di);

  // Turbulent: within 25 % of Dittus-Boelter (entry 108), the older and
  // coarser law (Gnielinski lies above it for water), for a gas-like and
  // water's Prandtl number.
  for (const long double Pr : {0.7L, 7.01L}) {
    w.conductivity = 1.002e-3L * 0.9994L * 3600 / 0.86L / Pr;
    for (const long double flow : {5.0L, 20.0L}) {  // Re 3E4 and 1.3E5
      const PipeInnerParts t = at(flow);
      ForcedInputs in;
      in.d = {t.Re, t.Pr};
      in.L = w.Di;
      EXPECT_NEAR(double(t.Nu / FindForcedCorrelation("108")->nu(in)), 1, 0.25)
          << "Pr " << double(Pr) << " Re " << double(t.Re);
    }
  }

  // No step at Re = 2300 nor at Re = 1E4.
  w.conductivity = 0.5984L;
  const long double perRe = p.Re / 10;  // Re per m³/h
  for (const long double Re : {2300.0L, 1e4L}) {
    const long double below = at(Re * (1 - 1e-9L) / perRe).Nu, above = at(Re * (1 + 1e-9L) / perRe).Nu;
    EXPECT_NEAR(double(above / below), 1, 1e-6) << double(Re);
  }
}
