#include "operations/heatloss/CylinderPanel.h"

#include "foundation/NumberText.h"
#include "operations/common/ComparisonTable.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/StoreActions.h"
#include "operations/common/WindowControls.h"
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
  {3,  "外側の温度 ℃",   "保温材", FieldText(Cylinder::Surface)},
  {4,  nullptr,          "構造材", FieldText(Cylinder::Layer1Outer)},
  {5,  "内側の温度 ℃",   "保温材", FieldText(Cylinder::Layer2Inner)},
  {6,  nullptr,          "構造材", FieldText(Cylinder::Layer1Inner)},
  {7,  "熱伝導率 W/m℃",  "保温材", FieldText(Cylinder::Layer2Conductivity)},
  {8,  nullptr,          "構造材", FieldText(Cylinder::Layer1Conductivity)},
  {9,  "熱量",           nullptr,  NoText()},
  {10, "外径",           "保温材", FieldText(Cylinder::Layer2Diameter)},
  {11, nullptr,          "構造材", FieldText(Cylinder::Layer1Diameter)},
  {12, nullptr,          "発熱線", NoText()},
  {13, "厚さ mm",        "保温材", FieldText(Cylinder::Layer2Thickness)},
  {14, nullptr,          "構造材", FieldText(Cylinder::Layer1Thickness)},
  {15, "長さ m",         nullptr,  FieldText(Cylinder::Length)},
  {16, "伝熱密度 W/cm2", nullptr,  NoText()},
};

const ExportRow kSurfaceRows[] = {
  {18, "Stefan-Boltzman定数 ×10^-8", nullptr, CellText(kStefanBoltzmannDigits)},
  {19, "表面の放射率",         nullptr, FieldText(Surface::Emissivity)},
  {20, "対流熱伝達率 W/m2℃",   nullptr, FieldText(Surface::Coefficient)},
  {21, "対流放熱量 W",         nullptr, FieldText(Surface::ConvectiveLoss)},
  {22, "放射放熱量 W",         nullptr, FieldText(Surface::RadiativeLoss)},
  {23, "放熱量計 W",           nullptr, FieldText(Surface::TotalLoss)},
};
// The same rows once a column holds a heat gain (a negative loss).
const HeatFlowDisplay::SignedRow kSignedSurfaceRows[] = {
  {21, "対流放熱量 W（負は取得熱）"},
  {22, "放射放熱量 W（負は取得熱）"},
  {23, "放熱量計 W（負は取得熱）"},
};

const ExportRow kPipeFlowRows[] = {
  {18, "比熱 kcal/kg℃", nullptr, FieldText(PipeFlow::SpecificHeat)},
  {19, "密度 g/cm3",     nullptr, FieldText(PipeFlow::Density)},
  {20, "管径 m",         nullptr, FieldText(PipeFlow::InnerDiameter)},
  {21, "流量 m3/h",      nullptr, FieldText(PipeFlow::Flow)},
  {22, "外気温度℃",      nullptr, FieldText(PipeFlow::Ambient)},
  {23, "Xm点温度℃",      nullptr, FieldText(Cylinder::FluxOrFluidEnd)},
  {24, "内気温度℃",      nullptr, FieldText(Cylinder::FluidInlet)},
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
    title += QStringLiteral("　") + f.Text(Cylinder::PipeFlowRun);
    table.Grid().SetCell(0, 0, title);
    if (f.Number(PipeFlow::Ambient) > f.Number(Cylinder::FluidInlet))
      title = QStringLiteral("円筒の放熱　加熱");
  }
  table.Grid().SetCell(0, 0, title);
  const ComparisonTable::Rows modeRows = pipeFlow ? ComparisonTable::Rows(kPipeFlowRows) : ComparisonTable::Rows(kSurfaceRows);
  table.WriteCaptions({kCylinderRows, modeRows});
  const int c = table.NextCondition(kFirstColumn, QString());
  table.CopyValues(c, {kCylinderRows, modeRows});
  if (!pipeFlowOnScreen) table.Grid().SetCell(c, 2, f.Text(Cylinder::Ambient));
  if (!pipeFlow)
    HeatFlowDisplay::SignGains(table.Grid(), c, kFirstColumn, HeatFlowDisplay::ShowsSurfaceGain(f),
                               kSignedSurfaceRows);
}

const HeatLossCalculator& CylinderPanel::OnScreen() const {
  const HeatLossCalculator* c = HeatLossCalculatorOf(f.State().Panels().cylinderPanel);
  return c && c->panel == HeatLossPanel::Cylinder ? *c : kHeaterCalculator;
}

void CylinderPanel::Run() { RunOn(f, OnScreen()); }

