// The thickness of an inner insulation layer that keeps the layers outside
// it within their service temperatures: a hot line insulated with a
// material that stands the heat inside and a cheaper one outside needs the
// inner layer thick enough that the interface stays below the outer
// material's highest temperature (a cold line: above its lowest).
//
// The layer's thickness is solved to 0.1 mm with every other layer as given;
// a thicker inner layer lowers the interface of a hot line (raises it on a
// cold one), so the layers that meet their limits at one thickness meet them
// at every thicker one, and the answer is found by halving, each half
// decided by a forward run (pipe flow: of the inlet section, where the faces
// are hottest on a hot line and coldest on a cold one).
#pragma once

#include <vector>

#include "calc/heatloss/LayerLimits.h"

namespace DesignCalc {

enum class InnerLayerOutcome {
  Solved,         // exactMm is the thinnest layer that keeps the layers outside within range
  NotNeeded,      // the layers outside are within range without the layer at all
  NeverWithin,    // not even maxMm keeps them within range
  NotApplicable,  // no such inner layer, or no limit on any layer outside it
};

struct InnerLayerAnswer {
  InnerLayerOutcome outcome = InnerLayerOutcome::NotApplicable;
  // Solved: the smallest multiple of 0.1 mm that keeps the layers outside
  // within range; 0.1 mm less does not. The faces of a run at it.
  long double exactMm = 0;
  HeatLossCalc::InsulationFaces faces;
  // The limit that decides: the breach 0.1 mm thinner (Solved), or at maxMm
  // (NeverWithin) that lies furthest beyond its limit.
  HeatLossCalc::LimitBreach deciding;
  // The thinnest stock thickness not below exactMm that keeps them within
  // range (each tried by a forward run), when there is one.
  bool stockFound = false;
  long double stockMm = 0;
};

// layer: the inner layer to solve (0 next to the structure, below
// in.inner.count); its thickness in base is replaced. ranges[i] belongs to
// insulation layer i (LayerLimits.h); only the layers outside `layer` count,
// since the layer's own hot face is the structure's and no thickness of its
// own moves it far. The thickness runs up to maxMm (at least 0.1 mm).
InnerLayerAnswer SolveCylinderInnerLayer(const HeatLossCalc::CylinderInputs& base, int layer,
                                         const std::vector<HeatLossCalc::ServiceRange>& ranges,
                                         const std::vector<long double>& stockMm, long double maxMm = 500);
InnerLayerAnswer SolveFlatPlateInnerLayer(const HeatLossCalc::FlatPlateInputs& base, int layer,
                                          const std::vector<HeatLossCalc::ServiceRange>& ranges,
                                          const std::vector<long double>& stockMm, long double maxMm = 500);
InnerLayerAnswer SolveFlatWallInnerLayer(const HeatLossCalc::FlatWallInputs& base, int layer,
                                         const std::vector<HeatLossCalc::ServiceRange>& ranges,
                                         const std::vector<long double>& stockMm, long double maxMm = 500);
InnerLayerAnswer SolvePipeFlowInnerLayer(const HeatLossCalc::PipeFlowInputs& base, int layer,
                                         const std::vector<HeatLossCalc::ServiceRange>& ranges,
                                         const std::vector<long double>& stockMm, long double maxMm = 500);

}  // namespace DesignCalc
