#include "operations/design/ThicknessPage.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>

#include "calc/design/DewPoint.h"
#include "calc/design/HeaterPowerLimit.h"
#include "calc/design/ThicknessSolve.h"
#include "foundation/NumberText.h"
#include "operations/calculators/ScreenCalculator.h"
#include "operations/design/DesignJob.h"
#include "operations/heatloss/HeatLossCalculator.h"
#include "operations/heatloss/HeatLossPanels.h"
#include "store/StockFiles.h"
#include "widgets/ControlTable.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

using namespace DesignCalc;

namespace {

// clang-format off
const ControlSpec kPage[] = {
  {Kind::Label,  "DesignCase",         "DesignPage",   8,   8, 440,  18, "",                    kBold},
  {Kind::Label,  "DesignTargetCaption","DesignPage",   8,  38,  66,  16, "目標"},
  {Kind::Label,  "DesignValueCaption", "DesignPage",   8,  68,  80,  16, "上限 ℃"},
  {Kind::Edit,   "DesignValue",        "DesignPage",  90,  65,  90,  20, "45",                  kInput},
  {Kind::Label,  "DesignValueNote",    "DesignPage",   8,  92, 440,  16, ""},
  {Kind::Label,  "DesignStockList",    "DesignPage",   8, 116, 440,  32, "在庫厚さ mm: 計算のときに読みます"},
  {Kind::Button, "DesignRun",          "DesignPage",   8, 156,  90,  26, "計算"},
  {Kind::Button, "DesignCancel",       "DesignPage", 104, 156,  90,  26, "中止",                kDisabled},
  {Kind::Label,  "DesignBusy",         "DesignPage", 202, 161, 240,  16, "計算中です…",          kHidden},
  {Kind::Label,  "DesignHelp",         "DesignPage",   8, 196, 440,  64,
   "採用: 在庫厚さを計算パネルの保温材の厚さに入れて実行します\n"
   "（ヒーター温度では最大電力を熱量に入れます）。\n"
   "在庫厚さは G1de-ta/hoonzai_atsusa.csv（1行に1つ、mm）で変えられます。"},

  {Kind::Label,  "DesignResultCaption","DesignPage", 470,   8, 200,  18, "結果",                kBold},
  {Kind::Label,  "DesignThicknessCaption","DesignPage",470, 36, 100,  16, "必要な厚さ mm"},
  {Kind::Edit,   "DesignThickness",    "DesignPage", 572,  33,  80,  20, "",                    kReadOnly},
  {Kind::Label,  "DesignStockCaption", "DesignPage", 470,  60, 100,  16, "在庫厚さ mm"},
  {Kind::Edit,   "DesignStock",        "DesignPage", 572,  57,  80,  20, "",                    kReadOnly},
  {Kind::Label,  "DesignPowerCaption", "DesignPage", 670,  36,  90,  16, "最大電力 W"},
  {Kind::Edit,   "DesignPower",        "DesignPage", 762,  33,  80,  20, "",                    kReadOnly},
  {Kind::Button, "DesignAccept",       "DesignPage", 670,  56, 172,  22, "採用",                kDisabled},
  // The outcome's text takes the width of a larger window; its checks, five
  // rows, keep their size.
  {Kind::Label,  "DesignOutcome",      "DesignPage", 470,  84, 430,  48, "",                    kStretchWidth},
  {Kind::Grid,   "DesignChecks",       "DesignPage", 470, 136, 430, 128, "4,5"},
};
// clang-format on

const char* const kCheckRows[] = {"保温なし", "必要な厚さ", "在庫厚さ", "次に薄い在庫"};

QString Mm(long double mm) { return RoundedText(mm, 1); }

QString Verdict(bool meets) { return meets ? QStringLiteral("満たす") : QStringLiteral("満たさない"); }

// The thickest stock thickness below mm.
std::optional<long double> ThinnerStock(std::vector<long double> stock, long double mm) {
  std::optional<long double> thinner;
  for (long double s : stock)
    if (s > 0 && s < mm && (!thinner || s > *thinner)) thinner = s;
  return thinner;
}

QString StockListText(const std::vector<long double>& stock) {
  std::vector<long double> sorted = stock;
  std::sort(sorted.begin(), sorted.end());
  QStringList texts;
  for (long double mm : sorted) texts << NumberText(mm);
  return QStringLiteral("在庫厚さ mm: ") + (texts.isEmpty() ? QStringLiteral("（なし）") : texts.join(QStringLiteral(", ")));
}

}  // namespace

void ThicknessPage::Build() {
  BuildControls(f, kPage);
  targets_ = new QComboBox(f.Control("DesignPage"));
  targets_->setObjectName(QStringLiteral("DesignTarget"));
  targets_->setGeometry(90, 34, 260, 24);
  for (const DesignChoiceRow& row : DesignChoices()) targets_->addItem(QString::fromUtf8(row.caption));
  f.Register(targets_);
  StringGrid* checks = f.Grid("DesignChecks");
  checks->SetFixedHeaderRow(true);
  checks->setEditTriggers(QAbstractItemView::NoEditTriggers);
  checks->SetRowTexts(0, {QString(), QStringLiteral("厚さ mm"), QString(), QStringLiteral("目標")});
  for (int r = 0; r < 4; ++r) checks->SetCell(0, r + 1, QString::fromUtf8(kCheckRows[r]));
  for (int c = 0; c < 4; ++c) checks->setColumnWidth(c, c == 0 ? 110 : 100);
  f.Label("DesignOutcome")->setWordWrap(true);
}

