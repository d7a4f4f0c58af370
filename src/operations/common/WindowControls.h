// The typed names of the controls the whole window shares: the two areas, the surface panel
// (Panel4) and the command column (Panel12). Their control tables are in app/AppLayout.cpp.
// An identifier names a control by its meaning; its objectName stays the
// window's own (the scenario driver and the tests use those). The names of
// every subsystem stand here in operations/common, below the subsystems and
// the field catalogue (operations/hints), so that any of them can name any
// control.
#pragma once

#include "widgets/ControlTable.h"

// clang-format off
namespace Window {
inline constexpr Control LowerArea{"Panel1"};      // the lower area: the calculator panels
inline constexpr Control UpperArea{"Panel2"};      // the upper area: memos, reference tables, the analysis view
}  // namespace Window

namespace Surface {
inline constexpr Control Panel{"Panel4"};                        // the surface panel every calculator shares
inline constexpr Control StefanBoltzmannCaption{"Label13"};
inline constexpr Control StefanBoltzmann{"Edit15"};              // the constant's digits, shown not typed
inline constexpr Control StefanBoltzmannExponent{"Edit22"};      // its exponent
inline constexpr Control EmissivityCaption{"Label14"};
inline constexpr Control Emissivity{"Edit16"};                   // 表面の放射率
inline constexpr Control CoefficientCaption{"Label15"};
inline constexpr Control Coefficient{"Edit17"};                  // 対流熱伝達率 W/m2℃, typed or computed by 自動
inline constexpr Control ConvectiveLossCaption{"Label16"};
inline constexpr Control ConvectiveLoss{"Edit18"};               // 対流放熱量 W
inline constexpr Control RadiativeLossCaption{"Label17"};
inline constexpr Control RadiativeLoss{"Edit19"};                // 放射放熱量 W
inline constexpr Control TotalLossCaption{"Label18"};
inline constexpr Control TotalLoss{"Edit20"};                    // 放熱量計 W
inline constexpr Control InnerCoefficientCaption{"Label65"};
inline constexpr Control InnerCoefficient{"Edit69"};             // 対流熱伝達率内 (pipe flow, flat wall)
inline constexpr Control InnerEmissivityCaption{"Label97"};
inline constexpr Control InnerEmissivity{"Edit83"};              // 表面の放射率内 (pipe flow, flat wall)
inline constexpr Control Restore{"Label19"};                     // 復元: a click asks, a double click restores at once
inline constexpr Control CoefficientButton{"Button9"};           // 熱伝達率計算: the coefficient panel
}  // namespace Surface

namespace Commands {
inline constexpr Control Memo{"Button22"};             // メモ
inline constexpr Control Reference{"Button23"};        // 資料
inline constexpr Control HeatLossMode{"Button29"};     // 放熱計算
inline constexpr Control HeatingMode{"Button30"};      // 加熱計算
inline constexpr Control ExportResults{"Button44"};    // 結果一括保存
inline constexpr Control Usage{"Button21"};            // 利用方法
}  // namespace Commands

// clang-format on
