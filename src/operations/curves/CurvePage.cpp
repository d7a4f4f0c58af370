#include "operations/curves/CurvePage.h"

#include <QProgressBar>
#include <QRegularExpression>

#include "operations/analysis/AnalysisView.h"
#include "operations/curves/CalculatorChart.h"
#include "operations/curves/ParameterSweep.h"
#include "widgets/ChartView.h"
#include "widgets/ControlTable.h"
#include "widgets/Dialogs.h"
#include "widgets/Form.h"

namespace {
// clang-format off
// Beside the chart (GraphView, 600 wide): the sweep's settings, its table
// and the buttons for the table and the chart. They keep to the page's right
// edge as the chart grows; the table takes the growth in height.
constexpr unsigned kRight = kAnchorRight, kFoot = kAnchorRight | kAnchorBottom;
const ControlSpec kSweepControls[] = {
  {Kind::Label,     "SweepFieldLabel",   "GraphPage", 606,   7,  60, 16, "変える入力", kRight},
  {Kind::Choice,    "SweepField",        "GraphPage", 668,   4, 236, 22, "",          kRight},
  {Kind::Label,     "SweepRangeLabel",   "GraphPage", 606,  33,  30, 16, "範囲",      kRight},
  {Kind::Edit,      "SweepFrom",         "GraphPage", 636,  30,  64, 20, "",          kRight},
  {Kind::Label,     "SweepRangeDash",    "GraphPage", 702,  33,  14, 16, "～",        kRight},
  {Kind::Edit,      "SweepTo",           "GraphPage", 716,  30,  64, 20, "",          kRight},
  {Kind::Label,     "SweepPointsLabel",  "GraphPage", 790,  33,  30, 16, "点数",      kRight},
  {Kind::Edit,      "SweepPoints",       "GraphPage", 820,  30,  40, 20, "11",        kRight},
  {Kind::Label,     "SweepResultsLabel", "GraphPage", 606,  57,  60, 16, "見る結果",  kRight},
  {Kind::CheckList, "SweepResults",      "GraphPage", 668,  54, 236, 66, "",          kRight},
  {Kind::Button,    "SweepRun",          "GraphPage", 606, 124,  56, 22, "実行",      kRight},
  {Kind::Button,    "SweepCancel",       "GraphPage", 664, 124,  56, 22, "中止",      kRight | kDisabled},
  {Kind::Label,     "SweepStatus",       "GraphPage", 724, 127, 180, 16, "",          kRight},
  {Kind::Progress,  "SweepProgress",     "GraphPage", 724, 127, 180, 16, "",          kRight | kHidden},
  {Kind::Table,     "SweepGrid",         "GraphPage", 606, 150, 298, 116, "",         kRight | kStretchHeight},
  {Kind::Button,    "SweepToMemo",       "GraphPage", 606, 270,  72, 22, "表メモへ",  kFoot | kDisabled},
  {Kind::Button,    "GraphSavePng",      "GraphPage", 760, 270,  70, 22, "PNG保存",   kFoot},
  {Kind::Button,    "GraphSaveSvg",      "GraphPage", 834, 270,  70, 22, "SVG保存",   kFoot},
};
// clang-format on

// A file name of the chart's title: no characters a file system refuses.
QString FileNameOf(const QString& title) {
  QString name = title.section(QStringLiteral("　"), 0, 0);
  name.replace(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|（）()\s])")), QStringLiteral("_"));
  return name.isEmpty() ? QStringLiteral("グラフ") : name;
}
}  // namespace

CurvePage::CurvePage(Form& form, AnalysisView& view, HeatLossPanels& panels, MemoStore& memos)
    : Subsystem(form),
      view_(view),
      chart_(std::make_unique<CalculatorChart>(form, view, panels, [this] { ShowProgress(); })),
      sweep_(std::make_unique<ParameterSweep>(form, view, panels, memos, [this] { ShowProgress(); })) {
  progressTimer_.setInterval(50);
  QObject::connect(&progressTimer_, &QTimer::timeout, &progressTimer_, [this] { ShowProgress(); });
}

CurvePage::~CurvePage() = default;

void CurvePage::Build() { BuildControls(f, kSweepControls); }

void CurvePage::Wire() {
  chart_->Wire();
  sweep_->Wire();
  f.OnClick("SweepCancel", [this] { Cancel(); });
  f.OnClick("GraphSavePng", [this] { SaveChart(false); });
  f.OnClick("GraphSaveSvg", [this] { SaveChart(true); });
}

bool CurvePage::Busy() const { return chart_->Busy() || sweep_->Busy(); }

void CurvePage::Cancel() {
  chart_->Cancel();
  sweep_->Cancel();
  ShowProgress();
}

void CurvePage::ShowProgress() {
  const bool busy = Busy();
  auto* bar = static_cast<QProgressBar*>(f.Control("SweepProgress"));
  f.SetShown("SweepProgress", busy);
  f.SetShown("SweepStatus", !busy);
  f.SetEnabled("SweepCancel", busy);
  if (!busy) {
    progressTimer_.stop();
    return;
  }
  // A sweep counts its points; a chart cannot tell how far it is.
  const double done = sweep_->Busy() ? sweep_->Progress() : -1;
  if (done < 0) {
    bar->setRange(0, 0);
  } else {
    bar->setRange(0, 1000);
    bar->setValue(static_cast<int>(done * 1000));
  }
  if (!progressTimer_.isActive()) progressTimer_.start();
}

void CurvePage::SaveChart(bool svg) {
  ChartView& chart = view_.Chart();
  const QString suffix = svg ? QStringLiteral(".svg") : QStringLiteral(".png");
  QString path = f.Dlg().SaveFileName(
      svg ? QStringLiteral("グラフをSVGで保存") : QStringLiteral("グラフをPNGで保存"),
      f.Dlg().DesktopFolder() + QLatin1Char('/') + FileNameOf(chart.Plot().title) + suffix,
      svg ? QStringLiteral("SVG 画像 (*.svg)") : QStringLiteral("PNG 画像 (*.png)"));
  if (path.isEmpty()) return;
  // A name typed without its extension gets the one of its kind.
  if (!path.endsWith(suffix, Qt::CaseInsensitive)) path += suffix;
  if (!(svg ? chart.SaveSvg(path) : chart.SavePng(path))) {
    f.Message(QStringLiteral("ファイル %1 を作成できません").arg(path));
    return;
  }
  f.SetText("SweepStatus", QStringLiteral("保存しました"));
}
