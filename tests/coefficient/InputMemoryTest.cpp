// The memory of typed values: remembered in the condition store after every
// completed evaluation, brought back by 戻る.
#include "CoefficientWindow.h"

namespace {

class InputMemoryTest : public CoefficientWindow {
 protected:
  void Natural52() {
    Select("52");
    SetItems({{1, 1, "0.5"},
              {1, 2, "0.000016"},
              {1, 3, "0.279"},
              {1, 4, "1.13"},
              {1, 5, "0.0272"},
              {3, 1, "60"},
              {3, 2, "20"},
              {3, 3, "0.0032"}});
    Evaluate();
  }
};

TEST_F(InputMemoryTest, TheSharedNaturalValuesComeBackForAnotherEntry) {
  Natural52();
  ASSERT_EQ(Text("Edit72"), "4.6");
  Select("53");
  Recall();
  EXPECT_EQ(Item(1, 1), "0.5");
  EXPECT_EQ(Item(1, 2), "0.000016");
  EXPECT_EQ(Item(1, 3), "0.279");
  EXPECT_EQ(Item(1, 4), "1.13");
  EXPECT_EQ(Item(1, 5), "0.0272");
  EXPECT_EQ(Item(3, 1), "60");
  EXPECT_EQ(Item(3, 2), "20");
  EXPECT_EQ(Item(3, 3), "0.0032");
  EXPECT_EQ(Text("Edit72"), "") << "recall does not evaluate";
  // The store block (6,11)..(6,22).
  EXPECT_EQ(StoreCell(6, 12), "0.5");
  EXPECT_EQ(StoreCell(6, 20), "0.0032");
}

TEST_F(InputMemoryTest, ViscosityRowsAreRecalledAsDensityTimesKinematicViscosity) {
  Select("107");
  SetItems({{1, 0, "5"},
            {1, 1, "0.05"},
            {1, 2, "0.000016"},
            {1, 3, "0.279"},
            {1, 4, "1.13"},
            {1, 5, "0.0272"},
            {3, 0, "1"},
            {3, 1, "123"},
            {3, 2, "0.000015"}});
  Evaluate();
  EXPECT_EQ(Text("Edit72"), "8.36") << "the typed μ is not used";
  Select("107");
  Recall();
  // 1.13 × 0.000016, worked out with python3.
  EXPECT_EQ(Item(3, 1), "1.808E-5");
  EXPECT_EQ(Item(3, 2), "0.000015");
  EXPECT_EQ(Item(3, 0), "1");

  // Without a density the product cannot be formed.
  Select("111");
  SetItem(1, 4, "");
  SetStoreCell(2, 45, "");
  Recall();
  EXPECT_EQ(TakeMessages(), QStringList{"'' は浮動小数点数ではありません"});
}

TEST_F(InputMemoryTest, ANumberWithoutEntryEmptiesTheAlwaysCellsOfItsBlock) {
  for (int row = 36; row <= 48; ++row) SetStoreCell(6, row, "kept");
  Select("14");
  Evaluate();
  EXPECT_EQ(TakeMessages(), QStringList());
  // Written in any case: (1,1) and column 3.
  for (int row : {45, 38, 39, 40, 41, 42, 43}) EXPECT_EQ(StoreCell(6, row), "") << row;
  // Written only when filled: (1,0), (1,2) to (1,5).
  for (int row : {44, 46, 47, 36, 37}) EXPECT_EQ(StoreCell(6, row), "kept") << row;
}

TEST_F(InputMemoryTest, Entry205IsNeverRemembered) {
  const QStringList before = form->Store().Lines();
  Select("205");
  Evaluate();
  EXPECT_EQ(Item(3, 2), "5.09");
  EXPECT_EQ(form->Store().Lines(), before);

  // 戻る keeps the pre-filled values and empties values without a caption.
  SetItems({{1, 0, "9"}, {3, 4, "x"}, {1, 4, "y"}});
  Recall();
  EXPECT_EQ(Item(1, 0), "9");
  EXPECT_EQ(Item(1, 1), "A");
  EXPECT_EQ(Item(3, 2), "5.09") << "the result keeps its caption";
  EXPECT_EQ(Item(3, 4), "");
  EXPECT_EQ(Item(1, 4), "");
}

TEST_F(InputMemoryTest, SimpleValuesNoLongerShareTheCylinderCells) {
  const QStringList cylinder = {StoreCell(6, 32), StoreCell(6, 33), StoreCell(6, 34), StoreCell(6, 35)};
  Select("11");
  SetItems({{1, 0, "20"}, {1, 1, "1.5"}, {1, 2, "0.05"}});
  Evaluate();
  EXPECT_EQ(Text("Edit72"), "6279.52");
  EXPECT_EQ((QStringList{StoreCell(6, 32), StoreCell(6, 33), StoreCell(6, 34), StoreCell(6, 35)}), cylinder)
      << "the pipe-flow inputs of the cylinder panel stay";
  EXPECT_EQ(StoreCell(6, 44), "20");
  EXPECT_EQ(StoreCell(6, 45), "1.5");
  EXPECT_EQ(StoreCell(6, 46), "0.05");

  // What the cylinder panel saves there does not reach the coefficient panel.
  SetStoreCell(6, 32, "999");
  Select("11");
  Recall();
  EXPECT_EQ(Item(1, 0), "20");
  EXPECT_EQ(Item(1, 1), "1.5");
  EXPECT_EQ(Item(1, 2), "0.05");
  EXPECT_EQ(Item(1, 3), "") << "no caption in row 3";
}

TEST_F(InputMemoryTest, SimpleValuesOfAnOlderStoreAreReadFromTheirFormerCells) {
  // A store written before the simple formulas had cells of their own.
  for (int row = 44; row <= 48; ++row) SetStoreCell(6, row, "");
  SetStoreCell(6, 32, "61");
  SetStoreCell(6, 33, "21");
  SetStoreCell(6, 34, "0.4");
  Select("1");
  Recall();
  EXPECT_EQ(Item(1, 0), "61");
  EXPECT_EQ(Item(1, 1), "21");
  EXPECT_EQ(Item(1, 2), "0.4");
}

TEST_F(InputMemoryTest, RecallNeedsAnIntegerAndClearsUncaptionedValuesForAnyNumber) {
  Select("1");
  SetItems({{1, 0, "60"}, {1, 5, "x"}, {3, 0, "y"}});
  SetNumber("1a");
  Recall();
  EXPECT_EQ(TakeMessages(), QStringList{"'1a' は整数ではありません"});
  EXPECT_EQ(Item(1, 5), "x") << "nothing recalled or cleared";

  SetNumber("180");
  Recall();
  EXPECT_EQ(Item(1, 0), "60") << "captioned values stay";
  EXPECT_EQ(Item(1, 5), "");
  EXPECT_EQ(Item(3, 0), "");
}

}  // namespace
