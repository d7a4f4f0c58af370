#include "calc/surface/ConvectionTable.h"

#include <cmath>

namespace SurfaceCalc {

namespace {

constexpr long double kStep = 0.125L;  // K, a power of two: the nodes are exact
constexpr int kMostIntervals = 8192;

}  // namespace

ConvectionTable::ConvectionTable(const SurfaceCoefficient& h, long double TaK, long double from,
                                 long double to)
    : h_(h), Ta_(TaK) {
  const long double lo = fminl(from, to), hi = fmaxl(from, to);
  step_ = kStep;
  while ((hi - lo) / step_ > kMostIntervals - 2) step_ = step_ * 2;
  perStep_ = 1 / step_;
  first_ = floorl((lo - TaK) * perStep_);
  const long double last = fmaxl(ceill((hi - TaK) * perStep_), first_ + 1);
  const int nodes = static_cast<int>(last - first_) + 1;
  q_.resize(nodes);
  for (int i = 0; i < nodes; ++i) {
    const long double dT = (first_ + i) * step_;
    q_[i] = h_.AtKelvin(TaK + dT) * dT;
  }
}

long double ConvectionTable::FluxAt(long double T) const {
  const long double x = (T - Ta_) * perStep_ - first_;
  const long double top = static_cast<long double>(q_.size() - 1);
  if (!(x >= 0 && x <= top)) return h_.AtKelvin(T) * (T - Ta_);
  int i = static_cast<int>(x);
  if (i == static_cast<int>(q_.size()) - 1) --i;
  const long double f = x - i;
  return q_[i] + (q_[i + 1] - q_[i]) * f;
}

}  // namespace SurfaceCalc
