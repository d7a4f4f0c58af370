#include "calc/heatloss/LayerLimits.h"

namespace HeatLossCalc {

std::vector<LimitBreach> LimitBreaches(const InsulationFaces& faces,
                                       const std::vector<ServiceRange>& ranges) {
  std::vector<LimitBreach> breaches;
  const int layers =
      faces.layers < static_cast<int>(ranges.size()) ? faces.layers : static_cast<int>(ranges.size());
  for (int i = 0; i < layers; ++i) {
    const long double inner = faces.InnerFace(i), outer = faces.OuterFace(i);
    const bool innerHotter = !(outer > inner);
    if (const std::optional<long double> high = ranges[i].highest) {
      const long double hot = innerHotter ? inner : outer;
      if (hot > *high) breaches.push_back({i, LimitSide::Highest, innerHotter, *high, hot});
    }
    if (const std::optional<long double> low = ranges[i].lowest) {
      const long double cold = innerHotter ? outer : inner;
      if (cold < *low) breaches.push_back({i, LimitSide::Lowest, !innerHotter, *low, cold});
    }
  }
  return breaches;
}

namespace {

template <class Inputs>
Insulation Collect(const Inputs& in, long double ownThickness) {
  Insulation s;
  for (int j = 0; j < in.inner.count; ++j) s.layer[s.count++] = in.inner.layer[j];
  s.layer[s.count++] = {in.k2, in.k2T, ownThickness};
  return s;
}

// The inner layers of the inputs; returns the outermost layer.
template <class Inputs>
const InsulationLayer& Spread(Inputs& in, const Insulation& s) {
  in.inner = {};
  for (int j = 0; j + 1 < s.count; ++j) in.inner.Add(s.layer[j]);
  const InsulationLayer& own = s.layer[s.count - 1];
  in.k2 = own.k;
  in.k2T = own.kT;
  return own;
}

}  // namespace

Insulation InsulationOf(const CylinderInputs& in) { return Collect(in, in.t2); }
Insulation InsulationOf(const FlatPlateInputs& in) { return Collect(in, in.L2); }
Insulation InsulationOf(const FlatWallInputs& in) { return Collect(in, in.L2); }
Insulation InsulationOf(const PipeFlowInputs& in) { return Collect(in, in.t2); }

void SetInsulation(CylinderInputs& in, const Insulation& s) { in.t2 = Spread(in, s).thickness; }
void SetInsulation(FlatPlateInputs& in, const Insulation& s) { in.L2 = Spread(in, s).thickness; }
void SetInsulation(FlatWallInputs& in, const Insulation& s) { in.L2 = Spread(in, s).thickness; }
void SetInsulation(PipeFlowInputs& in, const Insulation& s) { in.t2 = Spread(in, s).thickness; }

InsulationFaces PipeFlowInletFaces(const PipeFlowInputs& in) {
  PipeFlowInputs inlet = in;
  inlet.Lp = 0;
  return PipeFlowTemperature(inlet).faces;
}

}  // namespace HeatLossCalc
