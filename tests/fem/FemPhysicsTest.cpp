// Physical checks of the assembled system: written into the sheet by 実行,
// read back and solved here, and solved by the program itself, whose
// temperatures and boundary flows 実行 writes beside the table. A strip
// between two fixed temperatures gives the linear profile of
// one-dimensional conduction; a plate cooled by a fluid gives the
// temperatures of resistances in series.
#include <cmath>

#include "FemWindow.h"
#include "foundation/NumberText.h"
#include "widgets/ChartView.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/fem/FemSheet.h"

namespace {

constexpr long double kLambda = 45;  // W/m℃
constexpr long double kSide = 20;    // mm, square cells split by the hypotenuse
constexpr long double kThick = 5;    // mm
constexpr long double kHot = 100, kCold = 20;

// n squares in a row along x, each split into P (right angle bottom left,
// centroid at a/3) and Q (right angle top right, centroid at 2a/3); P and
// Q share Ｃ, Q and the next P share Ｂ. P1's Ｂ touches "高温", Qn's "低温".
std::vector<QStringList> Strip(int n) {
  std::vector<QStringList> rows;
  const QString a = QString::number(static_cast<double>(kSide));
  const QString l = QString::number(static_cast<double>(kLambda));
  for (int i = 1; i <= n; ++i) {
    const QString p = QStringLiteral("T%1").arg(2 * i - 1), q = QStringLiteral("T%1").arg(2 * i);
    const QString before = i == 1 ? QStringLiteral("高温") : QStringLiteral("T%1").arg(2 * i - 2);
    const QString after = i == n ? QStringLiteral("低温") : QStringLiteral("T%1").arg(2 * i + 1);
    rows.push_back({p, l, a, a, "", before, q});
    rows.push_back({q, l, a, a, "", after, p});
  }
  rows.push_back({"高温", "", "100"});
  rows.push_back({"低温", "", "20"});
  return rows;
}

class FemPhysicsTest : public FemWindow {
 protected:
  // The program's own temperatures: those of the sheet's system within
  // 1e-9 relative, and shown in hundredths in column 10 of the element rows.
  std::vector<long double> Solved(int m) {
    const std::vector<long double> own = Solve(ReadSystem(m));
    const FemSolution& s = Sheet().Solution();
    EXPECT_EQ(s.status, FemSolveStatus::Solved);
    if (s.temperatures.size() != own.size()) {
      ADD_FAILURE() << "the program solved " << s.temperatures.size() << " temperatures";
      return own;
    }
    EXPECT_EQ(Cell(10, 2), "温度℃");
    for (int e = 0; e < m; ++e) {
      EXPECT_NEAR(s.temperatures[e], own[e], 1e-9L * fabsl(own[e])) << "T" << e + 1;
      EXPECT_EQ(Cell(10, e + 3), RoundHundredths(s.temperatures[e])) << "T" << e + 1;
    }
    return s.temperatures;
  }
};

TEST_F(FemPhysicsTest, StripBetweenFixedTemperaturesIsLinear) {
  const int n = 6, m = 2 * n;
  Set(1, 1, QString::number(m));
  TypeTable(Strip(n));
  RunTwice();
  const std::vector<long double> t = Solved(m);
  const long double length = n * kSide;
  for (int i = 1; i <= n; ++i) {
    for (int half = 0; half < 2; ++half) {
      const long double x = (i - 1) * kSide + (half + 1) * kSide / 3;
      const long double expected = kHot + (kCold - kHot) * x / length;
      EXPECT_NEAR(t[2 * i - 2 + half], expected, 0.001L * expected) << "element " << 2 * i - 1 + half;
    }
  }

  // Fourier's law through the whole strip, λ·(b·t)·ΔT/L = 3 W, enters at
  // the hot row and leaves at the cold one; the sum closes.
  const FemBalance& balance = Sheet().Solution().balance;
  ASSERT_EQ(balance.flows.size(), 2u);
  EXPECT_NEAR(balance.flows[0].heat, 3, 1e-9L);
  EXPECT_NEAR(balance.flows[1].heat, -3, 1e-9L);
  EXPECT_LE(fabsl(balance.sum), 1e-9L * balance.largest);
  EXPECT_FALSE(balance.unbalanced);
  EXPECT_EQ(QStringList({Cell(11, 2), Cell(11, m + 3), Cell(11, m + 4), Cell(11, 0), Cell(11, 1)}),
            QStringList({"熱流W", "3", "-3", "熱流の和W", "0"}));

  // The chart of the temperatures by element number: the column's values.
  const ChartPlot& plot = form->Analysis().Chart().Plot();
  EXPECT_EQ(QStringList({plot.xCaption, plot.yCaption}), QStringList({"要素番号", "温度 ℃"}));
  ASSERT_EQ(plot.curves.size(), 1u);
  ASSERT_EQ(plot.curves[0].points.size(), static_cast<size_t>(m));
  for (int e = 1; e <= m; ++e) {
    EXPECT_EQ(plot.curves[0].points[e - 1].x, e);
    EXPECT_EQ(RoundHundredths(plot.curves[0].points[e - 1].y), Cell(10, e + 2)) << "T" << e;
  }
  EXPECT_FALSE(form->Analysis().IsOpen());  // drawn, not brought up over the sheet
}

TEST_F(FemPhysicsTest, ConvectiveBoundaryMatchesResistancesInSeries) {
  // One square: P at a fixed wall on Ｂ, Q cooled by a fluid on Ｂ.
  const long double h = 400, fluid = 20;
  Set(1, 1, "2");
  TypeTable({{"T1", "45", "20", "20", "", "高温", "T2"},
             {"T2", "45", "20", "20", "", "air", "T1"},
             {"air", "400", "20"},
             {"高温", "", "100"}});
  RunTwice();
  const std::vector<long double> t = Solved(2);

  // By hand in SI units: conduction a/3 through λ·b·t, then the film.
  const long double area = 0.020L * 0.005L;
  const long double rThird = (0.020L / 3) / (kLambda * area);
  const long double rFilm = 1 / (h * area);
  const long double q = (kHot - fluid) / (rThird + rThird + rThird + rFilm);
  EXPECT_NEAR(t[0], kHot - q * rThird, 1e-4L * t[0]);
  EXPECT_NEAR(t[1], kHot - 2 * q * rThird, 1e-4L * t[1]);
  // The heat leaves through the fluid's row (5) and enters at the wall's (6).
  EXPECT_NEAR(ToNumber(Cell(11, 5)), -q, 1e-3L);
  EXPECT_NEAR(ToNumber(Cell(11, 6)), q, 1e-3L);
}

TEST_F(FemPhysicsTest, FixedElementTemperatureHoldsThatElement) {
  // The strip of three squares with its middle Q held at 30 ℃: the part
  // before it is linear between 100 ℃ and 30 ℃.
  const int n = 3, m = 2 * n;
  Set(1, 1, QString::number(m));
  std::vector<QStringList> rows = Strip(n);
  rows.push_back({"T4", "", "30"});
  TypeTable(rows);
  RunTwice();
  const std::vector<long double> t = Solved(m);
  EXPECT_NEAR(t[3], 30, 1e-9);
  // P1 at a/3, Q2 at a + 2a/3 from the hot wall.
  const long double x1 = kSide / 3, x4 = kSide + 2 * kSide / 3;
  EXPECT_NEAR(t[0], kHot + (30 - kHot) * x1 / x4, 0.001L * t[0]);
}

}  // namespace
