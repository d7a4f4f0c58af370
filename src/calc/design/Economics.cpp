#include "calc/design/Economics.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "calc/design/DesignRuns.h"

namespace DesignCalc {

using namespace HeatLossCalc;

bool EconomicInputsValid(const EconomicInputs& in) {
  return in.hoursPerYear >= 0 && in.pricePerKWh >= 0 && in.efficiency > 0 && in.co2PerKWh >= 0 &&
         in.years >= 0 && in.discountRate > -1;
}

long double PresentWorthFactor(long double rate, long double years) {
  if (rate == 0) return years;
  const long double grown = powl(1 + rate, years);
  return (grown - 1) / (rate * grown);
}

namespace {

EconomicRow Row(long double mm, long double heatFlow, long double installed, long double factor,
                const EconomicInputs& econ) {
  EconomicRow r;
  r.mm = mm;
  r.heatFlow = fabsl(heatFlow);
  r.heatKWh = r.heatFlow * econ.hoursPerYear / 1000;
  r.energyKWh = r.heatKWh / econ.efficiency;
  r.energyCost = r.energyKWh * econ.pricePerKWh;
  r.co2Kg = r.energyKWh * econ.co2PerKWh;
  r.presentEnergyCost = r.energyCost * factor;
  r.installed = installed;
  r.total = r.presentEnergyCost + r.installed;
  return r;
}

// The stock entries above 0 mm, thinnest first.
std::vector<StockCost> Usable(const std::vector<StockCost>& stock) {
  std::vector<StockCost> s;
  for (const StockCost& c : stock)
    if (c.mm > 0) s.push_back(c);
  std::stable_sort(s.begin(), s.end(), [](const StockCost& a, const StockCost& b) { return a.mm < b.mm; });
  return s;
}

EconomicTable FromRuns(const std::vector<StockCost>& stock, const EconomicInputs& econ,
                       const std::function<long double(long double mm)>& heatFlowAt) {
  if (!EconomicInputsValid(econ)) return {};
  const std::vector<StockCost> s = Usable(stock);
  std::vector<long double> flows;
  for (const StockCost& c : s) flows.push_back(heatFlowAt(c.mm));
  return EconomicRows(heatFlowAt(0), s, flows, econ);
}

// The yearly heat flow at each stock thickness, per metre or square metre;
// none without a length or area above 0.
template <class Inputs>
EconomicTable Economics(const Inputs& base, long double lengthOrArea, const std::vector<StockCost>& stock,
                        const EconomicInputs& econ,
                        long double (*quantity)(const Inputs&, long double, TargetKind)) {
  if (!(lengthOrArea > 0)) return {};
  return FromRuns(stock, econ,
                  [&](long double mm) { return quantity(base, mm, TargetKind::HeatFlowAtMost); });
}

}  // namespace

EconomicTable EconomicRows(long double bareHeatFlow, const std::vector<StockCost>& stock,
                           const std::vector<long double>& heatFlow, const EconomicInputs& econ) {
  EconomicTable t;
  if (!EconomicInputsValid(econ)) return t;
  t.valid = true;
  t.presentWorthFactor = PresentWorthFactor(econ.discountRate, econ.years);
  t.rows.push_back(Row(0, bareHeatFlow, 0, t.presentWorthFactor, econ));
  std::vector<EconomicRow> insulated;
  for (size_t j = 0; j < stock.size() && j < heatFlow.size(); ++j)
    if (stock[j].mm > 0)
      insulated.push_back(Row(stock[j].mm, heatFlow[j], stock[j].cost, t.presentWorthFactor, econ));
  std::stable_sort(insulated.begin(), insulated.end(),
                   [](const EconomicRow& a, const EconomicRow& b) { return a.mm < b.mm; });
  const long double bareCost = t.rows.front().energyCost;
  for (EconomicRow& r : insulated) {
    const long double saving = bareCost - r.energyCost;
    r.paysBack = saving > 0;
    if (r.paysBack) r.paybackYears = r.installed / saving;
    t.rows.push_back(r);
  }
  t.best = 0;
  for (size_t j = 1; j < t.rows.size(); ++j)
    if (t.rows[j].total < t.rows[t.best].total) t.best = static_cast<int>(j);
  return t;
}

EconomicTable CylinderEconomics(const CylinderInputs& base, const std::vector<StockCost>& stock,
                                const EconomicInputs& econ) {
  return Economics(base, base.L, stock, econ, CylinderQuantity);
}

EconomicTable FlatPlateEconomics(const FlatPlateInputs& base, const std::vector<StockCost>& stock,
                                 const EconomicInputs& econ) {
  return Economics(base, base.A, stock, econ, FlatPlateQuantity);
}

EconomicTable FlatWallEconomics(const FlatWallInputs& base, const std::vector<StockCost>& stock,
                                const EconomicInputs& econ) {
  return Economics(base, base.A, stock, econ, FlatWallQuantity);
}

EconomicTable PipeFlowEconomics(const PipeFlowInputs& base, const std::vector<StockCost>& stock,
                                const EconomicInputs& econ) {
  return Economics(base, base.Lp, stock, econ, PipeFlowQuantity);
}

}  // namespace DesignCalc
