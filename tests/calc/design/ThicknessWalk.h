// The reference of the thickness search: the walk the cylinder, flat plate
// and flat wall once made, every point of the 0.1 mm grid from 0.1 mm up to
// the limit in turn, so that its answer is the thinnest meeting point
// whatever the shape of the quantity over the thickness. Each point costs a
// forward run; the bracketed search must answer exactly as this does.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "calc/design/DesignTarget.h"

namespace ThicknessWalk {

using DesignCalc::ThicknessAnswer;
using DesignCalc::ThicknessOutcome;

// Whether a quantity meets the target (the fluid's end does not apply here).
inline bool Meets(DesignCalc::Target target, long double q) {
  return target.kind == DesignCalc::TargetKind::SurfaceAtLeast ? q >= target.value : q <= target.value;
}

// quantity(mm) is the forward run; mm = 0 is bare.
inline ThicknessAnswer Walk(const std::function<long double(long double mm)>& quantity,
                            DesignCalc::Target target, std::vector<long double> stockMm, long double maxMm) {
  auto mm = [](long long k) { return static_cast<long double>(k) / 10; };
  auto findStock = [&](long double fromMm, ThicknessAnswer& a) {
    std::sort(stockMm.begin(), stockMm.end());
    for (const long double s : stockMm) {
      if (!(s > 0) || s < fromMm) continue;
      const long double q = quantity(s);
      if (Meets(target, q)) {
        a.stockFound = true;
        a.stockMm = s;
        a.stockQuantity = q;
        return;
      }
    }
  };
  ThicknessAnswer a;
  a.bareQuantity = quantity(0);
  if (Meets(target, a.bareQuantity)) {
    a.outcome = ThicknessOutcome::BareMeets;
    a.exactQuantity = a.bareQuantity;
    findStock(0, a);
    return a;
  }
  a.outcome = ThicknessOutcome::NeverMeets;
  const long long last =
      maxMm > 0 ? static_cast<long long>(floorl(std::min(maxMm, 10000.0L) * 10 + 1e-6L)) : 0;
  for (long long k = 1; k <= last; ++k) {
    const long double q = quantity(mm(k));
    if (Meets(target, q)) {
      a.outcome = ThicknessOutcome::Solved;
      a.exactMm = mm(k);
      a.exactQuantity = q;
      findStock(a.exactMm, a);
      return a;
    }
  }
  return a;
}

}  // namespace ThicknessWalk
