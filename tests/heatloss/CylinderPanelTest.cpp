// The cylinder and pipe-flow calculators through the real window.
#include <cmath>

#include "HeatLossWindow.h"
#include "foundation/NumberText.h"

namespace {

const QString kDivision = QStringLiteral("0 による浮動小数点数除算");

class CylinderPanel : public HeatLossWindow {
 protected:
  void SetUp() override {
    HeatLossWindow::SetUp();
    Click("Button7");
  }
  QStringList Results() const { return Texts({"Edit18", "Edit19", "Edit20", "Edit2", "Edit21", "Edit1"}); }
};

class PipeFlowPanel : public CylinderPanel {
 protected:
  void SetUp() override {
    CylinderPanel::SetUp();
    Click("Button67");
  }
  QStringList Results() const {
    return Texts({"Edit14", "Edit4", "Edit1", "Edit21", "Edit2", "Edit18", "Edit19", "Edit20", "Button69"});
  }
};

}  // namespace

TEST_F(CylinderPanel, FactoryPipeLosesHeatThroughItsInsulation) {
  EXPECT_EQ(Text("Label36"), QStringLiteral("円筒の放熱"));
  EXPECT_EQ(Text("Edit11"), QStringLiteral("214.3"));
  EXPECT_EQ(Text("Edit2"), QStringLiteral("27.13"));
  EXPECT_EQ(Text("Edit20"), QStringLiteral("687.19"));
  EXPECT_EQ(Text("Edit1"), Text("Edit21"));
  // The total is the sum of the displayed parts, whatever the length.
  for (const char* length : {"10", "3.3", "0.7", "123.45"}) {
    Set("Edit13", QString::fromLatin1(length));
    Enter("Edit13");
    EXPECT_EQ(Text("Edit20"), RoundHundredths(ToNumber(Text("Edit18")) + ToNumber(Text("Edit19")))) << length;
  }
}

TEST_F(CylinderPanel, InnerTemperatureBelowAmbientGainsHeat) {
  const QStringList lossCaptions = Texts({"Label16", "Label17", "Label18"});
  // The heat flows inwards: shown as a gain under gain captions, the surface below the air.
  Set("Edit4", QStringLiteral("10"));
  Enter("Edit4");
  EXPECT_EQ(Results(), (QStringList{"27.31", "15.57", "42.88", "19.55", "10.01", "10.01"}));
  EXPECT_EQ(Texts({"Label16", "Label17", "Label18"}),
            (QStringList{"対流取得熱量　W", "放射取得熱量　W", "取得熱量計　W"}));
  // The balance closes as on the hot side: what the surface takes from the
  // air is what the insulation conducts inwards, 2 pi k L (Ts - Ti) / ln(D2/D1).
  const long double gain = ToNumber(Text("Edit20")), k = ToNumber(Text("Edit7")), L = ToNumber(Text("Edit13"));
  const long double conducted = 2 * 3.14159265358979L * k * L * (ToNumber(Text("Edit2")) - ToNumber(Text("Edit21"))) /
                                logl(ToNumber(Text("Edit11")) / ToNumber(Text("Edit10")));
  EXPECT_NEAR(static_cast<double>(gain), static_cast<double>(conducted), 0.01 * static_cast<double>(gain));
  // A hot run again: the loss captions, exactly as before.
  Set("Edit4", QStringLiteral("180"));
  Enter("Edit4");
  EXPECT_EQ(Texts({"Label16", "Label17", "Label18"}), lossCaptions);
  EXPECT_EQ(Text("Edit20"), QStringLiteral("687.19"));
}

TEST_F(CylinderPanel, TubeThickerThanItsRadiusIsRefused) {
  const QStringList before = Results();
  Set("Edit10", QStringLiteral("20"));
  Set("Edit34", QStringLiteral("10"));
  Click("Button1");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("内層外径と内層厚さを確認してください。")});
  EXPECT_EQ(Results(), before);
}

