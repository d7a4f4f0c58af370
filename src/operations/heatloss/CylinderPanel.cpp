#include "operations/heatloss/CylinderPanel.h"

#include "foundation/NumberText.h"
#include "operations/common/ComparisonTable.h"
#include "operations/common/StoreActions.h"
#include "operations/heatloss/HeatFlowDisplay.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/heatloss/SurfaceOptions.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

using namespace StoreCells;

namespace {

// The calculator of the code in the store, when it is one of the panel's.
const HeatLossCalculator* PanelCalculator(const ConditionStore& s) {
  const std::optional<Calculator> code = CurrentCalculator(s);
  const HeatLossCalculator* c = code ? HeatLossCalculatorOf(*code) : nullptr;
  return c && c->panel == HeatLossPanel::Cylinder ? c : nullptr;
}

// clang-format off
// Row 2's value (the ambient temperature) is written by the block itself,
// only in the cylinder's own mode.
const ExportRow kCylinderRows[] = {
  {2,  "外気の温度 ℃",   nullptr,  NoText()},
  {3,  "外側の温度 ℃",   "保温材", FieldText("Edit2")},
  {4,  nullptr,          "構造材", FieldText("Edit1")},
  {5,  "内側の温度 ℃",   "保温材", FieldText("Edit21")},
  {6,  nullptr,          "構造材", FieldText("Edit4")},
  {7,  "熱伝導率 W/m℃",  "保温材", FieldText("Edit7")},
  {8,  nullptr,          "構造材", FieldText("Edit6")},
  {9,  "熱量",           nullptr,  NoText()},
  {10, "外径",           "保温材", FieldText("Edit11")},
  {11, nullptr,          "構造材", FieldText("Edit10")},
  {12, nullptr,          "発熱線", NoText()},
  {13, "厚さ mm",        "保温材", FieldText("Edit12")},
  {14, nullptr,          "構造材", FieldText("Edit34")},
  {15, "長さ m",         nullptr,  FieldText("Edit13")},
  {16, "伝熱密度 W/cm2", nullptr,  NoText()},
};

const ExportRow kSurfaceRows[] = {
  {18, "Stefan-Boltzman定数 ×10^-8", nullptr, CellText(kStefanBoltzmannDigits)},
  {19, "表面の放射率",         nullptr, FieldText("Edit16")},
  {20, "対流熱伝達率 W/m2℃",   nullptr, FieldText("Edit17")},
  {21, "対流放熱量 W",         nullptr, FieldText("Edit18")},
  {22, "放射放熱量 W",         nullptr, FieldText("Edit19")},
  {23, "放熱量計 W",           nullptr, FieldText("Edit20")},
};
// The same rows once a column holds a heat gain (a negative loss).
const HeatFlowDisplay::SignedRow kSignedSurfaceRows[] = {
  {21, "対流放熱量 W（負は取得熱）"},
  {22, "放射放熱量 W（負は取得熱）"},
  {23, "放熱量計 W（負は取得熱）"},
};

const ExportRow kPipeFlowRows[] = {
  {18, "比熱 kcal/kg℃", nullptr, FieldText("Edit64")},
  {19, "密度 g/cm3",     nullptr, FieldText("Edit65")},
  {20, "管径 m",         nullptr, FieldText("Edit66")},
  {21, "流量 m3/h",      nullptr, FieldText("Edit67")},
  {22, "外気温度℃",      nullptr, FieldText("Edit68")},
  {23, "Xm点温度℃",      nullptr, FieldText("Edit14")},
  {24, "内気温度℃",      nullptr, FieldText("Edit70")},
};
// clang-format on

constexpr int kCylinderHeight = 24, kFirstColumn = 2;

}  // namespace

