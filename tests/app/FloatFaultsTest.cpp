// Floating-point faults raised at run time are found from the FPU flags and
// reported with the runtime's three messages; a pending fault stops every
// later write.
#include <gtest/gtest.h>

#include <cmath>

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "store/ConditionStore.h"

namespace {

// Run-time operands, so the compiler cannot fold the faults away.
volatile long double zero = 0.0L;
volatile long double one = 1.0L;
volatile long double minusOne = -1.0L;
volatile long double huge = 1e4000L;

QString FaultOf(long double (*op)()) {
  FloatFaults::Clear();
  volatile long double sink = op();
  (void)sink;
  try {
    FloatFaults::Check();
  } catch (const FloatFault& e) {
    return e.text();
  }
  return QStringLiteral("<none>");
}

TEST(FloatFaults, RuntimeFaultsGiveTheirMessages) {
  const struct {
    const char* what;
    long double (*op)();
    const char* message;
  } table[] = {
      {"division by zero", [] { return one / zero; }, "0 による浮動小数点数除算"},
      {"log of zero", [] { return logl(zero); }, "0 による浮動小数点数除算"},
      {"zero by zero", [] { return zero / zero; }, "不正な浮動小数点数演算命令"},
      {"log of a negative number", [] { return logl(minusOne); }, "不正な浮動小数点数演算命令"},
      {"root of a negative number", [] { return sqrtl(minusOne); }, "不正な浮動小数点数演算命令"},
      {"overflow of a product", [] { return huge * huge; }, "浮動小数点数のオーバーフロー"},
      {"overflow of exp", [] { return expl(huge); }, "浮動小数点数のオーバーフロー"},
      {"plain arithmetic", [] { return one / (one + one); }, "<none>"},
  };
  for (const auto& row : table) EXPECT_EQ(FaultOf(row.op), QString::fromUtf8(row.message)) << row.what;
}

TEST(FloatFaults, CheckClearsTheFlagsItReports) {
  FaultOf([] { return one / zero; });
  EXPECT_NO_THROW(FloatFaults::Check());
}

TEST(FloatFaults, KeepRestoresTheFlagsAcrossLibraryCode) {
  FloatFaults::Clear();
  volatile long double q = one / zero;
  (void)q;
  {
    FloatFaults::Keep keep;
    FloatFaults::Clear();  // as library code might
  }
  EXPECT_THROW(FloatFaults::Check(), FloatFault);
}

TEST(FloatFaults, PendingFaultStopsACellWrite) {
  ConditionStore store;
  store.SetCell(1, 1, QStringLiteral("before"));
  FloatFaults::Clear();
  volatile long double bad = zero / zero;
  (void)bad;
  EXPECT_THROW(store.SetCell(1, 1, QStringLiteral("after")), FloatFault);
  EXPECT_EQ(store.GetCell(1, 1), QStringLiteral("before"));
  FloatFaults::Clear();
}

}  // namespace
