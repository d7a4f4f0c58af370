#include "calc/surface/ConductivityFit.h"

#include <cmath>

namespace SurfaceCalc {

std::optional<TemperatureConductivity> FitConductivity(const std::vector<ConductivityPoint>& points) {
  if (points.empty()) return std::nullopt;
  // The distinct temperatures decide the degree: a repeated temperature
  // with the same k adds nothing, with another k no curve passes it.
  std::vector<ConductivityPoint> distinct;
  for (const ConductivityPoint& p : points) {
    bool seen = false;
    for (const ConductivityPoint& d : distinct) {
      if (d.T != p.T) continue;
      if (d.k != p.k) return std::nullopt;
      seen = true;
    }
    if (!seen) distinct.push_back(p);
  }
  const size_t n = distinct.size();
  if (n == 1) return TemperatureConductivity{distinct[0].k, 0, 0};
  if (n == 2) {
    const ConductivityPoint p = distinct[0], q = distinct[1];
    const long double b = (q.k - p.k) / (q.T - p.T);
    return TemperatureConductivity{p.k - b * p.T, b, 0};
  }
  // The parabola in u = (T - mean) / spread, where the normal equations are
  // well conditioned, then expanded back into powers of T.
  long double mean = 0, spread = 0;
  for (const ConductivityPoint& p : distinct) mean += p.T;
  mean /= n;
  for (const ConductivityPoint& p : distinct) spread = fmaxl(spread, fabsl(p.T - mean));
  long double S[5] = {0, 0, 0, 0, 0}, R[3] = {0, 0, 0};  // Σu^i, Σk·u^i
  for (const ConductivityPoint& p : distinct) {
    const long double u = (p.T - mean) / spread;
    long double power = 1;
    for (int i = 0; i < 5; ++i) {
      S[i] += power;
      if (i < 3) R[i] += p.k * power;
      power *= u;
    }
  }
  // [S0 S1 S2; S1 S2 S3; S2 S3 S4] (α β γ) = R, by Cramer's rule.
  auto det = [](long double a, long double b, long double c, long double d, long double e, long double f,
                long double g, long double h,
                long double i) { return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g); };
  const long double D = det(S[0], S[1], S[2], S[1], S[2], S[3], S[2], S[3], S[4]);
  if (!(fabsl(D) > 0)) return std::nullopt;
  const long double alpha = det(R[0], S[1], S[2], R[1], S[2], S[3], R[2], S[3], S[4]) / D;
  const long double beta = det(S[0], R[0], S[2], S[1], R[1], S[3], S[2], R[2], S[4]) / D;
  const long double gamma = det(S[0], S[1], R[0], S[1], S[2], R[1], S[2], S[3], R[2]) / D;
  // k = α + β (T - m)/s + γ (T - m)²/s².
  const long double s = spread;
  return TemperatureConductivity{alpha - beta * mean / s + gamma * mean * mean / (s * s),
                                 beta / s - 2 * gamma * mean / (s * s), gamma / (s * s)};
}

}  // namespace SurfaceCalc
