// Code page 932 decoding of any bytes, then ByteLength and ByteMid of the
// text: the first two bytes give the start (0 to 255) and the count (-1 to
// 254) of the cut. A cut is never longer than asked for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "store/Cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int start = data[0];
  const int count = static_cast<int>(data[1]) - 1;
  const QByteArray bytes(reinterpret_cast<const char*>(data + 2),
                         static_cast<qsizetype>(size - 2));
  bool valid = true;
  const QString text = Cp932::Decode(bytes, &valid);
  const int length = Cp932::ByteLength(text);
  if (length < 0) abort();
  const QString cut = Cp932::ByteMid(text, start, count);
  const int cutLength = Cp932::ByteLength(cut);
  if (cutLength > length) abort();
  if (count >= 0 && cutLength > count) abort();
  bool lossless = true;
  (void)Cp932::Encode(text, &lossless);
  (void)Cp932::Representable(text);
  return 0;
}
