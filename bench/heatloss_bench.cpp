// Benchmarks of the heat-loss calculations on the factory inputs, each
// beside a bare loop that evaluates the same acceptance expression as often,
// written out without the scan function. The "per_eval" counters of a pair
// show what the scan and the model around it cost over the bare expression;
// the summary at the end prints their ratio.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include <unistd.h>

#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/Heater.h"
#include "calc/heatloss/PipeFlow.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "FactoryCases.h"

using namespace HeatLossCalc;

namespace {

// ---------------------------------------------------------------- factory inputs
// Those of the heat-loss tests (tests/calc/heatloss/FactoryCases.h).

using namespace FactoryCases;

// ---------------------------------------------------------------- bare loops
// Each returns the scanned temperature (or the end state) so the compiler
// cannot drop the work; stages and points as in the calculators.

long double BarePlateScan(const FlatPlateInputs& in, long double Tinner, long double U, long double A, int points) {
  long double best = in.Ta - 100, step = 1000;
  for (int s = 0; s < 5; ++s) {
    step = step / 10;
    long double T = best - step;
    for (int p = 0; p < points; ++p) {
      T = T + step;
      const long double loss =
          (T - in.Ta) * A * in.h + (T * T * T * T - in.Ta * in.Ta * in.Ta * in.Ta) * A * in.e * in.sigma;
      if ((Tinner - T) * U * A > loss) best = T;
    }
  }
  return best;
}

long double BareCooling(const FlatPlateInputs& in, const CoolingInputs& c) {
  const long double U = 1 / (in.L2 / in.k2 + in.L1 / in.k1);
  const long double C = in.A * in.L1 * c.rho * 1000 * c.c;
  const long double dt = CoolingTimeStep(c.hours);
  long double Tp = in.Ti;
  for (int i = 0; i < kCoolingSteps; ++i) {
    const long double Ts = BarePlateScan(in, Tp, U, in.A, 12);
    const long double Q =
        (Ts - in.Ta) * in.A * in.h + (Ts * Ts * Ts * Ts - in.Ta * in.Ta * in.Ta * in.Ta) * in.A * in.e * in.sigma;
    Tp = Tp - Q * dt / C;
  }
  return Tp;
}

long double BareWall(const FlatWallInputs& in) {
  const long double U = 1 / (in.L2 / in.k2 + in.L1 / in.k1);
  long double best = in.Ta - 100, step = 1000;
  for (int s = 0; s < 5; ++s) {
    step = step / 10;
    long double T = best - step;
    for (int p = 0; p < 31; ++p) {
      T = T + step;
      const long double Qo = (T - in.Ta) * in.A * in.h +
                             (T * T * T * T - in.Ta * in.Ta * in.Ta * in.Ta) * in.A * in.e * in.sigma;
      const long double Tw = Qo / in.A / U + T;
      const long double Qi =
          (in.Tg - Tw) * in.A * in.hi + (in.Tg * in.Tg * in.Tg * in.Tg - Tw * Tw * Tw * Tw) * in.A * in.ei * in.sigma;
      if (Qo < Qi) best = T;
    }
  }
  return best;
}

long double BareCylinder(const CylinderInputs& in) {
  const long double D1 = in.D1, D2 = in.t2 * 2 + D1;
  const long double G1 = in.k1 / logl(D1 / (D1 - 2 * in.t1)), G2 = in.k2 / logl(D2 / D1);
  const long double G = 1 / (1 / G2 + 1 / G1);
  const long double Ta = in.Ta + kKelvin, Ti = in.Ti + kKelvin;
  const long double P = D2 * 3.14L, R = in.e * in.sigma * P;
  long double best = Ta, step = 1000;
  for (int s = 0; s < 6; ++s) {
    step = step / 10;
    long double T = best - step;
    for (int p = 0; p < 31; ++p) {
      T = T + step;
      if ((Ti - T) * G * 2 * 3.14L * in.L > (T - Ta) * in.h * P * in.L + (T * T * T * T - Ta * Ta * Ta * Ta) * R * in.L)
        best = T;
    }
  }
  return best;
}

long double BareHeater(const HeaterInputs& in) {
  const long double TaK = in.Ta + kKelvin, H = in.h * in.P, R = in.e * in.sigma * in.P;
  const long double steps[] = {100, 10, 1, 0.1L, 0.01L};
  long double T = in.Ta - 100, kept = T;
  for (int s = 0; s < 5; ++s) {
    if (s > 0) T = kept - steps[s];
    for (int p = 0; p < 31; ++p) {
      T = T + steps[s];
      const long double Tk = T + kKelvin;
      if (((T - in.Ta) * H + Tk * Tk * Tk * Tk * R - TaK * TaK * TaK * TaK * R) * in.L < in.Q) kept = T - steps[s];
    }
  }
  return kept;
}

// The cooling branch of the pipe flow, as the factory inlet is above the ambient.
long double BarePipe(const PipeFlowInputs& in) {
  const long double Di = in.Di, D1 = 2 * in.t1 + Di, D2 = D1 + 2 * in.t2;
  const long double Po = D2 * 3.14L, Pi = Di * 3.14L;
  const long double G = 1 / (logl(D1 / Di) / in.k1 + logl(D2 / D1) / in.k2);
  const long double F = in.rho * 1000 * in.V * in.c / 0.86L;
  const long double Ta = in.Ta, dx = in.Lp / kPipeSegments;
  long double Tf = in.Tin, H = 0;
  for (int i = 0; i < kPipeSegments; ++i) {
    long double best = Ta - 100, step = 1000;
    bool accepted = false;
    for (int s = 0; s < 5; ++s) {
      step = step / 10;
      long double T = best - step;
      for (int p = 0; p < 31; ++p) {
        T = T + step;
        const long double Vo = (T - Ta) * Po * in.h + (T * T * T * T - Ta * Ta * Ta * Ta) * Po * in.e * in.sigma;
        const long double Tw = Vo / (G * 2 * 3.14L) + T;
        const long double Wi =
            (Tf - Tw) * Pi * in.hi + (Tf * Tf * Tf * Tf - Tw * Tw * Tw * Tw) * Pi * in.ei * in.sigma;
        if (Vo < Wi) {
          best = T;
          accepted = true;
        }
      }
    }
    if (accepted)
      H = (best - Ta) * Po * in.h + (best * best * best * best - Ta * Ta * Ta * Ta) * Po * in.e * in.sigma;
    Tf = Tf - H * dx / F;
  }
  return Tf;
}

// ---------------------------------------------------------------- benchmarks

void PerEvaluation(benchmark::State& state, long long evaluations) {
  state.counters["evals"] = static_cast<double>(evaluations);
  state.counters["per_eval"] = benchmark::Counter(static_cast<double>(evaluations),
                                                  benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
}

constexpr long long kPipeEvals = 3000LL * 5 * 31;
constexpr long long kCoolingEvals = 2000LL * 5 * 12;

void BM_PipeFlow(benchmark::State& state) {
  const PipeFlowInputs in = FactoryPipe();
  for (auto _ : state) benchmark::DoNotOptimize(PipeFlowTemperature(in));
  PerEvaluation(state, kPipeEvals);
}
void BM_PipeFlowBare(benchmark::State& state) {
  const PipeFlowInputs in = FactoryPipe();
  for (auto _ : state) benchmark::DoNotOptimize(BarePipe(in));
  PerEvaluation(state, kPipeEvals);
}
void BM_FlatPlateCooling(benchmark::State& state) {
  const FlatPlateInputs in = FactoryPlate();
  const CoolingInputs c = FactoryCooling();
  for (auto _ : state) benchmark::DoNotOptimize(FlatPlateCooling(in, c));
  PerEvaluation(state, kCoolingEvals);
}
void BM_FlatPlateCoolingBare(benchmark::State& state) {
  const FlatPlateInputs in = FactoryPlate();
  const CoolingInputs c = FactoryCooling();
  for (auto _ : state) benchmark::DoNotOptimize(BareCooling(in, c));
  PerEvaluation(state, kCoolingEvals);
}
void BM_FlatPlateHeatLoss(benchmark::State& state) {
  const FlatPlateInputs in = FactoryPlate();
  for (auto _ : state) benchmark::DoNotOptimize(FlatPlateSteady(in));
  PerEvaluation(state, 5 * 31);
}
void BM_FlatPlateHeatLossBare(benchmark::State& state) {
  const FlatPlateInputs in = FactoryPlate();
  const long double U = 1 / (in.L2 / in.k2 + in.L1 / in.k1);
  for (auto _ : state) benchmark::DoNotOptimize(BarePlateScan(in, in.Ti, U, in.A, 31));
  PerEvaluation(state, 5 * 31);
}
void BM_FlatWallTransmission(benchmark::State& state) {
  const FlatWallInputs in = FactoryWall();
  for (auto _ : state) benchmark::DoNotOptimize(FlatWallTransmission(in));
  PerEvaluation(state, 5 * 31);
}
void BM_FlatWallTransmissionBare(benchmark::State& state) {
  const FlatWallInputs in = FactoryWall();
  for (auto _ : state) benchmark::DoNotOptimize(BareWall(in));
  PerEvaluation(state, 5 * 31);
}
void BM_CylinderHeatLoss(benchmark::State& state) {
  const CylinderInputs in = FactoryCylinder();
  for (auto _ : state) benchmark::DoNotOptimize(CylinderHeatLoss(in));
  PerEvaluation(state, 6 * 31);
}
void BM_CylinderHeatLossBare(benchmark::State& state) {
  const CylinderInputs in = FactoryCylinder();
  for (auto _ : state) benchmark::DoNotOptimize(BareCylinder(in));
  PerEvaluation(state, 6 * 31);
}
void BM_HeaterTemperature(benchmark::State& state) {
  const HeaterInputs in = FactoryHeater();
  for (auto _ : state) benchmark::DoNotOptimize(HeaterSurfaceTemperature(in));
  PerEvaluation(state, 5 * 31);
}
void BM_HeaterTemperatureBare(benchmark::State& state) {
  const HeaterInputs in = FactoryHeater();
  for (auto _ : state) benchmark::DoNotOptimize(BareHeater(in));
  PerEvaluation(state, 5 * 31);
}

BENCHMARK(BM_PipeFlow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PipeFlowBare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlatPlateCooling)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlatPlateCoolingBare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlatPlateHeatLoss)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlatPlateHeatLossBare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlatWallTransmission)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlatWallTransmissionBare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CylinderHeatLoss)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CylinderHeatLossBare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HeaterTemperature)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HeaterTemperatureBare)->Unit(benchmark::kMicrosecond);

