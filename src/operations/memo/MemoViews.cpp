#include "operations/memo/MemoViews.h"

#include <QFont>
#include <QPlainTextEdit>

#include "operations/common/MemoControls.h"
#include "operations/memo/MemoStore.h"
#include "operations/memo/PickUp.h"
#include "operations/memo/ReferenceViewer.h"
#include "operations/memo/UsageText.h"
#include "widgets/ControlTable.h"
#include "widgets/FileListBox.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

namespace {
constexpr unsigned kMemo = 0xFFFFDF, kSide = 0xFFFF93;
// clang-format off
// The memos and tables take the room of a larger window; the side panels
// keep their width, their lists grow and their buttons stay at the foot.
const ControlSpec kUpperArea[] = {
  {Kind::Grid,  "StringGrid2", "Panel2", 112, 0, 793, 320, "30,200",  kStretch, 0xFFFFBB},
  {Kind::Memo,  "Memo5",       "Panel2", 112, 0, 793, 320, "",        kStretch | kHidden | kNoWrap, kMemo},
  {Kind::Memo,  "Memo2",       "Panel2", 112, 0, 793, 320, "作業中のメモにご利用ください。", kStretch | kHidden | kNoWrap, kMemo},
  {Kind::Grid,  "StringGrid3", "Panel2", 112, 0, 793, 321, "60,120",  kStretch | kHidden, kMemo},
  {Kind::Panel, "Panel3",      "Panel2",   0, 0, 113, 321, "",        kStretchHeight | kHidden, kSide},
  {Kind::Label, "Label62",     "Panel3",   8, 4,  97,  18, "メモ一覧", kBold},
  {Kind::List,  "FileListBox1","Panel3",   4, 24, 105, 200, "",       kStretchHeight, kMemo},
  {Kind::Button,"Button43",    "Panel3",   4, 230, 105, 26, "保  　　    存", kAnchorBottom},
  {Kind::Button,"Button47",    "Panel3",   4, 260, 105, 26, "デスクトップ保存", kAnchorBottom | kDisabled},
  {Kind::Button,"Button42",    "Panel3",   4, 290, 105, 26, "ファイル削除", kAnchorBottom},
  {Kind::Panel, "Panel11",     "Panel2",   0, 0, 113, 321, "",        kStretchHeight, kSide},
  {Kind::Label, "Label38",     "Panel11",  8, 4,  97,  20, "資料一覧", kBold},
  {Kind::List,  "FileListBox2","Panel11",  4, 28, 105, 288, "",       kStretchHeight, kMemo},
  // The usage text at the right, the long-cell box near the middle of the
  // table, the memo name bar at the foot of the memo.
  {Kind::Memo,  "Memo1",       "Panel2", 624, 16, 265, 193, "",       kAnchorRight | kStretchHeight | kHidden},
  {Kind::Memo,  "Memo3",       "Panel2", 344, 120, 497, 49, "",       kCentreX | kCentreY | kHidden | kReadOnly},
  {Kind::Panel, "Panel15",     "Panel2", 240, 284, 417, 33, "",       kCentreX | kAnchorBottom | kHidden, 0xC1C1FF},
  {Kind::Label, "Label74",     "Panel15",  6, 9, 150, 16, "保存するメモのファイル名"},
  {Kind::Edit,  "Edit56",      "Panel15", 160, 6, 150, 20, ""},
  {Kind::Button,"Button24",    "Panel15", 314, 5, 46, 23, "保存"},
  {Kind::Button,"Button86",    "Panel15", 364, 5, 46, 23, "ＮＯ"},
};
// clang-format on

void SetPixelSize(QWidget* w, int pixels) {
  QFont font = w->font();
  font.setPixelSize(pixels);
  w->setFont(font);
}

void SetScrollBars(QPlainTextEdit* memo, Qt::ScrollBarPolicy horizontal, Qt::ScrollBarPolicy vertical) {
  memo->setHorizontalScrollBarPolicy(horizontal);
  memo->setVerticalScrollBarPolicy(vertical);
}
}  // namespace

MemoViews::MemoViews(Form& form)
    : Subsystem(form),
      store_(std::make_unique<MemoStore>(form)),
      reference_(std::make_unique<ReferenceViewer>(form)),
      pickUp_(std::make_unique<PickUp>(form)),
      usage_(std::make_unique<UsageText>(form)) {}

MemoViews::~MemoViews() = default;

void MemoViews::Build() {
  BuildControls(f, kUpperArea);
  StringGrid* memo = f.Grid(Memos::GridMemo);
  memo->SetFixedHeaderRow(true);
  memo->SetPasteAllowed(true);
  memo->setColumnWidth(0, 133);

  // Text memo and formula view: both scroll bars; the long-cell box wraps
  // without any; the usage window wraps with a vertical bar only.
  SetScrollBars(f.Memo(Memos::TextMemo), Qt::ScrollBarAlwaysOn, Qt::ScrollBarAlwaysOn);
  SetScrollBars(f.Memo(Memos::ReferenceText), Qt::ScrollBarAlwaysOn, Qt::ScrollBarAlwaysOn);
  SetScrollBars(f.Memo(Memos::Note), Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOff);
  SetScrollBars(f.Memo(Memos::FormulaText), Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOn);
  SetPixelSize(f.Control(Memos::FormulaText), 13);
  SetPixelSize(f.Control(Memos::ReferenceListCaption), 16);
  usage_->Load();
}

void MemoViews::Wire() {
  store_->Wire();
  reference_->Wire();
  pickUp_->Wire();
  usage_->Wire();
}

void MemoViews::StartUp() {
  store_->RefreshMemoList();
  reference_->ListReferenceTables();
}

void MemoViews::ToggleMemo() { store_->ToggleMemo(); }
void MemoViews::ToggleNamePanel() { store_->ToggleNamePanel(); }
