// A flat wall of two layers, structure (1) and insulation (2), whose inner
// side is held at Ti: the steady loss to the ambient air, and the cooling of
// the structure from Ti over a number of hours. A structure colder than the
// air gains heat: a negative loss (HeatGain.h), and warms over the hours.
// Up to two more insulation layers may lie between the structure and the
// insulation (InsulationLayers.h).
#pragma once

#include "calc/heatloss/InsulationLayers.h"
#include "calc/numeric/Series.h"

namespace HeatLossCalc {

struct FlatPlateInputs {
  long double Ta = 0;     // ambient, K
  long double Ti = 0;     // inner side of the structure (cooling: start), K
  long double A = 0;      // area, m2
  long double h = 0;      // convective coefficient, W/m2K
  long double e = 0;      // emissivity
  long double sigma = 0;  // Stefan-Boltzmann constant
  long double L1 = 0, k1 = 0;  // structure: thickness m, conductivity W/mK
  long double L2 = 0, k2 = 0;  // insulation
  // Off by default: the typed h and constant conductivities.
  AutoCoefficient outer;
  ConductivityChange k1T, k2T;  // of layers 1 and 2
  // Insulation layers between the structure and the insulation (L2, k2).
  InnerLayers inner;
  bool OptionsOn() const { return outer.on || !k1T.Constant() || !k2T.Constant() || !inner.Constant(); }
};

struct CoolingInputs {
  long double rho = 0;    // density of the structure, g/cm3
  long double c = 0;      // specific heat of the structure, kcal/kgK
  long double hours = 0;  // cooling time, h
  bool bothFaces = false;
};

struct FlatPlateResult {
  long double surface = 0;    // outer surface temperature, degC
  long double interface = 0;  // between structure and insulation, degC
  long double convective = 0, radiative = 0, total = 0;  // W
  long double flux = 0;       // W/cm2
  long double plate = 0;      // cooling: plate temperature at the end, degC
  // The outer convective coefficient at the final surface temperature:
  // the automatic one, or the typed h.
  long double coefficient = 0;
  // Every face of the insulation, from the structure (interface) to the
  // surface; cooling: at the end.
  InsulationFaces faces;
};

// The two layers in series, W/m2K.
long double FlatConductance(long double L1, long double k1, long double L2, long double k2);
// The same with the inner insulation layers between them:
// 1 / (L2/k2 + ... + L1/k1), summed from the outside in.
long double FlatConductance(long double L1, long double k1, const InnerLayers& inner, long double L2,
                            long double k2);

// The faces of flat insulation from the structure's outer face Tm (K)
// outwards, each a flux q (W/m²) times its L/k further on, to the surface
// (℃); the faces in ℃.
InsulationFaces FlatFacesOutwards(long double Tm, long double q, const InnerLayers& inner, long double surface);
// From the insulation's inner face Tm (K, the outer layer's drop inside the
// surface) inwards through the inner layers, each Q / k / A · L (W, m²)
// further in: the faces in ℃.
InsulationFaces FlatFacesInwards(long double Tm, long double Q, long double A, const InnerLayers& inner,
                                 long double surface);

// Steady loss: the surface temperature at which the heat conducted through
// both layers equals the surface loss.
FlatPlateResult FlatPlateSteady(const FlatPlateInputs& in);

// Cooling over 2000 time steps; the structure stores the heat. With both
// faces the area doubles and the structure conducts from its middle (at the
// plate temperature) over half its thickness to each face; the interface
// lies on that half.
// When plate is given it receives the plate temperature (degC) against the
// time (h): (0, Ti) and then one point after each step, 2001 points; the
// last equals the result's plate. The results are the same with or without.
FlatPlateResult FlatPlateCooling(const FlatPlateInputs& in, const CoolingInputs& cooling,
                                 curves::Series* plate = nullptr);

// The time step of the cooling: t / 2000 rounded to 1E-7 h.
long double CoolingTimeStep(long double hours);

inline constexpr int kCoolingSteps = 2000;

// The plate history of a cooling march, written in place by the march: a
// call per step, even one never made, would slow it by a sixth. Sizes the
// series to every step at Tp (K) and returns its points, or nullptr when no
// history is asked for.
curves::Point* BeginCoolingHistory(curves::Series* plate, long double Tp);

}  // namespace HeatLossCalc
