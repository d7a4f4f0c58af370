// 平板熱通過 on the flat panel (code "3"): a flat wall of two layers between
// a hot gas (Edit26, inner coefficient Edit69, inner emissivity Edit83) and
// the ambient air.
#include "calc/design/DesignRuns.h"
#include "calc/design/ThicknessSolve.h"
#include "calc/heatloss/FlatWall.h"
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

// A missing layer counts as 0.000001 mm, shown briefly in its field.
const QString kNoLayer = QStringLiteral("0.000001");

}  // namespace

std::optional<FlatWallInputs> FlatWallInputsOf(Fields& f) {
  if (f.IsEmpty(Surface::InnerCoefficient) || f.IsEmpty(Surface::Coefficient)) return std::nullopt;
  if (!IsThickness(f.Text(Flat::StructureThickness)) && !IsThickness(f.Text(Flat::InsulationThickness)))
    return std::nullopt;
  if (f.IsEmpty(Flat::InsulationThickness)) return std::nullopt;

  FlatWallInputs in;
  in.Tg = f.Number(Flat::HotGas);
  in.Ta = f.Number(Flat::Ambient);
  in.k2 = f.Number(Flat::InsulationConductivity);
  in.k1 = f.Number(Flat::StructureConductivity);
  in.A = f.Number(Flat::Area);
  in.hi = f.Number(Surface::InnerCoefficient);
  in.h = f.Number(Surface::Coefficient);
  in.ei = f.Number(Surface::InnerEmissivity);
  in.e = f.Number(Surface::Emissivity);
  in.sigma = HeatLossFields::StefanBoltzmann(f, HeatLossFields::Mantissa::WholeText);
  for (const char* size : {Flat::Area, Flat::StructureConductivity, Flat::InsulationConductivity})
    if (!FieldRules::Positive(f, size)) return std::nullopt;
  if (!FieldRules::Thickness(f, Flat::StructureThickness) ||
      !FieldRules::Thickness(f, Flat::InsulationThickness))
    return std::nullopt;
  if (f.Text(Flat::InsulationThickness) != QStringLiteral("0")) {
    in.L2 = f.Number(Flat::InsulationThickness) / 1000;
  } else {
    f.SetText(Flat::InsulationThickness, kNoLayer);
    in.L2 = f.Number(Flat::InsulationThickness) / 1000;
    f.SetText(Flat::InsulationThickness, QStringLiteral("0"));
  }
  if (IsThickness(f.Text(Flat::StructureThickness))) {
    in.L1 = f.Number(Flat::StructureThickness) / 1000;
  } else {
    f.SetText(Flat::StructureThickness, kNoLayer);
    in.L1 = f.Number(Flat::StructureThickness) / 1000;
    f.SetText(Flat::StructureThickness, QString());
  }
  if (!SurfaceOptions::ReadInto(f, HeatLossPanel::Flat, in, in.Ta, in.Tg)) return std::nullopt;
  in.Ta = in.Ta + kKelvin;
  in.Tg = in.Tg + kKelvin;
  return in;
}

