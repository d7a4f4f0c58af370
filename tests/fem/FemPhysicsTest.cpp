// Physical checks of the assembled system: written into the sheet by 実行,
// read back and solved here. A strip between two fixed temperatures gives
// the linear profile of one-dimensional conduction; a plate cooled by a
// fluid gives the temperatures of resistances in series.
#include <cmath>

#include "FemWindow.h"
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

class FemPhysicsTest : public FemWindow {};

TEST_F(FemPhysicsTest, StripBetweenFixedTemperaturesIsLinear) {
  const int n = 6, m = 2 * n;
  Set(1, 1, QString::number(m));
  TypeTable(Strip(n));
  RunTwice();
  const std::vector<long double> t = Solve(ReadSystem(m));
  const long double length = n * kSide;
  for (int i = 1; i <= n; ++i) {
    for (int half = 0; half < 2; ++half) {
      const long double x = (i - 1) * kSide + (half + 1) * kSide / 3;
      const long double expected = kHot + (kCold - kHot) * x / length;
      EXPECT_NEAR(t[2 * i - 2 + half], expected, 0.001L * expected) << "element " << 2 * i - 1 + half;
    }
  }
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
  const std::vector<long double> t = Solve(ReadSystem(2));

  // By hand in SI units: conduction a/3 through λ·b·t, then the film.
  const long double area = 0.020L * 0.005L;
  const long double rThird = (0.020L / 3) / (kLambda * area);
  const long double rFilm = 1 / (h * area);
  const long double q = (kHot - fluid) / (rThird + rThird + rThird + rFilm);
  EXPECT_NEAR(t[0], kHot - q * rThird, 1e-4L * t[0]);
  EXPECT_NEAR(t[1], kHot - 2 * q * rThird, 1e-4L * t[1]);
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
  const std::vector<long double> t = Solve(ReadSystem(m));
  EXPECT_NEAR(t[3], 30, 1e-9);
  // P1 at a/3, Q2 at a + 2a/3 from the hot wall.
  const long double x1 = kSide / 3, x4 = kSide + 2 * kSide / 3;
  EXPECT_NEAR(t[0], kHot + (30 - kHot) * x1 / x4, 0.001L * t[0]);
}

}  // namespace