void ThicknessPage::Wire() {
  f.OnClick("DesignRun", [this] { Run(); });
  f.OnEnter("DesignValue", [this] { Run(); });
  f.OnClick("DesignAccept", [this] { Accept(); });
  QObject::connect(targets_, &QComboBox::activated, targets_, [this] { f.Guarded([this] { Follow(); }); });
  f.OnAfterOperation([this](bool) { Follow(); });
}

DesignChoice ThicknessPage::Choice() const {
  const int i = std::clamp(targets_->currentIndex(), 0, static_cast<int>(DesignChoices().size()) - 1);
  return DesignChoices()[i].choice;
}

void ThicknessPage::Follow() {
  const ScreenCalculator c = CalculatorOnScreen(f, heatLoss_);
  const DesignChoice choice = Choice();
  if (!c) {
    f.SetText("DesignCase", QStringLiteral("対象の計算: なし（放熱計算のパネルを表示してください）"));
    return;
  }
  f.SetText("DesignCase", QStringLiteral("対象の計算: ") + c.name);
  if (!c.hooks->design) {
    f.SetText("DesignValueNote", NotOffered(c.name, QStringLiteral("保温厚さ")));
    return;
  }
  // The captions need the calculator and, for pipe flow, the direction alone.
  const DesignCase shown = CaptionCase(f, c);
  f.SetText("DesignValueCaption", ValueCaption(choice, shown));
  for (const DesignChoiceRow& row : DesignChoices())
    if (row.choice == choice) f.SetText("DesignValueNote", QString::fromUtf8(row.note));
}

std::optional<long double> ThicknessPage::Value() {
  long double value = 0;
  if (!TryToNumber(f.Text("DesignValue"), value)) {
    f.Message(QStringLiteral("目標の値（%1）'%2' は数ではありません。")
                  .arg(f.Text("DesignValueCaption"), f.Text("DesignValue")));
    return std::nullopt;
  }
  return value;
}

void ThicknessPage::Clear() {
  answer_.reset();
  for (const char* name : {"DesignThickness", "DesignStock", "DesignPower", "DesignOutcome"}) f.SetText(name, QString());
  StringGrid* checks = f.Grid("DesignChecks");
  for (int r = 1; r < checks->RowCount(); ++r)
    for (int c = 1; c < checks->ColCount(); ++c) checks->SetCell(c, r, QString());
  f.SetEnabled("DesignAccept", false);
}

void ThicknessPage::Run() {
  const ScreenCalculator c = CalculatorOnScreen(f, heatLoss_);
  if (!c) {
    f.Message(QStringLiteral("保温厚さは放熱計算の計算パネル（平板放熱、平板熱通過、円筒の放熱、管内流体、"
                             "ヒーター温度）を表示して求めます。"));
    return;
  }
  if (!c.hooks->design) {
    f.Message(NotOffered(c.name, QStringLiteral("保温厚さ")));
    return;
  }
  const std::optional<long double> value = Value();
  if (!value) return;
  const std::optional<DesignCase> d = CaseOnScreen(f, c);
  if (!d) return;
  const DesignChoice choice = Choice();
  const TargetOrReason t = TargetFor(choice, *value, *d);
  if (!t.target) {
    f.Message(t.reason);
    return;
  }
  if (d->in.cooling) {
    f.Message(QStringLiteral("平板放熱の保温厚さは定温放熱で求めます（定温放熱に切り替えてください）。"));
    return;
  }
  Clear();
  if (d->HeaterPower()) {
    ShowHeaterPower(*d, t.target->value);
    return;
  }
  // Read at every solve, so an edit of the list counts at once.
  const std::vector<long double> stock = StockFiles::ReadThicknesses(f.Path(QString::fromLatin1(StockFiles::kThicknesses)));
  f.SetText("DesignStockList", StockListText(stock));
  const Target target = *t.target;
  const long double v = *value;
  job_.Start(
      [this, d = *d, choice, v, target, stock]() -> DesignJob::Show {
        const ThicknessAnswer a = d.Solve(target, stock);
        // The next smaller stock thickness, to show that it fails.
        std::optional<long double> thinner;
        long double thinnerQuantity = 0;
        if (a.stockFound) thinner = ThinnerStock(stock, a.stockMm);
        if (thinner) thinnerQuantity = d.Quantity(*thinner, target.kind);
        return [this, d, choice, v, target, a, thinner, thinnerQuantity] {
          ShowAnswer(d, choice, v, target, a, thinner, thinnerQuantity);
        };
      },
      d->hook->slow);
}

