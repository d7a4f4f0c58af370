// Pipe flow on the cylinder panel with Panel20 (code "41"), reached from the
// cylinder with 切り替え: the temperature of a fluid cooled or heated along
// an insulated pipe.
#include "calc/design/DesignRuns.h"
#include "calc/design/ThicknessSolve.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "calc/heatloss/PipeFlow.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "foundation/NumberText.h"
#include "operations/heatloss/CylinderPanel.h"
#include "operations/heatloss/HeatFlowDisplay.h"
#include "operations/common/CurveParts.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/heatloss/HeatLossDesign.h"
#include "operations/heatloss/HeatLossFields.h"
#include "operations/heatloss/HeatLossInputs.h"
#include "operations/heatloss/SurfaceCondensation.h"
#include "operations/heatloss/SurfaceOptions.h"
#include "operations/hints/FieldRules.h"
#include "widgets/Form.h"

using namespace HeatLossCalc;

namespace {

constexpr long double kNoConductivity = 1E-6L;  // W/mK, for a conductivity of 0
constexpr long double kNoLayer = 1E-7L;         // m, for a thickness that reads "0"
constexpr long double kMaxCoefficient = 10000;  // W/m2K
const QString kCooled = QStringLiteral("放 熱");
const QString kHeated = QStringLiteral("加 熱");

// A coefficient above 10000 is taken as 10000, and the field shows it.
long double Capped(Fields& f, const char* field) {
  long double h = f.Number(field);
  if (h > kMaxCoefficient) {
    h = kMaxCoefficient;
    f.SetText(field, QStringLiteral("10000"));
  }
  return h;
}

}  // namespace

std::optional<PipeFlowInputs> PipeFlowInputsOf(Fields& f) {
  for (const char* name : {"Edit64", "Edit65", "Edit66", "Edit67", "Edit68"})
    if (f.IsEmpty(name)) return std::nullopt;
  PipeFlowInputs in;
  in.c = f.Number("Edit64");
  in.rho = f.Number("Edit65");
  in.Di = f.Number("Edit66");
  in.V = f.Number("Edit67");
  in.Tin = f.Number("Edit70") + kKelvin;
  in.Ta = f.Number("Edit68") + kKelvin;
  in.Lp = f.Number("Edit13");
  in.k1 = f.Number("Edit6");
  in.k2 = f.Number("Edit7");
  if (!FieldRules::Positive(f, "Edit66") || !FieldRules::Positive(f, "Edit13") ||
      !FieldRules::NotNegative(f, "Edit6") || !FieldRules::NotNegative(f, "Edit7"))
    return std::nullopt;
  if (in.k1 == 0) in.k1 = kNoConductivity;
  if (in.k2 == 0) in.k2 = kNoConductivity;
  in.t1 = f.Text("Edit34") == QStringLiteral("0") ? kNoLayer : f.Number("Edit34") / 1000;
  in.t2 = f.Text("Edit12") == QStringLiteral("0") ? kNoLayer : f.Number("Edit12") / 1000;
  if (!FieldRules::Thickness(f, "Edit34") || !FieldRules::Thickness(f, "Edit12")) return std::nullopt;
  in.hi = Capped(f, "Edit69");
  in.h = Capped(f, "Edit17");
  if (!(in.Di > f.Number("Edit34") * 2 / 1000)) {
    f.Message(QStringLiteral("管内径と内層厚さを確認してください。"));
    return std::nullopt;
  }
  // The fluid's own coefficient in place of the typed one (管内自動).
  if (SurfaceOptions::InnerAuto(f)) {
    const std::optional<long double> hi = SurfaceOptions::InnerCoefficientOf(f, in);
    if (!hi) return std::nullopt;
    in.hi = *hi;
  }
  in.e = f.Number("Edit16");
  in.ei = f.Number("Edit83");
  in.sigma = HeatLossFields::StefanBoltzmann(f, HeatLossFields::Mantissa::FirstSix);
  if (!SurfaceOptions::ReadInto(f, HeatLossPanel::Cylinder, in, in.Ta - kKelvin, in.Tin - kKelvin))
    return std::nullopt;
  return in;
}

