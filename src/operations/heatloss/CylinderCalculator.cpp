// 円筒の放熱 on the cylinder panel (code "4"): an insulated tube whose inner
// surface is held at a given temperature.
#include "calc/design/DesignRuns.h"
#include "calc/design/ThicknessSolve.h"
#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "foundation/NumberText.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/WindowControls.h"
#include "operations/heatloss/CylinderPanel.h"
#include "operations/heatloss/HeatFlowDisplay.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/heatloss/HeatLossDesign.h"
#include "operations/heatloss/HeatLossFields.h"
#include "operations/heatloss/HeatLossInputs.h"
#include "operations/heatloss/LayerChart.h"
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
  in.Ta = f.Number(Cylinder::Ambient);
  in.Ti = f.Number(Cylinder::Layer1Inner);
  in.D1 = f.Number(Cylinder::Layer1Diameter) / 1000;
  in.t1 = f.Text(Cylinder::Layer1Thickness) == QStringLiteral("0")
              ? kNoLayer
              : f.Number(Cylinder::Layer1Thickness) / 1000;
  in.t2 = f.Text(Cylinder::Layer2Thickness) == QStringLiteral("0")
              ? kNoLayer
              : f.Number(Cylinder::Layer2Thickness) / 1000;
  if (!FieldRules::Positive(f, Cylinder::Layer1Diameter) ||
      !FieldRules::Thickness(f, Cylinder::Layer1Thickness) ||
      !FieldRules::Thickness(f, Cylinder::Layer2Thickness))
    return std::nullopt;
  if (!(f.Number(Cylinder::Layer1Diameter) > 2 * f.Number(Cylinder::Layer1Thickness))) {
    f.Message(QStringLiteral("内層外径と内層厚さを確認してください。"));
    return std::nullopt;
  }
  in.e = f.Number(Surface::Emissivity);
  in.h = f.Number(Surface::Coefficient);
  in.sigma = HeatLossFields::StefanBoltzmann(f, HeatLossFields::Mantissa::FirstSix);
  in.k1 = f.Number(Cylinder::Layer1Conductivity);
  in.k2 = f.Number(Cylinder::Layer2Conductivity);
  in.L = f.Number(Cylinder::Length);
  if (!FieldRules::Positive(f, Cylinder::Layer1Conductivity) ||
      !FieldRules::Positive(f, Cylinder::Layer2Conductivity) || !FieldRules::Positive(f, Cylinder::Length))
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
  f.SetText(Cylinder::Surface, RoundHundredths(r.surface));
  f.SetText(Cylinder::Layer2Inner, RoundHundredths(r.interface));
  f.SetText(Cylinder::Layer1Outer, f.Text(Cylinder::Layer2Inner));
  WriteResult(f, SurfaceCondensation::kCylinder, humidity.rh, r.surface, in->Ta);
  if (in->outer.on) SurfaceOptions::ShowOuter(f, OuterSurfaceOf(*in), r.surface);
}

// clang-format off
const FieldBinding kFields[] = {
  {Cylinder::Ambient, Cell("CylinderAmbient")},
  {Cylinder::Layer1Inner, Cell("CylinderInner")},
  {Cylinder::Layer1Conductivity, Cell("CylinderTubeConductivity")},
  {Cylinder::Layer2Conductivity, Cell("CylinderInsulationConductivity")},
  {Cylinder::Power, Cell("CylinderPower")},
  {Cylinder::WireDiameter, Cell("CylinderWireDiameter"), false},
  {Cylinder::Layer1Diameter, Cell("CylinderTubeDiameter")},
  {Cylinder::Layer2Diameter, Cell("CylinderInsulationDiameter")},
  {Cylinder::Layer1Thickness, Cell("CylinderTubeThickness")},
  {Cylinder::Layer2Thickness, Cell("CylinderInsulationThickness")},
  {Cylinder::Length, Cell("CylinderLength")},
  {Cylinder::Layer2Inner, Cell("CylinderPanelInner")},
  {PipeFlow::SpecificHeat, Cell("CylinderFluidHeat")},
  {PipeFlow::Density, Cell("CylinderFluidDensity")},
  {PipeFlow::InnerDiameter, Cell("CylinderFluidPipeDiameter")},
  {PipeFlow::Flow, Cell("CylinderFluidFlow")},
  {PipeFlow::Ambient, Cell("CylinderFluidAmbient")},
  {"CylinderHumidity", Cell("CylinderHumidity")},
};

