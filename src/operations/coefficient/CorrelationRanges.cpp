#include "operations/coefficient/CorrelationRanges.h"

#include "foundation/Errors.h"
#include "foundation/NumberText.h"
#include "store/TextFile.h"

namespace {

constexpr int kColumns = 7;
const QString kOpen = QStringLiteral("-");

// "1E4", or "-" for an open bound; false for anything else.
bool ParseBound(const QString& text, std::optional<long double>& bound) {
  if (text == kOpen) {
    bound.reset();
    return true;
  }
  long double v = 0;
  if (!TryToNumber(text, v)) return false;
  bound = v;
  return true;
}

// "Ra 1E4 1E9; Pr 0.6 -"; false when a part is faulty.
bool ParseConditions(const QString& text, QList<RangeCondition>& conditions) {
  for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QStringList words = part.simplified().split(QLatin1Char(' '));
    if (words.size() != 3 || !CorrelationRanges::Quantities().contains(words[0])) return false;
    RangeCondition c;
    c.quantity = words[0];
    if (!ParseBound(words[1], c.low) || !ParseBound(words[2], c.high)) return false;
    conditions << c;
  }
  return true;
}

}  // namespace

const QStringList& CorrelationRanges::Quantities() {
  static const QStringList names = {QStringLiteral("Re"),  QStringLiteral("Pr"),   QStringLiteral("Gr"),
                                    QStringLiteral("Ra"),  QStringLiteral("Pe"),   QStringLiteral("Gz"),
                                    QStringLiteral("X/L"), QStringLiteral("PrRa"), QStringLiteral("μ/μw")};
  return names;
}

std::optional<long double> RangeCondition::ValueFor(const FlowNumbers& n) const {
  const QString& q = quantity;
  if (q == u"Re") return n.Re;
  if (q == u"Pr") return n.Pr;
  if (q == u"Gr") return n.Gr;
  if (q == u"Ra") return n.Ra;
  if (q == u"Pe" && n.Re && n.Pr) return *n.Re * *n.Pr;
  if (q == u"Gz" && n.Re && n.Pr && n.L && n.X && *n.X != 0) return *n.Re * *n.Pr * *n.L / *n.X;
  if (q == u"X/L" && n.X && n.L && *n.L != 0) return *n.X / *n.L;
  if (q == u"PrRa" && n.Pr && n.Ra && *n.Pr > 0) return *n.Pr * *n.Ra / (0.2L + *n.Pr);
  if (q == u"μ/μw" && n.mu && n.muW && *n.muW != 0) return *n.mu / *n.muW;
  return std::nullopt;
}

bool RangeCondition::Holds(long double value) const {
  return !(low && value < *low) && !(high && value > *high);
}

CorrelationRanges CorrelationRanges::Read(const QString& path) {
  try {
    return Parse(TextFile::Read(path).lines);
  } catch (const AppError& e) {
    CorrelationRanges none;
    none.problem_ = e.text();
    return none;
  }
}

CorrelationRanges CorrelationRanges::Parse(const QStringList& lines) {
  CorrelationRanges table;
  for (int i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    const QStringList cells = line.split(QLatin1Char('\t'));
    CorrelationRange r;
    if (cells.size() != kColumns || !ParseConditions(cells[4], r.conditions)) {
      table.problem_ = QStringLiteral("適用範囲の表の%1行目が読めません。").arg(i + 1);
      continue;
    }
    r.number = cells[0].trimmed();
    r.name = cells[1].trimmed();
    r.geometry = cells[2].trimmed();
    r.flow = cells[3].trimmed();
    r.published = cells[5].trimmed();
    r.source = cells[6].trimmed();
    table.ranges_ << r;
  }
  return table;
}

const CorrelationRange* CorrelationRanges::Of(const QString& number) const {
  for (const CorrelationRange& r : ranges_)
    if (r.number == number) return &r;
  return nullptr;
}

QList<BrokenCondition> BrokenConditions(const CorrelationRange& range, const FlowNumbers& numbers) {
  QList<BrokenCondition> broken;
  for (const RangeCondition& c : range.conditions) {
    const std::optional<long double> v = c.ValueFor(numbers);
    if (v && !c.Holds(*v)) broken.append({&c, *v});
  }
  return broken;
}
