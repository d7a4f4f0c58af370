#include "operations/curves/ScreenCalculator.h"

#include "operations/heating/HeatingPanel.h"
#include "operations/heatloss/HeatLossPanels.h"
#include "store/StoreCells.h"
#include "widgets/Form.h"

void ScreenCalculator::Run(Fields& f, HeatingTrace* trace) const {
  switch (kind) {
    case Kind::HeatLoss:
      if (heatLoss->panel == HeatLossPanel::Cylinder)
        CylinderPanel::RunOn(f, *heatLoss);
      else
        FlatPanel::RunOn(f);
      break;
    case Kind::Heating:
      HeatingPanel::RunTraced(f, trace);
      break;
    case Kind::None:
      break;
  }
}

ScreenCalculator CalculatorOnScreen(Form& f, const HeatLossPanels& panels) {
  ScreenCalculator c;
  const QString code = f.Store().GetCell(StoreCells::kCalculatorCode);
  if (const HeatLossCalculator* h = panels.OnScreen()) {
    c.kind = ScreenCalculator::Kind::HeatLoss;
    c.heatLoss = h;
    c.identity = QStringLiteral("heatloss %1 %2 %3 %4")
                     .arg(CodeText(h->code), code, f.Text("Button71"), f.Text("Label30"));
  } else if (f.IsShown("Panel14")) {
    c.kind = ScreenCalculator::Kind::Heating;
    c.identity = QStringLiteral("heating %1 %2 %3 %4")
                     .arg(code, f.Store().GetCell(StoreCells::kHeatingMaterial),
                          f.IsChecked("RadioButton4") ? QStringLiteral("wall") : QStringLiteral("heater"),
                          f.IsChecked("RadioButton1") ? QStringLiteral("lid") : QStringLiteral("open"));
  }
  return c;
}
