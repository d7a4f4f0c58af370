// One metre of an insulated pipe in air, as the trace heating and the freeze
// time see it: the cylinder of the heat-loss calculator (tube and
// insulation, either with k(T); the outer surface with the typed h or the
// automatic coefficient, and radiation), solved continuously rather than on
// the cylinder's scan points, for the balances those calculations need
// between the scanned results: the steady state with the pipe held at a
// temperature, and the one where the loss equals a heat put into the pipe.
//
// The pipe temperature is the cylinder's inner temperature: the inside face
// of the tube, as the heat-loss calculator holds it.
#pragma once

#include <cmath>
#include <optional>

#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/HeatLossOptions.h"

namespace TracingCalc {

struct SectionState {
  long double pipe = 0;     // ℃
  long double surface = 0;  // ℃
  long double loss = 0;     // W/m
};

class PipeSection {
 public:
  // The pipe of `in` (diameters, thicknesses, conductivities, e, h, σ and the
  // options; its Ta, Ti and L as the automatic coefficient needs the length)
  // in air at airC with the wind `wind` (used by the automatic coefficient
  // only). With `tabulate` the convective flux is tabulated over
  // [airC, topC] when the option asks for a table: worth it for the
  // thousands of balances of a march, not for a few.
  PipeSection(const HeatLossCalc::CylinderInputs& in, long double airC, long double wind, bool tabulate,
              long double topC);

  // W/m given off by the outer surface at TsK (kelvin).
  long double SurfaceLoss(long double TsK) const;

  // The pipe held at pipeC: the steady state, pipe above the air.
  SectionState Held(long double pipeC) const;

  // The state where the loss equals output(pipe temperature ℃) in W/m, for an
  // output that does not rise with the temperature (a constant, or a
  // self-limiting heater). Empty when no pipe temperature balances it (the
  // layers cannot carry the heat at any temperature their k allows).
  template <class Output>
  std::optional<SectionState> Balance(Output&& output) const;

  long double airC() const { return airC_; }

 private:
  // The inner face (℃) when the outer surface is at TsC and q W/m flows out;
  // empty when k falls to 0 first.
  std::optional<long double> PipeBehind(long double TsC, long double q) const;

  SurfaceCalc::TemperatureConductivity k1_, k2_;
  long double per1_, per2_;  // ln(Do/Di) / 2π of tube and insulation
  long double P_, R_;        // outer circumference, e·σ·P
  long double airC_, TaK_;
  HeatLossCalc::OuterConvection h_;
};

// The root of a function rising from f(lo) = flo < 0 to f(hi) ≥ 0 (fhi,
// empty where f has no value, which counts as above 0): the Illinois form
// of regula falsi, halving where a value is missing, until the bracket
// closes to the last bits (about 1E-12 K here). Returns the upper end, where
// f ≥ 0.
template <class F>
long double RisingRoot(long double lo, long double flo, long double hi, std::optional<long double> fhi,
                       F&& f) {
  int kept = 0;  // -1: lo moved last, +1: hi moved last
  for (int i = 0; i < 200; ++i) {
    long double x = fhi ? (lo * *fhi - hi * flo) / (*fhi - flo) : (lo + hi) / 2;
    if (!(x > lo && x < hi)) x = (lo + hi) / 2;
    if (!(x > lo && x < hi)) break;
    const std::optional<long double> fx = f(x);
    if (fx && *fx < 0) {
      lo = x;
      flo = *fx;
      if (kept == -1 && fhi) *fhi /= 2;
      kept = -1;
    } else {
      hi = x;
      fhi = fx;
      if (kept == 1) flo /= 2;
      kept = 1;
      if (fx && *fx == 0) break;
    }
    if (hi - lo <= 4e-15L * fabsl(hi)) break;
  }
  return hi;
}

template <class Output>
std::optional<SectionState> PipeSection::Balance(Output&& output) const {
  // The surplus of the loss over the output with the surface at T (K): it
  // rises with T as the loss rises and the pipe behind it warms; empty
  // beyond where the layers conduct.
  auto surplus = [&](long double T) -> std::optional<long double> {
    const long double q = SurfaceLoss(T);
    const std::optional<long double> pipe = PipeBehind(T - HeatLossCalc::kKelvin, q);
    if (!pipe) return std::nullopt;
    return q - output(*pipe);
  };
  long double lo = TaK_, hi = TaK_ + 1;
  const std::optional<long double> flo = surplus(lo);
  if (!flo) return std::nullopt;                          // k not positive at the air temperature
  if (!(*flo < 0)) return SectionState{airC_, airC_, 0};  // no output at the air temperature
  std::optional<long double> fhi = surplus(hi);
  while (fhi && *fhi < 0) {
    lo = hi;
    hi = TaK_ + (hi - TaK_) * 2;
    if (hi > TaK_ + 1e5L) return std::nullopt;
    fhi = surplus(hi);
  }
  const long double T = RisingRoot(lo, *surplus(lo), hi, fhi, surplus);
  // When even the root lies beyond the layers' reach, no temperature
  // balances the output.
  const long double q = SurfaceLoss(T);
  const std::optional<long double> pipe = PipeBehind(T - HeatLossCalc::kKelvin, q);
  if (!pipe) return std::nullopt;
  return SectionState{*pipe, T - HeatLossCalc::kKelvin, q};
}

}  // namespace TracingCalc
