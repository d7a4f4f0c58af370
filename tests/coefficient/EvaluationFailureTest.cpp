// What an evaluation does when it cannot finish: the message at the point of
// failure, the results of the last good evaluation left standing, and
// nothing remembered in the condition store.
#include <vector>

#include "CoefficientWindow.h"

namespace {

constexpr GridText kNatural[] = {{1, 1, "0.5"},    {1, 2, "0.000016"}, {1, 3, "0.279"}, {1, 4, "1.13"},
                                 {1, 5, "0.0272"}, {3, 1, "60"},       {3, 2, "20"},    {3, 3, "0.0032"}};
constexpr GridText kForced[] = {{1, 0, "2"},     {1, 1, "0.3"},  {1, 2, "0.000016"},
                                {1, 3, "0.279"}, {1, 4, "1.13"}, {1, 5, "0.0272"}};
constexpr GridText kSimple[] = {{1, 0, "60"}, {1, 1, "20"}};

struct Failure {
  const char* what;
  const char* number;
  std::vector<GridText> good;  // values of a good evaluation first
  GridText change;             // then this value changes
  const char* message;
  const char* evaluatedNumber = nullptr;  // Edit71 changed instead of a cell
};

const QString kCheck = QStringLiteral("入力を確認してください。");

// clang-format off
const Failure kFailures[] = {
  {"a captioned value missing", "52", {std::begin(kNatural), std::end(kNatural)}, {3, 1, ""},
   "入力を確認してください。"},
  {"a captioned value of exactly 0 in rows 0 to 4", "52", {std::begin(kNatural), std::end(kNatural)},
   {1, 2, "0"}, "入力を確認してください。"},
  {"a value that is not a number", "52", {std::begin(kNatural), std::end(kNatural)}, {1, 3, "abc"},
   "'abc' は浮動小数点数ではありません"},
  {"no temperature difference: the power of 0", "2", {std::begin(kSimple), std::end(kSimple)}, {1, 1, "60"},
   "0 による浮動小数点数除算"},
  {"a negative temperature difference", "2", {std::begin(kSimple), std::end(kSimple)}, {1, 1, "80"},
   "不正な浮動小数点数演算命令"},
  {"natural convection without a temperature difference", "52", {std::begin(kNatural), std::end(kNatural)},
   {3, 2, "60"}, "0 による浮動小数点数除算"},
  {"forced convection with conductivity 0 (row 5 is not checked)", "101",
   {std::begin(kForced), std::end(kForced)}, {1, 5, "0"}, "0 による浮動小数点数除算"},
  {"a number with a trailing blank", "52", {std::begin(kNatural), std::end(kNatural)}, {1, 1, "0.5"},
   "'52 ' は整数ではありません", "52 "},
  {"an empty number", "52", {std::begin(kNatural), std::end(kNatural)}, {1, 1, "0.5"},
   "'' は整数ではありません", ""},
};
// clang-format on

const char* const kResults[] = {"Edit72", "Edit78", "Edit79", "Edit80", "Edit81", "Edit82"};

class EvaluationFailure : public CoefficientWindow {};

TEST_F(EvaluationFailure, StopsWithItsMessageAndLeavesResultsAndMemoryAlone) {
  for (const Failure& c : kFailures) {
    SCOPED_TRACE(c.what);
    Select(QString::fromUtf8(c.number));
    for (const GridText& t : c.good) SetItem(t.column, t.row, QString::fromUtf8(t.text));
    Evaluate();
    ASSERT_EQ(TakeMessages(), QStringList());
    ASSERT_FALSE(Text("Edit72").isEmpty());
    QStringList results;
    for (const char* field : kResults) results << Text(field);
    const QStringList store = form->Store().Lines();

    SetItem(c.change.column, c.change.row, QString::fromUtf8(c.change.text));
    if (c.evaluatedNumber) SetNumber(QString::fromUtf8(c.evaluatedNumber));
    Evaluate();
    EXPECT_EQ(TakeMessages(), QStringList{QString::fromUtf8(c.message)});
    QStringList after;
    for (const char* field : kResults) after << Text(field);
    EXPECT_EQ(after, results) << "results of the last good evaluation stay";
    EXPECT_EQ(form->Store().Lines(), store) << "nothing is remembered";
  }
}

TEST_F(EvaluationFailure, ZeroCheckTakesOnlyTheExactTextZero) {
  Select("1");
  SetItems({{1, 0, "60"}, {1, 1, "0"}, {1, 2, "0.5"}});
  Evaluate();
  EXPECT_EQ(TakeMessages(), QStringList{kCheck});
  EXPECT_EQ(Text("Edit72"), "");
  SetItem(1, 1, "0.0");
  Evaluate();
  EXPECT_EQ(Text("Edit72"), "4.7");  // 1.42 × (60 / 0.5)^0.25
  // Natural convection: the exponent m of entry 74 in row 5 may be "0".
  Select("74");
  for (const GridText& t : kNatural) SetItem(t.column, t.row, QString::fromUtf8(t.text));
  SetItems({{1, 0, "0.59"}, {3, 0, "1"}, {3, 4, "0.25"}, {3, 5, "0"}});
  Evaluate();
  EXPECT_EQ(Text("Edit82"), "83.9");
}

TEST_F(EvaluationFailure, SilentCasesWriteNothingButStillRemember) {
  // Natural convection with conductivity "0".
  Select("52");
  for (const GridText& t : kNatural) SetItem(t.column, t.row, QString::fromUtf8(t.text));
  SetItem(1, 5, "0");
  Evaluate();
  EXPECT_EQ(Text("Edit72"), "");
  EXPECT_EQ(StoreCell(6, 16), "0") << "remembered all the same";

  // The formula field emptied by hand.
  SetItem(1, 5, "0.0272");
  SetText("Edit77", "");
  Evaluate();
  EXPECT_EQ(Text("Edit72"), "");
  EXPECT_EQ(StoreCell(6, 16), "0.0272");

  // Forced convection over the captions of a natural entry: no velocity.
  SetNumber("101");
  SetText("Edit77", "x");
  Evaluate();
  EXPECT_EQ(Text("Edit72"), "");
  EXPECT_EQ(StoreCell(2, 42), "0.5");
  EXPECT_EQ(TakeMessages(), QStringList());
}

TEST_F(EvaluationFailure, ANumberChangedWithoutSelectingGivesNusseltZero) {
  Select("52");
  for (const GridText& t : kNatural) SetItem(t.column, t.row, QString::fromUtf8(t.text));
  SetNumber("67");
  Evaluate();
  EXPECT_EQ(Text("Edit72"), "0");
  EXPECT_EQ(Text("Edit82"), "0");
  EXPECT_EQ(Text("Edit78"), "35000");
  EXPECT_EQ(Text("Edit81"), "4.07E8");
}

TEST_F(EvaluationFailure, HalvesRoundToTheEvenNeighbour) {
  // Entry 71: Nu = 1, h = λ / L = 4.25 exactly, shown to one decimal.
  Select("71");
  for (const GridText& t : kNatural) SetItem(t.column, t.row, QString::fromUtf8(t.text));
  SetItems({{1, 1, "1"}, {1, 5, "4.25"}});
  Evaluate();
  EXPECT_EQ(Text("Edit72"), "4.2");
  EXPECT_EQ(Text("Edit82"), "1");
}

TEST_F(EvaluationFailure, FinAndScaleInputsThatCannotBeUsed) {
  // 201 checks only row 0; an empty length is met by the number conversion.
  const QString stored = StoreCell(1, 41);
  Select("201");
  SetItems({{1, 0, "10"}, {1, 1, "0.2"}, {1, 2, "200"}, {1, 3, "0.0001"}});
  Evaluate();
  EXPECT_EQ(TakeMessages(), QStringList{"'' は浮動小数点数ではありません"});
  EXPECT_EQ(Item(3, 2), "");
  EXPECT_EQ(StoreCell(1, 41), stored) << "nothing remembered";

  // A tube diameter of a single blank counts as none.
  SetItems({{1, 4, "0.05"}, {1, 5, " "}, {3, 0, "7"}});
  Evaluate();
  EXPECT_EQ(Item(3, 3), "932.08");
  EXPECT_EQ(Item(2, 0), "");
  EXPECT_EQ(Item(3, 0), "");
  EXPECT_EQ(StoreCell(1, 45), "0.05");

  // A tube diameter without a pitch.
  SetItems({{1, 5, "0.02"}, {3, 0, "0.001"}});
  Evaluate();
  EXPECT_EQ(TakeMessages(), QStringList{"'' は浮動小数点数ではありません"});

  // Scale: only condition A has data.
  Select("205");
  SetItem(1, 1, "a");
  Evaluate();
  EXPECT_EQ(TakeMessages(), QStringList{"硬度1000ｍｇ/ｌ程度、沸騰100℃の条件Ａ以外不明です"});
  EXPECT_EQ(Item(3, 2), "");
  EXPECT_EQ(Item(2, 2), "");
  // A time that is not a number is reported before the condition.
  SetItem(1, 2, "x");
  Evaluate();
  EXPECT_EQ(TakeMessages(), QStringList{"'x' は浮動小数点数ではありません"});
}

}  // namespace
