// Selection of a formula number, the keys and buttons of the panel and the
// vapour table.
#include <QApplication>
#include <QLineEdit>

#include "CoefficientWindow.h"
#include "widgets/StringGrid.h"

namespace {

class CoefficientPanelTest : public CoefficientWindow {
 protected:
  // All texts of columns 0 to 3, row by row.
  QStringList Items() const {
    QStringList texts;
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 4; ++c) texts << Item(c, r);
    return texts;
  }
  bool PanelEmpty() const {
    for (const QString& t : Items())
      if (!t.isEmpty()) return false;
    for (const char* field : {"Edit72", "Edit77", "Edit78", "Edit79", "Edit80", "Edit81", "Edit82"})
      if (!Text(field).isEmpty()) return false;
    return true;
  }
  // Fills every cell and field, so that a selection must empty them.
  void Dirty() {
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 4; ++c) SetItem(c, r, "x");
    for (const char* field : {"Edit72", "Edit77", "Edit78", "Edit79", "Edit80", "Edit81", "Edit82"})
      SetText(field, "x");
  }
};

TEST_F(CoefficientPanelTest, SelectionMatchesTheNumberTextExactly) {
  struct Row {
    const char* number;
    const char* formula;  // nullptr: nothing selected
    const char* message;  // nullptr: none
  };
  const Row rows[] = {
      {"7", "h=0.61*(⊿T/L^2)^1/5", nullptr},
      {"07", nullptr, nullptr},
      {"051", nullptr, nullptr},
      {"7 ", nullptr, "'7 ' は整数ではありません"},
      {"abc", nullptr, "'abc' は整数ではありません"},
      {"8", nullptr, nullptr},
      {"67", nullptr, nullptr},
      {"103", nullptr, nullptr},
      {"200", nullptr, nullptr},
      {"206", nullptr, nullptr},
      {"0", nullptr, nullptr},
      {"-5", nullptr, nullptr},
      {"55", "h=[0.825+0.387*(Grx*Pr)^(1/6)/{1+(0.495/Pr)^9/16}^8/27]^2*λ/L", nullptr},
      {"112", "h=5.0+0.025（Red*Pr）＾0.8*λ/d", nullptr},
      {"203", "λ=t/(λ1/t1+λ2/t2+λ3/t3) ", nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.number);
    Dirty();
    Select(QString::fromUtf8(row.number));
    if (row.message) {
      EXPECT_EQ(TakeMessages(), QStringList{QString::fromUtf8(row.message)});
    }
    if (row.formula) {
      EXPECT_EQ(Text("Edit77"), QString::fromUtf8(row.formula));
    } else {
      EXPECT_TRUE(PanelEmpty());
    }
  }
}

TEST_F(CoefficientPanelTest, AnEmptyNumberChangesNothing) {
  Dirty();
  Select("");
  EXPECT_EQ(Text("Edit77"), "x");
  EXPECT_EQ(Item(3, 5), "x");
}

TEST_F(CoefficientPanelTest, SelectionWritesOwnThenSharedCaptions) {
  Select("74");
  EXPECT_EQ(Item(0, 0), "係数　Ｃ");
  EXPECT_EQ(Item(0, 1), "代表長さDL ｍ");
  EXPECT_EQ(Item(0, 5), "熱伝導率λW/m℃");
  EXPECT_EQ(Item(2, 0), "長さL ｍ");
  EXPECT_EQ(Item(2, 3), "体積膨張率β1/ｋ");
  EXPECT_EQ(Item(2, 4), "係数　ｎ");
  EXPECT_EQ(Item(2, 5), "係数　ｍ");
  EXPECT_EQ(Item(1, 0), "");

  Select("107");
  EXPECT_EQ(Item(0, 0), "流速Ｕｍ/ｓ");
  EXPECT_EQ(Item(2, 0), "長さX ｍ");
  EXPECT_EQ(Item(2, 1), "粘性係数μ ");
  EXPECT_EQ(Item(2, 2), "壁面粘性係数μ∞ ");
  EXPECT_EQ(Item(2, 3), "") << "the natural captions are gone";

  Select("12");
  EXPECT_EQ(Item(0, 2), "風速u ｍ/s");
  Select("13");
  EXPECT_EQ(Item(0, 2), "風速u ｍ/ｓ");
}

