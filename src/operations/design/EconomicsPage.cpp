#include "operations/design/EconomicsPage.h"

#include <QFileInfo>
#include <QFont>
#include <QLabel>
#include <algorithm>
#include <limits>

#include "foundation/Errors.h"
#include "foundation/NumberText.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/calculators/ScreenCalculator.h"
#include "operations/common/MemoControls.h"
#include "operations/design/DesignJob.h"
#include "operations/heatloss/HeatLossPanels.h"
#include "operations/hints/FieldRules.h"
#include "operations/memo/MemoViews.h"
#include "store/StockFiles.h"
#include "widgets/ChartView.h"
#include "widgets/ControlTable.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

using namespace DesignCalc;

namespace {

constexpr long double kNoLimit = std::numeric_limits<long double>::infinity();

// The inputs: field, caption, factory text, and the range a value must lie
// in (the highest value always allowed).
struct EconField {
  const char* name;
  const char* caption;
  const char* text;
  long double lowest;
  bool lowestAllowed;  // the lowest value itself is allowed
  long double highest;
};

// clang-format off
// Years and rate as a present worth means them: a life of 1 to 100 years,
// a rate from -10 to 100 % a year.
const EconField kFields[] = {
  {"EconHours",      "運転時間 h/年",        "8760", 0,    true,  kNoLimit},
  {"EconPrice",      "単価 円/kWh",          "12",   0,    true,  kNoLimit},
  {"EconEfficiency", "熱源の効率（COP）",     "0.85", 0,    false, kNoLimit},
  {"EconCO2",        "CO2 kg/kWh",           "0.2",  0,    true,  kNoLimit},
  {"EconYears",      "年数 年",              "10",   1,    true,  100},
  {"EconRate",       "割引率 %",             "3",    -10,  true,  100},
};

// A table of more stock thicknesses than these runs on a worker thread,
// with its progress and 中止: each row is a forward run of the calculator.
constexpr size_t kQuickRows = 200;

const ControlSpec kPage[] = {
  {Kind::Label,  "EconCase",        "EconPage",   8,   8, 210,  18, "",         kBold},
  {Kind::Button, "EconRun",         "EconPage",   8, 186,  98,  26, "計算"},
  {Kind::Button, "EconMemo",        "EconPage", 112, 186,  98,  26, "メモへ",    kDisabled},
  {Kind::Button, "EconChart",       "EconPage", 112, 216,  98,  26, "グラフ",    kDisabled},
  {Kind::Button, "EconCancel",      "EconPage",   8, 216,  98,  26, "中止",      kDisabled},
  {Kind::Label,  "EconBusy",        "EconPage",   8, 274, 210,  16, "計算中です…", kHidden},
  {Kind::Label,  "EconBestCaption", "EconPage",   8, 252, 120,  16, "経済的厚さ mm"},
  {Kind::Edit,   "EconBest",        "EconPage", 130, 249,  80,  20, "",          kReadOnly},
  // The table takes the room of a larger window, its note stays below it.
  {Kind::Grid,   "EconGrid",        "EconPage", 222,   8, 682, 236, "10,12",    kStretch},
  {Kind::Label,  "EconNote",        "EconPage", 222, 248, 682,  40, "",          kStretchWidth | kAnchorBottom},
};
// clang-format on

const char* const kHeader[] = {"厚さ mm",     "熱量",       "熱 kWh/年", "購入 kWh/年", "費用 円/年",
                               "CO2 kg/年",   "費用現価 円", "施工費 円", "合計 円",     "回収 年"};

QString Money(long double x) { return RoundedText(x, 0); }

QStringList RowTexts(const EconomicRow& r, bool bare) {
  QString payback = QStringLiteral("－");
  if (!bare) payback = r.paysBack ? RoundHundredths(r.paybackYears) : QStringLiteral("回収なし");
  return {bare ? QStringLiteral("保温なし") : NumberText(r.mm),
          RoundHundredths(r.heatFlow),
          RoundedText(r.heatKWh, 1),
          RoundedText(r.energyKWh, 1),
          Money(r.energyCost),
          RoundedText(r.co2Kg, 1),
          Money(r.presentEnergyCost),
          Money(r.installed),
          Money(r.total),
          payback};
}

QStringList HeaderTexts(const DesignCase& d) {
  QStringList texts;
  for (const char* h : kHeader) texts << QString::fromUtf8(h);
  texts[1] += QLatin1Char(' ') + d.HeatFlowUnit();
  return texts;
}

QString PerUnit(const DesignCase& d) { return d.PerMetre() ? QStringLiteral("1 m") : QStringLiteral("1 m2"); }

}  // namespace

