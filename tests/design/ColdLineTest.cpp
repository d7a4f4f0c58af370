// Lines and walls colder than the air through the window: the gain shown as
// a gain closes its balance, the comparison table keeps its sign, and the
// humidity beside the air temperature says whether the surface condenses;
// the humidity is kept with the conditions.
#include "DesignWindow.h"
#include "calc/design/DewPoint.h"
#include "widgets/StringGrid.h"

namespace {

class ColdLine : public DesignWindow {};

double D(long double x) { return static_cast<double>(x); }

}  // namespace

TEST_F(ColdLine, GainsCloseTheirBalances) {
  // A wall behind a gas at 0 degC in air at 20: what the surface takes from
  // the air is conducted through the insulation (k, L) to the interface.
  Click("Button11");
  Set("Edit26", QStringLiteral("0"));
  Click("Button15");
  EXPECT_EQ(Texts({"Label16", "Label17", "Label18", "Label25"}),
            (QStringList{"対流取得熱量　W", "放射取得熱量　W", "取得熱量計　W", "取得熱密度　W/cm2"}));
  const long double gain = Number("Edit20");
  EXPECT_GT(gain, 0);
  EXPECT_LT(Number("Edit24"), 20);
  EXPECT_NEAR(D(gain), D(Number("Edit30") / (Number("Edit32") / 1000) * Number("Edit5") * (Number("Edit24") - Number("Edit23"))),
              D(gain) * 0.01);
  EXPECT_NEAR(D(Number("Edit18") + Number("Edit19")), D(gain), 0.011);

  // Water at 2 degC through 100 m in air at 5: it warms by what it gains.
  Click("Button7");
  Click("Button67");
  Set("Edit70", QStringLiteral("2"));
  Set("Edit67", QStringLiteral("0.1"));
  Click("Button69");
  EXPECT_EQ(Text("Button69"), QStringLiteral("加 熱"));
  EXPECT_EQ(Text("Label18"), QStringLiteral("取得熱量計　W"));
  // 0.1 m3/h of 1 g/cm3 and 1 kcal/kgK: 100 kcal/hK = 100 / 0.86 W/K.
  EXPECT_NEAR(D(Number("Edit20")), D((Number("Edit14") - 2) * 100 / 0.86L), D(Number("Edit20")) * 0.01);
  // The heating panels show no heat-loss results: their captions say 放熱.
  Click("Button30");
  EXPECT_EQ(Texts({"Label16", "Label17", "Label18"}),
            (QStringList{"対流放熱量　W", "放射放熱量　W", "放熱量計　W"}));
  Click("Button29");
  Click("Button7");
  Click("Button67");

  // A hot run: the loss captions as they were.
  Set("Edit70", QStringLiteral("80"));
  Click("Button69");
  EXPECT_EQ(Texts({"Label16", "Label17", "Label18"}),
            (QStringList{"対流放熱量　W", "放射放熱量　W", "放熱量計　W"}));
}

TEST_F(ColdLine, ComparisonTableKeepsTheSign) {
  Click("Button7");
  Click("Button22");
  Click("Button22");
  ASSERT_TRUE(form->IsShown("StringGrid3"));
  Set("Edit4", QStringLiteral("10"));
  Click("Button1");
  Click("Button44");
  const StringGrid* table = form->Grid("StringGrid3");
  EXPECT_EQ(table->Cell(2, 23), QLatin1Char('-') + Text("Edit20"));
  EXPECT_EQ(table->Cell(2, 21), QLatin1Char('-') + Text("Edit18"));
  EXPECT_EQ(table->Cell(0, 23), QStringLiteral("放熱量計 W（負は取得熱）"));
  // A hot condition beside it stays positive; the caption still tells both apart.
  Set("Edit4", QStringLiteral("180"));
  Click("Button1");
  Click("Button44");
  EXPECT_EQ(table->Cell(3, 23), QStringLiteral("687.19"));
  EXPECT_EQ(table->Cell(0, 23), QStringLiteral("放熱量計 W（負は取得熱）"));
}

TEST_F(ColdLine, HumiditySaysWhetherTheSurfaceCondenses) {
  Click("Button7");
  EXPECT_EQ(Text("CylinderHumidity").trimmed(), QString()) << "a store without the cell: not checked";
  EXPECT_EQ(Text("CylinderCondensation"), QString());
  // A chilled line at 5 degC with 10 mm of insulation in air at 20 degC, 90 %.
  Set("Edit4", QStringLiteral("5"));
  Set("Edit12", QStringLiteral("10"));
  Set("CylinderHumidity", QStringLiteral("90"));
  Enter("CylinderHumidity");
  const long double dew = DesignCalc::DewPoint(20, 90), surface = Number("Edit2");
  ASSERT_LT(surface, dew);
  const QStringList lines = Text("CylinderCondensation").split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0], QStringLiteral("露点 %1 ℃").arg(RoundHundredths(dew)));
  EXPECT_EQ(lines[1], QStringLiteral("結露します"));
  EXPECT_NEAR(D(ToNumber(lines[3].section(QLatin1Char(' '), 0, 0))), D(dew - surface), 0.0051);
  // Dry enough air: no condensation.
  Set("CylinderHumidity", QStringLiteral("40"));
  Enter("CylinderHumidity");
  EXPECT_TRUE(Text("CylinderCondensation").endsWith(QStringLiteral("結露なし")));
  // A humidity that is none is refused, naming the field; nothing is written.
  const QStringList before = Texts({"Edit2", "Edit20", "CylinderCondensation"});
  for (const char* bad : {"0", "101", "abc"}) {
    Set("CylinderHumidity", QString::fromLatin1(bad));
    Click("Button1");
    const QStringList m = Messages();
    ASSERT_EQ(m.size(), 1) << bad;
    EXPECT_TRUE(m[0].startsWith(QStringLiteral("相対湿度 %（%1）").arg(QString::fromLatin1(bad)))) << bad;
    EXPECT_EQ(Texts({"Edit2", "Edit20", "CylinderCondensation"}), before);
  }

  // Kept with the conditions in cells of their own: cylinder, pipe flow, flat panel.
  Set("CylinderHumidity", QStringLiteral("75"));
  Click("Button6");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("デ－タを保存しました")});
  Click("Button67");
  Set("PipeHumidity", QStringLiteral("65"));
  Click("Button6");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("デ－タを保存しました")});
  Click("Button12");
  Set("FlatHumidity", QStringLiteral("55"));
  Click("Button16");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("デ－タを保存しました")});
  EXPECT_EQ(QStringList({Cell(3, 31), Cell(3, 70), Cell(4, 21)}), (QStringList{"75", "65", "55"}));
  form.reset();
  Open();
  form->show();
  Click("Button7");
  EXPECT_EQ(Text("CylinderHumidity"), QStringLiteral("75"));
  Click("Button67");
  EXPECT_EQ(Text("PipeHumidity"), QStringLiteral("65"));
  Click("Button11");
  EXPECT_EQ(Text("FlatHumidity"), QStringLiteral("55"));
}
