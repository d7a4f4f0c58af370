// The flat-plate, cooling and flat-wall calculators through the real window.
#include "HeatLossWindow.h"
#include "foundation/NumberText.h"

namespace {

const QString kDivision = QStringLiteral("0 による浮動小数点数除算");

class FlatPlatePanel : public HeatLossWindow {
 protected:
  void SetUp() override {
    HeatLossWindow::SetUp();
    Click("Button12");
  }
  QStringList Results() const { return Texts({"Edit23", "Edit28", "Edit24", "Edit18", "Edit19", "Edit20", "Edit33"}); }
};

class FlatWallPanel : public FlatPlatePanel {
 protected:
  void SetUp() override {
    HeatLossWindow::SetUp();
    Click("Button11");
  }
  QStringList Results() const {
    return Texts({"Edit23", "Edit28", "Edit24", "Edit27", "Edit18", "Edit19", "Edit20", "Edit33"});
  }
};

}  // namespace

TEST_F(FlatPlatePanel, FactoryWallLosesHeatSteadily) {
  EXPECT_EQ(Text("Label37"), QStringLiteral("平板放熱"));
  EXPECT_EQ(Text("Edit24"), QStringLiteral("35.43"));
  EXPECT_EQ(Text("Edit20"), QStringLiteral("2247.08"));
  EXPECT_EQ(Text("Edit23"), Text("Edit28"));
  EXPECT_EQ(Text("Edit33"), QStringLiteral("0.02"));
}

TEST_F(FlatPlatePanel, MissingThicknesses) {
  // No structure: it counts as 0.0001 mm and its field stays empty, so a
  // following Save writes nothing and says nothing.
  Set("Edit31", QString());
  Set("Edit32", QStringLiteral("50"));
  Click("Button15");
  EXPECT_EQ(Text("Edit31"), QString());
  const QStringList noStructure = Results();
  EXPECT_NE(Text("Edit20"), QStringLiteral("2247.08"));
  Click("Button16");
  EXPECT_EQ(Messages(), QStringList());
  EXPECT_EQ(Cell(4, 25), QStringLiteral("100"));

  // No insulation: it counts as 1E-7 m and its field reads "0".
  Set("Edit31", QStringLiteral("10"));
  Set("Edit32", QStringLiteral("0"));
  Enter("Edit32");
  EXPECT_EQ(Text("Edit32"), QStringLiteral("0"));
  EXPECT_GT(ToNumber(Text("Edit24")), 200);

  // Neither: nothing is computed.
  const QStringList bare = Results();
  Set("Edit31", QStringLiteral("0"));
  Click("Button15");
  EXPECT_EQ(Results(), bare);
  EXPECT_NE(bare, noStructure);
}

TEST_F(FlatPlatePanel, CoolingOverTime) {
  const QStringList steady = Results();
  Click("Button71");
  EXPECT_EQ(Text("Button71"), QStringLiteral("自然放熱"));
  for (const char* name : {"Label68", "Label69", "Label70", "Label71", "Label72", "Edit73", "Edit74", "Edit75", "Edit76"})
    EXPECT_TRUE(form->IsShown(name)) << name;
  const long double oneFace = ToNumber(Text("Edit76"));
  EXPECT_LT(oneFace, 300);
  EXPECT_GT(oneFace, 290);

  // Both faces: the caption before the click goes to the pick-up cell.
  Click("Label30");
  EXPECT_EQ(Cell(5, 4), QStringLiteral("片面のみからの放熱"));
  EXPECT_EQ(Text("Label30"), QStringLiteral("両面からの放熱"));
  EXPECT_LT(ToNumber(Text("Edit76")), oneFace - 1);
  Click("Label30");
  EXPECT_EQ(Text("Label30"), QStringLiteral("片面のみからの放熱"));

  // No time: the plate keeps its start temperature and the steady results.
  Set("Edit75", QStringLiteral("0"));
  Enter("Edit75");
  EXPECT_EQ(Text("Edit76"), QStringLiteral("300"));
  EXPECT_EQ(Results(), steady);

  // No heat capacity: the time step divides by zero; nothing is written.
  Set("Edit75", QStringLiteral("2"));
  Set("Edit73", QStringLiteral("0"));
  const QString before = Text("Edit76");
  Enter("Edit73");
  EXPECT_EQ(Messages(), QStringList{kDivision});
  EXPECT_EQ(Text("Edit76"), before);

  // Back to the steady loss: the cooling fields hide again.
  Click("Button71");
  EXPECT_EQ(Text("Button71"), QStringLiteral("定温放熱"));
  EXPECT_FALSE(form->IsShown("Edit76"));
  EXPECT_FALSE(form->IsShown("Label72"));
  EXPECT_EQ(Results(), steady);
}

TEST_F(FlatPlatePanel, FacesLabelOnlyPicksUpInSteadyMode) {
  Click("Label30");
  EXPECT_EQ(Cell(5, 4), QStringLiteral("片面のみからの放熱"));
  EXPECT_EQ(Text("Label30"), QStringLiteral("片面のみからの放熱"));
}

TEST_F(FlatWallPanel, HotGasBehindTheWall) {
  EXPECT_EQ(Text("Label37"), QStringLiteral("平板熱通過"));
  EXPECT_EQ(Text("Edit23"), Text("Edit28"));
  const long double inner = ToNumber(Text("Edit27")), between = ToNumber(Text("Edit23"));
  const long double outer = ToNumber(Text("Edit24"));
  EXPECT_LT(inner, 800);
  EXPECT_GT(inner, between);
  EXPECT_GT(between, outer);
  EXPECT_GT(outer, 20);
}

TEST_F(FlatWallPanel, MissingThicknessesAndFaults) {
  const QStringList factory = Results();
  // No insulation field: nothing is computed even with a structure.
  Set("Edit32", QString());
  Set("Edit29", QStringLiteral("2"));
  Click("Button15");
  EXPECT_EQ(Results(), factory);
  // Structure "0": it counts as 0.000001 mm and the field is left empty.
  Set("Edit32", QStringLiteral("100"));
  Set("Edit31", QStringLiteral("0"));
  Click("Button15");
  EXPECT_EQ(Text("Edit31"), QString());
  const QStringList thin = Results();
  EXPECT_NE(thin, factory);
  // Insulation "0": the field keeps "0".
  Set("Edit31", QStringLiteral("230"));
  Set("Edit32", QStringLiteral("0"));
  Click("Button15");
  EXPECT_EQ(Text("Edit32"), QStringLiteral("0"));
  // A conductivity of 0 is refused by name: no result is written.
  const QStringList bare = Results();
  Set("Edit32", QStringLiteral("100"));
  Set("Edit30", QStringLiteral("0"));
  Click("Button15");
  EXPECT_EQ(Messages(),
            QStringList{QStringLiteral("熱伝導率（保温材） W/(m・℃) '0' は 0 より大きい数にしてください。")});
  EXPECT_EQ(Results(), bare);
}
