// ヒーター温度 on the cylinder panel (code "5"): the temperatures of a
// sheathed heater, its wire in MgO inside a stainless sheath, from its power.
#include "calc/design/HeaterPowerLimit.h"
#include "calc/heatloss/Heater.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "foundation/NumberText.h"
#include "operations/common/ComparisonTable.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/WindowControls.h"
#include "operations/heatloss/CylinderPanel.h"
#include "operations/heatloss/HeatFlowDisplay.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/heatloss/HeatLossDesign.h"
#include "operations/heatloss/HeatLossFields.h"
#include "operations/heatloss/HeatLossInputs.h"
#include "operations/heatloss/LayerChart.h"
#include "operations/heatloss/SurfaceOptions.h"
#include "operations/hints/FieldRules.h"
#include "widgets/Form.h"

using namespace HeatLossCalc;

namespace {

// The results are written from the surface inwards, each as soon as it is
// known: a fault in an inner layer (a logarithm of 1 when two diameters are
// equal) leaves the outer results on screen.
}  // namespace

std::optional<HeaterInputs> HeaterInputsOf(Fields& f) {
  HeaterInputs in;
  in.L = f.Number(Cylinder::Length);
  in.Q = f.Number(Cylinder::Power);
  // A heater does not take heat from the air: a negative power would show a
  // surface colder than the air. No power shows the ambient.
  if (in.Q < 0) {
    f.Message(QStringLiteral("熱量は0以上の値にしてください。"));
    return std::nullopt;
  }
  in.Ta = f.Number(Cylinder::Ambient);
  in.e = f.Number(Surface::Emissivity);
  in.sigma = HeatLossFields::StefanBoltzmann(f, HeatLossFields::Mantissa::FirstSix);
  in.P = HeaterCircumference(f.Number(Cylinder::Layer2Diameter));
  in.h = f.Number(Surface::Coefficient);
  // The layers the Run reads after the surface: the wire, the MgO and the sheath.
  for (const char* size : {Cylinder::Length, Cylinder::WireDiameter, Cylinder::Layer1Diameter,
                           Cylinder::Layer1Conductivity, Cylinder::Layer2Conductivity})
    if (!FieldRules::Positive(f, size)) return std::nullopt;
  if (!FieldRules::Thickness(f, Cylinder::Layer2Thickness)) return std::nullopt;
  const std::optional<AutoCoefficient> outer = SurfaceOptions::OuterOf(f, HeatLossPanel::Cylinder);
  if (!outer || (outer->on && !SurfaceOptions::WithinRange(f, in.Ta, in.Ta))) return std::nullopt;
  in.outer = *outer;
  return in;
}