void EconomicsPage::Build() {
  int y = 36;
  for (const EconField& e : kFields) {
    // The caption's name follows its field's.
    const QByteArray caption = QByteArray(e.name) + "Caption";
    const ControlSpec pair[] = {{Kind::Label, caption.constData(), "EconPage", 8, y + 3, 122, 16, e.caption},
                                {Kind::Edit, e.name, "EconPage", 130, y, 80, 20, e.text, kInput}};
    BuildControls(f, pair);
    y += 24;
  }
  BuildControls(f, kPage);
  StringGrid* grid = f.Grid("EconGrid");
  grid->SetFixedHeaderRow(true);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  const int widths[] = {54, 62, 66, 84, 66, 74, 76, 60, 66, 50};
  for (int c = 0; c < grid->ColCount(); ++c) grid->setColumnWidth(c, widths[c]);
  f.Label("EconNote")->setWordWrap(true);
}

void EconomicsPage::Wire() {
  f.OnClick("EconRun", [this] { Run(); });
  for (const EconField& e : kFields) f.OnEnter(e.name, [this] { Run(); });
  f.OnClick("EconMemo", [this] { ToMemo(); });
  f.OnClick("EconChart", [this] { ToChart(); });
  f.OnAfterOperation([this](bool) {
    const ScreenCalculator c = CalculatorOnScreen(f, heatLoss_);
    f.SetText("EconCase", QStringLiteral("対象の計算: ") + (c ? c.name : QStringLiteral("なし")));
  });
}

std::optional<EconomicInputs> EconomicsPage::Inputs() {
  long double v[std::size(kFields)] = {};
  for (size_t i = 0; i < std::size(kFields); ++i) {
    const EconField& e = kFields[i];
    const QString text = f.Text(e.name);
    const bool number = TryToNumber(text, v[i]);
    if (!number || v[i] < e.lowest || (!e.lowestAllowed && v[i] == e.lowest) || v[i] > e.highest) {
      QString range = NumberText(e.lowest);
      if (e.highest == kNoLimit)
        range += e.lowestAllowed ? QStringLiteral(" 以上の") : QStringLiteral(" より大きい");
      else
        range += (e.lowestAllowed ? QStringLiteral(" 以上 ") : QStringLiteral(" より大きく ")) +
                 NumberText(e.highest) + QStringLiteral(" 以下の");
      f.Message(QStringLiteral("%1 '%2' は %3数にしてください。")
                    .arg(QString::fromUtf8(e.caption), FieldRules::Quoted(text), range));
      return std::nullopt;
    }
  }
  EconomicInputs econ;
  econ.hoursPerYear = v[0];
  econ.pricePerKWh = v[1];
  econ.efficiency = v[2];
  econ.co2PerKWh = v[3];
  econ.years = v[4];
  econ.discountRate = v[5] / 100;
  return econ;
}

void EconomicsPage::Clear() {
  shown_.reset();
  f.Grid("EconGrid")->ClearCells();
  f.SetText("EconBest", QString());
  f.SetText("EconNote", QString());
  f.SetEnabled("EconMemo", false);
  f.SetEnabled("EconChart", false);
}

