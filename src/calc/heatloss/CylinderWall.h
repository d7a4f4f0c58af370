// The cylinder's wall as the loss (Cylinder.cpp) and the gain (HeatGain.cpp)
// balance it: conductances per metre without the factor 2 pi, the outer
// circumference, and the results at the surface temperature the scan found.
#pragma once

#include <cmath>

#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "calc/numeric/Rounding.h"

namespace HeatLossCalc {

struct CylinderWall {
  long double G2, G;  // insulation, and both layers in series
  long double P, R;   // outer circumference; e * sigma * P
  long double h, L;
  long double Ta, Ti;  // kelvin

  explicit CylinderWall(const CylinderInputs& in) {
    const long double D1 = in.D1;
    const long double D2 = in.t2 * 2 + D1;
    const long double G1 = in.k1 / logl(D1 / (D1 - 2 * in.t1));
    G2 = in.k2 / logl(D2 / D1);
    G = 1 / (1 / G2 + 1 / G1);
    Ta = in.Ta + kKelvin;
    Ti = in.Ti + kKelvin;
    P = D2 * kPi;
    R = in.e * in.sigma * P;
    h = in.h;
    L = in.L;
  }

  // W the layers conduct outwards, and W the surface gives the air, at T.
  long double Conducted(long double T) const { return (Ti - T) * G * 2 * kPi * L; }
  long double Given(long double T) const { return (T - Ta) * h * P * L + (Fourth(T) - Fourth(Ta)) * R * L; }

  // The scans' tests at T, true while the balance lies beyond T, away from
  // the air: a hot line's layers conduct more than the surface gives off; a
  // cold line's surface, short of the inner temperature, gives off more
  // (both negative) than the layers conduct.
  bool LossPasses(long double T) const { return Conducted(T) > Given(T); }
  bool GainPasses(long double T) const { return T > Ti && Given(T) > Conducted(T); }

  // Convection and radiation rounded to hundredths before their sum; the
  // interface lies the insulation's drop inside the surface.
  CylinderResult ResultAt(long double Ts) const {
    CylinderResult r;
    r.convective = Rounding::Nearest((Ts - Ta) * 100 * h * P * L) / 100;
    r.radiative = Rounding::Nearest((Fourth(Ts) - Fourth(Ta)) * 100 * R * L) / 100;
    r.total = r.convective + r.radiative;
    r.coefficient = h;
    r.surface = Ts - kKelvin;
    r.interface = r.total / (G2 * 2 * kPi * L) + Ts - kKelvin;
    return r;
  }
};

}  // namespace HeatLossCalc
