// Formulas side by side: every catalogue entry of the chosen one's group,
// geometry and kind of flow, evaluated on the items typed for the chosen one,
// each exactly as 計算実行 would evaluate it alone; with whether the flow lies
// in the range its source publishes. Nothing is written to the panel.
#pragma once

#include <QList>
#include <QString>

#include "operations/coefficient/CorrelationRanges.h"

class ItemGrid;

struct CompareRow {
  QString number, name;
  QString nu, h;  // as the panel would show them; "—" when not evaluated
  QString range;  // 範囲内, 範囲外 and the quantities, 公表なし, or "—"
  QString why;    // why an entry was not evaluated or is out of range
};

struct Comparison {
  QList<CompareRow> rows;
  int chosen = -1;  // the row of the chosen entry
  QString note;     // a line about the whole table
};

// `chosen` is the formula number as Edit71 holds it.
Comparison CompareCorrelations(const ItemGrid& grid, const CorrelationRanges& ranges, const QString& chosen);

// The range verdict of the numbers: "範囲内", "範囲外 Ra、Pr", "公表なし" (no
// conditions), "—" (none of the conditions can be judged on them).
QString RangeVerdict(const CorrelationRange& range, const FlowNumbers& numbers);
