#include "calc/coefficient/FinAndWall.h"

#include <cmath>

#include "calc/coefficient/CorrelationPower.h"

using CorrelationPower::Cosh;
using CorrelationPower::Power;
using CorrelationPower::Sinh;

Fin FinCoefficient(long double h, long double c, long double k, long double s, long double L) {
  Fin fin{};
  fin.m = Power(h * c / k / s, 0.5L);
  fin.C = Cosh(fin.m * L);
  fin.S = Sinh(fin.m * L);
  fin.B = h / fin.m / k;
  fin.H = fin.m * k * (fin.B * fin.C + fin.S) / (fin.B * fin.S + fin.C);
  return fin;
}

long double TubeFinCoefficient(long double L, long double D, long double H) { return (L / D + 1.0L) * H; }

long double TubeFinAverage(long double Ht, long double t, long double p, long double h) {
  return (Ht * t + (p - t) * h) / p;
}

long double FinTemperature(const Fin& fin, long double L, long double X, long double Ts, long double To) {
  const long double Cx = Cosh(fin.m * (L - X));
  const long double Sx = Sinh(fin.m * (L - X));
  return (Cx + fin.B * Sx) * (To - Ts) / (fin.C + fin.B * fin.S) + Ts;
}

LayeredWall LayeredWallConductivity(long double t1, long double t2, long double t3, long double l1,
                                    long double l2, long double l3) {
  const long double t = t1 + t2 + t3;
  return {t, t / (t1 / l1 + t2 / l2 + t3 / l3)};
}

LayeredWall LayeredCylinderConductivity(long double D, long double t1, long double t2, long double t3,
                                        long double l1, long double l2, long double l3) {
  const long double t = t1 + t2 + t3;
  const long double D1 = 2.0L * t1 + D;
  const long double D2 = D1 + 2.0L * t2;
  const long double D3 = D2 + 2.0L * t3;
  const long double B1 = l1 / logl(D1 / D);
  const long double B2 = l2 / logl(D2 / D1);
  const long double B3 = l3 / logl(D3 / D2);
  const long double B = 1.0L / (1.0L / B1 + 1.0L / B2 + 1.0L / B3);
  return {t, logl((2.0L * t + D) / D) * B};
}

long double ScaleThickness(long double w, long double hours) {
  const long double A = 1.0L;
  const long double f = expl(0.4834L * w - 1.834L);
  return A * f * hours / 3000.0L;
}
