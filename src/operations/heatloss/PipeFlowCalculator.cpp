// Pipe flow on the cylinder panel with Panel20 (code "41"), reached from the
// cylinder with 切り替え: the temperature of a fluid cooled or heated along
// an insulated pipe.
#include "calc/design/DesignRuns.h"
#include "calc/design/ThicknessSolve.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "calc/heatloss/PipeFlow.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "foundation/NumberText.h"
#include "operations/common/CurveParts.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/WindowControls.h"
#include "operations/heatloss/CylinderPanel.h"
#include "operations/heatloss/HeatFlowDisplay.h"
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
  for (const char* name : {PipeFlow::SpecificHeat, PipeFlow::Density, PipeFlow::InnerDiameter, PipeFlow::Flow,
                           PipeFlow::Ambient})
    if (f.IsEmpty(name)) return std::nullopt;
  PipeFlowInputs in;
  in.c = f.Number(PipeFlow::SpecificHeat);
  in.rho = f.Number(PipeFlow::Density);
  in.Di = f.Number(PipeFlow::InnerDiameter);
  in.V = f.Number(PipeFlow::Flow);
  in.Tin = f.Number(Cylinder::FluidInlet) + kKelvin;
  in.Ta = f.Number(PipeFlow::Ambient) + kKelvin;
  in.Lp = f.Number(Cylinder::Length);
  in.k1 = f.Number(Cylinder::Layer1Conductivity);
  in.k2 = f.Number(Cylinder::Layer2Conductivity);
  if (!FieldRules::Positive(f, PipeFlow::InnerDiameter) || !FieldRules::Positive(f, Cylinder::Length) ||
      !FieldRules::NotNegative(f, Cylinder::Layer1Conductivity) ||
      !FieldRules::NotNegative(f, Cylinder::Layer2Conductivity))
    return std::nullopt;
  if (in.k1 == 0) in.k1 = kNoConductivity;
  if (in.k2 == 0) in.k2 = kNoConductivity;
  in.t1 = f.Text(Cylinder::Layer1Thickness) == QStringLiteral("0")
              ? kNoLayer
              : f.Number(Cylinder::Layer1Thickness) / 1000;
  in.t2 = f.Text(Cylinder::Layer2Thickness) == QStringLiteral("0")
              ? kNoLayer
              : f.Number(Cylinder::Layer2Thickness) / 1000;
  if (!FieldRules::Thickness(f, Cylinder::Layer1Thickness) ||
      !FieldRules::Thickness(f, Cylinder::Layer2Thickness))
    return std::nullopt;
  in.hi = Capped(f, Surface::InnerCoefficient);
  in.h = Capped(f, Surface::Coefficient);
  if (!(in.Di > f.Number(Cylinder::Layer1Thickness) * 2 / 1000)) {
    f.Message(QStringLiteral("管内径と内層厚さを確認してください。"));
    return std::nullopt;
  }
  // The fluid's own coefficient in place of the typed one (管内自動).
  if (SurfaceOptions::InnerAuto(f)) {
    const std::optional<long double> hi = SurfaceOptions::InnerCoefficientOf(f, in);
    if (!hi) return std::nullopt;
    in.hi = *hi;
  }
  in.e = f.Number(Surface::Emissivity);
  in.ei = f.Number(Surface::InnerEmissivity);
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
  f.SetText(Cylinder::FluxOrFluidEnd, RoundHundredths(r.fluid));
  f.SetText(Cylinder::Layer1Inner, RoundHundredths(r.wallFluidSide));
  f.SetText(Cylinder::Layer1Outer, RoundHundredths(r.boundary));
  f.SetText(Cylinder::Layer2Inner, RoundHundredths(r.boundary));
  f.SetText(Cylinder::Surface, RoundHundredths(r.wallAmbientSide));
  HeatFlowDisplay::WriteSurfaceFlows(f, r.convective, r.radiative, r.total, RoundHundredths);
  // The direction: cooled when the ambient is at most the inlet temperature.
  const bool cooled = !(f.Number(PipeFlow::Ambient) > f.Number(Cylinder::FluidInlet));
  f.SetText(Cylinder::PipeFlowRun, cooled ? kCooled : kHeated);
  if (humidity.rh)
    WriteResult(f, SurfaceCondensation::kPipeFlow, humidity.rh, ColdestSurface(*in, r),
                f.Number(PipeFlow::Ambient));
  else
    WriteResult(f, SurfaceCondensation::kPipeFlow, humidity.rh, 0, 0);
  if (in->outer.on) SurfaceOptions::ShowOuter(f, OuterSurfaceOf(*in), r.wallAmbientSide);
}

// Button69, whose caption tells the direction of the last run: pressed, it
// shows 放 熱 again and runs.
bool RunButton(Form& f) {
  if (f.Text(Cylinder::PipeFlowRun) != kCooled) {
    f.SetText(PipeFlow::AmbientCaption, QStringLiteral("外気温度℃"));
    f.SetText(Cylinder::PipeFlowRun, kCooled);
    f.State().SetOnScreen(Calculator::PipeFlow);
  }
  return true;
}

// Without a flow the end temperature of an earlier run would mislead.
void Prepare(Form& f) {
  if (f.IsEmpty(PipeFlow::Flow)) f.SetText(Cylinder::FluxOrFluidEnd, QString());
}

