#include "operations/heating/HeatingLayout.h"

#include "widgets/ControlTable.h"

namespace {

// Three columns: geometry and temperatures, properties, selectors and
// results at the lower right.
constexpr int kCap1 = 4, kField1 = 86, kW1 = 46;
constexpr int kCap2 = 150, kField2 = 280, kW2 = 44;
constexpr int kCol3 = 327, kW3 = 119;
constexpr int kCapW1 = kField1 - kCap1, kCapW2 = kField2 - kCap2;
constexpr int Row(int i) { return 24 + 22 * i; }
constexpr int Cap(int i) { return Row(i) + 3; }
constexpr int Result(int i) { return 78 + 40 * i; }

// clang-format off
const ControlSpec kHeatingPanel[] = {
  // kind          name          parent     x       y         w       h   caption                    flags colour
  {Kind::Panel,  "Panel14",    "Panel1",  232,      8,      449,    226, "",                         kHidden, kPanel},
  {Kind::Label,  "Label52",    "Panel14",   8,      4,      200,     18, "液体の加熱",               kBold},

  {Kind::Label,  "Label39",    "Panel14", kCap1,  Cap(0), kCapW1,   16, "縦ｍ"},
  {Kind::Edit,   "Edit35",     "Panel14", kField1, Row(0), kW1,     20, "",                         kInput},
  {Kind::Label,  "Label48",    "Panel14", kCap1,  Cap(1), kCapW1,   16, "横ｍ"},
  {Kind::Edit,   "Edit36",     "Panel14", kField1, Row(1), kW1,     20, "",                         kInput},
  {Kind::Label,  "Label49",    "Panel14", kCap1,  Cap(2), kCapW1,   16, "奥行きｍ"},
  {Kind::Edit,   "Edit37",     "Panel14", kField1, Row(2), kW1,     20, "",                         kInput},
  {Kind::Label,  "Label40",    "Panel14", kCap1,  Cap(3), kCapW1,   16, "液量  m3"},
  {Kind::Edit,   "Edit49",     "Panel14", kField1, Row(3), kW1,     20, ""},
  {Kind::Edit,   "Edit54",     "Panel14", kField1, Row(3), kW1,     20, "",                         kHidden},
  {Kind::Label,  "Label61",    "Panel14", kField1 + kW1 + 1, Cap(3), 14, 16, "kg",                  kHidden},
  {Kind::Label,  "Label41",    "Panel14", kCap1,  Cap(4), kCapW1,   16, "容器　厚さｍｍ"},
  {Kind::Edit,   "Edit38",     "Panel14", kField1, Row(4), kW1,     20, "",                         kInput},
  {Kind::Label,  "Label42",    "Panel14", kCap1,  Cap(5), kCapW1,   16, "断熱材厚さｍｍ"},
  {Kind::Edit,   "Edit39",     "Panel14", kField1, Row(5), kW1,     20, "",                         kInput},
  {Kind::Label,  "Label43",    "Panel14", kCap1,  Cap(6), kCapW1,   16, "外気温度　℃"},
  {Kind::Edit,   "Edit40",     "Panel14", kField1, Row(6), kW1,     20, "",                         kInput},
  {Kind::Label,  "Label44",    "Panel14", kCap1,  Cap(7), kCapW1,   16, "加熱前温度℃"},
  {Kind::Edit,   "Edit41",     "Panel14", kField1, Row(7), kW1,     20, "",                         kInput},
  {Kind::Label,  "Label45",    "Panel14", kCap1,  Cap(8), kCapW1,   16, "加熱後温度℃"},
  {Kind::Edit,   "Edit42",     "Panel14", kField1, Row(8), kW1,     20, "",                         kInput},

  {Kind::Label,  "Label47",    "Panel14", kCap2,  Cap(0), kCapW2,   16, "上昇時間H"},
  {Kind::Edit,   "Edit43",     "Panel14", kField2, Row(0), kW2,     20, "",                         kInput},
  {Kind::Label,  "Label50",    "Panel14", kCap2,  Cap(1), kCapW2,   16, "液体の密度　ｇ/ｃｍ3"},
  {Kind::Edit,   "Edit44",     "Panel14", kField2, Row(1), kW2,     20, "",                         kInput},
  {Kind::Label,  "Label51",    "Panel14", kCap2,  Cap(2), kCapW2,   16, "液体の比熱ｋcal/kg℃"},
  {Kind::Edit,   "Edit45",     "Panel14", kField2, Row(2), kW2,     20, "",                         kInput},
  {Kind::Label,  "Label57",    "Panel14", kCap2,  Cap(3), kCapW2,   16, "容器材の密度ｇ/ｃｍ3"},
  {Kind::Edit,   "Edit50",     "Panel14", kField2, Row(3), kW2,     20, "",                         kInput},
  {Kind::Label,  "Label58",    "Panel14", kCap2,  Cap(4), kCapW2,   16, "容器材の比熱ｋcal/kg℃"},
  {Kind::Edit,   "Edit51",     "Panel14", kField2, Row(4), kW2,     20, "",                         kInput},
  {Kind::Label,  "Label60",    "Panel14", kCap2,  Cap(5), kCapW2,   16, "容器λ　W/ｍ℃"},
  {Kind::Edit,   "Edit53",     "Panel14", kField2, Row(5), kW2,     20, "",                         kInput},
  {Kind::Label,  "Label59",    "Panel14", kCap2,  Cap(6), kCapW2,   16, "断熱材λ W/m℃"},
  {Kind::Edit,   "Edit52",     "Panel14", kField2, Row(6), kW2,     20, "",                         kInput},
  {Kind::Label,  "Label33",    "Panel14", kCap2,  Cap(8), kCapW2,   16, "液体のみの必要熱量W",       kHidden},
  {Kind::Edit,   "Edit55",     "Panel14", kField2, Row(8), kW2,     20, "",                         kHidden},

  // Lid (liquid) and heating mode (gas) share the top of the third column.
  {Kind::Label,  "Label46",    "Panel14", kCol3,   26,       kW3,    16, "蓋の有無"},
  {Kind::Radio,  "RadioButton1","Panel14", kCol3 + 4, 44,     44,    18, "有",                       kChecked},
  {Kind::Radio,  "RadioButton2","Panel14", kCol3 + 52, 44,    44,    18, "無",                       kHidden},
  {Kind::Group,  "GroupBox1",  "Panel14", kCol3,   18,       kW3,    50, "",                         kHidden},
  {Kind::Radio,  "RadioButton3","GroupBox1", 6,      6,       94,    18, "ヒーター加熱",             kChecked},
  {Kind::Radio,  "RadioButton4","GroupBox1", 6,     26,       94,    18, "壁面加熱"},

  {Kind::Label,  "Label53",    "Panel14", kCol3, Result(0),     kW3, 16, "必要熱量W"},
  {Kind::Label,  "Label77",    "Panel14", kCol3, Result(0),     kW3, 16, "対流のみによる温度 ℃",    kHidden},
  {Kind::Edit,   "Edit46",     "Panel14", kCol3, Result(0) + 16, kW3, 20, ""},
  {Kind::Label,  "Label54",    "Panel14", kCol3, Result(1),     kW3, 16, "放熱損失％"},
  {Kind::Label,  "Label78",    "Panel14", kCol3, Result(1),     kW3, 16, "放射のみによる温度 ℃",    kHidden},
  {Kind::Edit,   "Edit47",     "Panel14", kCol3, Result(1) + 16, kW3, 20, ""},
  {Kind::Label,  "Label55",    "Panel14", kCol3, Result(2),     kW3, 16, "加熱後温度での放熱W"},
  {Kind::Label,  "Label79",    "Panel14", kCol3, Result(2),     kW3, 16, "双方による温度 ℃",        kHidden},
  {Kind::Edit,   "Edit48",     "Panel14", kCol3, Result(2) + 16, kW3, 20, ""},

  {Kind::Panel,  "Panel13",    "Panel1",  688,      8,      105,    226, "",                         kHidden, kPanel},
  {Kind::Label,  "Label56",    "Panel13",  28,      6,       60,     16, "作業選択"},
  {Kind::Button, "Button31",   "Panel13",   6,     24,       93,     24, "液体の加熱"},
  {Kind::Button, "Button32",   "Panel13",   6,     50,       93,     24, "気体の加熱"},
  {Kind::Button, "Button33",   "Panel13",   6,     76,       93,     24, "固体の加熱"},
  {Kind::Button, "Button34",   "Panel13",   6,    108,       93,     24, "実行"},
  {Kind::Button, "Button35",   "Panel13",   6,    134,       93,     24, "保存"},
  {Kind::Button, "Button36",   "Panel13",   6,    160,       93,     24, "戻る"},
  {Kind::Button, "Button73",   "Panel13",   6,    196,       45,     24, "要素法"},
  {Kind::Button, "Button83",   "Panel13",  54,    196,       45,     24, "実行"},
};
// clang-format on

}  // namespace

void BuildHeatingLayout(Form& form) { BuildControls(form, kHeatingPanel); }
