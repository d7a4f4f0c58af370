// The page 配管リスト in the real window: a list opened through the open
// dialog and solved; each line equals, text for text, the same line typed
// into its panel and solved on the thickness page (the exact and the stock
// thickness), and the panel run with the schedule's thickness shows the
// schedule's surface and loss. Ctrl+C copies the selection as every grid
// does; the schedule is saved as CSV in the list's encoding and as PDF.
#include <QApplication>
#include <QFile>
#include <QTableView>

#include "design/DesignWindow.h"
#include "operations/heatloss/HeatLossCalculators.h"
#include "operations/schedule/ScheduleTableView.h"
#include "schedule/ListText.h"

namespace {

class ScheduleWindow : public DesignWindow {
 protected:
  // Opens the list through the page and waits for its schedule.
  void OpenList(const QString& path) {
    ShowPage("SchedulePage");
    dialogs->fileNames.push_back(path);
    Click("ScheduleOpen");
    QElapsedTimer t;
    t.start();
    while (!form->Control("ScheduleSaveCsv")->isEnabled() && t.elapsed() < 30000)
      QApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(form->Control("ScheduleSaveCsv")->isEnabled()) << Text("ScheduleStatus").toStdString();
    dialogs->confirmations.clear();
  }
  ScheduleTableView* Table() { return static_cast<ScheduleTableView*>(form->Control("ScheduleTable")); }
  // The cell of the line (by its tag) under the header.
  QString Cell(const QString& tag, const QString& header) {
    QAbstractItemModel* m = Table()->model();
    int column = -1;
    for (int c = 0; c < m->columnCount(); ++c)
      if (m->headerData(c, Qt::Horizontal).toString() == header) column = c;
    EXPECT_GE(column, 0) << header.toStdString();
    for (int r = 0; r < m->rowCount(); ++r)
      if (m->index(r, 1).data().toString() == tag) return m->index(r, column).data().toString();
    ADD_FAILURE() << "no line " << tag.toStdString();
    return QString();
  }
};

struct PanelLine {
  const char* tag;
  const char* select;  // the calculator's button
  const char* run;
  std::vector<std::pair<const char*, const char*>> fields;
  const char* target;  // on the thickness page
  const char* value;
  const char* criterion;  // its columns in the schedule
  const char *insulation, *surface;
  bool gain;  // a cold line: the panel shows the gain as a magnitude
};

}  // namespace

