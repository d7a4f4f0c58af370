// Insulation of more than one layer: up to three insulation layers outside
// the structure (the tube, the pipe wall, the plate or the wall), for a hot
// line insulated with a material that stands the heat inside and a cheaper
// one outside.
//
// A calculator's own insulation (k2 with k2T, and t2 or L2) stays the
// outermost layer, the one under the jacket, so that a thickness solve of
// that field solves the outer layer with the inner ones fixed. InnerLayers
// holds the layers between the structure and it, from the structure
// outwards. With no inner layer every calculation runs its own arithmetic
// unchanged, to the last bit.
#pragma once

#include <array>

#include "calc/heatloss/HeatLossOptions.h"

namespace HeatLossCalc {

inline constexpr int kMaxInsulationLayers = 3;
inline constexpr int kMaxInnerLayers = kMaxInsulationLayers - 1;

struct InsulationLayer {
  long double k = 0;          // W/(m·K); with kT the k at 0 ℃
  ConductivityChange kT;      // k(T) = k + b·T + c·T², off when b = c = 0
  long double thickness = 0;  // m, above 0
};

// The insulation layers inside the calculator's own, from the structure
// outwards; layer[count..] are not used. Each layer's thickness and k must
// be above 0, as the panel's own layer's are.
struct InnerLayers {
  std::array<InsulationLayer, kMaxInnerLayers> layer{};
  int count = 0;

  bool Constant() const {
    for (int j = 0; j < count; ++j)
      if (!layer[j].kT.Constant()) return false;
    return true;
  }
  // Appends a layer outside the ones there; false when there is no room.
  bool Add(const InsulationLayer& l) {
    if (count >= kMaxInnerLayers) return false;
    layer[count++] = l;
    return true;
  }
};

// The temperatures (℃) of the insulation's faces, from the structure
// outwards: at[0] between the structure and the first insulation layer (the
// result's interface or boundary), at[i] between insulation layers i - 1 and
// i, at[layers] the outer surface. Layer i lies between at[i] and at[i + 1].
struct InsulationFaces {
  int layers = 1;
  std::array<long double, kMaxInsulationLayers + 1> at{};

  long double InnerFace(int layer) const { return at[layer]; }
  long double OuterFace(int layer) const { return at[layer + 1]; }
};

// The layers of a wall as the calculations with options see them, from the
// outer surface inwards: each with its k(T) and the integral of k it carries
// per unit of heat (a thickness for a flux in W/m², or ln(Do/Di) / 2π for a
// flow in W/m). The structure is the last layer.
struct LayerChain {
  int count = 0;
  std::array<SurfaceCalc::TemperatureConductivity, kMaxInsulationLayers + 1> k{};
  std::array<long double, kMaxInsulationLayers + 1> per{};

  void Add(const SurfaceCalc::TemperatureConductivity& layerK, long double layerPer) {
    k[count] = layerK;
    per[count] = layerPer;
    ++count;
  }
};

// The layers from the outer face at T (℃) inwards, each carrying q·per: true
// when every face lies short of limit, the inner temperature the calculation
// holds. Then faces (may be nullptr; count entries) receive the faces from
// the outside in: faces[0] the inner face of the outermost layer, ...,
// faces[count - 1] the inner face of the structure. For two layers this is
// LayersCarry to the bit. Each k must be positive between T and limit.
bool ChainCarries(const LayerChain& chain, long double T, long double q, long double limit,
                  long double* faces);

// The faces a chain reports after ChainCarries (from the outside in, the
// structure's inner face last) as InsulationFaces from the structure
// outwards, with the outer surface at surface (℃).
InsulationFaces FacesFromChain(const long double* faces, int count, long double surface);

}  // namespace HeatLossCalc
