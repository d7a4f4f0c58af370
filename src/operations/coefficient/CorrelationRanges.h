// The validity ranges of the coefficient panel's formulas, read from the
// shipped table text/correlation_ranges.txt: for every catalogue number a
// short name, the geometry and kind of flow (the formulas compared side by
// side share them), the conditions checked after an evaluation, the range as
// its source publishes it and the source.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The numbers of a flow a range is judged on; absent ones are not judged.
struct FlowNumbers {
  std::optional<long double> Re, Pr, Gr, Ra;
  std::optional<long double> L, X;     // the characteristic length and the length X of the items
  std::optional<long double> mu, muW;  // ν × ρ and the wall viscosity μw
};

// One condition "quantity low high"; an absent bound is open. Both bounds
// count as inside.
struct RangeCondition {
  QString quantity;  // Re Pr Gr Ra Pe Gz X/L PrRa μ/μw
  std::optional<long double> low, high;

  // The quantity's value for the numbers, or nothing when they lack a part.
  std::optional<long double> ValueFor(const FlowNumbers& n) const;
  bool Holds(long double value) const;
};

struct CorrelationRange {
  QString number, name, geometry, flow;
  QList<RangeCondition> conditions;  // empty: nothing to judge
  QString published;                 // the range as published, or why there is none
  QString source;
};

// A condition the numbers break, with the value they give.
struct BrokenCondition {
  const RangeCondition* condition;
  long double value;
};

class CorrelationRanges {
 public:
  // The table file; when it cannot be read or a line is faulty, Problem()
  // says so and the lines read so far stay.
  static CorrelationRanges Read(const QString& path);
  // The table from its lines ('#' starts a comment line).
  static CorrelationRanges Parse(const QStringList& lines);

  const QList<CorrelationRange>& All() const { return ranges_; }
  const CorrelationRange* Of(const QString& number) const;
  QString Problem() const { return problem_; }

  // The quantities a condition may name.
  static const QStringList& Quantities();

 private:
  QList<CorrelationRange> ranges_;
  QString problem_;
};

// The conditions of the range that the numbers break.
QList<BrokenCondition> BrokenConditions(const CorrelationRange& range, const FlowNumbers& numbers);
