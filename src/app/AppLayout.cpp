#include "app/AppLayout.h"

#include "widgets/ControlTable.h"

namespace {

// clang-format off
const ControlSpec kAppControls[] = {
  // kind          name       parent    x    y    w    h   caption                     flags colour
  // The upper area takes every pixel the window grows by; the lower area
  // spans the width and keeps its height, its panels centred as one block.
  {Kind::Panel,  "Panel2",  "",         0,   0, 912, 321, "",                         kStretch, 0xFFFFBB},
  {Kind::Panel,  "Panel1",  "",         0, 321, 912, 238, "",
   kStretchWidth | kAnchorBottom | kCentreContent, 0x7171FF},
  // The hint line below the lower area (operations/hints/HintLine).
  {Kind::Label,  "HintLine", "",        0, 559, 912,  20, "",                         kStretchWidth | kAnchorBottom, 0xE8EDF2},

  // Shared surface fields and heat-loss results.
  {Kind::Panel,  "Panel4",  "Panel1",   9,   8, 224, 226, "",                         0, kPanel},
  {Kind::Label,  "Label13", "Panel4",   4,   9, 134,  16, "Stefan-Boltzman定数"},
  // The constant's digits and exponent are shown, not typed.
  {Kind::Edit,   "Edit15",  "Panel4", 134,   6,  60,  20, "",                         kReadOnly},
  {Kind::Edit,   "Edit22",  "Panel4", 196,   6,  22,  20, "",                         kReadOnly},
  {Kind::Label,  "Label14", "Panel4",   4,  31, 134,  16, "表面の放射率"},
  {Kind::Edit,   "Edit16",  "Panel4", 140,  28,  78,  20, "",                         kInput},
  {Kind::Label,  "Label15", "Panel4",   4,  53, 134,  16, "対流熱伝達率　W/m2℃"},
  {Kind::Edit,   "Edit17",  "Panel4", 140,  50,  78,  20, "",                         kInput},
  {Kind::Label,  "Label16", "Panel4",   4,  75, 134,  16, "対流放熱量　W"},
  {Kind::Edit,   "Edit18",  "Panel4", 140,  72,  78,  20, ""},
  {Kind::Label,  "Label17", "Panel4",   4,  97, 134,  16, "放射放熱量　W"},
  {Kind::Edit,   "Edit19",  "Panel4", 140,  94,  78,  20, ""},
  {Kind::Label,  "Label18", "Panel4",   4, 119, 134,  16, "放熱量計　W"},
  {Kind::Edit,   "Edit20",  "Panel4", 140, 116,  78,  20, ""},
  {Kind::Label,  "Label65", "Panel4",   4, 141, 134,  16, "対流熱伝達率内W/m2℃",      kHidden},
  {Kind::Edit,   "Edit69",  "Panel4", 140, 138,  78,  20, "",                         kInput | kHidden},
  {Kind::Label,  "Label97", "Panel4",   4, 163, 134,  16, "表面の放射率内",           kHidden},
  {Kind::Edit,   "Edit83",  "Panel4", 140, 160,  78,  20, "0.5",                      kInput | kHidden},
  {Kind::Label,  "Label19", "Panel4",   8, 198,  50,  16, "復　元",                   kBold},
  {Kind::Button, "Button9", "Panel4", 112, 194, 106,  24, "熱伝達率計算"},

  // Command column.
  {Kind::Panel,  "Panel12", "Panel1", 800,   9, 105, 225, "",                         0, kPanel},
  // Eight rows of 24 px: the analysis view adds グラフ (GraphButton) at
  // y 60, the report 報告書 and 印刷 side by side at y 168.
  {Kind::Button, "Button22","Panel12",  6,   6,  93,  24, "メモ"},
  {Kind::Button, "Button23","Panel12",  6,  33,  93,  24, "資料"},
  {Kind::Button, "Button29","Panel12",  6,  87,  93,  24, "放熱計算"},
  {Kind::Button, "Button30","Panel12",  6, 114,  93,  24, "加熱計算"},
  {Kind::Button, "Button44","Panel12",  6, 141,  93,  24, "結果一括保存"},
  {Kind::Button, "Button21","Panel12",  6, 195,  93,  24, "利用方法"},
};
// clang-format on

}  // namespace

void BuildAppLayout(Form& form) { BuildControls(form, kAppControls); }
