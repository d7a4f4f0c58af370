#include "coefficient/CoefficientPanel.h"

#include "app/ControlTable.h"
#include "app/TForm1.h"

namespace {
constexpr unsigned kPanel = 0xC1C1FF;
// clang-format off
const ControlSpec kCoefficientPanel[] = {
  {Kind::Panel, "Panel21", "Panel1", 232, 8, 449, 226, "", kHidden, kPanel},
};
// clang-format on
}  // namespace

void CoefficientPanel::Build() { BuildControls(f, kCoefficientPanel); }

void CoefficientPanel::Wire() {
  f.OnClick("Button9", [this] { ToggleCoefficientPanel(); });
}

void CoefficientPanel::ToggleCoefficientPanel() {
  f.SetShown("Panel21", !f.IsShown("Panel21"));
  if (f.IsShown("Panel21")) f.Control("Panel21")->raise();
}
