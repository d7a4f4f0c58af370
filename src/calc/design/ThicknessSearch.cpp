#include "calc/design/ThicknessSearch.h"

#include <algorithm>
#include <cmath>

namespace DesignCalc {

namespace {

// Grid point k in mm: k / 10, the very value "12.3" reads as in a field.
long double Mm(long long k) { return static_cast<long double>(k) / 10; }

void FindStock(const QuantityAt& quantity, const MeetsTarget& meets, std::vector<long double> stockMm,
               long double fromMm, ThicknessAnswer& a) {
  std::sort(stockMm.begin(), stockMm.end());
  for (const long double s : stockMm) {
    if (!(s > 0) || s < fromMm) continue;
    const long double q = quantity(s);
    if (meets(q)) {
      a.stockFound = true;
      a.stockMm = s;
      a.stockQuantity = q;
      return;
    }
  }
}

// The next step of the walk from grid point k, in tenths of a mm.
long long Step(Walk walk, long long k) {
  if (walk == Walk::EveryTenth) return 1;
  if (k < 1000) return 50;
  if (k < 2000) return 100;
  return 250;
}

}  // namespace

ThicknessAnswer SearchThickness(const QuantityAt& quantity, const MeetsTarget& meets,
                                const std::vector<long double>& stockMm, long double maxMm, Walk walk) {
  ThicknessAnswer a;
  a.bareQuantity = quantity(0);
  if (meets(a.bareQuantity)) {
    a.outcome = ThicknessOutcome::BareMeets;
    a.exactQuantity = a.bareQuantity;
    FindStock(quantity, meets, stockMm, 0, a);
    return a;
  }
  a.outcome = ThicknessOutcome::NeverMeets;
  // A small allowance so that a limit such as 12.3 mm keeps its last tenth;
  // no limit beyond 10 m.
  const long long last =
      maxMm > 0 ? static_cast<long long>(floorl(std::min(maxMm, 10000.0L) * 10 + 1e-6L)) : 0;
  if (last < 1) return a;
  long double lastQuantity = 0;
  if (walk == Walk::Stepped) {
    lastQuantity = quantity(Mm(last));
    if (!meets(lastQuantity)) return a;
  }
  long long failed = 0;  // the highest grid point known to fail
  while (failed < last) {
    long long k = std::min(failed + Step(walk, failed), last);
    long double q = 0;
    if (k == last && walk == Walk::Stepped) {
      q = lastQuantity;
    } else {
      q = quantity(Mm(k));
      if (!meets(q)) {
        failed = k;
        continue;
      }
    }
    long long met = k;
    while (met - failed > 1) {
      const long long mid = failed + (met - failed) / 2;
      const long double m = quantity(Mm(mid));
      if (meets(m)) {
        met = mid;
        q = m;
      } else {
        failed = mid;
      }
    }
    a.outcome = ThicknessOutcome::Solved;
    a.exactMm = Mm(met);
    a.exactQuantity = q;
    FindStock(quantity, meets, stockMm, a.exactMm, a);
    return a;
  }
  return a;
}

}  // namespace DesignCalc
