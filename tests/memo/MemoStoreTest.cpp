// The memo views, the memo list and saving, opening and clearing memos.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QPlainTextEdit>

#include "MemoWindow.h"
#include "widgets/FileListBox.h"
#include "widgets/StringGrid.h"
#include "operations/memo/MemoName.h"
#include "store/Cp932.h"

namespace {

using MemoStoreTest = MemoWindow;

QString U(const char* s) { return QString::fromUtf8(s); }

TEST_F(MemoStoreTest, MemoButtonAlternatesTextAndGridMemo) {
  EXPECT_TRUE(form->IsShown("StringGrid2"));
  EXPECT_TRUE(form->IsShown("Panel11"));
  EXPECT_FALSE(form->IsShown("Memo2"));
  EXPECT_EQ(form->Text("Memo2"), U("作業中のメモにご利用ください。"));
  EXPECT_FALSE(form->Control("Button47")->isEnabled());
  Click("Button21");  // the usage text is left as it is by メモ
  for (int i = 0; i < 3; ++i) {
    Click("Button22");
    const bool text = i % 2 == 0;
    EXPECT_EQ(form->IsShown("Memo2"), text) << i;
    EXPECT_EQ(form->IsShown("StringGrid3"), !text) << i;
    EXPECT_TRUE(form->IsShown("Panel3"));
    EXPECT_FALSE(form->IsShown("Panel11"));
    EXPECT_FALSE(form->IsShown("StringGrid2"));
    EXPECT_FALSE(form->IsShown("Memo5"));
    EXPECT_EQ(form->List("FileListBox1")->Folder(), Path(text ? "memo" : "memocsv"));
  }
  EXPECT_TRUE(form->IsShown("Memo1"));
}

TEST_F(MemoStoreTest, TextMemoIsSavedAsCodePage932WithCrLf) {
  Click("Button22");
  form->Memo("Memo2")->setPlainText(U("温度 ①\n\n最後の行"));
  SaveAs(U("作業"));
  EXPECT_EQ(Messages(), QStringList{U("メモを保存しました")});
  EXPECT_EQ(Bytes(U("memo/作業.txt")), Cp932::Encode(U("温度 ①\r\n\r\n最後の行\r\n")));
  EXPECT_FALSE(form->IsShown("Panel15"));
  EXPECT_TRUE(form->IsShown("Memo2"));
  EXPECT_EQ(form->List("FileListBox1")->Names(), QStringList{U("作業.txt")});
  EXPECT_EQ(form->Text("Edit56"), U("作業"));
  EXPECT_FALSE(form->Control("Button47")->isEnabled());
}

TEST_F(MemoStoreTest, ProtectedNamesWriteNothing) {
  Click("Button22");
  for (const char* name : {"Zmemo", "zmemo", "Ｚmemo", "ｚmemo"}) {
    SaveAs(U(name));
    EXPECT_EQ(Messages(), QStringList{MemoName::ProtectedMessage()}) << name;
    EXPECT_TRUE(form->IsShown("Panel15")) << name;
  }
  EXPECT_EQ(QDir(Path("memo")).entryList(QDir::Files), QStringList());
}

TEST_F(MemoStoreTest, AaaNamesBecomeProtectedAndCannotBeSavedTwice) {
  Click("Button22");
  const struct {
    const char* typed;
    const char* file;
  } cases[] = {{"aaaZmemo", "Zmemo.txt"}, {"aaamemo", "Zmemo.txt"}, {"aaa", "Z.txt"},
               {"aamemo", "aamemo.txt"}, {"AAAmemo", "AAAmemo.txt"}};
  for (const auto& c : cases) {
    QFile::remove(Path(QStringLiteral("memo/") + U(c.file)));
    SaveAs(U(c.typed));
    EXPECT_EQ(Messages(), QStringList{U("メモを保存しました")}) << c.typed;
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("memo/") + U(c.file)))) << c.typed;
  }
  // The name field shows the new name, so a second press is refused.
  SaveAs(U("aaamemo"));
  Messages();
  EXPECT_EQ(form->Text("Edit56"), U("Zmemo"));
  form->Button("Button43")->click();
  form->Button("Button24")->click();
  EXPECT_EQ(Messages(), QStringList{MemoName::ProtectedMessage()});
}

