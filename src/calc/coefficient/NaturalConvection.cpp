#include "calc/coefficient/NaturalConvection.h"

#include "calc/coefficient/CorrelationPower.h"

using CorrelationPower::Power;

NaturalNumbers NaturalConvectionNumbers(long double L, long double nu, long double cp, long double rho,
                                        long double lambda, long double T2, long double T1,
                                        long double beta) {
  const long double dT = T2 - T1;
  NaturalNumbers d{};
  d.Re = Power(19.6L * L * L * L * beta * dT / nu / nu, 0.5L);
  d.Pr = cp * rho * nu / (lambda / 3600.0L);
  d.Gr = 9.8L * L * L * L * beta * dT / nu / nu;
  d.Ra = d.Gr * d.Pr;
  return d;
}

long double CoefficientFromNusselt(long double nu, long double lambda, long double L) {
  return nu * lambda / L;
}

namespace {

constexpr long double kThird = 1.0L / 3.0L;
constexpr long double kSixth = 1.0L / 6.0L;

long double Ra(const NaturalInputs& in) { return in.d.Ra; }
long double Pr(const NaturalInputs& in) { return in.d.Pr; }

long double RaQuarter(long double a, const NaturalInputs& in) { return a * Power(Ra(in), 0.25L); }
long double RaThird(long double a, const NaturalInputs& in) { return a * Power(Ra(in), kThird); }

// The Churchill-Chu form shared by 55 and 63.
long double ChurchillChu(long double a, long double b, const NaturalInputs& in) {
  return Power(
      a + 0.387L * Power(Ra(in), kSixth) / Power(1.0L + Power(b / Pr(in), 9.0L / 16.0L), 8.0L / 27.0L), 2.0L);
}

// clang-format off
const NaturalCorrelation kNatural[] = {
  {"51", 0, [](const NaturalInputs& in) {
     return 0.68L * Power(Pr(in), 0.5L) * Power(in.d.Gr, 0.25L) / Power(0.95L + Pr(in), 0.25L); }},
  {"52", 0, [](const NaturalInputs& in) { return RaQuarter(0.59L, in); }},
  {"53", 0, [](const NaturalInputs& in) { return RaThird(0.13L, in); }},
  {"54", 0, [](const NaturalInputs& in) { return RaThird(0.1L, in); }},
  // The formula text shows 0.495; the evaluation uses 0.492.
  {"55", 0, [](const NaturalInputs& in) { return ChurchillChu(0.825L, 0.492L, in); }},
  {"56", 0, [](const NaturalInputs& in) { return RaThird(0.13L, in); }},
  {"57", 0, [](const NaturalInputs& in) { return RaQuarter(0.87L, in); }},
  {"58", 0, [](const NaturalInputs& in) { return 0.0245L * Power(Ra(in), 0.4L); }},
  {"59", 0, [](const NaturalInputs& in) { return RaQuarter(0.54L, in); }},
  {"60", 0, [](const NaturalInputs& in) { return RaThird(0.14L, in); }},
  {"61", 0, [](const NaturalInputs& in) { return RaQuarter(0.27L, in); }},
  {"62", 0, [](const NaturalInputs& in) { return 0.58L * Power(Ra(in), 0.2L); }},
  {"63", 0, [](const NaturalInputs& in) { return ChurchillChu(0.6L, 0.559L, in); }},
  {"64", 0, [](const NaturalInputs& in) { return RaQuarter(0.53L, in); }},
  {"65", 0, [](const NaturalInputs& in) { return RaThird(0.126L, in); }},
  // The formula text shows (0.559*Pr); the evaluation divides 0.559 by Pr.
  {"66", 0, [](const NaturalInputs& in) {
     return Power(0.6L + 0.387L * Power(Ra(in) / Power(1.0L + Power(0.559L / Pr(in), 9.0L / 16.0L), 16.0L / 9.0L),
                                       kSixth), 2.0L); }},
  {"69", kNaturalX, [](const NaturalInputs& in) {
     return 0.22L * Power(Pr(in) * Ra(in) / (0.2L + Pr(in)), 0.28L) * Power(in.X / in.L, -0.25L); }},
  {"70", 0, [](const NaturalInputs& in) { return 0.18L * Power(Pr(in) * Ra(in) / (0.2L + Pr(in)), 0.29L); }},
  {"71", 0, [](const NaturalInputs&) { return 1.0L; }},
  // An exponent m of 0 is taken as 0.0001.
  {"74", kNaturalC | kNaturalX | kNaturalN | kNaturalM, [](const NaturalInputs& in) {
     const long double m = in.m == 0.0L ? 0.0001L : in.m;
     return in.C * Power(Ra(in), in.n) * Power(in.X / in.L, m); }},
  {"75", kNaturalX, [](const NaturalInputs& in) {
     return 0.42L * Power(Ra(in), 0.25L) * Power(Pr(in), 0.012L) * Power(in.X / in.L, -0.3L); }},
  {"76", 0, [](const NaturalInputs& in) { return RaThird(0.046L, in); }},
  {"77", 0, [](const NaturalInputs& in) { return 2.0L + RaQuarter(0.43L, in); }},
  {"78", 0, [](const NaturalInputs& in) { return 2.0L + RaQuarter(0.59L, in); }},
};
// clang-format on

}  // namespace

const NaturalCorrelation* FindNaturalCorrelation(std::string_view number) {
  for (const NaturalCorrelation& c : kNatural)
    if (number == c.number) return &c;
  return nullptr;
}
