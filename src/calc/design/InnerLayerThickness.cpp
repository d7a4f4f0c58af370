#include "calc/design/InnerLayerThickness.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace DesignCalc {

using namespace HeatLossCalc;

namespace {

// The faces of a forward run with the solved layer at a thickness in mm.
using FacesAt = std::function<InsulationFaces(long double mm)>;

// The breaches of the layers outside `layer`, counted in a run with the
// layer present; a run without it (mm = 0) has one layer fewer, so its
// layers outside sit one place further in.
std::vector<LimitBreach> Outside(const InsulationFaces& faces, int layer, bool present,
                                 const std::vector<ServiceRange>& ranges) {
  std::vector<ServiceRange> shifted = ranges;
  if (!present && layer < static_cast<int>(shifted.size())) shifted.erase(shifted.begin() + layer);
  const int first = present ? layer + 1 : layer;
  std::vector<LimitBreach> outside;
  for (LimitBreach b : LimitBreaches(faces, shifted)) {
    if (b.layer < first) continue;
    if (!present) ++b.layer;  // named as the layer it is with the solved layer in place
    outside.push_back(b);
  }
  return outside;
}

LimitBreach Furthest(const std::vector<LimitBreach>& breaches) {
  return *std::max_element(breaches.begin(), breaches.end(), [](const LimitBreach& a, const LimitBreach& b) {
    return a.Beyond() < b.Beyond();
  });
}

InnerLayerAnswer Solve(const FacesAt& facesAt, int layer, int innerCount,
                       const std::vector<ServiceRange>& ranges, const std::vector<long double>& stockMm,
                       long double maxMm) {
  InnerLayerAnswer answer;
  bool limited = false;
  for (int i = layer + 1; i < static_cast<int>(ranges.size()); ++i)
    limited = limited || ranges[i].highest || ranges[i].lowest;
  if (layer < 0 || layer >= innerCount || !limited) return answer;

  auto breaches = [&](long double mm) { return Outside(facesAt(mm), layer, mm > 0, ranges); };
  if (breaches(0).empty()) {
    answer.outcome = InnerLayerOutcome::NotNeeded;
  } else {
    // The grid of 0.1 mm: lo fails, hi meets.
    const long double top = std::max(1.0L, floorl(maxMm * 10 + 1e-9L));
    const std::vector<LimitBreach> atTop = breaches(top / 10);
    if (!atTop.empty()) {
      answer.outcome = InnerLayerOutcome::NeverWithin;
      answer.deciding = Furthest(atTop);
      return answer;
    }
    long double lo = 0, hi = top;
    while (hi - lo > 1) {
      const long double mid = floorl((lo + hi) / 2);
      (breaches(mid / 10).empty() ? hi : lo) = mid;
    }
    answer.outcome = InnerLayerOutcome::Solved;
    answer.exactMm = hi / 10;
    answer.faces = facesAt(answer.exactMm);
    const std::vector<LimitBreach> thinner = breaches(lo / 10);
    if (!thinner.empty()) answer.deciding = Furthest(thinner);
  }
  std::vector<long double> stock;
  for (long double mm : stockMm)
    if (mm > 0 && !(mm < answer.exactMm)) stock.push_back(mm);
  std::sort(stock.begin(), stock.end());
  for (long double mm : stock) {
    if (breaches(mm).empty()) {
      answer.stockFound = true;
      answer.stockMm = mm;
      break;
    }
  }
  return answer;
}

// The inputs with the solved layer at mm (removed at 0).
template <class Inputs>
Inputs WithLayer(const Inputs& base, int layer, long double mm) {
  Inputs in = base;
  if (mm > 0) {
    in.inner.layer[layer].thickness = mm / 1000;
    return in;
  }
  in.inner = {};
  for (int j = 0; j < base.inner.count; ++j)
    if (j != layer) in.inner.Add(base.inner.layer[j]);
  return in;
}

}  // namespace

InnerLayerAnswer SolveCylinderInnerLayer(const CylinderInputs& base, int layer,
                                         const std::vector<ServiceRange>& ranges,
                                         const std::vector<long double>& stockMm, long double maxMm) {
  return Solve([&](long double mm) { return CylinderHeatLoss(WithLayer(base, layer, mm)).faces; }, layer,
               base.inner.count, ranges, stockMm, maxMm);
}

InnerLayerAnswer SolveFlatPlateInnerLayer(const FlatPlateInputs& base, int layer,
                                          const std::vector<ServiceRange>& ranges,
                                          const std::vector<long double>& stockMm, long double maxMm) {
  return Solve([&](long double mm) { return FlatPlateSteady(WithLayer(base, layer, mm)).faces; }, layer,
               base.inner.count, ranges, stockMm, maxMm);
}

InnerLayerAnswer SolveFlatWallInnerLayer(const FlatWallInputs& base, int layer,
                                         const std::vector<ServiceRange>& ranges,
                                         const std::vector<long double>& stockMm, long double maxMm) {
  return Solve([&](long double mm) { return FlatWallTransmission(WithLayer(base, layer, mm)).faces; }, layer,
               base.inner.count, ranges, stockMm, maxMm);
}

InnerLayerAnswer SolvePipeFlowInnerLayer(const PipeFlowInputs& base, int layer,
                                         const std::vector<ServiceRange>& ranges,
                                         const std::vector<long double>& stockMm, long double maxMm) {
  return Solve([&](long double mm) { return PipeFlowInletFaces(WithLayer(base, layer, mm)); }, layer,
               base.inner.count, ranges, stockMm, maxMm);
}

}  // namespace DesignCalc
