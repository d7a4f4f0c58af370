// What every page of the analysis view, the report and the comparison table
// ask of a calculator, heat-loss and heating alike: the hooks each calculator
// row carries (HeatLossCalculator, heating::HeatingCalculatorRow). A page
// calls the hook of the calculator on screen; where a row has none, the page
// says plainly that this calculator does not offer it, and never works on
// another calculator instead.
#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "calc/design/DesignTarget.h"
#include "calc/design/Economics.h"
#include "calc/design/HeaterPowerLimit.h"
#include "store/StoreCells.h"
#include "widgets/AppState.h"
#include "widgets/ChartView.h"

class ComparisonTable;
class Fields;
class Form;

// A control of the heat-loss options (自動, k(T)) and the store cell that
// keeps it (SurfaceOptions.h).
struct OptionCell {
  const char* control;
  StoreCell cell;
};

// The calculator's inputs as the design pages (保温厚さ, 経済的厚さ) work on
// them: the calculations at another thickness, bound to the inputs the Run
// read, and the air around. A plain value: it goes to a worker thread as it is.
struct DesignInputs {
  // The thinnest insulation for a target, and a forward run's quantity at a thickness (mm).
  std::function<DesignCalc::ThicknessAnswer(const DesignCalc::Target&, const std::vector<long double>&)> solve;
  std::function<long double(long double mm, DesignCalc::TargetKind)> quantity;
  std::function<DesignCalc::EconomicTable(const std::vector<DesignCalc::StockCost>&,
                                          const DesignCalc::EconomicInputs&)>
      economics;
  // A heater's largest power for a sheath limit (degC), in place of the thickness.
  std::function<DesignCalc::HeaterPowerAnswer(long double limit)> maxPower;
  long double air = 0;            // degC
  std::optional<long double> rh;  // % from the panel's humidity field; empty: not given
  bool hotLine = true;            // the fluid enters above the air (管端の流体温度: at least the value)
  // The flat plate shows its cooling over time: the pages solve the steady
  // loss only and ask for 定温放熱 first.
  bool cooling = false;
};

// What the design pages read of a calculator.
struct DesignHook {
  enum class Solves { Thickness, HeaterPower };
  Solves solves = Solves::Thickness;
  const char* field = nullptr;  // where 採用 puts the stock thickness (or the heater's power)
  bool perMetre = false;        // heat flows and costs per metre of line, else per m2
  // Offers 管端の流体温度 (pipe flow); hotLine tells from the fields, before
  // any solve, whether the fluid enters above the air (nullptr: it does).
  bool fluidEnd = false;
  bool (*hotLine)(Fields& f) = nullptr;
  // The surface targets look at the inlet, where a hot line's surface is
  // hottest and a cold line's coldest (pipe flow).
  bool surfaceAtInlet = false;
  // A solve takes long enough to run off the window's thread (pipe flow).
  bool slow = false;
  // Reads the inputs as the Run does, on f (a copy of the window's fields):
  // empty when the Run would end without a result (what it says is in f);
  // incomplete when the panel's own guards stop it (inputs not all filled).
  struct Read {
    std::optional<DesignInputs> inputs;
    bool incomplete = false;
  };
  Read (*read)(Fields& f) = nullptr;
};

struct CalculatorHooks {
  // グラフ: the chart of the calculator's course or layer profile, from its
  // very Run on f, a copy of the window's fields. A long one watches stop.
  ChartPlot (*curve)(Fields& f, const std::atomic<bool>* stop) = nullptr;
  bool curveTakesLong = false;  // drawn off the window's thread
  // 保温厚さ and 経済的厚さ.
  const DesignHook* design = nullptr;
  // 表面条件: the store cells of the options 自動 and k(T); none: no options.
  std::span<const OptionCell> optionCells = {};
  // 報告書: how the calculator finds its results, a sentence or two, then
  // the surface model it uses (MethodLines).
  QStringList (*method)(const RunModes& modes) = nullptr;
  // 結果一括保存: the calculator's block of the comparison table.
  void (*exportTo)(Form& f, ComparisonTable& table) = nullptr;
};

// The report's method: the calculator's own sentence, then how heat leaves
// its outer surface (or, wall heating, how the wall gives heat to the gas).
inline const char* const kSurfaceModel =
    "表面から逃げる熱 = 対流 h×A×(Ts-Ta) + 放射 ε×σ×A×(Ts^4-Ta^4)"
    "（A:面積、Ts:表面温度、Ta:外気温度、放射の温度は絶対温度 K）。";
inline const char* const kWallModel =
    "壁から気体へ伝わる熱 = 対流 h×A×(Tw-Tg) + 放射 ε×σ×A×(Tw^4-Tg^4)"
    "（A:面積、Tw:壁の温度、Tg:気体の温度、放射の温度は絶対温度 K）。";
inline QStringList MethodLines(const QString& method, const char* model = kSurfaceModel) {
  return {method, QString::fromUtf8(model)};
}

// The sentence a page shows for a calculator without its hook.
inline QString NotOffered(const QString& calculator, const QString& page) {
  return QStringLiteral("%1 では%2は使えません（この計算にはありません）。").arg(calculator, page);
}
