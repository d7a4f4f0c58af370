// 平板放熱 on the flat panel (code "1"): the steady loss at a constant inner
// temperature (Button71 "定温放熱") or the cooling over time ("自然放熱"),
// through one face or both faces (Label30).
#include <functional>
#include <optional>

#include "calc/design/DesignRuns.h"
#include "calc/design/ThicknessSolve.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/HeatGain.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "foundation/NumberText.h"
#include "operations/common/ComparisonTable.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/WindowControls.h"
#include "operations/heatloss/FlatPanel.h"
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
using HeatLossFields::IsThickness;

namespace {

// Thicknesses that stand for a missing layer: the structure in mm as it
// is briefly shown in its field, the insulation in m.
const QString kNoStructure = QStringLiteral("0.0001");
constexpr long double kNoInsulation = 1E-7L;

// Reads the common inputs and replaces missing thicknesses; empty when
// neither thickness is given.
std::optional<FlatPlateInputs> Prepare(Fields& f) {
  if (!IsThickness(f.Text(Flat::StructureThickness)) && !IsThickness(f.Text(Flat::InsulationThickness)))
    return std::nullopt;
  FlatPlateInputs in;
  in.Ta = f.Number(Flat::Ambient);
  in.Ti = f.Number(Flat::StructureInner);
  in.A = f.Number(Flat::Area);
  in.h = f.Number(Surface::Coefficient);
  in.e = f.Number(Surface::Emissivity);
  in.sigma = HeatLossFields::StefanBoltzmann(f, HeatLossFields::Mantissa::WholeText);
  for (const char* size : {Flat::Area, Flat::StructureConductivity, Flat::InsulationConductivity})
    if (!FieldRules::Positive(f, size)) return std::nullopt;
  if (!FieldRules::Thickness(f, Flat::StructureThickness) ||
      !FieldRules::Thickness(f, Flat::InsulationThickness))
    return std::nullopt;
  if (IsThickness(f.Text(Flat::InsulationThickness))) {
    in.L2 = f.Number(Flat::InsulationThickness) / 1000;
  } else {
    in.L2 = kNoInsulation;
    f.SetText(Flat::InsulationThickness, QStringLiteral("0"));
  }
  if (IsThickness(f.Text(Flat::StructureThickness))) {
    in.L1 = f.Number(Flat::StructureThickness) / 1000;
  } else {
    // The structure counts as 0.0001 mm; the field is left empty.
    f.SetText(Flat::StructureThickness, kNoStructure);
    in.L1 = f.Number(Flat::StructureThickness) / 1000;
    f.SetText(Flat::StructureThickness, QString());
  }
  in.k2 = f.Number(Flat::InsulationConductivity);
  in.k1 = f.Number(Flat::StructureConductivity);
  if (!SurfaceOptions::ReadInto(f, HeatLossPanel::Flat, in, in.Ta, in.Ti)) return std::nullopt;
  in.Ta = in.Ta + kKelvin;
  in.Ti = in.Ti + kKelvin;
  return in;
}

}  // namespace

std::optional<FlatPlateInputs> FlatPlateInputsOf(Fields& f) { return Prepare(f); }

CoolingInputs FlatPlateCoolingOf(Fields& f) {
  CoolingInputs cooling;
  cooling.rho = f.Number(Flat::Density);
  cooling.c = f.Number(Flat::SpecificHeat);
  cooling.hours = f.Number(Flat::Hours);
  cooling.bothFaces = f.Modes().panels.flat.bothFaces;
  return cooling;
}

bool FlatPlateCools(Fields& f) { return f.Modes().panels.flat.cooling; }

