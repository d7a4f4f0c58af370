#include "calc/heatloss/Heater.h"

#include <cmath>

#include "calc/numeric/Rounding.h"
#include "calc/heatloss/HeaterScan.h"
#include "calc/heatloss/SurfaceLoss.h"

namespace HeatLossCalc {

namespace {

// The coefficients of the loss per metre: H for convection, R for radiation.
struct Coefficients {
  long double TaK, H, R;
};

Coefficients CoefficientsOf(const HeaterInputs& in) {
  return {in.Ta + kKelvin, in.h * in.P, in.e * in.sigma * in.P};
}

inline long double Loss(const HeaterInputs& in, const Coefficients& c, long double T) {
  return ((T - in.Ta) * c.H + Fourth(T + kKelvin) * c.R - Fourth(c.TaK) * c.R) * in.L;
}

}  // namespace

long double HeaterCircumference(long double Ds) { return Ds * kPi / 1000; }

long double HeaterLoss(const HeaterInputs& in, long double T) { return Loss(in, CoefficientsOf(in), T); }

long double HeaterSurfaceTemperature(const HeaterInputs& in) {
  const Coefficients c = CoefficientsOf(in);
  const long double Q = in.Q;
  return HeaterScan(in.Ta, [&](long double T) { return Loss(in, c, T) < Q; });
}

HeaterLosses HeaterSurfaceLosses(const HeaterInputs& in, long double Ts) {
  const Coefficients c = CoefficientsOf(in);
  HeaterLosses q;
  q.convective = Rounding::Nearest((Ts - in.Ta) * 100 * c.H * in.L) / 100;
  q.radiative = Rounding::Nearest((Fourth(Ts + kKelvin) - Fourth(c.TaK)) * 100 * c.R * in.L) / 100;
  q.total = q.convective + q.radiative;
  return q;
}

long double HeaterFluxDensity(const HeaterInputs& in) {
  const long double S = in.P * 100 * in.L * 100;  // sheath surface, cm2
  return in.Q / S;
}

long double LayerInnerTemperature(long double Q, long double k, long double L, long double outerD,
                                  long double innerD, long double Touter) {
  return Q / (k * kPi * 2 * L / logl(outerD / innerD)) + Touter;
}

}  // namespace HeatLossCalc
