#include "operations/heatloss/FlatPanel.h"

#include "foundation/NumberText.h"
#include "operations/common/StoreActions.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/heatloss/SurfaceOptions.h"
#include "widgets/Form.h"

using namespace StoreCells;

namespace {

// clang-format off
const FieldBinding kFields[] = {
  {"Edit5", Cell("FlatArea")},
  {"Edit23", Cell("FlatStructureOuter")},
  {"Edit24", Cell("FlatInsulationOuter")},
  {"Edit25", Cell("FlatAmbient")},
  {"Edit26", Cell("FlatHotGas")},
  {"Edit27", Cell("FlatStructureInner")},
  {"Edit28", Cell("FlatInsulationInner")},
  {"Edit29", Cell("FlatStructureConductivity")},
  {"Edit30", Cell("FlatInsulationConductivity")},
  {"Edit31", Cell("FlatStructureThickness")},
  {"Edit32", Cell("FlatInsulationThickness")},
  {"Edit33", Cell("FlatFlux")},
  {"FlatHumidity", Cell("FlatHumidity")},
  // The cooling inputs of the flat plate; Back restores them last.
  {"Edit73", Cell("FlatDensity")},
  {"Edit74", Cell("FlatSpecificHeat")},
  {"Edit75", Cell("FlatHours")},
};
// The cooling inputs, which Back restores last.
bool IsCoolingField(const char* field) {
  for (const char* cooling : {"Edit73", "Edit74", "Edit75"})
    if (qstrcmp(field, cooling) == 0) return true;
  return false;
}

// The flat calculator on screen; none at start-up or in another mode.
const HeatLossCalculator* OnScreen(Form& f) {
  const std::optional<Calculator> code = f.State().OnScreen();
  const HeatLossCalculator* c = code ? HeatLossCalculatorOf(*code) : nullptr;
  return c && c->panel == HeatLossPanel::Flat ? c : nullptr;
}

// The options' cells, column 1 rows 21-28; the flat plate and the flat wall
// share them, as their fields.
const OptionCell kOptionCells[] = {
  {SurfaceOptions::kAuto, Cell("FlatOptionAuto")}, {SurfaceOptions::kOrientation, Cell("FlatOptionOrientation")}, {SurfaceOptions::kWind, Cell("FlatOptionWind")},
  {SurfaceOptions::kLength, Cell("FlatOptionLength")}, {SurfaceOptions::kB1, Cell("FlatOptionB1")}, {SurfaceOptions::kC1, Cell("FlatOptionC1")},
  {SurfaceOptions::kB2, Cell("FlatOptionB2")}, {SurfaceOptions::kC2, Cell("FlatOptionC2")},
};

const ExportRow kCommonExportRows[] = {
  {2,  "放熱面積 m2",    nullptr,  FieldText("Edit5")},
  {3,  "外気の温度 ℃",   nullptr,  FieldText("Edit25")},
  {4,  "外側の温度 ℃",   "保温材", FieldText("Edit24")},
  {5,  nullptr,          "構造材", FieldText("Edit23")},
  {6,  "内側の温度 ℃",   "保温材", FieldText("Edit28")},
  {7,  nullptr,          "構造材", FieldText("Edit27")},
};
// clang-format on

const QString kSteady = QStringLiteral("定温放熱");
const QString kCooling = QStringLiteral("自然放熱");
const QString kOneFace = QStringLiteral("片面のみからの放熱");
const QString kBothFaces = QStringLiteral("両面からの放熱");

// The cooling captions and fields: density, specific heat, time, the
// temperature after the time, and "放熱開始時温度" beside Edit27.
const char* const kCoolingControls[] = {"Label68", "Label69", "Label70", "Label71", "Label72",
                                        "Edit73",  "Edit74",  "Edit75",  "Edit76"};

}  // namespace

void FlatPanel::ShowModel(Form& f) {
  const FlatPanelModel& flat = f.State().Panels().flat;
  for (const char* name : kCoolingControls) f.SetShown(name, flat.cooling);
  f.SetText("Button71", flat.cooling ? kCooling : kSteady);
  f.SetText("Label30", flat.bothFaces ? kBothFaces : kOneFace);
}

std::span<const FieldBinding> FlatPanel::FieldCells() { return kFields; }
std::span<const OptionCell> FlatPanel::OptionCells() { return kOptionCells; }
std::span<const ExportRow> FlatPanel::CommonExportRows() { return kCommonExportRows; }

void FlatPanel::Run() { RunOn(f); }

bool FlatPanel::Ready(Fields& f) {
  for (const char* name : {"Edit5", "Edit25", "Edit26", "Edit29", "Edit30", "Edit22", "Edit69", "Edit17"})
    if (f.IsEmpty(name)) return false;
  return true;
}

void FlatPanel::RunOn(Fields& f) {
  if (!Ready(f)) return;
  const std::optional<Calculator> code = f.Modes().onScreen;
  const HeatLossCalculator* c = code ? HeatLossCalculatorOf(*code) : nullptr;
  if (c && c->panel == HeatLossPanel::Flat) c->run(f);
}

void FlatPanel::Save() {
  for (const char* name : {"Edit5", "Edit23", "Edit25", "Edit26", "Edit27", "Edit29", "Edit30", "Edit31", "Edit32",
                           "Edit73", "Edit74", "Edit75"})
    if (f.IsEmpty(name)) return;
  const HeatLossCalculator* c = OnScreen(f);
  for (const FieldBinding& b : c ? c->fields : FieldCells())
    if (b.saved) f.Store().SetCell(b.cell, f.Text(b.field));
  // The flat plate and the flat wall share the option cells.
  SurfaceOptions::Save(f, c ? c->hooks.optionCells : OptionCells(), HeatLossPanel::Flat);
  StoreActions::SaveStore(f);
}

void FlatPanel::Back() {
  ConditionStore& s = f.Store();
  f.SetText("Edit16", s.GetCell(kEmissivity));
  f.SetText("Edit17", s.GetCell(kConvectiveCoefficient));
  s.SetCell(kCylinderPanelKind, QString::fromLatin1(kHeaterCalculator.kind));
  f.State().Panels().cylinderPanel = Calculator::Heater;
  // The fields of the calculator on screen (at start-up none: the panel's own).
  const HeatLossCalculator* c = OnScreen(f);
  const std::span<const FieldBinding> fields = c ? c->fields : FieldCells();
  for (const FieldBinding& b : fields)
    if (!IsCoolingField(b.field)) f.SetText(b.field, s.GetCell(b.cell));
  f.SetText("Edit69", s.GetCell(kConvectiveCoefficient));
  // The heater's second outer diameter follows from its cells, as the
  // cylinder panel's Back keeps it, and the heater's 層内側温度 returns.
  const HeatLossCalculator& heater = kHeaterCalculator;
  s.SetCell(CellOfField(heater, "Edit11"), NumberText(ToNumber(s.GetCell(CellOfField(heater, "Edit12"))) * 2 +
                                                      ToNumber(s.GetCell(CellOfField(heater, "Edit10")))));
  f.SetText("Edit21", s.GetCell(CellOfField(heater, "Edit21")));
  f.SetText("Edit22", QStringLiteral("-8"));
  for (const FieldBinding& b : fields)
    if (IsCoolingField(b.field)) f.SetText(b.field, s.GetCell(b.cell));
  SurfaceOptions::Back(f, c ? c->hooks.optionCells : OptionCells(), HeatLossPanel::Flat);
  Run();
}