TEST_F(CoefficientPanelTest, SelectingAgainEmptiesTypedValuesAnd205RefillsItsOwn) {
  Select("1");
  SetItems({{1, 0, "60"}, {1, 1, "20"}});
  Select("1");
  EXPECT_EQ(Item(1, 0), "");
  EXPECT_EQ(Item(1, 1), "");

  Select("205");
  SetItems({{1, 0, "3"}, {1, 1, "B"}, {1, 2, "10"}});
  Select("205");
  EXPECT_EQ(Item(1, 0), "8");
  EXPECT_EQ(Item(1, 1), "A");
  EXPECT_EQ(Item(1, 2), "2000");
  EXPECT_EQ(Item(0, 2), "時間Ｈ");
}

TEST_F(CoefficientPanelTest, EnterSelectsInTheNumberFieldAndEvaluatesInTheGrid) {
  SetNumber("1");
  Enter(form->Control("Edit71"));
  EXPECT_EQ(Text("Edit77"), "h=1.42*(⊿T/L)^1/4");
  SetItems({{1, 0, "60"}, {1, 1, "20"}, {1, 2, "0.5"}});
  StringGrid* grid = form->Grid("StringGrid4");
  Enter(grid);
  EXPECT_EQ(Text("Edit72"), "4.25");

  // Enter while a cell is being edited takes the text being typed.
  grid->setFocus();
  grid->setCurrentCell(2, 1);
  grid->editItem(grid->item(2, 1));
  QApplication::processEvents();
  auto* editor = grid->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->setText("0.3");
  Enter(editor);
  EXPECT_EQ(Item(1, 2), "0.3");
  EXPECT_EQ(Text("Edit72"), "4.83");  // 1.42 × (40 / 0.3)^0.25
}

TEST_F(CoefficientPanelTest, HidingKeepsTheContents) {
  Select("1");
  SetItems({{1, 0, "60"}, {1, 1, "20"}, {1, 2, "0.5"}});
  Evaluate();
  Click("Button9");
  EXPECT_FALSE(form->IsShown("Panel21"));
  Click("Button9");
  EXPECT_TRUE(form->IsShown("Panel21"));
  EXPECT_EQ(Text("Edit72"), "4.25");
  EXPECT_EQ(Item(1, 2), "0.5");
}

TEST_F(CoefficientPanelTest, TheRaLabelFillsTheReferenceGridWithTheVapourTable) {
  StringGrid* grid = form->Grid("StringGrid2");
  grid->SetCell(5, 3, "old");
  for (int pass = 0; pass < 2; ++pass) {
    Click("Label93");
    EXPECT_EQ(grid->ColCount(), 10);
    EXPECT_EQ(grid->RowCount(), 202);
    EXPECT_EQ(grid->RowTexts(0).mid(0, 4), (QStringList{"温度℃", "水蒸気圧hPa", "水蒸気量g/m3", ""}));
    // Worked out by tests/coefficient/expected_values.py.
    EXPECT_EQ(grid->RowTexts(1).mid(0, 3), (QStringList{"0", "6.11", "4.85"}));
    EXPECT_EQ(grid->RowTexts(2).mid(0, 3), (QStringList{"0.5", "6.34", "5.02"}));
    EXPECT_EQ(grid->RowTexts(41).mid(0, 3), (QStringList{"20", "23.39", "17.31"}));
    EXPECT_EQ(grid->RowTexts(61).mid(0, 3), (QStringList{"30", "42.44", "30.38"}));
    EXPECT_EQ(grid->RowTexts(201).mid(0, 3), (QStringList{"100", "1022.31", "594.51"}));
    EXPECT_EQ(grid->Cell(5, 3), "");
    EXPECT_EQ(grid->Cell(3, 100), "");
  }
}

}  // namespace