namespace {

// The inner face of a layer that conducts the power outwards to Touter:
// with k(T) when its b or c is given. Empty after a message when k falls
// to 0 on the way.
std::optional<long double> LayerInner(Fields& f, const HeaterInputs& in, const char* k,
                                      const ConductivityChange& change, const char* outerD,
                                      const char* innerD, const char* caption, long double Touter) {
  if (change.Constant())
    return LayerInnerTemperature(in.Q, f.Number(k), in.L, f.Number(outerD), f.Number(innerD), Touter);
  const std::optional<long double> T = LayerInnerTemperature(in.Q, WithChange(f.Number(k), change), in.L,
                                                             f.Number(outerD), f.Number(innerD), Touter);
  if (!T)
    f.Message(QStringLiteral("%1の熱伝導率 k(T) が0以下になる温度に達します。a, b, c を確かめてください。")
                  .arg(f.Text(caption)));
  return T;
}

void Run(Fields& f) {
  const std::optional<HeaterInputs> surface = HeaterInputsOf(f);
  if (!surface) return;
  const HeaterInputs& in = *surface;
  const long double Ts = HeaterSurfaceTemperature(in);
  const HeaterLosses q = HeaterSurfaceLosses(in, Ts);
  // The scan keeps one step below its last passing point: when no point
  // above the air passes, a heater with power shows no loss, or a gain.
  if (in.Q > 0 && (SurfaceOptions::ShownAsZero(q.total) || q.total < 0)) {
    SurfaceOptions::SayNoBalance(f);
    return;
  }
  HeatFlowDisplay::WriteSurfaceFlows(f, q.convective, q.radiative, q.total, NumberText);
  f.SetText(Cylinder::Surface, RoundHundredths(Ts));
  f.SetText(Cylinder::FluxOrFluidEnd, RoundHundredths(HeaterFluxDensity(in)));
  if (in.outer.on) SurfaceOptions::ShowOuter(f, OuterSurfaceOf(in), Ts);

  const SurfaceOptions::LayerChanges k = SurfaceOptions::LayersOf(f);
  const std::optional<long double> sheathInner =
      LayerInner(f, in, Cylinder::Layer2Conductivity, k.second, Cylinder::Layer2Diameter,
                 Cylinder::Layer1Diameter, Cylinder::Layer2Caption, Ts);
  if (!sheathInner) return;
  f.SetText(Cylinder::Layer2Inner, RoundHundredths(*sheathInner));
  f.SetText(Cylinder::Layer1Outer, RoundHundredths(*sheathInner));

  const std::optional<long double> wire =
      LayerInner(f, in, Cylinder::Layer1Conductivity, k.first, Cylinder::Layer1Diameter,
                 Cylinder::WireDiameter, Cylinder::Layer1Caption, *sheathInner);
  if (!wire) return;
  f.SetText(Cylinder::Layer1Inner, RoundHundredths(*wire));
}

// clang-format off
const FieldBinding kFields[] = {
  {Cylinder::Ambient, Cell("HeaterAmbient")},
  {Cylinder::Layer1Conductivity, Cell("HeaterInsulationConductivity")},
  {Cylinder::Layer2Conductivity, Cell("HeaterSheathConductivity")},
  {Cylinder::Power, Cell("HeaterPower")},
  {Cylinder::WireDiameter, Cell("HeaterWireDiameter"), false},
  {Cylinder::Layer1Diameter, Cell("HeaterInsulationDiameter"), false},
  {Cylinder::Layer2Diameter, Cell("HeaterSheathDiameter")},
  {Cylinder::Layer1Thickness, Cell("HeaterInsulationThickness"), false},
  {Cylinder::Layer2Thickness, Cell("HeaterSheathThickness")},
  {Cylinder::Length, Cell("HeaterLength")},
  {Cylinder::Layer2Inner, Cell("HeaterPanelInner")},
};

const ExportRow kExportRows[] = {
  {2,  "外気の温度 ℃",   nullptr,        FieldText(Cylinder::Ambient)},
  {3,  "外側の温度 ℃",   "ステンレス層", FieldText(Cylinder::Surface)},
  {4,  nullptr,          "MgO層",        FieldText(Cylinder::Layer1Outer)},
  {5,  "内側の温度 ℃",   "ステンレス層", FieldText(Cylinder::Layer2Inner)},
  {6,  nullptr,          "MgO層",        FieldText(Cylinder::Layer1Inner)},
  {7,  "熱伝導率 W/m℃",  "ステンレス層", FieldText(Cylinder::Layer2Conductivity)},
  {8,  nullptr,          "MgO層",        FieldText(Cylinder::Layer1Conductivity)},
  {9,  "熱量",           nullptr,        FieldText(Cylinder::Power)},
  {10, "外径",           "ステンレス層", FieldText(Cylinder::Layer2Diameter)},
  {11, nullptr,          "MgO層",        FieldText(Cylinder::Layer1Diameter)},
  {12, nullptr,          "発熱線",       FieldText(Cylinder::WireDiameter)},
  {13, "厚さ mm",        "ステンレス層", FieldText(Cylinder::Layer2Thickness)},
  {14, nullptr,          "MgO層",        FieldText(Cylinder::Layer1Thickness)},
  {15, "長さ m",         nullptr,        FieldText(Cylinder::Length)},
  {16, "伝熱密度 W/cm2", nullptr,        FieldText(Cylinder::FluxOrFluidEnd)},
};

const SelectionStep kSelection[] = {
  {SelectionStep::Show, Cylinder::Panel}, {SelectionStep::Show, Cylinder::Buttons},
  {SelectionStep::Hide, Flat::Buttons}, {SelectionStep::Hide, Flat::Panel}, {SelectionStep::Hide, PipeFlow::Panel},
  {SelectionStep::Caption, Cylinder::Column1Caption, "発熱線"}, {SelectionStep::Caption, Cylinder::Layer1Caption, "MgO層"},
  {SelectionStep::Caption, Cylinder::Layer2Caption, "ステンレス層"}, {SelectionStep::Caption, Cylinder::Title, "ヒーター温度"},
  {SelectionStep::Hide, Surface::InnerCoefficient}, {SelectionStep::Hide, Surface::InnerEmissivity}, {SelectionStep::Hide, Surface::InnerCoefficientCaption},
  {SelectionStep::Hide, Surface::InnerEmissivityCaption}, {SelectionStep::Hide, Cylinder::FluidInlet}, {SelectionStep::Hide, Cylinder::FluidEndCaption},
  {SelectionStep::Hide, Cylinder::TogglePipeFlow}, {SelectionStep::Hide, Cylinder::PipeFlowRun},
  {SelectionStep::Show, Cylinder::Layer1Outer}, {SelectionStep::Show, Cylinder::Ambient}, {SelectionStep::Show, Cylinder::WireDiameter},
  {SelectionStep::Show, Cylinder::Layer1Diameter}, {SelectionStep::Show, Cylinder::Layer2Diameter}, {SelectionStep::Show, Cylinder::FluxOrFluidEnd},
  {SelectionStep::Show, Cylinder::FluxCaption},
  {SelectionStep::Enable, Cylinder::Layer1Outer}, {SelectionStep::Enable, Cylinder::Layer1Inner}, {SelectionStep::Enable, Cylinder::Layer1Conductivity},
  {SelectionStep::Enable, Cylinder::Layer2Conductivity}, {SelectionStep::Enable, Cylinder::Power}, {SelectionStep::Enable, Cylinder::Layer1Diameter},
  {SelectionStep::Disable, Cylinder::Layer1Thickness},
  {SelectionStep::ResultColour, Cylinder::Layer1Inner},
  {SelectionStep::Hide, "CylinderHumidityCaption"}, {SelectionStep::Hide, "CylinderHumidity"},
  {SelectionStep::Hide, "CylinderCondensation"},
  {SelectionStep::Hide, "PipeHumidityCaption"}, {SelectionStep::Hide, "PipeHumidity"},
  {SelectionStep::Hide, "PipeCondensation"},
};
// clang-format on

void Export(Form&, ComparisonTable& table) { table.WriteBlock({"ヒーター温度", 17, 2, kExportRows}, {}); }

// clang-format off
// The options' cells, column 1 rows 1-7.
const OptionCell kOptionCells[] = {
  {SurfaceOptions::kAuto, Cell("HeaterOptionAuto")}, {SurfaceOptions::kOrientation, Cell("HeaterOptionOrientation")}, {SurfaceOptions::kWind, Cell("HeaterOptionWind")},
  {SurfaceOptions::kB1, Cell("HeaterOptionB1")}, {SurfaceOptions::kC1, Cell("HeaterOptionC1")}, {SurfaceOptions::kB2, Cell("HeaterOptionB2")}, {SurfaceOptions::kC2, Cell("HeaterOptionC2")},
};
// clang-format on

// グラフ: the heater's temperatures as its Run finds them, from the surface
// inwards; the wire's part dashed, its conductivity assumed.
ChartPlot Chart(Fields& f, const std::atomic<bool>*) {
  using namespace CurveParts;
  const QString title = QStringLiteral("ヒーター温度　層内の温度");
  if (!CylinderPanel::Ready(f, kHeaterCalculator)) return NoResult(title);
  const std::optional<HeaterInputs> in = HeaterInputsOf(f);
  if (!in) return NoResult(title);
  curves::HeaterTemperatures t;
  t.surface = HeaterSurfaceTemperature(*in);
  t.sheathInner = LayerInnerTemperature(in->Q, f.Number(Cylinder::Layer2Conductivity), in->L,
                                        f.Number(Cylinder::Layer2Diameter),
                                        f.Number(Cylinder::Layer1Diameter), t.surface);
  t.wire = LayerInnerTemperature(in->Q, f.Number(Cylinder::Layer1Conductivity), in->L,
                                 f.Number(Cylinder::Layer1Diameter), f.Number(Cylinder::WireDiameter),
                                 t.sheathInner);
  curves::HeaterLayers layers;
  layers.wireD = f.Number(Cylinder::WireDiameter);
  layers.insulationD = f.Number(Cylinder::Layer1Diameter);
  layers.sheathD = f.Number(Cylinder::Layer2Diameter);
  const curves::LayerProfile p = curves::HeaterProfile(*in, layers, t);

  // The wire's part rests on a conductivity the panel has no field for:
  // drawn dashed, and its legend says what was taken.
  const long double wireSurface = p.boundaries.front().x;
  curves::Series wire, rest;
  for (const curves::Point& point : p.points) {
    if (point.x <= wireSurface) wire.push_back(point);
    if (point.x >= wireSurface) rest.push_back(point);
  }
  ChartPlot plot = NewPlot(title, QStringLiteral("発熱線の中心からの位置 mm"), kTemperature);
  plot.curves.push_back(NewCurve(LayerChart::kProfile, rest));
  plot.curves.push_back(NewCurve(QStringLiteral("発熱線内（熱伝導率 %1 W/(m・℃) と仮定）")
                                     .arg(NumberText(curves::kTypicalWireConductivity)),
                                 wire, ChartCurve::Dashed));
  for (const curves::Point& b : p.boundaries)
    if (b.x < p.boundaries.back().x) plot.curves.push_back(MarkAt(LayerChart::kBoundary, b.x));
  plot.curves.push_back(Level(LayerChart::kAir, in->Ta, 0, p.points.back().x));
  return plot;
}

// 保温厚さ: the largest power whose sheath stays at a limit.
void BindDesign(const HeaterInputs& in, DesignInputs& d) {
  d.maxPower = [in](long double limit) { return DesignCalc::MaxHeaterPower(in, limit); };
}

DesignHook::Read ReadDesign(Fields& f) {
  return HeatLossDesign::Read(f, CylinderPanel::Ready(f, kHeaterCalculator), nullptr, Cylinder::Ambient, &HeaterInputsOf,
                              &BindDesign);
}

const DesignHook kDesign = {.solves = DesignHook::Solves::HeaterPower,
                            .field = Cylinder::Power,
                            .perMetre = false,
                            .fluidEnd = false,
                            .read = ReadDesign};

QStringList Method(const RunModes&) {
  return MethodLines(QStringLiteral(
      "発熱量がすべてシースの表面から逃げるとして、放熱量が発熱量と釣り合うシース表面温度を求め、"
      "各層の内側の温度を円筒の熱伝導の式 Q=2π×λ×L×(T内-T外)/ln(D外/D内) で外側から順に求める。"));
}

}  // namespace

extern const HeatLossCalculator kHeaterCalculator = {
    .code = Calculator::Heater,
    .name = "ヒーター温度",
    .panel = HeatLossPanel::Cylinder,
    .selectButton = Selection::Heater,
    .selectCaption = "ヒーター温度",
    .kind = "hi-ta",
    .selection = kSelection,
    .prepare = nullptr,
    .afterBack = {},
    .runAfterSelection = false,
    .fields = kFields,
    .run = Run,
    .actions = {},
    .controls = {},
    .hooks = {.curve = Chart,
              .design = &kDesign,
              .optionCells = kOptionCells,
              .method = Method,
              .exportTo = Export},
};
