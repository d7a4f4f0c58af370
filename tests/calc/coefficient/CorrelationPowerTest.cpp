// The correlation calculations on their own: the floating-point faults of
// the powers and the exponent m of entry 74.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

#include "calc/coefficient/CorrelationPower.h"
#include "calc/coefficient/NaturalConvection.h"

namespace {

TEST(CorrelationPower, BasesOfZeroAndBelowRaiseTheirFaults) {
  volatile long double zero = 0.0L, negative = -1.0L, half = 0.5L;
  feclearexcept(FE_ALL_EXCEPT);
  CorrelationPower::Power(zero, half);
  EXPECT_TRUE(fetestexcept(FE_DIVBYZERO));
  feclearexcept(FE_ALL_EXCEPT);
  CorrelationPower::Power(negative, half);
  EXPECT_TRUE(fetestexcept(FE_INVALID));
  feclearexcept(FE_ALL_EXCEPT);
  EXPECT_NEAR(double(CorrelationPower::Power(8.0L, 1.0L / 3.0L)), 2.0, 1e-15);
  EXPECT_FALSE(fetestexcept(FE_DIVBYZERO | FE_INVALID));
}

TEST(NaturalConvection, AnExponentMOfZeroIsTakenAsOneTenThousandth) {
  const NaturalCorrelation* c = FindNaturalCorrelation("74");
  ASSERT_NE(c, nullptr);
  NaturalInputs in;
  in.d = {35000, 0.668, 612500000, 408923735.2941177L};
  in.L = 1;
  in.C = 0.59L;
  in.n = 0.25L;
  in.X = 1e40L;  // a ratio large enough to show the exponent
  in.m = 0;
  // 0.59 × Ra^0.25 × (1e40)^0.0001, worked out with python3.
  EXPECT_NEAR(double(c->nu(in)), 84.67644009456896, 1e-9);
  EXPECT_EQ(FindNaturalCorrelation("074"), nullptr);
}

}  // namespace
