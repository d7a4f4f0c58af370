#include "operations/hints/FieldCatalogue.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr long double kCalorie = 4.1868L;  // kJ per kcal (international table)

// clang-format off
const MistakeRow kMistakes[] = {
  {Mistake::JoulesForKcal,          "J/(kg・K)",    1 / (1000 * kCalorie), 0, false},
  {Mistake::KilojoulesForKcal,      "kJ/(kg・K)",   1 / kCalorie,          0, false},
  {Mistake::JoulesForWattHours,     "J/(kg・K)",    1 / 3600.0L,           0, false},
  {Mistake::KilojoulesForWattHours, "kJ/(kg・K)",   1 / 3.6L,              0, false},
  {Mistake::KgPerM3ForGPerCm3,      "kg/m3",        1 / 1000.0L,           0, false},
  {Mistake::MmForM,                 "mm",           1 / 1000.0L,           0, false},
  {Mistake::MForMm,                 "m",            1000,                  0, false},
  {Mistake::KelvinForCelsius,       "K",            1,                     -273.15L, false},
  {Mistake::PercentForFraction,     "％",           1 / 100.0L,            0, false},
  {Mistake::Mm2PerSForM2PerS,       "mm2/s（cSt）", 1E-6L,                 0, false},
  {Mistake::Mm2ForM2,               "mm2",          1E-6L,                 0, false},
  {Mistake::SecondsForHours,        "秒",           1 / 3600.0L,           0, false},
  {Mistake::KelvinForExpansion,     "絶対温度K",    1,                     0, true},
};
// clang-format on

constexpr Mistake kNone = Mistake::None;

// The plausible ranges are wide on purpose: a hint is for a value no
// engineer means, not for an unusual one. Where two units differ by a factor
// near 1 (kcal/h and W: 1.163; kcal/(m2・h・℃) and W/(m2・℃)) no range can
// tell them apart, so such mistakes are not listed.

// Surface and coefficients.
constexpr Quantity kFraction{"", "小数", true, 0, 1, false, {Mistake::PercentForFraction}};
constexpr Quantity kCoefficient{"W/(m2・℃)", nullptr, true, 0, 100000, false, {kNone}};
// The automatic coefficient's conditions: wind up to a gale (0 is still
// air), a wall's height or a face's length; a layer's change of k with
// temperature (a calcium silicate's b is about 1E-4, its c about 2E-7).
constexpr Quantity kWind{"m/s", nullptr, true, 0, 60, true, {kNone}};
constexpr Quantity kSurfaceLength{"m", nullptr, true, 0.01L, 1000, false, {Mistake::MmForM}};
constexpr Quantity kSlope{"W/(m・℃2)", nullptr, true, -0.01L, 0.01L, true, {kNone}};
constexpr Quantity kCurvature{"W/(m・℃3)", nullptr, true, -1E-4L, 1E-4L, true, {kNone}};
// A fluid in a pipe: a gas's viscosity 0.01 mPa・s, a heavy oil's 10^5.
constexpr Quantity kFluidViscosity{"mPa・s", nullptr, true, 0.005L, 1E6L, false, {kNone}};

// Temperatures: the air around lies within -60 .. 80 ℃, so a kelvin value
// (213 .. 353 K) shows; a process temperature may be anything above
// absolute zero up to a furnace's, where a kelvin value cannot be told.
constexpr Quantity kAmbient{"℃", nullptr, true, -60, 80, false, {Mistake::KelvinForCelsius}};
constexpr Quantity kProcess{"℃", nullptr, true, -273.15L, 2000, false, {kNone}};

// Materials: water and steel lie well inside, hydrogen's specific heat
// (3.4 kcal/(kg・℃)) and osmium's density (22.6 g/cm3) at the edges.
constexpr Quantity kConductivity{"W/(m・℃)", nullptr, true, 0, 500, false, {kNone}};
constexpr Quantity kDensity{"g/cm3", nullptr, true, 0.00005L, 23, false, {Mistake::KgPerM3ForGPerCm3}};
constexpr Quantity kSpecificHeat{
    "kcal/(kg・℃)", nullptr, true, 0.02L, 3.5L, false, {Mistake::JoulesForKcal, Mistake::KilojoulesForKcal}};

