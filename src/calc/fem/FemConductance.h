// Conductances in W/K of the faces of one right-triangle element of a flat
// plate. The element has the legs a (よこ) and b (たて) in mm in the plane of
// the plate, the conductivity λ in W/m℃, and the plate has the thickness t
// in mm. Face Ａ is the leg a, Ｂ the leg b, Ｃ the hypotenuse, Ｄ and Ｅ the
// two faces of the plate. The factor 1000 turns mm into m.
#pragma once

enum class FemFace { A, B, C, D, E };

struct FemElementSize {
  long double lambda = 0;  // W/m℃
  long double a = 0;       // mm
  long double b = 0;       // mm
};

namespace FemConductance {

// Across a contact face to a neighbour element: both halves of the way
// between the centroids in series. Faces Ｄ and Ｅ touch no element: 0.
long double ToElement(FemFace face, const FemElementSize& own, const FemElementSize& other, long double t);

// To a fluid with the heat-transfer coefficient h in W/m²℃: the way from
// the centroid to the face in series with the surface resistance.
long double ToConvective(FemFace face, const FemElementSize& own, long double h, long double t);

// To a face held at a fixed temperature: the way from the centroid to the face.
long double ToFixed(FemFace face, const FemElementSize& own, long double t);

}  // namespace FemConductance