const SelectionStep kSelection[] = {
  {SelectionStep::Show, Cylinder::Panel}, {SelectionStep::Show, Cylinder::Buttons},
  {SelectionStep::Hide, Flat::Buttons}, {SelectionStep::Hide, Flat::Panel}, {SelectionStep::Hide, PipeFlow::Panel},
  {SelectionStep::Caption, Cylinder::Column1Caption, "内側温度"}, {SelectionStep::Caption, Cylinder::Layer1Caption, "構造材"},
  {SelectionStep::Caption, Cylinder::Layer2Caption, "保温材"}, {SelectionStep::Caption, Cylinder::Title, "円筒の放熱"},
  {SelectionStep::Disable, Cylinder::Power},
  {SelectionStep::Hide, Cylinder::FluxOrFluidEnd}, {SelectionStep::Hide, Cylinder::FluxCaption}, {SelectionStep::Hide, Cylinder::FluidEndCaption},
  {SelectionStep::Hide, Surface::InnerCoefficientCaption}, {SelectionStep::Hide, Surface::InnerEmissivityCaption}, {SelectionStep::Hide, Surface::InnerCoefficient},
  {SelectionStep::Hide, Cylinder::FluidInlet}, {SelectionStep::Hide, Surface::InnerEmissivity}, {SelectionStep::Hide, Cylinder::WireDiameter},
  {SelectionStep::Hide, Cylinder::PipeFlowRun},
  {SelectionStep::Show, Cylinder::Ambient}, {SelectionStep::Show, Cylinder::Layer1Diameter}, {SelectionStep::Show, Cylinder::Layer2Diameter},
  {SelectionStep::InputColour, Cylinder::Layer1Inner}, {SelectionStep::InputColour, Cylinder::Layer1Thickness},
  {SelectionStep::Enable, Cylinder::Layer1Thickness},
  {SelectionStep::Show, "CylinderHumidityCaption"}, {SelectionStep::Show, "CylinderHumidity"},
  {SelectionStep::Show, "CylinderCondensation"},
  {SelectionStep::Hide, "PipeHumidityCaption"}, {SelectionStep::Hide, "PipeHumidity"},
  {SelectionStep::Hide, "PipeCondensation"},
};
const SelectionStep kAfterBack[] = {{SelectionStep::Show, Cylinder::TogglePipeFlow}};

// The options' cells, column 1 rows 31-37.
const OptionCell kOptionCells[] = {
  {SurfaceOptions::kAuto, Cell("CylinderOptionAuto")}, {SurfaceOptions::kOrientation, Cell("CylinderOptionOrientation")}, {SurfaceOptions::kWind, Cell("CylinderOptionWind")},
  {SurfaceOptions::kB1, Cell("CylinderOptionB1")}, {SurfaceOptions::kC1, Cell("CylinderOptionC1")}, {SurfaceOptions::kB2, Cell("CylinderOptionB2")}, {SurfaceOptions::kC2, Cell("CylinderOptionC2")},
};
// clang-format on

// グラフ: the temperature through the tube and the insulation to the air.
ChartPlot Chart(Fields& f, const std::atomic<bool>*) {
  const QString title = QStringLiteral("円筒の放熱　層内の温度");
  if (!CylinderPanel::Ready(f, kCylinderCalculator)) return CurveParts::NoResult(title);
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
  return HeatLossDesign::Read(f, CylinderPanel::Ready(f, kCylinderCalculator), &SurfaceCondensation::kCylinder, Cylinder::Ambient,
                              &CylinderInputsOf, &BindDesign);
}

const DesignHook kDesign = {.solves = DesignHook::Solves::Thickness,
                            .field = Cylinder::Layer2Thickness,
                            .perMetre = true,
                            .fluidEnd = false,
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
    .selectButton = Selection::Cylinder,
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
