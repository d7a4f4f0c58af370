// Benchmarks of the automatic coefficient, which a scan evaluates at every
// temperature it tries, and of the temperature-dependent conductivity; and a
// cylinder run that uses both, as the cylinder calculator will, to show what
// a run with both options costs.
#include <benchmark/benchmark.h>

#include <cmath>

#include "FactoryCases.h"
#include "calc/heatloss/RefiningScan.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "calc/surface/PipeInnerCoefficient.h"
#include "calc/surface/SurfaceCoefficient.h"
#include "calc/surface/TemperatureConductivity.h"

using namespace SurfaceCalc;
using HeatLossCalc::kKelvin;

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

// The factory cylinder with the coefficient automatic (horizontal pipe,
// still air) and the insulation's k(T): at each trial surface temperature
// the loss gives the flow, the insulation's k(T) the interface temperature
// that carries it, the tube the inner temperature; the point passes while
// that stays below Ti. The same scan as the cylinder calculator.
long double CylinderAuto(const HeatLossCalc::CylinderInputs& in, const TemperatureConductivity& k2) {
  using namespace HeatLossCalc;
  const long double D1 = in.D1, D2 = in.t2 * 2 + D1;
  const long double tubeLog = logl(D1 / (D1 - 2 * in.t1)), insulationLog = logl(D2 / D1);
  const long double Ta = in.Ta + kKelvin, P = D2 * kPi, R = in.e * in.sigma * P;
  SurfaceConditions c;
  c.airC = in.Ta;
  c.naturalLength = c.windLength = D2;
  const SurfaceCoefficient h(c);
  return RefiningScan(Ta, 6, 31, [&](long double T) {
    const long double q = (T - Ta) * h.AtKelvin(T) * P + (Fourth(T) - Fourth(Ta)) * R;  // W/m
    const long double Tm = FaceTemperatureForIntegral(k2, T - kKelvin, q * insulationLog / (2 * kPi));
    return Tm + q * tubeLog / (2 * kPi * in.k1) < in.Ti;
  });
}

void BM_CylinderRunAutomatic(benchmark::State& state) {
  const HeatLossCalc::CylinderInputs in = FactoryCases::FactoryCylinder();
  for (auto _ : state) benchmark::DoNotOptimize(CylinderAuto(in, kCalciumSilicate));
}
BENCHMARK(BM_CylinderRunAutomatic)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
