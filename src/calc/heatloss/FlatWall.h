// A flat wall of two layers, structure (1) and insulation (2), between a hot
// gas and the ambient air: heat reaches the inner surface from the gas by
// convection and radiation, passes both layers and leaves the outer surface.
// A gas colder than the air gains heat: a negative loss (HeatGain.h). Up to
// two more insulation layers may lie between the structure and the
// insulation (InsulationLayers.h).
#pragma once

#include "calc/heatloss/InsulationLayers.h"

namespace HeatLossCalc {

struct FlatWallInputs {
  long double Tg = 0;       // hot gas, K
  long double Ta = 0;       // ambient, K
  long double A = 0;        // area, m2
  long double hi = 0, ei = 0;  // inner surface: convective coefficient, emissivity
  long double h = 0, e = 0;    // outer surface
  long double sigma = 0;
  long double L1 = 0, k1 = 0;  // structure: thickness m, conductivity W/mK
  long double L2 = 0, k2 = 0;  // insulation
  // Off by default: the typed h and constant conductivities.
  AutoCoefficient outer;
  ConductivityChange k1T, k2T;  // of layers 1 and 2
  // Insulation layers between the structure and the insulation (L2, k2).
  InnerLayers inner;
  bool OptionsOn() const { return outer.on || !k1T.Constant() || !k2T.Constant() || !inner.Constant(); }
};

struct FlatWallResult {
  long double outerSurface = 0;  // degC
  long double innerSurface = 0;  // degC
  long double interface = 0;     // between the layers, degC
  long double convective = 0, radiative = 0, total = 0;  // W
  long double flux = 0;          // W/cm2
  // The outer convective coefficient at the final surface temperature:
  // the automatic one, or the typed h.
  long double coefficient = 0;
  // Every face of the insulation, from the structure (interface) to the
  // outer surface.
  InsulationFaces faces;
};

// The outer surface temperature at which the heat it gives off stays below
// the heat the inner surface receives from the gas.
FlatWallResult FlatWallTransmission(const FlatWallInputs& in);

}  // namespace HeatLossCalc
