#include "calc/heating/ContainerFaces.h"

#include <cmath>

#include "calc/heating/SaturatedVapourDensity.h"

namespace heating {

namespace {

using SurfaceCalc::Orientation;

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
      top_(Face(Orientation::HorizontalFacingUp, TaK, W * D / (2 * (W + D)), fmaxl(W, D), a.wind, fromK, toK)),
      bottom_(Face(Orientation::HorizontalFacingDown, TaK, W * D / (2 * (W + D)), fmaxl(W, D), a.wind, fromK, toK)),
      airPressure_(a.humidity / 100 * SaturationPressure(TaK)),
      perKPa_((0.089L + 0.0782L * a.wind) * 1000) {}

long double ContainerFaces::Evaporation(long double T) const {
  return (SaturationPressure(T) - airPressure_) * perKPa_;
}

}  // namespace heating
