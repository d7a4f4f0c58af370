#include "operations/heatloss/HeatLossPanels.h"

#include <QLabel>
#include <algorithm>

#include "foundation/Errors.h"
#include "operations/common/ComparisonTable.h"
#include "operations/common/HeatLossControls.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "widgets/ControlTable.h"
#include "widgets/Form.h"

namespace {

// Columns of the field grids: row caption, then four columns.
constexpr int kCap = 4, kC1 = 106, kC2 = 186, kC3 = 266, kC4 = 356, kW = 76;
constexpr int Row(int i) { return 42 + 21 * i; }

// clang-format off
const ControlSpec kCylinderPanel[] = {
  {Kind::Panel,  "Panel5",  "Panel1", 232,   9, 449, 225, "",               0, kPanel},
  {Kind::Label,  "Label36", "Panel5",   8,   4, 200,  18, "ヒーター温度",   kBold},
  {Kind::Label,  "Label9",  "Panel5", kC1,  24, kW,  16, "発熱線"},
  {Kind::Label,  "Label10", "Panel5", kC2,  24, kW,  16, "MgO層"},
  {Kind::Label,  "Label11", "Panel5", kC3,  24, kW,  16, "ステンレス層"},
  {Kind::Label,  "Label12", "Panel5", kC4,  24, kW,  16, "外気温度℃"},
  {Kind::Label,  "Label1",  "Panel5", kCap, Row(0) + 3, 100, 16, "層外側温度　℃"},
  {Kind::Edit,   "Edit1",   "Panel5", kC2, Row(0), kW, 20, ""},
  {Kind::Edit,   "Edit2",   "Panel5", kC3, Row(0), kW, 20, ""},
  {Kind::Edit,   "Edit3",   "Panel5", kC4, Row(0), kW, 20, "",               kInput},
  {Kind::Label,  "Label2",  "Panel5", kCap, Row(1) + 3, 100, 16, "層内側温度　℃"},
  {Kind::Edit,   "Edit70",  "Panel5", kC1, Row(1), kW, 20, "70",             kInput | kHidden},
  {Kind::Edit,   "Edit4",   "Panel5", kC2, Row(1), kW, 20, ""},
  {Kind::Edit,   "Edit21",  "Panel5", kC3, Row(1), kW, 20, ""},
  {Kind::Label,  "Label3",  "Panel5", kCap, Row(2) + 3, 100, 16, "熱伝導率　W/m℃"},
  {Kind::Edit,   "Edit6",   "Panel5", kC2, Row(2), kW, 20, "",               kInput},
  {Kind::Edit,   "Edit7",   "Panel5", kC3, Row(2), kW, 20, "",               kInput},
  {Kind::Label,  "Label4",  "Panel5", kCap, Row(3) + 3, 100, 16, "熱量　W"},
  {Kind::Edit,   "Edit8",   "Panel5", kC3, Row(3), kW, 20, "",               kInput},
  {Kind::Label,  "Label5",  "Panel5", kCap, Row(4) + 3, 100, 16, "外径　ｍｍ"},
  {Kind::Edit,   "Edit9",   "Panel5", kC1, Row(4), kW, 20, "",               kInput},
  {Kind::Edit,   "Edit10",  "Panel5", kC2, Row(4), kW, 20, "",               kInput},
  {Kind::Edit,   "Edit11",  "Panel5", kC3, Row(4), kW, 20, ""},
  {Kind::Label,  "Label6",  "Panel5", kCap, Row(5) + 3, 100, 16, "層厚さ　ｍｍ"},
  {Kind::Edit,   "Edit34",  "Panel5", kC2, Row(5), kW, 20, "",               kInput},
  {Kind::Edit,   "Edit12",  "Panel5", kC3, Row(5), kW, 20, "",               kInput},
  {Kind::Label,  "Label7",  "Panel5", kCap, Row(6) + 3, 100, 16, "長さ　ｍ"},
  {Kind::Edit,   "Edit13",  "Panel5", kC3, Row(6), kW, 20, "",               kInput},
  {Kind::Label,  "Label8",  "Panel5", kCap, Row(7) + 3, 100, 16, "伝熱密度　W/cm2"},
  // Row caption of Edit14 in pipe flow, in place of Label8 (never both shown).
  {Kind::Label,  "Label63", "Panel5", kCap, Row(7) + 3, 92, 16, "Xm点温度℃",    kHidden},
  {Kind::Edit,   "Edit14",  "Panel5", kC3, Row(7), kW, 20, ""},
  {Kind::Button, "Button67","Panel5", kC1, 200, kW, 22, "切り替え",          kHidden},
  {Kind::Button, "Button69","Panel5", kC2, 200, kW, 22, "放　熱",            kHidden},

  // The relative humidity and the condensation check (SurfaceCondensation.h):
  // the cylinder's under its air temperature Edit3; pipe flow's in the
  // title row and the column its selection leaves empty, as Panel20 covers
  // the air column.
  {Kind::Label,  "CylinderHumidityCaption", "Panel5", kC4, Row(1) + 3, 89, 16, "相対湿度 %",  kHidden},
  {Kind::Edit,   "CylinderHumidity",        "Panel5", kC4, Row(2), kW, 20, "",           kInput | kHidden},
  {Kind::Label,  "CylinderCondensation",    "Panel5", kC4, Row(3) + 3, 89, 62, "",       kHidden},
  {Kind::Label,  "PipeHumidityCaption",     "Panel5", 212,   5, 70, 16, "相対湿度 %",     kHidden},
  {Kind::Edit,   "PipeHumidity",            "Panel5", 284,   2, 62, 20, "",           kInput | kHidden},
  {Kind::Label,  "PipeCondensation",        "Panel5", kC1, Row(3) + 3, kW + 4, 62, "", kHidden},

  {Kind::Panel,  "Panel6",  "Panel1", 688,   8, 105,  73, "",               0, kPanel},
  {Kind::Button, "Button1", "Panel6",   6,   3,  93,  21, "実行"},
  {Kind::Button, "Button6", "Panel6",   6,  26,  93,  21, "保存"},
  {Kind::Button, "Button5", "Panel6",   6,  49,  93,  21, "戻る"},
};

const ControlSpec kFlatPanel[] = {
  {Kind::Panel,  "Panel9",  "Panel1", 232,   8, 449, 226, "",               kHidden, kPanel},
  {Kind::Label,  "Label37", "Panel9",   8,   4, 200,  18, "平板放熱",       kBold},
  {Kind::Label,  "Label29", "Panel9", kC1,  24, kW,  16, "高温内気",       kHidden},
  {Kind::Label,  "Label26", "Panel9", kC2,  24, kW,  16, "構造材"},
  {Kind::Label,  "Label27", "Panel9", kC3,  24, kW,  16, "保温材"},
  {Kind::Label,  "Label28", "Panel9", kC4,  24, kW,  16, "外気温度℃"},
  {Kind::Label,  "Label20", "Panel9", kCap, Row(0) + 3, 100, 16, "放熱面積 m2"},
  {Kind::Edit,   "Edit5",   "Panel9", kC2, Row(0), kW, 20, "",               kInput},
  {Kind::Edit,   "Edit25",  "Panel9", kC4, Row(0), kW, 20, "",               kInput},
  {Kind::Label,  "Label21", "Panel9", kCap, Row(1) + 3, 100, 16, "外側の温度 ℃"},
  {Kind::Edit,   "Edit23",  "Panel9", kC2, Row(1), kW, 20, ""},
  {Kind::Edit,   "Edit24",  "Panel9", kC3, Row(1), kW, 20, ""},
  {Kind::Label,  "Label22", "Panel9", kCap, Row(2) + 3, 100, 16, "内側の温度℃"},
  {Kind::Edit,   "Edit26",  "Panel9", kC1, Row(2), kW, 20, "",               kInput | kHidden},
  {Kind::Label,  "Label72", "Panel9", kC1 - 6, Row(2) + 3, kW + 6, 16, "放熱開始時温度", kHidden},
  {Kind::Edit,   "Edit27",  "Panel9", kC2, Row(2), kW, 20, "",               kInput},
  {Kind::Edit,   "Edit28",  "Panel9", kC3, Row(2), kW, 20, ""},
  {Kind::Label,  "Label23", "Panel9", kCap, Row(3) + 3, 100, 16, "熱伝導率W/m℃"},
  {Kind::Edit,   "Edit29",  "Panel9", kC2, Row(3), kW, 20, "",               kInput},
  {Kind::Edit,   "Edit30",  "Panel9", kC3, Row(3), kW, 20, "",               kInput},
  {Kind::Label,  "Label24", "Panel9", kCap, Row(4) + 3, 100, 16, "厚さ　ｍｍ"},
  {Kind::Edit,   "Edit31",  "Panel9", kC2, Row(4), kW, 20, "",               kInput},
  {Kind::Edit,   "Edit32",  "Panel9", kC3, Row(4), kW, 20, "",               kInput},
  // Wide enough for its heat-gain caption 取得熱密度 (HeatFlowDisplay.h).
  {Kind::Label,  "Label25", "Panel9", kCap, Row(5) + 3, kC2 - kCap - 4, 16, "伝熱密度　W/cm2"},
  {Kind::Edit,   "Edit33",  "Panel9", kC2, Row(5), kW, 20, ""},
  {Kind::Button, "Button71","Panel9", kCap, 170, 90, 22, "定温放熱"},
  // Below the cooling fields, so its caption never runs under Edit73.
  {Kind::Label,  "Label30", "Panel9", kCap, 208, 160, 16, "片面のみからの放熱"},
  {Kind::Label,  "Label68", "Panel9", kC1, 170, kW, 16, "密度ｇ/ｃｍ3",    kHidden},
  {Kind::Edit,   "Edit73",  "Panel9", kC1, 186, kW, 20, "",               kInput | kHidden},
  {Kind::Label,  "Label69", "Panel9", kC2, 170, kW, 16, "比熱kcal/kg℃",    kHidden},
  {Kind::Edit,   "Edit74",  "Panel9", kC2, 186, kW, 20, "",               kInput | kHidden},
  {Kind::Label,  "Label70", "Panel9", kC3, 170, kW, 16, "時間　ｈ",         kHidden},
  {Kind::Edit,   "Edit75",  "Panel9", kC3, 186, kW, 20, "",               kInput | kHidden},
  {Kind::Label,  "Label71", "Panel9", kC4, 170, 90, 16, "ｈ時間後の温度℃",  kHidden},
  {Kind::Edit,   "Edit76",  "Panel9", kC4, 186, kW, 20, "",               kHidden},
  // The relative humidity under the air temperature Edit25, above the cooling fields.
  {Kind::Label,  "FlatHumidityCaption", "Panel9", kC4, Row(1) + 3, 89, 16, "相対湿度 %"},
  {Kind::Edit,   "FlatHumidity",        "Panel9", kC4, Row(2), kW, 20, "",        kInput},
  {Kind::Label,  "FlatCondensation",    "Panel9", kC4, Row(3) + 3, 89, 62, ""},

  {Kind::Panel,  "Panel8",  "Panel1", 688,   8, 105,  73, "",               kHidden, kPanel},
  {Kind::Button, "Button15","Panel8",   6,   3,  93,  21, "実行"},
  {Kind::Button, "Button16","Panel8",   6,  26,  93,  21, "保存"},
  {Kind::Button, "Button17","Panel8",   6,  49,  93,  21, "戻る"},
};

// The selection panel 作業選択; its buttons come from the calculators, laid
// out below its title in the room the panel has (HeatLossPanels::Build).
constexpr int kSelectTop = 26, kSelectRoom = 124, kSelectPitch = 30, kSelectMinHeight = 18;
const ControlSpec kSelectionPanel[] = {
  {Kind::Panel,  "Panel10", "Panel1", 688,  82, 105, 152, "",         0, kPanel},
  {Kind::Label,  "Label35", "Panel10", 28,   6,  60,  16, "作業選択"},
};
// clang-format on

// Fields whose Enter key runs the cylinder panel / the flat panel.
const char* const kCylinderEnterFields[] = {
    Cylinder::Ambient,  Cylinder::Layer1Inner,  Cylinder::Layer1Conductivity, Cylinder::Layer2Conductivity,
    Cylinder::Power,    Cylinder::WireDiameter, Cylinder::Layer1Diameter,     Cylinder::Layer2Thickness,
    Cylinder::Length,   Cylinder::Layer2Inner,  Cylinder::Layer1Thickness,    Cylinder::FluidInlet,
    "CylinderHumidity", "PipeHumidity"};
const char* const kFlatEnterFields[] = {Flat::Area,
                                        Flat::StructureOuter,
                                        Flat::Ambient,
                                        Flat::HotGas,
                                        Flat::StructureInner,
                                        Flat::StructureConductivity,
                                        Flat::InsulationConductivity,
                                        Flat::StructureThickness,
                                        Flat::InsulationThickness,
                                        Flat::Density,
                                        Flat::SpecificHeat,
                                        Flat::Hours,
                                        "FlatHumidity"};

Form::Aspect AspectOf(SelectionStep::Action a) {
  switch (a) {
    case SelectionStep::Show:
    case SelectionStep::Hide: return Form::Aspect::Shown;
    case SelectionStep::Enable:
    case SelectionStep::Disable: return Form::Aspect::Enabled;
    case SelectionStep::InputColour:
    case SelectionStep::ResultColour: return Form::Aspect::Colour;
    case SelectionStep::Caption: break;
  }
  return Form::Aspect::Caption;
}

// The controls of a row's own that stand on a panel (not inside another of its own).
template <class Visit>
void ForEachOwnTopControl(const HeatLossCalculator& c, Visit visit) {
  for (const ControlSpec& s : c.controls) {
    bool nested = false;
    for (const ControlSpec& other : c.controls)
      if (qstrcmp(s.parent, other.name) == 0) nested = true;
    if (!nested) visit(s.name);
  }
}

// Every look that any selection sets returns to its control table's, and
// every row's own controls are hidden but those of the row selected, which
// show: a selection then states the whole screen, whichever calculator was
// on screen before.
void ResetSelectionLook(Form& f, const HeatLossCalculator& selected) {
  for (const HeatLossCalculator* c : kHeatLossCalculators) {
    for (std::span<const SelectionStep> steps : {c->selection, c->afterBack})
      for (const SelectionStep& s : steps) f.RestoreTableLook(s.control, AspectOf(s.action));
    ForEachOwnTopControl(*c, [&](const char* name) { f.SetShown(name, false); });
  }
  ForEachOwnTopControl(selected, [&](const char* name) { f.SetShown(name, true); });
}

void Apply(Form& f, std::span<const SelectionStep> steps) {
  for (const SelectionStep& s : steps) {
    switch (s.action) {
      case SelectionStep::Show: f.SetShown(s.control, true); break;
      case SelectionStep::Hide: f.SetShown(s.control, false); break;
      case SelectionStep::Enable: f.SetEnabled(s.control, true); break;
      case SelectionStep::Disable: f.SetEnabled(s.control, false); break;
      case SelectionStep::InputColour: f.SetInputColour(s.control); break;
      case SelectionStep::ResultColour: f.SetResultColour(s.control); break;
      case SelectionStep::Caption: f.SetText(s.control, QString::fromUtf8(s.caption)); break;
    }
  }
}

}  // namespace