TEST_F(MemoStoreTest, EmptyNameDoesNothingAndNamePanelToggles) {
  Click("Button22");
  Click("Button43");
  EXPECT_TRUE(form->IsShown("Panel15"));
  form->Button("Button24")->click();
  EXPECT_TRUE(form->IsShown("Panel15"));
  form->Edit("Edit56")->setText(U("名前"));
  DblClick("Edit56");
  EXPECT_EQ(form->Text("Edit56"), QString());
  Click("Button86");
  EXPECT_FALSE(form->IsShown("Panel15"));
  Click("Button43");
  Click("Button43");
  EXPECT_FALSE(form->IsShown("Panel15"));
  EXPECT_EQ(QDir(Path("memo")).entryList(QDir::Files), QStringList());
}

TEST_F(MemoStoreTest, GridMemoLinesHave59CommasAndQuoteWhatNeedsIt) {
  Click("Button22");
  Click("Button22");
  StringGrid* grid = form->Grid("StringGrid3");
  grid->SetCell(0, 1, U("a,b"));
  grid->SetCell(1, 1, U(" "));
  grid->SetCell(2, 1, U("\""));
  grid->SetCell(59, 2, U("最後"));
  SaveAs(U("表"));
  EXPECT_EQ(Messages(), QStringList{U("デ－タを保存しました")});
  const QStringList lines = Cp932::Decode(Bytes(U("memocsv/表.csv"))).split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 121);  // 120 rows, and nothing after the last CR LF
  EXPECT_EQ(lines.last(), QString());
  EXPECT_EQ(lines[0], QString(59, QLatin1Char(',')));
  EXPECT_EQ(lines[1], U("\"a,b\",\" \",\"\"\"\"") + QString(57, QLatin1Char(',')));
  EXPECT_EQ(lines[2], QString(59, QLatin1Char(',')) + U("最後"));
  EXPECT_TRUE(form->IsShown("StringGrid3"));
}

// Saving under the name of an existing memo asks first: いいえ keeps the
// file and the name panel for another name, はい moves the old file to the
// trash, where it can be taken back, and writes the new one.
TEST_F(MemoStoreTest, SavingOverAnExistingMemoAsksAndTrashesTheOldFile) {
  WriteLines(U("memo/既存.txt"), {U("古い文")});
  WriteLines(U("memocsv/既存.csv"), {U("古い,表")});
  Click("Button22");
  for (const char* file : {"既存.txt", "既存.csv"}) {
    const bool grid = QString::fromUtf8(file).endsWith(U(".csv"));
    const QString path = (grid ? U("memocsv/") : U("memo/")) + U(file);
    const QByteArray old = Bytes(path);
    if (grid) {
      Click("Button22");
      form->Grid("StringGrid3")->SetCell(0, 0, U("新しい表"));
    } else {
      form->Memo("Memo2")->setPlainText(U("新しい文"));
    }
    SaveAs(U("既存"));
    EXPECT_EQ(dialogs->confirmations,
              QStringList{U("確認: メモ %1 はすでにあります。置き換えますか。\r（今あるファイルはごみ箱に移します） -> no")
                              .arg(U(file))});
    EXPECT_EQ(Bytes(path), old);
    EXPECT_TRUE(form->IsShown("Panel15"));

    dialogs->Answer(true);
    SaveAs(U("既存"));
    EXPECT_EQ(Messages(), QStringList{grid ? U("デ－タを保存しました") : U("メモを保存しました")});
    EXPECT_TRUE(Bytes(path).startsWith(Cp932::Encode(grid ? U("新しい表,") : U("新しい文\r\n"))));
    QFile trashed(Trashed(U(file)));
    ASSERT_TRUE(trashed.open(QIODevice::ReadOnly)) << file;
    EXPECT_EQ(trashed.readAll(), old);
    EXPECT_FALSE(form->IsShown("Panel15"));
    dialogs->confirmations.clear();
  }
}

TEST_F(MemoStoreTest, GridMemoFileIsReadByTheRowRules) {
  WriteLines(U("memocsv/読込.csv"), {U("見出し"), U("a,,b"), U("a b"), U("a,b,"), U("\"x,y\",\"\"\"q\"")});
  Click("Button22");
  Click("Button22");
  StringGrid* grid = form->Grid("StringGrid3");
  grid->SetCell(5, 10, U("前の内容"));
  dialogs->Answer(Dialogs::Reply::No);  // the unsaved cell may go
  Select("FileListBox1", U("読込.csv"));
  EXPECT_EQ(grid->Cell(0, 0), U("見出し"));
  EXPECT_EQ(grid->RowTexts(1).mid(0, 4), (QStringList{U("a"), U(" "), U("b"), QString()}));
  EXPECT_EQ(grid->RowTexts(2).mid(0, 3), (QStringList{U("a"), U("b"), QString()}));
  EXPECT_EQ(grid->RowTexts(3).mid(0, 3), (QStringList{U("a"), U("b"), QString()}));
  EXPECT_EQ(grid->RowTexts(4).mid(0, 2), (QStringList{U("x,y"), U("\"q")}));
  EXPECT_EQ(grid->Cell(5, 10), QString());
  EXPECT_EQ(grid->RowCount(), 120);
  EXPECT_TRUE(form->Control("Button47")->isEnabled());
  EXPECT_GT(dialogs->busyCount, 0);
}

