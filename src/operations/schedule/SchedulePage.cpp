#include "operations/schedule/SchedulePage.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <cmath>

#include "foundation/Errors.h"
#include "foundation/NumberText.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/curves/BackgroundWork.h"
#include "operations/schedule/ScheduleTableView.h"
#include "schedule/LineList.h"
#include "schedule/PdfOutput.h"
#include "schedule/PipeSizes.h"
#include "schedule/ScheduleRun.h"
#include "schedule/ScheduleSettings.h"
#include "schedule/ScheduleTable.h"
#include "schedule/pdf/SchedulePdf.h"
#include "store/StoreCells.h"
#include "widgets/ChartView.h"
#include "widgets/ControlTable.h"
#include "widgets/Dialogs.h"
#include "widgets/Form.h"
#include "operations/common/WindowControls.h"

using namespace Schedule;

namespace {

// clang-format off
const ControlSpec kPage[] = {
  {Kind::Button,   "ScheduleOpen",     "SchedulePage",   6,  6,  86, 24, "開く…"},
  {Kind::Button,   "ScheduleRun",      "SchedulePage",  96,  6,  64, 24, "計算",     kDisabled},
  {Kind::Button,   "ScheduleCancel",   "SchedulePage", 164,  6,  56, 24, "中止",     kDisabled},
  {Kind::Progress, "ScheduleProgress", "SchedulePage", 226, 10, 130, 16, "",         kHidden},
  {Kind::Button,   "ScheduleSaveCsv",  "SchedulePage", 362,  6,  84, 24, "CSV保存…", kDisabled},
  {Kind::Button,   "ScheduleSavePdf",  "SchedulePage", 450,  6,  84, 24, "PDF保存…", kDisabled},
  {Kind::Label,    "ScheduleStatus",   "SchedulePage", 540,  2, 366, 32,
   "配管リスト（CSV）を開くと、各行の保温厚さを求めます（G1de-ta/haikan_risuto.csv が見本）。"},
  {Kind::Chart,    "ScheduleChart",    "SchedulePage", 566, 36, 342, 256, ""},
};
// clang-format on

}  // namespace

// What a run works on, shared with its thread: the list, the settings, the sizes.
struct SchedulePage::Inputs {
  LineList list;
  WindowSettings settings;
  PipeSizes sizes;
};

SchedulePage::SchedulePage(Form& form, AnalysisView& view)
    : Subsystem(form),
      view_(view),
      work_(std::make_unique<BackgroundWork>([this] { ShowBusy(work_->Busy()); })) {
  timer_.setInterval(50);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Drain(); });
}

SchedulePage::~SchedulePage() {
  timer_.stop();
  work_.reset();
}

void SchedulePage::Build() {
  view_.AddPage("SchedulePage", QStringLiteral("配管リスト"));
  BuildControls(f, kPage);
  table_ = new ScheduleTableView(f.Control("SchedulePage"));
  table_->setObjectName(QStringLiteral("ScheduleTable"));
  table_->setGeometry(4, 36, 558, 256);
  f.Register(table_);
  f.Label("ScheduleStatus")->setWordWrap(true);
}

void SchedulePage::Wire() {
  f.OnClick("ScheduleOpen", [this] { Open(); });
  f.OnClick("ScheduleRun", [this] { Run(); });
  f.OnClick("ScheduleCancel", [this] { Cancel(); });
  f.OnClick("ScheduleSaveCsv", [this] { SaveCsv(); });
  f.OnClick("ScheduleSavePdf", [this] { SavePdf(); });
}

WindowSettings SchedulePage::Settings() const {
  WindowSettings s = FromStore(f.Store(), QStringLiteral("画面の設定"));
  // The surface panel as it stands; with 自動 its coefficient field shows a
  // computed value, and the factory's typed one stands for it.
  s.stefanBoltzmann = f.Text(Surface::StefanBoltzmann).trimmed();
  s.emissivity = f.Text(Surface::Emissivity).trimmed();
  if (!f.IsChecked("AutoCoefficient")) s.coefficient = f.Text(Surface::Coefficient).trimmed();
  s.price = f.Text("EconPrice").trimmed();
  s.efficiency = f.Text("EconEfficiency").trimmed();
  s.co2 = f.Text("EconCO2").trimmed();
  s.years = f.Text("EconYears").trimmed();
  s.rate = f.Text("EconRate").trimmed();
  ReadEngineerFiles(s, [this](const QString& name) { return f.Path(name); });
  return s;
}

