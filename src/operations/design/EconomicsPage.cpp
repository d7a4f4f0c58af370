#include "operations/design/EconomicsPage.h"

#include <QFileInfo>
#include <QFont>
#include <QLabel>

#include "foundation/Errors.h"
#include "foundation/NumberText.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/calculators/ScreenCalculator.h"
#include "operations/design/DesignJob.h"
#include "operations/heatloss/HeatLossPanels.h"
#include "operations/memo/MemoControls.h"
#include "operations/memo/MemoViews.h"
#include "store/StockFiles.h"
#include "widgets/ChartView.h"
#include "widgets/ControlTable.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

using namespace DesignCalc;

namespace {

// The inputs: field, caption, factory text, and the range a value must lie in.
struct EconField {
  const char* name;
  const char* caption;
  const char* text;
  long double lowest;
  bool lowestAllowed;  // the lowest value itself is allowed
};

// clang-format off
const EconField kFields[] = {
  {"EconHours",      "運転時間 h/年",        "8760", 0,    true},
  {"EconPrice",      "単価 円/kWh",          "12",   0,    true},
  {"EconEfficiency", "熱源の効率（COP）",     "0.85", 0,    false},
  {"EconCO2",        "CO2 kg/kWh",           "0.2",  0,    true},
  {"EconYears",      "年数 年",              "10",   0,    true},
  {"EconRate",       "割引率 %",             "3",    -100, false},
};

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
    if (!number || v[i] < e.lowest || (!e.lowestAllowed && v[i] == e.lowest)) {
      f.Message(QStringLiteral("%1 '%2' は %3 %4数にしてください。")
                    .arg(QString::fromUtf8(e.caption), text, NumberText(e.lowest),
                         e.lowestAllowed ? QStringLiteral("以上の") : QStringLiteral("より大きい")));
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

void EconomicsPage::Run() {
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
  job_.Start(
      [this, d = *d, econ = *econ, stock]() -> DesignJob::Show {
        const EconomicTable t = d.Economics(stock, econ);
        return [this, d, econ, t] { Show(d, econ, t); };
      },
      d->hook->slow);
}

void EconomicsPage::Show(const DesignCase& d, const EconomicInputs& econ, const EconomicTable& t) {
  shown_.reset();
  StringGrid* grid = f.Grid("EconGrid");
  grid->ClearCells();
  f.SetText("EconBest", QString());
  f.SetEnabled("EconMemo", false);
  f.SetEnabled("EconChart", false);
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