TEST_F(MemoStoreTest, LongGridMemoFileKeepsEveryLineWhenSavedAgain) {
  QStringList lines, saved;
  for (int i = 0; i < 150; ++i) {
    lines << QString::number(i) + QStringLiteral(",x");
    saved << lines.last() + QString(58, QLatin1Char(','));
  }
  WriteLines(U("memocsv/長い.csv"), lines);
  Click("Button22");
  Click("Button22");
  Select("FileListBox1", U("長い.csv"));
  EXPECT_EQ(form->Grid("StringGrid3")->RowCount(), 150);
  dialogs->Answer(true);  // replaces the file it came from
  SaveAs(U("長い"));
  Messages();
  EXPECT_EQ(Bytes(U("memocsv/長い.csv")), Cp932::Encode(saved.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

TEST_F(MemoStoreTest, WideGridMemoFileIsReportedNotSilentlyCut) {
  WriteLines(U("memocsv/広い.csv"), {QStringList(64, U("x")).join(QLatin1Char(','))});
  Click("Button22");
  Click("Button22");
  Select("FileListBox1", U("広い.csv"));
  const QStringList m = Messages();
  ASSERT_EQ(m.size(), 1);
  EXPECT_TRUE(m[0].contains(U("60 列を超える行"))) << m[0].toStdString();
  EXPECT_EQ(form->Grid("StringGrid3")->Cell(59, 0), U("x"));
}

TEST_F(MemoStoreTest, SameEntryIsNotReloadedUntilAnotherWasChosen) {
  WriteLines(U("memo/a.txt"), {U("ファイルA")});
  WriteLines(U("memo/b.txt"), {U("ファイルB")});
  Click("Button22");
  Select("FileListBox1", U("a.txt"));
  EXPECT_EQ(form->Text("Memo2"), U("ファイルA"));
  EXPECT_TRUE(form->Control("Button47")->isEnabled());
  form->Memo("Memo2")->setPlainText(U("書きかけ"));
  Select("FileListBox1", U("a.txt"));
  EXPECT_EQ(form->Text("Memo2"), U("書きかけ"));
  dialogs->Answer(Dialogs::Reply::No);  // the changed text may go
  Select("FileListBox1", U("b.txt"));
  Select("FileListBox1", U("a.txt"));
  EXPECT_EQ(form->Text("Memo2"), U("ファイルA"));
}

TEST_F(MemoStoreTest, DoubleClickStartsAnEmptyMemoAndKeepsTheFile) {
  WriteLines(U("memo/a.txt"), {U("ファイルA")});
  WriteLines(U("memocsv/表.csv"), {U("x,y")});
  WriteLines(U("memocsv/有限要素法.csv"), {U("要素,節点")});
  const QByteArray before = Bytes(U("memo/a.txt"));
  Click("Button22");
  DblClickItem("FileListBox1", U("a.txt"));
  EXPECT_EQ(form->Text("Memo2"), QString());
  EXPECT_EQ(Bytes(U("memo/a.txt")), before);

  Click("Button22");
  DblClickItem("FileListBox1", U("表.csv"));
  EXPECT_EQ(form->Grid("StringGrid3")->Cell(0, 0), QString());
  // The finite-element sheet stays when its memo is double-clicked.
  DblClickItem("FileListBox1", U("有限要素法.csv"));
  EXPECT_EQ(form->Grid("StringGrid3")->Cell(1, 0), U("節点"));
  // A double click on the free area of the memo panel empties the grid.
  DblClick("Panel3");
  EXPECT_EQ(form->Grid("StringGrid3")->Cell(1, 0), QString());
}

TEST_F(MemoStoreTest, HeaderRowOfTheGridMemoIsNotEditable) {
  StringGrid* grid = form->Grid("StringGrid3");
  ASSERT_NE(grid->item(0, 7), nullptr);
  EXPECT_FALSE(grid->item(0, 7)->flags() & Qt::ItemIsEditable);
  grid->ClearCells();
  ASSERT_NE(grid->item(0, 7), nullptr);
  EXPECT_FALSE(grid->item(0, 7)->flags() & Qt::ItemIsEditable);
  EXPECT_EQ(grid->Cell(7, 0), QString());
}

}  // namespace
