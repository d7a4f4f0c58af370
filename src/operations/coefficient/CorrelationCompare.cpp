#include "operations/coefficient/CorrelationCompare.h"

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"
#include "operations/coefficient/CorrelationCatalogue.h"
#include "operations/coefficient/CorrelationEvaluation.h"
#include "operations/coefficient/ItemGrid.h"

namespace {

const QString kNone = QStringLiteral("—");

// Rows 0 to 4 are checked for a "0", as 計算実行 checks them.
constexpr int kZeroCheckRows = 5;

// A caption's symbol and unit, without the words before them: "代表径d ｍ"
// and "直径d ｍ" both ask for "d ｍ".
QString Symbol(const QString& caption) {
  qsizetype i = 0;
  while (i < caption.size() && caption[i].unicode() >= 0x3040 && caption[i].unicode() <= 0x9FFF) ++i;
  return caption.mid(i);
}

// The entry's own items (d, X, μw, C, ...) stand in the grid with the same
// symbol and unit, with values.
QString MissingItems(const ItemGrid& grid, const CorrelationEntry& e) {
  QStringList missing;
  for (const ItemText& it : e.items) {
    if (!it.text) break;
    const QString caption = QString::fromUtf8(it.text);
    if (Symbol(grid.Text(it.column, it.row)) != Symbol(caption) || grid.IsEmpty(it.column + 1, it.row))
      missing << caption.trimmed();
  }
  return missing.join(QStringLiteral("、"));
}

// The items the range conditions read besides the dimensionless numbers.
FlowNumbers GridLengths(const ItemGrid& grid) {
  FlowNumbers n;
  long double v = 0;
  if (TryToNumber(grid.Text(1, 1), v)) n.L = v;
  if (TryToNumber(grid.Text(3, 0), v)) n.X = v;
  long double nu = 0, rho = 0;
  if (TryToNumber(grid.Text(1, 2), nu) && TryToNumber(grid.Text(1, 4), rho)) n.mu = nu * rho;
  if (TryToNumber(grid.Text(3, 2), v)) n.muW = v;
  return n;
}

void Evaluate(const ItemGrid& grid, const CorrelationEntry& e, const CorrelationRange* range,
              CompareRow& row) {
  const QString number = QString::fromUtf8(e.number);
  FlowNumbers n = GridLengths(grid);
  FloatFaults::Clear();
  try {
    switch (e.group) {
      case CorrelationGroup::Simple:
        if (const std::optional<long double> h = SimpleOutcome(grid, number)) {
          FloatFaults::Check();
          row.h = RoundedText(*h, kSimpleDecimals);
        }
        break;
      case CorrelationGroup::NaturalConvection:
        if (const std::optional<ConvectionOutcome> o = NaturalOutcome(grid, number)) {
          FloatFaults::Check();
          row.nu = RoundedText(o->Nu, kNaturalDecimals);
          row.h = RoundedText(o->h, kNaturalDecimals);
          n.Re = o->Re, n.Pr = o->Pr, n.Gr = o->Gr, n.Ra = o->Ra;
        }
        break;
      case CorrelationGroup::ForcedConvection:
        if (const std::optional<ConvectionOutcome> o = ForcedOutcome(grid, number)) {
          FloatFaults::Check();
          row.nu = RoundedText(o->Nu, kForcedDecimals);
          row.h = RoundedText(o->h, kForcedDecimals);
          n.Re = o->Re, n.Pr = o->Pr;
        }
        break;
      case CorrelationGroup::FinAndWall:
        break;
    }
  } catch (const AppError& error) {
    row.nu = row.h = kNone;
    row.range = kNone;
    row.why = error.text();
    FloatFaults::Clear();
    return;
  }
  FloatFaults::Clear();
  if (range) {
    row.range = RangeVerdict(*range, n);
    if (row.range != QStringLiteral("範囲内")) row.why = range->published;
  }
}

}  // namespace

QString RangeVerdict(const CorrelationRange& range, const FlowNumbers& numbers) {
  if (range.conditions.isEmpty()) return QStringLiteral("公表なし");
  int judged = 0;
  QStringList broken;
  for (const RangeCondition& c : range.conditions) {
    const std::optional<long double> v = c.ValueFor(numbers);
    if (!v) continue;
    ++judged;
    if (!c.Holds(*v)) broken << c.quantity;
  }
  if (judged == 0) return kNone;
  if (broken.isEmpty()) return QStringLiteral("範囲内");
  return QStringLiteral("範囲外 ") + broken.join(QStringLiteral("、"));
}

Comparison CompareCorrelations(const ItemGrid& grid, const CorrelationRanges& ranges, const QString& chosen) {
  Comparison c;
  int n = 0;
  const CorrelationEntry* entry = TryToInteger(chosen, n) ? FindCorrelation(GroupOf(n), chosen) : nullptr;
  if (!entry) {
    c.note = QStringLiteral("熱伝達率の式を選ぶと、同じ形と流れの式を並べて計算します。");
    return c;
  }
  const CorrelationRange* own = ranges.Of(chosen);
  if (!own) {
    c.note = ranges.Problem().isEmpty() ? QStringLiteral("式%1 は適用範囲の表にありません。").arg(chosen)
                                        : ranges.Problem();
    return c;
  }
  if (entry->group == CorrelationGroup::FinAndWall) {
    c.note = QStringLiteral("フィン・多層壁・スケールの式は並べて比べません。");
    return c;
  }
  // The same completeness check as 計算実行: nothing is evaluated without it.
  const bool complete = grid.CountMissing(ItemGrid::kRows) == 0 && grid.CountZeros(kZeroCheckRows) == 0;
  for (const CorrelationEntry& e : CorrelationCatalogue()) {
    if (e.group != entry->group) continue;
    const CorrelationRange* r = ranges.Of(QString::fromUtf8(e.number));
    if (!r || r->geometry != own->geometry || r->flow != own->flow) continue;
    CompareRow row{QString::fromUtf8(e.number), r->name, kNone, kNone, kNone, QString()};
    const QString missing = MissingItems(grid, e);
    if (!complete) {
      row.why = QStringLiteral("入力を確認してください。");
    } else if (!missing.isEmpty()) {
      row.why = QStringLiteral("この式には %1 が要ります。").arg(missing);
    } else {
      Evaluate(grid, e, r, row);
    }
    if (&e == entry) c.chosen = static_cast<int>(c.rows.size());
    c.rows << row;
  }
  c.note = complete ? QStringLiteral("%1、%2の式 %3 件（式%4 の項目で計算）")
                          .arg(own->geometry, own->flow)
                          .arg(c.rows.size())
                          .arg(chosen)
                    : QStringLiteral("項目に空欄か 0 があります。入力を確認してください。");
  return c;
}
