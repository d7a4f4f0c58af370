#include "operations/hints/FieldRules.h"

#include <cstring>

#include "foundation/NumberText.h"
#include "operations/hints/FieldCatalogue.h"
#include "operations/hints/UnitHint.h"
#include "widgets/Fields.h"

namespace FieldRules {

namespace {

constexpr qsizetype kQuoted = 40;  // characters of a typed text a message quotes

QString CaptionOf(const Fields& f, const char* label) {
  return label ? UnitHint::WithoutUnit(f.Text(label)) : QString();
}

// A text that is no number passes: the Run's own reading says so, where it
// always has.
bool Holds(const Fields& f, const char* field, bool (*rule)(long double)) {
  long double v = 0;
  return !TryToNumber(f.Text(field), v) || rule(v);
}

}  // namespace

QString Caption(const Fields& f, const char* field) {
  for (const FieldRow& row : FieldCatalogue()) {
    if (std::strcmp(row.field, field) != 0) continue;
    const QString name = UnitHint::FieldName(CaptionOf(f, row.rowLabel), CaptionOf(f, row.columnLabel));
    const QString unit = QString::fromUtf8(row.quantity->unit);
    return unit.isEmpty() ? name : name + QLatin1Char(' ') + unit;
  }
  return QString::fromLatin1(field);
}

QString Quoted(const QString& text) {
  return text.size() > kQuoted ? text.left(kQuoted) + QStringLiteral("…") : text;
}

bool Positive(Fields& f, const char* field) {
  if (Holds(f, field, [](long double v) { return v > 0; })) return true;
  f.Message(QStringLiteral("%1 '%2' は 0 より大きい数にしてください。")
                .arg(Caption(f, field), Quoted(f.Text(field))));
  return false;
}

bool Thickness(Fields& f, const char* field) {
  if (Holds(f, field, [](long double v) { return v >= 0; })) return true;
  f.Message(QStringLiteral("%1 '%2' は 0 以上の数にしてください（0 は層なし）。")
                .arg(Caption(f, field), Quoted(f.Text(field))));
  return false;
}

bool NotNegative(Fields& f, const char* field) {
  if (Holds(f, field, [](long double v) { return v >= 0; })) return true;
  f.Message(
      QStringLiteral("%1 '%2' は 0 以上の数にしてください。").arg(Caption(f, field), Quoted(f.Text(field))));
  return false;
}

}  // namespace FieldRules
