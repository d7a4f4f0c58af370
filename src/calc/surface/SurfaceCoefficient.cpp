#include "calc/surface/SurfaceCoefficient.h"

#include <cmath>

#include "calc/surface/SurfaceUnits.h"

namespace SurfaceCalc {

namespace {

constexpr long double kGravity = 9.8L;  // as the coefficient panel

// The powers below are formed from square roots where the exponent allows
// and otherwise from one exponential of a sum of logarithms: a long double
// powl costs several times as much, and a scan evaluates h at every point.

// Churchill and Chu: {a + 0.387 Ra^(1/6) / [1 + (b/Pr)^(9/16)]^(8/27)}².
long double ChurchillChu(long double a, long double b, long double Ra, long double Pr) {
  const long double half = sqrtl(b / Pr);
  const long double x = half * sqrtl(sqrtl(sqrtl(half)));  // (b/Pr)^(1/2 + 1/16)
  const long double rise = Ra > 0 ? expl(logl(Ra) / 6 - 8.0L / 27.0L * logl(1 + x)) : 0;
  const long double y = a + 0.387L * rise;
  return y * y;
}

// Where 0.54 Ra^(1/4) and 0.14 Ra^(1/3) meet: (0.54/0.14)^12.
constexpr long double kFaceTurbulent = [] {
  const long double r = 0.54L / 0.14L, r3 = r * r * r, r6 = r3 * r3;
  return r6 * r6;
}();

// A horizontal face whose heated (or cooled) air leaves it freely: a hot
// face up, a cold face down. The larger of the laminar and turbulent laws.
long double OpenFace(long double Ra) {
  if (Ra < kFaceTurbulent) return 0.54L * sqrtl(sqrtl(Ra));
  return 0.14L * cbrtl(Ra);
}

// A hot face down, a cold face up: the air is held under or over the face.
long double ShelteredFace(long double Ra) { return 0.27L * sqrtl(sqrtl(Ra)); }

// Churchill and Bernstein: 0.3 + 0.62 Re^(1/2) Pr^(1/3) / [1 + (0.4/Pr)^(2/3)]^(1/4)
//                                · [1 + (Re/282000)^(5/8)]^(4/5).
long double ChurchillBernstein(long double Re, long double Pr) {
  constexpr long double kCube04 = 0.54288352331898131430L;  // 0.4^(2/3)
  const long double third = cbrtl(Pr);
  const long double q = kCube04 / (third * third);  // (0.4/Pr)^(2/3)
  const long double half = sqrtl(Re / 282000.0L);
  const long double z = half * sqrtl(sqrtl(half));  // (Re/282000)^(1/2 + 1/8)
  return 0.3L + 0.62L * sqrtl(Re) * third / sqrtl(sqrtl(1 + q)) * expl(0.8L * logl(1 + z));
}

// The average over a flat plate: laminar, or a laminar leading part up to
// Re = 5E5 and turbulent beyond.
long double FlatPlate(long double Re, long double Pr) {
  if (Re < 5e5L) return 0.664L * sqrtl(Re) * cbrtl(Pr);
  return (0.037L * expl(0.8L * logl(Re)) - 871) * cbrtl(Pr);
}

bool IsPipe(Orientation o) { return o == Orientation::HorizontalPipe || o == Orientation::VerticalPipe; }

}  // namespace

SurfaceCoefficient::SurfaceCoefficient(const SurfaceConditions& c) : c_(c), TaK_(c.airC + kKelvin) {
  const long double L = c.naturalLength;
  gL3_ = kGravity * L * L * L;
  perL_ = 1 / L;
  perLw_ = c.windLength > 0 ? 1 / c.windLength : 0;
}

SurfaceParts SurfaceCoefficient::PartsAtKelvin(long double Ts) const {
  SurfaceParts p;
  const long double dT = fabsl(Ts - TaK_);
  p.air = AirAtKelvin((Ts + TaK_) / 2);
  const AirProperties& a = p.air;
  p.Gr = gL3_ * a.beta * dT / (a.nu * a.nu);
  p.Ra = p.Gr * a.Pr;

  const bool hot = Ts > TaK_;
  long double Nu = 0;
  switch (c_.orientation) {
    case Orientation::HorizontalPipe:
      Nu = ChurchillChu(0.6L, 0.559L, p.Ra, a.Pr);
      break;
    case Orientation::VerticalPipe:
      // D ≥ 35 H / Gr^(1/4), written without a division for Gr = 0.
      p.thinCylinder = c_.windLength * sqrtl(sqrtl(p.Gr)) < 35 * c_.naturalLength;
      Nu = ChurchillChu(0.825L, 0.492L, p.Ra, a.Pr);
      break;
    case Orientation::VerticalWall:
      Nu = ChurchillChu(0.825L, 0.492L, p.Ra, a.Pr);
      break;
    case Orientation::HorizontalFacingUp:
      Nu = hot ? OpenFace(p.Ra) : ShelteredFace(p.Ra);
      break;
    case Orientation::HorizontalFacingDown:
      Nu = hot ? ShelteredFace(p.Ra) : OpenFace(p.Ra);
      break;
  }
  p.natural = Nu * a.lambda * perL_;
  p.h = p.natural;
  if (!(c_.wind > 0)) return p;

  p.Re = c_.wind * c_.windLength / a.nu;
  const bool pipe = IsPipe(c_.orientation);
  p.forced = (pipe ? ChurchillBernstein(p.Re, a.Pr) : FlatPlate(p.Re, a.Pr)) * a.lambda * perLw_;
  const long double n = p.natural, f = p.forced;
  if (pipe) {
    p.h = sqrtl(sqrtl(n * n * n * n + f * f * f * f));
  } else {
    p.h = cbrtl(n * n * n + f * f * f);
  }
  return p;
}

long double SurfaceCoefficient::AtKelvin(long double Ts) const { return PartsAtKelvin(Ts).h; }

long double SurfaceCoefficient::AtCelsius(long double Ts) const { return AtKelvin(Ts + kKelvin); }

}  // namespace SurfaceCalc