namespace {

using SurfaceCondensation::Humidity;

void WriteResults(Fields& f, const FlatPlateInputs& in, const FlatPlateResult& r, const Humidity& humidity) {
  f.SetText(Flat::StructureOuter, RoundHundredths(r.interface));
  f.SetText(Flat::InsulationInner, f.Text(Flat::StructureOuter));
  f.SetText(Flat::Surface, RoundHundredths(r.surface));
  HeatFlowDisplay::WriteSurfaceFlows(f, r.convective, r.radiative, r.total, RoundHundredths);
  HeatFlowDisplay::WriteFlux(f, r.flux, IsHeatGain(r.total));
  WriteResult(f, SurfaceCondensation::kFlat, humidity.rh, r.surface, f.Number(Flat::Ambient));
  if (in.outer.on) SurfaceOptions::ShowOuter(f, OuterSurfaceOf(in), r.surface);
}

void HeatLoss(Fields& f, const Humidity& humidity) {
  const std::optional<FlatPlateInputs> in = Prepare(f);
  if (!in) return;
  const FlatPlateResult r = FlatPlateSteady(*in);
  if (!SurfaceOptions::BalanceFound(f, r.total, in->Ti - kKelvin, in->Ta - kKelvin,
                                    SurfaceOptions::WithTypedCoefficient(*in, &FlatPlateSteady)))
    return;
  WriteResults(f, *in, r, humidity);
}

void Cooling(Fields& f, const Humidity& humidity) {
  const std::optional<FlatPlateInputs> in = Prepare(f);
  if (!in) return;
  const FlatPlateResult r = FlatPlateCooling(*in, FlatPlateCoolingOf(f));
  if (!SurfaceOptions::BalanceFound(f, r.total, r.plate, in->Ta - kKelvin,
                                    SurfaceOptions::WithTypedCoefficient(*in, &FlatPlateSteady)))
    return;
  WriteResults(f, *in, r, humidity);
  f.SetText(Flat::AfterHours, RoundHundredths(r.plate));
}

void Run(Fields& f) {
  const Humidity humidity = ReadHumidity(f, SurfaceCondensation::kFlat);
  if (humidity.refused) return;
  if (!FlatPlateCools(f))
    HeatLoss(f, humidity);
  else
    Cooling(f, humidity);
}

// Button71: switches between the steady loss and the cooling, then runs.
bool ToggleCooling(Form& f) {
  FlatPanelModel& flat = f.State().Panels().flat;
  flat.cooling = !flat.cooling;
  flat.bothFaces = false;
  FlatPanel::ShowModel(f);
  return true;
}

// Label30: keeps its caption in the pick-up cell; in cooling mode switches
// between one face and both faces, then runs.
bool ToggleFaces(Form& f) {
  f.Store().SetCell(StoreCells::kPickUp, f.Text(Flat::Faces));
  FlatPanelModel& flat = f.State().Panels().flat;
  if (!flat.cooling) return false;
  flat.bothFaces = !flat.bothFaces;
  FlatPanel::ShowModel(f);
  return true;
}

// clang-format off
const ExportRow kExportRows[] = {
  {8,  "熱伝導率 W/m℃",  "保温材", FieldText(Flat::InsulationConductivity)},
  {9,  nullptr,          "構造材", FieldText(Flat::StructureConductivity)},
  {10, "厚さ mm",        "保温材", FieldText(Flat::InsulationThickness)},
  {11, nullptr,          "構造材", FieldText(Flat::StructureThickness)},
};
// Rows 12..16, written only in natural-cooling mode.
const ExportRow kCoolingExportRows[] = {
  {12, "伝熱密度 W/cm2",    nullptr, FieldText(Flat::Flux)},
  {13, "密度 ｇ/cm3",       nullptr, FieldText(Flat::Density)},
  {14, "比熱 ｋcal/kg℃",    nullptr, FieldText(Flat::SpecificHeat)},
  {15, "時間 ｈ",           nullptr, FieldText(Flat::Hours)},
  {16, "ｈ後の温度℃",       nullptr, FieldText(Flat::AfterHours)},
};
// clang-format on

// The flux row once a column holds a heat gain (a negative loss).
const HeatFlowDisplay::SignedRow kSignedFlux[] = {{12, "伝熱密度 W/cm2（負は取得熱）"}};

void Export(Form& f, ComparisonTable& table) {
  const ExportBlock block{"平板放熱", 17, 2, FlatPanel::CommonExportRows()};
  const bool cooling = f.State().Panels().flat.cooling;
  const ComparisonTable::Rows cooled = cooling ? ComparisonTable::Rows(kCoolingExportRows) : ComparisonTable::Rows();
  // In natural cooling the label says whether one face or both give off heat.
  const QString suffix = cooling ? QStringLiteral(" ") + f.Text(Flat::Faces).left(2) : QString();
  const int column = table.WriteBlock(block, {kExportRows, cooled}, suffix);
  if (column >= 0 && cooling)
    HeatFlowDisplay::SignGains(table.Grid(), column, block.firstColumn, HeatFlowDisplay::ShowsFluxGain(f),
                               kSignedFlux);
}

// clang-format off
const SelectionStep kSelection[] = {
  {SelectionStep::Show, Flat::Buttons}, {SelectionStep::Show, Flat::Panel},
  {SelectionStep::Hide, Cylinder::Panel}, {SelectionStep::Hide, Cylinder::Buttons}, {SelectionStep::Hide, PipeFlow::Panel},
  {SelectionStep::Caption, Flat::Title, "平板放熱"},
  {SelectionStep::Show, Flat::Faces}, {SelectionStep::Show, Flat::CoolingMode}, {SelectionStep::Show, Flat::Surface},
  {SelectionStep::Show, Flat::InsulationInner}, {SelectionStep::Show, Flat::InsulationConductivity}, {SelectionStep::Show, Flat::InsulationThickness},
  {SelectionStep::Hide, Flat::HotGasCaption}, {SelectionStep::Hide, Flat::HotGas}, {SelectionStep::Hide, Surface::InnerCoefficient},
  {SelectionStep::Hide, Surface::InnerEmissivity}, {SelectionStep::Hide, Surface::InnerCoefficientCaption}, {SelectionStep::Hide, Surface::InnerEmissivityCaption},
  {SelectionStep::Hide, Cylinder::TogglePipeFlow}, {SelectionStep::Hide, Cylinder::PipeFlowRun},
  {SelectionStep::Enable, Flat::StructureInner}, {SelectionStep::Enable, Flat::StructureThickness}, {SelectionStep::Enable, Flat::Flux},
  {SelectionStep::ResultColour, Flat::StructureOuter}, {SelectionStep::InputColour, Flat::StructureInner},
};
// clang-format on

const PanelAction kActions[] = {{Flat::CoolingMode, ToggleCooling}, {Flat::Faces, ToggleFaces}};

// グラフ: the temperature through the layers, or the plate's cooling over time.
ChartPlot Chart(Fields& f, const std::atomic<bool>*) {
  using namespace CurveParts;
  using namespace LayerChart;
  const bool cools = FlatPlateCools(f);
  const QString title =
      cools ? QStringLiteral("平板放熱（自然放熱）　板の温度") : QStringLiteral("平板放熱　層内の温度");
  if (!FlatPanel::Ready(f, kFlatPlateCalculator)) return NoResult(title);
  const std::optional<FlatPlateInputs> in = FlatPlateInputsOf(f);
  if (!in) return NoResult(title);
  const long double air = in->Ta - kKelvin;
  if (!cools)
    return ProfilePlot(title, kFromInside, curves::FlatPlateProfile(*in, FlatPlateSteady(*in)), air);

  const CoolingInputs cooling = FlatPlateCoolingOf(f);
  curves::Series plate;
  FlatPlateCooling(*in, cooling, &plate);
  ChartPlot plot = NewPlot(cooling.bothFaces ? QStringLiteral("平板放熱（自然放熱・両面）　板の温度") : title,
                           kHours, kTemperature);
  plot.curves.push_back(NewCurve(QStringLiteral("板の温度"), plate));
  plot.curves.push_back(Level(kAir, air, 0, plate.back().x));
  return plot;
}

void BindDesign(const FlatPlateInputs& in, DesignInputs& d) {
  HeatLossDesign::BindThickness(in, d, &DesignCalc::SolveFlatPlateThickness, &DesignCalc::FlatPlateQuantity,
                                &DesignCalc::FlatPlateEconomics);
}

DesignHook::Read ReadDesign(Fields& f) {
  DesignHook::Read r = HeatLossDesign::Read(f, FlatPanel::Ready(f, kFlatPlateCalculator), &SurfaceCondensation::kFlat,
                                            Flat::Ambient, &FlatPlateInputsOf, &BindDesign);
  if (r.inputs) r.inputs->cooling = FlatPlateCools(f);
  return r;
}

const DesignHook kDesign = {.solves = DesignHook::Solves::Thickness,
                            .field = Flat::InsulationThickness,
                            .perMetre = false,
                            .fluidEnd = false,
                            .read = ReadDesign};

QStringList Method(const RunModes& modes) {
  QString first = QStringLiteral(
      "構造材と保温材の二層の平板で、内側の温度から両層を伝わる熱と外表面から逃げる熱とが釣り合う"
      "外表面温度を求め、放熱量と層の間の温度を出す。");
  if (modes.panels.flat.cooling)
    first += QStringLiteral("自然放熱では、構造材に蓄えた熱（密度と比熱から）が表面から逃げて温度が下がる様子を、"
                            "時間を2000段に分けて追う。");
  return MethodLines(first);
}

}  // namespace

extern const HeatLossCalculator kFlatPlateCalculator = {
    .code = Calculator::FlatPlate,
    .name = "平板放熱",
    .panel = HeatLossPanel::Flat,
    .selectButton = Selection::FlatPlate,
    .selectCaption = "平板放熱",
    .kind = nullptr,
    .selection = kSelection,
    .prepare = FlatPanel::ShowModel,
    .afterBack = {},
    .runAfterSelection = true,
    .fields = FlatPanel::FieldCells(),
    .run = Run,
    .actions = kActions,
    .controls = {},
    .hooks = {.curve = Chart,
              .design = &kDesign,
              .optionCells = FlatPanel::OptionCells(),
              .method = Method,
              .exportTo = Export},
};