TEST_F(CylinderPanel, ZeroThicknessesAndFaults) {
  // "0" stands for a tube of 0.01 mm: the run goes on.
  const QStringList factory = Results();
  Set("Edit34", QStringLiteral("0"));
  Click("Button1");
  const QStringList thin = Results();
  EXPECT_NE(thin, factory);
  EXPECT_EQ(Text("Edit34"), QStringLiteral("0"));
  // A zero written otherwise is a zero thickness: ln(1) = 0 divides.
  Set("Edit34", QStringLiteral("0.0"));
  Click("Button1");
  EXPECT_EQ(Messages(), QStringList{kDivision});
  EXPECT_EQ(Results(), thin);
  // Both thicknesses "0": the run does nothing.
  Set("Edit12", QStringLiteral("0"));
  Set("Edit34", QStringLiteral("0"));
  Click("Button1");
  EXPECT_EQ(Results(), thin);
  // A text that is no number.
  Set("Edit34", QStringLiteral("6"));
  Set("Edit12", QStringLiteral("50"));
  Set("Edit7", QStringLiteral("0,045"));
  Click("Button1");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("'0,045' は浮動小数点数ではありません")});
}

TEST_F(PipeFlowPanel, FactoryWaterCoolsAlongThePipe) {
  EXPECT_EQ(Text("Button69"), QStringLiteral("放 熱"));
  const long double end = ToNumber(Text("Edit14"));
  EXPECT_LT(end, 80);
  EXPECT_GT(end, 75);
  // Walls at the end: fluid side, boundary, ambient side, falling outwards.
  EXPECT_GT(ToNumber(Text("Edit4")), ToNumber(Text("Edit1")));
  EXPECT_GT(ToNumber(Text("Edit1")), ToNumber(Text("Edit2")));
  EXPECT_EQ(Text("Edit21"), Text("Edit1"));
  // The heat given off is what the water lost: 1000 kg/h of 1 kcal/kgK.
  EXPECT_NEAR(static_cast<double>(ToNumber(Text("Edit20"))), static_cast<double>((80 - end) * 1000 / 0.86L), 6.0);
}

TEST_F(PipeFlowPanel, CoefficientsAreCappedAt10000) {
  Set("Edit17", QStringLiteral("20000"));
  Set("Edit69", QStringLiteral("25000"));
  Click("Button69");
  EXPECT_EQ(Text("Edit17"), QStringLiteral("10000"));
  EXPECT_EQ(Text("Edit69"), QStringLiteral("10000"));
  const QStringList capped = Results();
  Set("Edit17", QStringLiteral("10000"));
  Set("Edit69", QStringLiteral("10000"));
  Click("Button69");
  EXPECT_EQ(Results(), capped);
}

TEST_F(PipeFlowPanel, DirectionCaption) {
  // Inlet at the ambient: the heating formulas run, the caption says 放 熱.
  Set("Edit70", QStringLiteral("5"));
  Enter("Edit70");
  EXPECT_EQ(Text("Button69"), QStringLiteral("放 熱"));
  EXPECT_EQ(Text("Edit14"), QStringLiteral("5"));
  // Inlet below the ambient: the fluid warms up.
  Set("Edit70", QStringLiteral("-10"));
  Enter("Edit70");
  EXPECT_EQ(Text("Button69"), QStringLiteral("加 熱"));
  EXPECT_GT(ToNumber(Text("Edit14")), -10);
  EXPECT_LT(ToNumber(Text("Edit14")), 5);
  // The button runs the pipe flow again and sets its caption from the result.
  Set("Edit70", QStringLiteral("60"));
  Click("Button69");
  EXPECT_EQ(Text("Button69"), QStringLiteral("放 熱"));
  // Enter in one of the fluid's own fields runs it too: air above the inlet.
  Set("Edit68", QStringLiteral("70"));
  Enter("Edit68");
  EXPECT_EQ(Text("Button69"), QStringLiteral("加 熱"));
}

TEST_F(PipeFlowPanel, RefusedAndFailedRunsKeepTheResults) {
  // A pipe inner diameter not above twice the wall: the message; the caps
  // checked before it stay written.
  const QStringList before = Results();
  Set("Edit66", QStringLiteral("0.0078"));
  Set("Edit17", QStringLiteral("12000"));
  Click("Button69");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("管内径と内層厚さを確認してください。")});
  EXPECT_EQ(Text("Edit17"), QStringLiteral("10000"));
  EXPECT_EQ(Results(), before);
  // No flow: the capacity flow is zero and the march divides by it.
  Set("Edit66", QStringLiteral("0.0527"));
  Set("Edit17", QStringLiteral("9"));
  Set("Edit67", QStringLiteral("0"));
  Click("Button69");
  EXPECT_EQ(Messages(), QStringList{kDivision});
  EXPECT_EQ(Results(), before);
  // An empty flow field: nothing at all.
  Set("Edit67", QString());
  Click("Button69");
  EXPECT_EQ(Results(), before);
}
