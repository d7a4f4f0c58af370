#include "calc/heatloss/Cylinder.h"

#include <cmath>

#include "calc/numeric/Rounding.h"
#include "calc/heatloss/HeatGain.h"
#include "calc/heatloss/RefiningScan.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "calc/heatloss/WithOptions.h"

namespace HeatLossCalc {

CylinderResult CylinderHeatLoss(const CylinderInputs& in) {
  if (in.OptionsOn()) return CylinderWithOptions(in);
  if (in.Ti < in.Ta) return CylinderHeatGain(in);  // colder than the air
  const long double D1 = in.D1;
  const long double D2 = in.t2 * 2 + D1;
  // Conductances per metre, without the factor 2 pi.
  const long double G1 = in.k1 / logl(D1 / (D1 - 2 * in.t1));
  const long double G2 = in.k2 / logl(D2 / D1);
  const long double G = 1 / (1 / G2 + 1 / G1);
  const long double Ta = in.Ta + kKelvin;
  const long double Ti = in.Ti + kKelvin;
  const long double P = D2 * kPi;  // outer circumference
  const long double R = in.e * in.sigma * P;
  const long double h = in.h, L = in.L;
  const long double Ts = RefiningScan(Ta, 6, 31, [&](long double T) {
    return (Ti - T) * G * 2 * kPi * L > (T - Ta) * h * P * L + (Fourth(T) - Fourth(Ta)) * R * L;
  });
  CylinderResult r;
  r.convective = Rounding::Nearest((Ts - Ta) * 100 * h * P * L) / 100;
  r.radiative = Rounding::Nearest((Fourth(Ts) - Fourth(Ta)) * 100 * R * L) / 100;
  r.total = r.convective + r.radiative;
  r.coefficient = h;
  r.surface = Ts - kKelvin;
  r.interface = r.total / (G2 * 2 * kPi * L) + Ts - kKelvin;
  return r;
}

}  // namespace HeatLossCalc
