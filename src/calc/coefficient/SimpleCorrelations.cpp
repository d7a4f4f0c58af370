#include "calc/coefficient/SimpleCorrelations.h"

#include <iterator>

#include "calc/coefficient/CorrelationPower.h"

namespace {

using CorrelationPower::Power;

// Values: v[0] surface temperature T2, v[1] ambient temperature T1, v[2] a
// length, diameter or wind speed; entry 10: cp, u, ρ, D; entry 11: t, u, D.
long double PlateOverLength(long double factor, const long double* v) {
  return factor * Power((v[0] - v[1]) / v[2], 0.25L);
}
long double CubeRootOfDifference(long double factor, const long double* v) {
  return factor * Power(v[0] - v[1], 1.0L / 3.0L);
}
long double WindFactor(long double factor, const long double* v) {
  return factor * Power(v[0] - v[1], 0.25L) * Power((v[2] + 0.348L) / 0.348L, 0.5L);
}

// clang-format off
const SimpleCorrelation kSimple[] = {
  {"1",  3, [](const long double* v) { return PlateOverLength(1.42L, v); }},
  {"2",  2, [](const long double* v) { return CubeRootOfDifference(0.95L, v); }},
  {"3",  3, [](const long double* v) { return PlateOverLength(1.32L, v); }},
  {"4",  2, [](const long double* v) { return CubeRootOfDifference(1.24L, v); }},
  {"5",  3, [](const long double* v) { return PlateOverLength(1.32L, v); }},
  {"6",  2, [](const long double* v) { return CubeRootOfDifference(1.24L, v); }},
  {"7",  3, [](const long double* v) { return 0.61L * Power((v[0] - v[1]) / v[2] / v[2], 0.2L); }},
  {"9",  3, [](const long double* v) { return PlateOverLength(1.175L, v); }},
  // The velocity is taken per hour (× 3600) inside the power.
  {"10", 4, [](const long double* v) {
     return 0.016L * v[0] * Power(3600.0L * v[1] * v[2], 0.8L) / Power(v[3], 0.2L); }},
  {"11", 3, [](const long double* v) {
     return 3100.0L * (1.0L + 0.015L * v[0]) * Power(v[1], 0.3L) * Power(100.0L * v[2], 0.2L); }},
  {"12", 3, [](const long double* v) { return WindFactor(3.26L, v); }},
  {"13", 3, [](const long double* v) { return WindFactor(2.28L, v); }},
};
// clang-format on

}  // namespace

const SimpleCorrelation* FindSimpleCorrelation(std::string_view number) {
  for (const SimpleCorrelation& c : kSimple)
    if (number == c.number) return &c;
  return nullptr;
}
