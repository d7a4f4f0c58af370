// Runs of the heating models through the real window: results, guards,
// notices, refusals and faults, and what each leaves on screen.
#include "HeatingWindow.h"

namespace {
QString U(const char* s) { return QString::fromUtf8(s); }
}  // namespace

class HeatingRunTest : public HeatingWindow {
 protected:
  // Marks the result fields, so a test sees which ones a run wrote.
  void MarkResults() {
    for (const char* name : {"Edit46", "Edit47", "Edit48", "Edit49"}) Set(name, "old");
  }
  void Run() { Click("Button34"); }
};

TEST_F(HeatingRunTest, ShippedLiquidTank) {
  Heating();
  EXPECT_EQ(Text("Edit49"), U("1"));
  EXPECT_EQ(Text("Edit46"), U("28236"));
  EXPECT_EQ(Text("Edit47"), U("10.8"));
  EXPECT_EQ(Text("Edit48"), U("5722"));
  EXPECT_EQ(Text("Edit55"), U("25194"));  // 1000 kg x 65 K / 3 h / 0.86
  // The last surface search: T1 = 80 ℃ through the bare wall.
  EXPECT_EQ(Cell(6, 4), U("353.15"));
  const double surface = Cell(6, 5).toDouble();
  EXPECT_GT(surface, 352.5);
  EXPECT_LT(surface, 353.15);
}

// A 20 m3 tank heated in 1 h needs more than the first search's ceiling of
// 1,111,111.1 W: the window shows the power found beyond it and a positive
// loss share, in the liquid and the solid alike.
TEST_F(HeatingRunTest, LargeTankHeatedQuicklyShowsItsPowerAboveTheFirstCeiling) {
  Heating();
  for (const char* material : {"Button31", "Button33"}) {
    Click(material);
    Set("Edit35", "2");
    Set("Edit36", "2.5");
    Set("Edit37", "4");
    Set("Edit43", "1");
    Run();
    EXPECT_EQ(Text("Edit49"), U("20")) << material;
    EXPECT_GT(Text("Edit46").toDouble(), 1111111.1) << material;
    EXPECT_GT(Text("Edit47").toDouble(), 0.0) << material;
  }
}

TEST_F(HeatingRunTest, GuardsThatComputeNothing) {
  Heating();
  MarkResults();
  Set("Edit42", "15");  // T1 = T0
  Run();
  EXPECT_EQ(Text("Edit46"), U("old"));
  Set("Edit42", "80");
  Set("Edit38", "0");
  Set("Edit39", "0");
  Run();
  EXPECT_EQ(Text("Edit46"), U("old"));
  EXPECT_EQ(Text("Edit49"), U("old"));
  Set("Edit38", "3");
  Set("Edit44", "");
  Run();
  EXPECT_EQ(Text("Edit46"), U("old"));
  Set("Edit44", "1");
  Set("Edit39", "");
  Run();
  EXPECT_EQ(Text("Edit39"), U("0"));  // an empty insulation means none
  EXPECT_EQ(Text("Edit46"), U("28236"));
}

TEST_F(HeatingRunTest, InsulationTextZeroPointZeroCountsAsInsulated) {
  Heating();
  const QString bare = Text("Edit46"), bareLoss = Text("Edit48");
  Set("Edit39", "0.0");
  Run();
  EXPECT_LT(Text("Edit46").toDouble(), bare.toDouble());
  EXPECT_EQ(Text("Edit48"), bareLoss);
  Set("Edit39", "50");
  Set("Edit52", "0");  // taken as 0.0001 W/m℃
  Run();
  EXPECT_LT(Text("Edit48").toDouble(), 20.0);
  EXPECT_GT(Text("Edit46").toDouble(), 25194.0);
}

