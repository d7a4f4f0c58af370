// ヒーター温度 on the cylinder panel (code "5"): the temperatures of a
// sheathed heater, its wire in MgO inside a stainless sheath, from its power.
#include "calc/design/HeaterPowerLimit.h"
#include "calc/heatloss/Heater.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "foundation/NumberText.h"
#include "operations/common/ComparisonTable.h"
#include "operations/heatloss/HeatFlowDisplay.h"
#include "operations/heatloss/CylinderPanel.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/heatloss/HeatLossDesign.h"
#include "operations/heatloss/LayerChart.h"
#include "operations/heatloss/HeatLossFields.h"
#include "operations/heatloss/HeatLossInputs.h"
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
  in.L = f.Number("Edit13");
  in.Q = f.Number("Edit8");
  // A heater does not take heat from the air: a negative power would show a
  // surface colder than the air. No power shows the ambient.
  if (in.Q < 0) {
    f.Message(QStringLiteral("熱量は0以上の値にしてください。"));
    return std::nullopt;
  }
  in.Ta = f.Number("Edit3");
  in.e = f.Number("Edit16");
  in.sigma = HeatLossFields::StefanBoltzmann(f, HeatLossFields::Mantissa::FirstSix);
  in.P = HeaterCircumference(f.Number("Edit11"));
  in.h = f.Number("Edit17");
  // The layers the Run reads after the surface: the wire, the MgO and the sheath.
  for (const char* size : {"Edit13", "Edit9", "Edit10", "Edit6", "Edit7"})
    if (!FieldRules::Positive(f, size)) return std::nullopt;
  if (!FieldRules::Thickness(f, "Edit12")) return std::nullopt;
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
  f.SetText("Edit2", RoundHundredths(Ts));
  f.SetText("Edit14", RoundHundredths(HeaterFluxDensity(in)));
  if (in.outer.on) SurfaceOptions::ShowOuter(f, OuterSurfaceOf(in), Ts);

  const SurfaceOptions::LayerChanges k = SurfaceOptions::LayersOf(f);
  const std::optional<long double> sheathInner =
      LayerInner(f, in, "Edit7", k.second, "Edit11", "Edit10", "Label11", Ts);
  if (!sheathInner) return;
  f.SetText("Edit21", RoundHundredths(*sheathInner));
  f.SetText("Edit1", RoundHundredths(*sheathInner));

  const std::optional<long double> wire =
      LayerInner(f, in, "Edit6", k.first, "Edit10", "Edit9", "Label10", *sheathInner);
  if (!wire) return;
  f.SetText("Edit4", RoundHundredths(*wire));
}

// clang-format off
const FieldBinding kFields[] = {
  {"Edit3",  {6, 8}},          // ambient temperature
  {"Edit6",  {4, 10}},         // conductivity, MgO
  {"Edit7",  {5, 10}},         // conductivity, sheath
  {"Edit8",  {5, 11}},         // power W
  {"Edit9",  {3, 12}, false},  // wire diameter
  {"Edit10", {4, 12}, false},  // outer diameter, MgO
  {"Edit11", {5, 12}},         // outer diameter, sheath
  {"Edit34", {4, 13}, false},  // thickness, MgO
  {"Edit12", {5, 13}},         // thickness, sheath
  {"Edit13", {5, 14}},         // length
  {"Edit21", {5, 1}},          // result 層内側温度
};

const ExportRow kExportRows[] = {
  {2,  "外気の温度 ℃",   nullptr,        FieldText("Edit3")},
  {3,  "外側の温度 ℃",   "ステンレス層", FieldText("Edit2")},
  {4,  nullptr,          "MgO層",        FieldText("Edit1")},
  {5,  "内側の温度 ℃",   "ステンレス層", FieldText("Edit21")},
  {6,  nullptr,          "MgO層",        FieldText("Edit4")},
  {7,  "熱伝導率 W/m℃",  "ステンレス層", FieldText("Edit7")},
  {8,  nullptr,          "MgO層",        FieldText("Edit6")},
  {9,  "熱量",           nullptr,        FieldText("Edit8")},
  {10, "外径",           "ステンレス層", FieldText("Edit11")},
  {11, nullptr,          "MgO層",        FieldText("Edit10")},
  {12, nullptr,          "発熱線",       FieldText("Edit9")},
  {13, "厚さ mm",        "ステンレス層", FieldText("Edit12")},
  {14, nullptr,          "MgO層",        FieldText("Edit34")},
  {15, "長さ m",         nullptr,        FieldText("Edit13")},
  {16, "伝熱密度 W/cm2", nullptr,        FieldText("Edit14")},
};