TEST_F(ScheduleWindow, EachLineEqualsItsPanelSolvedOnTheThicknessPage) {
  const QString list = QStringLiteral(
      "配管番号,形状,呼び径,外径 mm,長さ m,面積 m2,温度 ℃,外気温度 ℃,相対湿度 %,肉厚 mm,管・構造材 k,保温材 "
      "k,"
      "外装放射率,対流熱伝達率,基準,目標値\r\n"
      "P-1,配管,100A,,10,,180,20,,6,50,0.045,0.9,9,表面温度,40\r\n"
      "P-2,配管,,114.3,10,,5,20,80,6,50,0.04,0.9,9,結露,1\r\n"
      "F-1,平面,,,,2.5,150,20,,10,50,0.06,0.9,9,表面温度,45\r\n");
  const QString path = folder.Path("scratch/配管.csv");
  QDir().mkpath(folder.Path("scratch"));
  folder.Write("scratch/配管.csv", Schedule::Encode(list, Schedule::Encoding::Cp932));
  OpenList(path);
  EXPECT_EQ(Table()->model()->rowCount(), 3);
  EXPECT_TRUE(Text("ScheduleStatus").contains(QStringLiteral("3 行のうち 3 行に答え、0 行に理由")))
      << Text("ScheduleStatus").toStdString();

  const PanelLine lines[] = {
      {"P-1",
       "Button7",
       "Button1",
       {{"Edit3", "20"},
        {"Edit4", "180"},
        {"Edit10", "114.3"},
        {"Edit34", "6"},
        {"Edit6", "50"},
        {"Edit7", "0.045"},
        {"Edit13", "10"},
        {"Edit16", "0.9"},
        {"Edit17", "9"},
        {"CylinderHumidity", ""}},
       "表面温度の上限",
       "40",
       "表面温度",
       "Edit12",
       "Edit2",
       false},
      {"P-2",
       "Button7",
       "Button1",
       {{"Edit3", "20"},
        {"Edit4", "5"},
        {"Edit10", "114.3"},
        {"Edit34", "6"},
        {"Edit6", "50"},
        {"Edit7", "0.04"},
        {"Edit13", "10"},
        {"Edit16", "0.9"},
        {"Edit17", "9"},
        {"CylinderHumidity", "80"}},
       "結露しない（露点＋余裕）",
       "1",
       "結露",
       "Edit12",
       "Edit2",
       true},
      {"F-1",
       "Button12",
       "Button15",
       {{"Edit25", "20"},
        {"Edit27", "150"},
        {"Edit5", "2.5"},
        {"Edit31", "10"},
        {"Edit29", "50"},
        {"Edit30", "0.06"},
        {"Edit16", "0.9"},
        {"Edit17", "9"},
        {"FlatHumidity", ""}},
       "表面温度の上限",
       "45",
       "表面温度",
       "Edit32",
       "Edit24",
       false},
  };
  for (const PanelLine& l : lines) {
    SCOPED_TRACE(l.tag);
    const QString tag = QString::fromUtf8(l.tag), criterion = QString::fromUtf8(l.criterion);
    Click(l.select);
    for (const auto& [field, text] : l.fields) Set(field, QString::fromUtf8(text));
    Click(l.run);
    ASSERT_EQ(Messages(), QStringList());
    ShowPage("DesignPage");
    ChooseTarget(QString::fromUtf8(l.target));
    Set("DesignValue", QString::fromUtf8(l.value));
    Click("DesignRun");
    WaitForJob();
    ASSERT_EQ(Messages(), QStringList());
    EXPECT_EQ(Cell(tag, criterion + QStringLiteral(" 必要厚さ mm")), Text("DesignThickness"));
    EXPECT_EQ(Cell(tag, criterion + QStringLiteral(" 在庫厚さ mm")), Text("DesignStock"));
    EXPECT_EQ(Cell(tag, QStringLiteral("状態")), QStringLiteral("OK"));

    // The panel with the schedule's thickness shows its surface and loss.
    Set(l.insulation, Cell(tag, QStringLiteral("保温厚さ mm")));
    Click(l.run);
    ASSERT_EQ(Messages(), QStringList());
    EXPECT_EQ(Cell(tag, QStringLiteral("表面温度 ℃")), Text(l.surface));
    EXPECT_EQ(Cell(tag, QStringLiteral("放熱量 W（負は取得熱）")),
              (l.gain ? QStringLiteral("-") : QString()) + Text("Edit20"));
  }

  // Ctrl+C: the block of the selection, tab-separated, as the grids copy.
  ShowPage("SchedulePage");
  QItemSelectionModel* selection = Table()->selectionModel();
  QAbstractItemModel* m = Table()->model();
  selection->select(QItemSelection(m->index(0, 0), m->index(1, 1)), QItemSelectionModel::Select);
  EXPECT_EQ(Table()->SelectedText(),
            QStringLiteral("%1\t%2\n%3\t%4\n")
                .arg(m->index(0, 0).data().toString(), m->index(0, 1).data().toString(),
                     m->index(1, 0).data().toString(), m->index(1, 1).data().toString()));

  // Saved beside the list, in its encoding; never over the list itself.
  const QString csv = folder.Path("scratch/schedule.csv"), pdf = folder.Path("scratch/schedule.pdf");
  dialogs->fileNames = {csv};
  Click("ScheduleSaveCsv");
  QFile saved(csv);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const Schedule::DecodedText text = Schedule::Decode(saved.readAll());
  EXPECT_EQ(text.encoding, Schedule::Encoding::Cp932);
  EXPECT_TRUE(text.text.contains(QStringLiteral("F-1,平面"))) << text.text.toStdString();
  dialogs->fileNames = {pdf};
  Click("ScheduleSavePdf");
  QFile printed(pdf);
  ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
  EXPECT_TRUE(printed.readAll().startsWith("%PDF"));
  const QByteArray before = folder.Bytes("scratch/配管.csv");
  dialogs->fileNames = {path};
  Click("ScheduleSaveCsv");
  const QStringList m2 = Messages();
  ASSERT_EQ(m2.size(), 1);
  EXPECT_TRUE(m2[0].contains(QStringLiteral("配管リストそのもの"))) << m2[0].toStdString();
  EXPECT_EQ(folder.Bytes("scratch/配管.csv"), before);
}

// The cells the schedule reads for a line's empty tube, structure and
// insulation are those the cylinder's and the flat plate's Saves write.
TEST(ScheduleDefaults, StoreCellsAreThePanelsOwn) {
  const struct {
    const HeatLossCalculator& calculator;
    const char* field;
    StoreCell named;
  } cells[] = {
      {kCylinderCalculator, "Edit34", StoreCells::kCylinderTubeThickness},
      {kCylinderCalculator, "Edit6", StoreCells::kCylinderTubeK},
      {kCylinderCalculator, "Edit7", StoreCells::kCylinderInsulationK},
      {kFlatPlateCalculator, "Edit31", StoreCells::kFlatStructureThickness},
      {kFlatPlateCalculator, "Edit29", StoreCells::kFlatStructureK},
      {kFlatPlateCalculator, "Edit30", StoreCells::kFlatInsulationK},
  };
  for (const auto& c : cells) {
    const StoreCell own = CellOfField(c.calculator, c.field);
    EXPECT_EQ(own.column, c.named.column) << c.field;
    EXPECT_EQ(own.row, c.named.row) << c.field;
  }
}
