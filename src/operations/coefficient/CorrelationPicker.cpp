#include "operations/coefficient/CorrelationPicker.h"

#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <cmath>

#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/coefficient/CoefficientPanel.h"
#include "operations/coefficient/CorrelationCatalogue.h"
#include "operations/coefficient/CorrelationCompare.h"
#include "operations/coefficient/CorrelationEvaluation.h"
#include "operations/coefficient/ItemGrid.h"
#include "operations/common/CoefficientControls.h"
#include "operations/hints/HintLine.h"
#include "operations/hints/UnitHint.h"
#include "widgets/ControlTable.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

namespace {

const char* const kRangesFile = "text/correlation_ranges.txt";

// clang-format off
const ControlSpec kCorrelationPage[] = {
  {Kind::Label,  "CorrelationListCaption", "CorrelationPage",   6,   4, 420,  16,
   "式の一覧　ダブルクリックか「選択」で熱伝達率計算の式にする"},
  // The list takes the room of a larger window (its last column, the
  // published ranges, widens), its button keeps to its right end; the
  // comparison keeps to the page's right edge.
  {Kind::Button, "CorrelationPickButton",  "CorrelationPage", 432,   1,  72,  22, "選択", kDisabled | kAnchorRight},
  {Kind::Grid,   "CorrelationList",        "CorrelationPage",   4,  26, 500, 264, "4,1", kStretch},
  {Kind::Label,  "CompareCaption",         "CorrelationPage", 512,   4, 392,  16,
   "同じ形と流れの式（いま入っている項目で計算）", kAnchorRight},
  {Kind::Grid,   "CompareGrid",            "CorrelationPage", 510,  26, 396, 240, "5,1", kAnchorRight | kStretchHeight},
  {Kind::Label,  "CompareNote",            "CorrelationPage", 512, 270, 392,  16, "",    kAnchorRight | kAnchorBottom},
};
// clang-format on

const int kListWidths[] = {36, 200, 56, 190};
const char* const kListHeaders[] = {"番号", "式", "群", "公表された適用範囲"};
const int kCompareWidths[] = {36, 186, 52, 50, 56};
const char* const kCompareHeaders[] = {"番号", "式", "Nu", "h", "範囲"};

// A number outside the chosen formula's range: a warm orange on its field.
constexpr unsigned kWarning = 0xFFC78A;

struct NumberField {
  const char* quantity;
  const char* field;
  bool shown;  // the field shows the quantity itself (not a number made from it)
};
// The result fields of the dimensionless numbers, and the derived numbers
// whose field is marked with them.
const NumberField kNumberFields[] = {
    {"Re", Coefficient::Reynolds, true},  {"Pr", Coefficient::Prandtl, true},
    {"Gr", Coefficient::Grashof, true},   {"Ra", Coefficient::Rayleigh, true},
    {"Pe", Coefficient::Reynolds, false}, {"PrRa", Coefficient::Rayleigh, false}};
const char* const kMarkedFields[] = {Coefficient::Reynolds, Coefficient::Prandtl, Coefficient::Grashof,
                                     Coefficient::Rayleigh};

QString GroupName(CorrelationGroup g) {
  switch (g) {
    case CorrelationGroup::Simple:
      return QStringLiteral("簡易式");
    case CorrelationGroup::NaturalConvection:
      return QStringLiteral("自然対流");
    case CorrelationGroup::ForcedConvection:
      return QStringLiteral("強制対流");
    case CorrelationGroup::FinAndWall:
      return QStringLiteral("フィン・壁");
  }
  return QString();
}

void SetUpTable(StringGrid* g, std::span<const int> widths, std::span<const char* const> headers) {
  QStringList labels;
  for (const char* h : headers) labels << QString::fromUtf8(h);
  g->setHorizontalHeaderLabels(labels);
  g->horizontalHeader()->show();
  g->horizontalHeader()->setHighlightSections(false);
  for (int c = 0; c < static_cast<int>(widths.size()); ++c) g->setColumnWidth(c, widths[c]);
  g->horizontalHeader()->setStretchLastSection(true);
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->setSelectionBehavior(QAbstractItemView::SelectRows);
  g->setSelectionMode(QAbstractItemView::SingleSelection);
  g->setWordWrap(false);
}

// The value of a result field, when it holds a number.
std::optional<long double> FieldNumber(const Form& f, const char* field) {
  long double v = 0;
  if (!TryToNumber(f.Text(field), v)) return std::nullopt;
  return v;
}

}  // namespace

