// The chart of the calculator on screen, read back as drawn, against the
// calculation: the layer profiles pass through every temperature field,
// the histories end at the result fields, the heat-up curves end at the
// rise time within one search step below T1. A Run with a trace writes
// exactly what the window shows.
#include <cmath>

#include "curves/CurvesWindow.h"
#include "foundation/NumberText.h"
#include "operations/curves/CurvePage.h"
#include "operations/heating/HeatingPanel.h"
#include "operations/heating/HeatingTrace.h"
#include "widgets/FieldSnapshot.h"

namespace {

const QString kProfile = QStringLiteral("層内の温度");
const QString kBoundary = QStringLiteral("層の境界");

class CalculatorChart : public CurvesWindow {
 protected:
  long double Number(const char* name) const { return ToNumber(Text(name)); }

  // The profile passes through the fields at the positions: the field
  // texts are rounded to hundredths.
  void ExpectThrough(const std::vector<double>& at, std::initializer_list<const char*> fields) {
    ASSERT_EQ(at.size(), fields.size()) << Plot().title.toStdString();
    size_t i = 0;
    for (const char* field : fields) {
      const double x = at[i++];
      bool found = false;
      for (const ChartPoint& p : Curve(kProfile).points)
        if (p.x == x) {
          found = true;
          EXPECT_NEAR(p.y, static_cast<double>(Number(field)), 0.005) << field << " at " << x << " mm";
        }
      EXPECT_TRUE(found) << "a point at " << x << " mm";
    }
  }
  // The inner side, each boundary between layers, the outer surface.
  std::vector<double> Boundaries(bool fromZero = true) const {
    std::vector<double> at = Marks(kBoundary);
    if (fromZero) at.insert(at.begin(), 0);
    at.push_back(Curve(kProfile).points.back().x);
    return at;
  }
  // The window's heating Run again with a trace: the same texts, and the model.
  HeatingTrace Traced() {
    FieldSnapshot copy(*form);
    HeatingTrace trace;
    HeatingPanel::RunTraced(copy, &trace);
    for (const char* name : {"Edit46", "Edit47", "Edit48", "Edit55"})
      EXPECT_EQ(copy.Text(name), Text(name)) << name;
    return trace;
  }
};

TEST_F(CalculatorChart, HeatLossChartsPassThroughTheirResultFields) {
  {
    SCOPED_TRACE("flat plate, steady");
    Click("Button12");
    ExpectThrough(Boundaries(), {"Edit27", "Edit23", "Edit24"});
    ASSERT_EQ(Boundaries().size(), 3u);
    EXPECT_NEAR(Boundaries()[1], Number("Edit31"), 1e-9);
    EXPECT_NEAR(Boundaries()[2], Number("Edit31") + Number("Edit32"), 1e-9);
    EXPECT_EQ(Curve(QStringLiteral("外気温度")).points.front().y, Number("Edit25"));
  }
  {
    SCOPED_TRACE("flat plate, cooling over the hours");
    Click("Button71");
    const std::vector<ChartPoint>& plate = Curve(QStringLiteral("板の温度")).points;
    EXPECT_EQ(plate.size(), 2001u);
    EXPECT_EQ(plate.front().y, Number("Edit27"));
    EXPECT_EQ(RoundHundredths(plate.back().y), Text("Edit76"));
    EXPECT_NEAR(plate.back().x, Number("Edit75"), 1e-9);
    EXPECT_EQ(Plot().xCaption, QStringLiteral("時間 h"));
  }
  {
    SCOPED_TRACE("flat wall");
    Click("Button11");
    ExpectThrough(Boundaries(), {"Edit27", "Edit23", "Edit24"});
    EXPECT_EQ(Curve(QStringLiteral("内気温度")).points.front().y, Number("Edit26"));
  }
  {
    SCOPED_TRACE("cylinder");
    Click("Button7");
    ExpectThrough(Boundaries(), {"Edit4", "Edit21", "Edit2"});
    EXPECT_NEAR(Boundaries().back(), Number("Edit34") + Number("Edit12"), 1e-9);
  }
  {
    SCOPED_TRACE("pipe flow");
    Click("Button67");
    const std::vector<ChartPoint>& fluid = Curve(QStringLiteral("流体温度")).points;
    EXPECT_EQ(fluid.front().y, Number("Edit70"));
    EXPECT_EQ(RoundHundredths(fluid.back().y), Text("Edit14"));
    EXPECT_NEAR(fluid.back().x, Number("Edit13"), 1e-9);
    EXPECT_EQ(RoundHundredths(Curve(QStringLiteral("外表面温度")).points.back().y), Text("Edit2"));
    EXPECT_EQ(Curve(QStringLiteral("外気温度")).points.front().y, Number("Edit68"));
  }
  {
    SCOPED_TRACE("heater, from the wire's centre");
    Click("Button8");
    ExpectThrough(Boundaries(false), {"Edit4", "Edit21", "Edit2"});
    const std::vector<double> at = Boundaries(false);
    ASSERT_EQ(at.size(), 3u);
    const char* diameters[] = {"Edit9", "Edit10", "Edit11"};
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(at[i], Number(diameters[i]) / 2, 1e-9) << diameters[i];
    // The wire's part rests on an assumed conductivity, and says so.
    EXPECT_EQ(Plot().curves[1].title, QStringLiteral("発熱線内（熱伝導率 15 W/(m・℃) と仮定）"));
    EXPECT_EQ(Plot().curves[1].points.front().x, 0);
  }
  EXPECT_EQ(Plot().yCaption, QStringLiteral("温度 ℃"));
}

TEST_F(CalculatorChart, HeatUpCurvesEndAtTheRiseTimeWithinOneSearchStepBelowT1) {
  using namespace heating;
  Click("Button30");
  Settle();
  Set("Edit39", QStringLiteral("50"));  // insulated: the outer surface is drawn too
  Enter("Edit39");
  Settle();
  for (const char* material : {"Button31", "Button33"}) {
    SCOPED_TRACE(material);
    Click(material);
    Settle();
    const HeatingTrace trace = Traced();
    ASSERT_EQ(trace.model, HeatingTrace::Model::Tank);
    const ChartCurve& content = Plot().curves.front();
    EXPECT_EQ(content.points.back().y,
              static_cast<double>(SimulateHeating(trace.tank, trace.tankPower).endTemperature - kKelvin));
    EXPECT_NEAR(content.points.back().x, Number("Edit43"), 1e-4);
    EXPECT_LE(content.points.back().y, Number("Edit42"));
    EXPECT_GT(SimulateHeating(trace.tank, trace.tankPower + 0.01L).endTemperature, trace.tank.T1);
    EXPECT_EQ(Marks(QStringLiteral("上昇時間")), std::vector<double>{static_cast<double>(Number("Edit43"))});
    EXPECT_EQ(Curve(QStringLiteral("加熱後温度 T₁")).points.front().y, Number("Edit42"));
    bool surface = false;
    for (const ChartCurve& c : Plot().curves) surface = surface || c.title == QStringLiteral("外表面温度");
    EXPECT_EQ(surface, trace.tank.insulated);
  }
  {
    SCOPED_TRACE("gas by heater");
    Click("Button32");
    Settle();
    const HeatingTrace trace = Traced();
    ASSERT_EQ(trace.model, HeatingTrace::Model::Gas);
    const GasState end = IntegrateGas(trace.box, trace.gasPower);
    const ChartCurve& gas = Curve(QStringLiteral("気体の温度"));
    EXPECT_EQ(gas.points.back().y, static_cast<double>(end.Tg - kKelvin));
    EXPECT_EQ(Curve(QStringLiteral("内壁の温度")).points.back().y, static_cast<double>(end.Tw - kKelvin));
    EXPECT_NEAR(gas.points.back().x, Number("Edit43"), 1e-9);
    EXPECT_LT(gas.points.back().y, Number("Edit42"));
    const GasState over = IntegrateGas(trace.box, trace.gasPower + trace.box.P0 * 0.01L);
    EXPECT_TRUE(over.Tg >= trace.box.T1 || over.Tg <= over.Tw);
  }
  {
    SCOPED_TRACE("gas heated by the wall");
    Click("RadioButton4");
    Settle();
    const HeatingTrace trace = Traced();
    ASSERT_EQ(trace.model, HeatingTrace::Model::Wall);
    const char* fields[] = {"Edit46", "Edit47", "Edit48"};
    const char* titles[] = {"対流のみ", "放射のみ", "対流と放射"};
    for (int i = 0; i < 3; ++i) {
      const ChartCurve& c = Curve(QString::fromUtf8(titles[i]));
      EXPECT_EQ(NumberText(std::nearbyint(c.points.back().y)), Text(fields[i])) << titles[i];
      EXPECT_NEAR(c.points.back().x, Number("Edit43"), 1e-3) << titles[i];
      EXPECT_LE(c.points.size(), 2002u);
    }
  }
  EXPECT_EQ(TakeMessages(), QStringList());
}

TEST(AxisTicks, WholeNumbersTickElementNumbersOnly) {
  EXPECT_EQ(AxisTicks(1, 3, 6, true), (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(AxisTicks(0, 1.1), (std::vector<double>{0, 0.2, 0.4, 0.6, 0.8, 1, 1.2}));
}

}  // namespace
