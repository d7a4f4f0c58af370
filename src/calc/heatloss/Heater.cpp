#include "calc/heatloss/Heater.h"

#include <cmath>

#include "calc/heatloss/HeaterScan.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "calc/numeric/Rounding.h"

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

// The sheath with the automatic coefficient: a cylinder of the diameter P / π.
OuterConvection AutomaticSheath(const HeaterInputs& in) {
  return OuterConvection(in.h, in.outer, OuterSurfaceOf(in));
}

long double AutomaticLoss(const HeaterInputs& in, const OuterConvection& h, long double T) {
  const long double TK = T + kKelvin, TaK = in.Ta + kKelvin;
  return (h.Flux(TK) * in.P + (Fourth(TK) - Fourth(TaK)) * in.e * in.sigma * in.P) * in.L;
}

}  // namespace

long double HeaterCircumference(long double Ds) { return Ds * kPi / 1000; }

long double HeaterLoss(const HeaterInputs& in, long double T) {
  if (in.outer.on) return AutomaticLoss(in, AutomaticSheath(in), T);
  return Loss(in, CoefficientsOf(in), T);
}

long double HeaterSurfaceTemperature(const HeaterInputs& in) {
  if (in.outer.on) {
    const OuterConvection h = AutomaticSheath(in);
    return HeaterScan(in.Ta, [&](long double T) { return AutomaticLoss(in, h, T) < in.Q; });
  }
  const Coefficients c = CoefficientsOf(in);
  const long double Q = in.Q;
  return HeaterScan(in.Ta, [&](long double T) { return Loss(in, c, T) < Q; });
}

HeaterLosses HeaterSurfaceLosses(const HeaterInputs& in, long double Ts) {
  Coefficients c = CoefficientsOf(in);
  HeaterLosses q;
  q.coefficient = in.h;
  if (in.outer.on) {
    q.coefficient = AutomaticSheath(in).Coefficient(Ts + kKelvin);
    c.H = q.coefficient * in.P;
  }
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

std::optional<long double> LayerInnerTemperature(long double Q, const SurfaceCalc::TemperatureConductivity& k,
                                                 long double L, long double outerD, long double innerD,
                                                 long double Touter) {
  if (!(SurfaceCalc::ConductivityAt(k, Touter) > 0)) return std::nullopt;
  const long double I = Q * logl(outerD / innerD) / (kPi * 2 * L);
  return SurfaceCalc::FaceWithin(k, Touter, I, SurfaceCalc::ConductivityEndAbove(k, Touter));
}

}  // namespace HeatLossCalc
