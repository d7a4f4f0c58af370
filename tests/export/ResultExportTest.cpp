#include <QPushButton>

#include "ExportFixture.h"
#include "app/CalculatorDispatch.h"
#include "operations/heatloss/HeatLossPanels.h"
#include "operations/heating/HeatingPanel.h"

TEST_F(ExportTest, FlatPlateSteadyStartsTableAndAddsColumns) {
  Do([this] { form->Dispatch().Select(Calculator::FlatPlate); });
  dialogs->TakeMessages();
  form->Grid("StringGrid3")->SetCell(5, 30, QStringLiteral("old"));
  ASSERT_EQ(Counter(), QStringLiteral("0"));
  Export();
  EXPECT_EQ(Rows(), 17);
  EXPECT_EQ(Cell(0, 0), QStringLiteral("平板放熱"));
  EXPECT_EQ(Cell(2, 1), QStringLiteral("条件1"));
  EXPECT_EQ(Counter(), QStringLiteral("1"));
  EXPECT_EQ(Cell(0, 2), QStringLiteral("放熱面積 m2"));
  EXPECT_EQ(Cell(2, 2), form->Text("Edit5"));
  EXPECT_EQ(Cell(0, 11), QString());
  EXPECT_EQ(Cell(1, 11), QStringLiteral("構造材"));
  EXPECT_EQ(Cell(2, 11), form->Text("Edit31"));
  // Steady mode leaves the cooling rows alone.
  for (int r = 12; r < 17; ++r) EXPECT_EQ(Cell(0, r), QString()) << r;
  form->SetText("Edit5", QStringLiteral("12.5"));
  Export();
  EXPECT_EQ(Cell(3, 1), QStringLiteral("条件2"));
  EXPECT_EQ(Cell(3, 2), QStringLiteral("12.5"));
  EXPECT_EQ(Cell(2, 2), QStringLiteral("10"));
  EXPECT_EQ(Counter(), QStringLiteral("2"));
  EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(QLatin1Char('|')).toStdString();
}

TEST_F(ExportTest, NaturalCoolingLabelsTheFaceAndFillsItsRows) {
  Do([this] { form->Dispatch().Select(Calculator::FlatPlate); });
  Click("Button71");  // 自然放熱
  Export();
  EXPECT_EQ(Cell(2, 1), QStringLiteral("条件1 片面"));
  EXPECT_EQ(Cell(0, 12), QStringLiteral("伝熱密度 W/cm2"));
  EXPECT_EQ(Cell(0, 16), QStringLiteral("ｈ後の温度℃"));
  EXPECT_EQ(Cell(2, 15), form->Text("Edit75"));
  Click("Label30");  // 両面からの放熱
  Export();
  EXPECT_EQ(Cell(3, 1), QStringLiteral("条件2 両面"));
}

TEST_F(ExportTest, ChangeOfCalculatorStartsNewTable) {
  Do([this] { form->Dispatch().Select(Calculator::FlatPlate); });
  Export();
  Export();
  Do([this] { form->Dispatch().Select(Calculator::Heater); });
  EXPECT_EQ(Counter(), QStringLiteral("0"));
  Export();
  EXPECT_EQ(Rows(), 17);
  EXPECT_EQ(Cell(0, 0), QStringLiteral("ヒーター温度"));
  EXPECT_EQ(Cell(2, 1), QStringLiteral("条件1"));
  EXPECT_EQ(Cell(3, 1), QString());  // the flat plate's second condition is gone
  EXPECT_EQ(Cell(1, 12), QStringLiteral("発熱線"));
  EXPECT_EQ(Cell(2, 12), form->Text("Edit9"));
  EXPECT_EQ(Cell(2, 9), form->Text("Edit8"));
}

TEST_F(ExportTest, CylinderModesDifferInRowTwoAndTheirLastRows) {
  Do([this] { form->Dispatch().Select(Calculator::Cylinder); });
  Export();
  EXPECT_EQ(Rows(), 24);
  EXPECT_EQ(Cell(0, 0), QStringLiteral("円筒の放熱"));
  EXPECT_EQ(Cell(2, 2), form->Text("Edit3"));
  EXPECT_EQ(Cell(0, 18), QStringLiteral("Stefan-Boltzman定数 ×10^-8"));
  EXPECT_EQ(Cell(2, 18), form->Store().GetCell(2, 1));
  EXPECT_EQ(Cell(0, 22), QStringLiteral("放射放熱量 W"));

  Do([this] { form->HeatLoss().TogglePipeFlow(); });
  ASSERT_EQ(form->Store().GetCell(6, 2), QStringLiteral("41"));
  Export();
  EXPECT_EQ(Rows(), 25);
  EXPECT_EQ(Cell(2, 2), QString());
  EXPECT_EQ(Cell(0, 22), QStringLiteral("外気温度℃"));
  EXPECT_EQ(Cell(2, 22), form->Text("Edit68"));
  EXPECT_EQ(Cell(2, 24), form->Text("Edit70"));
}

TEST_F(ExportTest, PipeFlowTitleFollowsTheDirection) {
  Do([this] { form->Dispatch().Select(Calculator::Cylinder); });
  Do([this] { form->HeatLoss().TogglePipeFlow(); });
  form->SetText("Edit68", QStringLiteral("30"));
  form->SetText("Edit70", QStringLiteral("20"));
  Export();
  EXPECT_EQ(Cell(0, 0), QStringLiteral("円筒の放熱　加熱"));
  form->SetText("Edit68", QStringLiteral("20"));
  form->SetText("Edit70", QStringLiteral("70"));
  Export();
  EXPECT_EQ(Cell(0, 0), QStringLiteral("円筒の放熱　") + form->Text("Button69"));
}

