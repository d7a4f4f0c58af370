// A fluid flowing through an insulated pipe, cut into 3000 segments: in
// each the wall temperatures are found so that the heat exchanged with the
// fluid equals the heat exchanged with the ambient, and the fluid
// temperature steps on by that heat over the capacity flow. An inlet at or
// below the air warms: its heat is a negative loss (HeatGain.h). Up to two
// more insulation layers may lie between the pipe wall and the insulation
// (InsulationLayers.h).
#pragma once

#include "calc/heatloss/InsulationLayers.h"
#include "calc/heatloss/PipeFlowHistory.h"

namespace HeatLossCalc {

struct PipeFlowInputs {
  long double Tin = 0, Ta = 0;  // fluid at the inlet, ambient, K
  long double c = 0;            // specific heat of the fluid, kcal/kgK
  long double rho = 0;          // density of the fluid, g/cm3
  long double Di = 0;           // pipe inner diameter, m
  long double V = 0;            // volume flow, m3/h
  long double Lp = 0;           // pipe length, m
  long double k1 = 0, k2 = 0;   // conductivities of pipe wall and insulation
  long double t1 = 0, t2 = 0;   // their thicknesses, m
  long double hi = 0, ei = 0;   // inner surface: convective coefficient, emissivity
  long double h = 0, e = 0;     // outer surface
  long double sigma = 0;
  // Off by default: the typed h and constant conductivities.
  AutoCoefficient outer;
  ConductivityChange k1T, k2T;  // of the pipe wall and the insulation
  // Insulation layers between the pipe wall and the insulation (t2, k2).
  InnerLayers inner;
  bool OptionsOn() const { return outer.on || !k1T.Constant() || !k2T.Constant() || !inner.Constant(); }
};

// The diameter the insulation (t2) starts at: the pipe's outer diameter
// 2·t1 + Di and the inner layers around it.
inline long double PipeInsulationBase(const PipeFlowInputs& in) {
  long double D = 2 * in.t1 + in.Di;
  for (int j = 0; j < in.inner.count; ++j) D = D + 2 * in.inner.layer[j].thickness;
  return D;
}

// The wall and every insulation layer in series, W/(m·K) without the 2π:
// 1 / (ln(D1/Di)/k1 + ... + ln(D2/Db)/k2), summed from the inside out.
long double PipeConductance(const PipeFlowInputs& in);

struct PipeFlowResult {
  // Temperatures at the pipe end, degC.
  long double fluid = 0;
  long double wallFluidSide = 0;
  long double boundary = 0;  // computed for the layer boundary
  long double wallAmbientSide = 0;
  // Heat over the whole length, W.
  long double convective = 0, radiative = 0, total = 0;
  // The outer convective coefficient at the outer surface of the last segment:
  // the automatic one, or the typed h.
  long double coefficient = 0;
  // Every face of the insulation of the last segment, from the pipe wall
  // (boundary) to the outer surface. A run of length 0 gives the inlet's,
  // where a hot line's faces are hottest and a cold line's coldest.
  InsulationFaces faces;
};

// The faces of the insulation from the wall's outer face Tmid (K) outwards,
// the flow H (W/m) crossing each, to the outer surface (℃): the faces in ℃.
InsulationFaces PipeFacesOutwards(const PipeFlowInputs& in, long double Tmid, long double H, long double surface);

inline constexpr int kPipeSegments = 3000;

// When history is given it receives the fluid and outer surface
// temperatures along the length (see PipeFlowHistory); the results are the
// same with or without.
PipeFlowResult PipeFlowTemperature(const PipeFlowInputs& in, PipeFlowHistory* history = nullptr);

}  // namespace HeatLossCalc
