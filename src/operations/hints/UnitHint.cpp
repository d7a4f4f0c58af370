#include "operations/hints/UnitHint.h"

#include <algorithm>
#include <cmath>

#include "foundation/NumberText.h"

namespace UnitHint {
namespace {

bool InRange(long double v, const Quantity& q) {
  return (q.zeroAllowed && v == 0) || (v >= q.low && v <= q.high);
}

QString UnitWord(const Quantity& q) { return QString::fromUtf8(q.unitWord ? q.unitWord : q.unit); }

QString RangeText(const Quantity& q) {
  QString range = NumberText(q.low) + QStringLiteral("～") + NumberText(q.high);
  if (q.zeroAllowed && q.low > 0) range = QStringLiteral("0 または ") + range;
  if (*q.unit) range += QLatin1Char(' ') + QString::fromUtf8(q.unit);
  return range;
}

// Characters a unit is written with at the end of a caption.
bool IsUnitCharacter(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80) return c.isLetterOrNumber() || QStringLiteral("/()^-.%* ").contains(c);
  if ((u >= 0xFF10 && u <= 0xFF19) || (u >= 0xFF21 && u <= 0xFF3A) || (u >= 0xFF41 && u <= 0xFF5A))
    return true;
  return QStringLiteral("℃％・·／（）²³　").contains(c);
}

}  // namespace

QString For(const QString& name, const QString& text, const Quantity& q) {
  long double v = 0;
  if (!q.checked || !TryToNumber(text, v) || InRange(v, q)) return {};
  const QString typed = text.trimmed();
  for (Mistake kind : q.mistakes) {
    if (kind == Mistake::None) break;
    const MistakeRow& m = MistakeOf(kind);
    if (m.reciprocal && v == 0) continue;
    const long double converted = m.reciprocal ? m.factor / v : v * m.factor + m.offset;
    if (InRange(converted, q))
      return QStringLiteral("%1 %2 は %3 の値のようです：%4 なら %5")
          .arg(name, typed, QString::fromUtf8(m.unit), UnitWord(q), Converted(converted));
  }
  return QStringLiteral("%1 %2 は範囲外です（%3）").arg(name, typed, RangeText(q));
}

QString WithoutUnit(const QString& caption) {
  qsizetype end = caption.size();
  while (end > 0 && IsUnitCharacter(caption[end - 1])) --end;
  const QString name = caption.left(end).trimmed();
  return name.isEmpty() ? caption.trimmed() : name;
}

QString FieldName(const QString& rowCaption, const QString& columnCaption) {
  if (rowCaption.isEmpty()) return columnCaption;
  if (columnCaption.isEmpty()) return rowCaption;
  return rowCaption + QStringLiteral("（") + columnCaption + QStringLiteral("）");
}

QString Converted(long double x) {
  if (x == 0) return QStringLiteral("0");
  const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(x))));
  const int decimals = std::max(0, 2 - exponent);
  if (decimals > 20) return NumberText(x);
  QString t = QString::number(static_cast<double>(x), 'f', decimals);
  if (decimals > 0) {
    while (t.endsWith(QLatin1Char('0'))) t.chop(1);
    if (t.endsWith(QLatin1Char('.'))) t += QLatin1Char('0');
  }
  return t;
}

}  // namespace UnitHint
