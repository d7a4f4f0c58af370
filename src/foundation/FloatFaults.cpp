#include "foundation/FloatFaults.h"

#include "foundation/Errors.h"

namespace FloatFaults {

void Clear() { feclearexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW); }

void Check() {
  const int raised = fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
  if (raised == 0) return;
  Clear();
  if (raised & FE_DIVBYZERO) throw FloatFault(QStringLiteral("0 による浮動小数点数除算"));
  if (raised & FE_INVALID) throw FloatFault(QStringLiteral("不正な浮動小数点数演算命令"));
  throw FloatFault(QStringLiteral("浮動小数点数のオーバーフロー"));
}

}  // namespace FloatFaults
