// Thicknesses, diameters, lengths, areas and conductivities that no line
// has, on every panel: each is refused by its caption and every result stays
// (a cylinder with insulation -0.1 mm showed 2,497,351 W, -1 mm or k = -0.05
// showed 0 W). The same reading stops a sweep's point and the thickness
// solve.
#include <QComboBox>
#include <QTabWidget>
#include <QTableWidget>
#include <string>
#include <vector>

#include "HeatLossWindow.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

class NegativeSizes : public HeatLossWindow {
 protected:
  QStringList Results() const {
    return Texts({"Edit1", "Edit2", "Edit4", "Edit14", "Edit18", "Edit19", "Edit20", "Edit21", "Edit23",
                  "Edit24", "Edit46", "Edit47", "Edit48", "Edit49", "Edit54"});
  }
  void ShowPage(const char* page) {
    Click("GraphButton");
    static_cast<QTabWidget*>(form->Control("AnalysisView"))->setCurrentWidget(form->Control(page));
    QApplication::processEvents();
  }
};

struct Case {
  std::vector<const char*> select;
  const char* field;
  const char* text;
  const char* run;
  const char* message;  // nullptr: taken (a conductivity of 0 where it means next to none)
};

const char* const kLayer = "は 0 以上の数にしてください（0 は層なし）。";
const char* const kPositive = "は 0 より大きい数にしてください。";
const char* const kNotNegative = "は 0 以上の数にしてください。";

}  // namespace

TEST_F(NegativeSizes, AreRefusedByNameOnEveryPanelSweepAndSolve) {
  const struct {
    Case c;
    const char* rule;
  } cases[] = {
      {{{"Button7"}, "Edit12", "-0.1", "Button1", "層厚さ（保温材） mm '-0.1' "}, kLayer},
      {{{"Button7"}, "Edit12", "-1", "Button1", "層厚さ（保温材） mm '-1' "}, kLayer},
      {{{"Button7"}, "Edit34", "-6", "Button1", "層厚さ（構造材） mm '-6' "}, kLayer},
      {{{"Button7"}, "Edit7", "-0.05", "Button1", "熱伝導率（保温材） W/(m・℃) '-0.05' "}, kPositive},
      {{{"Button7"}, "Edit7", "0", "Button1", "熱伝導率（保温材） W/(m・℃) '0' "}, kPositive},
      {{{"Button7"}, "Edit10", "-114.3", "Button1", "外径（構造材） mm '-114.3' "}, kPositive},
      {{{"Button7"}, "Edit13", "-1", "Button1", "長さ m '-1' "}, kPositive},
      {{{"Button8"}, "Edit9", "-2", "Button1", "外径（発熱線） mm '-2' "}, kPositive},
      {{{"Button8"}, "Edit12", "-1", "Button1", "層厚さ（ステンレス層） mm '-1' "}, kLayer},
      {{{"Button8"}, "Edit6", "-1", "Button1", "熱伝導率（MgO層） W/(m・℃) '-1' "}, kPositive},
      {{{"Button7", "Button67"}, "Edit66", "-0.05", "Button69", "管内径 m '-0.05' "}, kPositive},
      {{{"Button7", "Button67"}, "Edit12", "-1", "Button69", "層厚さ（保温材） mm '-1' "}, kLayer},
      {{{"Button7", "Button67"}, "Edit7", "-0.05", "Button69", "熱伝導率（保温材） W/(m・℃) '-0.05' "},
       kNotNegative},
      // Pipe flow takes a conductivity of 0 as next to none: its fluid keeps its heat.
      {{{"Button7", "Button67"}, "Edit7", "0", "Button69", nullptr}, nullptr},
      {{{"Button12"}, "Edit32", "-1", "Button15", "厚さ（保温材） mm '-1' "}, kLayer},
      {{{"Button12"}, "Edit30", "-0.05", "Button15", "熱伝導率（保温材） W/(m・℃) '-0.05' "}, kPositive},
      {{{"Button12"}, "Edit5", "-1", "Button15", "放熱面積 m2 '-1' "}, kPositive},
      {{{"Button11"}, "Edit31", "-1", "Button15", "厚さ（構造材） mm '-1' "}, kLayer},
      {{{"Button30"}, "Edit35", "-1", "Button34", "縦 m '-1' "}, kPositive},
      {{{"Button30"}, "Edit38", "-1", "Button34", "容器　厚さ mm '-1' "}, kLayer},
      {{{"Button30"}, "Edit52", "-0.1", "Button34", "断熱材λ W/(m・℃) '-0.1' "}, kNotNegative},
  };
  for (const auto& [c, rule] : cases) {
    SCOPED_TRACE(std::string(c.field) + " = " + c.text);
    for (const char* name : c.select) Click(name);
    Click(c.run);
    ASSERT_EQ(Messages(), QStringList());
    const QString kept = Text(c.field);
    const QStringList before = Results();
    Set(c.field, U(c.text));
    Click(c.run);
    if (c.message) {
      EXPECT_EQ(Messages(), QStringList{U(c.message) + U(rule)});
      EXPECT_EQ(Results(), before);
    } else {
      EXPECT_EQ(Messages(), QStringList());
      EXPECT_EQ(Text("Edit14"), Text("Edit70"));
    }
    Set(c.field, kept);
    Click(c.run);
    EXPECT_EQ(Messages(), QStringList());
  }

  // A sweep's point stops where the Run would, and says why in its row.
  Click("Button29");
  Click("Button7");
  Click("Button1");
  ShowPage("GraphPage");
  auto* field = static_cast<QComboBox*>(form->Control("SweepField"));
  field->setCurrentIndex(field->findText(U("層厚さ（保温材） mm")));
  emit field->activated(field->currentIndex());
  Set("SweepFrom", U("-10"));
  Set("SweepTo", U("10"));
  Set("SweepPoints", U("3"));
  Click("SweepRun");
  ASSERT_EQ(Messages(), QStringList());
  const auto* grid = static_cast<QTableWidget*>(form->Control("SweepGrid"));
  ASSERT_EQ(grid->rowCount(), 3);
  EXPECT_EQ(grid->item(0, 1)->text(), QString()) << "no result for -10 mm";
  EXPECT_EQ(grid->item(0, grid->columnCount() - 1)->text(),
            U("層厚さ（保温材） mm '-10' は 0 以上の数にしてください（0 は層なし）。"));
  EXPECT_NE(grid->item(2, 1)->text(), QString());

  // The thickness solve reads the inputs as the Run does.
  Set("Edit7", U("-0.05"));
  ShowPage("DesignPage");
  Click("DesignRun");
  EXPECT_EQ(Messages(),
            QStringList{U("熱伝導率（保温材） W/(m・℃) '-0.05' は 0 より大きい数にしてください。")});
  EXPECT_EQ(Text("DesignThickness"), QString());
}
