// The typed names of the memo and reference views' controls. Their control table is
// in operations/memo/MemoViews.cpp.
// An identifier names a control by its meaning; its objectName stays the
// window's own (the scenario driver and the tests use those). The names of
// every subsystem stand here in operations/common, below the subsystems and
// the field catalogue (operations/hints), so that any of them can name any
// control.
#pragma once

#include "widgets/ControlTable.h"

// clang-format off
namespace Memos {
inline constexpr Control ReferenceGrid{"StringGrid2"};        // a reference table
inline constexpr Control ReferenceText{"Memo5"};              // a reference text
inline constexpr Control TextMemo{"Memo2"};                   // the text memo
inline constexpr Control GridMemo{"StringGrid3"};             // the grid memo and the comparison table
inline constexpr Control MemoSide{"Panel3"};                  // メモ一覧 beside the memos
inline constexpr Control MemoListCaption{"Label62"};
inline constexpr Control MemoList{"FileListBox1"};            // the memo files
inline constexpr Control SaveMemo{"Button43"};                // 保存
inline constexpr Control CopyToDesktop{"Button47"};           // デスクトップ保存
inline constexpr Control DeleteFile{"Button42"};              // ファイル削除
inline constexpr Control ReferenceSide{"Panel11"};            // 資料一覧
inline constexpr Control ReferenceListCaption{"Label38"};
inline constexpr Control ReferenceList{"FileListBox2"};       // the reference files
inline constexpr Control FormulaText{"Memo1"};                // the formula text beside a reference
inline constexpr Control Note{"Memo3"};                       // a one-line note over the memos
inline constexpr Control NameBar{"Panel15"};                  // the name of a memo to save
inline constexpr Control Name{"Edit56"};
inline constexpr Control SaveName{"Button24"};                // 保存
inline constexpr Control CancelName{"Button86"};              // いいえ
}  // namespace Memos

// clang-format on
