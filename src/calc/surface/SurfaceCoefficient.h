// The convective coefficient of an outer surface in air, from its shape and
// orientation, the wind and the surface temperature: what the heat-loss scans
// use in place of a typed h when the coefficient is automatic.
//
// Air properties at the film temperature (AirProperties.h), |Ts - Ta| as the
// driving difference, g = 9.8 m/s² as in the coefficient panel.
// Natural convection:
// - 水平管 horizontal cylinder, L = outer diameter: Churchill and Chu (1975),
//   the catalogue's entry 63, Ra ≤ 1E12;
// - 垂直管 and 垂直壁, L = height: Churchill and Chu for a vertical plate, all
//   Ra (entry 55). A vertical cylinder follows the plate law while
//   D ≥ 35 H / Gr_H^(1/4) (Incropera, eq. 9.33); a thinner one loses more
//   than computed (SurfaceParts::thinCylinder tells);
// - 水平面, L = area / perimeter (McAdams, Heat Transmission; entries 59 to
//   61): a hot face up or a cold face down, Nu = 0.54 Ra^(1/4) (laminar) or
//   0.14 Ra^(1/3) (turbulent), taking the larger so h has no step where
//   they meet (Ra ≈ 1.1E7); a hot face down or a cold face up,
//   Nu = 0.27 Ra^(1/4). Below Ra = 1E4 the laminar laws are extended.
// Forced convection, wind v > 0 across the surface:
// - pipes (wind across the axis), L = outer diameter: Churchill and
//   Bernstein (1977), all Re·Pr > 0.2;
// - walls and faces, L = length along the wind: the average of a flat plate,
//   0.664 Re^(1/2) Pr^(1/3) below Re = 5E5, (0.037 Re^0.8 - 871) Pr^(1/3)
//   above (laminar leading part then turbulent, Incropera eq. 7.38).
// Mixed convection: h = (h_natural^n + h_forced^n)^(1/n), n = 4 for pipes in
// cross flow and n = 3 for walls and faces (Churchill, AIChE J. 23 (1977)
// 10-16; Incropera § 9.9: n = 3 in general, 3.5 to 4 for flow across
// cylinders; the pipe calculator of ORNL's MEASUR tools uses n = 4 with the
// same two cylinder correlations). Still air (v = 0) gives h_natural.
#pragma once

#include "calc/surface/AirProperties.h"

namespace SurfaceCalc {

enum class Orientation {
  HorizontalPipe,        // 水平管
  VerticalPipe,          // 垂直管
  VerticalWall,          // 垂直壁
  HorizontalFacingUp,    // 水平面 上向き
  HorizontalFacingDown,  // 水平面 下向き
};

// What stays fixed while a scan tries surface temperatures.
struct SurfaceConditions {
  Orientation orientation = Orientation::HorizontalPipe;
  long double airC = 20;  // air temperature, ℃
  // The length of natural convection, m: the outer diameter of a horizontal
  // pipe, the height of a vertical pipe or wall, area / perimeter of a
  // horizontal face.
  long double naturalLength = 0;
  // The length of forced convection, m: the outer diameter of either pipe,
  // the length along the wind of a wall or a face.
  long double windLength = 0;
  long double wind = 0;  // m/s; 0 = still air
};

// One evaluation spelled out, for the window's note and the tests.
struct SurfaceParts {
  long double h = 0;        // W/(m²·K), the coefficient used
  long double natural = 0;  // h of natural convection alone
  long double forced = 0;   // h of forced convection alone (0 in still air)
  long double Gr = 0, Ra = 0, Re = 0;
  bool thinCylinder = false;  // a vertical pipe thinner than the plate law allows
  AirProperties air;          // at the film temperature
};

// The coefficient as a function of the surface temperature. Built once per
// run; an evaluation costs about 0.15 µs in still air and 0.3 µs in wind
// (bench_surface). Lengths must be > 0, the wind ≥ 0.
class SurfaceCoefficient {
 public:
  explicit SurfaceCoefficient(const SurfaceConditions& c);

  // h in W/(m²·K) at the surface temperature Ts in kelvin (the scans' unit).
  long double AtKelvin(long double Ts) const;
  // The same with Ts in ℃.
  long double AtCelsius(long double Ts) const;
  SurfaceParts PartsAtKelvin(long double Ts) const;

 private:
  SurfaceConditions c_;
  long double TaK_;
  long double gL3_;           // g · L³ of natural convection
  long double perL_, perLw_;  // 1 / the two lengths
};

}  // namespace SurfaceCalc