void EconomicsPage::Run() {
  // A table of other inputs is gone at once, whatever this run says.
  Clear();
  const ScreenCalculator c = CalculatorOnScreen(f, heatLoss_);
  if (!c) {
    f.Message(QStringLiteral("経済的厚さは放熱計算の計算パネル（平板放熱、平板熱通過、円筒の放熱、管内流体）を"
                             "表示して求めます。"));
    return;
  }
  if (!c.hooks->design) {
    f.Message(NotOffered(c.name, QStringLiteral("経済的厚さ")));
    return;
  }
  const std::optional<EconomicInputs> econ = Inputs();
  if (!econ) return;
  const std::optional<DesignCase> d = CaseOnScreen(f, c);
  if (!d) return;
  if (d->HeaterPower()) {
    f.Message(QStringLiteral("ヒーター温度には保温材がありません。"));
    return;
  }
  if (d->in.cooling) {
    f.Message(QStringLiteral("平板放熱の経済的厚さは定温放熱で求めます（定温放熱に切り替えてください）。"));
    return;
  }
  const QString path = f.Path(QString::fromLatin1(StockFiles::kCosts));
  std::vector<StockCost> stock;
  for (const StockFiles::CostLine& line : StockFiles::ReadCosts(path)) {
    const std::optional<long double> cost = d->PerMetre() ? line.perMetre : line.perSquareMetre;
    if (!cost)
      throw AppError(QStringLiteral("ファイル %1 の %2 行目: %3あたりの施工費がありません。")
                         .arg(QFileInfo(path).fileName(), QString::number(line.line), PerUnit(*d)));
    stock.push_back({line.mm, *cost});
  }
  if (stock.empty()) {
    f.Message(
        QStringLiteral("ファイル %1 に厚さと施工費の行がありません（# で始まる行と空の行は読み飛ばします）。")
            .arg(QFileInfo(path).fileName()));
    return;
  }
  job_.Start(
      [this, d = *d, econ = *econ, stock](DesignJob::Control& control) -> DesignJob::Show {
        const std::optional<EconomicTable> t = Tabulate(d, stock, econ, control);
        if (!t) return [] {};
        return [this, d, econ, t = *t] { Show(d, econ, t); };
      },
      d->hook->slow || stock.size() > kQuickRows, static_cast<int>(stock.size()) + 1);
}

std::optional<EconomicTable> EconomicsPage::Tabulate(const DesignCase& d, const std::vector<StockCost>& stock,
                                                     const EconomicInputs& econ,
                                                     DesignJob::Control& control) {
  // The table without stock: whether there is one (inputs, a length or an
  // area), and bare's heat flow.
  const EconomicTable bare = d.Economics({}, econ);
  ++control.done;
  if (!bare.valid) return bare;
  // Then each stock thickness's forward run, thinnest first, as the
  // calculator's own table runs them: the same rows to the bit.
  std::vector<StockCost> sorted = stock;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const StockCost& a, const StockCost& b) { return a.mm < b.mm; });
  std::vector<long double> flows;
  flows.reserve(sorted.size());
  for (const StockCost& s : sorted) {
    if (control.cancel.load()) return std::nullopt;
    flows.push_back(d.Quantity(s.mm, TargetKind::HeatFlowAtMost));
    ++control.done;
  }
  return EconomicRows(bare.rows.front().heatFlow, sorted, flows, econ);
}

void EconomicsPage::Show(const DesignCase& d, const EconomicInputs& econ, const EconomicTable& t) {
  Clear();
  StringGrid* grid = f.Grid("EconGrid");
  if (!t.valid || t.best < 0) {
    f.SetText("EconNote", QStringLiteral("この計算の条件では表を作れません（長さまたは面積が 0）。"));
    return;
  }
  grid->SetRowCount(static_cast<int>(t.rows.size()) + 1);
  grid->SetRowTexts(0, HeaderTexts(d));
  for (size_t j = 0; j < t.rows.size(); ++j) {
    const int r = static_cast<int>(j) + 1;
    grid->SetRowTexts(r, RowTexts(t.rows[j], j == 0));
    if (static_cast<int>(j) == t.best)
      for (int c = 0; c < grid->ColCount(); ++c)
        if (QTableWidgetItem* item = grid->item(r, c)) {
          QFont font = item->font();
          font.setBold(true);
          item->setFont(font);
          item->setBackground(QColor(0xFF, 0xE0, 0x80));
        }
  }
  const EconomicRow& best = t.rows[t.best];
  f.SetText("EconBest", NumberText(best.mm));
  f.SetText("EconNote",
            QStringLiteral("%1: 金額は %2 あたり。費用現価 = 費用/年 × 現価係数 %3（割引率 %4 %、%5 年）。"
                           "経済的厚さ（合計が最小）は %6。")
                .arg(d.Name(), PerUnit(d), RoundedText(t.presentWorthFactor, 4),
                     NumberText(econ.discountRate * 100), NumberText(econ.years),
                     best.mm == 0 ? QStringLiteral("保温なし") : NumberText(best.mm) + QStringLiteral(" mm")));
  shown_ = Shown{d, econ, t};
  f.SetEnabled("EconMemo", true);
  f.SetEnabled("EconChart", true);
}

