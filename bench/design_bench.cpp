// Benchmarks of solving for the insulation thickness on the factory inputs:
// the cylinder's targets (each under 50 ms) and pipe flow's (under 2 s),
// each with a case that no thickness meets, the longest search.
#include <benchmark/benchmark.h>

#include <functional>

#include "FactoryCases.h"
#include "calc/design/ThicknessSolve.h"

using namespace DesignCalc;
using namespace HeatLossCalc;
using namespace FactoryCases;

namespace {

const std::vector<long double> kStock = {20, 25, 30, 40, 50, 65, 75, 100, 125, 150};

CylinderInputs Chilled() {  // chilled water at 5 degC in air at 30 degC
  CylinderInputs in = FactoryCylinder();
  in.Ta = 30;
  in.Ti = 5;
  return in;
}

PipeFlowInputs ChilledPipe() {  // chilled water at 6 degC through air at 30 degC
  PipeFlowInputs in = FactoryPipe();
  in.Tin = 6 + kKelvin;
  in.Ta = 30 + kKelvin;
  return in;
}

void Solve(benchmark::State& state, const std::function<ThicknessAnswer()>& solve) {
  for (auto _ : state) benchmark::DoNotOptimize(solve());
}

}  // namespace

BENCHMARK_CAPTURE(Solve, CylinderSurfaceAtMost40, [] {
  return SolveCylinderThickness(FactoryCylinder(), {TargetKind::SurfaceAtMost, 40}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, CylinderLossAtMost50, [] {
  return SolveCylinderThickness(FactoryCylinder(), {TargetKind::HeatFlowAtMost, 50}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, CylinderDewPoint, [] {
  return SolveCylinderThickness(Chilled(), DewPointTarget(30, 80, 1), kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, CylinderNever, [] {
  return SolveCylinderThickness(FactoryCylinder(), {TargetKind::SurfaceAtMost, 15}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, PipeEndAtLeast78, [] {
  return SolvePipeFlowThickness(FactoryPipe(), {TargetKind::FluidEnd, 78}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, PipeEndAtLeast79_4, [] {
  return SolvePipeFlowThickness(FactoryPipe(), {TargetKind::FluidEnd, 79.4L}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, ChilledPipeEndAtMost7, [] {
  return SolvePipeFlowThickness(ChilledPipe(), {TargetKind::FluidEnd, 7}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, ChilledPipeDewPoint, [] {
  return SolvePipeFlowThickness(ChilledPipe(), DewPointTarget(30, 80, 1), kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, PipeNever, [] {
  return SolvePipeFlowThickness(FactoryPipe(), {TargetKind::FluidEnd, 80}, kStock);
})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
