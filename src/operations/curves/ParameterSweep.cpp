#include "operations/curves/ParameterSweep.h"

#include <QComboBox>
#include <QListWidget>
#include <QSet>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>
#include <chrono>
#include <memory>

#include "foundation/NumberText.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/common/HeatLossControls.h"
#include "operations/common/HeatingControls.h"
#include "operations/common/WindowControls.h"
#include "operations/curves/SweepRun.h"
#include "operations/hints/FieldCatalogue.h"
#include "operations/hints/FieldRules.h"
#include "operations/memo/MemoStore.h"
#include "widgets/ChartView.h"
#include "widgets/Form.h"

namespace {

// Up to this many points a sweep's chart shows a dot at each.
constexpr size_t kDottedPoints = 50;

// The largest magnitude of a sweep's first and last value, and of a point
// the chart draws: within the double range the chart plots in, with room.
constexpr long double kLargestPlotted = 1E300L;

bool Plottable(long double x) { return x >= -kLargestPlotted && x <= kLargestPlotted; }

bool SameChoices(const std::vector<FieldChoice>& a, const std::vector<FieldChoice>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (QLatin1String(a[i].field) != QLatin1String(b[i].field) || a[i].caption != b[i].caption) return false;
  return true;
}

// An axis of several results: their caption when there is one, the
// quantity of their shared unit, else plain values (the legend names them).
QString AxisCaption(const std::vector<const FieldChoice*>& on) {
  if (on.size() == 1) return on.front()->caption;
  const QString unit = on.front()->unit;
  for (const FieldChoice* c : on)
    if (c->unit != unit) return QStringLiteral("値（単位は凡例）");
  if (unit == QStringLiteral("℃")) return QStringLiteral("温度 ℃");
  if (unit == QStringLiteral("W")) return QStringLiteral("熱量 W");
  return QStringLiteral("値 ") + unit;
}

// The result an engineer looks at first: the plate after cooling, the
// heater power (or the gas in wall heating), the total loss; else the first.
int MainResult(const std::vector<FieldChoice>& outputs) {
  for (const char* main : {Flat::AfterHours, Heating::Result1, Surface::TotalLoss})
    for (size_t i = 0; i < outputs.size(); ++i)
      if (QLatin1String(outputs[i].field) == QLatin1String(main)) return static_cast<int>(i);
  return 0;
}

}  // namespace

ParameterSweep::ParameterSweep(Form& form, AnalysisView& view, HeatLossPanels& panels, MemoStore& memos,
                               std::function<void()> busyChanged)
    : f(form),
      view_(view),
      panels_(panels),
      memos_(memos),
      work_(std::move(busyChanged), [&form](const std::function<void()>& op) { form.Guarded(op); }) {}

void ParameterSweep::Wire() {
  f.OnClick("SweepRun", [this] { Run(); });
  f.OnClick("SweepToMemo", [this] { ToMemo(); });
  auto* field = static_cast<QComboBox*>(f.Control("SweepField"));
  QObject::connect(field, &QComboBox::activated, field, [this] { f.Guarded([this] { ChooseInput(); }); });
  f.OnAfterOperation([this](bool) { Refresh(); });
}

const FieldChoice* ParameterSweep::ChosenInput() const {
  const int i = static_cast<QComboBox*>(f.Control("SweepField"))->currentIndex();
  return i >= 0 && i < static_cast<int>(inputs_.size()) ? &inputs_[i] : nullptr;
}