TEST_F(ExportTest, PipeFlowTitleWithNonNumberStopsAfterTheTitle) {
  Do([this] { form->Dispatch().Select(Calculator::Cylinder); });
  Do([this] { form->HeatLoss().TogglePipeFlow(); });
  dialogs->TakeMessages();
  form->SetText("Edit68", QStringLiteral("abc"));
  Export();
  EXPECT_EQ(dialogs->TakeMessages(), QStringList{QStringLiteral("'abc' は浮動小数点数ではありません")});
  EXPECT_EQ(Counter(), QStringLiteral("0"));
  EXPECT_EQ(Cell(2, 1), QString());
}

TEST_F(ExportTest, NothingWhileTheGridMemoIsHidden) {
  form->SetShown("StringGrid3", false);
  Export();
  EXPECT_EQ(Counter(), QStringLiteral("0"));
  EXPECT_EQ(Cell(0, 0), QString());
}

TEST_F(ExportTest, NonIntegerCounterStopsAfterCaptions) {
  form->Store().SetCell(5, 5, QStringLiteral("x"));
  Export();
  EXPECT_EQ(dialogs->TakeMessages(), QStringList{QStringLiteral("'x' は整数ではありません")});
  EXPECT_EQ(Cell(0, 0), QStringLiteral("ヒーター温度"));
  EXPECT_EQ(Cell(0, 2), QStringLiteral("外気の温度 ℃"));
  EXPECT_EQ(Counter(), QStringLiteral("x"));
}

TEST_F(ExportTest, FullTableIsRefusedAndNothingIsLost) {
  Export();
  form->Grid("StringGrid3")->SetCell(59, 1, QStringLiteral("条件58"));
  form->Store().SetCell(5, 5, QStringLiteral("58"));
  form->Grid("StringGrid3")->SetCell(0, 0, QStringLiteral("kept"));
  Export();
  const QStringList m = dialogs->TakeMessages();
  ASSERT_EQ(m.size(), 1);
  EXPECT_TRUE(m[0].startsWith(QStringLiteral("比較表の列がいっぱいです")));
  EXPECT_EQ(Counter(), QStringLiteral("58"));
  EXPECT_EQ(Cell(0, 0), QStringLiteral("kept"));
  EXPECT_EQ(Cell(59, 1), QStringLiteral("条件58"));
}

TEST_F(ExportTest, HeatingBlocksStartInColumnOneAndExportTheLidChoice) {
  Do([this] { form->Dispatch().ShowHeatingMode(); });
  dialogs->TakeMessages();
  ASSERT_EQ(form->Store().GetCell(6, 2), QStringLiteral("8"));
  Export();
  EXPECT_EQ(Rows(), 26);
  EXPECT_EQ(Cell(0, 0), QStringLiteral("液体加熱"));
  EXPECT_EQ(Cell(1, 1), QStringLiteral("条件1"));
  // Row 2 of the liquid block is the volume, as its caption says.
  EXPECT_EQ(Cell(0, 2), QStringLiteral("液量        　  m3"));
  EXPECT_EQ(Cell(1, 2), form->Text("Edit49"));
  EXPECT_EQ(Cell(1, 14), QStringLiteral("有"));
  EXPECT_EQ(Cell(1, 23), form->Store().GetCell(2, 1));
  Do([this] { form->Heating().SelectLid(false); });
  Export();
  EXPECT_EQ(Cell(2, 1), QStringLiteral("条件2"));
  EXPECT_EQ(Cell(2, 14), QStringLiteral("無"));
  EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(QLatin1Char('|')).toStdString();
}

TEST_F(ExportTest, GasWallHeatingCaptionsNameTheWallAndEndTemperatures) {
  Do([this] {
    form->Dispatch().ShowHeatingMode();
    form->Heating().SelectMaterial(heating::Material::Gas);
  });
  Export();
  EXPECT_EQ(Cell(0, 0), QStringLiteral("気体加熱"));
  EXPECT_EQ(Cell(0, 2), QStringLiteral("気体の量        　  kg"));
  EXPECT_EQ(Cell(1, 2), form->Text("Edit54"));
  EXPECT_EQ(Cell(0, 20), QStringLiteral("必要熱量   　  W"));
  Do([this] { form->Heating().SelectWallHeating(); });
  // Heater heating (9) and wall heating (11) are different calculators.
  EXPECT_EQ(Counter(), QStringLiteral("0"));
  Export();
  EXPECT_EQ(Cell(0, 7), QStringLiteral("壁面温度       ℃"));
  EXPECT_EQ(Cell(0, 20), QStringLiteral("対流のみによる温度℃"));
  EXPECT_EQ(Cell(0, 22), QStringLiteral("双方による温度　　℃"));
  EXPECT_EQ(Cell(1, 22), form->Text("Edit48"));
  Do([this] { form->Heating().SelectMaterial(heating::Material::Solid); });
  EXPECT_EQ(Counter(), QStringLiteral("0"));
  Export();
  EXPECT_EQ(Cell(0, 0), QStringLiteral("固体加熱"));
  EXPECT_EQ(Cell(0, 7), QStringLiteral("外気温度       ℃"));
  EXPECT_EQ(Cell(0, 19), QStringLiteral("固体のみの必要熱量 W"));
}
