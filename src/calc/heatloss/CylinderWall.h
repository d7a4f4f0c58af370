// The cylinder's wall as the loss (Cylinder.cpp) and the gain (HeatGain.cpp)
// balance it: conductances per metre without the factor 2 pi, the outer
// circumference, and the results at the surface temperature the scan found.
// The inner insulation layers add their resistances in series; without them
// every value is formed as it always was.
#pragma once

#include <cmath>

#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "calc/numeric/Rounding.h"

namespace HeatLossCalc {

struct CylinderWall {
  long double G2, G;  // insulation, and every layer in series
  // The inner insulation layers' conductances, from the tube outwards.
  std::array<long double, kMaxInnerLayers> Gj{};
  int inner = 0;
  long double P, R;   // outer circumference; e * sigma * P
  long double h, L;
  long double Ta, Ti;  // kelvin

  explicit CylinderWall(const CylinderInputs& in) {
    const long double D1 = in.D1;
    long double Db = D1;  // where the next layer starts
    inner = in.inner.count;
    for (int j = 0; j < inner; ++j) {
      const InsulationLayer& l = in.inner.layer[j];
      const long double Do = l.thickness * 2 + Db;
      Gj[j] = l.k / logl(Do / Db);
      Db = Do;
    }
    const long double D2 = in.t2 * 2 + Db;
    const long double G1 = in.k1 / logl(D1 / (D1 - 2 * in.t1));
    G2 = in.k2 / logl(D2 / Db);
    // The resistances from the outside in: 1/G2 + 1/G1 with no inner layer.
    long double resistance = 1 / G2;
    for (int j = inner - 1; j >= 0; --j) resistance = resistance + 1 / Gj[j];
    G = 1 / (resistance + 1 / G1);
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

  // Convection and radiation rounded to hundredths before their sum; each
  // face lies its layer's drop inside the one outside it.
  CylinderResult ResultAt(long double Ts) const {
    CylinderResult r;
    r.convective = Rounding::Nearest((Ts - Ta) * 100 * h * P * L) / 100;
    r.radiative = Rounding::Nearest((Fourth(Ts) - Fourth(Ta)) * 100 * R * L) / 100;
    r.total = r.convective + r.radiative;
    r.coefficient = h;
    r.surface = Ts - kKelvin;
    r.faces.layers = inner + 1;
    r.faces.at[inner + 1] = r.surface;
    long double face = r.total / (G2 * 2 * kPi * L) + Ts;
    r.faces.at[inner] = face - kKelvin;
    for (int j = inner - 1; j >= 0; --j) {
      face = r.total / (Gj[j] * 2 * kPi * L) + face;
      r.faces.at[j] = face - kKelvin;
    }
    r.interface = r.faces.at[0];
    return r;
  }
};

}  // namespace HeatLossCalc
