// The heater calculator through the real window.
#include "HeatLossWindow.h"
#include "foundation/NumberText.h"

namespace {
const QString kDivision = QStringLiteral("0 による浮動小数点数除算");
}

using HeaterPanel = HeatLossWindow;

TEST_F(HeaterPanel, StartUpOpensWithTheHeaterResults) {
  EXPECT_EQ(Text("Label36"), QStringLiteral("ヒーター温度"));
  for (const char* name : {"Edit18", "Edit19", "Edit20", "Edit2", "Edit14", "Edit21", "Edit1", "Edit4"})
    EXPECT_FALSE(Text(name).trimmed().isEmpty()) << name;
  // 500 W on 1.5 m of an 8.6 mm sheath in air at 20 degC.
  EXPECT_EQ(Text("Edit2"), QStringLiteral("382.9"));
  EXPECT_EQ(Text("Edit14"), QStringLiteral("1.23"));
  EXPECT_EQ(Text("Edit21"), Text("Edit1"));
  EXPECT_LT(ToNumber(Text("Edit2")), ToNumber(Text("Edit21")));
  EXPECT_LT(ToNumber(Text("Edit21")), ToNumber(Text("Edit4")));
  // The total is the sum of the displayed parts, just below the power.
  EXPECT_EQ(Text("Edit20"), RoundHundredths(ToNumber(Text("Edit18")) + ToNumber(Text("Edit19"))));
  EXPECT_LT(ToNumber(Text("Edit20")), 500);
  EXPECT_GT(ToNumber(Text("Edit20")), 495);
}

TEST_F(HeaterPanel, PowerBeyondEveryScannedLossGivesTheHighestValue) {
  Set("Edit8", QStringLiteral("1E30"));
  Enter("Edit8");
  EXPECT_EQ(Text("Edit2"), QStringLiteral("3242.19"));
}

TEST_F(HeaterPanel, NegativePowerIsRefusedAndNoPowerShowsTheAmbient) {
  const QString surface = Text("Edit2");
  Set("Edit8", QStringLiteral("-500"));
  Enter("Edit8");
  EXPECT_EQ(TakeMessages(), QStringList{QStringLiteral("熱量は0以上の値にしてください。")});
  EXPECT_EQ(Text("Edit2"), surface);
  Set("Edit8", QStringLiteral("0"));
  Enter("Edit8");
  // The ambient, within the scan's last step.
  EXPECT_NEAR(double(ToNumber(Text("Edit2"))), double(ToNumber(Text("Edit3"))), 0.05);
  EXPECT_NEAR(double(ToNumber(Text("Edit20"))), 0, 0.05);
}

TEST_F(HeaterPanel, FaultInAnInnerLayerKeepsTheOuterResults) {
  // No sheath: its logarithm is 0. The losses, the surface and the flux
  // density are written; the sheath, MgO and wire temperatures keep theirs.
  const QStringList inner = Texts({"Edit21", "Edit1", "Edit4"});
  const QString surface = Text("Edit2");
  Set("Edit12", QStringLiteral("0"));
  Click("Button1");
  EXPECT_EQ(Messages(), QStringList{kDivision});
  EXPECT_EQ(Text("Edit11"), QStringLiteral("7"));
  EXPECT_NE(Text("Edit2"), surface);
  EXPECT_EQ(Texts({"Edit21", "Edit1", "Edit4"}), inner);

  // Wire as thick as the MgO layer: the sheath is written, the wire not.
  Set("Edit12", QStringLiteral("0.8"));
  Set("Edit8", QStringLiteral("300"));
  Set("Edit9", QStringLiteral("7"));
  Click("Button1");
  EXPECT_EQ(Messages(), QStringList{kDivision});
  EXPECT_NE(Text("Edit21"), inner[0]);
  EXPECT_EQ(Text("Edit1"), Text("Edit21"));
  EXPECT_EQ(Text("Edit4"), inner[2]);
}

TEST_F(HeaterPanel, BadNumberStopsBeforeAnyResult) {
  const QStringList before = Texts({"Edit18", "Edit19", "Edit20", "Edit2", "Edit14", "Edit21", "Edit1", "Edit4"});
  Set("Edit8", QStringLiteral("5OO"));
  Click("Button1");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("'5OO' は浮動小数点数ではありません")});
  EXPECT_EQ(Texts({"Edit18", "Edit19", "Edit20", "Edit2", "Edit14", "Edit21", "Edit1", "Edit4"}), before);
}

TEST_F(HeaterPanel, CylinderCalculatorsReadSixCharactersOfTheConstant) {
  // The heater reads "5.6703" of "5.6703xyz"; the flat plate the whole
  // text, which is no number.
  const QString surface = Text("Edit2");
  Set("Edit15", QStringLiteral("5.6703xyz"));
  Click("Button1");
  EXPECT_EQ(Messages(), QStringList());
  EXPECT_EQ(Text("Edit2"), surface);
  Click("Button12");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("'5.6703xyz' は浮動小数点数ではありません")});
}