CorrelationPicker::CorrelationPicker(Form& form, AnalysisView& view, CoefficientPanel& panel, HintLine& hints)
    : Subsystem(form), view_(view), panel_(panel), hints_(hints), grid_(std::make_unique<ItemGrid>(form)) {}

CorrelationPicker::~CorrelationPicker() = default;

void CorrelationPicker::Build() {
  view_.AddPage("CorrelationPage", QStringLiteral("熱伝達率の式"));
  BuildControls(f, kCorrelationPage);
  SetUpTable(f.Grid("CorrelationList"), kListWidths, kListHeaders);
  SetUpTable(f.Grid("CompareGrid"), kCompareWidths, kCompareHeaders);
  f.Grid("CompareGrid")->setRowCount(0);
  // The coefficient panel's caption opens the list: drawn as a link.
  QLabel* caption = f.Label(Coefficient::NumberCaption);
  QFont font = caption->font();
  font.setUnderline(true);
  caption->setFont(font);
  QPalette p = caption->palette();
  p.setColor(QPalette::WindowText, QColor(0x00, 0x33, 0xAA));
  caption->setPalette(p);
  caption->setCursor(Qt::PointingHandCursor);
  caption->setToolTip(QStringLiteral("式の一覧（適用範囲と出典、同じ形の式の比較）を開く"));
  ranges_ = CorrelationRanges::Read(f.Path(QString::fromLatin1(kRangesFile)));
  FillList();
}

void CorrelationPicker::Wire() {
  f.OnClick(Coefficient::NumberCaption, [this] { Open(); });
  f.OnClick("CorrelationPickButton", [this] { Choose(f.Grid("CorrelationList")->currentRow()); });
  f.OnDblClick("CorrelationList", [this] { Choose(f.Grid("CorrelationList")->currentRow()); });
  f.Grid("CorrelationList")->onEnter = [this] {
    f.Guarded([this] { Choose(f.Grid("CorrelationList")->currentRow()); });
  };
  // 選択 waits for a row.
  StringGrid* list = f.Grid("CorrelationList");
  QObject::connect(list, &QTableWidget::currentCellChanged, list,
                   [this](int row) { f.SetEnabled("CorrelationPickButton", row >= 0); });
  // A click on the page's tab brings it up without an operation.
  auto* tabs = qobject_cast<QTabWidget*>(f.Control("AnalysisView"));
  QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [this] {
    if (PageShown()) f.Guarded([this] { RefreshCompare(); });
  });
  f.OnAfterOperation([this](bool) {
    if (PageShown()) RefreshCompare();
  });
  hints_.AddCheck([this]() -> std::optional<QStringList> {
    if (!panel_.TakeRun()) return std::nullopt;
    return hints_.ItemHints(Coefficient::Items) + CheckRange();
  });
}

bool CorrelationPicker::PageShown() const { return f.Control("CorrelationPage")->isVisibleTo(&f); }

void CorrelationPicker::FillList() {
  StringGrid* list = f.Grid("CorrelationList");
  const auto catalogue = CorrelationCatalogue();
  list->SetRowCount(static_cast<int>(catalogue.size()));
  int row = 0;
  for (const CorrelationEntry& e : catalogue) {
    const QString number = QString::fromUtf8(e.number);
    const CorrelationRange* r = ranges_.Of(number);
    list->SetRowTexts(row, {number, r ? r->name : QStringLiteral("（適用範囲の表にない）"),
                            GroupName(e.group), r ? r->published : QString()});
    if (r) {
      const QString tip = QStringLiteral("式%1　%2\n形状: %3（%4）\n公表された適用範囲: %5\n出典: %6")
                              .arg(number, r->name, r->geometry, r->flow, r->published, r->source);
      for (int c = 0; c < list->ColCount(); ++c)
        if (QTableWidgetItem* it = list->item(row, c)) it->setToolTip(tip);
    }
    ++row;
  }
  if (!ranges_.Problem().isEmpty()) f.SetText("CorrelationListCaption", ranges_.Problem());
}