// Sizes. A wire of a sheathed heater is 0.01 .. 20 mm, a pipe or layer
// diameter 1 mm .. 10 m, a layer 0.1 mm .. 2 m thick (0: no layer); a
// pipe's bore in metres 2 mm .. 5 m, a container's side 1 cm .. 100 m.
constexpr Quantity kWireMm{"mm", nullptr, true, 0.01L, 20, false, {Mistake::MForMm}};
constexpr Quantity kDiameterMm{"mm", nullptr, true, 1, 10000, false, {Mistake::MForMm}};
constexpr Quantity kThicknessMm{"mm", nullptr, true, 0.1L, 2000, true, {Mistake::MForMm}};
constexpr Quantity kLengthM{"m", nullptr, true, 0.01L, 20000, false, {Mistake::MmForM}};
constexpr Quantity kBoreM{"m", nullptr, true, 0.002L, 5, false, {Mistake::MmForM}};
constexpr Quantity kSideM{"m", nullptr, true, 0.01L, 100, false, {Mistake::MmForM}};
constexpr Quantity kAreaM2{"m2", nullptr, true, 0.0001L, 100000, false, {Mistake::Mm2ForM2}};

// Power, flow and time.
constexpr Quantity kPowerW{"W", nullptr, true, 0, 10000000, false, {kNone}};
constexpr Quantity kFlow{"m3/h", nullptr, true, 0, 100000, false, {kNone}};
constexpr Quantity kHours{"h", nullptr, true, 0, 1000, false, {Mistake::SecondsForHours}};
constexpr Quantity kHumidity{"％", nullptr, true, 1, 100, false, {kNone}};

// Units of results and of fields that are not checked.
constexpr Quantity kNumber{"", nullptr, false, 0, 0, false, {kNone}};
constexpr Quantity kCelsius{"℃", nullptr, false, 0, 0, false, {kNone}};
constexpr Quantity kWatt{"W", nullptr, false, 0, 0, false, {kNone}};
constexpr Quantity kPercent{"％", nullptr, false, 0, 0, false, {kNone}};
constexpr Quantity kFlux{"W/cm2", nullptr, false, 0, 0, false, {kNone}};
constexpr Quantity kMillimetre{"mm", nullptr, false, 0, 0, false, {kNone}};
constexpr Quantity kCubicMetre{"m3", nullptr, false, 0, 0, false, {kNone}};
constexpr Quantity kKilogram{"kg", nullptr, false, 0, 0, false, {kNone}};
constexpr Quantity kCoefficientResult{"W/(m2・℃)", nullptr, false, 0, 0, false, {kNone}};

// The coefficient panel's items. Its specific heat is in W・h/(kg・℃)
// (air 0.28, water 1.16, hydrogen 4.0); a kinematic viscosity of oils
// reaches 10^-3 m2/s, of liquid metals 10^-7 m2/s.
constexpr Quantity kItemSpecificHeat{"W・h/(kg・℃)",
                                     nullptr,
                                     true,
                                     0.02L,
                                     4.1L,
                                     false,
                                     {Mistake::JoulesForWattHours, Mistake::KilojoulesForWattHours}};
constexpr Quantity kItemKcal{
    "kcal/(kg・℃)", nullptr, true, 0.02L, 3.5L, false, {Mistake::JoulesForKcal, Mistake::KilojoulesForKcal}};
