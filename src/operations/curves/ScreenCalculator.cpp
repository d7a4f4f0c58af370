#include "operations/curves/ScreenCalculator.h"

#include "operations/heating/HeatingPanel.h"
#include "operations/heatloss/HeatLossPanels.h"
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
  const std::optional<Calculator> onScreen = f.State().OnScreen();
  const QString code = onScreen ? CodeText(*onScreen) : QString();
  const PanelModels& m = f.State().Panels();
  if (const HeatLossCalculator* h = panels.OnScreen()) {
    c.kind = ScreenCalculator::Kind::HeatLoss;
    c.heatLoss = h;
    c.identity = QStringLiteral("heatloss %1 %2 %3 %4")
                     .arg(CodeText(h->code), code, m.flat.cooling ? QStringLiteral("cooling") : QStringLiteral("steady"),
                          m.flat.bothFaces ? QStringLiteral("both") : QStringLiteral("one"));
  } else if (f.IsShown("Panel14")) {
    c.kind = ScreenCalculator::Kind::Heating;
    c.identity = QStringLiteral("heating %1 %2 %3 %4")
                     .arg(code, QString::number(static_cast<int>(m.heating.material)),
                          m.heating.wallHeating ? QStringLiteral("wall") : QStringLiteral("heater"),
                          m.heating.lid ? QStringLiteral("lid") : QStringLiteral("open"));
  }
  return c;
}
