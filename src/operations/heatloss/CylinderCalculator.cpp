// 円筒の放熱 on the cylinder panel (code "4"): an insulated tube whose inner
// surface is held at a given temperature.
#include "calc/design/DesignRuns.h"
#include "calc/design/ThicknessSolve.h"
#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "foundation/NumberText.h"
#include "operations/heatloss/CylinderPanel.h"
#include "operations/heatloss/HeatFlowDisplay.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/heatloss/HeatLossDesign.h"
#include "operations/heatloss/LayerChart.h"
#include "operations/heatloss/HeatLossFields.h"
#include "operations/heatloss/HeatLossInputs.h"
#include "operations/heatloss/SurfaceCondensation.h"
#include "operations/heatloss/SurfaceOptions.h"
#include "operations/hints/FieldRules.h"
#include "widgets/Form.h"

using namespace HeatLossCalc;

namespace {

// A layer whose thickness reads "0" counts as 0.01 mm.
constexpr long double kNoLayer = 1E-5L;  // m

}  // namespace

std::optional<CylinderInputs> CylinderInputsOf(Fields& f) {
  CylinderInputs in;
  in.Ta = f.Number("Edit3");
  in.Ti = f.Number("Edit4");
  in.D1 = f.Number("Edit10") / 1000;
  in.t1 = f.Text("Edit34") == QStringLiteral("0") ? kNoLayer : f.Number("Edit34") / 1000;
  in.t2 = f.Text("Edit12") == QStringLiteral("0") ? kNoLayer : f.Number("Edit12") / 1000;
  if (!FieldRules::Positive(f, "Edit10") || !FieldRules::Thickness(f, "Edit34") ||
      !FieldRules::Thickness(f, "Edit12"))
    return std::nullopt;
  if (!(f.Number("Edit10") > 2 * f.Number("Edit34"))) {
    f.Message(QStringLiteral("内層外径と内層厚さを確認してください。"));
    return std::nullopt;
  }
  in.e = f.Number("Edit16");
  in.h = f.Number("Edit17");
  in.sigma = HeatLossFields::StefanBoltzmann(f, HeatLossFields::Mantissa::FirstSix);
  in.k1 = f.Number("Edit6");
  in.k2 = f.Number("Edit7");
  in.L = f.Number("Edit13");
  if (!FieldRules::Positive(f, "Edit6") || !FieldRules::Positive(f, "Edit7") ||
      !FieldRules::Positive(f, "Edit13"))
    return std::nullopt;
  if (!SurfaceOptions::ReadInto(f, HeatLossPanel::Cylinder, in, in.Ta, in.Ti)) return std::nullopt;
  return in;
}

