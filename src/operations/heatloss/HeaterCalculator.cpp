// ヒーター温度 on the cylinder panel (code "5"): the temperatures of a
// sheathed heater, its wire in MgO inside a stainless sheath, from its power.
#include "calc/heatloss/Heater.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "foundation/NumberText.h"
#include "operations/common/ComparisonTable.h"
#include "operations/heatloss/HeatFlowDisplay.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/heatloss/HeatLossFields.h"
#include "operations/heatloss/HeatLossInputs.h"
#include "operations/heatloss/SurfaceOptions.h"
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

}  // namespace

extern const HeatLossCalculator kHeaterCalculator = {
    .code = Calculator::Heater,
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
    .exportTo = Export,
};