void ParameterSweep::Refresh() {
  const std::vector<FieldChoice> inputs = SweepInputs(f);
  if (!SameChoices(inputs, inputs_)) {
    const QString kept = ChosenInput() ? QLatin1String(ChosenInput()->field) : QString();
    inputs_ = inputs;
    auto* field = static_cast<QComboBox*>(f.Control("SweepField"));
    const QSignalBlocker block(field);
    field->clear();
    int chosen = -1;
    for (size_t i = 0; i < inputs_.size(); ++i) {
      field->addItem(inputs_[i].caption);
      if (kept == QLatin1String(inputs_[i].field)) chosen = static_cast<int>(i);
    }
    field->setCurrentIndex(chosen >= 0 ? chosen : (inputs_.empty() ? -1 : 0));
    if (chosen < 0) ChooseInput();
  }
  const std::vector<FieldChoice> outputs = SweepOutputs(f);
  if (!SameChoices(outputs, outputs_)) {
    auto* list = static_cast<QListWidget*>(f.Control("SweepResults"));
    QSet<QString> checked;
    for (int i = 0; i < list->count(); ++i)
      if (list->item(i)->checkState() == Qt::Checked)
        checked.insert(list->item(i)->data(Qt::UserRole).toString());
    outputs_ = outputs;
    list->clear();
    bool any = false;
    for (const FieldChoice& out : outputs_) {
      auto* item = new QListWidgetItem(out.caption, list);
      item->setData(Qt::UserRole, QLatin1String(out.field));
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      const bool on = checked.contains(QLatin1String(out.field));
      item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
      any = any || on;
    }
    // Where none of the chosen ones shows: the calculator's main result.
    if (!any && list->count() > 0) list->item(MainResult(outputs_))->setCheckState(Qt::Checked);
  }
}

void ParameterSweep::ChooseInput() {
  const FieldChoice* input = ChosenInput();
  if (!input) return;
  // From half to twice the value on screen, within the field's plausible range.
  long double value = 0;
  if (!TryToNumber(f.Text(input->field), value) || value == 0) {
    f.SetText("SweepFrom", f.Text(input->field));
    f.SetText("SweepTo", QString());
    return;
  }
  long double from = value / 2, to = value * 2;
  const Quantity* q = input->quantity;
  if (q && q->checked) {
    from = std::clamp(from, q->low, q->high);
    to = std::clamp(to, q->low, q->high);
  }
  f.SetText("SweepFrom", NumberText(from));
  f.SetText("SweepTo", NumberText(to));
}

void ParameterSweep::Run() {
  const ScreenCalculator c = CalculatorOnScreen(f, panels_);
  const FieldChoice* input = ChosenInput();
  if (!c || !input) {
    f.Message(QStringLiteral("変える入力を選んでください。"));
    return;
  }
  long double from = 0, to = 0;
  if (!TryToNumber(f.Text("SweepFrom"), from) || !TryToNumber(f.Text("SweepTo"), to)) {
    f.Message(QStringLiteral("範囲の最初と最後の値を数値で入力してください。"));
    return;
  }
  // Every point is drawn in the chart, whose numbers reach about 1.8E308.
  if (!Plottable(from) || !Plottable(to)) {
    f.Message(QStringLiteral("%1 '%2' ～ '%3' は -%4 以上 %4 以下の数にしてください（グラフに描ける範囲）。")
                  .arg(f.Text("SweepRangeLabel"), FieldRules::Quoted(f.Text("SweepFrom")),
                       FieldRules::Quoted(f.Text("SweepTo")), NumberText(kLargestPlotted)));
    return;
  }
  bool whole = false;
  const int points = f.Text("SweepPoints").trimmed().toInt(&whole);
  if (!whole || points < 1 || points > kMaxSweepPoints) {
    f.Message(QStringLiteral("点数は1～%1の整数で入力してください。").arg(kMaxSweepPoints));
    return;
  }
  auto plan = std::make_shared<SweepPlan>();
  const auto* list = static_cast<QListWidget*>(f.Control("SweepResults"));
  for (int i = 0; i < list->count() && i < static_cast<int>(outputs_.size()); ++i)
    if (list->item(i)->checkState() == Qt::Checked) plan->outputs.push_back(outputs_[i]);
  if (plan->outputs.empty()) {
    f.Message(QStringLiteral("見る結果を1つ以上選んでください。"));
    return;
  }
  plan->calculator = c;
  plan->input = *input;
  plan->from = from;
  plan->to = to;
  plan->points = points;

  auto base = std::make_shared<FieldSnapshot>(f);
  auto rows = std::make_shared<std::vector<SweepRow>>();
  const auto started = std::chrono::steady_clock::now();
  f.SetText("SweepStatus", QString());
  work_.Start(
      [plan, base, rows](curves::SweepControl& control) {
        curves::SweepResult<SweepRow> r = RunParameterSweep(*plan, *base, control);
        if (r.cancelled) return;
        for (std::optional<SweepRow>& row : r.values)
          if (row) rows->push_back(std::move(*row));
      },
      [this, plan, rows, started] {
        const int leftOut = Show(*plan, *rows);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const QString time =
            seconds < 0.01 ? QStringLiteral("0.01秒未満") : RoundedText(seconds, 2) + QStringLiteral("秒");
        QString status = QStringLiteral("%1点を計算しました（%2）").arg(rows->size()).arg(time);
        if (leftOut > 0)
          status += QStringLiteral("。グラフに描けない大きさの値 %1 個は描いていません").arg(leftOut);
        f.SetText("SweepStatus", status);
      },
      points);
}