namespace {

void Run(Fields& f) {
  const SurfaceCondensation::Humidity humidity = ReadHumidity(f, SurfaceCondensation::kCylinder);
  if (humidity.refused) return;
  const std::optional<CylinderInputs> in = CylinderInputsOf(f);
  if (!in) return;
  const CylinderResult r = CylinderHeatLoss(*in);
  if (!SurfaceOptions::BalanceFound(f, r.total, in->Ti, in->Ta,
                                    SurfaceOptions::WithTypedCoefficient(*in, &CylinderHeatLoss)))
    return;
  HeatFlowDisplay::WriteSurfaceFlows(f, r.convective, r.radiative, r.total, NumberText);
  f.SetText("Edit2", RoundHundredths(r.surface));
  f.SetText("Edit21", RoundHundredths(r.interface));
  f.SetText("Edit1", f.Text("Edit21"));
  WriteResult(f, SurfaceCondensation::kCylinder, humidity.rh, r.surface, in->Ta);
  if (in->outer.on) SurfaceOptions::ShowOuter(f, OuterSurfaceOf(*in), r.surface);
}

// clang-format off
const FieldBinding kFields[] = {
  {"Edit3",  {6, 31}},         // ambient temperature
  {"Edit4",  {4, 32}},         // inner temperature
  {"Edit6",  {4, 33}},         // conductivity, tube
  {"Edit7",  {5, 33}},         // conductivity, insulation
  {"Edit8",  {5, 34}},         // heat W
  {"Edit9",  {3, 35}, false},  // wire diameter (the heater's field)
  {"Edit10", {4, 35}},         // outer diameter, tube
  {"Edit11", {5, 35}},         // outer diameter, insulation
  {"Edit34", {4, 36}},         // thickness, tube
  {"Edit12", {5, 36}},         // thickness, insulation
  {"Edit13", {5, 37}},         // length
  {"Edit21", {5, 2}},          // result 層内側温度
  {"Edit64", {5, 31}},         // specific heat
  {"Edit65", {6, 32}},         // density
  {"Edit66", {6, 33}},         // pipe inner diameter
  {"Edit67", {6, 34}},         // flow
  {"Edit68", {6, 35}},         // ambient temperature (pipe)
  {"CylinderHumidity", {3, 31}},  // relative humidity of the air, %; empty: not checked
};

const SelectionStep kSelection[] = {
  {SelectionStep::Show, "Panel5"}, {SelectionStep::Show, "Panel6"},
  {SelectionStep::Hide, "Panel8"}, {SelectionStep::Hide, "Panel9"}, {SelectionStep::Hide, "Panel20"},
  {SelectionStep::Caption, "Label9", "内側温度"}, {SelectionStep::Caption, "Label10", "構造材"},
  {SelectionStep::Caption, "Label11", "保温材"}, {SelectionStep::Caption, "Label36", "円筒の放熱"},
  {SelectionStep::Disable, "Edit8"},
  {SelectionStep::Hide, "Edit14"}, {SelectionStep::Hide, "Label8"}, {SelectionStep::Hide, "Label63"},
  {SelectionStep::Hide, "Label65"}, {SelectionStep::Hide, "Label97"}, {SelectionStep::Hide, "Edit69"},
  {SelectionStep::Hide, "Edit70"}, {SelectionStep::Hide, "Edit83"}, {SelectionStep::Hide, "Edit9"},
  {SelectionStep::Hide, "Button69"},
  {SelectionStep::Show, "Edit3"}, {SelectionStep::Show, "Edit10"}, {SelectionStep::Show, "Edit11"},
  {SelectionStep::InputColour, "Edit4"}, {SelectionStep::InputColour, "Edit34"},
  {SelectionStep::Enable, "Edit34"},
  {SelectionStep::Show, "CylinderHumidityCaption"}, {SelectionStep::Show, "CylinderHumidity"},
  {SelectionStep::Show, "CylinderCondensation"},
  {SelectionStep::Hide, "PipeHumidityCaption"}, {SelectionStep::Hide, "PipeHumidity"},
  {SelectionStep::Hide, "PipeCondensation"},
};
const SelectionStep kAfterBack[] = {{SelectionStep::Show, "Button67"}};

// The options' cells, column 1 rows 31-37.
const OptionCell kOptionCells[] = {
  {SurfaceOptions::kAuto, 31}, {SurfaceOptions::kOrientation, 32}, {SurfaceOptions::kWind, 33},
  {SurfaceOptions::kB1, 34}, {SurfaceOptions::kC1, 35}, {SurfaceOptions::kB2, 36}, {SurfaceOptions::kC2, 37},
};
// clang-format on

// グラフ: the temperature through the tube and the insulation to the air.
ChartPlot Chart(Fields& f, const std::atomic<bool>*) {
  const QString title = QStringLiteral("円筒の放熱　層内の温度");
  if (!CylinderPanel::Ready(f)) return CurveParts::NoResult(title);
  const std::optional<CylinderInputs> in = CylinderInputsOf(f);
  if (!in) return CurveParts::NoResult(title);
  return LayerChart::ProfilePlot(title, LayerChart::kFromInside,
                                 curves::CylinderProfile(*in, CylinderHeatLoss(*in)), in->Ta);
}

void BindDesign(const CylinderInputs& in, DesignInputs& d) {
  HeatLossDesign::BindThickness(in, d, &DesignCalc::SolveCylinderThickness, &DesignCalc::CylinderQuantity,
                                &DesignCalc::CylinderEconomics);
}

DesignHook::Read ReadDesign(Fields& f) {
  return HeatLossDesign::Read(f, CylinderPanel::Ready(f), &SurfaceCondensation::kCylinder, "Edit3",
                              &CylinderInputsOf, &BindDesign);
}

const DesignHook kDesign = {
    .solves = DesignHook::Solves::Thickness, .field = "Edit12", .perMetre = true, .fluidEnd = false,
    .read = ReadDesign};

QStringList Method(const RunModes&) {
  return MethodLines(QStringLiteral(
      "管と保温材の二層の円筒で、内面の温度から両層を伝わる熱と外表面から逃げる熱とが釣り合う"
      "外表面温度を求め、放熱量と層の間の温度を出す。"));
}

}  // namespace

extern const HeatLossCalculator kCylinderCalculator = {
    .code = Calculator::Cylinder,
    .name = "円筒の放熱",
    .panel = HeatLossPanel::Cylinder,
    .selectButton = "Button7",
    .selectCaption = "円筒の放熱",
    .kind = "enntou",
    .selection = kSelection,
    .prepare = nullptr,
    .afterBack = kAfterBack,
    .runAfterSelection = false,
    .fields = kFields,
    .run = Run,
    .actions = {},
    .controls = {},
    .hooks = {.curve = Chart,
              .design = &kDesign,
              .optionCells = kOptionCells,
              .method = Method,
              .exportTo = CylinderPanel::ExportCylinderBlock},
};