TEST_F(HeatingRunTest, LidOnlyChangesTheEvaporation) {
  Heating();
  const double closed = Text("Edit46").toDouble();
  Click("RadioButton2");
  EXPECT_EQ(Text("Edit46").toDouble(), closed);  // choosing the lid computes nothing
  Run();
  EXPECT_GT(Text("Edit46").toDouble(), closed + 300.0);
  EXPECT_GT(Text("Edit48").toDouble(), 5722.0 + 1000.0);
}

TEST_F(HeatingRunTest, NoHeatingNeededSaysSoInsteadOfAFault) {
  Heating();
  Set("Edit40", "95");
  Set("Edit42", "16");
  Run();
  EXPECT_EQ(TakeMessages(), QStringList{U("加熱は不要です。ヒーターなしでも上昇時間内に加熱後温度に達します"
                                          "（放熱損失は求められません）。")});
  EXPECT_EQ(Text("Edit46"), U("0"));
  EXPECT_EQ(Text("Edit47"), QString());
  EXPECT_LT(Text("Edit48").toDouble(), 0.0);  // at 16 ℃ the tank gains heat
}

TEST_F(HeatingRunTest, GasAlreadyAtTheFinalTemperatureNeedsNoHeater) {
  Heating();
  Click("Button32");
  Set("Edit40", "60");  // the gas starts at the ambient, which is T1
  Run();
  EXPECT_EQ(TakeMessages(), QStringList{U("加熱は不要です。ヒーターなしでも上昇時間内に加熱後温度に達します"
                                          "（放熱損失は求められません）。")});
  EXPECT_EQ(Text("Edit46"), U("0"));
  EXPECT_EQ(Text("Edit47"), QString());
  EXPECT_EQ(Text("Edit55"), U("33.49"));
}

TEST_F(HeatingRunTest, ZeroRiseTimeIsRefusedAndNoCapacityFaults) {
  Heating();
  MarkResults();
  Set("Edit43", "0");
  Run();
  EXPECT_EQ(TakeMessages(), QStringList{U("上昇時間は0より大きい値にしてください。")});
  EXPECT_EQ(Text("Edit46"), U("old"));
  EXPECT_EQ(Text("Edit47"), U("old"));
  EXPECT_EQ(Text("Edit48"), U("old"));

  // No heat capacity at all: the fault comes before any power is written.
  MarkResults();
  Set("Edit43", "3");
  Set("Edit44", "0");
  Set("Edit50", "0");
  Run();
  EXPECT_EQ(TakeMessages(), QStringList{U("0 による浮動小数点数除算")});
  EXPECT_EQ(Text("Edit49"), U("1"));
  EXPECT_EQ(Text("Edit46"), U("old"));
}

// A negative rise time is refused in every mode before any result is
// written (the dimensions' volume is written first, as always).
TEST_F(HeatingRunTest, NegativeRiseTimeIsRefusedInEveryMode) {
  Heating();
  for (const char* mode : {"Button31", "Button33", "Button32", "RadioButton4"}) {
    Click(mode);
    TakeMessages();
    MarkResults();
    Set("Edit43", "-1");
    Run();
    EXPECT_EQ(TakeMessages(), QStringList{U("上昇時間は0より大きい値にしてください。")}) << mode;
    for (const char* name : {"Edit46", "Edit47", "Edit48"}) EXPECT_EQ(Text(name), U("old")) << mode << name;
    EXPECT_NE(Text("Edit49"), U("old")) << mode;
  }
}

TEST_F(HeatingRunTest, NonNumericFieldStopsWithTheConversionMessage) {
  Heating();
  MarkResults();
  Set("Edit45", "abc");
  Run();
  EXPECT_EQ(TakeMessages(), QStringList{U("'abc' は浮動小数点数ではありません")});
  EXPECT_EQ(Text("Edit49"), U("1"));  // written before the conversion
  EXPECT_EQ(Text("Edit46"), U("old"));
}

