// The automatic outer coefficient: the catalogue's correlations, a published
// table of bare-pipe losses, the effect of wind, and the shape of the loss
// that the heat-loss scans rely on.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

#include "calc/coefficient/NaturalConvection.h"
#include "calc/surface/SurfaceCoefficient.h"

using namespace SurfaceCalc;

namespace {

constexpr long double K = 273.15L;
constexpr long double kSigma = 5.67037e-8L;
constexpr long double kPi = 3.14L;  // the circumference of the heat-loss calculators

SurfaceCoefficient Make(Orientation o, long double airC, long double L, long double Lw, long double wind) {
  SurfaceConditions c;
  c.orientation = o;
  c.airC = airC;
  c.naturalLength = L;
  c.windLength = Lw;
  c.wind = wind;
  return SurfaceCoefficient(c);
}

// h of a catalogue entry for the air the model holds at the film
// temperature; the panel takes cp in W·h/(kg·℃) and the surface as the
// warmer side.
long double CatalogueH(const char* entry, const AirProperties& a, long double L, long double Ts,
                       long double Ta) {
  NaturalInputs in;
  in.d =
      NaturalConvectionNumbers(L, a.nu, a.cp / 3600, a.rho, a.lambda, fmaxl(Ts, Ta), fminl(Ts, Ta), a.beta);
  in.L = L;
  return CoefficientFromNusselt(FindNaturalCorrelation(entry)->nu(in), a.lambda, L);
}

}  // namespace

TEST(SurfaceCoefficient, StillAirEqualsTheCatalogueEntries) {
  struct Case {
    Orientation orientation;
    long double dT;  // surface minus air
    const char* entry;
    const char* turbulentEntry;  // the larger of the two is taken, or nullptr
  };
  const Case cases[] = {
      {Orientation::HorizontalPipe, 80, "63", nullptr},
      {Orientation::HorizontalPipe, -30, "63", nullptr},
      {Orientation::VerticalWall, 300, "55", nullptr},
      {Orientation::VerticalPipe, -15, "55", nullptr},
      {Orientation::HorizontalFacingUp, 60, "59", "60"},
      {Orientation::HorizontalFacingUp, -25, "61", nullptr},  // a cold face up: air held over it
      {Orientation::HorizontalFacingDown, 60, "61", nullptr},
      {Orientation::HorizontalFacingDown, -25, "59", "60"},  // a cold face down: air falls freely
  };
  for (const Case& c : cases) {
    for (const long double L : {0.0213L, 0.3L, 3.0L}) {
      const long double Ta = 20 + K, Ts = Ta + c.dT;
      const SurfaceParts p = Make(c.orientation, 20, L, L, 0).PartsAtKelvin(Ts);
      long double expected = CatalogueH(c.entry, p.air, L, Ts, Ta);
      if (c.turbulentEntry) expected = fmaxl(expected, CatalogueH(c.turbulentEntry, p.air, L, Ts, Ta));
      EXPECT_NEAR(double(p.h / expected), 1.0, 1e-12)
          << c.entry << " dT " << double(c.dT) << " L " << double(L);
    }
  }
}

// ASHVE Heating Ventilating Air Conditioning Guide 1955, chapter 28, table 1
// (the same figures as the 1941 Guide, table 6, carried on in the ASHRAE
// handbooks): heat losses from horizontal bare steel pipes to still air at
// 70 ℉, Btu/(h·ft·℉), measured. Rows: pipe at 120 ℉ (48.9 ℃), 210 ℉
// (98.9 ℃), 299.7 ℉ (148.7 ℃) and 337.9 ℉ (169.9 ℃, the table's highest).
// Oxidised steel, ε = 0.79 (data/siryou/04, Incropera table A.11).
TEST(SurfaceCoefficient, BareSteelPipeLosesWhatThePublishedTableGives) {
  const long double dTF[] = {50, 140, 227.7, 267.9};
  struct Pipe {
    const char* size;
    long double od;  // m
    long double loss[4];
  };
  const Pipe pipes[] = {
      {"1/2", 0.0213L, {0.455L, 0.584L, 0.706L, 0.760L}}, {"1", 0.0334L, {0.684L, 0.877L, 1.065L, 1.147L}},
      {"2", 0.0603L, {1.180L, 1.512L, 1.840L, 1.987L}},   {"4", 0.1143L, {2.118L, 2.717L, 3.320L, 3.590L}},
      {"8", 0.2191L, {3.880L, 4.960L, 6.100L, 6.610L}},   {"12", 0.3239L, {5.590L, 7.145L, 8.800L, 9.530L}},
  };
  const long double airC = (70 - 32) / 1.8L, Ta = airC + K;
  const long double perF = 0.29307107L / 0.3048L * 1.8L;  // Btu/(h·ft·℉) in W/(m·K)
  for (const Pipe& pipe : pipes) {
    const SurfaceCoefficient h = Make(Orientation::HorizontalPipe, airC, pipe.od, pipe.od, 0);
    for (int i = 0; i < 4; ++i) {
      const long double dT = dTF[i] / 1.8L, Ts = Ta + dT;
      const long double P = kPi * pipe.od;
      const long double q = dT * P * h.AtKelvin(Ts) + 0.79L * kSigma * P * (powl(Ts, 4) - powl(Ta, 4));
      const long double published = pipe.loss[i] * perF * dT;
      EXPECT_NEAR(double(q / published), 1.0, 0.05) << pipe.size << " in at dT " << double(dTF[i]) << " F";
    }
  }
}

