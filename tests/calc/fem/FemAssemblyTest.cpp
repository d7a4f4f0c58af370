// Assembly of G and b from a table: the accumulation rules, name lookups,
// rounding to six decimals and fixed element temperatures; the partner
// check; the solve formula text.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/fem/FemAssembly.h"
#include "calc/fem/FemFormula.h"
#include "calc/fem/FemPartners.h"

namespace {

using FemAssembly::Nr;

FemTableRow Element(const std::string& name, long double lambda, long double a, long double b,
                    std::array<std::string, 5> faces = {}) {
  FemTableRow r;
  r.name = name;
  r.column2 = lambda;
  r.column3 = a;
  r.column4 = b;
  r.faces = faces;
  return r;
}

FemTableRow Boundary(const std::string& name, long double h, long double temperature) {
  FemTableRow r;
  r.name = name;
  r.column2 = h;
  r.column3 = temperature;
  return r;
}

FemTable Table(int m, int l, int o, std::vector<FemTableRow> rows) {
  FemTable t;
  t.m = m;
  t.l = l;
  t.o = o;
  t.rows = std::move(rows);
  return t;
}

const FemElementSize kSize{50, 30, 40};

TEST(FemAssembly, TwoFacesNamingOneNeighbour) {
  // T1 names T2 on Ａ and on Ｂ: the diagonal takes both, the coefficient the first.
  const FemTable t = Table(2, 2, 0,
                           {Element("T1", 50, 30, 40, {"T2", "T2", "", "", ""}),
                            Element("T2", 50, 30, 40, {"T1", "T1", "", "", ""})});
  const FemSystem s = FemAssembly::Assemble(t);
  const long double gA = FemConductance::ToElement(FemFace::A, kSize, kSize, 5);
  const long double gB = FemConductance::ToElement(FemFace::B, kSize, kSize, 5);
  EXPECT_EQ(s.g[0][0], Nr(-gA) + Nr(-gB));
  EXPECT_EQ(s.g[0][1], Nr(gA));
  EXPECT_EQ(s.b[0], 0);
}

TEST(FemAssembly, BoundariesAndPlateFaces) {
  // Row kinds by position: 2 elements, a convective "空気" (h 10, 20 ℃), a
  // fixed "外壁" (100 ℃). T1: 外壁 on Ｃ, 空気 on Ｄ, T2 named on Ｅ.
  const FemTable t = Table(2, 3, 1,
                           {Element("T1", 50, 30, 40, {"", "", "外壁", "空気", "T2"}),
                            Element("T2", 50, 30, 40), Boundary("空気", 10, 20), Boundary("外壁", 0, 100)});
  const FemSystem s = FemAssembly::Assemble(t);
  const long double gC = FemConductance::ToFixed(FemFace::C, kSize, 5);
  const long double gD = FemConductance::ToConvective(FemFace::D, kSize, 10, 5);
  EXPECT_EQ(s.g[0][0], Nr(-gC) + Nr(-gD));
  EXPECT_EQ(s.b[0], Nr(-100 * gC) + Nr(-20 * gD));
  // An element across a plate face exchanges nothing.
  EXPECT_EQ(s.g[0][1], 0);
  // A row whose faces name nothing stays zero.
  EXPECT_EQ(s.g[1][0], 0);
  EXPECT_EQ(s.g[1][1], 0);
}

TEST(FemAssembly, LaterRowOfADuplicateNameIsTheNeighbourAndOwnNameIsIgnored) {
  const FemTable t = Table(1, 3, 0,
                           {Element("T1", 50, 30, 40, {"空気", "T1", "", "", ""}), Boundary("空気", 10, 20),
                            Boundary("空気", 10, 60)});
  const FemSystem s = FemAssembly::Assemble(t);
  const long double gA = FemConductance::ToConvective(FemFace::A, kSize, 10, 5);
  EXPECT_EQ(s.b[0], Nr(-60 * gA));
  // Face Ｂ names the element itself: no exchange.
  EXPECT_EQ(s.g[0][0], Nr(-gA));
}

TEST(FemAssembly, CoefficientsHaveSixDecimalsAndTheDiagonalSumsRoundedValues) {
  // Odd sizes give conductances with many decimals.
  const FemTable t = Table(2, 2, 0,
                           {Element("T1", 43, 17, 23, {"T2", "", "T2", "", ""}),
                            Element("T2", 43, 17, 23, {"T1", "", "T1", "", ""})});
  const FemSystem s = FemAssembly::Assemble(t);
  const FemElementSize e{43, 17, 23};
  const long double gA = FemConductance::ToElement(FemFace::A, e, e, 5);
  const long double gC = FemConductance::ToElement(FemFace::C, e, e, 5);
  EXPECT_NE(gA, Nr(gA));
  EXPECT_EQ(s.g[0][0], Nr(-gA) + Nr(-gC));
  EXPECT_EQ(s.g[0][1], Nr(gA));
  for (const auto& row : s.g)
    for (long double x : row) EXPECT_NEAR(x * 1e6L, nearbyintl(x * 1e6L), 1e-6L);
  // Halves go to the even neighbour.
  EXPECT_EQ(Nr(0.0000025L), 0.000002L);
}

TEST(FemAssembly, FixedElementTemperatureReplacesTheBalance) {
  // T1 — T2 — T3 in a row across Ｂ; T3 held at 50 ℃ by a row after the boundaries.
  const FemTableRow fixed = Boundary("T3", 0, 50);
  const FemTable t = Table(
      3, 3, 0,
      {Element("T1", 50, 30, 40, {"", "T2", "", "", ""}), Element("T2", 50, 30, 40, {"", "T1", "", "", ""}),
       Element("T3", 50, 30, 40, {"", "", "", "", ""}), fixed});
  const FemSystem s = FemAssembly::Assemble(t);
  EXPECT_EQ(s.g[2], (std::vector<long double>{0, 0, 1}));
  EXPECT_EQ(s.b[2], 50);
  EXPECT_NE(s.g[0][0], 0);  // other rows keep their balance
}

TEST(FemPartners, AcceptedFacesAndTheFirstElementThatFails) {
  FemTable t = Table(
      5, 5, 1,
      {Element("T1", 1, 1, 1, {"外気", " ", "T2", "", ""}), Element("T2", 1, 1, 1, {"", "", "T1", "", ""}),
       Element("T3", 1, 1, 1, {"", "T4", "", "", ""}), Element("T4", 1, 1, 1, {"", "T5", "", "", ""}),
       Element("T5", 1, 1, 1, {"", "T4", "", "", ""}), Boundary("外気", 0, 20)});
  EXPECT_EQ(FemPartners::FirstUnmatched(t), 3);
  t.rows[2].faces[1] = "";
  EXPECT_EQ(FemPartners::FirstUnmatched(t), 0);
  // A face naming back across another face column is no partner.
  t.rows[1].faces = {"T1", "", "", "", ""};
  EXPECT_EQ(FemPartners::FirstUnmatched(t), 1);
  // Nor is the element itself.
  t.rows[1].faces = {"", "", "T1", "", ""};
  t.rows[4].faces = {"T5", "", "", "", ""};
  t.rows[3].faces = {};
  EXPECT_EQ(FemPartners::FirstUnmatched(t), 5);
}

TEST(FemFormula, LettersAndRangesFollowTheElementCount) {
  EXPECT_EQ(FemFormula::ColumnLetters(0), "A");
  EXPECT_EQ(FemFormula::ColumnLetters(25), "Z");
  EXPECT_EQ(FemFormula::ColumnLetters(26), "AA");
  EXPECT_EQ(FemFormula::ColumnLetters(51), "AZ");
  EXPECT_EQ(FemFormula::ColumnLetters(53), "BB");
  EXPECT_EQ(FemFormula::ColumnLetters(59), "BH");
  EXPECT_EQ(FemFormula::SolveText(18, 20), "MMULT(MINVERSE(C26:T43),V26:V43)");
  EXPECT_EQ(FemFormula::SolveText(50, 55), "MMULT(MINVERSE(C61:AZ110),BB61:BB110)");
  // Ten elements end in column L, their right-hand side is in N.
  EXPECT_EQ(FemFormula::SolveText(10, 12), "MMULT(MINVERSE(C18:L27),N18:N27)");
}

}  // namespace
