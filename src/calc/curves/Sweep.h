// Runs the points of a parametric sweep on all cores. Each point is an
// independent pure calculation, so the points are handed out one at a time
// to a few threads; the results come back in point order whatever the
// threads' timing. Another thread (the window's) can read the progress and
// ask for a cancel while the sweep runs.
#pragma once

#include <algorithm>
#include <atomic>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>
#include <type_traits>
#include <vector>

namespace curves {

// Shared between the sweep and whoever watches it; reset it (or use a new
// one) for each sweep.
struct SweepControl {
  std::atomic<int> done{0};         // points finished so far
  std::atomic<bool> cancel{false};  // set to true to stop the sweep
};

template <class R>
struct SweepResult {
  // One entry per point, in point order; empty for a point that was not run
  // or that ended after the cancel.
  std::vector<std::optional<R>> values;
  bool cancelled = false;  // the cancel was seen: values may be missing
};

// The value of point i of `points` from `from` to `to` at equal spacing;
// the first is `from` and the last exactly `to`. One point is `from`.
inline long double SweepValue(long double from, long double to, int points, int i) {
  if (points <= 1 || i <= 0) return from;
  if (i >= points - 1) return to;
  return from + (to - from) * i / (points - 1);
}

// Calls work(i) for i = 0 .. points - 1 and returns the results in that
// order. Blocking: the calling thread works too, beside threads - 1 others
// (threads 0: one per core; never more than there are points).
//
//   work:     R work(int i); called from several threads at once, so it must
//             not change anything it shares with other points. Floating-point
//             status flags belong to each thread: a work that detects faults
//             from the flags must clear and test them inside the call.
//   control:  control.done counts the finished points (for a progress bar,
//             read from any thread). control.cancel is looked at before each
//             point is started: once it is true no point starts, and points
//             that finish afterwards are dropped, since a work may watch the
//             same flag and cut itself short. A point still running finishes
//             its work first, so a cancel takes effect within the time of
//             one point (about 5 ms for the pipe flow, microseconds for the
//             other heat-loss calculators); for longer points pass the flag
//             into the calculation (GasPowerSearch, the wall integrations).
//   throws:   when a work throws, no further point starts and, after all
//             threads have ended, the exception of the lowest such point is
//             thrown again here.
template <class Work>
auto RunSweep(int points, Work&& work, SweepControl& control, int threads = 0)
    -> SweepResult<std::decay_t<std::invoke_result_t<Work&, int>>> {
  using R = std::decay_t<std::invoke_result_t<Work&, int>>;
  SweepResult<R> result;
  if (points <= 0) return result;
  result.values.resize(points);
  if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  threads = std::min(threads, points);

  std::atomic<int> next{0};
  std::atomic<bool> failed{false};
  std::vector<std::exception_ptr> errors(points);
  auto run = [&] {
    for (;;) {
      if (control.cancel.load() || failed.load()) return;
      const int i = next.fetch_add(1);
      if (i >= points) return;
      try {
        R value = work(i);
        if (!control.cancel.load()) result.values[i].emplace(std::move(value));
      } catch (...) {
        errors[i] = std::current_exception();
        failed.store(true);
      }
      control.done.fetch_add(1);
    }
  };
  std::vector<std::thread> helpers;
  helpers.reserve(threads - 1);
  for (int t = 1; t < threads; ++t) {
    try {
      helpers.emplace_back(run);
    } catch (const std::system_error&) {
      break;  // no more threads to be had: the others do the work
    }
  }
  run();
  for (std::thread& t : helpers) t.join();

  for (const std::exception_ptr& e : errors)
    if (e) std::rethrow_exception(e);
  result.cancelled = control.cancel.load();
  return result;
}

}  // namespace curves
