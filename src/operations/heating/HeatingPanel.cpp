#include "operations/heating/HeatingPanel.h"

#include <QRadioButton>

#include "foundation/NumberText.h"
#include "operations/common/HeatingControls.h"
#include "operations/common/StoreActions.h"
#include "operations/common/WindowControls.h"
#include "operations/heating/HeatingCalculators.h"
#include "operations/heating/HeatingLayout.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

using heating::Material;
using heating::MaterialRow;

namespace {
QString Utf8(const char* text) { return QString::fromUtf8(text); }
const QString kWithLid = QStringLiteral("1");
const QString kWithoutLid = QStringLiteral("2");
}  // namespace

void HeatingPanel::Build() { BuildHeatingLayout(f); }

void HeatingPanel::Wire() {
  for (const MaterialRow& row : heating::Materials()) {
    const Material m = row.material;
    f.OnClick(row.button, [this, m] { SelectMaterial(m); });
  }
  f.OnClick(Heating::Run, [this] { RunHeating(); });
  f.OnClick(Heating::Save, [this] { SaveHeating(); });
  f.OnClick(Heating::Back, [this] { BackHeating(); });
  f.OnClick(Heating::HeaterMode, [this] { SelectHeaterHeating(); });
  f.OnClick(Heating::WallMode, [this] { SelectWallHeating(); });
  f.OnClick(Heating::WithLid, [this] { SelectLid(true); });
  f.OnClick(Heating::WithoutLid, [this] { SelectLid(false); });
  for (const char* name : heating::EnterFields()) f.OnEnter(name, [this] { RunHeating(); });
  f.OnPress(Heating::VolumeCaption, [this] { ShowMass(true); });
  f.OnRelease(Heating::VolumeCaption, [this] { ShowMass(false); });
  f.OnDblClick(Heating::PowerCaption, [this] { ToggleContentOnlyPower(); });
}

void HeatingPanel::StartUp() { SelectMaterial(Material::Liquid); }

void HeatingPanel::EnterHeatingMode() {
  BackHeating();
  SelectMaterial(Material::Liquid);
  RunHeating();
}

void HeatingPanel::SelectMaterial(Material material) {
  const MaterialRow& row = heating::MaterialRowOf(material);
  f.Store().SetCell(StoreCells::kHeatingMaterial, Utf8(row.code));
  f.State().Panels().heating.material = material;
  f.State().SetOnScreen(row.calculator);
  f.SetText(Heating::Title, Utf8(row.title));
  f.SetText(Heating::ContentDensityCaption, Utf8(row.densityCaption));
  f.SetText(Heating::ContentHeatCaption, Utf8(row.heatCaption));
  f.SetText(Heating::VolumeCaption, Utf8(row.volumeCaption));
  for (const char* name : {Heating::LidCaption, Heating::WithLid, Heating::WithoutLid})
    f.SetShown(name, row.lidSelector);
  f.SetShown(Heating::ModeGroup, row.modeSelector);
  const HeatingPanelModel& model = f.State().Panels().heating;
  if (row.forceLid && !model.lid) SelectLid(true);
  // The calculation follows in Back, on the material's own conditions.
  if (row.forceHeater && model.wallHeating) SelectHeaterHeating(false);
  BackHeating();
}

void HeatingPanel::ApplyMode(const heating::ModeRow& mode, Calculator calculator) {
  f.State().SetOnScreen(calculator);
  f.SetText(Heating::AmbientCaption, Utf8(mode.ambientCaption));
  for (const char* name : mode.shownCaptions) f.SetShown(name, true);
  for (const char* name : mode.hiddenCaptions) f.SetShown(name, false);
  // Results of the other mode would read wrongly under the new captions.
  for (const char* name : {Heating::Result1, Heating::Result2, Heating::Result3}) f.SetText(name, QString());
}