namespace {

// The coldest outer surface along the pipe, degC: the end's (r) or, where a
// cold fluid enters, the inlet's (a run of length 0 gives the inlet section).
long double ColdestSurface(const PipeFlowInputs& in, const PipeFlowResult& r) {
  PipeFlowInputs inlet = in;
  inlet.Lp = 0;
  const long double atInlet = PipeFlowTemperature(inlet).wallAmbientSide;
  return atInlet < r.wallAmbientSide ? atInlet : r.wallAmbientSide;
}

void Run(Fields& f) {
  const SurfaceCondensation::Humidity humidity = ReadHumidity(f, SurfaceCondensation::kPipeFlow);
  if (humidity.refused) return;
  const std::optional<PipeFlowInputs> in = PipeFlowInputsOf(f);
  if (!in) return;
  const PipeFlowResult r = PipeFlowTemperature(*in);
  const auto pipe = [](const PipeFlowInputs& typed) { return PipeFlowTemperature(typed); };
  if (!SurfaceOptions::BalanceFound(f, r.total, r.fluid, in->Ta - kKelvin,
                                    SurfaceOptions::WithTypedCoefficient(*in, pipe)))
    return;
  f.SetText("Edit14", RoundHundredths(r.fluid));
  f.SetText("Edit4", RoundHundredths(r.wallFluidSide));
  f.SetText("Edit1", RoundHundredths(r.boundary));
  f.SetText("Edit21", RoundHundredths(r.boundary));
  f.SetText("Edit2", RoundHundredths(r.wallAmbientSide));
  HeatFlowDisplay::WriteSurfaceFlows(f, r.convective, r.radiative, r.total, RoundHundredths);
  // The direction: cooled when the ambient is at most the inlet temperature.
  const bool cooled = !(f.Number("Edit68") > f.Number("Edit70"));
  f.SetText("Button69", cooled ? kCooled : kHeated);
  if (humidity.rh)
    WriteResult(f, SurfaceCondensation::kPipeFlow, humidity.rh, ColdestSurface(*in, r), f.Number("Edit68"));
  else
    WriteResult(f, SurfaceCondensation::kPipeFlow, humidity.rh, 0, 0);
  if (in->outer.on) SurfaceOptions::ShowOuter(f, OuterSurfaceOf(*in), r.wallAmbientSide);
}

// Button69, whose caption tells the direction of the last run: pressed, it
// shows 放 熱 again and runs.
bool RunButton(Form& f) {
  if (f.Text("Button69") != kCooled) {
    f.SetText("Label64", QStringLiteral("外気温度℃"));
    f.SetText("Button69", kCooled);
    f.State().SetOnScreen(Calculator::PipeFlow);
  }
  return true;
}

// Without a flow the end temperature of an earlier run would mislead.
void Prepare(Form& f) {
  if (f.IsEmpty("Edit67")) f.SetText("Edit14", QString());
}

// clang-format off
const FieldBinding kFields[] = {
  {"Edit3",  {6, 70}},         // ambient temperature (hidden in pipe flow)
  {"Edit4",  {4, 71}},         // wall temperature, fluid side
  {"Edit70", {3, 71}},         // fluid inlet temperature
  {"Edit6",  {4, 72}},         // conductivity, pipe wall
  {"Edit7",  {5, 72}},         // conductivity, insulation
  {"Edit8",  {5, 73}},         // heat W
  {"Edit9",  {3, 74}, false},  // wire diameter (the heater's field)
  {"Edit10", {4, 74}},         // outer diameter, pipe
  {"Edit11", {5, 74}},         // outer diameter, insulation
  {"Edit34", {4, 75}},         // thickness, pipe wall
  {"Edit12", {5, 75}},         // thickness, insulation
  {"Edit13", {5, 76}},         // length
  {"Edit21", {5, 2}, false},   // result 層内側温度
  {"Edit64", {5, 70}},         // specific heat
  {"Edit65", {6, 71}},         // density
  {"Edit66", {6, 72}},         // pipe inner diameter
  {"Edit67", {6, 73}},         // flow
  {"Edit68", {6, 74}},         // ambient temperature
  {"PipeHumidity", {3, 70}},   // relative humidity of the air, %; empty: not checked
};

const SelectionStep kSelection[] = {
  {SelectionStep::Caption, "Label64", "外気温度℃"}, {SelectionStep::Caption, "Button69", "放 熱"},
  {SelectionStep::Hide, "Edit10"}, {SelectionStep::Hide, "Edit11"}, {SelectionStep::Hide, "Edit3"},
  {SelectionStep::Show, "Label63"}, {SelectionStep::Show, "Edit14"}, {SelectionStep::Show, "Edit70"},
  {SelectionStep::Show, "Edit69"}, {SelectionStep::Show, "Edit83"}, {SelectionStep::Show, "Label65"},
  {SelectionStep::Show, "Label97"}, {SelectionStep::Show, "Button69"},
  {SelectionStep::Show, "Panel20"},
  {SelectionStep::Hide, "CylinderHumidityCaption"}, {SelectionStep::Hide, "CylinderHumidity"},
  {SelectionStep::Hide, "CylinderCondensation"},
  {SelectionStep::Show, "PipeHumidityCaption"}, {SelectionStep::Show, "PipeHumidity"},
  {SelectionStep::Show, "PipeCondensation"},
};
// clang-format on

const PanelAction kActions[] = {{"Button69", RunButton}};

// clang-format off
// The options' cells, column 1 rows 70-79.
const OptionCell kOptionCells[] = {
  {SurfaceOptions::kAuto, 70}, {SurfaceOptions::kOrientation, 71}, {SurfaceOptions::kWind, 72},
  {SurfaceOptions::kB1, 73}, {SurfaceOptions::kC1, 74}, {SurfaceOptions::kB2, 75}, {SurfaceOptions::kC2, 76},
  {SurfaceOptions::kInnerAuto, 77}, {SurfaceOptions::kViscosity, 78}, {SurfaceOptions::kFluidConductivity, 79},
};
// clang-format on

// グラフ: the fluid and the outer surface along the pipe.
ChartPlot Chart(Fields& f, const std::atomic<bool>*) {
  using namespace CurveParts;
  const QString title = QStringLiteral("管内流体の温度　管の長さ方向");
  if (!CylinderPanel::Ready(f)) return NoResult(title);
  const std::optional<PipeFlowInputs> in = PipeFlowInputsOf(f);
  if (!in) return NoResult(title);
  PipeFlowHistory history;
  PipeFlowTemperature(*in, &history);
  ChartPlot plot = NewPlot(title, QStringLiteral("入口からの長さ m"), kTemperature);
  plot.curves.push_back(NewCurve(QStringLiteral("流体温度"), history.fluid));
  plot.curves.push_back(NewCurve(QStringLiteral("外表面温度"), history.outerSurface));
  plot.curves.push_back(Level(QStringLiteral("外気温度"), in->Ta - kKelvin, 0, history.fluid.back().x));
  return plot;
}

void BindDesign(const PipeFlowInputs& in, DesignInputs& d) {
  HeatLossDesign::BindThickness(in, d, &DesignCalc::SolvePipeFlowThickness, &DesignCalc::PipeFlowQuantity,
                                &DesignCalc::PipeFlowEconomics);
  d.hotLine = in.Tin > in.Ta;
}

DesignHook::Read ReadDesign(Fields& f) {
  return HeatLossDesign::Read(f, CylinderPanel::Ready(f), &SurfaceCondensation::kPipeFlow, "Edit68",
                              &PipeFlowInputsOf, &BindDesign);
}

// The fluid's direction for the captions, before any solve: hot when both
// temperatures are numbers and the inlet lies above the air.
bool HotLine(Fields& f) {
  long double in = 0, air = 0;
  return TryToNumber(f.Text("Edit70"), in) && TryToNumber(f.Text("Edit68"), air) && in > air;
}

const DesignHook kDesign = {.solves = DesignHook::Solves::Thickness,
                            .field = "Edit12",
                            .perMetre = true,
                            .fluidEnd = true,
                            .hotLine = HotLine,
                            .surfaceAtInlet = true,
                            .slow = true,
                            .read = ReadDesign};

QStringList Method(const RunModes&) {
  return MethodLines(QStringLiteral(
      "保温した管を流れる流体を長さの方向に3000区間に分け、区間ごとに流体から外気へ伝わる熱が"
      "釣り合う壁の温度を求め、その熱量を流量と比熱で割って流体の温度を進める。"));
}

// clang-format off
const ControlSpec kControls[] = {
  // The fluid's inputs, over the air column of the cylinder panel.
  {Kind::Panel,  "Panel20", "Panel5", 352,   4,  93, 217, "",               kHidden, kPanel},
  {Kind::Label,  "Label98", "Panel20",  4,   4,  85,  16, "密度 g/cm3"},
  {Kind::Edit,   "Edit65",  "Panel20",  4,  20,  85,  20, "",               kInput},
  {Kind::Label,  "Label99", "Panel20",  4,  46,  85,  16, "比熱kcal/kg℃"},
  {Kind::Edit,   "Edit64",  "Panel20",  4,  62,  85,  20, "",               kInput},
  {Kind::Label,  "Label100","Panel20",  4,  88,  85,  16, "管内径 m"},
  {Kind::Edit,   "Edit66",  "Panel20",  4, 104,  85,  20, "",               kInput},
  {Kind::Label,  "Label101","Panel20",  4, 130,  85,  16, "流量 m3/h"},
  {Kind::Edit,   "Edit67",  "Panel20",  4, 146,  85,  20, "",               kInput},
  {Kind::Label,  "Label64", "Panel20",  4, 172,  85,  16, "外気温度℃"},
  {Kind::Edit,   "Edit68",  "Panel20",  4, 188,  85,  20, "",               kInput},
};
// clang-format on

}  // namespace

extern const HeatLossCalculator kPipeFlowCalculator = {
    .code = Calculator::PipeFlow,
    .name = "管内流体",
    .panel = HeatLossPanel::Cylinder,
    .selectButton = nullptr,
    .selectCaption = nullptr,
    .kind = nullptr,
    .selectionBase = &kCylinderCalculator,
    .selection = kSelection,
    .prepare = Prepare,
    .afterBack = {},
    .runAfterSelection = false,
    .fields = kFields,
    .run = Run,
    .actions = kActions,
    .controls = kControls,
    .hooks = {.curve = Chart,
              .design = &kDesign,
              .optionCells = kOptionCells,
              .method = Method,
              .exportTo = CylinderPanel::ExportCylinderBlock},
};
