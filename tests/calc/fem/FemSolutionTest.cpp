// The plate solved in the program: temperatures against one-dimensional
// conduction worked by hand, the heat balance of the boundary rows, the
// agreement with a spreadsheet's MINVERSE/MMULT in double, floating
// elements and singular systems.
#include <gtest/gtest.h>

#include <array>
#include <cfenv>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "calc/fem/FemAssembly.h"
#include "calc/fem/FemSolution.h"
#include "calc/fem/FemSparseSolve.h"
#include "fem/FemPlates.h"

namespace {

using plates::Boundary;
using plates::Plate;
using plates::PlateTable;

// nx squares in a row between a wall "高温" on the left and the given
// boundary on the right.
Plate Strip(int nx, long double side, long double lambda, const std::string& right = "低温") {
  Plate p;
  p.nx = nx;
  p.side = side;
  p.lambda = lambda;
  p.left = "高温";
  p.right = right;
  return p;
}

// The heats of the balance by row name.
std::map<std::string, long double> HeatByRow(const FemTable& t, const FemBalance& b) {
  std::map<std::string, long double> heat;
  for (const FemBoundaryFlow& f : b.flows) heat[t.rows[f.row - 1].name] = f.heat;
  return heat;
}

// What a spreadsheet computes: the inverse by Gauss-Jordan elimination in
// double, then the inverse times the right-hand side.
std::vector<double> SpreadsheetSolve(const FemSystem& s) {
  const int n = static_cast<int>(s.b.size());
  std::vector<std::vector<double>> a(n, std::vector<double>(2 * n, 0));
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) a[r][c] = static_cast<double>(s.g[r][c]);
    a[r][n + r] = 1;
  }
  for (int c = 0; c < n; ++c) {
    int p = c;
    for (int r = c + 1; r < n; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[p][c])) p = r;
    std::swap(a[c], a[p]);
    const double pivot = a[c][c];
    for (double& x : a[c]) x /= pivot;
    for (int r = 0; r < n; ++r) {
      if (r == c) continue;
      const double f = a[r][c];
      for (int k = 0; k < 2 * n; ++k) a[r][k] -= f * a[c][k];
    }
  }
  std::vector<double> t(n, 0);
  for (int r = 0; r < n; ++r)
    for (int k = 0; k < n; ++k) t[r] += a[r][n + k] * static_cast<double>(s.b[k]);
  return t;
}

TEST(FemSolution, StripBetweenFixedTemperaturesIsLinear) {
  // Six squares of 20 mm, λ 45, 5 mm thick: every conductance has six exact
  // decimals (3λt = 0.675 W/K across Ｃ and to the walls, 0.3375 across Ｂ),
  // so the profile is exact but for rounding. 120 mm of λ·A = 0.0045 W·m/K
  // pass 80 K · 0.0045 / 0.12 = 3 W.
  const int n = 6;
  const FemTable t = PlateTable(Strip(n, 20, 45), {}, {Boundary("高温", 0, 100), Boundary("低温", 0, 20)});
  const FemSolution s = SolveFemTable(t);
  ASSERT_EQ(s.status, FemSolveStatus::Solved);
  for (int e = 1; e <= 2 * n; ++e) {
    const long double x = ((e - 1) / 2) * 20 + (e % 2 == 1 ? 20 : 40) / 3.0L;  // centroid, mm
    EXPECT_NEAR(s.temperatures[e - 1], 100 - 80 * x / (n * 20), 1e-12L) << "T" << e;
  }
  const auto heat = HeatByRow(t, s.balance);
  EXPECT_NEAR(heat.at("高温"), 3, 1e-12L);
  EXPECT_NEAR(heat.at("低温"), -3, 1e-12L);
  EXPECT_FALSE(s.balance.unbalanced);
}

TEST(FemSolution, ConvectiveBoundaryMatchesResistancesInSeries) {
  // One square of 30 mm, λ 50: P at a 100 ℃ wall on Ｂ, Q cooled on Ｂ by
  // a fluid at 20 ℃ with h 1250 W/m²℃. By hand in SI units, the face area
  // 0.03 · 0.005 m²: a third of the square, a third, a third and the film.
  const long double h = 1250, area = 0.03L * 0.005L;
  const FemTable t =
      PlateTable(Strip(1, 30, 50, "流体"), {Boundary("流体", h, 20)}, {Boundary("高温", 0, 100)});
  const FemSolution s = SolveFemTable(t);
  ASSERT_EQ(s.status, FemSolveStatus::Solved);

  const long double rThird = (0.03L / 3) / (50 * area), rFilm = 1 / (h * area);
  const long double q = (100 - 20) / (3 * rThird + rFilm);
  EXPECT_NEAR(s.temperatures[0], 100 - q * rThird, 1e-12L);
  EXPECT_NEAR(s.temperatures[1], 100 - 2 * q * rThird, 1e-12L);
  const auto heat = HeatByRow(t, s.balance);
  EXPECT_NEAR(heat.at("高温"), q, 1e-12L);
  EXPECT_NEAR(heat.at("流体"), -q, 1e-12L);
}