void HeatingPanel::SelectHeaterHeating(bool run) {
  f.Radio(Heating::HeaterMode)->setChecked(true);
  f.State().Panels().heating.wallHeating = false;
  // Heater heating keeps the code of the material that is showing.
  const MaterialRow& material = heating::MaterialRowOf(f.State().Panels().heating.material);
  ApplyMode(heating::HeaterMode(), material.calculator);
  if (run) RunHeating();
}

void HeatingPanel::SelectWallHeating(bool run) {
  f.Radio(Heating::WallMode)->setChecked(true);
  f.State().Panels().heating.wallHeating = true;
  ApplyMode(heating::WallMode(), Calculator::WallHeating);
  if (run) RunHeating();
}

void HeatingPanel::SelectLid(bool withLid) {
  f.Radio(withLid ? Heating::WithLid : Heating::WithoutLid)->setChecked(true);
  f.State().Panels().heating.lid = withLid;
}

bool HeatingPanel::WallHeatingSelected() const { return f.State().Panels().heating.wallHeating; }

void HeatingPanel::RunHeating() {
  Run(f, nullptr, [this](const HeatingCalculators::FinalState& s) {
    f.Store().SetCell(StoreCells::kHeatedFinal, NumberText(s.contents));
    f.Store().SetCell(StoreCells::kHeatedSurface, NumberText(s.surface));
  });
}

void HeatingPanel::RunTraced(Fields& fields, HeatingTrace* trace) { Run(fields, trace, nullptr); }

void HeatingPanel::Run(Fields& fields, HeatingTrace* trace,
                       const std::function<void(const HeatingCalculators::FinalState&)>& keepFinal) {
  if (fields.IsEmpty(Surface::Coefficient) || fields.IsEmpty(Surface::InnerCoefficient)) return;
  const bool wall = fields.Modes().panels.heating.wallHeating;
  const long double before = fields.Number(Heating::Before);
  const long double after = fields.Number(wall ? Heating::Ambient : Heating::After);
  if (!(after > before)) return;
  HeatingCalculators calculators(fields, trace);
  if (keepFinal) calculators.OnFinalState(keepFinal);
  if (wall)
    calculators.WallHeating();
  else
    calculators.ContainerHeating();
  calculators.ContentOnlyPower();
}

void HeatingPanel::SaveHeating() {
  for (const char* name : heating::SaveRequiredFields(WallHeatingSelected()))
    if (f.IsEmpty(name)) return;
  const MaterialRow& row = heating::MaterialRowOf(f.State().Panels().heating.material);
  for (const heating::BlockCell& cell : heating::BlockCells())
    if (cell.saved) f.Store().SetCell(cell.In(row.material), f.Text(cell.field));
  if (row.lidSelector) f.Store().SetCell(row.lid, f.State().Panels().heating.lid ? kWithLid : kWithoutLid);
  StoreActions::SaveStore(f);
}

void HeatingPanel::BackHeating() {
  ConditionStore& s = f.Store();
  f.SetText(Surface::Emissivity, s.GetCell(StoreCells::kEmissivity));
  f.SetText(Surface::Coefficient, s.GetCell(StoreCells::kConvectiveCoefficient));
  const MaterialRow& row = heating::MaterialRowOf(f.State().Panels().heating.material);
  for (const heating::BlockCell& cell : heating::BlockCells()) f.SetText(cell.field, s.GetCell(cell.In(row.material)));
  // A store without a lid cell (older files) leaves the choice as it is.
  const QString lid = s.GetCell(row.lid).trimmed();
  if (row.lidSelector && (lid == kWithLid || lid == kWithoutLid)) SelectLid(lid == kWithLid);
  f.SetText(Heating::InsulationThickness, QStringLiteral("0"));
  RunHeating();
}

void HeatingPanel::ShowMass(bool shown) {
  f.SetShown(Heating::MassUnit, shown);
  f.SetShown(Heating::Mass, shown);
}

void HeatingPanel::ToggleContentOnlyPower() {
  const bool shown = !f.IsShown(Heating::ContentOnly);
  f.SetShown(Heating::ContentOnly, shown);
  f.SetShown(Heating::ContentOnlyCaption, shown);
}