TEST(SurfaceCoefficient, WindRaisesTheLossSteadily) {
  const Orientation all[] = {Orientation::HorizontalPipe, Orientation::VerticalPipe,
                             Orientation::VerticalWall, Orientation::HorizontalFacingUp,
                             Orientation::HorizontalFacingDown};
  for (const Orientation o : all) {
    for (const long double dT : {-40.0L, 5.0L, 150.0L, 500.0L}) {
      long double before = 0;
      for (const long double wind : {0.0L, 0.05L, 0.3L, 1.0L, 3.0L, 8.0L, 20.0L, 40.0L}) {
        const long double h = Make(o, 10, 0.5L, 0.5L, wind).AtKelvin(10 + K + dT);
        EXPECT_GT(h, before) << int(o) << " dT " << double(dT) << " wind " << double(wind);
        before = h;
      }
    }
  }
  // In a strong wind the forced part governs: within a few per cent of it.
  const SurfaceParts p = Make(Orientation::HorizontalPipe, 20, 0.1L, 0.1L, 10).PartsAtKelvin(80 + K);
  EXPECT_NEAR(double(p.h / p.forced), 1.0, 0.02);
}

// The scans test each temperature against a balance: the convective loss
// h(T)·(T - Ta) must rise with T and h must have no steps, on both sides of
// the air temperature; and the evaluation must not raise a floating-point
// fault, also at T = Ta.
TEST(SurfaceCoefficient, LossRisesSmoothlyWithTheSurfaceTemperature) {
  const Orientation all[] = {Orientation::HorizontalPipe, Orientation::VerticalPipe,
                             Orientation::VerticalWall, Orientation::HorizontalFacingUp,
                             Orientation::HorizontalFacingDown};
  std::feclearexcept(FE_ALL_EXCEPT);
  for (const Orientation o : all) {
    for (const long double wind : {0.0L, 4.0L}) {
      for (const long double L : {0.02L, 0.2L, 2.0L}) {
        const SurfaceCoefficient h = Make(o, 20, L, L, wind);
        const long double Ta = 20 + K, dT = 0.25L;
        long double hBefore = h.AtKelvin(Ta - 150 - dT), qBefore = hBefore * (-150 - dT);
        for (long double T = Ta - 150; T <= Ta + 900; T += dT) {
          const long double hT = h.AtKelvin(T), q = hT * (T - Ta);
          ASSERT_GT(q, qBefore) << int(o) << " wind " << double(wind) << " L " << double(L) << " T "
                                << double(T);
          // Away from T = Ta, where h varies as a root of |T - Ta|, h moves
          // by well under 2 % over a quarter kelvin: a law switching at some
          // Rayleigh or Reynolds number would show as a step.
          if (fabsl(T - Ta) >= 5) {
            ASSERT_NEAR(double(hT / hBefore), 1, 0.02)
                << int(o) << " wind " << double(wind) << " L " << double(L) << " T " << double(T);
          }
          qBefore = q;
          hBefore = hT;
        }
      }
    }
  }
  EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW));
}

TEST(SurfaceCoefficient, AirFollowsTheShippedPropertyTable) {
  // data/siryou/05: ℃, ρ, cp kJ/(kg·K), λ, ν, Pr (rounded as shipped).
  const long double rows[][6] = {
      {-40, 1.5140L, 1.006L, 0.0208L, 9.979e-6L, 0.731L}, {20, 1.2041L, 1.007L, 0.0257L, 1.506e-5L, 0.711L},
      {100, 0.9460L, 1.011L, 0.0317L, 2.297e-5L, 0.693L}, {200, 0.7460L, 1.025L, 0.0385L, 3.447e-5L, 0.685L},
      {400, 0.5244L, 1.069L, 0.0502L, 6.197e-5L, 0.691L}, {600, 0.4043L, 1.115L, 0.0603L, 9.460e-5L, 0.707L},
  };
  for (const auto& r : rows) {
    const AirProperties a = AirAtKelvin(r[0] + K);
    EXPECT_NEAR(double(a.rho / r[1]), 1, 2e-4) << double(r[0]);
    EXPECT_NEAR(double(a.cp / 1000 / r[2]), 1, 1e-3) << double(r[0]);
    EXPECT_NEAR(double(a.lambda / r[3]), 1, 3e-3) << double(r[0]);
    EXPECT_NEAR(double(a.nu / r[4]), 1, 1e-3) << double(r[0]);
    EXPECT_NEAR(double(a.Pr / r[5]), 1, 2e-3) << double(r[0]);
    EXPECT_EQ(a.beta, 1 / (r[0] + K));
  }
}
