#include "calc/coefficient/ForcedConvection.h"

#include "calc/coefficient/CorrelationPower.h"

using CorrelationPower::Power;

ForcedNumbers ForcedConvectionNumbers(long double U, long double L, long double nu, long double cp,
                                      long double rho, long double lambda) {
  ForcedNumbers d{};
  d.Re = U * L / nu;
  d.Pr = cp * rho * nu / (lambda / 3600.0L);
  return d;
}

long double DynamicViscosity(long double nu, long double rho) { return nu * rho; }

namespace {

constexpr long double kThird = 1.0L / 3.0L;

long double Re(const ForcedInputs& in) { return in.d.Re; }
long double Pr(const ForcedInputs& in) { return in.d.Pr; }
long double ViscosityRatio(const ForcedInputs& in, long double y) { return Power(in.mu / in.muW, y); }

// Dittus-Boelter form 0.023 Re^0.8 Pr^y.
long double DittusBoelter(long double y, const ForcedInputs& in) {
  return 0.023L * Power(Re(in), 0.8L) * Power(Pr(in), y);
}

// clang-format off
const ForcedCorrelation kForced[] = {
  {"101", 0, [](const ForcedInputs& in) { return 0.664L * Power(Re(in), 0.5L) * Power(Pr(in), kThird); }},
  {"102", 0, [](const ForcedInputs& in) { return 0.037L * Power(Re(in), 0.8L) * Power(Pr(in), kThird); }},
  {"104", kForcedX, [](const ForcedInputs& in) {
     const long double G = Re(in) * Pr(in) * in.L / in.X;
     return 3.66L + 0.0668L * G / (1.0L + 0.04L * Power(G, 2.0L / 3.0L)); }},
  {"105", kForcedX, [](const ForcedInputs& in) { return 1.62L * Power(Re(in) * Pr(in) * in.L / in.X, kThird); }},
  {"106", kForcedX, [](const ForcedInputs& in) {
     return 0.578L * Power(Re(in), 0.5L) * Power(Pr(in), kThird) * Power(in.L / in.X, 0.5L); }},
  {"107", kForcedX | kForcedMuW, [](const ForcedInputs& in) {
     return 1.86L * Power(Re(in) * Pr(in), kThird) * Power(in.L / in.X, kThird) * ViscosityRatio(in, 0.14L); }},
  {"108", 0, [](const ForcedInputs& in) { return DittusBoelter(0.4L, in); }},
  {"109", 0, [](const ForcedInputs& in) { return DittusBoelter(0.3L, in); }},
  {"110", 0, [](const ForcedInputs& in) { return DittusBoelter(kThird, in); }},
  {"111", kForcedMuW, [](const ForcedInputs& in) { return DittusBoelter(kThird, in) * ViscosityRatio(in, 0.14L); }},
  // Liquid metals (Seban-Shimazaki): the factor is 0.025.
  {"112", 0, [](const ForcedInputs& in) { return 5.0L + 0.025L * Power(Re(in) * Pr(in), 0.8L); }},
  {"113", 0, [](const ForcedInputs& in) {
     return 0.0396L * Power(Re(in), 0.75L) * Pr(in) /
            (1.0L + 1.7L * Power(Pr(in), -0.25L) * Power(Re(in), -0.125L) * (Pr(in) - 1.0L)); }},
  {"114", kForcedX, [](const ForcedInputs& in) {
     return 0.036L * Power(Re(in), 0.8L) * Power(Pr(in), kThird) * Power(in.L / in.X, 0.055L); }},
  {"116", kForcedCM, [](const ForcedInputs& in) { return 1.11L * in.c * Power(Re(in), in.m) * Power(Pr(in), kThird); }},
  {"117", 0, [](const ForcedInputs& in) { return (0.35L + 0.56L * Power(Re(in), 0.52L)) * Power(Pr(in), 0.3L); }},
  {"120", 0, [](const ForcedInputs& in) { return (0.35L + 0.47L * Power(Re(in), 0.52L)) * Power(Pr(in), 0.3L); }},
  {"121", 0, [](const ForcedInputs& in) { return 0.26L * Power(Re(in), 0.6L) * Power(Pr(in), 0.3L); }},
  {"122", 0, [](const ForcedInputs& in) { return 0.27L * Power(Re(in), 0.6L) * Power(Pr(in), kThird); }},
  {"123", 0, [](const ForcedInputs& in) { return 0.37L * Power(Re(in), 0.6L); }},
  {"124", 0, [](const ForcedInputs& in) { return Power(Pr(in), 0.3L) * (0.97L + 0.68L * Power(Re(in), 0.5L)); }},
  {"125", kForcedMuW, [](const ForcedInputs& in) {
     return (1.2L + 0.53L * Power(Re(in), 0.54L)) * Power(Pr(in), 0.3L) * ViscosityRatio(in, 0.25L); }},
  {"126", kForcedMuW, [](const ForcedInputs& in) {
     return 2.0L + (0.4L * Power(Re(in), 0.5L) + 0.06L * Power(Re(in), 2.0L / 3.0L)) * Power(Pr(in), 0.4L) *
                       ViscosityRatio(in, 0.25L); }},
};
// clang-format on

}  // namespace

const ForcedCorrelation* FindForcedCorrelation(std::string_view number) {
  for (const ForcedCorrelation& c : kForced)
    if (number == c.number) return &c;
  return nullptr;
}