constexpr Quantity kViscosity{"m2/s", nullptr, true, 1E-8L, 0.1L, false, {Mistake::Mm2PerSForM2PerS}};
constexpr Quantity kItemDensity{"kg/m3", nullptr, true, 0.01L, 25000, false, {kNone}};
constexpr Quantity kItemConductivity{"W/(m・℃)", nullptr, true, 0.001L, 500, false, {kNone}};
constexpr Quantity kExpansion{"1/K", nullptr, true, 1E-6L, 0.02L, false, {Mistake::KelvinForExpansion}};
constexpr Quantity kItemLengthM{"m", nullptr, true, 0.0001L, 100, false, {Mistake::MmForM}};
constexpr Quantity kFinLengthM{"m", nullptr, true, 0, 2, false, {Mistake::MmForM}};
constexpr Quantity kItemThinM{"m", nullptr, true, 0, 10, false, {Mistake::MmForM}};
constexpr Quantity kVelocity{"m/s", nullptr, true, 0, 300, false, {kNone}};
constexpr Quantity kItemAreaM2{"m2", nullptr, true, 1E-9L, 10, false, {Mistake::Mm2ForM2}};
constexpr Quantity kItemFlux{"W/cm2", nullptr, true, 0, 1000, false, {kNone}};
constexpr Quantity kItemHours{"h", nullptr, true, 0, 1000000, false, {kNone}};

constexpr FieldRole In = FieldRole::Input, Out = FieldRole::Result, Either = FieldRole::Either;

