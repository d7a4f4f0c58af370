// The service temperatures of the insulation layers: which layer's hot or
// cold face lies outside its material's range after a run. The window turns
// each breach into a line of the hint (the material's name, the limit, the
// face and its temperature) and marks the layer's field.
#pragma once

#include <optional>
#include <vector>

#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/InsulationLayers.h"
#include "calc/heatloss/PipeFlow.h"

namespace HeatLossCalc {

// A material's range of service temperatures, ℃; an empty end has no limit
// (a conductivity typed by hand has none at all).
struct ServiceRange {
  std::optional<long double> lowest, highest;
};

enum class LimitSide {
  Highest,  // the face runs above the highest service temperature
  Lowest,   // the face runs below the lowest
};

struct LimitBreach {
  int layer = 0;  // insulation layer, 0 next to the structure
  LimitSide side = LimitSide::Highest;
  bool innerFace = true;  // the face towards the structure (内側), else the outer one (外側)
  long double limit = 0;  // ℃
  long double face = 0;   // the face's temperature, ℃
  // How far beyond the limit the face lies, K (above 0).
  long double Beyond() const { return side == LimitSide::Highest ? face - limit : limit - face; }
};

// Each layer's faces against its range: ranges[i] belongs to layer i (layers
// beyond ranges.size() have no limits). A layer spans the temperatures
// between its two faces, so at most one breach of each limit is reported per
// layer, on its hotter face for the highest and its colder one for the
// lowest; a face exactly at its limit is within it. In the order of the
// layers, the highest before the lowest.
std::vector<LimitBreach> LimitBreaches(const InsulationFaces& faces, const std::vector<ServiceRange>& ranges);

// Every insulation layer of a calculator's inputs, from the structure
// outwards: the inner layers, then the calculator's own insulation.
struct Insulation {
  std::array<InsulationLayer, kMaxInsulationLayers> layer{};
  int count = 0;
};
Insulation InsulationOf(const CylinderInputs& in);
Insulation InsulationOf(const FlatPlateInputs& in);
Insulation InsulationOf(const FlatWallInputs& in);
Insulation InsulationOf(const PipeFlowInputs& in);

// Sets the insulation of the inputs: the outermost layer into the
// calculator's own fields (k2, k2T and t2 or L2), the others into inner.
// insulation.count must lie between 1 and kMaxInsulationLayers.
void SetInsulation(CylinderInputs& in, const Insulation& insulation);
void SetInsulation(FlatPlateInputs& in, const Insulation& insulation);
void SetInsulation(FlatWallInputs& in, const Insulation& insulation);
void SetInsulation(PipeFlowInputs& in, const Insulation& insulation);

// Pipe flow's faces are hottest (coldest, on a cold line) at the inlet: a
// run of the inlet section alone (length 0) gives them, for the limits.
InsulationFaces PipeFlowInletFaces(const PipeFlowInputs& in);

}  // namespace HeatLossCalc
