// The fill command typed into the finite-element sheet (UTF-8 text): the
// value holds at most 6 code page 932 bytes and the second name at most 5.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "operations/fem/FemFillCommand.h"
#include "store/Cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const FemFillCommand c = FemFillCommand::Parse(text);
  if (c.column != 0 && c.column != 2 && c.column != 3 && c.column != 4) abort();
  if (c.column != FemFillCommand::ColumnOf(text)) abort();
  if (Cp932::ByteLength(c.value) > 6) abort();
  if (Cp932::ByteLength(c.second) > 5) abort();
  return 0;
}
