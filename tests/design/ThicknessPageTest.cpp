// The thickness solve through the window: each target on its calculator,
// checked by forward runs of the panel itself, with the thickness typed
// into its field: the exact thickness meets the target and 0.1 mm less
// does not; 採用 puts the stock thickness in and the run meets it; the next
// thinner stock thickness does not.
#include <cmath>
#include <functional>

#include "DesignWindow.h"
#include "calc/design/DewPoint.h"
#include "widgets/StringGrid.h"

namespace {

struct SolveCase {
  const char* name;
  std::vector<const char*> select;                          // selection buttons, in order
  std::vector<std::pair<const char*, const char*>> inputs;  // typed before the panel runs
  const char* run;                                          // the panel's run button
  const char* target;                                       // caption in DesignTarget
  const char* value;
  const char* field;                                        // the insulation field
  std::function<long double(DesignWindow&)> quantity;       // what the target looks at, from the fields
  bool atMost;
};

class ThicknessSolve : public DesignWindow, public ::testing::WithParamInterface<SolveCase> {
 public:
  using DesignWindow::Number;

  // The panel run with the insulation field at mm; the quantity it shows.
  long double RunAt(const QString& mm) {
    const SolveCase& c = GetParam();
    Set(c.field, mm);
    Click(c.run);
    EXPECT_EQ(Messages(), QStringList());
    return c.quantity(*this);
  }
};

long double SurfaceOf(const char* field, DesignWindow& w) { return static_cast<ThicknessSolve&>(w).Number(field); }

// The target the dew-point case asks for: 80 % at 20 degC, 1 K margin.
const long double kDewTarget = DesignCalc::DewPoint(20, 80) + 1;

}  // namespace

TEST_P(ThicknessSolve, ForwardRunsMeetTheAnswer) {
  const SolveCase& c = GetParam();
  for (const char* button : c.select) Click(button);
  for (const auto& [field, text] : c.inputs) Set(field, QString::fromUtf8(text));
  Click(c.run);
  ASSERT_EQ(Messages(), QStringList());

  ShowPage("DesignPage");
  ChooseTarget(QString::fromUtf8(c.target));
  Set("DesignValue", QString::fromUtf8(c.value));
  const QString before = Text(c.field);
  Click("DesignRun");
  // Nothing on the panel changes while the work runs.
  EXPECT_EQ(Text(c.field), before);
  WaitForJob();
  ASSERT_EQ(Messages(), QStringList());
  ASSERT_FALSE(Text("DesignThickness").isEmpty()) << Text("DesignOutcome").toStdString();
  ASSERT_FALSE(Text("DesignStock").isEmpty()) << Text("DesignOutcome").toStdString();
  const long double target = std::string(c.target).find("結露") != std::string::npos ? kDewTarget : ToNumber(c.value);
  const long double exact = Number("DesignThickness"), stock = Number("DesignStock");
  EXPECT_EQ(Text(c.field), before);

  // The fields show hundredths: a quantity past the target by any amount
  // shows at or past it, one within it shows within it.
  auto meets = [&](long double q) { return c.atMost ? q <= target : q >= target; };
  auto fails = [&](long double q) { return c.atMost ? q >= target : q <= target; };
  const long double atExact = RunAt(Text("DesignThickness"));
  const long double thinner01 = RunAt(RoundedText(exact - 0.1L, 1));
  EXPECT_TRUE(meets(atExact)) << "exact " << static_cast<double>(exact) << ": " << static_cast<double>(atExact);
  EXPECT_TRUE(fails(thinner01)) << "0.1 mm less: " << static_cast<double>(thinner01);
  // The target lies within that last 0.1 mm step.
  EXPECT_LE(fabsl(atExact - target), fabsl(atExact - thinner01) + 0.01L);
  const StringGrid* checks = form->Grid("DesignChecks");
  const QString thinner = checks->Cell(1, 4);
  if (!thinner.isEmpty()) {
    EXPECT_TRUE(fails(RunAt(thinner))) << "the next thinner stock " << thinner.toStdString();
  }

  // 採用: the stock thickness in the field, the panel run.
  ShowPage("DesignPage");
  Click("DesignAccept");
  EXPECT_EQ(Messages(), QStringList());
  EXPECT_EQ(Text(c.field), NumberText(stock));
  EXPECT_TRUE(meets(c.quantity(*this))) << "stock " << static_cast<double>(stock);
  EXPECT_GE(stock, exact);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ThicknessSolve,
    ::testing::Values(
        SolveCase{"cylinder_surface", {"Button7"}, {}, "Button1", "表面温度の上限", "40", "Edit12",
                  [](DesignWindow& w) { return SurfaceOf("Edit2", w); }, true},
        SolveCase{"cylinder_heat_flow", {"Button7"}, {}, "Button1", "熱量の上限", "45", "Edit12",
                  [](DesignWindow& w) {
                    auto& t = static_cast<ThicknessSolve&>(w);
                    return t.Number("Edit20") / t.Number("Edit13");
                  },
                  true},
        // A chilled line: 5 degC inside, 80 % in air at 20 degC.
        SolveCase{"cylinder_dew_point", {"Button7"}, {{"Edit4", "5"}, {"CylinderHumidity", "80"}}, "Button1",
                  "結露しない（露点＋余裕）", "1", "Edit12", [](DesignWindow& w) { return SurfaceOf("Edit2", w); },
                  false},
        SolveCase{"flat_plate_surface", {"Button12"}, {}, "Button15", "表面温度の上限", "33", "Edit32",
                  [](DesignWindow& w) { return SurfaceOf("Edit24", w); }, true},
        SolveCase{"flat_wall_heat_flow", {"Button11"}, {}, "Button15", "熱量の上限", "450", "Edit32",
                  [](DesignWindow& w) {
                    auto& t = static_cast<ThicknessSolve&>(w);
                    return t.Number("Edit20") / t.Number("Edit5");
                  },
                  true},
        // Pipe flow runs on a worker thread: the water at 80 degC leaves the 100 m at 78.5 degC or more.
        SolveCase{"pipe_fluid_end", {"Button7", "Button67"}, {}, "Button69", "管端の流体温度", "78.5", "Edit12",
                  [](DesignWindow& w) { return SurfaceOf("Edit14", w); }, false}),
    [](const ::testing::TestParamInfo<SolveCase>& info) { return std::string(info.param.name); });

