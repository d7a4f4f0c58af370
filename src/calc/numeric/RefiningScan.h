// The coarse-to-fine temperature scan of the heat-loss and heating
// calculators: it finds the highest scanned temperature that still passes a
// test.
#pragma once

namespace Scan {

// Steps 100, 10, 1, 0.1, ... (one tenth more per stage). Each stage scans
// best, best + step, ..., best + (points - 1) * step, starting from the best
// value of the stage before; best keeps the last accepted point. When no
// point is ever accepted the result is the start value.
//
// accept is a function object bool(long double); as a template parameter it
// is inlined, so the scan costs what a bare loop of the same test costs.
template <class Accept>
inline long double Refining(long double start, int stages, int points, Accept&& accept) {
  long double best = start;
  long double step = 1000.0L;
  for (int stage = 0; stage < stages; ++stage) {
    step = step / 10.0L;
    const long double before = best - step;
    long double t = before;  // the temperature runs on by additions
    int last = -1;           // the last accepted point of this stage
    for (int point = 0; point < points; ++point) {
      t = t + step;
      if (accept(t)) last = point;
    }
    // The accepted temperature is formed again by the same additions, so it
    // is the very value that was tested. Keeping a count instead of the
    // value in the loop leaves the FPU registers to the test.
    if (last >= 0) {
      t = before;
      for (int point = 0; point <= last; ++point) t = t + step;
      best = t;
    }
  }
  return best;
}

// The same points for a test that passes below one temperature and fails
// above it, as the balances with the automatic coefficient and k(T) do: a
// stage ends at its first failing point, since every later one would fail
// too. For such a test the result is Refining's, to the bit (the points
// are formed by the same additions), with about a third of the evaluations.
// A stage's first point is the stage before's best formed again; where it
// comes out the very same number it is not tested again (the test depends
// on the temperature alone).
template <class Accept>
inline long double Threshold(long double start, int stages, int points, Accept&& accept) {
  long double best = start;
  bool tested = false;  // best has passed the test (the start is not tested)
  long double step = 1000.0L;
  for (int stage = 0; stage < stages; ++stage) {
    step = step / 10.0L;
    long double t = best - step;
    for (int point = 0; point < points; ++point) {
      t = t + step;
      if (!(point == 0 && tested && t == best) && !accept(t)) break;
      best = t;
      tested = true;
    }
  }
  return best;
}

}  // namespace Scan