void ParameterSweep::Cancel() {
  if (!work_.Busy()) return;
  work_.Cancel();
  f.SetText("SweepStatus", QStringLiteral("中止しました"));
}

int ParameterSweep::Show(const SweepPlan& plan, const std::vector<SweepRow>& rows) {
  bool notes = false;
  for (const SweepRow& row : rows) notes = notes || !row.notes.isEmpty();
  QStringList headers{plan.input.caption};
  for (const FieldChoice& out : plan.outputs) headers << out.caption;
  if (notes) headers << QStringLiteral("メッセージ");

  auto* grid = static_cast<QTableWidget*>(f.Control("SweepGrid"));
  grid->clear();
  grid->setColumnCount(static_cast<int>(headers.size()));
  grid->setRowCount(static_cast<int>(rows.size()));
  grid->setHorizontalHeaderLabels(headers);
  for (size_t r = 0; r < rows.size(); ++r) {
    QStringList cells{rows[r].input};
    cells << rows[r].outputs;
    if (notes) cells << rows[r].notes.join(QStringLiteral(" ／ "));
    for (qsizetype c = 0; c < cells.size(); ++c)
      grid->setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(cells[c]));
  }
  grid->resizeColumnsToContents();
  f.SetEnabled("SweepToMemo", !rows.empty());

  // Each result against the input: the first unit on the left axis, a
  // second on the right, any further one on the left again.
  ChartPlot plot;
  plot.title = plan.input.name + QStringLiteral(" を変えたときの結果");
  plot.xCaption = plan.input.caption;
  std::vector<const FieldChoice*> left, right;
  int leftOut = 0;
  const QString firstUnit = plan.outputs.front().unit;
  QString secondUnit;
  for (const FieldChoice& out : plan.outputs) {
    if (out.unit != firstUnit && secondUnit.isEmpty()) secondUnit = out.unit;
    (out.unit != firstUnit && out.unit == secondUnit ? right : left).push_back(&out);
  }
  for (size_t j = 0; j < plan.outputs.size(); ++j) {
    ChartCurve curve;
    curve.title = plan.outputs[j].caption;
    curve.rightAxis = !secondUnit.isEmpty() && plan.outputs[j].unit == secondUnit;
    curve.dots = rows.size() <= kDottedPoints;
    // A text that is no number is left out; so is a result beyond the
    // chart's numbers, and counted.
    for (const SweepRow& row : rows) {
      long double x = 0, y = 0;
      if (!TryToNumber(row.input, x) || !TryToNumber(row.outputs.value(static_cast<qsizetype>(j)), y))
        continue;
      if (!Plottable(x) || !Plottable(y)) {
        ++leftOut;
        continue;
      }
      curve.points.push_back({static_cast<double>(x), static_cast<double>(y)});
    }
    plot.curves.push_back(std::move(curve));
  }
  plot.yCaption = AxisCaption(left);
  if (!right.empty()) plot.y2Caption = AxisCaption(right);
  view_.Chart().Draw(plot);
  return leftOut;
}

void ParameterSweep::ToMemo() {
  const auto* grid = static_cast<QTableWidget*>(f.Control("SweepGrid"));
  if (grid->rowCount() == 0) return;
  QList<QStringList> rows;
  QStringList headers;
  for (int c = 0; c < grid->columnCount(); ++c) headers << grid->horizontalHeaderItem(c)->text();
  rows << headers;
  for (int r = 0; r < grid->rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < grid->columnCount(); ++c)
      cells << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
    rows << cells;
  }
  if (memos_.NewGridMemo(rows)) view_.Hide();
}