void SchedulePage::Open() {
  const QString folder =
      path_.isEmpty() ? f.Path(QStringLiteral("G1de-ta")) : QFileInfo(path_).absolutePath();
  const QString chosen =
      f.Dlg().OpenFileName(QStringLiteral("配管リストを開く"), folder,
                           QStringLiteral("配管リスト (*.csv *.txt);;すべてのファイル (*)"));
  if (chosen.isEmpty()) return;
  path_ = chosen;
  f.SetEnabled("ScheduleRun", true);
  Run();
}

void SchedulePage::Run() {
  if (path_.isEmpty()) return;
  view_.Show("SchedulePage");
  ReadOutcome read = ReadLineList(path_);
  if (!read.list) {
    f.SetText("ScheduleStatus", read.problem);
    f.Message(read.problem);
    return;
  }
  auto inputs = std::make_shared<Inputs>();
  inputs->list = std::move(*read.list);
  inputs->settings = Settings();
  try {
    inputs->sizes = PipeSizes::Read(f.Path(PipeSizes::kFile));
  } catch (const AppError& e) {
    // Lines given by their outer diameter still run; a nominal size says it is not found.
    f.Message(e.text());
  }
  inputs_ = inputs;
  schedule_ = std::make_unique<ScheduleTable>(inputs_->list);
  results_.assign(inputs_->list.lines.size(), LineResult());
  arrived_ = 0;
  complete_ = false;
  made_ = QDateTime::currentDateTime();
  table_->horizontalHeader()->reset();
  table_->Model().Reset(schedule_->Header());
  // What names the line, the answer beside it, and the rest of the list after it.
  const int tag = inputs_->list.IndexOf(Column::Tag);
  if (tag >= 0) table_->ShowFirst({schedule_->Header()[tag + 1]}, 1);
  table_->ShowFirst({QStringLiteral("状態"), QStringLiteral("保温厚さ mm"), QStringLiteral("決定基準"),
                     QStringLiteral("表面温度 ℃"), QStringLiteral("放熱量 W/m"),
                     QStringLiteral("放熱量 W/m2"), QStringLiteral("放熱量 W（負は取得熱）")},
                    tag >= 0 ? 2 : 1);
  static_cast<ChartView*>(f.Control("ScheduleChart"))->Clear();
  f.EnableControls({"ScheduleSaveCsv", "ScheduleSavePdf"}, false);

  auto arrivals = std::make_shared<Arrivals>();
  arrivals_ = arrivals;
  const int total = static_cast<int>(inputs->list.lines.size());
  timer_.start();
  work_->Start(
      [inputs, arrivals](curves::SweepControl& control) {
        const ReadingContext context{inputs->list, inputs->settings, inputs->sizes};
        RunControl run;
        run.cancel = &control.cancel;
        run.onLine = [&control, arrivals](const LineResult& line, int done, int) {
          {
            std::lock_guard<std::mutex> lock(arrivals->mutex);
            arrivals->lines.push_back(line);
          }
          control.done = done;
        };
        RunSchedule(context, run);
      },
      [this] { Finish(); }, total);
  Drain();
}

void SchedulePage::Drain() {
  if (!arrivals_ || !schedule_) return;
  std::vector<LineResult> lines;
  {
    std::lock_guard<std::mutex> lock(arrivals_->mutex);
    lines.swap(arrivals_->lines);
  }
  std::vector<std::pair<int, QStringList>> rows;
  rows.reserve(lines.size());
  for (LineResult& r : lines) {
    rows.emplace_back(r.index, schedule_->Row(r));
    const int index = r.index;
    results_[index] = std::move(r);
  }
  const bool first = arrived_ == 0 && !rows.empty();
  arrived_ += static_cast<int>(rows.size());
  table_->Model().Insert(std::move(rows));
  if (first) table_->resizeColumnsToContents();
  if (complete_) return;
  const int total = static_cast<int>(results_.size());
  auto* bar = static_cast<QProgressBar*>(f.Control("ScheduleProgress"));
  bar->setRange(0, std::max(total, 1));
  bar->setValue(arrived_);
  if (work_->Busy())
    f.SetText("ScheduleStatus", QStringLiteral("計算中 %1 / %2 行").arg(arrived_).arg(total));
}

