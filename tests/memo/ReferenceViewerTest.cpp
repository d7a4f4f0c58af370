// The reference viewer: tables and formula texts, their list, and the
// long-cell box.
#include <QFile>
#include <QPlainTextEdit>

#include "MemoWindow.h"
#include "widgets/FileListBox.h"
#include "widgets/StringGrid.h"

namespace {

using ReferenceViewerTest = MemoWindow;

QString U(const char* s) { return QString::fromUtf8(s); }

TEST_F(ReferenceViewerTest, ReferenceButtonAlternatesTablesAndFormulaTexts) {
  FileListBox* list = form->List("FileListBox2");
  EXPECT_EQ(list->Folder(), Path("siryou"));
  EXPECT_FALSE(list->Names().isEmpty());
  Click("Button23");
  EXPECT_TRUE(form->IsShown("Memo5"));
  EXPECT_FALSE(form->IsShown("StringGrid2"));
  EXPECT_EQ(list->Folder(), Path("formtext"));
  // From the formula texts back to the tables, the tables listed again.
  Click("Button23");
  EXPECT_TRUE(form->IsShown("StringGrid2"));
  EXPECT_FALSE(form->IsShown("Memo5"));
  EXPECT_EQ(list->Folder(), Path("siryou"));
  // From a memo the tables open, with their side panel.
  Click("Button22");
  DblClick("Panel3");
  Click("Button23");
  EXPECT_TRUE(form->IsShown("StringGrid2"));
  EXPECT_TRUE(form->IsShown("Panel11"));
  EXPECT_FALSE(form->IsShown("Memo2"));
  EXPECT_FALSE(form->IsShown("Panel3"));
}

TEST_F(ReferenceViewerTest, FreeAreaDoubleClickHidesTheListUntilTablesOpenAgain) {
  DblClick("Panel11");
  EXPECT_FALSE(form->IsShown("Panel11"));
  Click("Button23");
  EXPECT_FALSE(form->IsShown("Panel11"));
  Click("Button23");
  EXPECT_TRUE(form->IsShown("Panel11"));
}

TEST_F(ReferenceViewerTest, GridTakesTheHeightOfTheTable) {
  WriteBytes(U("siryou/0空.csv"), QByteArray());
  QStringList lines;
  for (int i = 0; i < 250; ++i) lines << QStringLiteral("%1,値").arg(i);
  WriteLines(U("siryou/0長.csv"), lines);
  Click("Button23");
  Click("Button23");  // the tables listed again, with the new files
  StringGrid* grid = form->Grid("StringGrid2");
  Select("FileListBox2", U("0長.csv"));
  EXPECT_EQ(grid->RowCount(), 250);
  EXPECT_EQ(grid->Cell(0, 249), U("249"));
  EXPECT_EQ(grid->Cell(1, 249), U("値"));
  Select("FileListBox2", U("0空.csv"));
  EXPECT_EQ(grid->RowCount(), 1);
  EXPECT_EQ(grid->Cell(0, 0), QString());
  EXPECT_GT(dialogs->busyCount, 0);
}

TEST_F(ReferenceViewerTest, AfterTheVapourTableOnlyItsTenColumnsAreFilled) {
  QStringList fields;
  for (int i = 0; i < 20; ++i) fields << QStringLiteral("f%1").arg(i);
  WriteLines(U("siryou/0広.csv"), {fields.join(QLatin1Char(','))});
  StringGrid* grid = form->Grid("StringGrid2");
  grid->SetColCount(10);
  grid->SetRowCount(202);
  Click("Button23");
  Click("Button23");
  Select("FileListBox2", U("0広.csv"));
  EXPECT_EQ(Messages(), QStringList{U("ファイル 0広.csv には 10 列を超える行があります。\r"
                                      "超えた部分は読み込んでいません。")});
  EXPECT_EQ(grid->ColCount(), 10);
  EXPECT_EQ(grid->RowTexts(0), fields.mid(0, 10));
}

TEST_F(ReferenceViewerTest, UnreadableTableLeavesTheGridAsItWas) {
  WriteLines(U("siryou/0表.csv"), {U("a,b")});
  Click("Button23");
  Click("Button23");
  Select("FileListBox2", U("0表.csv"));
  WriteBytes(U("siryou/0壊.csv"), QByteArray("\x81\x20,x\r\n"));
  Click("Button23");
  Click("Button23");
  Select("FileListBox2", U("0壊.csv"));
  const QStringList m = Messages();
  ASSERT_EQ(m.size(), 1);
  EXPECT_TRUE(m[0].startsWith(U("ファイル %1 は開けません").arg(Path(U("siryou/0壊.csv")))));
  EXPECT_EQ(form->Grid("StringGrid2")->Cell(1, 0), U("b"));
}

// A table of 1,000 columns shows as many as the grid has, says that the
// rest is not shown, and stays as it was on disk.
TEST_F(ReferenceViewerTest, TableOfAThousandColumnsShowsTheGridsColumnsAndSaysSo) {
  QStringList lines;
  for (int r = 0; r < 40; ++r) {
    QStringList cells;
    for (int c = 0; c < 1000; ++c) cells << QStringLiteral("r%1c%2").arg(r).arg(c);
    lines << cells.join(QLatin1Char(','));
  }
  WriteLines(U("siryou/0広い表.csv"), lines);
  const QByteArray before = Bytes(U("siryou/0広い表.csv"));
  Click("Button23");
  Click("Button23");
  Select("FileListBox2", U("0広い表.csv"));
  EXPECT_EQ(Messages(), QStringList{U("ファイル 0広い表.csv には 30 列を超える行があります。\r"
                                      "超えた部分は読み込んでいません。")});
  const StringGrid* grid = form->Grid("StringGrid2");
  EXPECT_EQ(grid->ColCount(), 30);
  EXPECT_EQ(grid->RowCount(), 40);
  EXPECT_EQ(grid->Cell(0, 0), U("r0c0"));
  EXPECT_EQ(grid->Cell(29, 39), U("r39c29"));
  EXPECT_EQ(Bytes(U("siryou/0広い表.csv")), before);
}

TEST_F(ReferenceViewerTest, DoubleClickOnAnEntryEmptiesTheGridKeepingItsHeight) {
  WriteLines(U("siryou/0表.csv"), {U("a,b"), U("c,d"), U("e,f")});
  Click("Button23");
  Click("Button23");
  DblClickItem("FileListBox2", U("0表.csv"));
  StringGrid* grid = form->Grid("StringGrid2");
  EXPECT_EQ(grid->RowCount(), 3);
  EXPECT_EQ(grid->Cell(0, 0), QString());
}

TEST_F(ReferenceViewerTest, FormulaTextOpensInTheTextView) {
  Click("Button23");
  const QStringList names = form->List("FileListBox2")->Names();
  ASSERT_FALSE(names.isEmpty());
  Select("FileListBox2", names[0]);
  EXPECT_FALSE(form->Text("Memo5").isEmpty());
}

TEST_F(ReferenceViewerTest, HeldCellShowsItsWholeText) {
  const QString text = U("断熱材の熱伝導率は平均温度とともに上がるので、使用温度の平均で読むこと");
  WriteLines(U("siryou/0表.csv"), {U("\"") + text + U("\",\" \",短い")});
  Click("Button23");
  Click("Button23");
  Select("FileListBox2", U("0表.csv"));
  PressCell("StringGrid2", 0, 0);
  EXPECT_TRUE(form->IsShown("Memo3"));
  EXPECT_EQ(form->Text("Memo3"), text);
  ReleaseCell("StringGrid2", 0, 0);
  EXPECT_FALSE(form->IsShown("Memo3"));
  // A blank cell (an empty field read from a file) and an empty cell show nothing.
  PressCell("StringGrid2", 1, 0);
  EXPECT_FALSE(form->IsShown("Memo3"));
  ReleaseCell("StringGrid2", 1, 0);
  PressCell("StringGrid2", 5, 0);
  EXPECT_FALSE(form->IsShown("Memo3"));
  ReleaseCell("StringGrid2", 5, 0);
}

}  // namespace