const HeatLossCalculator* HeatLossCalculatorOf(Calculator code) {
  for (const HeatLossCalculator* c : kHeatLossCalculators)
    if (c->code == code) return c;
  return nullptr;
}

HeatLossPanels::HeatLossPanels(Form& form) : Subsystem(form), cylinder_(form), flat_(form) {}

void HeatLossPanels::Build() {
  BuildControls(f, kCylinderPanel);
  BuildControls(f, kFlatPanel);
  for (const HeatLossCalculator* c : kHeatLossCalculators) BuildControls(f, c->controls);
  BuildControls(f, kSelectionPanel);
  for (const char* result : {"CylinderCondensation", "PipeCondensation", "FlatCondensation"})
    f.Label(result)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The buttons share the room below the title: 30 px apart for up to
  // four, closer for more, never shorter than a caption.
  int buttons = 0;
  for (const HeatLossCalculator* c : kHeatLossCalculators) buttons += c->selectButton != nullptr;
  const int pitch = buttons > 0 ? std::min(kSelectPitch, kSelectRoom / buttons) : kSelectPitch;
  const int height = std::max(kSelectMinHeight, pitch - 4);
  int y = kSelectTop;
  for (const HeatLossCalculator* c : kHeatLossCalculators) {
    if (!c->selectButton) continue;
    const ControlSpec button{Kind::Button, c->selectButton, Selection::Panel, 6, y,
                             93,           height,          c->selectCaption};
    BuildControls(f, {&button, 1});
    y += pitch;
  }
}

