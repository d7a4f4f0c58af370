// An independent root finder for the physical checks: the temperature at
// which a balance that is positive below and not positive above crosses 0.
#pragma once

#include <functional>

namespace HeatLossTest {

// Bisection on [low, high] to width 1e-9; balance(low) > 0 >= balance(high).
inline long double Crossing(long double low, long double high, const std::function<long double(long double)>& balance) {
  while (high - low > 1e-9L) {
    const long double mid = (low + high) / 2;
    if (balance(mid) > 0)
      low = mid;
    else
      high = mid;
  }
  return (low + high) / 2;
}

inline long double Pow4(long double t) { return t * t * t * t; }

constexpr long double kSigma = 5.67037e-8L;
constexpr long double K = 273.15L;

}  // namespace HeatLossTest
