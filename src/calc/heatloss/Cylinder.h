// A cylinder of two layers, a tube (1) and insulation (2) around it, whose
// inner surface is held at Ti: the surface temperature, the loss and the
// temperature between the layers. An inner surface colder than the air
// gains heat: a negative loss (HeatGain.h).
#pragma once

namespace HeatLossCalc {

struct CylinderInputs {
  long double Ta = 0, Ti = 0;  // ambient, inner surface, degC
  long double D1 = 0;          // outer diameter of the tube, m
  long double t1 = 0, t2 = 0;  // thicknesses of tube and insulation, m
  long double k1 = 0, k2 = 0;  // conductivities, W/mK
  long double h = 0, e = 0, sigma = 0;
  long double L = 0;           // length, m
};

struct CylinderResult {
  long double surface = 0;    // outer surface, degC
  long double interface = 0;  // between the layers, degC
  // Losses in W, each rounded to hundredths before their sum.
  long double convective = 0, radiative = 0, total = 0;
};

CylinderResult CylinderHeatLoss(const CylinderInputs& in);

}  // namespace HeatLossCalc
