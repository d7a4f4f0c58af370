// Benchmarks of the graph page. Drawing a chart of 3000 points (the pipe
// flow's fluid and surface curves) should take under 30 ms: Draw alone,
// and Draw with the painting of the whole chart. The sweeps are timed on
// the wall clock as the window runs them, each point the Run of 実行 on its
// own copy of the window's fields: 50 points of the pipe flow (insulation
// 10 to 200 mm) under 0.5 s, 200 points of the cylinder under 20 ms.
// A cancel's latency is the time from the cancel to the sweep's return.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <thread>

#include "app/TForm1.h"
#include "operations/curves/SweepRun.h"
#include "widgets/ChartView.h"
#include "widgets/FieldSnapshot.h"
#include "widgets/RecordingDialogs.h"

namespace {

// Two curves of 1500 points each and a level, as the pipe flow draws.
ChartPlot Plot3000() {
  ChartPlot plot;
  plot.title = QStringLiteral("管内流体の温度　管の長さ方向");
  plot.xCaption = QStringLiteral("入口からの長さ m");
  plot.yCaption = QStringLiteral("温度 ℃");
  ChartCurve fluid, surface;
  fluid.title = QStringLiteral("流体温度");
  surface.title = QStringLiteral("外表面温度");
  for (int i = 0; i < 1500; ++i) {
    const double x = i * 100.0 / 1499;
    fluid.points.push_back({x, 5 + 75 * std::exp(-x / 400)});
    surface.points.push_back({x, 5 + 6 * std::exp(-x / 400)});
  }
  plot.curves = {fluid, surface};
  ChartCurve air;
  air.title = QStringLiteral("外気温度");
  air.style = ChartCurve::Dashed;
  air.points = {{0, 5}, {100, 5}};
  plot.curves.push_back(air);
  return plot;
}

void BM_DrawChart3000(benchmark::State& state) {
  const bool paint = state.range(0) != 0;
  ChartView view;
  view.resize(600, 294);
  const ChartPlot plot = Plot3000();
  QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    view.Draw(plot);
    if (paint) {
      QPainter painter(&image);
      view.render(&painter);
    }
    benchmark::DoNotOptimize(image.bits());
  }
}
BENCHMARK(BM_DrawChart3000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The window on a copy of the built data, with a calculator on screen.
class Window {
 public:
  Window() {
    CopyTree(QStringLiteral(HEATCALC_DATA_DIR), temp_.path());
    QFile::copy(temp_.path() + QStringLiteral("/G1de-ta/heatworkA.csv"),
                temp_.path() + QStringLiteral("/G1de-ta/heatwork.csv"));
    form_ = std::make_unique<TForm1>(temp_.path(), dialogs_);
  }
  Form& form() { return *form_; }
  TForm1& window() { return *form_; }
  void Click(const char* name) { form_->Button(name)->click(); }

 private:
  static void CopyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
      it.next();
      const QString target = to + QLatin1Char('/') + it.fileName();
      if (it.fileInfo().isDir())
        CopyTree(it.filePath(), target);
      else if (it.fileName() != QLatin1String("heatwork.csv"))
        QFile::copy(it.filePath(), target);
    }
  }
  QTemporaryDir temp_;
  RecordingDialogs dialogs_;
  std::unique_ptr<TForm1> form_;
};

SweepPlan PlanOn(Form& f, const HeatLossPanels& panels, const char* field, long double from, long double to,
                 int points) {
  SweepPlan plan;
  plan.calculator = CalculatorOnScreen(f, panels);
  plan.input.field = field;
  for (const FieldChoice& out : SweepOutputs(f)) plan.outputs.push_back(out);
  plan.from = from;
  plan.to = to;
  plan.points = points;
  return plan;
}

void SweepBenchmark(benchmark::State& state, bool pipe) {
  Window w;
  w.Click("Button7");  // the cylinder
  if (pipe) w.Click("Button67");
  const SweepPlan plan = pipe ? PlanOn(w.form(), w.window().HeatLoss(), "Edit12", 10, 200, 50)
                              : PlanOn(w.form(), w.window().HeatLoss(), "Edit12", 10, 200, 200);
  const FieldSnapshot base(w.form());
  const int threads = static_cast<int>(state.range(0));
  for (auto _ : state) {
    curves::SweepControl control;
    const auto r = RunParameterSweep(plan, base, control, threads);
    benchmark::DoNotOptimize(r.values.back()->outputs);
  }
}
void BM_PipeFlowSweep50(benchmark::State& state) { SweepBenchmark(state, true); }
void BM_CylinderSweep200(benchmark::State& state) { SweepBenchmark(state, false); }
BENCHMARK(BM_PipeFlowSweep50)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CylinderSweep200)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// From a cancel to the end of a gas-heating sweep of the window (each point
// a power search of some hundred milliseconds), cancelled once 2 points are done.
void BM_GasSweepCancel(benchmark::State& state) {
  Window w;
  w.Click("Button30");
  w.Click("Button32");
  const SweepPlan plan = PlanOn(w.form(), w.window().HeatLoss(), "Edit43", 0.5L, 4, 40);
  const FieldSnapshot base(w.form());
  for (auto _ : state) {
    curves::SweepControl control;
    std::chrono::steady_clock::time_point cancelledAt;
    std::thread watcher([&] {
      while (control.done.load() < 2) std::this_thread::yield();
      cancelledAt = std::chrono::steady_clock::now();
      control.cancel = true;
    });
    const auto r = RunParameterSweep(plan, base, control);
    const auto returned = std::chrono::steady_clock::now();
    watcher.join();
    benchmark::DoNotOptimize(r.cancelled);
    state.SetIterationTime(std::chrono::duration<double>(returned - cancelledAt).count());
  }
}
BENCHMARK(BM_GasSweepCancel)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
