// The heating panel through the real window: selections, captions, codes,
// Save and Back, and the small display gestures.
#include "HeatingWindow.h"

namespace {
QString U(const char* s) { return QString::fromUtf8(s); }
}  // namespace

using HeatingPanelTest = HeatingWindow;

TEST_F(HeatingPanelTest, StartUpSelectsLiquidAndEndsOnTheHeaterCalculator) {
  EXPECT_EQ(Cell(6, 3), U("1"));
  EXPECT_EQ(Cell(6, 2), U("5"));
  EXPECT_EQ(Cell(5, 5), U("0"));
  EXPECT_EQ(Text("Label52"), U("液体の加熱"));
  EXPECT_FALSE(Shown("Panel14"));
  EXPECT_FALSE(Shown("Panel13"));
}

TEST_F(HeatingPanelTest, EnteringHeatingAlwaysShowsLiquidWithHeaterHeating) {
  Heating();
  Click("Button32");
  Click("RadioButton4");
  ASSERT_TRUE(Checked("RadioButton4"));
  Click("Button29");
  Heating();
  EXPECT_EQ(Text("Label52"), U("液体の加熱"));
  EXPECT_TRUE(Checked("RadioButton3"));
  EXPECT_FALSE(Shown("GroupBox1"));
  EXPECT_TRUE(Shown("Label53"));
  EXPECT_FALSE(Shown("Label77"));
  EXPECT_EQ(Text("Label43"), U("外気温度 ℃"));
  EXPECT_EQ(Cell(6, 2), U("8"));
  EXPECT_TRUE(Shown("Panel14"));
  EXPECT_FALSE(Shown("Panel5"));
  EXPECT_FALSE(Shown("Edit18"));
  EXPECT_FALSE(Text("Edit46").isEmpty());
}

TEST_F(HeatingPanelTest, MaterialsSetCaptionsSelectorsAndForcedChoices) {
  Heating();
  Click("RadioButton2");
  ASSERT_TRUE(Checked("RadioButton2"));
  Click("Button32");
  EXPECT_EQ(Text("Label52"), U("気体の加熱"));
  EXPECT_EQ(Text("Label50"), U("気体の密度 g/cm3"));
  EXPECT_EQ(Text("Label51"), U("気体の比熱kcal/kg℃"));
  EXPECT_EQ(Text("Label40"), U("気体の量　ｍ3"));
  EXPECT_FALSE(Shown("Label46"));
  EXPECT_FALSE(Shown("RadioButton1"));
  EXPECT_TRUE(Shown("GroupBox1"));
  EXPECT_TRUE(Checked("RadioButton1"));  // a gas box is closed
  EXPECT_EQ(Cell(6, 3), U("2"));
  EXPECT_EQ(Cell(6, 2), U("9"));
  EXPECT_EQ(Text("Label33"), U("気体のみの必要熱量W"));

  Click("Button33");
  EXPECT_EQ(Text("Label52"), U("固体の加熱"));
  EXPECT_EQ(Text("Label40"), U("固体の量　ｍ3"));
  EXPECT_FALSE(Shown("GroupBox1"));
  EXPECT_FALSE(Shown("Label46"));
  EXPECT_EQ(Cell(6, 3), U("3"));
  EXPECT_EQ(Cell(6, 2), U("10"));
  EXPECT_EQ(Text("Label33"), U("固体のみの必要熱量W"));

  Click("Button31");
  EXPECT_TRUE(Shown("Label46"));
  EXPECT_TRUE(Shown("RadioButton2"));
  EXPECT_EQ(Text("Label40"), U("液量　　ｍ3"));
  EXPECT_EQ(Cell(6, 2), U("8"));
}

TEST_F(HeatingPanelTest, ExportCounterResetsOnlyOnAChangeOfCode) {
  Heating();
  Click("Button32");
  form->Store().SetCell(5, 5, U("3"));
  Click("Button32");
  EXPECT_EQ(Cell(5, 5), U("3"));
  Click("Button33");
  EXPECT_EQ(Cell(5, 5), U("0"));
}

