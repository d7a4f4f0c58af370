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
  // only). The convective flux is tabulated over [airC, topC] when the
  // option asks for a table.
  PipeSection(const HeatLossCalc::CylinderInputs& in, long double airC, long double wind, long double topC);

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

template <class Output>
std::optional<SectionState> PipeSection::Balance(Output&& output) const {
  // The state with the surface at T (K) and the surplus of its loss over the
  // output there, which rises with T as the loss rises and the pipe behind
  // it warms; empty beyond where the layers conduct.
  auto at = [&](long double T, long double& surplus) -> std::optional<SectionState> {
    const long double q = SurfaceLoss(T);
    const std::optional<long double> pipe = PipeBehind(T - HeatLossCalc::kKelvin, q);
    if (!pipe) return std::nullopt;
    surplus = q - output(*pipe);
    return SectionState{*pipe, T - HeatLossCalc::kKelvin, q};
  };
  // Beyond the layers' reach counts as a surplus: the bracket stays below it.
  auto rises = [&](long double T) {
    long double surplus = 0;
    return !at(T, surplus) || surplus >= 0;
  };
  long double surplus = 0;
  long double lo = TaK_, hi = TaK_ + 1;
  if (rises(lo)) return at(lo, surplus);  // no output at the air temperature
  while (!rises(hi)) {
    lo = hi;
    hi = TaK_ + (hi - TaK_) * 2;
    if (hi > TaK_ + 1e5L) return std::nullopt;
  }
  for (int i = 0; i < 200; ++i) {
    const long double mid = (lo + hi) / 2;
    if (mid == lo || mid == hi) break;
    if (rises(mid))
      hi = mid;
    else
      lo = mid;
  }
  // hi: the loss at or just above the output. When even that lies beyond
  // the layers' reach, no temperature balances the output.
  return at(hi, surplus);
}

}  // namespace TracingCalc
