#include "operations/coefficient/CoefficientPanel.h"

#include <QHeaderView>
#include <algorithm>
#include <utility>
#include <vector>

#include "calc/coefficient/SaturatedVapour.h"
#include "foundation/NumberText.h"
#include "operations/coefficient/CorrelationCatalogue.h"
#include "operations/coefficient/CorrelationEvaluation.h"
#include "operations/coefficient/FinWallEvaluation.h"
#include "operations/coefficient/InputMemory.h"
#include "operations/coefficient/ItemGrid.h"
#include "operations/common/CoefficientControls.h"
#include "operations/common/MemoControls.h"
#include "operations/common/WindowControls.h"
#include "widgets/ControlTable.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

namespace {

constexpr int kGridWidth = 441;

// The number row, the row of dimensionless numbers, the formula row, the
// item grid.
// clang-format off
const ControlSpec kCoefficientPanel[] = {
  {Kind::Panel,  "Panel21",  "Panel1",  232,   8, 449, 226, "",             kHidden, kPanel},
  {Kind::Label,  "Label66",  "Panel21",   4,   9,  74,  16, "熱伝達率の式"},
  {Kind::Edit,   "Edit71",   "Panel21",  78,   6,  44,  20, "",             kInput},
  {Kind::Button, "Button65", "Panel21", 126,   5,  44,  22, "選択"},
  {Kind::Button, "Button78", "Panel21", 172,   5,  44,  22, "戻る"},
  {Kind::Button, "Button70", "Panel21", 218,   5,  64,  22, "計算実行"},
  {Kind::Label,  "Label67",  "Panel21", 288,   9,  60,  16, "計算結果 h"},
  {Kind::Edit,   "Edit72",   "Panel21", 348,   6,  95,  20, ""},

  {Kind::Label,  "Label80",  "Panel21",   4,  35,  30,  16, "Ｒｅ数"},
  {Kind::Edit,   "Edit78",   "Panel21",  34,  32,  56,  20, ""},
  {Kind::Label,  "Label81",  "Panel21",  93,  35,  30,  16, "Ｐｒ数"},
  {Kind::Edit,   "Edit79",   "Panel21", 123,  32,  44,  20, ""},
  {Kind::Label,  "Label82",  "Panel21", 170,  35,  30,  16, "Ｇｒ数"},
  {Kind::Edit,   "Edit80",   "Panel21", 200,  32,  72,  20, ""},
  {Kind::Label,  "Label93",  "Panel21", 275,  35,  30,  16, "Ｒａ数"},
  {Kind::Edit,   "Edit81",   "Panel21", 305,  32,  52,  20, ""},
  {Kind::Label,  "Label83",  "Panel21", 360,  35,  30,  16, "Ｎｕ数"},
  {Kind::Edit,   "Edit82",   "Panel21", 390,  32,  53,  20, ""},

  {Kind::Label,  "Label95",  "Panel21",   4,  61,  40,  16, "計算式"},
  {Kind::Edit,   "Edit77",   "Panel21",  44,  58, 399,  20, ""},

  {Kind::Grid,   "StringGrid4", "Panel21", 4, 84, kGridWidth, 136, "6,6",    0, 0xB5FFB5},
};
// clang-format on

const char* const kResultFields[] = {Coefficient::Result,  Coefficient::Formula, Coefficient::Reynolds,
                                     Coefficient::Prandtl, Coefficient::Grashof, Coefficient::Rayleigh,
                                     Coefficient::Nusselt};

// The saturated-vapour table: 0 to 100 ℃ in steps of 0.5.
constexpr int kVapourColumns = 10;
constexpr int kVapourRows = 202;
constexpr long double kVapourStep = 0.5L;

}  // namespace

CoefficientPanel::CoefficientPanel(Form& form)
    : Subsystem(form),
      grid_(std::make_unique<ItemGrid>(form)),
      memory_(std::make_unique<InputMemory>(form, *grid_)),
      finWall_(std::make_unique<FinWallEvaluation>(form, *grid_)),
      evaluation_(std::make_unique<CorrelationEvaluation>(form, *grid_, *finWall_, *memory_)) {}

CoefficientPanel::~CoefficientPanel() = default;

void CoefficientPanel::Build() {
  BuildControls(f, kCoefficientPanel);
  // Four columns fill the visible width; columns 4 and 5 are never used.
  StringGrid* grid = f.Grid(Coefficient::Items);
  grid->horizontalHeader()->setDefaultSectionSize((kGridWidth - 2 * grid->frameWidth()) / 4);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Long captions are cut at the cell's edge rather than shortened with "…".
  grid->setWordWrap(false);
  grid->setTextElideMode(Qt::ElideNone);
}