TEST_F(HeatingPanelTest, WallHeatingSwapsCaptionsAndLeavesTheMaterialCodeAfterwards) {
  Heating();
  Click("Button32");
  Click("RadioButton4");
  EXPECT_EQ(Cell(6, 2), U("11"));
  EXPECT_EQ(Text("Label43"), U("壁面温度 ℃"));
  for (const char* name : {"Label77", "Label78", "Label79"}) EXPECT_TRUE(Shown(name)) << name;
  for (const char* name : {"Label53", "Label54", "Label55"}) EXPECT_FALSE(Shown(name)) << name;
  EXPECT_EQ(Text("Label77"), U("対流のみによる温度 ℃"));
  // The shipped gas conditions: walls at 20 ℃, gas from 10 ℃, for an hour.
  EXPECT_EQ(Text("Edit46"), U("20"));
  EXPECT_EQ(Text("Edit47"), U("20"));
  EXPECT_EQ(Text("Edit48"), U("20"));
  Click("Button31");
  EXPECT_EQ(Cell(6, 2), U("8"));
  EXPECT_TRUE(Checked("RadioButton3"));
  EXPECT_TRUE(Shown("Label53"));
  Click("Button32");
  Click("RadioButton4");
  Click("Button33");
  EXPECT_EQ(Cell(6, 2), U("10"));
}

TEST_F(HeatingPanelTest, SaveKeepsTheMaterialAndBackRestoresItsBlock) {
  Heating();
  Click("Button32");
  Set("Edit43", "2");
  Set("Edit39", "25");
  Click("Button35");
  EXPECT_EQ(TakeMessages(), QStringList{U("デ－タを保存しました")});
  EXPECT_EQ(Cell(6, 3), U("2"));
  EXPECT_EQ(Cell(4, 54), U("2"));
  EXPECT_EQ(Cell(4, 44), U("3"));  // the liquid block is untouched
  Set("Edit43", "5");
  Click("Button36");
  EXPECT_EQ(Text("Label52"), U("気体の加熱"));
  EXPECT_EQ(Text("Edit43"), U("2"));
  EXPECT_EQ(Text("Edit39"), U("0"));
  EXPECT_EQ(Text("Label33"), U("気体のみの必要熱量W"));
}

TEST_F(HeatingPanelTest, SaveWithAnEmptyRequiredFieldDoesNothing) {
  Heating();
  Set("Edit43", "");
  Click("Button35");
  EXPECT_EQ(Cell(4, 44), U("3"));
}

TEST_F(HeatingPanelTest, LidChoiceHasItsOwnCellAndOldStoresKeepTheChoice) {
  Heating();
  Click("RadioButton2");
  Click("Button35");
  EXPECT_EQ(TakeMessages(), QStringList{U("デ－タを保存しました")});
  EXPECT_EQ(Cell(4, 45), U("2"));
  Click("RadioButton1");
  Click("Button36");
  EXPECT_TRUE(Checked("RadioButton2"));
  // A store without the cell: the temperature before heating reading "1"
  // says nothing about a lid, and the choice on screen stays.
  form->Store().SetCell(4, 45, U(" "));
  form->Store().SetCell(3, 47, U("1"));
  Click("Button36");
  EXPECT_TRUE(Checked("RadioButton2"));
}

TEST_F(HeatingPanelTest, MassShowsWhileTheVolumeCaptionIsHeld) {
  Heating();
  EXPECT_FALSE(Shown("Edit54"));
  Press("Label40");
  EXPECT_TRUE(Shown("Edit54"));
  EXPECT_TRUE(Shown("Label61"));
  EXPECT_EQ(Text("Edit54"), U("1000"));
  EXPECT_EQ(form->Control("Edit54")->geometry(), form->Control("Edit49")->geometry());
  Release("Label40");
  EXPECT_FALSE(Shown("Edit54"));
  EXPECT_FALSE(Shown("Label61"));
}

TEST_F(HeatingPanelTest, DoubleClickOnTheRequiredPowerCaptionTogglesTheContentOnlyPower) {
  Heating();
  const bool before = Shown("Edit55");
  DblClick("Label53");
  EXPECT_EQ(Shown("Edit55"), !before);
  EXPECT_EQ(Shown("Label33"), !before);
  DblClick("Label53");
  EXPECT_EQ(Shown("Edit55"), before);
  EXPECT_EQ(Shown("Label33"), before);
}

TEST_F(HeatingPanelTest, EnterInAnInputOrSharedFieldRuns) {
  Heating();
  const QString threeHours = Text("Edit46");
  Set("Edit43", "6");
  Enter("Edit43");
  const QString sixHours = Text("Edit46");
  EXPECT_LT(sixHours.toDouble(), threeHours.toDouble());
  Set("Edit17", "20");
  Enter("Edit17");
  EXPECT_GT(Text("Edit46").toDouble(), sixHours.toDouble());
}
