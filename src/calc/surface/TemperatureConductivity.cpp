#include "calc/surface/TemperatureConductivity.h"

#include <cmath>

#include "calc/surface/SurfaceUnits.h"

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
  return (T1 - T2) * G * 2 * kPi;
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

long double ConductivityIntegral(const TemperatureConductivity& k, long double T1, long double T2) {
  return (T2 - T1) * MeanConductivity(k, T1, T2);
}

std::optional<long double> FaceWithin(const TemperatureConductivity& k, long double T2, long double I,
                                      long double limit) {
  if (I == 0) return T2;
  if (!(fabsl(I) < fabsl(ConductivityIntegral(k, T2, limit)))) return std::nullopt;
  if (k.b == 0 && k.c == 0) return T2 + I / k.a;
  const long double k2 = ConductivityAt(k, T2);
  // Linear: (b/2) d² + k(T2) d = I for d = T1 - T2, written without the
  // cancellation of -k + √(k² + 2bI); the root is k(T1) > 0 in the bracket.
  if (k.c == 0) return T2 + 2 * I / (k2 + sqrtl(k2 * k2 + 2 * k.b * I));
  // The integral from T2 grows with T1 (its slope is k > 0), so its sign
  // at each iterate tells on which side the face lies.
  long double lo = T2 < limit ? T2 : limit, hi = T2 < limit ? limit : T2;
  long double T = T2 + I / k2;
  if (!(T > lo && T < hi)) T = (lo + hi) / 2;
  for (int i = 0; i < 200; ++i) {
    const long double g = ConductivityIntegral(k, T2, T) - I;
    if (g == 0) break;
    if (g > 0)
      hi = T;
    else
      lo = T;
    long double next = T - g / ConductivityAt(k, T);
    if (!(next > lo && next < hi)) next = (lo + hi) / 2;
    if (next == T || !(hi > lo)) break;
    T = next;
  }
  return T;
}

long double ConductivityEndAbove(const TemperatureConductivity& k, long double T) {
  long double end = T + 1e5L;
  auto take = [&](long double root) {
    if (root > T && root < end) end = root;
  };
  if (k.c == 0) {
    if (k.b < 0) take(-k.a / k.b);
    return end;
  }
  const long double disc = k.b * k.b - 4 * k.a * k.c;
  if (disc < 0) return end;
  const long double s = sqrtl(disc);
  // The two roots, each formed without cancellation.
  const long double q = k.b < 0 ? (-k.b + s) / 2 : (-k.b - s) / 2;
  if (q != 0) {
    take(q / k.c);
    take(k.a / q);
  }
  return end;
}

}  // namespace SurfaceCalc
