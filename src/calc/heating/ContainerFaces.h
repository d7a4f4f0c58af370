// The automatic surface of the heating calculators ("自動"): the convective
// coefficients of a rectangular container's faces from the correlations of
// the heat-loss calculators (calc/surface/SurfaceCoefficient.h) in place of
// the one typed h, and the evaporation of an open liquid from its area.
//
// The container stands on its edge L (the vertical one): four vertical
// walls L high, the top and the bottom W × D, the wind along the longer side
// of W and D; the top faces up and the bottom down. Inside a box whose
// walls heat the gas (wall heating) the gas plays the surface and the walls
// the air, at the wall temperature: the correlations are even in the two
// temperatures, and the two turns (a ceiling faces down into the gas, and
// the roles of hot and cold change over) cancel, so the ceiling is the
// "top" and the floor the "bottom" there too: a ceiling warmer than the gas
// holds it under itself (0.27 Ra^1/4), a warmer floor lets it rise. Each
// face's convective flux is tabulated once per run over the temperatures of
// the run (ConvectionTable.h).
//
// Evaporation from an open water surface, the correlation of Carrier (1918)
// as ASHRAE Handbook — HVAC Applications gives it for pools and open tanks
// (chapter "Places of assembly", natatoriums):
//   w = A (pw − pa) (0.089 + 0.0782 V) / Y      kg/s
// pw the saturation pressure at the water surface, pa the partial pressure
// of the vapour in the air (kPa), V the air speed over the surface (m/s), Y
// the latent heat (kJ/kg); the heat it carries off, w Y, is
//   A (pw − pa) (0.089 + 0.0782 V)               kW,
// still air giving 0.089 kW/(m²·kPa). The saturation pressure is the Tetens
// form of the container model (SaturatedVapourDensity.h).
#pragma once

#include <vector>

#include "calc/surface/ConvectionTable.h"

namespace heating {

// The option, off by default; off, every heating result is today's to the
// last bit.
struct AutomaticSurface {
  bool on = false;
  long double wind = 0;  // m/s over the outer faces and the open surface
  // Relative humidity of the air, %, for the evaporation: the container
  // model takes the air as saturated, 100 %.
  long double humidity = 100;
};

// Saturation pressure of water vapour at T (K), kPa: the Tetens form.
long double SaturationPressure(long double T);

class ContainerFaces {
 public:
  // The faces of an L × W × D container (m, L upright) in air at TaK, each
  // tabulated from fromK to toK (K).
  ContainerFaces(const AutomaticSurface& a, long double TaK, long double L, long double W, long double D,
                 long double fromK, long double toK);

  // W/m² of convection from each face at the surface temperature T (K):
  // h(T)·(T − Ta), of the sign of T − Ta.
  long double Wall(long double T) const { return walls_.FluxAt(T); }
  long double Top(long double T) const { return top_.FluxAt(T); }
  long double Bottom(long double T) const { return bottom_.FluxAt(T); }
  // W of convection from the whole container with every face at T: one
  // lookup in a table of the three faces' sum at their nodes (the gas box's
  // outer surface and the walled gas run it a million times), the faces
  // one by one beyond it.
  long double Whole(long double T) const;

  // W/m² of evaporation from an open water surface at T (K); below the
  // air's dew point a negative loss: condensation.
  long double Evaporation(long double T) const;

  long double Awall, Atop, Abottom;  // m²

 private:
  long double Faces(long double T) const { return Wall(T) * Awall + Top(T) * Atop + Bottom(T) * Abottom; }

  SurfaceCalc::ConvectionTable walls_, top_, bottom_;
  // The sum's nodes: kWholeStep apart from firstK_ on.
  std::vector<long double> whole_;
  long double firstK_;
  long double airPressure_;  // pa, kPa
  long double perKPa_;       // W/(m²·kPa)
};

}  // namespace heating