QList<QStringList> EconomicsPage::MemoLines() const {
  QList<QStringList> lines;
  const Shown& s = *shown_;
  lines << HeaderTexts(s.d);
  for (size_t j = 0; j < s.table.rows.size(); ++j) lines << RowTexts(s.table.rows[j], j == 0);
  const EconomicRow& best = s.table.rows[s.table.best];
  lines << QStringList{}
        << QStringList{QStringLiteral("経済的厚さ mm"), NumberText(best.mm)}
        << QStringList{QStringLiteral("計算"), s.d.Name(), QStringLiteral("金額は %1 あたり").arg(PerUnit(s.d))};
  const long double values[] = {s.econ.hoursPerYear, s.econ.pricePerKWh, s.econ.efficiency,
                                s.econ.co2PerKWh,    s.econ.years,       s.econ.discountRate * 100};
  for (size_t i = 0; i < std::size(kFields); ++i)
    lines << QStringList{QString::fromUtf8(kFields[i].caption), NumberText(values[i])};
  lines << QStringList{QStringLiteral("現価係数"), RoundedText(s.table.presentWorthFactor, 6)};
  return lines;
}

void EconomicsPage::ToMemo() {
  if (!shown_) return;
  StringGrid* grid = f.Grid(Memos::GridMemo);
  bool filled = false;
  for (int r = 0; r < grid->RowCount() && !filled; ++r)
    for (const QString& text : grid->RowTexts(r))
      if (!text.isEmpty()) filled = true;
  if (filled && !f.Confirm(QStringLiteral("グリッドメモの表を経済的厚さの表で置き換えますか。\r"
                                          "（今の表を残すには、先にメモとして保存してください）")))
    return;
  analysis_.Hide();
  // The grid memo shows, whichever memo showed before.
  memos_.ToggleMemo();
  if (f.IsShown(Memos::TextMemo)) memos_.ToggleMemo();
  const QList<QStringList> lines = MemoLines();
  grid->ClearCells();
  if (grid->RowCount() < lines.size()) grid->SetRowCount(static_cast<int>(lines.size()));
  for (int r = 0; r < lines.size(); ++r) grid->SetRowTexts(r, lines[r]);
  // The comparison table of 結果一括保存 starts anew rather than write into this table.
  f.Store().SetCell(StoreCells::kExportCounter, QStringLiteral("0"));
}

void EconomicsPage::ToChart() {
  if (!shown_) return;
  const Shown& s = *shown_;
  ChartCurve total{QStringLiteral("合計"), {}, ChartCurve::Line};
  ChartCurve energy{QStringLiteral("エネルギー費の現在価値"), {}, ChartCurve::Dashed};
  ChartCurve installed{QStringLiteral("施工費"), {}, ChartCurve::Dashed};
  // Bare costs far more than any insulation as a rule: drawn, it would
  // flatten the curve around the minimum, so it is drawn only when it is
  // the cheapest, and its total stands in the title otherwise.
  const EconomicRow& bare = s.table.rows.front();
  for (const EconomicRow& r : s.table.rows) {
    if (&r == &bare && s.table.best != 0) continue;
    const double mm = static_cast<double>(r.mm);
    total.points.push_back({mm, static_cast<double>(r.total)});
    energy.points.push_back({mm, static_cast<double>(r.presentEnergyCost)});
    installed.points.push_back({mm, static_cast<double>(r.installed)});
  }
  const EconomicRow& best = s.table.rows[s.table.best];
  ChartCurve mark{QStringLiteral("経済的厚さ %1 mm").arg(NumberText(best.mm)),
                  {{static_cast<double>(best.mm), static_cast<double>(best.total)}},
                  ChartCurve::Mark};
  const QString perUnit = s.d.PerMetre() ? QStringLiteral("円/m") : QStringLiteral("円/m2");
  ChartPlot plot{QStringLiteral("経済的厚さ（%1、保温なしの合計 %2 %3）").arg(s.d.Name(), Money(bare.total), perUnit),
                 QStringLiteral("保温厚さ mm"), QStringLiteral("費用 ") + perUnit, {total, energy, installed, mark},
                 QString()};
  analysis_.Chart().Draw(plot);
  analysis_.Show("GraphPage");
}
