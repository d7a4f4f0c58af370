#include "operations/calculators/ScreenCalculator.h"

#include "operations/common/HeatingControls.h"
#include "operations/heating/HeatingPanel.h"
#include "operations/heating/HeatingRows.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/heatloss/HeatLossPanels.h"
#include "widgets/Form.h"

namespace {

ScreenCalculator OfHeatLoss(const HeatLossCalculator& c) {
  ScreenCalculator s;
  s.kind = ScreenCalculator::Kind::HeatLoss;
  s.code = c.code;
  s.name = QString::fromUtf8(c.name);
  s.hooks = &c.hooks;
  s.heatLoss = &c;
  return s;
}

ScreenCalculator OfHeating(const heating::HeatingCalculatorRow& r) {
  ScreenCalculator s;
  s.kind = ScreenCalculator::Kind::Heating;
  s.code = r.code;
  s.name = QString::fromUtf8(r.name);
  s.hooks = &r.hooks;
  return s;
}

}  // namespace

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

std::vector<ScreenCalculator> AllCalculators() {
  std::vector<ScreenCalculator> all;
  for (const HeatLossCalculator* c : kHeatLossCalculators) all.push_back(OfHeatLoss(*c));
  for (const heating::HeatingCalculatorRow& r : heating::HeatingCalculatorRows()) all.push_back(OfHeating(r));
  return all;
}

ScreenCalculator CalculatorOnScreen(Form& f, const HeatLossPanels& panels) {
  ScreenCalculator c;
  const std::optional<Calculator> onScreen = f.State().OnScreen();
  const QString code = onScreen ? CodeText(*onScreen) : QString();
  const PanelModels& m = f.State().Panels();
  if (const HeatLossCalculator* h = panels.OnScreen()) {
    c = OfHeatLoss(*h);
    c.identity = QStringLiteral("heatloss %1 %2 %3 %4")
                     .arg(CodeText(h->code), code, m.flat.cooling ? QStringLiteral("cooling") : QStringLiteral("steady"),
                          m.flat.bothFaces ? QStringLiteral("both") : QStringLiteral("one"));
  } else if (f.IsShown(Heating::Panel)) {
    const heating::HeatingCalculatorRow* r = onScreen ? heating::HeatingCalculatorOf(*onScreen) : nullptr;
    if (!r) return c;
    c = OfHeating(*r);
    c.identity = QStringLiteral("heating %1 %2 %3 %4")
                     .arg(code, QString::number(static_cast<int>(m.heating.material)),
                          m.heating.wallHeating ? QStringLiteral("wall") : QStringLiteral("heater"),
                          m.heating.lid ? QStringLiteral("lid") : QStringLiteral("open"));
  }
  return c;
}
