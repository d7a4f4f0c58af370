#include "calc/surface/AirProperties.h"

#include <cmath>

namespace SurfaceCalc {

namespace {

constexpr long double kT0 = 273.15L, kPerT0 = 1 / kT0;
constexpr long double kMu0 = 1.716e-5L, kMuS = 110.4L;
constexpr long double kLambda0 = 0.0241L, kLambdaS = 194.0L;
constexpr long double kPressure = 101325.0L, kGasConstant = 287.05L;

// cp in J/(kg·K) at 150, 200, ..., 1000 K (Incropera, table A.4).
constexpr long double kCpFirst = 150.0L, kCpStep = 50.0L;
constexpr long double kCp[] = {1012, 1007, 1006, 1007, 1009, 1014, 1021, 1030, 1040,
                               1051, 1063, 1075, 1087, 1099, 1110, 1121, 1131, 1141};
constexpr int kCpNodes = sizeof kCp / sizeof kCp[0];

long double SpecificHeat(long double T) {
  const long double x = (T - kCpFirst) * (1 / kCpStep);
  if (!(x > 0)) return kCp[0];
  if (x >= kCpNodes - 1) return kCp[kCpNodes - 1];
  const int i = static_cast<int>(x);
  const long double f = x - i;
  return kCp[i] + (kCp[i + 1] - kCp[i]) * f;
}

// Sutherland's law: v0 (T/T0)^1.5 (T0 + S) / (T + S).
long double Sutherland(long double v0, long double S, long double T) {
  const long double r = T * kPerT0;
  return v0 * r * sqrtl(r) * (kT0 + S) / (T + S);
}

}  // namespace

AirProperties AirAtKelvin(long double T) {
  // Multiplications by constant reciprocals where they spare a division:
  // the scans evaluate this at every point.
  AirProperties a;
  a.beta = 1 / T;
  a.rho = kPressure / kGasConstant * a.beta;
  a.cp = SpecificHeat(T);
  a.mu = Sutherland(kMu0, kMuS, T);
  a.nu = a.mu * T * (kGasConstant / kPressure);
  a.lambda = Sutherland(kLambda0, kLambdaS, T);
  a.Pr = a.mu * a.cp / a.lambda;
  return a;
}

}  // namespace SurfaceCalc