void CorrelationPicker::Open() {
  view_.Show("CorrelationPage");
  StringGrid* list = f.Grid("CorrelationList");
  const QString number = f.Text(Coefficient::Number);
  for (int r = 0; r < list->RowCount(); ++r)
    if (list->Cell(0, r) == number) {
      list->setCurrentCell(r, 0);
      list->scrollToItem(list->item(r, 0), QAbstractItemView::PositionAtCenter);
    }
  RefreshCompare();
}

void CorrelationPicker::Choose(int row) {
  StringGrid* list = f.Grid("CorrelationList");
  if (row < 0 || row >= list->RowCount()) return;
  if (!f.IsShown(Coefficient::Panel)) panel_.ToggleCoefficientPanel();
  f.SetText(Coefficient::Number, list->Cell(0, row));
  panel_.SelectCorrelation();
  RefreshCompare();
}

void CorrelationPicker::RefreshCompare() {
  const Comparison c = CompareCorrelations(*grid_, ranges_, f.Text(Coefficient::Number));
  StringGrid* g = f.Grid("CompareGrid");
  {
    FloatFaults::Keep keep;
    g->clearContents();
    g->setRowCount(static_cast<int>(c.rows.size()));
  }
  for (int r = 0; r < c.rows.size(); ++r) {
    const CompareRow& row = c.rows[r];
    g->SetRowTexts(r, {row.number, row.name, row.nu, row.h, row.range});
    FloatFaults::Keep keep;
    for (int col = 0; col < g->ColCount(); ++col) {
      QTableWidgetItem* it = g->item(r, col);
      if (!it) continue;
      it->setToolTip(row.why.isEmpty() ? row.name : row.name + QLatin1Char('\n') + row.why);
      QFont font = it->font();
      font.setBold(r == c.chosen);
      it->setFont(font);
    }
  }
  f.SetText("CompareNote", c.note);
}

QStringList CorrelationPicker::CheckRange() {
  const QString number = f.Text(Coefficient::Number);
  const CorrelationRange* range = ranges_.Of(number);
  FlowNumbers n;
  n.Re = FieldNumber(f, Coefficient::Reynolds);
  n.Pr = FieldNumber(f, Coefficient::Prandtl);
  n.Gr = FieldNumber(f, Coefficient::Grashof);
  n.Ra = FieldNumber(f, Coefficient::Rayleigh);
  long double v = 0, nu = 0, rho = 0;
  if (TryToNumber(grid_->Text(1, 1), v)) n.L = v;
  if (TryToNumber(grid_->Text(3, 0), v)) n.X = v;
  if (TryToNumber(grid_->Text(3, 2), v)) n.muW = v;
  if (TryToNumber(grid_->Text(1, 2), nu) && TryToNumber(grid_->Text(1, 4), rho)) n.mu = nu * rho;

  QStringList parts;
  QStringList marked;
  if (range && !f.IsEmpty(Coefficient::Result)) {
    for (const BrokenCondition& b : BrokenConditions(*range, n)) {
      const QString& quantity = b.condition->quantity;
      QString value =
          std::fabs(b.value) >= 1E5L ? MantissaExponentText(b.value) : UnitHint::Converted(b.value);
      for (const NumberField& nf : kNumberFields)
        if (quantity == QLatin1String(nf.quantity)) {
          marked << QString::fromLatin1(nf.field);
          if (nf.shown) value = f.Text(nf.field);
        }
      parts << quantity + QLatin1Char(' ') + value;
    }
  }
  for (const char* field : kMarkedFields) {
    if (marked.contains(QLatin1String(field)))
      Form::SetBackground(f.Control(field), kWarning);
    else
      f.SetResultColour(field);
  }
  if (parts.isEmpty()) return {};
  return {QStringLiteral("式%1 の適用範囲外：%2（公表された範囲：%3）")
              .arg(number, parts.join(QStringLiteral("、")), range->published)};
}
