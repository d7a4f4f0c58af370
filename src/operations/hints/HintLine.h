// The hint line HintLine below the lower area: after every run it says which
// of the values the run read look typed in another unit, or lie outside any
// plausible range, and what they would be in the field's unit. It never
// stops a run nor changes a value; the next run that needs no hint empties
// it.
//
// A run is an operation that wrote a result field of the heat-loss, heating
// or surface panels (their Run, a selection's Back): then the visible input
// fields of the panel on screen (shown, enabled, in the input colour) are
// checked against the field catalogue. Other subsystems add checks of their
// own runs (the coefficient panel: its items and the formula's range).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "widgets/Subsystem.h"

class HintLine : public Subsystem {
 public:
  using Subsystem::Subsystem;
  void Build() override;
  void Wire() override;

  // A check run after every operation: nothing when no run of its own
  // happened in it, otherwise the hints of that run (possibly none).
  using Check = std::function<std::optional<QStringList>()>;
  void AddCheck(Check check);

  // The hints for the visible input fields of the panel on screen.
  QStringList FieldHints() const;
  // The hints for the items of an item grid (captions in columns 0 and 2,
  // values on their right) that the item catalogue knows.
  QStringList ItemHints(const char* grid) const;

  // The whole text of the line.
  QString Text() const;

  // Off: no checks, the line stays empty (runs are then exactly as without
  // the hints; tests compare the two). On again from the next run.
  void SetActive(bool active);

 private:
  void AfterOperation();
  void Show(const QStringList& lines);

  std::vector<Check> checks_;
  bool resultsWritten_ = false;
  bool active_ = true;
};
