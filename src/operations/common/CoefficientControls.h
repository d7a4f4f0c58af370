// The typed names of the coefficient panel's controls. Its control table is in
// operations/coefficient/CoefficientPanel.cpp; the names stand here, below it, as the field
// catalogue (operations/hints) names its fields too.
// An identifier names a control by its meaning; its objectName stays the
// window's own (the scenario driver and the tests use those). The names of
// every subsystem stand here in operations/common, below the subsystems and
// the field catalogue (operations/hints), so that any of them can name any
// control.
#pragma once

#include "widgets/ControlTable.h"

// clang-format off
namespace Coefficient {
inline constexpr Control Panel{"Panel21"};               // the coefficient panel
inline constexpr Control NumberCaption{"Label66"};
inline constexpr Control Number{"Edit71"};               // the correlation's number
inline constexpr Control Choose{"Button65"};             // 選択
inline constexpr Control Back{"Button78"};               // 戻る
inline constexpr Control Evaluate{"Button70"};           // 計算実行
inline constexpr Control ResultCaption{"Label67"};
inline constexpr Control Result{"Edit72"};               // 計算結果 h
inline constexpr Control ReynoldsCaption{"Label80"};
inline constexpr Control Reynolds{"Edit78"};
inline constexpr Control PrandtlCaption{"Label81"};
inline constexpr Control Prandtl{"Edit79"};
inline constexpr Control GrashofCaption{"Label82"};
inline constexpr Control Grashof{"Edit80"};
inline constexpr Control RayleighCaption{"Label93"};     // a click: the saturated vapour table
inline constexpr Control Rayleigh{"Edit81"};
inline constexpr Control NusseltCaption{"Label83"};
inline constexpr Control Nusselt{"Edit82"};
inline constexpr Control FormulaCaption{"Label95"};
inline constexpr Control Formula{"Edit77"};              // 計算式
inline constexpr Control Items{"StringGrid4"};           // the items of the correlation
}  // namespace Coefficient

// clang-format on
