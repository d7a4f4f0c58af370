// Points of a curve as the calculations hand them out for charts: a series
// of (x, y) pairs in the order they were computed. What x and y stand for
// (hours, metres, millimetres; degrees Celsius) is said where a series is
// filled.
#pragma once

#include <vector>

namespace curves {

struct Point {
  long double x = 0;
  long double y = 0;
};

using Series = std::vector<Point>;

// The stride that keeps at most about maxPoints points of a history of
// `steps` steps: 1 (every step) up to maxPoints steps, else the smallest
// stride that keeps no more than maxPoints. maxPoints below 1 counts as 1.
inline long long StrideFor(long long steps, long long maxPoints) {
  if (maxPoints < 1) maxPoints = 1;
  if (steps <= maxPoints) return 1;
  return (steps + maxPoints - 1) / maxPoints;
}

// Whether step n (counted from 1) of a history of `steps` steps is kept:
// every stride-th step, and always the last one, so that a sampled history
// still ends at the value the calculation reports.
inline bool Kept(long long n, long long steps, long long stride) {
  return n == steps || (stride <= 1 || n % stride == 0);
}

}  // namespace curves