bool CylinderPanel::Ready(Fields& f, const HeatLossCalculator& c) {
  if (!c.required.empty()) {
    for (const char* name : c.required)
      if (f.IsEmpty(name)) return false;
    return true;
  }
  for (const char* name : {Cylinder::Ambient, Cylinder::Layer1Conductivity, Cylinder::Layer2Conductivity,
                           Cylinder::Power, Cylinder::WireDiameter, Cylinder::Layer1Diameter,
                           Cylinder::Layer2Diameter, Cylinder::Layer2Thickness, Cylinder::Layer1Thickness})
    if (f.IsEmpty(name)) return false;
  if (f.Text(Cylinder::Layer2Thickness) == QStringLiteral("0") &&
      f.Text(Cylinder::Layer1Thickness) == QStringLiteral("0"))
    return false;
  for (const char* name :
       {Cylinder::Length, Cylinder::Layer2Inner, Surface::InnerCoefficient, Surface::Coefficient})
    if (f.IsEmpty(name)) return false;
  f.SetText(Cylinder::Layer2Diameter,
            NumberText(f.Number(Cylinder::Layer2Thickness) * 2 + f.Number(Cylinder::Layer1Diameter)));
  return true;
}

void CylinderPanel::RunOn(Fields& f, const HeatLossCalculator& c) {
  if (Ready(f, c)) c.run(f);
}

void CylinderPanel::Save() {
  const HeatLossCalculator* c = PanelCalculator(f.Store());
  const char* const usual[] = {Cylinder::Layer2Inner,    Cylinder::Ambient,        Cylinder::Layer1Conductivity,
                               Cylinder::Layer2Conductivity, Cylinder::Power,     Cylinder::WireDiameter,
                               Cylinder::Layer1Diameter, Cylinder::Layer2Thickness, Cylinder::Length,
                               Cylinder::Layer1Outer,    Cylinder::Layer1Inner};
  for (const char* name : c && !c->required.empty() ? c->required : std::span<const char* const>(usual))
    if (f.IsEmpty(name)) return;
  if (c) {
    for (const FieldBinding& b : c->fields)
      if (b.saved) f.Store().SetCell(b.cell, f.Text(b.field));
    SurfaceOptions::Save(f, c->hooks.optionCells, HeatLossPanel::Cylinder);
  }
  StoreActions::SaveStore(f);
}

void CylinderPanel::Back() {
  ConditionStore& s = f.Store();
  f.SetText(Surface::Emissivity, s.GetCell(kEmissivity));
  f.SetText(Surface::Coefficient, s.GetCell(kConvectiveCoefficient));
  if (const HeatLossCalculator* c = PanelCalculator(s)) {
    const bool heater = c->code == Calculator::Heater;
    if (heater) {
      s.SetCell(kCylinderPanelKind, QString::fromLatin1(c->kind));
      f.State().Panels().cylinderPanel = Calculator::Heater;
    }
    auto bound = [&](const char* field) { return CellOfField(*c, field).column >= 0; };
    if (bound(Cylinder::Length)) f.SetText(Cylinder::Length, s.GetCell(CellOfField(*c, Cylinder::Length)));
    f.SetText(Surface::StefanBoltzmann, s.GetCell(kStefanBoltzmannDigits).left(7));
    f.SetText(Surface::Emissivity, s.GetCell(kEmissivity));
    f.SetText(Surface::Coefficient, s.GetCell(kConvectiveCoefficient));
    // The heater has no inner coefficient.
    if (!heater) f.SetText(Surface::InnerCoefficient, s.GetCell(kConvectiveCoefficient));
    // 層内側温度 Edit21 is a result that seeds the next run: it comes last.
    for (const FieldBinding& b : c->fields)
      if (qstrcmp(b.field, Cylinder::Layer2Inner) != 0) f.SetText(b.field, b.StoredText(s));
    // The second layer's outer diameter always follows from the first
    // layer's diameter and the second layer's thickness.
    if (bound(Cylinder::Layer2Diameter))
      s.SetCell(CellOfField(*c, Cylinder::Layer2Diameter),
                NumberText(ToNumber(s.GetCell(CellOfField(*c, Cylinder::Layer2Thickness))) * 2 +
                           ToNumber(s.GetCell(CellOfField(*c, Cylinder::Layer1Diameter)))));
    if (bound(Cylinder::Layer2Inner)) f.SetText(Cylinder::Layer2Inner, s.GetCell(CellOfField(*c, Cylinder::Layer2Inner)));
    f.SetText(Surface::StefanBoltzmannExponent, QStringLiteral("-8"));
    SurfaceOptions::Back(f, c->hooks.optionCells, HeatLossPanel::Cylinder);
  }
  Run();
}
