// The design pages' reading of a heat-loss calculator (DesignHook::read), as
// its Run reads it: the panel's guards, the humidity of its air, then its
// inputs; the calculations at other thicknesses are bound to those inputs.
#pragma once

#include <optional>

#include "calc/design/ThicknessSolve.h"
#include "operations/common/CalculatorRow.h"
#include "operations/heatloss/SurfaceCondensation.h"
#include "widgets/Fields.h"

namespace HeatLossDesign {

// ready: the panel's guards pass on f. humidity: the panel's humidity
// controls (nullptr: none). air: its air temperature field. inputsOf: the
// Run's reading of its inputs; bind: the calculations on them.
template <class Inputs>
DesignHook::Read Read(Fields& f, bool ready, const SurfaceCondensation::Controls* humidity, const char* air,
                      std::optional<Inputs> (*inputsOf)(Fields&), void (*bind)(const Inputs&, DesignInputs&)) {
  DesignHook::Read r;
  if (!ready) {
    r.incomplete = true;
    return r;
  }
  std::optional<long double> rh;
  if (humidity) {
    const SurfaceCondensation::Humidity h = ReadHumidity(f, *humidity);
    // A humidity the Run refuses ends it before the inputs are read.
    if (h.refused) return r;
    rh = h.rh;
  }
  const std::optional<Inputs> in = inputsOf(f);
  if (!in) return r;
  DesignInputs d;
  bind(*in, d);
  d.rh = rh;
  d.air = f.Number(air);
  r.inputs = d;
  return r;
}

// The solve, the forward quantity and the economic table of a calculator
// whose calculations take its Inputs: bound to a copy of in.
template <class Inputs, class Solve, class Quantity, class Economics>
void BindThickness(const Inputs& in, DesignInputs& d, Solve solve, Quantity quantity, Economics economics) {
  d.solve = [in, solve](const DesignCalc::Target& t, const std::vector<long double>& stock) {
    return solve(in, t, stock, DesignCalc::kDefaultMaxMm);
  };
  d.quantity = [in, quantity](long double mm, DesignCalc::TargetKind kind) { return quantity(in, mm, kind); };
  d.economics = [in, economics](const std::vector<DesignCalc::StockCost>& stock,
                                const DesignCalc::EconomicInputs& econ) { return economics(in, stock, econ); };
}

}  // namespace HeatLossDesign
