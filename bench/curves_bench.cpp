// Benchmarks of the sweeps and the histories. The sweeps are timed on the
// wall clock (UseRealTime), as the engineer waits for the whole sweep: a
// 50-point sweep of the pipe flow (insulation 10 to 200 mm) should take
// under 0.5 s and a 200-point sweep of the cylinder under 20 ms on two
// cores. The argument is the number of threads (0: one per core). The
// history benchmarks beside their plain runs show what recording costs.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "calc/curves/LayerProfile.h"
#include "calc/curves/Sweep.h"
#include "calc/heating/WallHeating.h"
#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/PipeFlow.h"
#include "heating/TankCases.h"
#include "heatloss/FactoryCases.h"

using namespace HeatLossCalc;

namespace {

void BM_PipeFlowSweep50(benchmark::State& state) {
  const int threads = static_cast<int>(state.range(0));
  for (auto _ : state) {
    curves::SweepControl control;
    const auto r = curves::RunSweep(
        50,
        [](int i) {
          PipeFlowInputs in = FactoryCases::FactoryPipe();
          in.t2 = curves::SweepValue(0.010L, 0.200L, 50, i);
          return PipeFlowTemperature(in);
        },
        control, threads);
    benchmark::DoNotOptimize(r.values.back()->fluid);
  }
}
BENCHMARK(BM_PipeFlowSweep50)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_CylinderSweep200(benchmark::State& state) {
  const int threads = static_cast<int>(state.range(0));
  for (auto _ : state) {
    curves::SweepControl control;
    const auto r = curves::RunSweep(
        200,
        [](int i) {
          CylinderInputs in = FactoryCases::FactoryCylinder();
          in.t2 = curves::SweepValue(0.010L, 0.200L, 200, i);
          return CylinderHeatLoss(in);
        },
        control, threads);
    benchmark::DoNotOptimize(r.values.back()->total);
  }
}
BENCHMARK(BM_CylinderSweep200)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// The time from a cancel to the sweep's return (manual time): a watcher
// cancels once 5 of the 50 points are done; the points then running end.
void BM_PipeFlowSweepCancel(benchmark::State& state) {
  for (auto _ : state) {
    curves::SweepControl control;
    std::chrono::steady_clock::time_point cancelledAt;
    std::thread watcher([&] {
      while (control.done.load() < 5) std::this_thread::yield();
      cancelledAt = std::chrono::steady_clock::now();
      control.cancel = true;
    });
    const auto r = curves::RunSweep(
        50,
        [](int i) {
          PipeFlowInputs in = FactoryCases::FactoryPipe();
          in.t2 = curves::SweepValue(0.010L, 0.200L, 50, i);
          return PipeFlowTemperature(in).fluid;
        },
        control);
    const auto returned = std::chrono::steady_clock::now();
    watcher.join();
    benchmark::DoNotOptimize(r.cancelled);
    state.SetIterationTime(std::chrono::duration<double>(returned - cancelledAt).count());
  }
}
BENCHMARK(BM_PipeFlowSweepCancel)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// The same for the longest wall-heating integration the work bound lets
// through (about 0.1 s alone), stopped 20 ms after its start.
void BM_WallHeatingStop(benchmark::State& state) {
  const heating::WalledGas g{20.0L + heating::kKelvin,
                             10.0L + heating::kKelvin,
                             9.0L,
                             0.9L,
                             cases::kSigma,
                             heating::BoxSurface(2.0L, 1.0L, 1.0L),
                             heating::HeatCapacity(0.24L, 0.0012L, 2.0L)};
  const long double dt = 0.00001L / 3600.0L;
  for (auto _ : state) {
    std::atomic<bool> stop{false};
    std::chrono::steady_clock::time_point stoppedAt;
    std::thread watcher([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      stoppedAt = std::chrono::steady_clock::now();
      stop = true;
    });
    benchmark::DoNotOptimize(heating::WallRadiationOnly(g, heating::kMaxWallSteps, dt, nullptr, &stop));
    const auto returned = std::chrono::steady_clock::now();
    watcher.join();
    state.SetIterationTime(std::chrono::duration<double>(returned - stoppedAt).count());
  }
}
BENCHMARK(BM_WallHeatingStop)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_PipeFlowPlain(benchmark::State& state) {
  const PipeFlowInputs in = FactoryCases::FactoryPipe();
  for (auto _ : state) benchmark::DoNotOptimize(PipeFlowTemperature(in));
}
void BM_PipeFlowWithHistory(benchmark::State& state) {
  const PipeFlowInputs in = FactoryCases::FactoryPipe();
  PipeFlowHistory history;
  for (auto _ : state) benchmark::DoNotOptimize(PipeFlowTemperature(in, &history));
}
BENCHMARK(BM_PipeFlowPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PipeFlowWithHistory)->Unit(benchmark::kMillisecond);

void BM_CoolingPlain(benchmark::State& state) {
  const FlatPlateInputs in = FactoryCases::FactoryPlate();
  const CoolingInputs c = FactoryCases::FactoryCooling();
  for (auto _ : state) benchmark::DoNotOptimize(FlatPlateCooling(in, c));
}
void BM_CoolingWithHistory(benchmark::State& state) {
  const FlatPlateInputs in = FactoryCases::FactoryPlate();
  const CoolingInputs c = FactoryCases::FactoryCooling();
  curves::Series plate;
  for (auto _ : state) benchmark::DoNotOptimize(FlatPlateCooling(in, c, &plate));
}
BENCHMARK(BM_CoolingPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CoolingWithHistory)->Unit(benchmark::kMillisecond);

// The heat-up curve is one more simulation at the power found, beside the
// search of 88 simulations.
void BM_HeatUpCurve(benchmark::State& state) {
  heating::TankInputs in = cases::WaterTank(50.0L, true);
  benchmark::DoNotOptimize(in);
  const heating::Tank tank = heating::MakeTank(in);
  const long double Q = heating::HeaterPowerSearch(tank);
  heating::HeatingCurves curves;
  for (auto _ : state) benchmark::DoNotOptimize(heating::SimulateHeating(tank, Q, &curves));
}
BENCHMARK(BM_HeatUpCurve)->Unit(benchmark::kMicrosecond);

void BM_CylinderProfile(benchmark::State& state) {
  const CylinderInputs in = FactoryCases::FactoryCylinder();
  const CylinderResult r = CylinderHeatLoss(in);
  for (auto _ : state) benchmark::DoNotOptimize(curves::CylinderProfile(in, r));
}
BENCHMARK(BM_CylinderProfile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
