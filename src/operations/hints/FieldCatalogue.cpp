#include "operations/hints/FieldCatalogue.h"

#include <algorithm>
#include <cstring>

#include "operations/common/CoefficientControls.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/HeatingControls.h"
#include "operations/common/WindowControls.h"

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
  {Surface::Emissivity, Surface::Panel,  Surface::EmissivityCaption, nullptr,   nullptr,   In,     &kFraction},
  // Edit17 and Edit69 show the computed coefficients while 自動 is on.
  {Surface::Coefficient, Surface::Panel,  Surface::CoefficientCaption, nullptr,   nullptr,   Either, &kCoefficient},
  {Surface::ConvectiveLoss, Surface::Panel,  Surface::ConvectiveLossCaption, nullptr,   nullptr,   Out,    &kWatt},
  {Surface::RadiativeLoss, Surface::Panel,  Surface::RadiativeLossCaption, nullptr,   nullptr,   Out,    &kWatt},
  {Surface::TotalLoss, Surface::Panel,  Surface::TotalLossCaption, nullptr,   nullptr,   Out,    &kWatt},
  {Surface::InnerCoefficient, Surface::Panel,  Surface::InnerCoefficientCaption, nullptr,   nullptr,   Either, &kCoefficient},
  {Surface::InnerEmissivity, Surface::Panel,  Surface::InnerEmissivityCaption, nullptr,   nullptr,   In,     &kFraction},

  // The cylinder panel: rows of captions, columns of layers; a row of one
  // value (power, length, flux) is named by its row alone.
  {Cylinder::Layer1Outer,  Cylinder::Panel,  Cylinder::OuterRowCaption,  Cylinder::Layer1Caption, nullptr,   Out,    &kCelsius},
  {Cylinder::Surface,  Cylinder::Panel,  Cylinder::OuterRowCaption,  Cylinder::Layer2Caption, nullptr,   Out,    &kCelsius},
  {Cylinder::Ambient,  Cylinder::Panel,  nullptr,   Cylinder::AmbientCaption, nullptr,   In,     &kAmbient},
  {Cylinder::FluidInlet, Cylinder::Panel,  nullptr,   Cylinder::Column1Caption,  nullptr,   In,     &kProcess},
  {Cylinder::Layer1Inner,  Cylinder::Panel,  Cylinder::InnerRowCaption,  Cylinder::Layer1Caption, nullptr,   Either, &kProcess},
  {Cylinder::Layer2Inner, Cylinder::Panel,  Cylinder::InnerRowCaption,  Cylinder::Layer2Caption, nullptr,   Out,    &kCelsius},
  {Cylinder::Layer1Conductivity,  Cylinder::Panel,  Cylinder::ConductivityRowCaption,  Cylinder::Layer1Caption, nullptr,   In,     &kConductivity},
  {Cylinder::Layer2Conductivity,  Cylinder::Panel,  Cylinder::ConductivityRowCaption,  Cylinder::Layer2Caption, nullptr,   In,     &kConductivity},
  {Cylinder::Power,  Cylinder::Panel,  Cylinder::PowerRowCaption,  nullptr,   nullptr,   In,     &kPowerW},
  {Cylinder::WireDiameter,  Cylinder::Panel,  Cylinder::DiameterRowCaption,  Cylinder::Column1Caption,  nullptr,   In,     &kWireMm},
  {Cylinder::Layer1Diameter, Cylinder::Panel,  Cylinder::DiameterRowCaption,  Cylinder::Layer1Caption, nullptr,   In,     &kDiameterMm},
  {Cylinder::Layer2Diameter, Cylinder::Panel,  Cylinder::DiameterRowCaption,  Cylinder::Layer2Caption, nullptr,   Out,    &kMillimetre},
  {Cylinder::Layer1Thickness, Cylinder::Panel,  Cylinder::ThicknessRowCaption,  Cylinder::Layer1Caption, nullptr,   In,     &kThicknessMm},
  {Cylinder::Layer2Thickness, Cylinder::Panel,  Cylinder::ThicknessRowCaption,  Cylinder::Layer2Caption, nullptr,   In,     &kThicknessMm},
  {Cylinder::Length, Cylinder::Panel,  Cylinder::LengthRowCaption,  nullptr,   nullptr,   In,     &kLengthM},
  {Cylinder::FluxOrFluidEnd, Cylinder::Panel,  Cylinder::FluxCaption,  nullptr,   Cylinder::FluxCaption,  Out,    &kFlux},
  {Cylinder::FluxOrFluidEnd, Cylinder::Panel,  Cylinder::FluidEndCaption, nullptr,   Cylinder::FluidEndCaption, Out,    &kCelsius},
  // Pipe flow's own inputs.
  {PipeFlow::Density, PipeFlow::Panel, PipeFlow::DensityCaption, nullptr,   nullptr,   In,     &kDensity},
  {PipeFlow::SpecificHeat, PipeFlow::Panel, PipeFlow::SpecificHeatCaption, nullptr,   nullptr,   In,     &kSpecificHeat},
  {PipeFlow::InnerDiameter, PipeFlow::Panel, PipeFlow::InnerDiameterCaption, nullptr,  nullptr,   In,     &kBoreM},
  {PipeFlow::Flow, PipeFlow::Panel, PipeFlow::FlowCaption, nullptr,  nullptr,   In,     &kFlow},
  {PipeFlow::Ambient, PipeFlow::Panel, PipeFlow::AmbientCaption, nullptr,   nullptr,   In,     &kAmbient},
  // The relative humidity of the air (empty: condensation not checked).
  {"CylinderHumidity", Cylinder::Panel, "CylinderHumidityCaption", nullptr, nullptr, In, &kHumidity},
  {"PipeHumidity",     Cylinder::Panel, "PipeHumidityCaption",     nullptr, nullptr, In, &kHumidity},

  // The flat panel.
  {Flat::Area,  Flat::Panel,  Flat::AreaCaption, nullptr,   nullptr,   In,     &kAreaM2},
  {Flat::Ambient, Flat::Panel,  nullptr,   Flat::AmbientCaption, nullptr,   In,     &kAmbient},
  {Flat::StructureOuter, Flat::Panel,  Flat::OuterRowCaption, Flat::StructureCaption, nullptr,   Out,    &kCelsius},
  {Flat::Surface, Flat::Panel,  Flat::OuterRowCaption, Flat::InsulationCaption, nullptr,   Out,    &kCelsius},
  {Flat::HotGas, Flat::Panel,  Flat::InnerRowCaption, Flat::HotGasCaption, nullptr,   In,     &kProcess},
  {Flat::StructureInner, Flat::Panel,  Flat::InnerRowCaption, Flat::StructureCaption, nullptr,   Either, &kProcess},
  {Flat::InsulationInner, Flat::Panel,  Flat::InnerRowCaption, Flat::InsulationCaption, nullptr,   Out,    &kCelsius},
  {Flat::StructureConductivity, Flat::Panel,  Flat::ConductivityRowCaption, Flat::StructureCaption, nullptr,   In,     &kConductivity},
  {Flat::InsulationConductivity, Flat::Panel,  Flat::ConductivityRowCaption, Flat::InsulationCaption, nullptr,   In,     &kConductivity},
  {Flat::StructureThickness, Flat::Panel,  Flat::ThicknessRowCaption, Flat::StructureCaption, nullptr,   In,     &kThicknessMm},
  {Flat::InsulationThickness, Flat::Panel,  Flat::ThicknessRowCaption, Flat::InsulationCaption, nullptr,   In,     &kThicknessMm},
  {Flat::Flux, Flat::Panel,  Flat::FluxCaption, nullptr,   nullptr,   Out,    &kFlux},
  {Flat::Density, Flat::Panel,  Flat::DensityCaption, nullptr,   nullptr,   In,     &kDensity},
  {Flat::SpecificHeat, Flat::Panel,  Flat::SpecificHeatCaption, nullptr,   nullptr,   In,     &kSpecificHeat},
  {Flat::Hours, Flat::Panel,  Flat::HoursCaption, nullptr,   nullptr,   In,     &kHours},
  {Flat::AfterHours, Flat::Panel,  Flat::AfterHoursCaption, nullptr,   nullptr,   Out,    &kCelsius},
  {"FlatHumidity", Flat::Panel, "FlatHumidityCaption", nullptr, nullptr, In,  &kHumidity},

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
  {Heating::Height, Heating::Panel, Heating::HeightCaption, nullptr,   nullptr,   In,     &kSideM},
  {Heating::Width, Heating::Panel, Heating::WidthCaption, nullptr,   nullptr,   In,     &kSideM},
  {Heating::Depth, Heating::Panel, Heating::DepthCaption, nullptr,   nullptr,   In,     &kSideM},
  {Heating::Volume, Heating::Panel, Heating::VolumeCaption, nullptr,   nullptr,   Out,    &kCubicMetre},
  {Heating::Mass, Heating::Panel, Heating::VolumeCaption, nullptr,   nullptr,   Out,    &kKilogram},
  {Heating::WallThickness, Heating::Panel, Heating::WallThicknessCaption, nullptr,   nullptr,   In,     &kThicknessMm},
  {Heating::InsulationThickness, Heating::Panel, Heating::InsulationThicknessCaption, nullptr,   nullptr,   In,     &kThicknessMm},
  {Heating::Ambient, Heating::Panel, Heating::AmbientCaption, nullptr,   Heating::PowerCaption, In,     &kAmbient},
  {Heating::Ambient, Heating::Panel, Heating::AmbientCaption, nullptr,   Heating::ConvectionOnlyCaption, In,     &kProcess},
  {Heating::Before, Heating::Panel, Heating::BeforeCaption, nullptr,   nullptr,   In,     &kProcess},
  {Heating::After, Heating::Panel, Heating::AfterCaption, nullptr,   nullptr,   In,     &kProcess},
  {Heating::RiseTime, Heating::Panel, Heating::RiseTimeCaption, nullptr,   nullptr,   In,     &kHours},
  {Heating::ContentDensity, Heating::Panel, Heating::ContentDensityCaption, nullptr,   nullptr,   In,     &kDensity},
  {Heating::ContentHeat, Heating::Panel, Heating::ContentHeatCaption, nullptr,   nullptr,   In,     &kSpecificHeat},
  {Heating::ContainerDensity, Heating::Panel, Heating::ContainerDensityCaption, nullptr,   nullptr,   In,     &kDensity},
  {Heating::ContainerHeat, Heating::Panel, Heating::ContainerHeatCaption, nullptr,   nullptr,   In,     &kSpecificHeat},
  {Heating::WallConductivity, Heating::Panel, Heating::WallConductivityCaption, nullptr,   nullptr,   In,     &kConductivity},
  {Heating::InsulationConductivity, Heating::Panel, Heating::InsulationConductivityCaption, nullptr,   nullptr,   In,     &kConductivity},
  {Heating::ContentOnly, Heating::Panel, Heating::ContentOnlyCaption, nullptr,   nullptr,   Out,    &kWatt},
  {Heating::Result1, Heating::Panel, Heating::PowerCaption, nullptr,   Heating::PowerCaption, Out,    &kWatt},
  {Heating::Result1, Heating::Panel, Heating::ConvectionOnlyCaption, nullptr,   Heating::ConvectionOnlyCaption, Out,    &kCelsius},
  {Heating::Result2, Heating::Panel, Heating::LossShareCaption, nullptr,   Heating::LossShareCaption, Out,    &kPercent},
  {Heating::Result2, Heating::Panel, Heating::RadiationOnlyCaption, nullptr,   Heating::RadiationOnlyCaption, Out,    &kCelsius},
  {Heating::Result3, Heating::Panel, Heating::FinalLossCaption, nullptr,   Heating::FinalLossCaption, Out,    &kWatt},
  {Heating::Result3, Heating::Panel, Heating::BothCaption, nullptr,   Heating::BothCaption, Out,    &kCelsius},

  // The coefficient panel: the formula number and its results (its items
  // are in kItems).
  {Coefficient::Number, Coefficient::Panel, Coefficient::NumberCaption, nullptr,   nullptr,   In,     &kNumber},
  {Coefficient::Result, Coefficient::Panel, Coefficient::ResultCaption, nullptr,   nullptr,   Out,    &kCoefficientResult},
  {Coefficient::Formula, Coefficient::Panel, Coefficient::FormulaCaption, nullptr,   nullptr,   Out,    &kNumber},
  {Coefficient::Reynolds, Coefficient::Panel, Coefficient::ReynoldsCaption, nullptr,   nullptr,   Out,    &kNumber},
  {Coefficient::Prandtl, Coefficient::Panel, Coefficient::PrandtlCaption, nullptr,   nullptr,   Out,    &kNumber},
  {Coefficient::Grashof, Coefficient::Panel, Coefficient::GrashofCaption, nullptr,   nullptr,   Out,    &kNumber},
  {Coefficient::Rayleigh, Coefficient::Panel, Coefficient::RayleighCaption, nullptr,   nullptr,   Out,    &kNumber},
  {Coefficient::Nusselt, Coefficient::Panel, Coefficient::NusseltCaption, nullptr,   nullptr,   Out,    &kNumber},
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
    if (row.role != FieldRole::Result || std::strcmp(row.panel, Coefficient::Panel) == 0) continue;
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