namespace {
class DesignPage : public DesignWindow {};
}  // namespace

TEST_F(DesignPage, HeaterPowerForASheathLimit) {
  // The heater on screen at start-up: the largest power whose sheath stays at 300 degC.
  ShowPage("DesignPage");
  ChooseTarget(QStringLiteral("ヒーターの最大電力"));
  Set("DesignValue", QStringLiteral("300"));
  Click("DesignRun");
  const long double power = Number("DesignPower");
  ASSERT_GT(power, 0);
  Click("DesignAccept");
  EXPECT_EQ(Text("Edit8"), NumberText(power));
  EXPECT_LE(Number("Edit2"), 300);
  // 0.1 W more takes the sheath past the limit.
  Set("Edit8", NumberText(power + 0.1L));
  Click("Button1");
  EXPECT_GT(Number("Edit2"), 299.99);
  // Targets of the insulation do not apply to the heater.
  ShowPage("DesignPage");
  ChooseTarget(QStringLiteral("表面温度の上限"));
  Click("DesignRun");
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("ヒーター温度では「ヒーターの最大電力」だけを求めます。")});
}

TEST_F(DesignPage, CancelledPipeSolveWritesNothing) {
  Click("Button7");
  Click("Button67");
  ShowPage("DesignPage");
  ChooseTarget(QStringLiteral("管端の流体温度"));
  Set("DesignValue", QStringLiteral("78.5"));
  Click("DesignRun");
  EXPECT_TRUE(form->IsShown("DesignBusy"));
  EXPECT_FALSE(form->Control("DesignRun")->isEnabled());
  Click("DesignCancel");
  EXPECT_FALSE(form->IsShown("DesignBusy"));
  EXPECT_TRUE(form->Control("DesignRun")->isEnabled());
  // Long enough for the dropped work to end: its result never shows.
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 1500) QApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(Texts({"DesignThickness", "DesignStock", "DesignOutcome"}), (QStringList{"", "", ""}));
  EXPECT_FALSE(form->Control("DesignAccept")->isEnabled());
  // Panel changed since the solve: 採用 checks first.
  Click("DesignRun");
  WaitForJob();
  Set("Edit67", QStringLiteral("0.2"));
  Click("DesignAccept");
  EXPECT_EQ(Messages().size(), 1);
  EXPECT_EQ(Text("Edit12"), QStringLiteral("25"));
}

// The margin above the dew point lies within 0 to 50 K: 1e300 K at 99.9999 %
// showed 「露点 0 ℃」 (the target less the margin). The note gives the dew
// point of the air itself.
TEST_F(DesignPage, DewPointMarginOutsideItsRangeIsRefused) {
  Click("Button7");
  Set("CylinderHumidity", QStringLiteral("99.9999"));
  Click("Button1");
  ShowPage("DesignPage");
  ChooseTarget(QStringLiteral("結露しない（露点＋余裕）"));
  for (const char* margin : {"1e300", "-1", "50.01"}) {
    SCOPED_TRACE(margin);
    Set("DesignValue", QString::fromLatin1(margin));
    Click("DesignRun");
    EXPECT_EQ(
        Messages(),
        QStringList{QStringLiteral("余裕 K（露点に足す余裕） '%1' は 0 以上 50 以下の数にしてください。")
                        .arg(NumberText(ToNumber(QString::fromLatin1(margin))))});
    EXPECT_EQ(Text("DesignOutcome"), QString());
  }
  Set("DesignValue", QStringLiteral("50"));
  Click("DesignRun");
  WaitForJob();
  EXPECT_EQ(Messages(), QStringList());
  const QString dew = QStringLiteral("露点 %1 ℃").arg(RoundHundredths(DesignCalc::DewPoint(20, 99.9999L)));
  EXPECT_TRUE(Text("DesignOutcome").contains(dew)) << Text("DesignOutcome").toStdString();
}