const SelectionStep kSelection[] = {
  {SelectionStep::Show, "Panel5"}, {SelectionStep::Show, "Panel6"},
  {SelectionStep::Hide, "Panel8"}, {SelectionStep::Hide, "Panel9"}, {SelectionStep::Hide, "Panel20"},
  {SelectionStep::Caption, "Label9", "発熱線"}, {SelectionStep::Caption, "Label10", "MgO層"},
  {SelectionStep::Caption, "Label11", "ステンレス層"}, {SelectionStep::Caption, "Label36", "ヒーター温度"},
  {SelectionStep::Hide, "Edit69"}, {SelectionStep::Hide, "Edit83"}, {SelectionStep::Hide, "Label65"},
  {SelectionStep::Hide, "Label97"}, {SelectionStep::Hide, "Edit70"}, {SelectionStep::Hide, "Label63"},
  {SelectionStep::Hide, "Button67"}, {SelectionStep::Hide, "Button69"},
  {SelectionStep::Show, "Edit1"}, {SelectionStep::Show, "Edit3"}, {SelectionStep::Show, "Edit9"},
  {SelectionStep::Show, "Edit10"}, {SelectionStep::Show, "Edit11"}, {SelectionStep::Show, "Edit14"},
  {SelectionStep::Show, "Label8"},
  {SelectionStep::Enable, "Edit1"}, {SelectionStep::Enable, "Edit4"}, {SelectionStep::Enable, "Edit6"},
  {SelectionStep::Enable, "Edit7"}, {SelectionStep::Enable, "Edit8"}, {SelectionStep::Enable, "Edit10"},
  {SelectionStep::Disable, "Edit34"},
  {SelectionStep::ResultColour, "Edit4"},
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
  {SurfaceOptions::kAuto, 1}, {SurfaceOptions::kOrientation, 2}, {SurfaceOptions::kWind, 3},
  {SurfaceOptions::kB1, 4}, {SurfaceOptions::kC1, 5}, {SurfaceOptions::kB2, 6}, {SurfaceOptions::kC2, 7},
};
// clang-format on

// グラフ: the heater's temperatures as its Run finds them, from the surface
// inwards; the wire's part dashed, its conductivity assumed.
ChartPlot Chart(Fields& f, const std::atomic<bool>*) {
  using namespace CurveParts;
  const QString title = QStringLiteral("ヒーター温度　層内の温度");
  if (!CylinderPanel::Ready(f)) return NoResult(title);
  const std::optional<HeaterInputs> in = HeaterInputsOf(f);
  if (!in) return NoResult(title);
  curves::HeaterTemperatures t;
  t.surface = HeaterSurfaceTemperature(*in);
  t.sheathInner = LayerInnerTemperature(in->Q, f.Number("Edit7"), in->L, f.Number("Edit11"),
                                        f.Number("Edit10"), t.surface);
  t.wire = LayerInnerTemperature(in->Q, f.Number("Edit6"), in->L, f.Number("Edit10"), f.Number("Edit9"),
                                 t.sheathInner);
  curves::HeaterLayers layers;
  layers.wireD = f.Number("Edit9");
  layers.insulationD = f.Number("Edit10");
  layers.sheathD = f.Number("Edit11");
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
  return HeatLossDesign::Read(f, CylinderPanel::Ready(f), nullptr, "Edit3", &HeaterInputsOf, &BindDesign);
}

const DesignHook kDesign = {
    .solves = DesignHook::Solves::HeaterPower, .field = "Edit8", .perMetre = false, .fluidEnd = false,
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
    .selectButton = "Button8",
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
