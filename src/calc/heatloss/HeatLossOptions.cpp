#include "calc/heatloss/HeatLossOptions.h"

#include <cmath>

namespace HeatLossCalc {

using SurfaceCalc::Orientation;

SurfaceCalc::SurfaceConditions CylinderSurface(const AutoCoefficient& a, long double airC, long double D,
                                               long double L) {
  SurfaceCalc::SurfaceConditions c;
  c.airC = airC;
  c.wind = a.wind;
  c.windLength = D;
  const bool vertical =
      a.orientation == Orientation::VerticalPipe || a.orientation == Orientation::VerticalWall;
  c.orientation = vertical ? Orientation::VerticalPipe : Orientation::HorizontalPipe;
  // A pipe of no length (pipe flow's inlet section alone) stands by its diameter.
  c.naturalLength = vertical && L > 0 ? L : D;
  return c;
}

SurfaceCalc::SurfaceConditions FlatSurface(const AutoCoefficient& a, long double airC, long double A) {
  SurfaceCalc::SurfaceConditions c;
  c.airC = airC;
  c.wind = a.wind;
  const long double s = a.length > 0 ? a.length : sqrtl(A);
  c.windLength = s;
  switch (a.orientation) {
    case Orientation::HorizontalFacingUp:
    case Orientation::HorizontalFacingDown:
      c.orientation = a.orientation;
      c.naturalLength = A / (2 * (s + A / s));
      break;
    default:
      c.orientation = Orientation::VerticalWall;
      c.naturalLength = s;
      break;
  }
  return c;
}

OuterConvection::OuterConvection(long double typedH, const AutoCoefficient& a,
                                 const SurfaceCalc::SurfaceConditions& c)
    : typed_(typedH), Ta_(c.airC + kKelvin), tabulate_(a.on && a.tabulated) {
  if (a.on) auto_.emplace(c);
}

void OuterConvection::Tabulate(long double from, long double to) {
  if (tabulate_ && auto_) table_.emplace(*auto_, Ta_, from, to);
}

bool LayersCarry(const SurfaceCalc::TemperatureConductivity& inner,
                 const SurfaceCalc::TemperatureConductivity& outer, long double T, long double I1,
                 long double I2, long double limit, long double* interface, long double* innerFace) {
  const std::optional<long double> Tm = SurfaceCalc::FaceWithin(outer, T, I2, limit);
  if (!Tm) return false;
  const std::optional<long double> Tw = SurfaceCalc::FaceWithin(inner, *Tm, I1, limit);
  if (!Tw) return false;
  if (interface) *interface = *Tm;
  if (innerFace) *innerFace = *Tw;
  return true;
}

}  // namespace HeatLossCalc
