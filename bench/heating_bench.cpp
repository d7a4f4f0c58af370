// Benchmarks of the heating calculations, each beside a bare loop of the
// same inner expression run as often, so that the overhead of the model
// around its inner loop shows as the ratio of the two "per_eval" counters.
#include <benchmark/benchmark.h>

#include "calc/heating/GasHeating.h"
#include "calc/heating/HeaterPowerSearch.h"
#include "calc/heating/WallHeating.h"
#include "TankCases.h"  // the shipped tank and box, shared with the tests

using namespace heating;

namespace {

using cases::AirBox;
using cases::kSigma;

// An insulated 1 m3 water tank with a lid: 3 mm stainless, 50 mm insulation.
TankInputs InsulatedTank() { return cases::WaterTank(50.0L, true); }

// The wall-heating case of the shipped conditions: walls at 20 ℃, gas at 10 ℃.
WalledGas FactoryWalledGas() {
  const long double V = 2.0L;
  return WalledGas{20.0L + kKelvin,
                   10.0L + kKelvin,
                   9.0L,
                   0.9L,
                   kSigma,
                   BoxSurface(2.0L, 1.0L, 1.0L),
                   HeatCapacity(0.24L, 0.0012L, V)};
}

void PerEvaluation(benchmark::State& state, long long evaluations) {
  state.counters["evals"] = static_cast<double>(evaluations);
  state.counters["per_eval"] =
      benchmark::Counter(static_cast<double>(evaluations),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ContainerHeating(benchmark::State& state) {
  TankInputs in = InsulatedTank();
  benchmark::DoNotOptimize(in);  // inputs as a run reads them, not known to the compiler
  const Tank tank = MakeTank(in);
  for (auto _ : state) {
    const long double Q = HeaterPowerSearch(tank);
    const FinalLoss final = FinalTankLoss(tank);
    benchmark::DoNotOptimize(Q);
    benchmark::DoNotOptimize(final);
  }
  PerEvaluation(state, PowerSearchEvaluations(tank) + kSurfaceSearchEvaluations);
}
BENCHMARK(BM_ContainerHeating)->Unit(benchmark::kMillisecond);

// The flux balance of the surface search, alone in a loop.
void BM_BareSurfaceFlux(benchmark::State& state) {
  TankInputs in = InsulatedTank();
  benchmark::DoNotOptimize(in);
  const Tank tank = MakeTank(in);
  const OuterSurface s = tank.surface;
  const long long n = PowerSearchEvaluations(tank);
  for (auto _ : state) {
    const long double Ta4 = s.Ta * s.Ta * s.Ta * s.Ta;
    long double Tin = tank.T0, best = s.Ta, x = s.Ta - 100.0L, step = 0.01L;
    benchmark::DoNotOptimize(Tin);
    benchmark::DoNotOptimize(step);
    for (long long i = 0; i < n; ++i) {
      x = x + step;
      const long double conducted = (Tin - x) * s.U;
      const long double lost = (x - s.Ta) * s.h + (x * x * x * x - Ta4) * s.eps * s.sigma;
      if (conducted > lost) best = x;
    }
    benchmark::DoNotOptimize(best);
  }
  PerEvaluation(state, n);
}
BENCHMARK(BM_BareSurfaceFlux)->Unit(benchmark::kMillisecond);

void BM_GasHeating6h(benchmark::State& state) {
  GasInputs in = AirBox(6.0L);
  benchmark::DoNotOptimize(in);
  const GasBox box = MakeGasBox(in);
  for (auto _ : state) {
    const long double best = GasPowerSearch(box);
    const long double loss = GasFinalLoss(box);
    benchmark::DoNotOptimize(best);
    benchmark::DoNotOptimize(loss);
  }
  PerEvaluation(state, GasSearchSteps(box.steps));
}
BENCHMARK(BM_GasHeating6h)->Unit(benchmark::kMillisecond);

// One integration step of the gas model, alone in a loop.
void BM_BareGasStep(benchmark::State& state) {
  GasInputs in = AirBox(6.0L);
  benchmark::DoNotOptimize(in);
  const GasBox b = MakeGasBox(in);
  const long long n = GasSearchSteps(b.steps);
  for (auto _ : state) {
    const long double Ta4 = FourthPowerByLog(b.Ta);
    const long double dt = kGasTimeStep;
    long double P = b.P0 * 40.0L;
    benchmark::DoNotOptimize(P);
    long double Tg = b.Ta, Tw = b.Ta, Ts = b.Ta + 0.01L;
    for (long long i = 0; i < n; ++i) {
      const long double R = (FourthPowerByLog(Ts) - Ta4) * b.A * b.eps * b.sigma;
      const long double f = R / (b.h * b.A * (Ts - b.Ta)) + 1.0L;
      Tg = Tg + (P - (Tg - Tw) * b.h * b.A - R) * dt / b.Cg;
      Tw = Tw + ((Tg - Tw) * b.h + R / b.A - (Tw - Ts) * b.k) * b.A * dt / b.Cw;
      Ts = (b.k * b.A * Tw + f * b.h * b.A * b.Ta) / (b.k * b.A + f * b.h * b.A);
    }
    benchmark::DoNotOptimize(Tg);
  }
  PerEvaluation(state, n);
}
BENCHMARK(BM_BareGasStep)->Unit(benchmark::kMillisecond);

void BM_WallHeatingFactory(benchmark::State& state) {
  WalledGas g = FactoryWalledGas();
  benchmark::DoNotOptimize(g);
  const long double t = 1.0L;
  long long steps = 0;
  for (auto _ : state) {
    const long double dt = WallTimeStep(g);
    steps = static_cast<long long>(nearbyintl(t / dt));
    benchmark::DoNotOptimize(WallConvectionOnly(g, steps, dt));
    benchmark::DoNotOptimize(WallRadiationOnly(g, steps, dt));
    benchmark::DoNotOptimize(WallConvectionAndRadiation(g, steps, dt));
  }
  PerEvaluation(state, 3 * steps);
}
BENCHMARK(BM_WallHeatingFactory)->Unit(benchmark::kMicrosecond);

// The three wall integrations' steps, alone in one loop each.
void BM_BareWallSteps(benchmark::State& state) {
  WalledGas g = FactoryWalledGas();
  benchmark::DoNotOptimize(g);
  const long double dt = 1.0L / 3600.0L;
  const long long n = 3600;
  for (auto _ : state) {
    const long double Th4 = g.Th * g.Th * g.Th * g.Th;
    long double a = g.T0, r = g.T0, b = g.T0;
    benchmark::DoNotOptimize(a);
    for (long long i = 0; i < n; ++i) a = a + (g.Th - a) * g.h * g.A / g.Cg * dt;
    for (long long i = 0; i < n; ++i) r = r + (Th4 - r * r * r * r) * g.eps * g.sigma * g.A / g.Cg * dt;
    for (long long i = 0; i < n; ++i) {
      const long double rise =
          ((g.Th - b) * g.h * g.A + (Th4 - b * b * b * b) * g.eps * g.sigma * g.A) / g.Cg * dt;
      if (!(rise >= 0.0L)) break;
      b = b + rise;
    }
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(r);
    benchmark::DoNotOptimize(b);
  }
  PerEvaluation(state, 3 * n);
}
BENCHMARK(BM_BareWallSteps)->Unit(benchmark::kMicrosecond);

// The worst wall case the work bound lets through: the finest time step
// up to the step limit (one integration).
void BM_WallHeatingWorstAllowed(benchmark::State& state) {
  WalledGas g = FactoryWalledGas();
  benchmark::DoNotOptimize(g);
  const long long steps = kMaxWallSteps;
  const long double dt = 0.00001L / 3600.0L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(WallConvectionOnly(g, steps, dt));
    benchmark::DoNotOptimize(WallRadiationOnly(g, steps, dt));
    benchmark::DoNotOptimize(WallConvectionAndRadiation(g, steps, dt));
  }
  PerEvaluation(state, 3 * steps);
}
BENCHMARK(BM_WallHeatingWorstAllowed)->Unit(benchmark::kMillisecond)->Iterations(1);

// The longest gas rise time the work bound lets through.
void BM_GasHeatingWorstAllowed(benchmark::State& state) {
  const GasBox box = MakeGasBox(AirBox(static_cast<long double>(kMaxGasSteps) * kGasTimeStep));
  for (auto _ : state) benchmark::DoNotOptimize(GasPowerSearch(box));
  PerEvaluation(state, GasSearchSteps(box.steps));
}
BENCHMARK(BM_GasHeatingWorstAllowed)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same runs with the automatic surface (wind 2 m/s outside): the
// tables of the faces' convection in place of the typed h.
void BM_ContainerHeatingAutomatic(benchmark::State& state) {
  TankInputs in = InsulatedTank();
  in.lid = false;
  in.automatic = {true, 2, 60};
  benchmark::DoNotOptimize(in);
  for (auto _ : state) {
    const Tank tank = MakeTank(in);
    benchmark::DoNotOptimize(HeaterPowerSearch(tank));
    benchmark::DoNotOptimize(FinalTankLoss(tank));
  }
}
BENCHMARK(BM_ContainerHeatingAutomatic)->Unit(benchmark::kMillisecond);

void BM_GasHeatingWorstAllowedAutomatic(benchmark::State& state) {
  GasInputs in = AirBox(static_cast<long double>(kMaxGasSteps) * kGasTimeStep);
  in.automatic = {true, 2, 100};
  const GasBox box = MakeGasBox(in);
  for (auto _ : state) benchmark::DoNotOptimize(GasPowerSearch(box));
  PerEvaluation(state, GasSearchSteps(box.steps));
}
BENCHMARK(BM_GasHeatingWorstAllowedAutomatic)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_WallHeatingWorstAllowedAutomatic(benchmark::State& state) {
  const WalledGas g = WithAutomaticWalls(FactoryWalledGas(), 2, 1, 1);
  const long long steps = kMaxWallSteps;
  const long double dt = 0.00001L / 3600.0L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(WallConvectionOnly(g, steps, dt));
    benchmark::DoNotOptimize(WallRadiationOnly(g, steps, dt));
    benchmark::DoNotOptimize(WallConvectionAndRadiation(g, steps, dt));
  }
  PerEvaluation(state, 3 * steps);
}
BENCHMARK(BM_WallHeatingWorstAllowedAutomatic)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
