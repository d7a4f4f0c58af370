#include "calc/heating/ContainerFaces.h"

#include <cmath>

#include "calc/heating/SaturatedVapourDensity.h"

namespace heating {

namespace {

using SurfaceCalc::Orientation;

// The sum's nodes lie on the faces' own grid (1/8 K through the air
// temperature) where the span allows, so its values are the faces' values.
constexpr long double kWholeStep = 0.125L;
constexpr int kMostWholeNodes = 8193;

SurfaceCalc::ConvectionTable Face(Orientation o, long double TaK, long double natural, long double windLength,
                                  long double wind, long double fromK, long double toK) {
  SurfaceCalc::SurfaceConditions c;
  c.orientation = o;
  c.airC = TaK - kKelvin;
  c.naturalLength = natural;
  c.windLength = windLength;
  c.wind = wind;
  return SurfaceCalc::ConvectionTable(SurfaceCalc::SurfaceCoefficient(c), TaK, fromK, toK);
}

}  // namespace

long double SaturationPressure(long double T) {
  const long double theta = T - kKelvin;
  return 0.611L * expl(kLn10 * (7.5L * theta / (theta + 237.3L)));
}

ContainerFaces::ContainerFaces(const AutomaticSurface& a, long double TaK, long double L, long double W,
                               long double D, long double fromK, long double toK)
    : Awall(2 * L * W + 2 * L * D),
      Atop(W * D),
      Abottom(W * D),
      // Walls L high; the top and the bottom by area over perimeter; the wind
      // along the longer side.
      walls_(Face(Orientation::VerticalWall, TaK, L, fmaxl(W, D), a.wind, fromK, toK)),
      top_(
          Face(Orientation::HorizontalFacingUp, TaK, W * D / (2 * (W + D)), fmaxl(W, D), a.wind, fromK, toK)),
      bottom_(Face(Orientation::HorizontalFacingDown, TaK, W * D / (2 * (W + D)), fmaxl(W, D), a.wind, fromK,
                   toK)),
      airPressure_(a.humidity / 100 * SaturationPressure(TaK)),
      perKPa_((0.089L + 0.0782L * a.wind) * 1000) {
  const long double lo = fminl(fromK, toK), hi = fmaxl(fromK, toK);
  firstK_ = TaK + floorl((lo - TaK) / kWholeStep) * kWholeStep;
  const long double count = ceill((hi - firstK_) / kWholeStep) + 1;
  if (!(count <= kMostWholeNodes)) return;  // a span beyond the table: face by face
  whole_.resize(static_cast<size_t>(count) < 2 ? 2 : static_cast<size_t>(count));
  for (size_t i = 0; i < whole_.size(); ++i) whole_[i] = Faces(firstK_ + i * kWholeStep);
}

long double ContainerFaces::Whole(long double T) const {
  const long double x = (T - firstK_) / kWholeStep;
  const long double top = static_cast<long double>(whole_.size()) - 1;
  if (!(x >= 0 && x < top)) return Faces(T);
  const size_t i = static_cast<size_t>(x);
  const long double f = x - i;
  return whole_[i] + (whole_[i + 1] - whole_[i]) * f;
}

long double ContainerFaces::Evaporation(long double T) const {
  return (SaturationPressure(T) - airPressure_) * perKPa_;
}

}  // namespace heating