void HeatLossPanels::Wire() {
  f.OnClick(Cylinder::TogglePipeFlow, [this] { TogglePipeFlow(); });
  for (const HeatLossCalculator* c : kHeatLossCalculators)
    for (const PanelAction& a : c->actions) {
      const HeatLossPanel panel = c->panel;
      bool (*operation)(Form&) = a.operation;
      f.OnClick(a.control, [this, panel, operation] {
        if (operation(f)) Run(panel);
      });
    }
  f.OnClick(Cylinder::Run, [this] { cylinder_.Run(); });
  f.OnClick(Flat::Run, [this] { flat_.Run(); });
  for (const char* name : kCylinderEnterFields) f.OnEnter(name, [this] { cylinder_.Run(); });
  for (const char* name : kFlatEnterFields) f.OnEnter(name, [this] { flat_.Run(); });
  for (const HeatLossCalculator* c : kHeatLossCalculators)
    for (const ControlSpec& control : c->controls)
      if (control.kind == Kind::Edit && (control.flags & kInput)) {
        const HeatLossPanel panel = c->panel;
        f.OnEnter(control.name, [this, panel] { Run(panel); });
      }
  f.DigitsOnly(Cylinder::Layer2Inner);
  f.OnClick(Cylinder::Save, [this] { cylinder_.Save(); });
  f.OnClick(Cylinder::Back, [this] { cylinder_.Back(); });
  f.OnClick(Flat::Save, [this] { flat_.Save(); });
  f.OnClick(Flat::Back, [this] { flat_.Back(); });
}