void ThicknessPage::ShowHeaterPower(const DesignCase& d, long double limit) {
  const HeaterPowerAnswer a = d.in.maxPower(limit);
  if (!a.possible) {
    f.SetText("DesignOutcome", QStringLiteral("シースの上限 %1 ℃ が外気 %2 ℃ 以下なので、電力は出せません。")
                                   .arg(NumberText(limit), NumberText(d.in.air)));
    return;
  }
  f.SetText("DesignPower", NumberText(a.power));
  f.SetText("DesignOutcome",
            QStringLiteral("シース表面を %1 ℃ 以下に保つ最大の電力は %2 W（そのときのシース %3 ℃）です。")
                .arg(NumberText(limit), NumberText(a.power), RoundHundredths(a.sheath)));
  answer_ = Answer{d.code, DesignChoice::HeaterPower, limit, a.power};
  f.SetEnabled("DesignAccept", true);
}

void ThicknessPage::ShowAnswer(const DesignCase& d, DesignChoice choice, long double value, const Target& target,
                               const ThicknessAnswer& a, std::optional<long double> thinnerStock,
                               long double thinnerQuantity) {
  Clear();
  const QString unit = QuantityCaption(choice, d);
  StringGrid* checks = f.Grid("DesignChecks");
  checks->SetCell(2, 0, unit);
  auto row = [&](int r, long double mm, long double quantity) {
    checks->SetCell(1, r, Mm(mm));
    checks->SetCell(2, r, RoundHundredths(quantity));
    checks->SetCell(3, r, Verdict(Meets(target, d, quantity)));
  };
  row(1, 0, a.bareQuantity);
  QString outcome;
  switch (a.outcome) {
    case ThicknessOutcome::Solved:
      f.SetText("DesignThickness", Mm(a.exactMm));
      row(2, a.exactMm, a.exactQuantity);
      outcome = QStringLiteral("必要な保温厚さは %1 mm です。").arg(Mm(a.exactMm));
      break;
    case ThicknessOutcome::BareMeets:
      f.SetText("DesignThickness", QStringLiteral("0"));
      outcome = QStringLiteral("保温なしで目標を満たします。");
      break;
    case ThicknessOutcome::NeverMeets:
      outcome = QStringLiteral("%1 mm までのどの厚さでも目標を満たせません。").arg(NumberText(kDefaultMaxMm));
      break;
    case ThicknessOutcome::NotApplicable:
      outcome = QStringLiteral("この計算の条件ではこの目標は使えません（長さまたは面積が 0）。");
      break;
  }
  if (a.stockFound) {
    f.SetText("DesignStock", NumberText(a.stockMm));
    row(3, a.stockMm, a.stockQuantity);
    if (thinnerStock) row(4, *thinnerStock, thinnerQuantity);
    outcome += QStringLiteral("在庫厚さでは %1 mm。").arg(NumberText(a.stockMm));
    answer_ = Answer{d.code, choice, value, a.stockMm};
    f.SetEnabled("DesignAccept", true);
  } else if (a.outcome == ThicknessOutcome::Solved) {
    outcome += QStringLiteral("在庫厚さに目標を満たすものがありません。");
  }
  if (choice == DesignChoice::NoCondensation)
    outcome += QStringLiteral("\n露点 %1 ℃（外気 %2 ℃、相対湿度 %3 %）＋余裕 %4 K = 表面 %5 ℃ 以上。")
                   .arg(RoundHundredths(DewPoint(d.in.air, *d.in.rh)), NumberText(d.in.air),
                        NumberText(*d.in.rh), NumberText(value), RoundHundredths(target.value));
  f.SetText("DesignOutcome", d.Name() + QStringLiteral(": ") + outcome);
}

void ThicknessPage::Accept() {
  if (!answer_) return;
  const ScreenCalculator c = CalculatorOnScreen(f, heatLoss_);
  if (!c || c.code != answer_->code || !c.hooks->design) {
    f.Message(QStringLiteral("計算パネルが計算したときと変わりました。もう一度計算してください。"));
    return;
  }
  const std::optional<DesignCase> now = CaseOnScreen(f, c);
  if (!now) return;
  const TargetOrReason t = TargetFor(answer_->choice, answer_->value, *now);
  if (!t.target) {
    f.Message(t.reason);
    return;
  }
  // The panel may have changed since the solve: what goes into it must
  // still meet the target as the panel is now.
  const bool heater = now->HeaterPower();
  const bool still = heater ? now->in.maxPower(t.target->value).power == answer_->accepted
                            : Meets(*t.target, *now, now->Quantity(answer_->accepted, t.target->kind));
  if (!still) {
    f.Message(QStringLiteral("計算パネルの条件が計算したときと変わり、%1 では目標を満たしません。"
                             "もう一度計算してください。")
                  .arg(NumberText(answer_->accepted) + (heater ? QStringLiteral(" W") : QStringLiteral(" mm"))));
    return;
  }
  f.SetText(now->Field(), NumberText(answer_->accepted));
  heatLoss_.Run(c.heatLoss->panel);
}
