// Benchmarks of the trace heating and the freeze time, with the automatic
// outer coefficient in wind (the dearer surface model): one trace design
// (the loss, the runs and the two no-flow balances), one freeze march to a
// quarter frozen, and a sweep of the hold temperature over 50 points shared
// by two threads, as the sweep page runs it.
#include <benchmark/benchmark.h>

#include <thread>
#include <vector>

#include "calc/tracing/FreezeTime.h"
#include "calc/tracing/TraceHeating.h"

using namespace TracingCalc;

namespace {

// A DN 80 line, 50 mm of mineral wool with k(T), a metal jacket, 120 m,
// horizontal in a 5 m/s wind; 20 W/m constant output.
TraceInputs Design() {
  TraceInputs in;
  HeatLossCalc::CylinderInputs& p = in.pipe;
  p.D1 = 0.0889L;
  p.t1 = 0.0055L;
  p.k1 = 50;
  p.t2 = 0.05L;
  p.k2 = 0.035L;
  p.k2T = {1.2e-4L, 1e-7L};
  p.h = 10;
  p.e = 0.3L;
  p.sigma = 5.67e-8L;
  p.L = 120;
  p.outer.on = true;
  p.outer.wind = 5;
  in.holdC = 60;
  in.minAmbientC = -20;
  in.maxAmbientC = 40;
  in.heater.output = 20;
  in.fittings = DefaultAllowances(p.D1);
  in.fittings.valves = 4;
  in.fittings.flanges = 8;
  in.fittings.supports = 40;
  return in;
}

void BM_TraceDesign(benchmark::State& state) {
  TraceInputs in = Design();
  benchmark::DoNotOptimize(in);
  for (auto _ : state) {
    const TraceResult r = DesignTrace(in);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_TraceDesign)->Unit(benchmark::kMicrosecond);

void BM_FreezeQuarter(benchmark::State& state) {
  FreezeInputs in;
  in.pipe = Design().pipe;
  in.pipe.Ta = -20;
  in.initialC = 10;
  in.fraction = 25;
  benchmark::DoNotOptimize(in);
  for (auto _ : state) {
    const FreezeResult r = FreezeTime(in);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_FreezeQuarter)->Unit(benchmark::kMillisecond);

// 50 hold temperatures from 5 to 250 ℃, each a whole design, on two threads.
void BM_HoldSweep50TwoThreads(benchmark::State& state) {
  const TraceInputs base = Design();
  constexpr int kPoints = 50;
  std::vector<TraceResult> results(kPoints);
  for (auto _ : state) {
    auto work = [&](int first) {
      for (int i = first; i < kPoints; i += 2) {
        TraceInputs in = base;
        in.holdC = 5 + 5 * i;
        results[i] = DesignTrace(in);
      }
    };
    std::thread other(work, 1);
    work(0);
    other.join();
    benchmark::DoNotOptimize(results.data());
  }
}
BENCHMARK(BM_HoldSweep50TwoThreads)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
