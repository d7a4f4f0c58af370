#include "schedule/ScheduleRun.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>

namespace Schedule {

int ThreadsFor(int jobs, int lines) {
  // More threads than this only wait on each other.
  constexpr int kMost = 256;
  const int n = jobs > 0 ? jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return std::max(1, std::min({n, lines, kMost}));
}

RunOutcome RunSchedule(const ReadingContext& context, const RunControl& control) {
  RunOutcome outcome;
  const int total = static_cast<int>(context.list.lines.size());
  outcome.lines.resize(total);
  std::atomic<int> next{0};
  int done = 0;
  std::mutex handOver;
  auto cancelled = [&control] { return control.cancel && control.cancel->load(); };
  auto work = [&] {
    for (;;) {
      if (cancelled()) return;
      const int i = next.fetch_add(1);
      if (i >= total) return;
      LineResult r;
      try {
        r = SolveLine(context, i);
      } catch (const std::exception& e) {
        // Only the want of memory gets here; the line says so and the rest go on.
        r.index = i;
        r.row = context.list.lines[i].row;
        r.status = QStringLiteral("%1 行目: 計算できません（%2）。")
                       .arg(QString::number(r.row), QString::fromUtf8(e.what()));
      }
      outcome.lines[i] = std::move(r);
      std::lock_guard<std::mutex> lock(handOver);
      ++done;
      if (control.onLine) control.onLine(outcome.lines[i], done, total);
    }
  };
  const int threads = ThreadsFor(control.jobs, total);
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t) pool.emplace_back(work);
  work();
  for (std::thread& t : pool) t.join();
  outcome.cancelled = cancelled() && done < total;
  return outcome;
}

}  // namespace Schedule