void SchedulePage::Finish() {
  complete_ = true;
  Drain();
  timer_.stop();
  int answered = 0;
  for (const LineResult& r : results_)
    if (r.answered) ++answered;
  Totals totals;
  for (const LineResult& r : results_) totals.Add(r);
  // The encoding and the separator stand in the notes of the saved schedule.
  f.SetText("ScheduleStatus",
            QStringLiteral("%1: %2 行のうち %3 行に答え、%4 行に理由。放熱量 計 %5 W（保温なし %6 W）")
                .arg(QFileInfo(path_).fileName())
                .arg(results_.size())
                .arg(answered)
                .arg(static_cast<int>(results_.size()) - answered)
                .arg(RoundedText(totals.lossW, 0), RoundedText(totals.bareW, 0)));
  f.EnableControls({"ScheduleSaveCsv", "ScheduleSavePdf"}, true);
  table_->resizeColumnsToContents();
  DrawChart();
}

void SchedulePage::Cancel() {
  if (!work_->Busy()) return;
  work_->Cancel();
  Drain();
  timer_.stop();
  f.SetText("ScheduleStatus",
            QStringLiteral("中止しました（%1 / %2 行まで）。保存するにはもう一度計算してください。")
                .arg(arrived_)
                .arg(results_.size()));
}

void SchedulePage::ShowBusy(bool busy) {
  f.SetEnabled("ScheduleCancel", busy);
  f.SetEnabled("ScheduleOpen", !busy);
  f.SetEnabled("ScheduleRun", !busy && !path_.isEmpty());
  f.SetShown("ScheduleProgress", busy);
}

QStringList SchedulePage::Notes() const { return schedule_->Notes(inputs_->settings, made_); }

void SchedulePage::SaveCsv() {
  if (!complete_) return;
  const QString path = f.Dlg().SaveFileName(QStringLiteral("保温リストを CSV で保存"),
                                            DefaultSchedulePath(path_), QStringLiteral("CSV (*.csv)"));
  if (path.isEmpty()) return;
  bool lossless = true;
  WriteOutput(path, schedule_->Csv(results_, Notes(), &lossless), path_);
  f.SetText("ScheduleStatus", QStringLiteral("保存しました: %1").arg(QDir::toNativeSeparators(path)));
  if (!lossless) f.Message(QStringLiteral("シフトJIS にない文字を '?' にして保存しました。"));
}

void SchedulePage::SavePdf() {
  if (!complete_) return;
  const QString path =
      f.Dlg().SaveFileName(QStringLiteral("保温リストを PDF で保存"),
                           DefaultSchedulePath(path_, QStringLiteral(".pdf")), QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  const QByteArray pdf = PaintSchedulePdf(schedule_->Document(results_, Notes(), made_));
  if (pdf.isEmpty()) throw FileError(QStringLiteral("ファイル %1 を作成できません").arg(path));
  WriteSchedulePdf(path, pdf, path_);
  f.SetText("ScheduleStatus", QStringLiteral("保存しました: %1").arg(QDir::toNativeSeparators(path)));
}

void SchedulePage::DrawChart() {
  ChartCurve insulated{QStringLiteral("保温後の放熱量（取得熱は絶対値）"), {}, ChartCurve::Line};
  insulated.dots = results_.size() <= 60;
  for (const LineResult& r : results_)
    if (r.answered)
      insulated.points.push_back({static_cast<double>(r.row), static_cast<double>(fabsl(r.lossW))});
  ChartPlot plot{QStringLiteral("行ごとの放熱量（保温後）"),
                 QStringLiteral("行"),
                 QStringLiteral("放熱量 W"),
                 {},
                 QString()};
  if (!insulated.points.empty()) plot.curves = {insulated};
  plot.wholeX = true;
  static_cast<ChartView*>(f.Control("ScheduleChart"))->Draw(plot);
}