namespace {

void Run(Fields& f) {
  const SurfaceCondensation::Humidity humidity = ReadHumidity(f, SurfaceCondensation::kFlat);
  if (humidity.refused) return;
  const std::optional<FlatWallInputs> in = FlatWallInputsOf(f);
  if (!in) return;
  const FlatWallResult r = FlatWallTransmission(*in);
  if (!SurfaceOptions::BalanceFound(f, r.total, in->Tg - kKelvin, in->Ta - kKelvin,
                                    SurfaceOptions::WithTypedCoefficient(*in, &FlatWallTransmission)))
    return;
  f.SetText(Flat::StructureOuter, RoundHundredths(r.interface));
  f.SetText(Flat::InsulationInner, f.Text(Flat::StructureOuter));
  f.SetText(Flat::Surface, RoundHundredths(r.outerSurface));
  f.SetText(Flat::StructureInner, RoundHundredths(r.innerSurface));
  HeatFlowDisplay::WriteSurfaceFlows(f, r.convective, r.radiative, r.total, RoundHundredths);
  HeatFlowDisplay::WriteFlux(f, r.flux, IsHeatGain(r.total));
  WriteResult(f, SurfaceCondensation::kFlat, humidity.rh, r.outerSurface, f.Number(Flat::Ambient));
  if (in->outer.on) SurfaceOptions::ShowOuter(f, OuterSurfaceOf(*in), r.outerSurface);
}

// clang-format off
const ExportRow kExportRows[] = {
  {8,  nullptr,          "高温内気", FieldText(Flat::HotGas)},
  {9,  "熱伝導率 W/m℃",  "保温材",   FieldText(Flat::InsulationConductivity)},
  {10, nullptr,          "構造材",   FieldText(Flat::StructureConductivity)},
  {11, "厚さ mm",        "保温材",   FieldText(Flat::InsulationThickness)},
  {12, nullptr,          "構造材",   FieldText(Flat::StructureThickness)},
  {13, "伝熱密度 W/cm2", nullptr,    FieldText(Flat::Flux)},
};
// clang-format on

// The flux row once a column holds a heat gain (a negative loss).
const HeatFlowDisplay::SignedRow kSignedFlux[] = {{13, "伝熱密度 W/cm2（負は取得熱）"}};

void Export(Form& f, ComparisonTable& table) {
  const ExportBlock block{"平板熱通過", 14, 2, FlatPanel::CommonExportRows()};
  const int column = table.WriteBlock(block, {kExportRows});
  if (column >= 0)
    HeatFlowDisplay::SignGains(table.Grid(), column, block.firstColumn, HeatFlowDisplay::ShowsFluxGain(f),
                               kSignedFlux);
}

// clang-format off
const SelectionStep kSelection[] = {
  {SelectionStep::Show, Flat::Buttons}, {SelectionStep::Show, Flat::Panel},
  {SelectionStep::Hide, Cylinder::Panel}, {SelectionStep::Hide, Cylinder::Buttons}, {SelectionStep::Hide, PipeFlow::Panel},
  {SelectionStep::Caption, Flat::Title, "平板熱通過"},
  {SelectionStep::Hide, Flat::Faces}, {SelectionStep::Hide, Flat::CoolingMode}, {SelectionStep::Hide, Cylinder::TogglePipeFlow},
  {SelectionStep::Hide, Cylinder::PipeFlowRun},
  {SelectionStep::Show, Flat::HotGasCaption}, {SelectionStep::Show, Surface::InnerCoefficientCaption}, {SelectionStep::Show, Surface::InnerEmissivityCaption},
  {SelectionStep::Show, Flat::HotGas}, {SelectionStep::Show, Flat::Surface}, {SelectionStep::Show, Flat::InsulationInner},
  {SelectionStep::Show, Flat::InsulationConductivity}, {SelectionStep::Show, Flat::InsulationThickness}, {SelectionStep::Show, Surface::InnerCoefficient},
  {SelectionStep::Show, Surface::InnerEmissivity},
  {SelectionStep::Enable, Flat::StructureThickness}, {SelectionStep::Disable, Flat::Flux},
  {SelectionStep::ResultColour, Flat::StructureOuter}, {SelectionStep::ResultColour, Flat::StructureInner},
};
// clang-format on

// グラフ: the temperature from the hot gas through the layers to the air.
ChartPlot Chart(Fields& f, const std::atomic<bool>*) {
  using namespace CurveParts;
  const QString title = QStringLiteral("平板熱通過　層内の温度");
  if (!FlatPanel::Ready(f, kFlatWallCalculator)) return NoResult(title);
  const std::optional<FlatWallInputs> in = FlatWallInputsOf(f);
  if (!in) return NoResult(title);
  const curves::LayerProfile p = curves::FlatWallProfile(*in, FlatWallTransmission(*in));
  ChartPlot plot = LayerChart::ProfilePlot(title, LayerChart::kFromInside, p, in->Ta - kKelvin);
  plot.curves.push_back(
      Level(QStringLiteral("内気温度"), in->Tg - kKelvin, p.points.front().x, p.points.back().x));
  return plot;
}

void BindDesign(const FlatWallInputs& in, DesignInputs& d) {
  HeatLossDesign::BindThickness(in, d, &DesignCalc::SolveFlatWallThickness, &DesignCalc::FlatWallQuantity,
                                &DesignCalc::FlatWallEconomics);
}

DesignHook::Read ReadDesign(Fields& f) {
  return HeatLossDesign::Read(f, FlatPanel::Ready(f, kFlatWallCalculator), &SurfaceCondensation::kFlat, Flat::Ambient,
                              &FlatWallInputsOf, &BindDesign);
}

const DesignHook kDesign = {.solves = DesignHook::Solves::Thickness,
                            .field = Flat::InsulationThickness,
                            .perMetre = false,
                            .fluidEnd = false,
                            .read = ReadDesign};

QStringList Method(const RunModes&) {
  return MethodLines(QStringLiteral(
      "高温の気体から内面へ対流と放射で伝わる熱が構造材と保温材を通って外表面から外気へ逃げるとして、"
      "熱の流れが釣り合う各面の温度と放熱量を求める。"));
}

// The flat wall has no cooling: the flat plate's mode returns to the steady loss.
void EndCooling(Form& f) {
  f.State().Panels().flat = {};
  FlatPanel::ShowModel(f);
}

}  // namespace

extern const HeatLossCalculator kFlatWallCalculator = {
    .code = Calculator::FlatWall,
    .name = "平板熱通過",
    .panel = HeatLossPanel::Flat,
    .selectButton = Selection::FlatWall,
    .selectCaption = "平板熱通過",
    .kind = nullptr,
    .selection = kSelection,
    .prepare = EndCooling,
    .afterBack = {},
    .runAfterSelection = false,
    .fields = FlatPanel::FieldCells(),
    .run = Run,
    .actions = {},
    .controls = {},
    .hooks = {.curve = Chart,
              .design = &kDesign,
              .optionCells = FlatPanel::OptionCells(),
              .method = Method,
              .exportTo = Export},
};