// clang-format off
const FieldBinding kFields[] = {
  {Cylinder::Ambient, Cell("PipeFlowAmbientField")},
  {Cylinder::Layer1Inner, Cell("PipeFlowWall")},
  {Cylinder::FluidInlet, Cell("PipeFlowInlet")},
  {Cylinder::Layer1Conductivity, Cell("PipeFlowWallConductivity")},
  {Cylinder::Layer2Conductivity, Cell("PipeFlowInsulationConductivity")},
  {Cylinder::Power, Cell("PipeFlowPower")},
  {Cylinder::WireDiameter, Cell("PipeFlowWireDiameter"), false},
  {Cylinder::Layer1Diameter, Cell("PipeFlowPipeDiameter")},
  {Cylinder::Layer2Diameter, Cell("PipeFlowInsulationDiameter")},
  {Cylinder::Layer1Thickness, Cell("PipeFlowWallThickness")},
  {Cylinder::Layer2Thickness, Cell("PipeFlowInsulationThickness")},
  {Cylinder::Length, Cell("PipeFlowLength")},
  {Cylinder::Layer2Inner, Cell("CylinderPanelInner"), false},
  {PipeFlow::SpecificHeat, Cell("PipeFlowHeat")},
  {PipeFlow::Density, Cell("PipeFlowDensity")},
  {PipeFlow::InnerDiameter, Cell("PipeFlowInnerDiameter")},
  {PipeFlow::Flow, Cell("PipeFlowFlow")},
  {PipeFlow::Ambient, Cell("PipeFlowAmbient")},
  {"PipeHumidity", Cell("PipeFlowHumidity")},
};

const SelectionStep kSelection[] = {
  {SelectionStep::Caption, PipeFlow::AmbientCaption, "外気温度℃"}, {SelectionStep::Caption, Cylinder::PipeFlowRun, "放 熱"},
  {SelectionStep::Hide, Cylinder::Layer1Diameter}, {SelectionStep::Hide, Cylinder::Layer2Diameter}, {SelectionStep::Hide, Cylinder::Ambient},
  {SelectionStep::Show, Cylinder::FluidEndCaption}, {SelectionStep::Show, Cylinder::FluxOrFluidEnd}, {SelectionStep::Show, Cylinder::FluidInlet},
  {SelectionStep::Show, Surface::InnerCoefficient}, {SelectionStep::Show, Surface::InnerEmissivity}, {SelectionStep::Show, Surface::InnerCoefficientCaption},
  {SelectionStep::Show, Surface::InnerEmissivityCaption}, {SelectionStep::Show, Cylinder::PipeFlowRun},
  {SelectionStep::Show, PipeFlow::Panel},
  {SelectionStep::Hide, "CylinderHumidityCaption"}, {SelectionStep::Hide, "CylinderHumidity"},
  {SelectionStep::Hide, "CylinderCondensation"},
  {SelectionStep::Show, "PipeHumidityCaption"}, {SelectionStep::Show, "PipeHumidity"},
  {SelectionStep::Show, "PipeCondensation"},
};
// clang-format on

const PanelAction kActions[] = {{Cylinder::PipeFlowRun, RunButton}};

// clang-format off
// The options' cells, column 1 rows 70-79.
const OptionCell kOptionCells[] = {
  {SurfaceOptions::kAuto, Cell("PipeFlowOptionAuto")}, {SurfaceOptions::kOrientation, Cell("PipeFlowOptionOrientation")}, {SurfaceOptions::kWind, Cell("PipeFlowOptionWind")},
  {SurfaceOptions::kB1, Cell("PipeFlowOptionB1")}, {SurfaceOptions::kC1, Cell("PipeFlowOptionC1")}, {SurfaceOptions::kB2, Cell("PipeFlowOptionB2")}, {SurfaceOptions::kC2, Cell("PipeFlowOptionC2")},
  {SurfaceOptions::kInnerAuto, Cell("PipeFlowOptionInnerAuto")}, {SurfaceOptions::kViscosity, Cell("PipeFlowOptionViscosity")}, {SurfaceOptions::kFluidConductivity, Cell("PipeFlowOptionFluidConductivity")},
};
// clang-format on

// グラフ: the fluid and the outer surface along the pipe.
ChartPlot Chart(Fields& f, const std::atomic<bool>*) {
  using namespace CurveParts;
  const QString title = QStringLiteral("管内流体の温度　管の長さ方向");
  if (!CylinderPanel::Ready(f, kPipeFlowCalculator)) return NoResult(title);
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
  return HeatLossDesign::Read(f, CylinderPanel::Ready(f, kPipeFlowCalculator), &SurfaceCondensation::kPipeFlow, PipeFlow::Ambient,
                              &PipeFlowInputsOf, &BindDesign);
}

// The fluid's direction for the captions, before any solve: hot when both
// temperatures are numbers and the inlet lies above the air.
bool HotLine(Fields& f) {
  long double in = 0, air = 0;
  return TryToNumber(f.Text(Cylinder::FluidInlet), in) && TryToNumber(f.Text(PipeFlow::Ambient), air) &&
         in > air;
}

const DesignHook kDesign = {.solves = DesignHook::Solves::Thickness,
                            .field = Cylinder::Layer2Thickness,
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
