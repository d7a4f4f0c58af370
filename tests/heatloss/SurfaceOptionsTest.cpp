// The automatic outer coefficient and k(T) through the real window: the
// coefficient a run uses is the coefficient panel's for the same air and
// size, and taken back from the panel it gives the same run; the options
// are kept per calculator with the conditions and load as off without them;
// pipe flow's inner coefficient comes from its fluid; bad options are named.
#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <utility>
#include <vector>

#include "HeatLossWindow.h"
#include "calc/surface/AirProperties.h"
#include "calc/surface/PipeInnerCoefficient.h"
#include "foundation/NumberText.h"
#include "operations/heatloss/HeatLossInputs.h"
#include "widgets/FieldSnapshot.h"
#include "widgets/StringGrid.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

class SurfaceOptionsWindow : public HeatLossWindow {
 protected:
  bool Checked(const char* box) const { return form->IsChecked(box); }
  bool ReadOnly(const char* field) const { return form->Edit(field)->isReadOnly(); }
  void Choose(const char* orientation) {
    static_cast<QComboBox*>(form->Control("Orientation"))->setCurrentText(U(orientation));
  }
  long double Number(const char* field) const { return ToNumber(Text(field)); }

  // The coefficient panel's natural-convection entry for air at the film
  // temperature of a surface at Ts over air at Ta (℃), the length L in m.
  long double PanelCoefficient(const char* entry, long double L, long double Ts, long double Ta) {
    const SurfaceCalc::AirProperties air = SurfaceCalc::AirAtKelvin((Ts + Ta) / 2 + 273.15L);
    if (!form->IsShown("Panel21")) Click("Button9");
    Set("Edit71", U(entry));
    Click("Button65");
    StringGrid* items = form->Grid("StringGrid4");
    const long double values[][3] = {{1, 1, L},       {1, 2, air.nu},     {1, 3, air.cp / 3600},
                                     {1, 4, air.rho}, {1, 5, air.lambda}, {3, 1, Ts},
                                     {3, 2, Ta},      {3, 3, air.beta}};
    for (const auto& v : values) items->SetCell(int(v[0]), int(v[1]), NumberText(v[2]));
    Click("Button70");
    return Number("Edit72");
  }
};

}  // namespace

