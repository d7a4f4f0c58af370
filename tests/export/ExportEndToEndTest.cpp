// Each calculator from its panel to a saved comparison table: run it, export
// two conditions, save the grid memo under a name and read the file back.
#include <QFile>
#include <QPushButton>

#include "ExportFixture.h"
#include "app/CalculatorDispatch.h"
#include "operations/heating/HeatingPanel.h"
#include "operations/heatloss/HeatLossPanels.h"
#include "operations/memo/MemoStore.h"
#include "operations/memo/MemoViews.h"
#include "store/Cp932.h"
#include "store/GridRowCsv.h"

namespace {

struct Case {
  const char* name;
  std::function<void(TForm1&)> select;
  const char* field;  // the input changed between the two conditions
  const char* value;
  std::function<void(TForm1&)> run;
  const char* title;
  int firstColumn;
};

void RunCylinder(TForm1& f) { f.HeatLoss().Cylinder().Run(); }
void RunFlat(TForm1& f) { f.HeatLoss().Flat().Run(); }
void RunHeating(TForm1& f) { f.Heating().RunHeating(); }
void Heating(TForm1& f, heating::Material m) {
  f.Dispatch().ShowHeatingMode();
  f.Heating().SelectMaterial(m);
}

const Case kCases[] = {
  {"FlatPlate", [](TForm1& f) { f.Dispatch().Select(Calculator::FlatPlate); }, "Edit32", "150", RunFlat, "平板放熱", 2},
  {"FlatPlateCooling",
   [](TForm1& f) {
     f.Dispatch().Select(Calculator::FlatPlate);
     f.Button("Button71")->click();
   },
   "Edit75", "4", RunFlat, "平板放熱", 2},
  {"FlatWall", [](TForm1& f) { f.Dispatch().Select(Calculator::FlatWall); }, "Edit32", "150", RunFlat, "平板熱通過", 2},
  {"Cylinder", [](TForm1& f) { f.Dispatch().Select(Calculator::Cylinder); }, "Edit12", "75", RunCylinder, "円筒の放熱", 2},
  {"PipeFlow",
   [](TForm1& f) {
     f.Dispatch().Select(Calculator::Cylinder);
     f.HeatLoss().TogglePipeFlow();
   },
   "Edit67", "2", RunCylinder, nullptr, 2},
  {"Heater", [](TForm1& f) { f.Dispatch().Select(Calculator::Heater); }, "Edit8", "750", RunCylinder, "ヒーター温度", 2},
  {"Liquid", [](TForm1& f) { Heating(f, heating::Material::Liquid); }, "Edit43", "4", RunHeating, "液体加熱", 1},
  {"Gas", [](TForm1& f) { Heating(f, heating::Material::Gas); }, "Edit43", "2", RunHeating, "気体加熱", 1},
  {"Solid", [](TForm1& f) { Heating(f, heating::Material::Solid); }, "Edit43", "3", RunHeating, "固体加熱", 1},
  {"WallHeating",
   [](TForm1& f) {
     Heating(f, heating::Material::Gas);
     f.Heating().SelectWallHeating();
   },
   "Edit43", "0.5", RunHeating, "気体加熱", 1},
};

class ExportEndToEnd : public ExportTest, public ::testing::WithParamInterface<Case> {};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

}  // namespace

TEST_P(ExportEndToEnd, TwoConditionsSavedAsCodePage932Table) {
  const Case& c = GetParam();
  Do([&] { c.select(*form); });
  Do([&] {
    form->Memos().ToggleMemo();  // text memo
    form->Memos().ToggleMemo();  // grid memo
  });
  ASSERT_TRUE(form->IsShown("StringGrid3"));
  Export();
  const QString firstValue = Cell(c.firstColumn, 2);
  form->SetText(c.field, QString::fromUtf8(c.value));
  Do([&] { c.run(*form); });
  Export();
  EXPECT_EQ(Cell(c.firstColumn, 1).left(3), QStringLiteral("条件1"));
  EXPECT_EQ(Cell(c.firstColumn + 1, 1).left(3), QStringLiteral("条件2"));
  if (c.title) {
    EXPECT_EQ(Cell(0, 0), QString::fromUtf8(c.title));
  } else {
    EXPECT_TRUE(Cell(0, 0).startsWith(QStringLiteral("円筒の放熱　")));
  }
  EXPECT_EQ(Cell(c.firstColumn, 2), firstValue);  // the first condition stays as it was

  form->SetText("Edit56", QStringLiteral("比較") + QString::fromUtf8(c.name));
  Do([&] { form->Memos().Memos().SaveMemo(); });
  EXPECT_EQ(dialogs->TakeMessages(), QStringList{QStringLiteral("デ－タを保存しました")});

  QFile file(folder.Path(QStringLiteral("memocsv/比較") + QString::fromUtf8(c.name) + QStringLiteral(".csv")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  // One line per grid row, each ended by CR LF, with all 60 cells (59 commas).
  const QList<QByteArray> lines = bytes.split('\n');
  ASSERT_EQ(lines.size(), Rows() + 1);
  EXPECT_TRUE(lines.last().isEmpty());
  QByteArray expected;
  for (int r = 0; r < Rows(); ++r) {
    EXPECT_TRUE(lines[r].endsWith('\r')) << r;
    EXPECT_EQ(lines[r].count(','), 59) << r;
    expected += Cp932::Encode(GridRowCsv::Write(form->Grid("StringGrid3")->RowTexts(r))) + "\r\n";
  }
  EXPECT_EQ(bytes, expected);
  // The titles and labels are code page 932 bytes ("条件" is 8F F0 8C 8F).
  EXPECT_TRUE(lines[1].contains(QByteArray("\x8F\xF0\x8C\x8F" "1")));
  QStringList row0(60);
  GridRowCsv::Read(Cp932::Decode(lines[0].chopped(1)), row0);
  EXPECT_EQ(row0[0], Cell(0, 0));
}

INSTANTIATE_TEST_SUITE_P(Calculators, ExportEndToEnd, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });
