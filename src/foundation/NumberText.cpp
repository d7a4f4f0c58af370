#include "foundation/NumberText.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "calc/numeric/Rounding.h"

namespace {

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Checks the accepted grammar and returns the trimmed ASCII text to parse.
bool Grammar(const QString& text, QByteArray& ascii) {
  int i = 0;
  int end = text.size();
  while (i < end && text[i] == QLatin1Char(' ')) ++i;
  while (end > i && text[end - 1] == QLatin1Char(' ')) --end;
  const int start = i;
  if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
  int digits = 0;
  while (i < end && IsDigit(text[i])) ++i, ++digits;
  if (i < end && text[i] == QLatin1Char('.')) {
    ++i;
    while (i < end && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
    ++i;
    if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    int expDigits = 0;
    while (i < end && IsDigit(text[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != end) return false;
  ascii = text.mid(start, end - start).toLatin1();
  return true;
}

// Number texts use "." as the decimal point whatever the desktop's locale
// (the window sets the C library to it, and a German or French locale would
// read "0.8" as no number). The C library conversions run in the C locale.
class InCLocale {
 public:
  InCLocale() : previous_(uselocale(CLocale())) {}
  ~InCLocale() { uselocale(previous_); }
  InCLocale(const InCLocale&) = delete;
  InCLocale& operator=(const InCLocale&) = delete;

 private:
  static locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
  }
  locale_t previous_;
};

bool HasNonZeroDigit(const QByteArray& ascii) {
  for (char c : ascii) {
    if (c == 'e' || c == 'E') break;
    if (c >= '1' && c <= '9') return true;
  }
  return false;
}

}  // namespace

QString HalfWidthNumber(const QString& text) {
  QString s = text;
  for (QChar& c : s) {
    const char16_t u = c.unicode();
    if (u >= 0xFF10 && u <= 0xFF19)  // ０ .. ９
      c = QChar(u - 0xFF10 + '0');
    else if (u == 0xFF0B)  // ＋
      c = QLatin1Char('+');
    else if (u == 0xFF0D || u == 0x2212)  // －, the minus sign −
      c = QLatin1Char('-');
    else if (u == 0xFF0E)  // ．
      c = QLatin1Char('.');
    else if (u == 0xFF25)  // Ｅ
      c = QLatin1Char('E');
    else if (u == 0xFF45)  // ｅ
      c = QLatin1Char('e');
    else if (u == 0x3000)  // the full-width blank
      c = QLatin1Char(' ');
  }
  return s;
}

bool TryToNumber(const QString& text, long double& value) {
  QByteArray ascii;
  if (!Grammar(HalfWidthNumber(text), ascii)) return false;
  FloatFaults::Keep keep;  // strtold may raise flags of its own
  InCLocale cLocale;
  errno = 0;
  char* endPtr = nullptr;
  const long double v = strtold(ascii.constData(), &endPtr);
  if (endPtr != ascii.constData() + ascii.size()) return false;
  if (std::isinf(v) || std::isnan(v)) return false;
  // Underflow to zero of a number that is not zero is out of range too.
  if (v == 0.0L && HasNonZeroDigit(ascii)) return false;
  value = v == 0.0L ? 0.0L : v;  // "-0" reads as 0
  return true;
}

long double ToNumber(const QString& text) {
  long double v = 0;
  if (!TryToNumber(text, v))
    throw ConversionError(QStringLiteral("'%1' は浮動小数点数ではありません").arg(text));
  return v;
}

bool TryToInteger(const QString& typed, int& value) {
  const QString text = HalfWidthNumber(typed);
  int i = 0;
  const int n = text.size();
  while (i < n && text[i] == QLatin1Char(' ')) ++i;
  bool negative = false;
  if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  if (i == n) return false;
  long long v = 0;
  for (; i < n; ++i) {
    if (!IsDigit(text[i])) return false;
    v = v * 10 + (text[i].unicode() - '0');
    if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return false;
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min()) return false;
  value = static_cast<int>(v);
  return true;
}

int ToInteger(const QString& text) {
  int v = 0;
  if (!TryToInteger(text, v))
    throw ConversionError(QStringLiteral("'%1' は整数ではありません").arg(text));
  return v;
}

QString NumberText(long double x) {
  if (std::isnan(x)) return QStringLiteral("NAN");
  if (std::isinf(x)) return x > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  if (x == 0.0L) return QStringLiteral("0");
  char buf[64];
  {
    FloatFaults::Keep keep;
    InCLocale cLocale;
    std::snprintf(buf, sizeof buf, "%.15Lg", x);
  }
  // Mend the exponent: "1e-05" -> "1E-5", "1e+15" -> "1E15".
  char* e = std::strchr(buf, 'e');
  if (e == nullptr) return QString::fromLatin1(buf);
  QString mantissa = QString::fromLatin1(buf, static_cast<int>(e - buf));
  const char* p = e + 1;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  while (*p == '0' && p[1] != '\0') ++p;
  return mantissa + QLatin1Char('E') + (negative ? QStringLiteral("-") : QString()) +
         QString::fromLatin1(p);
}

QString RoundedText(long double x, int decimals) { return NumberText(Rounding::To(x, decimals)); }

QString RoundHundredths(long double x) { return RoundedText(x, 2); }
