// A parametric sweep of the calculator on screen: one input varied from a
// first to a last value, the Run of 実行 repeated for each value on a copy
// of the window's fields (a FieldSnapshot) with the input's text set to
// the value's number text, and the chosen result fields read after each.
// Each row holds exactly the texts a single run with that input shows; the
// window's fields and its store are never touched. The points run on all
// cores.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "calc/curves/Sweep.h"
#include "operations/curves/FieldChoices.h"
#include "operations/calculators/ScreenCalculator.h"
#include "widgets/FieldSnapshot.h"

inline constexpr int kMaxSweepPoints = 200;

struct SweepPlan {
  ScreenCalculator calculator;
  FieldChoice input;
  std::vector<FieldChoice> outputs;
  long double from = 0, to = 0;
  int points = 0;  // 1 .. kMaxSweepPoints
};

struct SweepRow {
  QString input;        // the value as typed into the field (NumberText)
  QStringList outputs;  // the result fields' texts; empty where the Run wrote none
  QStringList notes;    // what the Run said: its messages, the error that ended it
};

// Point i of the plan on a copy of base, in any thread. stop: the gas and
// wall heating searches end early once it is true (the row then means
// nothing).
SweepRow SweepPoint(const SweepPlan& plan, const FieldSnapshot& base, int i,
                    const std::atomic<bool>* stop = nullptr);

// Every point of the plan on all cores (RunSweep): blocking; control counts
// the points done and carries the cancel, which the heating searches watch.
curves::SweepResult<SweepRow> RunParameterSweep(const SweepPlan& plan, const FieldSnapshot& base,
                                                curves::SweepControl& control, int threads = 0);
