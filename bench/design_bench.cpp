// Benchmarks of solving for the insulation thickness: the cylinder, flat
// plate and flat wall on the factory inputs for each kind of target, hot and
// cold, with and without the options (automatic outer coefficient, k(T)),
// each with a case that no thickness meets; pipe flow's targets; and a
// series of 100 pipes at 180 degC whose surface must stay at most 50 degC
// (diameters from 21.7 to 165.2 mm in air from -5 to 40 degC, the automatic
// coefficient of a horizontal pipe in still air).
#include <benchmark/benchmark.h>

#include <functional>
#include <vector>

#include "FactoryCases.h"
#include "calc/design/ThicknessSolve.h"

using namespace DesignCalc;
using namespace HeatLossCalc;
using namespace FactoryCases;

namespace {

const std::vector<long double> kStock = {20, 25, 30, 40, 50, 65, 75, 100, 125, 150};

// Both options on: the automatic coefficient (horizontal pipe or vertical
// wall, 2 m/s of wind) and an insulation whose k rises with temperature.
template <class Inputs>
Inputs WithOptions(Inputs in, SurfaceCalc::Orientation orientation) {
  in.outer.on = true;
  in.outer.orientation = orientation;
  in.outer.wind = 2;
  in.k2T = {1.5e-4L, 1e-7L};
  return in;
}

CylinderInputs Chilled() {  // chilled water at 5 degC in air at 30 degC
  CylinderInputs in = FactoryCylinder();
  in.Ta = 30;
  in.Ti = 5;
  return in;
}

CylinderInputs OptionsCylinder() {
  return WithOptions(FactoryCylinder(), SurfaceCalc::Orientation::HorizontalPipe);
}

FlatPlateInputs ChilledPlate() {  // a cold store's wall at -20 degC in air at 30 degC
  FlatPlateInputs in = FactoryPlate();
  in.Ta = 30 + kKelvin;
  in.Ti = -20 + kKelvin;
  return in;
}

FlatPlateInputs OptionsPlate() { return WithOptions(FactoryPlate(), SurfaceCalc::Orientation::VerticalWall); }
FlatWallInputs OptionsWall() { return WithOptions(FactoryWall(), SurfaceCalc::Orientation::VerticalWall); }

PipeFlowInputs ChilledPipe() {  // chilled water at 6 degC through air at 30 degC
  PipeFlowInputs in = FactoryPipe();
  in.Tin = 6 + kKelvin;
  in.Ta = 30 + kKelvin;
  return in;
}

// The series of 100 pipes: ten sizes of steel pipe, each in ten airs.
std::vector<CylinderInputs> HotPipes() {
  const long double sizes[][2] = {{21.7L, 2.8L},  {27.2L, 2.8L}, {34.0L, 3.2L}, {42.7L, 3.5L},
                                  {48.6L, 3.5L},  {60.5L, 3.8L}, {76.3L, 4.2L}, {89.1L, 4.2L},
                                  {114.3L, 4.5L}, {165.2L, 5.0L}};
  const long double airs[] = {-5, 0, 5, 10, 15, 20, 25, 30, 35, 40};
  std::vector<CylinderInputs> pipes;
  for (const auto& size : sizes) {
    for (const long double Ta : airs) {
      CylinderInputs in;
      in.Ta = Ta;
      in.Ti = 180;
      in.D1 = size[0] / 1000;
      in.t1 = size[1] / 1000;
      in.k1 = 50;
      in.k2 = 0.045L;
      in.h = 9;  // not read: the coefficient is automatic
      in.e = 0.9L;
      in.sigma = kSigmaSix;
      in.L = 1;
      in.outer.on = true;
      pipes.push_back(in);
    }
  }
  return pipes;
}

void Solve(benchmark::State& state, const std::function<ThicknessAnswer()>& solve) {
  for (auto _ : state) benchmark::DoNotOptimize(solve());
}

void HotPipeSeries(benchmark::State& state) {
  const std::vector<CylinderInputs> pipes = HotPipes();
  for (auto _ : state) {
    for (const CylinderInputs& in : pipes)
      benchmark::DoNotOptimize(SolveCylinderThickness(in, {TargetKind::SurfaceAtMost, 50}, {}));
  }
  state.counters["cases"] = static_cast<double>(pipes.size());
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
BENCHMARK_CAPTURE(Solve, CylinderOptionsSurfaceAtMost40, [] {
  return SolveCylinderThickness(OptionsCylinder(), {TargetKind::SurfaceAtMost, 40}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, CylinderOptionsLossAtMost50, [] {
  return SolveCylinderThickness(OptionsCylinder(), {TargetKind::HeatFlowAtMost, 50}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, CylinderOptionsNever, [] {
  return SolveCylinderThickness(OptionsCylinder(), {TargetKind::SurfaceAtMost, 15}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, PlateSurfaceAtMost45, [] {
  return SolveFlatPlateThickness(FactoryPlate(), {TargetKind::SurfaceAtMost, 45}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, PlateLossAtMost60, [] {
  return SolveFlatPlateThickness(FactoryPlate(), {TargetKind::HeatFlowAtMost, 60}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, PlateDewPoint, [] {
  return SolveFlatPlateThickness(ChilledPlate(), DewPointTarget(30, 80, 1), kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, PlateOptionsSurfaceAtMost45, [] {
  return SolveFlatPlateThickness(OptionsPlate(), {TargetKind::SurfaceAtMost, 45}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, PlateOptionsNever, [] {
  return SolveFlatPlateThickness(OptionsPlate(), {TargetKind::SurfaceAtMost, 15}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, WallLossAtMost450, [] {
  return SolveFlatWallThickness(FactoryWall(), {TargetKind::HeatFlowAtMost, 450}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, WallSurfaceAtMost60, [] {
  return SolveFlatWallThickness(FactoryWall(), {TargetKind::SurfaceAtMost, 60}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, WallOptionsLossAtMost450, [] {
  return SolveFlatWallThickness(OptionsWall(), {TargetKind::HeatFlowAtMost, 450}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, WallOptionsNever, [] {
  return SolveFlatWallThickness(OptionsWall(), {TargetKind::SurfaceAtMost, 15}, kStock);
})->Unit(benchmark::kMillisecond);
BENCHMARK(HotPipeSeries)->Unit(benchmark::kMillisecond);
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
