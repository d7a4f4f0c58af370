#include "heating/HeatingPanel.h"

#include "app/ControlTable.h"
#include "app/TForm1.h"

namespace {
constexpr unsigned kPanel = 0xC1C1FF;
// clang-format off
const ControlSpec kHeatingPanels[] = {
  {Kind::Panel, "Panel14", "Panel1", 232, 8, 449, 226, "", kHidden, kPanel},
  {Kind::Panel, "Panel13", "Panel1", 688, 8, 105, 226, "", kHidden, kPanel},
};
// clang-format on
}  // namespace

void HeatingPanel::Build() { BuildControls(f, kHeatingPanels); }
void HeatingPanel::Wire() {}
void HeatingPanel::StartUp() {}
void HeatingPanel::EnterHeatingMode() {}
void HeatingPanel::RunHeating() {}
