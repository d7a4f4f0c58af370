#include "operations/heatloss/FlatPanel.h"

#include "foundation/NumberText.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/StoreActions.h"
#include "operations/common/WindowControls.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/heatloss/SurfaceOptions.h"
#include "widgets/Form.h"

using namespace StoreCells;

namespace {

// clang-format off
const FieldBinding kFields[] = {
  {Flat::Area, Cell("FlatArea")},
  {Flat::StructureOuter, Cell("FlatStructureOuter")},
  {Flat::Surface, Cell("FlatInsulationOuter")},
  {Flat::Ambient, Cell("FlatAmbient")},
  {Flat::HotGas, Cell("FlatHotGas")},
  {Flat::StructureInner, Cell("FlatStructureInner")},
  {Flat::InsulationInner, Cell("FlatInsulationInner")},
  {Flat::StructureConductivity, Cell("FlatStructureConductivity")},
  {Flat::InsulationConductivity, Cell("FlatInsulationConductivity")},
  {Flat::StructureThickness, Cell("FlatStructureThickness")},
  {Flat::InsulationThickness, Cell("FlatInsulationThickness")},
  {Flat::Flux, Cell("FlatFlux")},
  {"FlatHumidity", Cell("FlatHumidity")},
  {Flat::Density, Cell("FlatDensity")},
  {Flat::SpecificHeat, Cell("FlatSpecificHeat")},
  {Flat::Hours, Cell("FlatHours")},
};
// The cooling inputs, which Back restores last.
bool IsCoolingField(const char* field) {
  for (const char* cooling : {Flat::Density, Flat::SpecificHeat, Flat::Hours})
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
  {2,  "放熱面積 m2",    nullptr,  FieldText(Flat::Area)},
  {3,  "外気の温度 ℃",   nullptr,  FieldText(Flat::Ambient)},
  {4,  "外側の温度 ℃",   "保温材", FieldText(Flat::Surface)},
  {5,  nullptr,          "構造材", FieldText(Flat::StructureOuter)},
  {6,  "内側の温度 ℃",   "保温材", FieldText(Flat::InsulationInner)},
  {7,  nullptr,          "構造材", FieldText(Flat::StructureInner)},
};
// clang-format on

const QString kSteady = QStringLiteral("定温放熱");
const QString kCooling = QStringLiteral("自然放熱");
const QString kOneFace = QStringLiteral("片面のみからの放熱");
const QString kBothFaces = QStringLiteral("両面からの放熱");

// The cooling captions and fields: density, specific heat, time, the
// temperature after the time, and "放熱開始時温度" beside Edit27.
const char* const kCoolingControls[] = {Flat::DensityCaption,      Flat::SpecificHeatCaption,
                                        Flat::HoursCaption,        Flat::AfterHoursCaption,
                                        Flat::CoolingStartCaption, Flat::Density,
                                        Flat::SpecificHeat,        Flat::Hours,
                                        Flat::AfterHours};

}  // namespace

void FlatPanel::ShowModel(Form& f) {
  const FlatPanelModel& flat = f.State().Panels().flat;
  for (const char* name : kCoolingControls) f.SetShown(name, flat.cooling);
  f.SetText(Flat::CoolingMode, flat.cooling ? kCooling : kSteady);
  f.SetText(Flat::Faces, flat.bothFaces ? kBothFaces : kOneFace);
}

std::span<const FieldBinding> FlatPanel::FieldCells() { return kFields; }
std::span<const OptionCell> FlatPanel::OptionCells() { return kOptionCells; }
std::span<const ExportRow> FlatPanel::CommonExportRows() { return kCommonExportRows; }

void FlatPanel::Run() { RunOn(f); }

bool FlatPanel::Ready(Fields& f, const HeatLossCalculator& c) {
  const char* const usual[] = {Flat::Area,
                               Flat::Ambient,
                               Flat::HotGas,
                               Flat::StructureConductivity,
                               Flat::InsulationConductivity,
                               Surface::StefanBoltzmannExponent,
                               Surface::InnerCoefficient,
                               Surface::Coefficient};
  for (const char* name : c.required.empty() ? std::span<const char* const>(usual) : c.required)
    if (f.IsEmpty(name)) return false;
  return true;
}

void FlatPanel::RunOn(Fields& f) {
  const std::optional<Calculator> code = f.Modes().onScreen;
  const HeatLossCalculator* c = code ? HeatLossCalculatorOf(*code) : nullptr;
  if (c && c->panel == HeatLossPanel::Flat && Ready(f, *c)) c->run(f);
}

void FlatPanel::Save() {
  const HeatLossCalculator* c = OnScreen(f);
  const char* const usual[] = {Flat::Area,          Flat::StructureOuter,        Flat::Ambient,
                               Flat::HotGas,        Flat::StructureInner,        Flat::StructureConductivity,
                               Flat::InsulationConductivity, Flat::StructureThickness, Flat::InsulationThickness,
                               Flat::Density,       Flat::SpecificHeat,          Flat::Hours};
  for (const char* name : c && !c->required.empty() ? c->required : std::span<const char* const>(usual))
    if (f.IsEmpty(name)) return;
  for (const FieldBinding& b : c ? c->fields : FieldCells())
    if (b.saved) f.Store().SetCell(b.cell, f.Text(b.field));
  // The flat plate and the flat wall share the option cells.
  SurfaceOptions::Save(f, c ? c->hooks.optionCells : OptionCells(), HeatLossPanel::Flat);
  StoreActions::SaveStore(f);
}

void FlatPanel::Back() {
  ConditionStore& s = f.Store();
  f.SetText(Surface::Emissivity, s.GetCell(kEmissivity));
  f.SetText(Surface::Coefficient, s.GetCell(kConvectiveCoefficient));
  s.SetCell(kCylinderPanelKind, QString::fromLatin1(kHeaterCalculator.kind));
  f.State().Panels().cylinderPanel = Calculator::Heater;
  // The fields of the calculator on screen (at start-up none: the panel's own).
  const HeatLossCalculator* c = OnScreen(f);
  const std::span<const FieldBinding> fields = c ? c->fields : FieldCells();
  for (const FieldBinding& b : fields)
    if (!IsCoolingField(b.field)) f.SetText(b.field, b.StoredText(s));
  f.SetText(Surface::InnerCoefficient, s.GetCell(kConvectiveCoefficient));
  // The heater's second outer diameter follows from its cells, as the
  // cylinder panel's Back keeps it, and the heater's 層内側温度 returns.
  const HeatLossCalculator& heater = kHeaterCalculator;
  s.SetCell(CellOfField(heater, Cylinder::Layer2Diameter),
            NumberText(ToNumber(s.GetCell(CellOfField(heater, Cylinder::Layer2Thickness))) * 2 +
                       ToNumber(s.GetCell(CellOfField(heater, Cylinder::Layer1Diameter)))));
  f.SetText(Cylinder::Layer2Inner, s.GetCell(CellOfField(heater, Cylinder::Layer2Inner)));
  f.SetText(Surface::StefanBoltzmannExponent, QStringLiteral("-8"));
  for (const FieldBinding& b : fields)
    if (IsCoolingField(b.field)) f.SetText(b.field, b.StoredText(s));
  SurfaceOptions::Back(f, c ? c->hooks.optionCells : OptionCells(), HeatLossPanel::Flat);
  Run();
}
