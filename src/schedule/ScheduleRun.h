// The lines of a list solved on every core: a pool of threads takes the
// lines in turn, and each result is handed over as soon as it is there, so
// that a table can show the first lines while the last are computed. A
// cancel is seen between lines (a line takes milliseconds).
#pragma once

#include <atomic>
#include <functional>
#include <vector>

#include "schedule/LineSolve.h"

namespace Schedule {

struct RunControl {
  int jobs = 0;                               // threads; 0: one per core
  const std::atomic<bool>* cancel = nullptr;  // set to stop
  // Called for each line when it is solved, in the order they end, one
  // call at a time (from the pool's threads): done lines of all so far.
  std::function<void(const LineResult& line, int done, int total)> onLine;
};

struct RunOutcome {
  std::vector<LineResult> lines;  // in the list's order; a line not run has an empty status
  bool cancelled = false;
};

RunOutcome RunSchedule(const ReadingContext& context, const RunControl& control);

// The threads a run takes for `jobs` (0: the cores) and `lines`.
int ThreadsFor(int jobs, int lines);

}  // namespace Schedule
