// The largest plate the sheet allows solved in the program: 54 elements
// (the grid memo's 60 columns less the 6 the formula block needs beside
// them) as 9 × 3 squares, with a hot wall, fluid on three edges, air on
// both plate faces, an element held at a fixed temperature and materials
// from copper to insulation. The whole call (assembly, floating-element
// search, sparse LU with its condition estimate, heat balance) must take
// well under 1 ms; the LU and the assembly alone show where the time goes.
#include <benchmark/benchmark.h>

#include "calc/fem/FemAssembly.h"
#include "calc/fem/FemSolution.h"
#include "calc/fem/FemSparseSolve.h"
#include "fem/FemPlates.h"

namespace {

FemTable LargestPlate() {
  plates::Plate p;
  p.nx = 9;
  p.ny = 3;
  p.left = "高温";
  p.right = p.top = p.bottom = "流体";
  p.faces = "外気";
  FemTable t = plates::PlateTable(p, {plates::Boundary("流体", 25, 20), plates::Boundary("外気", 8, 15)},
                                  {plates::Boundary("高温", 0, 100)}, {plates::Boundary("T30", 0, 60)});
  const long double lambda[] = {380, 45, 16, 1.2L, 0.035L, 0.035L, 16, 45, 380};
  for (int e = 1; e <= t.m; ++e) t.rows[e - 1].column2 = lambda[((e - 1) / 2) % 9];
  return t;
}

void BM_SolveFemTable(benchmark::State& state) {
  const FemTable table = LargestPlate();
  for (auto _ : state) {
    FemSolution s = SolveFemTable(table);
    benchmark::DoNotOptimize(s);
  }
  const FemSolution s = SolveFemTable(table);
  state.counters["elements"] = table.m;
  state.counters["solved"] = s.status == FemSolveStatus::Solved;
  state.counters["condition"] = static_cast<double>(s.condition);
}
BENCHMARK(BM_SolveFemTable)->Unit(benchmark::kMicrosecond);

void BM_SparseSolve(benchmark::State& state) {
  const FemSystem system = FemAssembly::Assemble(LargestPlate());
  for (auto _ : state) {
    FemLinearSolution s = FemSparseSolve::Solve(system);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_SparseSolve)->Unit(benchmark::kMicrosecond);

// The assembly the sheet also runs to write G and b.
void BM_Assemble(benchmark::State& state) {
  const FemTable table = LargestPlate();
  for (auto _ : state) {
    FemSystem s = FemAssembly::Assemble(table);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_Assemble)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