void CoefficientPanel::Wire() {
  f.OnClick(Surface::CoefficientButton, [this] { ToggleCoefficientPanel(); });
  f.OnClick(Coefficient::Choose, [this] { SelectCorrelation(); });
  f.OnEnter(Coefficient::Number, [this] { SelectCorrelation(); });
  f.OnClick(Coefficient::Evaluate, [this] { EvaluateCorrelation(); });
  f.OnClick(Coefficient::Back, [this] { RecallInputs(); });
  f.OnClick(Coefficient::RayleighCaption, [this] { SaturatedVapourTable(); });
  f.Grid(Coefficient::Items)->onEnter = [this] { f.Guarded([this] { EnterInItems(); }); };
}

// Enter in the item grid: on to the next needed value while one is missing
// (an item with a caption and no value, in reading order after the current
// cell), and the evaluation once all are there. 計算実行 evaluates at any time.
void CoefficientPanel::EnterInItems() {
  StringGrid* grid = f.Grid(Coefficient::Items);
  const bool fin = f.Text(Coefficient::Number) == QStringLiteral("201");
  const int rows = fin ? 1 : ItemGrid::kRows;
  std::vector<std::pair<int, int>> missing;  // (row, value column)
  for (int r = 0; r < rows; ++r)
    for (int c : {0, 2})
      if (!grid->Cell(c, r).isEmpty() && grid->Cell(c + 1, r).isEmpty()) missing.emplace_back(r, c + 1);
  if (missing.empty()) {
    EvaluateCorrelation();
    return;
  }
  const std::pair<int, int> here(grid->currentRow(), grid->currentColumn());
  auto next = std::find_if(missing.begin(), missing.end(), [&](const auto& m) { return m > here; });
  if (next == missing.end()) next = missing.begin();
  grid->setCurrentCell(next->first, next->second);
  grid->setFocus(Qt::OtherFocusReason);
}

void CoefficientPanel::ToggleCoefficientPanel() {
  f.SetShown(Coefficient::Panel, !f.IsShown(Coefficient::Panel));
  if (f.IsShown(Coefficient::Panel)) f.Control(Coefficient::Panel)->raise();
}

void CoefficientPanel::SelectCorrelation() {
  const QString number = f.Text(Coefficient::Number);
  if (number.isEmpty()) return;
  ran_ = true;
  grid_->ClearItems();
  for (const char* field : kResultFields) f.SetText(field, QString());
  const CorrelationGroup group = GroupOf(ToInteger(number));
  const CorrelationEntry* entry = FindCorrelation(group, number);
  if (!entry) return;
  f.SetText(Coefficient::Formula, QString::fromUtf8(entry->formula));
  auto write = [this](std::span<const ItemText> texts) {
    for (const ItemText& it : texts)
      if (it.text) grid_->Set(it.column, it.row, QString::fromUtf8(it.text));
  };
  write(entry->items);
  write(entry->prefilled);
  write(SharedItems(group));
}

void CoefficientPanel::EvaluateCorrelation() {
  ran_ = true;
  evaluation_->EvaluateCorrelation();
}

bool CoefficientPanel::TakeRun() { return std::exchange(ran_, false); }

void CoefficientPanel::RememberInputs() { memory_->RememberInputs(); }
void CoefficientPanel::RecallInputs() { memory_->RecallInputs(); }

void CoefficientPanel::SaturatedVapourTable() {
  StringGrid* g = f.Grid(Memos::ReferenceGrid);
  g->SetColCount(kVapourColumns);
  g->SetRowCount(kVapourRows);
  g->ClearCells();
  g->SetCell(0, 0, QStringLiteral("温度℃"));
  g->SetCell(1, 0, QStringLiteral("水蒸気圧hPa"));
  g->SetCell(2, 0, QStringLiteral("水蒸気量g/m3"));
  for (int r = 1; r < kVapourRows; ++r) {
    const long double T = (r - 1) * kVapourStep;
    const long double p = VapourPressure(T);
    g->SetCell(0, r, NumberText(T));
    g->SetCell(1, r, RoundedText(p, 2));
    g->SetCell(2, r, RoundedText(VapourContent(T, p), 2));
  }
  // The captions stay in view while the table scrolls.
  g->SetHeaderRow(0);
  g->FitColumns(60, 200);
}
