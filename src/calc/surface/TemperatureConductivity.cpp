#include "calc/surface/TemperatureConductivity.h"

#include <cmath>

#include "calc/heatloss/SurfaceLoss.h"

namespace SurfaceCalc {

long double ConductivityAt(const TemperatureConductivity& k, long double T) {
  return k.a + k.b * T + k.c * T * T;
}

long double MeanConductivity(const TemperatureConductivity& k, long double T1, long double T2) {
  return k.a + k.b * (T1 + T2) / 2 + k.c * (T1 * T1 + T1 * T2 + T2 * T2) / 3;
}

bool ConductivityPositive(const TemperatureConductivity& k, long double T1, long double T2) {
  const long double lo = T1 < T2 ? T1 : T2, hi = T1 < T2 ? T2 : T1;
  if (!(ConductivityAt(k, lo) > 0) || !(ConductivityAt(k, hi) > 0)) return false;
  // A parabola opening upwards has its least value at its vertex.
  if (k.c > 0) {
    const long double vertex = -k.b / (2 * k.c);
    if (vertex > lo && vertex < hi) return ConductivityAt(k, vertex) > 0;
  }
  return true;
}

long double FlatLayerFlux(const TemperatureConductivity& k, long double T1, long double T2, long double t) {
  return MeanConductivity(k, T1, T2) * (T1 - T2) / t;
}

long double CylinderLayerFlow(const TemperatureConductivity& k, long double T1, long double T2,
                              long double D1, long double D2) {
  const long double G = MeanConductivity(k, T1, T2) / logl(D2 / D1);
  return (T1 - T2) * G * 2 * HeatLossCalc::kPi;
}

long double FaceTemperatureForIntegral(const TemperatureConductivity& k, long double T2, long double I) {
  // The integral from T2 to T, formed as span times mean so that it stays
  // exact for a small span.
  auto integral = [&](long double T) { return (T - T2) * MeanConductivity(k, T, T2); };
  long double T = T2 + I / ConductivityAt(k, T2);
  for (int i = 0; i < 60; ++i) {
    const long double step = (integral(T) - I) / ConductivityAt(k, T);
    const long double next = T - step;
    if (next == T || !std::isfinite(next)) break;
    T = next;
    if (fabsl(step) <= 1e-17L * (1 + fabsl(T))) break;
  }
  return T;
}

}  // namespace SurfaceCalc