void HeatLossPanels::Select(const HeatLossCalculator& c) {
  f.State().SetOnScreen(c.code);
  if (c.kind) f.Store().SetCell(StoreCells::kCylinderPanelKind, QString::fromLatin1(c.kind));
  if (c.panel == HeatLossPanel::Cylinder) f.State().Panels().cylinderPanel = c.code;
  ResetSelectionLook(f, c);
  if (c.selectionBase) Apply(f, c.selectionBase->selection);
  Apply(f, c.selection);
  if (c.prepare) c.prepare(f);
  // The look of the selection is whole also when the stored conditions
  // cannot be loaded or run (a damaged store): the error is shown over it.
  auto afterBack = [&] {
    if (c.selectionBase) Apply(f, c.selectionBase->afterBack);
    Apply(f, c.afterBack);
  };
  try {
    Back(c.panel);
  } catch (const AppError&) {
    afterBack();
    throw;
  }
  afterBack();
  if (c.runAfterSelection) Run(c.panel);
}

void HeatLossPanels::TogglePipeFlow() {
  if (f.State().Panels().cylinderPanel == Calculator::PipeFlow) {
    Select(kCylinderCalculator);
    cylinder_.Back();
  } else {
    Select(kPipeFlowCalculator);
  }
}

void HeatLossPanels::Run(HeatLossPanel panel) {
  if (panel == HeatLossPanel::Cylinder)
    cylinder_.Run();
  else
    flat_.Run();
}

const HeatLossCalculator* HeatLossPanels::OnScreen() const {
  if (f.IsShown(Cylinder::Panel)) return &cylinder_.OnScreen();
  if (f.IsShown(Flat::Panel)) {
    const std::optional<Calculator> code = f.State().OnScreen();
    const HeatLossCalculator* c = code ? HeatLossCalculatorOf(*code) : nullptr;
    return c && c->panel == HeatLossPanel::Flat ? c : nullptr;
  }
  return nullptr;
}

void HeatLossPanels::RunOn(Fields& fields) const {
  const HeatLossCalculator* c = OnScreen();
  if (!c) return;
  if (c->panel == HeatLossPanel::Cylinder)
    CylinderPanel::RunOn(fields, *c);
  else
    FlatPanel::RunOn(fields);
}

void HeatLossPanels::Back(HeatLossPanel panel) {
  if (panel == HeatLossPanel::Cylinder)
    cylinder_.Back();
  else
    flat_.Back();
}