// The window's path of the correctness line: the coefficient 自動 uses at the
// final surface equals entry 63 (horizontal cylinder) and entry 55
// (vertical plate) of the coefficient panel for the same air and size;
// h を対流熱伝達率へ takes the panel's h into Edit17 with 自動 off, and the
// run with it ends at the same surface.
TEST_F(SurfaceOptionsWindow, AutomaticCoefficientIsTheCoefficientPanels) {
  struct Case {
    const char* select;
    const char* run;
    const char* surface;
    const char* entry;
    long double length;  // m
  };
  const Case cases[] = {{"Button7", "Button1", "Edit2", "63", 0.2143L},
                        {"Button12", "Button15", "Edit24", "55", 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    Click(c.select);
    const QString typed = Text("Edit17");
    const QStringList typedResults = Texts({"Edit18", "Edit19", "Edit20", c.surface});
    Set("SurfaceLength", QStringLiteral("2"));
    Click("AutoCoefficient");
    EXPECT_TRUE(Checked("AutoCoefficient"));
    EXPECT_TRUE(ReadOnly("Edit17"));
    EXPECT_TRUE(form->Control("SurfacePage")->isVisible()) << "the page opens with the box";
    const long double h = Number("Edit17"), Ts = Number(c.surface);
    EXPECT_NE(Text(c.surface), typedResults[3]);
    EXPECT_TRUE(Text("SurfaceNote").contains(Text("Edit17") + U(" W/(m2・℃)")))
        << Text("SurfaceNote").toStdString();
    // The convection and radiation split as before.
    EXPECT_NEAR(double(Number("Edit20")), double(Number("Edit18") + Number("Edit19")), 0.0100001);

    // The panel shows h to tenths, Edit17 to hundredths.
    const long double panel = PanelCoefficient(c.entry, c.length, Ts, 20);
    EXPECT_NEAR(double(panel), double(h), 0.056);

    const QString automatic = Text("Edit17");
    Click("TakeCoefficient");
    EXPECT_FALSE(Checked("AutoCoefficient"));
    EXPECT_FALSE(ReadOnly("Edit17"));
    EXPECT_EQ(Text("Edit17"), Text("Edit72"));
    Click("Button9");  // the coefficient panel closes
    // The coefficient 自動 used, typed, gives the surface it found.
    Set("Edit17", automatic);
    Click(c.run);
    EXPECT_NEAR(double(Number(c.surface)), double(Ts), 0.015);
    // Typed again: the typed coefficient and its results come back.
    Set("Edit17", typed);
    Click(c.run);
    EXPECT_EQ(Texts({"Edit18", "Edit19", "Edit20", c.surface}), typedResults);
  }
  EXPECT_EQ(Messages(), QStringList());
}

// Saved with the calculator's conditions in its own cells; another
// calculator keeps its own; a new window reads them back; a store without
// them (the factory's) loads as off; changing an option alone asks before
// the window closes.
TEST_F(SurfaceOptionsWindow, OptionsAreKeptWithEachCalculatorsConditions) {
  for (const char* select : {"Button12", "Button11", "Button7", "Button8"}) {
    Click(select);
    EXPECT_FALSE(Checked("AutoCoefficient")) << select;
    EXPECT_EQ(Text("Edit17"), QStringLiteral("9"));
    EXPECT_FALSE(ReadOnly("Edit17"));
    EXPECT_EQ(Text("KTableB2"), QString());
    EXPECT_EQ(Text("KTableButton"), QStringLiteral("k(T)"));
    EXPECT_EQ(
        Text("Orientation"),
        U(select == QLatin1String("Button7") || select == QLatin1String("Button8") ? "水平管" : "垂直壁"));
  }
  Click("Button7");
  Click("Button6");
  EXPECT_EQ(Messages(), QStringList{U("デ－タを保存しました")});
  const QByteArray saved = folder.Store();
  const QStringList plain = Texts({"Edit2", "Edit20", "Edit21"});
  Click("AutoCoefficient");
  Choose("垂直管");
  Set("WindSpeed", QStringLiteral("2"));
  Set("KTableB2", QStringLiteral("1.1E-4"));
  Set("KTableC2", QStringLiteral("2E-7"));
  Enter("KTableC2");
  const QStringList withOptions = Texts({"Edit2", "Edit20", "Edit21", "Edit17"});
  EXPECT_NE(withOptions.mid(0, 3), plain);
  EXPECT_EQ(Text("KTableButton"), U("k(T) 使用中"));
  // A view that runs the calculator on a copy of the window (a curve, a
  // thickness solve) reads the same options.
  FieldSnapshot copy(*form);
  const std::optional<HeatLossCalc::CylinderInputs> in = CylinderInputsOf(copy);
  ASSERT_TRUE(in);
  EXPECT_TRUE(in->outer.on);
  EXPECT_EQ(in->outer.orientation, SurfaceCalc::Orientation::VerticalPipe);
  EXPECT_EQ(in->outer.wind, 2);
  EXPECT_EQ(in->k2T.b, ToNumber(QStringLiteral("1.1E-4")));
  EXPECT_EQ(in->k2T.c, ToNumber(QStringLiteral("2E-7")));
  EXPECT_FALSE(form->close()) << "an option alone is a change of the conditions";
  EXPECT_EQ(dialogs->confirmations.size(), 1);
  dialogs->confirmations.clear();
  Click("Button6");
  EXPECT_EQ(Messages(), QStringList{U("デ－タを保存しました")});
  EXPECT_EQ((QStringList{Cell(1, 31), Cell(1, 32), Cell(1, 33), Cell(1, 36), Cell(1, 37)}),
            (QStringList{"1", U("垂直管"), "2", "1.1E-4", "2E-7"}));
  EXPECT_EQ(Cell(1, 34).trimmed(), QString());

  Click("Button12");  // the flat plate keeps its own, off
  EXPECT_FALSE(Checked("AutoCoefficient"));
  EXPECT_EQ(Text("KTableB2"), QString());
  EXPECT_EQ(Text("Edit17"), QStringLiteral("9"));
  Click("Button7");
  EXPECT_TRUE(Checked("AutoCoefficient"));
  EXPECT_EQ(Texts({"Edit2", "Edit20", "Edit21", "Edit17"}), withOptions);

  form.reset();
  HeatLossWindow::SetUp();
  Click("Button7");
  EXPECT_EQ(Texts({"Edit2", "Edit20", "Edit21", "Edit17"}), withOptions);
  EXPECT_EQ(Text("Orientation"), U("垂直管"));
  // 自動 off: the typed coefficient returns; with k(T) emptied the results
  // are today's again, and a save leaves the store as it was.
  Click("AutoCoefficient");
  EXPECT_EQ(Text("Edit17"), QStringLiteral("9"));
  Choose("水平管");
  Set("WindSpeed", QString());
  Set("KTableB2", QString());
  Set("KTableC2", QString());
  Click("Button1");
  EXPECT_EQ(Texts({"Edit2", "Edit20", "Edit21"}), plain);
  Click("Button6");
  EXPECT_EQ(Messages(), QStringList{U("デ－タを保存しました")});
  EXPECT_EQ(folder.Store(), saved);
}

// Pipe flow's inner coefficient from its fluid: water at 80 ℃ (0.355 mPa・s,
// 0.670 W/m℃), 1 m3/h through the 52.7 mm bore, turbulent. Off, the typed
// value returns.
TEST_F(SurfaceOptionsWindow, PipeFlowTakesItsInnerCoefficientFromTheFluid) {
  Click("Button7");
  Click("Button67");
  Click("KTableButton");
  EXPECT_TRUE(form->Control("InnerSection")->isVisible());
  const QStringList typed = Texts({"Edit14", "Edit4", "Edit20", "Edit69"});
  Set("FluidViscosity", QStringLiteral("0.355"));
  Set("FluidConductivity", QStringLiteral("0.67"));
  Click("InnerAutoCoefficient");
  const long double hi = SurfaceCalc::PipeInnerCoefficient({1, 1, 1, 0.0527L, 0.355L, 0.67L}).h;
  EXPECT_EQ(Text("Edit69"), RoundHundredths(hi));
  EXPECT_TRUE(ReadOnly("Edit69"));
  EXPECT_GT(Number("Edit4"), ToNumber(typed[1])) << "the wall lies nearer the fluid";
  EXPECT_TRUE(Text("InnerNote").contains(U("乱流 Gnielinski"))) << Text("InnerNote").toStdString();
  Click("InnerAutoCoefficient");
  EXPECT_EQ(Texts({"Edit14", "Edit4", "Edit20", "Edit69"}), typed);
  EXPECT_EQ(Messages(), QStringList());

  Click("InnerAutoCoefficient");
  Set("FluidViscosity", QStringLiteral("0"));
  Click("Button69");
  EXPECT_EQ(Messages().size(), 1);
}

// What the options cannot take is named, and the results stay.
TEST_F(SurfaceOptionsWindow, OptionsThatCannotHoldAreNamed) {
  Click("Button7");
  Click("AutoCoefficient");
  const QStringList before = Texts({"Edit2", "Edit20", "Edit21"});
  struct Case {
    const char* orientation;
    const char* wind;
    const char* b2;
    QString message;
  };
  const Case cases[] = {
      {"水平面 上向き", "", "", U("円筒の向きは水平管か垂直管にしてください。")},
      {"水平管", "-1", "", U("風速 m/s（0は無風） '-1' は 0 以上 100 以下の数にしてください。")},
      {"水平管", "", "-0.001",
       U("保温材の熱伝導率 k(T) が 20～180 ℃ で0以下になります。a, b, c を確かめてください。")},
  };
  for (const Case& c : cases) {
    Choose(c.orientation);
    Set("WindSpeed", U(c.wind));
    Set("KTableB2", U(c.b2));
    Click("Button1");
    EXPECT_EQ(Messages(), QStringList{c.message});
    EXPECT_EQ(Texts({"Edit2", "Edit20", "Edit21"}), before);
  }
  Click("Button12");
  Click("AutoCoefficient");
  Choose("水平管");
  Click("Button15");
  EXPECT_EQ(Messages(), QStringList{U("平板の向きは垂直壁か水平面にしてください。")});
  // The heating calculators read Edit17 as typed: the box is not theirs.
  Click("Button30");
  EXPECT_FALSE(form->IsShown("AutoCoefficient"));
  EXPECT_FALSE(ReadOnly("Edit17"));
  Click("Button29");
  EXPECT_TRUE(form->IsShown("AutoCoefficient"));
  EXPECT_EQ(Messages(), QStringList());
}

// A wind beyond any weather is refused by its caption on every calculator
// and on the thickness page, which reads the inputs as the Run does; 100 m/s
// is the last wind taken. A loss that would show as 0 W because no scanned
// surface passed (a coefficient beyond reason, from a length of next to
// nothing or a typed one with k(T)) is said, and the results stay.
TEST_F(SurfaceOptionsWindow, WindBeyondWeatherAndScansWithoutBalanceAreRefused) {
  const QString wind = U("風速 m/s（0は無風） '100000' は 0 以上 100 以下の数にしてください。");
  const QString noBalance =
      U("外表面の温度が外気の温度から離れず、熱の釣り合いが見つかりません（放熱量は 0 W ではありません）。"
        "対流熱伝達率・風速が大き過ぎないか、層の厚さと熱伝導率を確かめてください。");
  struct Case {
    const char* select;
    const char* run;
  };
  const Case calculators[] = {
      {"Button8", "Button1"}, {"Button7", "Button1"}, {"Button12", "Button15"}, {"Button11", "Button15"}};
  for (const Case& c : calculators) {
    SCOPED_TRACE(c.select);
    Click(c.select);
    if (!Checked("AutoCoefficient")) Click("AutoCoefficient");
    Set("WindSpeed", U("100"));
    Click(c.run);
    EXPECT_EQ(Messages(), QStringList());
    const QStringList before = Texts({"Edit2", "Edit18", "Edit19", "Edit20"});
    Set("WindSpeed", U("100000"));
    Click(c.run);
    EXPECT_EQ(Messages(), QStringList{wind});
    EXPECT_EQ(Texts({"Edit2", "Edit18", "Edit19", "Edit20"}), before);
    Set("WindSpeed", QString());
    Click("AutoCoefficient");
  }
  // Pipe flow: the fluid would leave at its inlet temperature.
  Click("Button7");
  Click("Button67");
  Click("AutoCoefficient");
  const QString end = Text("Edit14");
  Set("WindSpeed", U("100000"));
  Click("Button69");
  EXPECT_EQ(Messages(), QStringList{wind});
  EXPECT_EQ(Text("Edit14"), end);
  // The thickness page answered 0 mm.
  Click("Button7");
  Click("AutoCoefficient");
  Set("WindSpeed", U("100000"));
  Click("GraphButton");
  static_cast<QTabWidget*>(form->Control("AnalysisView"))->setCurrentWidget(form->Control("DesignPage"));
  QApplication::processEvents();
  Click("DesignRun");
  EXPECT_EQ(Messages(), QStringList{wind});
  EXPECT_EQ(Text("DesignThickness"), QString());
  Set("WindSpeed", QString());
  Click("AutoCoefficient");

  // No balance: each showed 0 W (the heater a surface below the air).
  struct Scan {
    const char* select;
    const char* run;
    std::vector<std::pair<const char*, const char*>> fields;
    bool automatic;
  };
  const Scan scans[] = {
      {"Button12", "Button15", {{"SurfaceLength", "1e-300"}}, true},
      {"Button11", "Button15", {{"KTableB2", "1E-5"}, {"Edit17", "1000000"}}, false},
      {"Button7", "Button1", {{"KTableB2", "1E-5"}, {"Edit17", "10000000"}}, false},
      {"Button8", "Button1", {{"KTableB2", "1E-5"}, {"Edit17", "10000000"}}, false},
  };
  for (const Scan& s : scans) {
    SCOPED_TRACE(s.select);
    Click(s.select);
    if (s.automatic) Click("AutoCoefficient");
    const QStringList before = Texts({"Edit2", "Edit18", "Edit19", "Edit20"});
    for (const auto& [field, text] : s.fields) Set(field, U(text));
    Click(s.run);
    EXPECT_EQ(Messages(), QStringList{noBalance});
    EXPECT_EQ(Texts({"Edit2", "Edit18", "Edit19", "Edit20"}), before);
    for (const auto& [field, text] : s.fields) Set(field, QString());
    Set("Edit17", U("9"));
    if (s.automatic) Click("AutoCoefficient");
  }
  // Pipe flow with k(T) takes a typed coefficient above 10000 as 10000: its
  // fluid left at the inlet temperature.
  Click("Button7");
  Click("Button67");
  const QString typed = Text("Edit14");
  Set("KTableB2", U("1E-5"));
  Set("Edit17", U("10000"));
  Click("Button69");
  EXPECT_EQ(Messages(), QStringList{noBalance});
  EXPECT_EQ(Text("Edit14"), typed);
}
