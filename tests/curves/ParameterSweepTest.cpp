// The sweep of one input: each row shows exactly the texts a single run
// with that input shows, and the sweep leaves the window's fields and its
// store as they were. Long sweeps run in the background and stop at once.
#include <QComboBox>
#include <QListWidget>
#include <QTableWidget>
#include <cmath>
#include <functional>

#include "curves/CurvesWindow.h"
#include "operations/curves/BackgroundWork.h"
#include "operations/curves/CurvePage.h"

namespace {

struct SweepCase {
  const char* name;
  std::vector<const char*> select;  // buttons that bring the calculator on screen
  const char* input;                // the caption in SweepField
  const char* field;                // its field
  const char *from, *to, *points;
  const char* run;  // 実行 of its panel
};

class ParameterSweep : public CurvesWindow {
 protected:
  QComboBox* Field() const { return static_cast<QComboBox*>(form->Control("SweepField")); }
  QTableWidget* Grid() const { return static_cast<QTableWidget*>(form->Control("SweepGrid")); }

  // Chooses the input as SweepField's list offers it, the range, and every result.
  void Prepare(const SweepCase& c) {
    Click("GraphButton");
    const int i = Field()->findText(QString::fromUtf8(c.input));
    ASSERT_GE(i, 0) << c.input << " not among the inputs";
    Field()->setCurrentIndex(i);
    emit Field()->activated(i);
    Set("SweepFrom", QString::fromUtf8(c.from));
    Set("SweepTo", QString::fromUtf8(c.to));
    Set("SweepPoints", QString::fromUtf8(c.points));
    auto* results = static_cast<QListWidget*>(form->Control("SweepResults"));
    for (int r = 0; r < results->count(); ++r) results->item(r)->setCheckState(Qt::Checked);
  }
  QString Cell(int row, int column) const { return Grid()->item(row, column)->text(); }
};

TEST_F(ParameterSweep, EachRowIsASingleRunAndTheWindowStaysAsItWas) {
  const SweepCase cases[] = {
      {"cooling plate", {"Button12", "Button71"}, "時間 h", "Edit75", "0.5", "8", "4", "Button15"},
      {"pipe flow", {"Button7", "Button67"}, "層厚さ（保温材） mm", "Edit12", "10", "200", "50", "Button1"},
      {"liquid heating", {"Button30"}, "断熱材厚さ mm", "Edit39", "0", "100", "3", "Button34"},
  };
  for (const SweepCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (const char* button : c.select) Click(button);
    Settle();
    Prepare(c);
    const QStringList before = WindowTexts();
    Click("SweepRun");
    Settle();
    EXPECT_EQ(WindowTexts(), before) << "the sweep changes no field and no store cell";

    const int points = QString::fromUtf8(c.points).toInt();
    ASSERT_EQ(Grid()->rowCount(), points);
    EXPECT_EQ(Grid()->horizontalHeaderItem(0)->text(), QString::fromUtf8(c.input));
    EXPECT_EQ(Cell(0, 0), QString::fromUtf8(c.from));
    EXPECT_EQ(Cell(points - 1, 0), QString::fromUtf8(c.to));
    EXPECT_EQ(Plot().xCaption, QString::fromUtf8(c.input));
    // The results' fields by their captions, as the check list names them.
    auto* results = static_cast<QListWidget*>(form->Control("SweepResults"));
    ASSERT_EQ(Grid()->columnCount(), results->count() + 1) << "no messages";
    for (int row : {0, points / 2, points - 1}) {
      Set(c.field, Cell(row, 0));
      Click(c.run);
      Settle();
      for (int k = 0; k < results->count(); ++k) {
        const QByteArray field = results->item(k)->data(Qt::UserRole).toString().toLatin1();
        EXPECT_EQ(Cell(row, k + 1), Text(field.constData())) << "row " << row << " " << field.constData();
      }
    }
    // 実行 brings the calculator's own chart back over the sweep's.
    EXPECT_FALSE(Plot().title.endsWith(QStringLiteral("を変えたときの結果"))) << Plot().title.toStdString();
    EXPECT_EQ(TakeMessages(), QStringList());
  }
}

// A point whose Run refuses its input says why in a column of its own and
// shows no result: what another input left in the fields is none of its own.
TEST_F(ParameterSweep, APointTheRunRefusesShowsTheRefusalAndNoResult) {
  Click("Button7");
  Prepare({"cylinder", {}, "層厚さ（構造材） mm", "Edit34", "6", "80", "3", "Button1"});
  Click("SweepRun");
  Settle();
  ASSERT_EQ(Grid()->rowCount(), 3);
  const int notes = Grid()->columnCount() - 1;
  EXPECT_EQ(Grid()->horizontalHeaderItem(notes)->text(), QStringLiteral("メッセージ"));
  EXPECT_EQ(Cell(2, 0), QStringLiteral("80"));  // twice 80 mm exceeds the tube's 114.3 mm
  EXPECT_EQ(Cell(2, notes), QStringLiteral("内層外径と内層厚さを確認してください。"));
  for (int c = 1; c < notes; ++c) {
    const QString header = Grid()->horizontalHeaderItem(c)->text();
    EXPECT_FALSE(Cell(0, c).isEmpty()) << c;
    // The panel's guard writes the outer diameter before the calculator refuses.
    if (header != QStringLiteral("外径（保温材） mm")) {
      EXPECT_TRUE(Cell(2, c).isEmpty()) << header.toStdString();
    }
  }
  EXPECT_EQ(Cell(0, notes), QString());
  EXPECT_EQ(TakeMessages(), QStringList()) << "the sweep shows no message box";
}

// A sweep beyond the number range is refused by its range and leaves the
// table as it was (it filled the table and plotted infinity); results too
// large to draw are left out of the chart and said. What goes wrong in the
// work of a worker thread, or in showing its result, is said on the
// window's thread as an operation's error is (it was dropped).
TEST_F(ParameterSweep, BeyondTheNumberRangeAndFaultsOfTheWorkerAreSaid) {
  Click("Button7");
  Settle();
  Prepare({"cylinder", {}, "層厚さ（保温材） mm", "Edit12", "1e400", "1e401", "5", "Button1"});
  Click("SweepRun");
  Settle();
  EXPECT_EQ(TakeMessages(),
            QStringList{QStringLiteral("範囲 '1e400' ～ '1e401' は -1E300 以上 1E300 以下の数にしてください"
                                       "（グラフに描ける範囲）。")});
  EXPECT_EQ(Grid()->rowCount(), 0);

  Set("Edit13", QStringLiteral("1e300"));
  Set("Edit4", QStringLiteral("1e300"));
  Click("Button1");
  Prepare({"cylinder", {}, "外気温度 ℃", "Edit3", "10", "20", "3", "Button1"});
  Click("SweepRun");
  Settle();
  EXPECT_EQ(TakeMessages(), QStringList());
  ASSERT_EQ(Grid()->rowCount(), 3);
  for (const ChartCurve& curve : Plot().curves)
    for (const ChartPoint& p : curve.points) EXPECT_TRUE(std::isfinite(p.y)) << curve.title.toStdString();
  EXPECT_TRUE(Text("SweepStatus").endsWith(QStringLiteral("は描いていません")))
      << Text("SweepStatus").toStdString();

  BackgroundWork work(nullptr, [this](const std::function<void()>& op) { form->Guarded(op); });
  auto overflow = [] {
    volatile long double big = 1E4000L;
    big = big * big;
  };
  bool finished = false;
  work.Start([&](curves::SweepControl&) { overflow(); }, [&] { finished = true; });
  EXPECT_FALSE(work.Busy());
  EXPECT_EQ(TakeMessages(), QStringList{QStringLiteral("浮動小数点数のオーバーフロー")});
  EXPECT_FALSE(finished) << "no result after a fault";
  work.Start([](curves::SweepControl&) {},
             [&] {
               overflow();
               form->SetText("SweepStatus", QStringLiteral("shown"));
             });
  EXPECT_EQ(TakeMessages(), QStringList{QStringLiteral("浮動小数点数のオーバーフロー")});
  EXPECT_NE(Text("SweepStatus"), QStringLiteral("shown"));
}

TEST_F(ParameterSweep, ALongSweepRunsInTheBackgroundAndStopsAtOnce) {
  Click("Button30");
  Click("Button32");  // gas by heater: a power search of up to seconds a point
  Settle();
  Prepare({"gas", {}, "上昇時間 h", "Edit43", "0.5", "2", "200", "Button34"});
  const QStringList before = WindowTexts();
  Click("SweepRun");
  ASSERT_TRUE(form->Curves().Busy());
  EXPECT_TRUE(form->IsShown("SweepProgress"));
  EXPECT_TRUE(form->Control("SweepCancel")->isEnabled());
  Click("SweepCancel");
  EXPECT_FALSE(form->Curves().Busy());
  EXPECT_FALSE(form->IsShown("SweepProgress"));
  EXPECT_EQ(Text("SweepStatus"), QStringLiteral("中止しました"));
  EXPECT_EQ(WindowTexts(), before);
  EXPECT_EQ(TakeMessages(), QStringList());
}

}  // namespace
