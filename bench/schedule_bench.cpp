// Benchmarks of the line list's schedule as the command runs it: a list of
// pipe lines of every size from 15A to 600A, hot and cold, each asking for
// the surface at most 55 ℃ and no condensation with 1 K to spare, read from
// its bytes and solved on two threads; the time to the last line (wall
// clock, the threads' work together). Targets: 1,000 lines under 1 s and
// 10,000 under 10 s on two cores.
#include <benchmark/benchmark.h>

#include <random>

#include "schedule/LineList.h"
#include "schedule/ScheduleRun.h"
#include "store/ConditionStore.h"

using namespace Schedule;

namespace {

QByteArray List(int lines) {
  const char* sizes[] = {"15A",  "20A",  "25A",  "32A",  "40A",  "50A",  "65A",  "80A",  "100A", "125A",
                         "150A", "200A", "250A", "300A", "350A", "400A", "450A", "500A", "600A"};
  const int hot[] = {60, 80, 120, 150, 180, 250, 350}, cold[] = {-10, 0, 5, 7, 12};
  std::mt19937 random(1);
  auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  QString text = QStringLiteral("配管番号,呼び径,長さ m,温度 ℃,外気温度 ℃,相対湿度 %,保温材 k,基準\r\n");
  for (int i = 0; i < lines; ++i) {
    const int t = pick(10) < 6 ? hot[pick(7)] : cold[pick(5)];
    text += QStringLiteral("L-%1,%2,%3,%4,%5,%6,%7,表面温度 55; 結露 1\r\n")
                .arg(i + 1)
                .arg(QString::fromLatin1(sizes[pick(19)]))
                .arg(5 + pick(296))
                .arg(t)
                .arg(20 + 5 * pick(4))
                .arg(60 + 10 * pick(3))
                .arg(QString::fromLatin1(pick(2) ? "0.045" : "0.04"));
  }
  return text.toUtf8();
}

const WindowSettings& Factory() {
  static const WindowSettings s = [] {
    ConditionStore store;
    store.Load(QStringLiteral(HEATCALC_DATA_DIR "/G1de-ta/heatworkA.csv"));
    WindowSettings w = FromStore(store, QStringLiteral("factory"));
    ReadEngineerFiles(w, QStringLiteral(HEATCALC_DATA_DIR));
    return w;
  }();
  return s;
}

void PipeLines(benchmark::State& state) {
  const QByteArray bytes = List(static_cast<int>(state.range(0)));
  const PipeSizes sizes = PipeSizes::Read(QStringLiteral(HEATCALC_DATA_DIR "/") + PipeSizes::kFile);
  int answered = 0;
  for (auto _ : state) {
    const ReadOutcome read = ParseLineList(bytes, QStringLiteral("bench.csv"));
    RunControl control;
    control.jobs = 2;
    const RunOutcome run = RunSchedule({*read.list, Factory(), sizes}, control);
    answered = 0;
    for (const LineResult& r : run.lines) answered += r.answered ? 1 : 0;
  }
  state.counters["answered"] = answered;
}

}  // namespace

BENCHMARK(PipeLines)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

BENCHMARK_MAIN();
