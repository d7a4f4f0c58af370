// The two options of the heat-loss calculators, carried in their Inputs: the
// outer convective coefficient computed from the conditions ("自動") in place
// of the typed h, and layers whose conductivity changes with temperature.
// Both default to off, and a calculation whose options are all off runs
// today's arithmetic unchanged, to the last bit.
//
// With an option on, each calculation runs the same scan over the same
// points, testing at each surface temperature T whether the layers can carry
// the heat the surface gives off at T with their inner face short of the
// held inner temperature (the integral of k over each layer, mean-value
// method): the balance of today's test, with h = h(T) and k = k(T).
#pragma once

#include <optional>

#include "calc/heatloss/SurfaceLoss.h"
#include "calc/surface/ConvectionTable.h"
#include "calc/surface/SurfaceCoefficient.h"
#include "calc/surface/SurfaceUnits.h"
#include "calc/surface/TemperatureConductivity.h"

namespace HeatLossCalc {

static_assert(SurfaceCalc::kKelvin == kKelvin && SurfaceCalc::kPi == kPi);

struct AutoCoefficient {
  bool on = false;
  SurfaceCalc::Orientation orientation = SurfaceCalc::Orientation::HorizontalPipe;
  long double wind = 0;  // m/s across the surface; 0 = still air
  // The flat calculators: the height of a vertical wall, or the length of a
  // horizontal face along the wind, m; 0 takes the side of a square of the
  // area. The cylinders take their outer diameter and length instead.
  long double length = 0;
  // The long marches (pipe flow, cooling) read the convective flux from a
  // table made once per run (ConvectionTable.h); false evaluates the
  // correlations at every point, for checks of the table.
  bool tabulated = true;
};

// A layer's conductivity k = k0 + b·T + c·T² (T in ℃), k0 being the layer's
// typed conductivity; b = c = 0 is today's constant k0.
struct ConductivityChange {
  long double b = 0, c = 0;
  bool Constant() const { return b == 0 && c == 0; }
};

inline SurfaceCalc::TemperatureConductivity WithChange(long double k0, const ConductivityChange& d) {
  return {k0, d.b, d.c};
}

// The conditions of a cylinder of outer diameter D and length L (m) in air
// at airC: a horizontal pipe (D for both lengths), or a vertical pipe or
// wall (its height L, the wind across D; D when L is 0); a horizontal face
// counts as a horizontal pipe.
SurfaceCalc::SurfaceConditions CylinderSurface(const AutoCoefficient& a, long double airC, long double D,
                                               long double L);

// The conditions of a flat surface of area A (m²) in air at airC. Its side
// s is the option's length (√A when 0). A vertical wall (or pipe) is s high;
// a horizontal face is an s × A/s rectangle, whose natural length is area
// over perimeter. The wind runs along s.
SurfaceCalc::SurfaceConditions FlatSurface(const AutoCoefficient& a, long double airC, long double A);

// The convective flux of the outer surface per unit area, h·(T - Ta) in W/m²
// with T in kelvin, from the typed h or the automatic coefficient.
class OuterConvection {
 public:
  OuterConvection(long double typedH, const AutoCoefficient& a, const SurfaceCalc::SurfaceConditions& c);

  // Makes the table over [from, to] (K) when the option asks for one.
  void Tabulate(long double from, long double to);

  long double Flux(long double T) const {
    if (table_) return table_->FluxAt(T);
    if (auto_) return auto_->AtKelvin(T) * (T - Ta_);
    return (T - Ta_) * typed_;
  }
  // h at T, evaluated exactly: the coefficient the results report.
  long double Coefficient(long double T) const { return auto_ ? auto_->AtKelvin(T) : typed_; }

 private:
  long double typed_, Ta_;
  bool tabulate_;
  std::optional<SurfaceCalc::SurfaceCoefficient> auto_;
  std::optional<SurfaceCalc::ConvectionTable> table_;
};

// Two layers in series from the outer face at T (℃) inwards, the outer one
// carrying the integral I2 and the inner one I1 (W/m: a flux times the
// thickness, or a flow per metre times ln(Do/Di) / 2π; both of the sign of
// limit - T). True when the inner face lies short of limit, the inner
// temperature the calculation holds; then interface and inner (either may be
// nullptr) receive the two face temperatures, ℃. Each k must be positive
// between T and limit.
bool LayersCarry(const SurfaceCalc::TemperatureConductivity& inner,
                 const SurfaceCalc::TemperatureConductivity& outer, long double T, long double I1,
                 long double I2, long double limit, long double* interface, long double* innerFace);

// The first tests of every scan with options, which spare the evaluations:
// a surface on the far side of the air from the inside passes (it takes heat
// where the inside gives it, or gives where the inside takes), one at or
// beyond the inner temperature fails. Empty for a surface between them.
inline std::optional<bool> PlainSide(long double T, long double Ta, long double Tinner) {
  if (Tinner >= Ta) {
    if (!(T > Ta)) return true;
    if (!(T < Tinner)) return false;
  } else {
    if (!(T < Ta)) return true;
    if (!(T > Tinner)) return false;
  }
  return std::nullopt;
}

}  // namespace HeatLossCalc