// clang-format off
const FieldRow kFields[] = {
  // field     panel      row label   column label when       role    quantity
  // Surface fields and heat-loss results.
  {"Edit16", "Panel4",  "Label14", nullptr,   nullptr,   In,     &kFraction},
  // Edit17 and Edit69 show the computed coefficients while 自動 is on.
  {"Edit17", "Panel4",  "Label15", nullptr,   nullptr,   Either, &kCoefficient},
  {"Edit18", "Panel4",  "Label16", nullptr,   nullptr,   Out,    &kWatt},
  {"Edit19", "Panel4",  "Label17", nullptr,   nullptr,   Out,    &kWatt},
  {"Edit20", "Panel4",  "Label18", nullptr,   nullptr,   Out,    &kWatt},
  {"Edit69", "Panel4",  "Label65", nullptr,   nullptr,   Either, &kCoefficient},
  {"Edit83", "Panel4",  "Label97", nullptr,   nullptr,   In,     &kFraction},

  // The cylinder panel: rows of captions, columns of layers; a row of one
  // value (power, length, flux) is named by its row alone.
  {"Edit1",  "Panel5",  "Label1",  "Label10", nullptr,   Out,    &kCelsius},
  {"Edit2",  "Panel5",  "Label1",  "Label11", nullptr,   Out,    &kCelsius},
  {"Edit3",  "Panel5",  nullptr,   "Label12", nullptr,   In,     &kAmbient},
  {"Edit70", "Panel5",  nullptr,   "Label9",  nullptr,   In,     &kProcess},
  {"Edit4",  "Panel5",  "Label2",  "Label10", nullptr,   Either, &kProcess},
  {"Edit21", "Panel5",  "Label2",  "Label11", nullptr,   Out,    &kCelsius},
  {"Edit6",  "Panel5",  "Label3",  "Label10", nullptr,   In,     &kConductivity},
  {"Edit7",  "Panel5",  "Label3",  "Label11", nullptr,   In,     &kConductivity},
  {"Edit8",  "Panel5",  "Label4",  nullptr,   nullptr,   In,     &kPowerW},
  {"Edit9",  "Panel5",  "Label5",  "Label9",  nullptr,   In,     &kWireMm},
  {"Edit10", "Panel5",  "Label5",  "Label10", nullptr,   In,     &kDiameterMm},
  {"Edit11", "Panel5",  "Label5",  "Label11", nullptr,   Out,    &kMillimetre},
  {"Edit34", "Panel5",  "Label6",  "Label10", nullptr,   In,     &kThicknessMm},
  {"Edit12", "Panel5",  "Label6",  "Label11", nullptr,   In,     &kThicknessMm},
  {"Edit13", "Panel5",  "Label7",  nullptr,   nullptr,   In,     &kLengthM},
  {"Edit14", "Panel5",  "Label8",  nullptr,   "Label8",  Out,    &kFlux},
  {"Edit14", "Panel5",  "Label63", nullptr,   "Label63", Out,    &kCelsius},
  // Pipe flow's own inputs.
  {"Edit65", "Panel20", "Label98", nullptr,   nullptr,   In,     &kDensity},
  {"Edit64", "Panel20", "Label99", nullptr,   nullptr,   In,     &kSpecificHeat},
  {"Edit66", "Panel20", "Label100", nullptr,  nullptr,   In,     &kBoreM},
  {"Edit67", "Panel20", "Label101", nullptr,  nullptr,   In,     &kFlow},
  {"Edit68", "Panel20", "Label64", nullptr,   nullptr,   In,     &kAmbient},
  // The relative humidity of the air (empty: condensation not checked).
  {"CylinderHumidity", "Panel5", "CylinderHumidityCaption", nullptr, nullptr, In, &kHumidity},
  {"PipeHumidity",     "Panel5", "PipeHumidityCaption",     nullptr, nullptr, In, &kHumidity},

  // The flat panel.
  {"Edit5",  "Panel9",  "Label20", nullptr,   nullptr,   In,     &kAreaM2},
  {"Edit25", "Panel9",  nullptr,   "Label28", nullptr,   In,     &kAmbient},
  {"Edit23", "Panel9",  "Label21", "Label26", nullptr,   Out,    &kCelsius},
  {"Edit24", "Panel9",  "Label21", "Label27", nullptr,   Out,    &kCelsius},
  {"Edit26", "Panel9",  "Label22", "Label29", nullptr,   In,     &kProcess},
  {"Edit27", "Panel9",  "Label22", "Label26", nullptr,   Either, &kProcess},
  {"Edit28", "Panel9",  "Label22", "Label27", nullptr,   Out,    &kCelsius},
  {"Edit29", "Panel9",  "Label23", "Label26", nullptr,   In,     &kConductivity},
  {"Edit30", "Panel9",  "Label23", "Label27", nullptr,   In,     &kConductivity},
  {"Edit31", "Panel9",  "Label24", "Label26", nullptr,   In,     &kThicknessMm},
  {"Edit32", "Panel9",  "Label24", "Label27", nullptr,   In,     &kThicknessMm},
  {"Edit33", "Panel9",  "Label25", nullptr,   nullptr,   Out,    &kFlux},
  {"Edit73", "Panel9",  "Label68", nullptr,   nullptr,   In,     &kDensity},
  {"Edit74", "Panel9",  "Label69", nullptr,   nullptr,   In,     &kSpecificHeat},
  {"Edit75", "Panel9",  "Label70", nullptr,   nullptr,   In,     &kHours},
  {"Edit76", "Panel9",  "Label71", nullptr,   nullptr,   Out,    &kCelsius},
  {"FlatHumidity", "Panel9", "FlatHumidityCaption", nullptr, nullptr, In,  &kHumidity},

  // The insulation design's target value: its unit follows the target
  // (DesignValueCaption).
  {"DesignValue", "DesignPage", "DesignValueCaption", nullptr, nullptr, In, &kNumber},

  // The options page 表面条件 of the heat-loss calculators.
  {"WindSpeed",         "SurfacePage",  "WindSpeedCaption",     nullptr,          nullptr, In, &kWind},
  {"SurfaceLength",     "SurfacePage",  "SurfaceLengthCaption", nullptr,          nullptr, In, &kSurfaceLength},
  {"KTableB1",          "KTable",       "KTableLayer1",         "KTableBCaption", nullptr, In, &kSlope},
  {"KTableC1",          "KTable",       "KTableLayer1",         "KTableCCaption", nullptr, In, &kCurvature},
  {"KTableB2",          "KTable",       "KTableLayer2",         "KTableBCaption", nullptr, In, &kSlope},
  {"KTableC2",          "KTable",       "KTableLayer2",         "KTableCCaption", nullptr, In, &kCurvature},
  {"FluidViscosity",    "InnerSection", "FluidViscosityCaption",    nullptr,      nullptr, In, &kFluidViscosity},
  {"FluidConductivity", "InnerSection", "FluidConductivityCaption", nullptr,      nullptr, In, &kConductivity},

  // The heating panel; in wall heating Edit40 holds the wall temperature
  // and the three results are temperatures.
  {"Edit35", "Panel14", "Label39", nullptr,   nullptr,   In,     &kSideM},
  {"Edit36", "Panel14", "Label48", nullptr,   nullptr,   In,     &kSideM},
  {"Edit37", "Panel14", "Label49", nullptr,   nullptr,   In,     &kSideM},
  {"Edit49", "Panel14", "Label40", nullptr,   nullptr,   Out,    &kCubicMetre},
  {"Edit54", "Panel14", "Label40", nullptr,   nullptr,   Out,    &kKilogram},
  {"Edit38", "Panel14", "Label41", nullptr,   nullptr,   In,     &kThicknessMm},
  {"Edit39", "Panel14", "Label42", nullptr,   nullptr,   In,     &kThicknessMm},
  {"Edit40", "Panel14", "Label43", nullptr,   "Label53", In,     &kAmbient},
  {"Edit40", "Panel14", "Label43", nullptr,   "Label77", In,     &kProcess},
  {"Edit41", "Panel14", "Label44", nullptr,   nullptr,   In,     &kProcess},
  {"Edit42", "Panel14", "Label45", nullptr,   nullptr,   In,     &kProcess},
  {"Edit43", "Panel14", "Label47", nullptr,   nullptr,   In,     &kHours},
  {"Edit44", "Panel14", "Label50", nullptr,   nullptr,   In,     &kDensity},
  {"Edit45", "Panel14", "Label51", nullptr,   nullptr,   In,     &kSpecificHeat},
  {"Edit50", "Panel14", "Label57", nullptr,   nullptr,   In,     &kDensity},
  {"Edit51", "Panel14", "Label58", nullptr,   nullptr,   In,     &kSpecificHeat},
  {"Edit53", "Panel14", "Label60", nullptr,   nullptr,   In,     &kConductivity},
  {"Edit52", "Panel14", "Label59", nullptr,   nullptr,   In,     &kConductivity},
  {"Edit55", "Panel14", "Label33", nullptr,   nullptr,   Out,    &kWatt},
  {"Edit46", "Panel14", "Label53", nullptr,   "Label53", Out,    &kWatt},
  {"Edit46", "Panel14", "Label77", nullptr,   "Label77", Out,    &kCelsius},
  {"Edit47", "Panel14", "Label54", nullptr,   "Label54", Out,    &kPercent},
  {"Edit47", "Panel14", "Label78", nullptr,   "Label78", Out,    &kCelsius},
  {"Edit48", "Panel14", "Label55", nullptr,   "Label55", Out,    &kWatt},
  {"Edit48", "Panel14", "Label79", nullptr,   "Label79", Out,    &kCelsius},

  // The coefficient panel: the formula number and its results (its items
  // are in kItems).
  {"Edit71", "Panel21", "Label66", nullptr,   nullptr,   In,     &kNumber},
  {"Edit72", "Panel21", "Label67", nullptr,   nullptr,   Out,    &kCoefficientResult},
  {"Edit77", "Panel21", "Label95", nullptr,   nullptr,   Out,    &kNumber},
  {"Edit78", "Panel21", "Label80", nullptr,   nullptr,   Out,    &kNumber},
  {"Edit79", "Panel21", "Label81", nullptr,   nullptr,   Out,    &kNumber},
  {"Edit80", "Panel21", "Label82", nullptr,   nullptr,   Out,    &kNumber},
  {"Edit81", "Panel21", "Label93", nullptr,   nullptr,   Out,    &kNumber},
  {"Edit82", "Panel21", "Label83", nullptr,   nullptr,   Out,    &kNumber},
};

