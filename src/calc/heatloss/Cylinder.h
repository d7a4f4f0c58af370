// A cylinder of two layers, a tube (1) and insulation (2) around it, whose
// inner surface is held at Ti: the surface temperature, the loss and the
// temperature between the layers. An inner surface colder than the air
// gains heat: a negative loss (HeatGain.h). Up to two more insulation
// layers may lie between the tube and the insulation (InsulationLayers.h).
#pragma once

#include "calc/heatloss/InsulationLayers.h"

namespace HeatLossCalc {

struct CylinderInputs {
  long double Ta = 0, Ti = 0;  // ambient, inner surface, degC
  long double D1 = 0;          // outer diameter of the tube, m
  long double t1 = 0, t2 = 0;  // thicknesses of tube and insulation, m
  long double k1 = 0, k2 = 0;  // conductivities, W/mK
  long double h = 0, e = 0, sigma = 0;
  long double L = 0;           // length, m
  // Off by default: the typed h and constant conductivities.
  AutoCoefficient outer;
  ConductivityChange k1T, k2T;  // of layers 1 and 2
  // Insulation layers between the tube and the insulation (t2, k2); none by default.
  InnerLayers inner;
  bool OptionsOn() const { return outer.on || !k1T.Constant() || !k2T.Constant() || !inner.Constant(); }
};

// The diameter the insulation (t2) starts at: the tube's D1 and the inner
// layers around it, each adding twice its thickness.
inline long double InsulationBaseDiameter(const CylinderInputs& in) {
  long double D = in.D1;
  for (int j = 0; j < in.inner.count; ++j) D = in.inner.layer[j].thickness * 2 + D;
  return D;
}

struct CylinderResult {
  long double surface = 0;    // outer surface, degC
  long double interface = 0;  // between the tube and the insulation, degC
  // Losses in W, each rounded to hundredths before their sum.
  long double convective = 0, radiative = 0, total = 0;
  // The outer convective coefficient at the final surface temperature:
  // the automatic one, or the typed h.
  long double coefficient = 0;
  // Every face of the insulation, from the tube (interface) to the surface.
  InsulationFaces faces;
};

CylinderResult CylinderHeatLoss(const CylinderInputs& in);

// The two halves of CylinderHeatLoss, which is CylinderResultAt(in,
// CylinderSurface(in)): the outer surface (K) its scan finds, and the results
// of a surface held at Ts (K). The thickness search bounds the loss between
// two runs with them.
long double CylinderSurface(const CylinderInputs& in);
CylinderResult CylinderResultAt(const CylinderInputs& in, long double Ts);

// The test of CylinderSurface's scan at a surface temperature T (K): true
// while the balance lies beyond T, away from the air (hotter than T on a
// line hotter than the air, colder on a colder one). The thickness search
// guesses where a surface target is met with it, before any run.
bool CylinderBalanceBeyond(const CylinderInputs& in, long double T);

}  // namespace HeatLossCalc