TEST_F(HeatingRunTest, GasNoticesThenResults) {
  Heating();
  Click("Button32");
  const double oneHour = Text("Edit46").toDouble();
  EXPECT_GT(oneHour, 0.0);
  // Notice first, then the results of the run.
  dialogs->onMessage = [this](const QString&) { EXPECT_EQ(Text("Edit46"), U("old")); };
  MarkResults();
  Set("Edit43", "0.04");
  Run();
  EXPECT_EQ(TakeMessages(), QStringList{U("上昇時間0.05ｈ以下は誤差が大きくなります。")});
  EXPECT_GT(Text("Edit46").toDouble(), oneHour);  // the wall has less time to warm
  MarkResults();
  Set("Edit43", "7");
  Run();
  dialogs->onMessage = nullptr;
  EXPECT_EQ(TakeMessages(), QStringList{U("処理時間が長くなります。")});
  EXPECT_NEAR(Text("Edit46").toDouble(), oneHour, 1.0);  // the wall settles within the hour
  EXPECT_NE(Text("Edit47"), U("old"));
  EXPECT_NE(Text("Edit48"), U("old"));
}

TEST_F(HeatingRunTest, GasRiseTimeBeyondTheWorkBoundIsRefused) {
  Heating();
  Click("Button32");
  MarkResults();
  Set("Edit43", "150");
  Run();
  EXPECT_EQ(TakeMessages(),
            (QStringList{U("処理時間が長くなります。"),
                         U("上昇時間が長過ぎるため計算しません（気体の加熱は 100ｈまでです）。")}));
  EXPECT_EQ(Text("Edit46"), U("old"));
  // The bound itself is a whole number of steps: exactly 100 h runs.
  Set("Edit43", "100");
  Run();
  EXPECT_EQ(TakeMessages(), QStringList{U("処理時間が長くなります。")});
  EXPECT_NE(Text("Edit46"), U("old"));
}

TEST_F(HeatingRunTest, WallHeatingMessagesAndKeptResults) {
  Heating();
  Click("Button32");
  Click("RadioButton4");
  Set("Edit40", "80");
  Set("Edit43", "0.01");
  Run();
  // 36 one-second steps with the time constant Cg/(hA) = 26.8 s, from 10 ℃.
  EXPECT_EQ(Text("Edit46"), U("62"));
  MarkResults();
  Set("Edit35", "0.0005");
  Run();
  EXPECT_EQ(TakeMessages(), QStringList{U("寸法が範囲を超えています。")});
  EXPECT_EQ(Text("Edit46"), U("old"));
  EXPECT_EQ(Text("Edit49"), U("old"));

  // So little gas that a step overshoots the wall temperature.
  Set("Edit35", "2");
  Set("Edit44", "3E-10");
  Run();
  EXPECT_EQ(TakeMessages(), QStringList{U("気体量が少な過ぎます。")});
  EXPECT_EQ(Text("Edit46"), U("80"));
  EXPECT_EQ(Text("Edit47"), U("80"));
  EXPECT_EQ(Text("Edit48"), U("old"));

  // The same gas for an hour would take 10^9 steps: refused.
  MarkResults();
  Set("Edit43", "1");
  Run();
  const QStringList refused = TakeMessages();
  ASSERT_EQ(refused.size(), 1);
  EXPECT_TRUE(refused[0].startsWith(U("計算の刻みが細か過ぎるため計算しません"))) << refused[0].toStdString();
  EXPECT_EQ(Text("Edit46"), U("old"));
}

TEST_F(HeatingRunTest, WallHeatingNeedsAWallWarmerThanTheGas) {
  Heating();
  Click("Button32");
  Click("RadioButton4");
  MarkResults();
  Set("Edit40", "10");  // wall = gas
  Set("Edit42", "90");  // the final temperature plays no part here
  Run();
  EXPECT_EQ(Text("Edit46"), U("old"));
  Set("Edit40", "40");
  Set("Edit42", "");
  Click("Button35");  // Save asks for the wall temperature, not T1
  EXPECT_EQ(TakeMessages(), QStringList{U("デ－タを保存しました")});
  EXPECT_EQ(Cell(3, 56), U("40"));
}
