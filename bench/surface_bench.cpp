// Benchmarks of the automatic coefficient, which a scan evaluates at every
// temperature it tries, and of the temperature-dependent conductivity; and
// the calculators' runs with both options.
#include <benchmark/benchmark.h>

#include <cmath>

#include "FactoryCases.h"
#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/PipeFlow.h"
#include "calc/surface/PipeInnerCoefficient.h"
#include "calc/surface/SurfaceCoefficient.h"
#include "calc/surface/TemperatureConductivity.h"

using namespace SurfaceCalc;

namespace {

SurfaceConditions Conditions(Orientation o, long double wind) {
  SurfaceConditions c;
  c.orientation = o;
  c.airC = 20;
  c.naturalLength = o == Orientation::HorizontalPipe ? 0.2243L : 2.0L;
  c.windLength = o == Orientation::HorizontalPipe ? 0.2243L : 3.0L;
  c.wind = wind;
  return c;
}

// One h per iteration, at surface temperatures that change from one call to
// the next as a scan's do.
void BM_SurfaceCoefficient(benchmark::State& state, Orientation o, long double wind) {
  const SurfaceCoefficient h(Conditions(o, wind));
  long double T = 20 + kKelvin;
  for (auto _ : state) {
    T = T + 0.37L;
    if (T > 620 + kKelvin) T = 20.5L + kKelvin;
    benchmark::DoNotOptimize(h.AtKelvin(T));
  }
}
BENCHMARK_CAPTURE(BM_SurfaceCoefficient, horizontal_pipe_still, Orientation::HorizontalPipe, 0.0L);
BENCHMARK_CAPTURE(BM_SurfaceCoefficient, horizontal_pipe_wind, Orientation::HorizontalPipe, 3.0L);
BENCHMARK_CAPTURE(BM_SurfaceCoefficient, vertical_wall_wind, Orientation::VerticalWall, 3.0L);
BENCHMARK_CAPTURE(BM_SurfaceCoefficient, face_up_still, Orientation::HorizontalFacingUp, 0.0L);

const TemperatureConductivity kCalciumSilicate{0.0466L, 6.5e-5L, 1.5e-7L};

void BM_MeanConductivity(benchmark::State& state) {
  long double T = 40;
  for (auto _ : state) {
    T = T + 0.37L;
    if (T > 600) T = 40;
    benchmark::DoNotOptimize(MeanConductivity(kCalciumSilicate, 350, T));
  }
}
BENCHMARK(BM_MeanConductivity);

void BM_FaceTemperatureForIntegral(benchmark::State& state) {
  long double I = 1;
  for (auto _ : state) {
    I = I + 0.37L;
    if (I > 40) I = 1;
    benchmark::DoNotOptimize(FaceTemperatureForIntegral(kCalciumSilicate, 40, I));
  }
}
BENCHMARK(BM_FaceTemperatureForIntegral);

void BM_PipeInnerCoefficient(benchmark::State& state) {
  PipeFluid w{0.99821L, 0.9994L, 20, 0.0525L, 1.002L, 0.5984L};
  for (auto _ : state) {
    w.flow = w.flow + 0.01L;
    benchmark::DoNotOptimize(PipeInnerCoefficient(w));
  }
}
BENCHMARK(BM_PipeInnerCoefficient);

// The factory cylinder and pipe flow with both options: the coefficient
// automatic (horizontal pipe, still air or 3 m/s) and the insulation's k(T).
// The aims: a cylinder run under 1 ms, a pipe-flow run under 100 ms.
HeatLossCalc::CylinderInputs AutomaticCylinder(long double wind) {
  HeatLossCalc::CylinderInputs in = FactoryCases::FactoryCylinder();
  in.outer.on = true;
  in.outer.wind = wind;
  in.k2T = {kCalciumSilicate.b, kCalciumSilicate.c};
  return in;
}

void BM_CylinderRunAutomatic(benchmark::State& state, long double wind) {
  const HeatLossCalc::CylinderInputs in = AutomaticCylinder(wind);
  for (auto _ : state) benchmark::DoNotOptimize(HeatLossCalc::CylinderHeatLoss(in));
}
BENCHMARK_CAPTURE(BM_CylinderRunAutomatic, still, 0.0L)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CylinderRunAutomatic, wind, 3.0L)->Unit(benchmark::kMicrosecond);

// tabulated: the coefficient read from the table made once per run, as the
// calculator does; otherwise evaluated at every point.
void BM_PipeFlowAutomatic(benchmark::State& state, long double wind, bool tabulated) {
  HeatLossCalc::PipeFlowInputs in = FactoryCases::FactoryPipe();
  in.outer.on = true;
  in.outer.wind = wind;
  in.outer.tabulated = tabulated;
  in.k2T = {kCalciumSilicate.b, kCalciumSilicate.c};
  for (auto _ : state) benchmark::DoNotOptimize(HeatLossCalc::PipeFlowTemperature(in));
}
BENCHMARK_CAPTURE(BM_PipeFlowAutomatic, still, 0.0L, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PipeFlowAutomatic, wind, 3.0L, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PipeFlowAutomatic, wind_untabulated, 3.0L, false)->Unit(benchmark::kMillisecond);

void BM_FlatPlateCoolingAutomatic(benchmark::State& state) {
  HeatLossCalc::FlatPlateInputs in = FactoryCases::FactoryPlate();
  in.outer.on = true;
  in.outer.orientation = Orientation::VerticalWall;
  in.outer.wind = 3;
  in.k2T = {kCalciumSilicate.b, kCalciumSilicate.c};
  for (auto _ : state)
    benchmark::DoNotOptimize(HeatLossCalc::FlatPlateCooling(in, FactoryCases::FactoryCooling()));
}
BENCHMARK(BM_FlatPlateCoolingAutomatic)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
