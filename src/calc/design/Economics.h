// The economic insulation thickness: for bare and each stock thickness the
// yearly heat lost (or, on a cold line, gained and to be removed), its
// energy cost and CO2, the present value of the energy cost over the years
// plus the installed cost, and the simple payback against bare. The
// economic thickness is the row with the lowest total.
//
// Present value of a yearly cost A over n years at the discount rate i: A
// times the uniform-series present-worth factor (P/A, i, n)
//   ((1 + i)^n - 1) / (i (1 + i)^n),  and n when i = 0,
// as in the engineering-economics texts (e.g. Newnan, Eschenbach and
// Lavelle, Engineering Economic Analysis, the factor P/A). The payback is
// the simple one, not discounted: installed cost over the yearly saving of
// energy cost against bare.
//
// All money in one currency (the price's). Amounts are per metre of line
// (cylinder, pipe flow) or per m2 (flat plate, flat wall), as the heat flows
// and installed costs are.
#pragma once

#include <vector>

#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/PipeFlow.h"

namespace DesignCalc {

struct EconomicInputs {
  long double hoursPerYear = 0;  // h of operation a year
  long double pricePerKWh = 0;   // price of a kWh of energy bought
  // Heat delivered (or removed) per energy bought, as a fraction: a boiler
  // 0.85, an electric heater 1, a chiller its COP (e.g. 3).
  long double efficiency = 1;
  long double co2PerKWh = 0;     // kg CO2 per kWh of energy bought
  long double years = 0;         // n
  long double discountRate = 0;  // i a year as a fraction: 0.03 for 3 %
};

// Accepted: hours, price, CO2 and years not negative, efficiency above 0 and
// the rate above -1.
bool EconomicInputsValid(const EconomicInputs& in);

// (P/A, i, n) as above.
long double PresentWorthFactor(long double rate, long double years);

// One stock thickness (mm, above 0) and its installed cost per m or m2.
struct StockCost {
  long double mm = 0;
  long double cost = 0;
};

struct EconomicRow {
  long double mm = 0;                 // 0 for bare
  long double heatFlow = 0;           // W/m or W/m2, lost or gained
  long double heatKWh = 0;            // heat over a year, kWh
  long double energyKWh = 0;          // energy bought for it: heatKWh / efficiency
  long double energyCost = 0;         // a year
  long double co2Kg = 0;              // a year
  long double presentEnergyCost = 0;  // energyCost x (P/A, i, n)
  long double installed = 0;          // 0 for bare
  long double total = 0;              // presentEnergyCost + installed
  bool paysBack = false;              // the row saves energy cost against bare
  long double paybackYears = 0;       // installed / yearly saving, when paysBack
};

struct EconomicTable {
  bool valid = false;  // EconomicInputsValid; no rows otherwise
  long double presentWorthFactor = 0;
  std::vector<EconomicRow> rows;  // bare first, then by thickness
  int best = -1;                  // the row with the lowest total (the thinner on a tie)
};

// The table from the heat flows already known: bareHeatFlow for bare and
// heatFlow[j] for stock[j] (W/m or W/m2, their magnitudes are used).
EconomicTable EconomicRows(long double bareHeatFlow, const std::vector<StockCost>& stock,
                           const std::vector<long double>& heatFlow, const EconomicInputs& econ);

// The table with each heat flow from a forward run of the calculator at that
// thickness (DesignRuns.h), the inputs as the panel fills them. Stock
// entries not above 0 mm are left out.
EconomicTable CylinderEconomics(const HeatLossCalc::CylinderInputs& base, const std::vector<StockCost>& stock,
                                const EconomicInputs& econ);
EconomicTable FlatPlateEconomics(const HeatLossCalc::FlatPlateInputs& base,
                                 const std::vector<StockCost>& stock, const EconomicInputs& econ);
EconomicTable FlatWallEconomics(const HeatLossCalc::FlatWallInputs& base, const std::vector<StockCost>& stock,
                                const EconomicInputs& econ);
EconomicTable PipeFlowEconomics(const HeatLossCalc::PipeFlowInputs& base, const std::vector<StockCost>& stock,
                                const EconomicInputs& econ);

}  // namespace DesignCalc
