// A sheathed rod heater: a heating wire in a magnesium-oxide layer inside a
// stainless sheath. All its power leaves the sheath surface by convection
// and radiation. Temperatures in degC, diameters in mm.
#pragma once

#include <optional>

#include "calc/heatloss/HeatLossOptions.h"

namespace HeatLossCalc {

struct HeaterInputs {
  long double Ta = 0;     // ambient, degC
  long double Q = 0;      // power, W
  long double L = 0;      // heated length, m
  long double P = 0;      // sheath circumference, m
  long double h = 0, e = 0, sigma = 0;
  // Off by default: the typed h. The sheath is a cylinder of the diameter
  // P / π and the length L.
  AutoCoefficient outer;
};

struct HeaterLosses {
  // W, each rounded to hundredths before their sum.
  long double convective = 0, radiative = 0, total = 0;
  // The convective coefficient at the surface temperature: the automatic
  // one, or the typed h.
  long double coefficient = 0;
};

// The sheath circumference in m of an outer diameter in mm.
long double HeaterCircumference(long double Ds);

// The loss of the sheath at the surface temperature T.
long double HeaterLoss(const HeaterInputs& in, long double T);

// The sheath surface temperature: one scan step below the highest scanned
// temperature whose loss stays below the power.
long double HeaterSurfaceTemperature(const HeaterInputs& in);

HeaterLosses HeaterSurfaceLosses(const HeaterInputs& in, long double Ts);

// Power per sheath surface, W/cm2.
long double HeaterFluxDensity(const HeaterInputs& in);

// The inner temperature of a cylindrical layer (conductivity k, diameters
// in mm) that conducts Q outwards to its outer temperature Touter.
long double LayerInnerTemperature(long double Q, long double k, long double L, long double outerD,
                                  long double innerD, long double Touter);

// The same with a conductivity that changes with temperature: the inner
// face at which the integral of k from Touter equals Q ln(outerD/innerD) /
// (2π L). Empty when k is not positive at Touter or falls to 0 before.
std::optional<long double> LayerInnerTemperature(long double Q, const SurfaceCalc::TemperatureConductivity& k,
                                                 long double L, long double outerD, long double innerD,
                                                 long double Touter);

}  // namespace HeatLossCalc
