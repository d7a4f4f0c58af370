#include "store/Cp932.h"

#include <iconv.h>

#include <cerrno>

#include "foundation/FloatFaults.h"

namespace {

// One iconv conversion descriptor per direction, opened once.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

iconv_t ToCp932() {
  static Converter c("CP932", "UTF-16LE");
  return c.get();
}

iconv_t FromCp932() {
  static Converter c("UTF-16LE", "CP932");
  return c.get();
}

// Converts one chunk; returns false on an invalid or unconvertible unit, in
// which case *consumed tells how far it got.
bool Convert(iconv_t cd, const char* in, size_t inLen, QByteArray& out, size_t* consumed) {
  char buf[4096];
  char* src = const_cast<char*>(in);
  size_t left = inLen;
  bool ok = true;
  while (left > 0) {
    char* dst = buf;
    size_t room = sizeof buf;
    const size_t r = iconv(cd, &src, &left, &dst, &room);
    out.append(buf, static_cast<int>(dst - buf));
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      ok = false;
      break;
    }
  }
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  *consumed = inLen - left;
  return ok;
}

}  // namespace

namespace Cp932 {

QByteArray Encode(const QString& text, bool* lossless) {
  FloatFaults::Keep keep;
  QByteArray out;
  bool clean = true;
  const char* data = reinterpret_cast<const char*>(text.utf16());
  size_t len = static_cast<size_t>(text.size()) * 2;
  while (len > 0) {
    size_t consumed = 0;
    if (Convert(ToCp932(), data, len, out, &consumed)) break;
    // Skip the unit that has no code page 932 form (a surrogate pair whole).
    clean = false;
    out.append('?');
    size_t skip = 2;
    const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(data[consumed]) |
                                                (static_cast<unsigned char>(data[consumed + 1]) << 8));
    if (unit >= 0xD800 && unit <= 0xDBFF && consumed + 4 <= len) skip = 4;
    data += consumed + skip;
    len -= consumed + skip;
  }
  if (lossless) *lossless = clean;
  return out;
}

QString Decode(const QByteArray& bytes, bool* valid) {
  FloatFaults::Keep keep;
  QByteArray out;
  bool clean = true;
  const char* data = bytes.constData();
  size_t len = static_cast<size_t>(bytes.size());
  while (len > 0) {
    size_t consumed = 0;
    if (Convert(FromCp932(), data, len, out, &consumed)) break;
    clean = false;
    out.append("\xFD\xFF", 2);  // U+FFFD in UTF-16LE
    data += consumed + 1;
    len -= consumed + 1;
  }
  if (valid) *valid = clean;
  return QString(reinterpret_cast<const QChar*>(out.constData()), out.size() / 2);
}

int ByteLength(const QString& text) { return static_cast<int>(Encode(text).size()); }

QString ByteMid(const QString& text, int start, int count) {
  const QByteArray bytes = Encode(text);
  if (start < 0) start = 0;
  if (start >= bytes.size()) return QString();
  // Walk character by character so that a lead byte is never split from its trail.
  QString result;
  int pos = 0;
  const int end = (count < 0 || start + count > bytes.size()) ? static_cast<int>(bytes.size()) : start + count;
  for (int i = 0; i < text.size();) {
    const int step = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString ch = text.mid(i, step);
    const int width = static_cast<int>(Encode(ch).size());
    if (pos >= start && pos + width <= end) result += ch;
    pos += width;
    if (pos >= end) break;
    i += step;
  }
  return result;
}

bool Representable(const QString& text) {
  bool lossless = true;
  Encode(text, &lossless);
  return lossless;
}

}  // namespace Cp932