TEST(FemSolution, BoundaryHeatsBalanceAndASpreadsheetAgrees) {
  // 4 × 3 squares, one material per column, a hot wall on the left, fluid
  // on the right, a floor at a fixed temperature, air on both plate faces
  // and element T7 held at 60 ℃.
  Plate p = Strip(4, 20, 45, "流体");
  p.ny = 3;
  p.bottom = "床";
  p.faces = "外気";
  FemTable t = PlateTable(p, {Boundary("流体", 25, 20), Boundary("外気", 8, 15)},
                          {Boundary("高温", 0, 100), Boundary("床", 0, 40)}, {Boundary("T7", 0, 60)});
  const long double lambda[] = {45, 16, 1.2L, 380};
  for (int e = 1; e <= t.m; ++e) t.rows[e - 1].column2 = lambda[((e - 1) / 2) % 4];

  std::feclearexcept(FE_ALL_EXCEPT);
  const FemSolution s = SolveFemTable(t);
  EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW));
  ASSERT_EQ(s.status, FemSolveStatus::Solved);
  EXPECT_EQ(s.temperatures[6], 60);

  // Every boundary row in table order, the fixed element's row too.
  std::vector<std::string> names;
  for (const FemBoundaryFlow& f : s.balance.flows) names.push_back(t.rows[f.row - 1].name);
  EXPECT_EQ(names, (std::vector<std::string>{"流体", "外気", "高温", "床", "T7"}));
  long double sum = 0;
  for (const FemBoundaryFlow& f : s.balance.flows) sum += f.heat;
  EXPECT_EQ(s.balance.sum, sum);
  EXPECT_GT(s.balance.largest, 1);
  EXPECT_LE(fabsl(s.balance.sum), 1e-9L * s.balance.largest);
  EXPECT_FALSE(s.balance.unbalanced);
  const auto heat = HeatByRow(t, s.balance);
  EXPECT_GT(heat.at("高温"), 0);
  EXPECT_LT(heat.at("外気"), 0);

  // The sheet's formula solves the same coefficients in double.
  EXPECT_LT(s.condition, 1e7);
  const std::vector<double> sheet = SpreadsheetSolve(FemAssembly::Assemble(t));
  for (int e = 0; e < t.m; ++e)
    EXPECT_NEAR(s.temperatures[e], sheet[e], 1e-9L * fabsl(s.temperatures[e])) << "T" << e + 1;

  // T1 made 10 × 20 mm no longer fits T2: each side of Ｃ takes its own
  // centroid distance, the two conductances differ and the balance says so.
  t.rows[0].column3 = 10;
  const FemSolution odd = SolveFemTable(t);
  ASSERT_EQ(odd.status, FemSolveStatus::Solved);
  EXPECT_TRUE(odd.balance.unbalanced);
}

TEST(FemSolution, FloatingElementsAreNamedAndSingularSystemsRefused) {
  // A strip of two squares between two walls, then T5 and T6 that name only
  // each other, T7 that names T5 across a plate face (which passes no
  // heat), T8 that names T1, which does not name it back, and T9 that names
  // nothing but is named by T1: nothing fixes T9 although T1 is held.
  FemTable t = PlateTable(Strip(2, 20, 45), {}, {});
  t.rows[0].faces[0] = "T9";
  FemTableRow extra = Boundary("", 45, 20);
  extra.column4 = 20;
  const std::array<std::array<std::string, 5>, 5> faces = {
      {{"", "", "T6", "", ""}, {"", "", "T5", "", ""}, {"", "", "", "T5", ""}, {"T1", "", "", "", ""}, {}}};
  for (int i = 0; i < 5; ++i) {
    extra.name = FemElementName(5 + i);
    extra.faces = faces[i];
    t.rows.push_back(extra);
  }
  t.m = t.l = 9;
  t.rows.push_back(Boundary("高温", 0, 100));
  t.rows.push_back(Boundary("低温", 0, 20));
  t.o = 2;
  FemSolution s = SolveFemTable(t);
  EXPECT_EQ(s.status, FemSolveStatus::Floating);
  EXPECT_EQ(s.floating, (std::vector<int>{5, 6, 7, 9}));
  EXPECT_TRUE(s.temperatures.empty());

  // Holding T5 at 50 ℃ holds T6 through it.
  t.rows.push_back(Boundary("T5", 0, 50));
  s = SolveFemTable(t);
  EXPECT_EQ(s.floating, (std::vector<int>{7, 9}));

  // Systems that only the factorisation can judge.
  const FemLinearSolution zeroPivot = FemSparseSolve::Solve({{{1, -1}, {-1, 1}}, {0, 0}});
  EXPECT_FALSE(zeroPivot.solved);
  EXPECT_EQ(zeroPivot.condition, 0);
  const FemLinearSolution nearlySingular = FemSparseSolve::Solve({{{1, 1}, {1, 1 + 1e-14L}}, {1, 2}});
  EXPECT_FALSE(nearlySingular.solved);
  EXPECT_GT(nearlySingular.condition, FemSparseSolve::kMaxCondition);
  // κ₁ of an unsymmetric matrix by hand: ‖A‖₁ = 3, and A⁻¹ has the rows
  // (1 2 4), (0 1 2), (0 0 1), so ‖A⁻¹‖₁ = 7.
  const FemLinearSolution fine = FemSparseSolve::Solve({{{1, -2, 0}, {0, 1, -2}, {0, 0, 1}}, {-1, -1, 1}});
  ASSERT_TRUE(fine.solved);
  EXPECT_NEAR(fine.condition, 21, 1e-15L);
  for (long double x : fine.x) EXPECT_NEAR(x, 1, 1e-18L);
}

}  // namespace