void CylinderPanel::ExportCylinderBlock(Form& f, ComparisonTable& table) {
  const bool pipeFlow = CurrentCalculator(f.Store()) != Calculator::Cylinder;
  if (table.IsFull(kFirstColumn)) return;
  // The block sets its height on every export; its cells are emptied only
  // when a new table starts.
  const int height = pipeFlow ? kCylinderHeight + 1 : kCylinderHeight;
  if (table.IsNew()) table.Start(height);
  table.Grid().SetRowCount(height);
  QString title = QStringLiteral("円筒の放熱");
  const bool pipeFlowOnScreen = f.State().Panels().cylinderPanel == Calculator::PipeFlow;
  if (pipeFlowOnScreen) {
    title += QStringLiteral("　") + f.Text("Button69");
    table.Grid().SetCell(0, 0, title);
    if (f.Number("Edit68") > f.Number("Edit70")) title = QStringLiteral("円筒の放熱　加熱");
  }
  table.Grid().SetCell(0, 0, title);
  const ComparisonTable::Rows modeRows = pipeFlow ? ComparisonTable::Rows(kPipeFlowRows) : ComparisonTable::Rows(kSurfaceRows);
  table.WriteCaptions({kCylinderRows, modeRows});
  const int c = table.NextCondition(kFirstColumn, QString());
  table.CopyValues(c, {kCylinderRows, modeRows});
  if (!pipeFlowOnScreen) table.Grid().SetCell(c, 2, f.Text("Edit3"));
  if (!pipeFlow)
    HeatFlowDisplay::SignGains(table.Grid(), c, kFirstColumn, HeatFlowDisplay::ShowsSurfaceGain(f),
                               kSignedSurfaceRows);
}

const HeatLossCalculator& CylinderPanel::OnScreen() const {
  const HeatLossCalculator* c = HeatLossCalculatorOf(f.State().Panels().cylinderPanel);
  return c && c->panel == HeatLossPanel::Cylinder ? *c : kHeaterCalculator;
}

void CylinderPanel::Run() { RunOn(f, OnScreen()); }

bool CylinderPanel::Ready(Fields& f) {
  for (const char* name : {"Edit3", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11", "Edit12", "Edit34"})
    if (f.IsEmpty(name)) return false;
  if (f.Text("Edit12") == QStringLiteral("0") && f.Text("Edit34") == QStringLiteral("0")) return false;
  for (const char* name : {"Edit13", "Edit21", "Edit69", "Edit17"})
    if (f.IsEmpty(name)) return false;
  f.SetText("Edit11", NumberText(f.Number("Edit12") * 2 + f.Number("Edit10")));
  return true;
}

void CylinderPanel::RunOn(Fields& f, const HeatLossCalculator& c) {
  if (Ready(f)) c.run(f);
}

void CylinderPanel::Save() {
  for (const char* name : {"Edit21", "Edit3", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit12", "Edit13",
                           "Edit1", "Edit4"})
    if (f.IsEmpty(name)) return;
  if (const HeatLossCalculator* c = PanelCalculator(f.Store())) {
    for (const FieldBinding& b : c->fields)
      if (b.saved) f.Store().SetCell(b.cell, f.Text(b.field));
    SurfaceOptions::Save(f, c->hooks.optionCells, HeatLossPanel::Cylinder);
  }
  StoreActions::SaveStore(f);
}

void CylinderPanel::Back() {
  ConditionStore& s = f.Store();
  f.SetText("Edit16", s.GetCell(kEmissivity));
  f.SetText("Edit17", s.GetCell(kConvectiveCoefficient));
  if (const HeatLossCalculator* c = PanelCalculator(s)) {
    const bool heater = c->code == Calculator::Heater;
    if (heater) {
      s.SetCell(kCylinderPanelKind, QString::fromLatin1(c->kind));
      f.State().Panels().cylinderPanel = Calculator::Heater;
    }
    f.SetText("Edit13", s.GetCell(CellOfField(*c, "Edit13")));
    f.SetText("Edit15", s.GetCell(kStefanBoltzmannDigits).left(7));
    f.SetText("Edit16", s.GetCell(kEmissivity));
    f.SetText("Edit17", s.GetCell(kConvectiveCoefficient));
    // The heater has no inner coefficient.
    if (!heater) f.SetText("Edit69", s.GetCell(kConvectiveCoefficient));
    // 層内側温度 Edit21 is a result that seeds the next run: it comes last.
    for (const FieldBinding& b : c->fields)
      if (qstrcmp(b.field, "Edit21") != 0) f.SetText(b.field, s.GetCell(b.cell));
    // The second layer's outer diameter always follows from the first
    // layer's diameter and the second layer's thickness.
    s.SetCell(CellOfField(*c, "Edit11"),
              NumberText(ToNumber(s.GetCell(CellOfField(*c, "Edit12"))) * 2 + ToNumber(s.GetCell(CellOfField(*c, "Edit10")))));
    f.SetText("Edit21", s.GetCell(CellOfField(*c, "Edit21")));
    f.SetText("Edit22", QStringLiteral("-8"));
    SurfaceOptions::Back(f, c->hooks.optionCells, HeatLossPanel::Cylinder);
  }
  Run();
}
