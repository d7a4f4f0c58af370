#include "calc/heatloss/InsulationLayers.h"

namespace HeatLossCalc {

bool ChainCarries(const LayerChain& chain, long double T, long double q, long double limit,
                  long double* faces) {
  long double face = T;
  long double found[kMaxInsulationLayers + 1];
  for (int i = 0; i < chain.count; ++i) {
    const std::optional<long double> inner =
        SurfaceCalc::FaceWithin(chain.k[i], face, q * chain.per[i], limit);
    if (!inner) return false;
    face = *inner;
    found[i] = face;
  }
  if (faces)
    for (int i = 0; i < chain.count; ++i) faces[i] = found[i];
  return true;
}

InsulationFaces FacesFromChain(const long double* faces, int count, long double surface) {
  // count - 1 insulation layers and the structure: faces[count - 2] is the
  // structure's outer face, faces[0] the outermost layer's inner face.
  InsulationFaces f;
  f.layers = count - 1;
  for (int i = 0; i < f.layers; ++i) f.at[i] = faces[count - 2 - i];
  f.at[f.layers] = surface;
  return f;
}

}  // namespace HeatLossCalc
