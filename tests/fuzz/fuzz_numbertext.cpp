// Number text as typed (UTF-8): ToNumber and TryToNumber agree, ToInteger
// and TryToInteger agree, and the general format of every number read is
// itself read back as a number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  FloatFaults::Clear();

  long double tried = 0;
  const bool ok = TryToNumber(text, tried);
  bool thrown = false;
  long double value = 0;
  try {
    value = ToNumber(text);
  } catch (const ConversionError&) {
    thrown = true;
  }
  if (ok == thrown) abort();
  if (ok && !(value == tried || (std::isnan(value) && std::isnan(tried)))) abort();

  if (ok && std::isfinite(value)) {
    const QString shown = NumberText(value);
    long double back = 0;
    if (!TryToNumber(shown, back)) abort();
  }

  int n = 0;
  const bool intOk = TryToInteger(text, n);
  bool intThrown = false;
  try {
    (void)ToInteger(text);
  } catch (const ConversionError&) {
    intThrown = true;
  }
  if (intOk == intThrown) abort();
  FloatFaults::Clear();
  return 0;
}