// Prints the usual table, then the processor time per evaluation of each
// calculator over that of its bare loop.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // With repetitions the median stands for the benchmark.
    for (const Run& r : runs) {
      if (r.run_type == Run::RT_Iteration && !perIteration_.count(r.run_name.function_name))
        perIteration_[r.run_name.function_name] = r.GetAdjustedCPUTime();
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
        perIteration_[r.run_name.function_name] = r.GetAdjustedCPUTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nper evaluation, calculator / bare loop:\n");
    for (const auto& [name, t] : perIteration_) {
      const auto bare = perIteration_.find(name + "Bare");
      if (bare != perIteration_.end()) std::printf("  %-28s %.3f\n", name.c_str(), t / bare->second);
    }
  }

 private:
  std::map<std::string, double> perIteration_;
};

}  // namespace

int main(int argc, char** argv) {
  // The bare loops must do the work of the calculators.
  if (BarePipe(FactoryPipe()) - kKelvin != PipeFlowTemperature(FactoryPipe()).fluid ||
      BareCooling(FactoryPlate(), FactoryCooling()) - kKelvin != FlatPlateCooling(FactoryPlate(), FactoryCooling()).plate ||
      BareWall(FactoryWall()) - kKelvin != FlatWallTransmission(FactoryWall()).outerSurface ||
      BareCylinder(FactoryCylinder()) - kKelvin != CylinderHeatLoss(FactoryCylinder()).surface ||
      BareHeater(FactoryHeater()) != HeaterSurfaceTemperature(FactoryHeater())) {
    std::fprintf(stderr, "a bare loop does not compute what its calculator computes\n");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
