// Face conductances of one element against hand values, and the float
// faults of a zero size or conductivity.
#include <gtest/gtest.h>

#include <cfenv>

#include "calc/fem/FemConductance.h"

namespace {

using namespace FemConductance;

// Legs 30 mm (よこ) and 40 mm (たて): hypotenuse 50 mm, centroid 8 mm from it.
const FemElementSize kSteel{50, 30, 40};
constexpr long double kT = 5;

TEST(FemConductance, EdgeFacesAgainstHandValues) {
  // Fixed temperature: λ·length·t / distance, distances b/3, a/3 and d.
  EXPECT_NEAR(ToFixed(FemFace::A, kSteel, kT), 50 * 30e-3 * 5e-3 / (40e-3 / 3), 1e-15);
  EXPECT_NEAR(ToFixed(FemFace::B, kSteel, kT), 50 * 40e-3 * 5e-3 / (30e-3 / 3), 1e-15);
  EXPECT_NEAR(ToFixed(FemFace::C, kSteel, kT), 50 * 50e-3 * 5e-3 / 8e-3, 1e-15);
  // A like neighbour: both halves in series, half the conductance.
  EXPECT_NEAR(ToElement(FemFace::A, kSteel, kSteel, kT), ToFixed(FemFace::A, kSteel, kT) / 2, 1e-15);
  EXPECT_NEAR(ToElement(FemFace::B, kSteel, kSteel, kT), ToFixed(FemFace::B, kSteel, kT) / 2, 1e-15);
  EXPECT_NEAR(ToElement(FemFace::C, kSteel, kSteel, kT), ToFixed(FemFace::C, kSteel, kT) / 2, 1e-15);
  // A neighbour of another size and material across Ａ: its own b and λ.
  const FemElementSize copper{380, 10, 20};
  EXPECT_NEAR(ToElement(FemFace::A, kSteel, copper, kT), 30e-3 * 5e-3 / (40e-3 / 150 + 20e-3 / 1140), 1e-15);
  // Across Ｃ the element's own centroid distance stands for both sides.
  EXPECT_NEAR(ToElement(FemFace::C, kSteel, copper, kT), 50e-3 * 5e-3 / (8e-3 / 50 + 8e-3 / 380), 1e-15);
}

TEST(FemConductance, ConvectionInSeriesOnEveryFace) {
  const long double h = 10;
  // R = distance/(λ·area) + 1/(h·area)
  EXPECT_NEAR(ToConvective(FemFace::A, kSteel, h, kT), 1 / ((40e-3 / 3) / (50 * 150e-6) + 1 / (h * 150e-6)),
              1e-15);
  EXPECT_NEAR(ToConvective(FemFace::B, kSteel, h, kT), 1 / ((30e-3 / 3) / (50 * 200e-6) + 1 / (h * 200e-6)),
              1e-15);
  EXPECT_NEAR(ToConvective(FemFace::C, kSteel, h, kT), 1 / (8e-3 / (50 * 250e-6) + 1 / (h * 250e-6)), 1e-15);
  // The plate faces: area a·b/2, half the thickness inside.
  EXPECT_NEAR(ToConvective(FemFace::D, kSteel, h, kT), 1 / (2.5e-3 / (50 * 600e-6) + 1 / (h * 600e-6)),
              1e-15);
  EXPECT_NEAR(ToFixed(FemFace::E, kSteel, kT), 50 * 600e-6 / 2.5e-3, 1e-13);
  // No element lies across a plate face.
  EXPECT_EQ(ToElement(FemFace::D, kSteel, kSteel, kT), 0);
  EXPECT_EQ(ToElement(FemFace::E, kSteel, kSteel, kT), 0);
}

TEST(FemConductance, ZeroConductivityOrSizeRaisesTheFaultFlag) {
  volatile long double zero = 0;
  feclearexcept(FE_ALL_EXCEPT);
  ToFixed(FemFace::A, {zero, 30, 40}, kT);
  EXPECT_TRUE(fetestexcept(FE_DIVBYZERO));
  feclearexcept(FE_ALL_EXCEPT);
  ToConvective(FemFace::B, kSteel, zero, kT);
  EXPECT_TRUE(fetestexcept(FE_DIVBYZERO));
  feclearexcept(FE_ALL_EXCEPT);
  ToElement(FemFace::C, {50, zero, zero}, kSteel, kT);  // c = 0: d = 0/0
  EXPECT_TRUE(fetestexcept(FE_INVALID));
  feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