const ItemRow kItems[] = {
  // The convection groups' shared items.
  {"流速Ｕｍ/ｓ",          "流速U",            &kVelocity},
  {"代表長さDL ｍ",       "代表長さDL",       &kItemLengthM},
  {"動粘性係数ν m2/s",    "動粘性係数ν",      &kViscosity},
  {"定圧比熱cp W・h/(kg・℃)", "定圧比熱cp",     &kItemSpecificHeat},
  {"流体密度ρkg/m3",      "流体密度ρ",        &kItemDensity},
  {"熱伝導率λW/m℃",       "熱伝導率λ",        &kItemConductivity},
  {"表面温度T2 ℃",        "表面温度T2",       &kProcess},
  {"外気温度T1 ℃",        "外気温度T1",       &kProcess},
  {"体積膨張率β1/ｋ",     "体積膨張率β",      &kExpansion},
  // Entries' own items.
  {"長さX ｍ",            "長さX",            &kItemLengthM},
  {"長さL ｍ",            "長さL",            &kItemLengthM},
  {"係数　Ｃ",            "係数C",            &kNumber},
  {"係数　ｎ",            "係数n",            &kNumber},
  {"係数　ｍ",            "係数m",            &kNumber},
  {"粘性係数μ ",          "粘性係数μ",        &kNumber},
  {"壁面粘性係数μ∞ ",     "壁面粘性係数μ∞",   &kNumber},
  {"壁面粘性係数μw ",     "壁面粘性係数μw",   &kNumber},
  {"c",                   "c",                &kNumber},
  {"m",                   "m",                &kNumber},
  // The simple formulas.
  {"代表長さL ｍ",        "代表長さL",        &kItemLengthM},
  {"代表径d ｍ",          "代表径d",          &kItemLengthM},
  {"直径d ｍ",            "直径d",            &kItemLengthM},
  {"管径D ｍ",            "管径D",            &kItemLengthM},
  {"定圧比熱cp kcal/kg℃", "定圧比熱cp",       &kItemKcal},
  {"平均流速u m/s",       "平均流速u",        &kVelocity},
  {"流体温度t ℃",         "流体温度t",        &kProcess},
  {"風速u ｍ/s",          "風速u",            &kVelocity},
  {"風速u ｍ/ｓ",         "風速u",            &kVelocity},
  // Fins, layered walls and scale.
  {"伝達率h W/mk",        "伝達率h",          &kCoefficient},
  {"周長c m",             "周長c",            &kFinLengthM},
  {"伝導率k W/m2k",       "伝導率k",          &kItemConductivity},
  {"断面積s m2",          "断面積s",          &kItemAreaM2},
  {"突き出しL m",         "突き出しL",        &kFinLengthM},
  {"管径 m（円管）",      "管径",             &kFinLengthM},
  {"フィン厚さｔ m",      "フィン厚さt",      &kFinLengthM},
  {"フィンピッチp m",     "フィンピッチp",    &kFinLengthM},
  {"位置X m",             "位置X",            &kFinLengthM},
  {"外気温度Tｓ ℃",       "外気温度Ts",       &kProcess},
  {"根元温度To ℃",        "根元温度To",       &kProcess},
  {"t1 m",                "t1",               &kItemThinM},
  {"t2 m",                "t2",               &kItemThinM},
  {"t3 m",                "t3",               &kItemThinM},
  {"λ1 W/m2k",            "λ1",               &kItemConductivity},
  {"λ2 W/m2k",            "λ2",               &kItemConductivity},
  {"λ3 W/m2k",            "λ3",               &kItemConductivity},
  {"D m",                 "D",                &kItemThinM},
  {"w/cm2",               "熱流束w",          &kItemFlux},
  {"f(conc,T)",           "f(conc,T)",        &kNumber},
  {"時間Ｈ",              "時間",             &kItemHours},
};
// clang-format on

}  // namespace

std::span<const MistakeRow> Mistakes() { return kMistakes; }

const MistakeRow& MistakeOf(Mistake kind) {
  for (const MistakeRow& m : kMistakes)
    if (m.kind == kind) return m;
  return kMistakes[0];
}

std::span<const FieldRow> FieldCatalogue() { return kFields; }

std::vector<const char*> CalculatorResultFields() {
  std::vector<const char*> fields;
  for (const FieldRow& row : kFields) {
    if (row.role != FieldRole::Result || std::strcmp(row.panel, "Panel21") == 0) continue;
    if (std::none_of(fields.begin(), fields.end(),
                     [&](const char* f) { return std::strcmp(f, row.field) == 0; }))
      fields.push_back(row.field);
  }
  return fields;
}

std::span<const ItemRow> ItemCatalogue() { return kItems; }

const ItemRow* ItemRowOf(const QString& caption) {
  for (const ItemRow& r : kItems)
    if (caption == QString::fromUtf8(r.caption)) return &r;
  return nullptr;
}
