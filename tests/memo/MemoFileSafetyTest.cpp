// Deleting, copying to the desktop, and files that cannot be read or
// written: nothing is lost, every outcome is said.
#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <cstdio>

#include "MemoWindow.h"
#include "store/Cp932.h"
#include "support/OrdinaryUser.h"
#include "widgets/FileListBox.h"
#include "widgets/StringGrid.h"

namespace {

using MemoFileSafetyTest = MemoWindow;

QString U(const char* s) { return QString::fromUtf8(s); }

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST_F(MemoFileSafetyTest, DeleteAsksAndMovesTheFileToTheTrash) {
  WriteLines(U("memo/a.txt"), {U("ファイルA")});
  Click("Button22");
  Select("FileListBox1", U("a.txt"));
  // Refused: the file and the text stay.
  Click("Button42");
  ASSERT_EQ(dialogs->confirmations.size(), 1);
  EXPECT_TRUE(dialogs->confirmations[0].startsWith(U("確認: ファイル a.txt をごみ箱に移しますか。")));
  EXPECT_TRUE(QFile::exists(Path("memo/a.txt")));
  EXPECT_EQ(form->Text("Memo2"), U("ファイルA"));
  // Answered yes: the file is in the trash and the text memo is emptied.
  dialogs->Answer(true);
  Click("Button42");
  EXPECT_FALSE(QFile::exists(Path("memo/a.txt")));
  EXPECT_EQ(FileBytes(Trashed(U("a.txt"))), Cp932::Encode(U("ファイルA\r\n")));
  EXPECT_TRUE(QFile::exists(folder.Path("home/.local/share/Trash/info/a.txt.trashinfo")));
  EXPECT_EQ(form->Text("Memo2"), QString());
  EXPECT_EQ(form->List("FileListBox1")->Names(), QStringList());
  EXPECT_FALSE(form->Control("Button47")->isEnabled());
}

TEST_F(MemoFileSafetyTest, DeletingAGridMemoKeepsTheGridAndTheUnsavedTextMemo) {
  WriteLines(U("memocsv/t.csv"), {U("x,y")});
  Click("Button22");
  form->Memo("Memo2")->setPlainText(U("保存していない文"));
  Click("Button22");
  Select("FileListBox1", U("t.csv"));
  dialogs->Answer(true);
  Click("Button42");
  EXPECT_FALSE(QFile::exists(Path("memocsv/t.csv")));
  EXPECT_EQ(form->Text("Memo2"), U("保存していない文"));
  EXPECT_EQ(form->Grid("StringGrid3")->Cell(1, 0), U("y"));
  EXPECT_TRUE(form->IsShown("StringGrid3"));
}

// Where no trash can be made (a file stands where the user's data folder
// should be), a deleted memo goes to the program's backup folder, and the
// message names it.
TEST_F(MemoFileSafetyTest, WithoutATrashADeletedMemoGoesToTheBackupFolder) {
  folder.Write("blocked", "a file, not a folder");
  qputenv("XDG_DATA_HOME", QFile::encodeName(folder.Path("blocked/share")));
  WriteLines(U("memo/a.txt"), {U("ファイルA")});
  Click("Button22");
  Select("FileListBox1", U("a.txt"));
  dialogs->Answer(true);
  Click("Button42");
  EXPECT_EQ(Messages(),
            QStringList{U("ごみ箱が使えないため、ファイル a.txt はフォルダ %1 に移しました。").arg(Path(U("trash")))});
  EXPECT_FALSE(QFile::exists(Path("memo/a.txt")));
  EXPECT_EQ(Bytes(U("trash/a.txt")), Cp932::Encode(U("ファイルA\r\n")));
  EXPECT_EQ(form->Text("Memo2"), QString());
}

TEST_F(MemoFileSafetyTest, DesktopCopyReportsWhatHappened) {
  WriteLines(U("memocsv/表.csv"), {U("x,y")});
  const QString desktop = dialogs->DesktopFolder() + U("/表.csv");
  Click("Button22");
  Click("Button22");
  Select("FileListBox1", U("表.csv"));
  Click("Button47");
  EXPECT_EQ(Messages(), QStringList{U("データを保存しました")});
  EXPECT_EQ(dialogs->confirmations, QStringList());
  QFile copy(desktop);
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
  EXPECT_EQ(copy.readAll(), Bytes(U("memocsv/表.csv")));
  copy.close();

  // The desktop already holds the file: refused, nothing is said or changed.
  WriteLines(U("memocsv/表.csv"), {U("新しい,表")});
  Click("Button47");
  EXPECT_EQ(dialogs->confirmations.size(), 1);
  EXPECT_EQ(Messages(), QStringList());
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
  EXPECT_EQ(copy.readAll(), Cp932::Encode(U("x,y\r\n")));
  copy.close();

  // Answered yes: the old copy goes to the trash, the new one replaces it.
  dialogs->Answer(true);
  Click("Button47");
  EXPECT_EQ(Messages(), QStringList{U("データを保存しました")});
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
  EXPECT_EQ(copy.readAll(), Cp932::Encode(U("新しい,表\r\n")));
  EXPECT_EQ(FileBytes(Trashed(U("表.csv"))), Cp932::Encode(U("x,y\r\n")));
}

TEST_F(MemoFileSafetyTest, DesktopCopyOfAVanishedFileSaysSo) {
  WriteLines(U("memo/a.txt"), {U("A")});
  Click("Button22");
  Select("FileListBox1", U("a.txt"));
  QFile::remove(Path("memo/a.txt"));
  Click("Button47");
  EXPECT_EQ(Messages(), QStringList{U("ファイル %1 は開けません").arg(Path("memo/a.txt"))});
}

TEST_F(MemoFileSafetyTest, FileThatIsNotCodePage932ChangesNothing) {
  // 0x81 0x20: a lead byte without a valid trail byte.
  WriteBytes(U("memo/壊れ.txt"), QByteArray("ok\r\n\x81\x20\r\n"));
  WriteBytes(U("memocsv/壊れ.csv"), QByteArray("a,\x81\x20\r\n"));
  Click("Button22");
  form->Memo("Memo2")->setPlainText(U("今の文"));
  dialogs->Answer(Dialogs::Reply::No);  // the unsaved text may go
  Select("FileListBox1", U("壊れ.txt"));
  QStringList m = Messages();
  ASSERT_EQ(m.size(), 1);
  EXPECT_TRUE(m[0].startsWith(U("ファイル %1 は開けません").arg(Path(U("memo/壊れ.txt")))));
  EXPECT_EQ(form->Text("Memo2"), U("今の文"));
  EXPECT_FALSE(form->Control("Button47")->isEnabled());

  Click("Button22");
  form->Grid("StringGrid3")->SetCell(3, 3, U("表の値"));
  dialogs->Answer(Dialogs::Reply::No);
  Select("FileListBox1", U("壊れ.csv"));
  m = Messages();
  ASSERT_EQ(m.size(), 1);
  EXPECT_TRUE(m[0].startsWith(U("ファイル %1 は開けません").arg(Path(U("memocsv/壊れ.csv")))));
  EXPECT_EQ(form->Grid("StringGrid3")->Cell(3, 3), U("表の値"));
}

TEST_F(MemoFileSafetyTest, UnwritableMemoKeepsTheNamePanelOpen) {
  Click("Button22");
  QDir(Path("memo")).removeRecursively();
  SaveAs(U("どこにも"));
  EXPECT_EQ(Messages(), QStringList{U("ファイル %1 を作成できません").arg(Path(U("memo/どこにも.txt")))});
  EXPECT_TRUE(form->IsShown("Panel15"));
  // A missing memo folder is said when the list is pointed at it.
  Click("Button22");
  Click("Button22");
  EXPECT_EQ(Messages(), QStringList{U("ファイル %1 は開けません").arg(Path("memo"))});
}

TEST_F(MemoFileSafetyTest, TextWithoutCodePage932FormIsRefusedNotMangled) {
  Click("Button22");
  form->Memo("Memo2")->setPlainText(U("温度 😀"));
  SaveAs(U("絵文字"));
  const QStringList m = Messages();
  ASSERT_EQ(m.size(), 1);
  EXPECT_TRUE(m[0].startsWith(U("ファイル %1 を作成できません").arg(Path(U("memo/絵文字.txt")))));
  EXPECT_FALSE(QFile::exists(Path(U("memo/絵文字.txt"))));
}

// Replacing a memo: the new file is made whole before the old one goes to
// the trash. Whatever stops the new file (a character without a code page
// 932 form, a full disk, a trash that takes nothing) leaves the old memo in
// its folder and in the list, and no unfinished file beside it.
TEST_F(MemoFileSafetyTest, ReplacingAMemoNeverTakesTheOldOneOutOfItsFolder) {
  WriteLines(U("memo/既存.txt"), {U("古い文")});
  WriteLines(U("memocsv/既存.csv"), {U("古い,表")});
  const QByteArray oldText = Bytes(U("memo/既存.txt")), oldGrid = Bytes(U("memocsv/既存.csv"));
  auto unchanged = [&](const char* step) {
    SCOPED_TRACE(step);
    EXPECT_EQ(QDir(Path("memo")).entryList(QDir::Files | QDir::Hidden), QStringList{U("既存.txt")});
    EXPECT_EQ(QDir(Path("memocsv")).entryList(QDir::Files | QDir::Hidden), QStringList{U("既存.csv")});
    EXPECT_EQ(Bytes(U("memo/既存.txt")), oldText);
    EXPECT_EQ(Bytes(U("memocsv/既存.csv")), oldGrid);
    EXPECT_FALSE(QFileInfo::exists(Trashed(U("既存.txt"))));
    EXPECT_FALSE(QFileInfo::exists(Trashed(U("既存.csv"))));
  };
  Click("Button22");

  // A character that cannot be written is named before anything is asked or moved.
  form->Memo("Memo2")->setPlainText(U("温度 😀 ℃"));
  SaveAs(U("既存"));
  EXPECT_EQ(Messages(), QStringList{U("ファイル %1 を作成できません\r「😀」はこのファイルに書けない文字です。")
                                        .arg(Path(U("memo/既存.txt")))});
  EXPECT_EQ(dialogs->confirmations, QStringList());
  Click("Button22");
  form->Grid("StringGrid3")->SetCell(1, 1, U("😀"));
  SaveAs(U("既存"));
  EXPECT_EQ(Messages(), QStringList{U("ファイル %1 を作成できません\r「😀」はこのファイルに書けない文字です。")
                                        .arg(Path(U("memocsv/既存.csv")))});
  EXPECT_EQ(dialogs->confirmations, QStringList());
  EXPECT_EQ(form->List("FileListBox1")->Names(), QStringList{U("既存.csv")});
  unchanged("character");

  // A disk that fills up while the new file is written (a file size limit
  // stands for it): the replace is answered yes, the old file stays.
  form->Grid("StringGrid3")->SetCell(1, 1, U("新しい値"));
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 64;
  auto* previous = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  dialogs->Answer(true);
  SaveAs(U("既存"));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_EQ(Messages(), QStringList{U("ファイル %1 を作成できません").arg(Path(U("memocsv/既存.csv")))});
  unchanged("full disk");

  // No trash and no backup folder take the old file: the new one is not put in its place.
  folder.Write("blocked", "a file, not a folder");
  folder.Write("trash", "a file, not a folder");
  qputenv("XDG_DATA_HOME", QFile::encodeName(folder.Path("blocked/share")));
  dialogs->confirmations.clear();
  dialogs->Answer(true);
  SaveAs(U("既存"));
  const QStringList m = Messages();
  ASSERT_EQ(m.size(), 1);
  EXPECT_TRUE(m[0].startsWith(U("メモ 既存.csv を置き換えられません。\r"))) << m[0].toStdString();
  EXPECT_EQ(dialogs->confirmations.size(), 1);
  qputenv("XDG_DATA_HOME", QFile::encodeName(folder.Path("home/.local/share")));
  unchanged("no trash");

  // With a trash, the new memo replaces the old one, which can be taken back.
  dialogs->Answer(true);
  SaveAs(U("既存"));
  EXPECT_EQ(Messages(), QStringList{U("デ－タを保存しました")});
  EXPECT_TRUE(Bytes(U("memocsv/既存.csv")).contains(Cp932::Encode(U("新しい値"))));
  EXPECT_EQ(FileBytes(Trashed(U("既存.csv"))), oldGrid);
  EXPECT_EQ(QDir(Path("memocsv")).entryList(QDir::Files | QDir::Hidden), QStringList{U("既存.csv")});
}

TEST_F(MemoFileSafetyTest, NamesNeverWriteOutsideTheMemoFolder) {
  Click("Button22");
  for (const char* name : {"../G1de-ta/heatwork", "sub/x", "a\\b", "..", "a\tb"}) {
    SaveAs(U(name));
    const QStringList m = Messages();
    ASSERT_EQ(m.size(), 1) << name;
    EXPECT_TRUE(m[0].startsWith(U("メモの名前に"))) << name;
  }
  // Names that would hide in the folder: a hidden file the list never
  // shows, a line or paragraph separator, an invisible character.
  const struct {
    QString name, said;
  } hiding[] = {
      {U("."), U("「.」で始める")},
      {U(".hidden"), U("「.」で始める")},
      {U("配管") + QChar(0x2028) + U("メモ"), U("U+2028")},
      {U("a") + QChar(0x2029), U("U+2029")},
      {U("見え") + QChar(0x200B) + U("ない"), U("U+200B")},
      {U("aaa") + QChar(0x2028), U("U+2028")},
  };
  for (const auto& h : hiding) {
    SaveAs(h.name);
    const QStringList m = Messages();
    ASSERT_EQ(m.size(), 1) << h.name.toStdString();
    EXPECT_TRUE(m[0].startsWith(U("メモの名前"))) << m[0].toStdString();
    EXPECT_TRUE(m[0].contains(h.said)) << m[0].toStdString();
    EXPECT_TRUE(form->IsShown("Panel15")) << "the name stays for another try";
  }
  Click("Button22");
  SaveAs(U(".hidden"));
  EXPECT_EQ(Messages().size(), 1);
  Click("Button22");
  EXPECT_EQ(QDir(Path("memo")).entryList(QDir::Files | QDir::Hidden), QStringList());
  EXPECT_EQ(QDir(Path("memocsv")).entryList(QDir::Files | QDir::Hidden), QStringList());
  EXPECT_FALSE(QFile::exists(Path("G1de-ta/heatwork.txt")));
  // A symbolic link in the memo folder does not lead the save elsewhere.
  QTemporaryDir elsewhere;
  const QString outside = elsewhere.path() + QStringLiteral("/outside.txt");
  {
    QFile out(outside);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("keep\r\n");
  }
  ASSERT_TRUE(QFile::link(outside, Path("memo/link.txt")));
  SaveAs(U("link"));
  const QStringList m = Messages();
  ASSERT_EQ(m.size(), 1);
  EXPECT_TRUE(m[0].startsWith(U("ファイル %1 を作成できません").arg(Path("memo/link.txt"))));
  QFile file(outside);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("keep\r\n"));
}

// A name is a file name and nothing more: shell and wildcard characters are
// kept as they are typed (nothing runs them), a name too long for the file
// system is refused with the create message, and a dangling link in the
// memo folder does not make the save create its target.
TEST_F(MemoFileSafetyTest, NamesAreTakenLiterallyAndNeverRun) {
  const QStringList names = {U("$(touch hit)"), U("`touch hit`"), U("a;touch hit"), U("*"),
                             U("-rf"),          U("~"),           U("a|b&c>d"),     U("名前 と 空白"),
                             U("%PATH%"),       U("'\"")};
  Click("Button22");
  QStringList expected;
  for (const QString& name : names) {
    form->Memo("Memo2")->setPlainText(name);
    SaveAs(name);
    EXPECT_EQ(Messages(), QStringList{U("メモを保存しました")}) << name.toStdString();
    EXPECT_EQ(Bytes(U("memo/") + name + U(".txt")), Cp932::Encode(name + U("\r\n"))) << name.toStdString();
    expected << name + U(".txt");
  }
  expected.sort();
  QStringList listed = QDir(Path("memo")).entryList(QDir::Files | QDir::Hidden);
  listed.sort();
  EXPECT_EQ(listed, expected);
  EXPECT_FALSE(QFile::exists(Path("hit")));
  EXPECT_FALSE(QFile::exists(QDir::current().filePath(QStringLiteral("hit"))));

  const QString tooLong(300, QChar(u'長'));
  SaveAs(tooLong);
  EXPECT_EQ(Messages(), QStringList{U("ファイル %1 を作成できません").arg(Path(U("memo/") + tooLong + U(".txt")))});

  QTemporaryDir elsewhere;
  const QString outside = elsewhere.path() + QStringLiteral("/made.txt");
  ASSERT_TRUE(QFile::link(outside, Path("memo/dangling.txt")));
  SaveAs(U("dangling"));
  const QStringList m = Messages();
  ASSERT_EQ(m.size(), 1);
  EXPECT_TRUE(m[0].startsWith(U("ファイル %1 を作成できません").arg(Path("memo/dangling.txt"))));
  EXPECT_FALSE(QFile::exists(outside));
}

// Memo folders the engineer may not write to: saving, deleting and saving a
// grid memo are refused with a message; the folders, the files in them and
// the unsaved texts stay as they were.
TEST_F(MemoFileSafetyTest, ReadOnlyMemoFoldersRefuseEveryWriteAndLoseNothing) {
  WriteLines(U("memo/a.txt"), {U("ファイルA")});
  WriteLines(U("memocsv/t.csv"), {U("x,y")});
  const QByteArray textBefore = Bytes(U("memo/a.txt")), gridBefore = Bytes(U("memocsv/t.csv"));
  const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                        QFile::ReadOther | QFile::ExeOther;
  ASSERT_TRUE(QFile::setPermissions(Path("memo"), readOnly));
  ASSERT_TRUE(QFile::setPermissions(Path("memocsv"), readOnly));
  {
    OrdinaryUser user(form->Path(QString()));
    Click("Button22");
    Select("FileListBox1", U("a.txt"));
    dialogs->Answer(true);
    Click("Button42");
    const QString nowhere = U("ごみ箱にもフォルダ %1 にも移せません").arg(Path(U("trash")));
    EXPECT_EQ(Messages(), QStringList{U("ファイル a.txt を削除できません。\r") + nowhere});
    EXPECT_EQ(form->Text("Memo2"), U("ファイルA"));

    form->Memo("Memo2")->setPlainText(U("書きかけの文"));
    SaveAs(U("新しいメモ"));
    EXPECT_EQ(Messages(), QStringList{U("ファイル %1 を作成できません").arg(Path(U("memo/新しいメモ.txt")))});
    EXPECT_TRUE(form->IsShown("Panel15")) << "the name stays for another try";
    EXPECT_EQ(form->Text("Memo2"), U("書きかけの文"));

    Click("Button22");
    form->Grid("StringGrid3")->SetCell(2, 2, U("表の値"));
    // Replacing t.csv: the new file cannot be made, so nothing is asked or moved.
    SaveAs(U("t"));
    EXPECT_EQ(Messages(), QStringList{U("ファイル %1 を作成できません").arg(Path(U("memocsv/t.csv")))});
    EXPECT_EQ(dialogs->confirmations.size(), 1) << "only the delete asked";
    EXPECT_EQ(form->Grid("StringGrid3")->Cell(2, 2), U("表の値"));
  }
  EXPECT_EQ(QDir(Path("memo")).entryList(QDir::Files | QDir::Hidden), QStringList{U("a.txt")});
  EXPECT_EQ(QDir(Path("memocsv")).entryList(QDir::Files | QDir::Hidden), QStringList{U("t.csv")});
  EXPECT_EQ(Bytes(U("memo/a.txt")), textBefore);
  EXPECT_EQ(Bytes(U("memocsv/t.csv")), gridBefore);
}

// A folder that has taken a memo's name is not listed, and saving under
// that name is refused; the folder and what it holds stay.
TEST_F(MemoFileSafetyTest, FolderInPlaceOfAMemoIsRefused) {
  ASSERT_TRUE(QDir().mkpath(Path(U("memo/箱.txt"))));
  ASSERT_TRUE(QDir().mkpath(Path(U("memocsv/箱.csv"))));
  WriteLines(U("memo/箱.txt/中.txt"), {U("中身")});
  Click("Button22");
  EXPECT_EQ(form->List("FileListBox1")->Names(), QStringList());
  form->Memo("Memo2")->setPlainText(U("文"));
  SaveAs(U("箱"));
  EXPECT_EQ(Messages(), QStringList{U("ファイル %1 を作成できません").arg(Path(U("memo/箱.txt")))});
  Click("Button22");
  SaveAs(U("箱"));
  EXPECT_EQ(Messages(), QStringList{U("ファイル %1 を作成できません").arg(Path(U("memocsv/箱.csv")))});
  EXPECT_TRUE(QFileInfo(Path(U("memocsv/箱.csv"))).isDir());
  EXPECT_EQ(Bytes(U("memo/箱.txt/中.txt")), Cp932::Encode(U("中身\r\n")));
}

// Memos of 100,000 lines, text and grid: they open whole, within a second
// or two, and saving them again gives back the same bytes.
TEST_F(MemoFileSafetyTest, HundredThousandLineMemosOpenWholeAndSaveBackUnchanged) {
  QStringList text, grid, gridSaved;
  for (int i = 0; i < 100000; ++i) {
    text << U("%1行目 温度 %2 ℃").arg(i).arg(i * 0.5);
    grid << QString::number(i) + U(",データ,") + QString::number(i * 0.25, 'f', 2);
    // Every line of a grid memo has the grid's 60 cells.
    gridSaved << grid.last() + QString(57, QLatin1Char(','));
  }
  WriteLines(U("memo/長文.txt"), text);
  WriteLines(U("memocsv/長表.csv"), grid);

  QElapsedTimer clock;
  Click("Button22");
  clock.start();
  Select("FileListBox1", U("長文.txt"));
  const qint64 openText = clock.elapsed();
  EXPECT_EQ(form->Memo("Memo2")->blockCount(), 100000);
  clock.restart();
  dialogs->Answer(true);  // replaces the file it came from
  SaveAs(U("長文"));
  const qint64 saveText = clock.elapsed();
  EXPECT_EQ(Messages(), QStringList{U("メモを保存しました")});

  Click("Button22");
  clock.restart();
  Select("FileListBox1", U("長表.csv"));
  const qint64 openGrid = clock.elapsed();
  EXPECT_EQ(form->Grid("StringGrid3")->RowCount(), 100000);
  EXPECT_EQ(form->Grid("StringGrid3")->Cell(2, 99999), U("24999.75"));
  clock.restart();
  dialogs->Answer(true);
  SaveAs(U("長表"));
  const qint64 saveGrid = clock.elapsed();
  EXPECT_EQ(Messages(), QStringList{U("デ－タを保存しました")});

  EXPECT_EQ(Bytes(U("memo/長文.txt")), Cp932::Encode(text.join(U("\r\n")) + U("\r\n")));
  EXPECT_EQ(Bytes(U("memocsv/長表.csv")), Cp932::Encode(gridSaved.join(U("\r\n")) + U("\r\n")));
  std::printf("100,000 lines: text memo opened in %lld ms, saved in %lld ms; grid memo opened in %lld ms, "
              "saved in %lld ms\n",
              static_cast<long long>(openText), static_cast<long long>(saveText),
              static_cast<long long>(openGrid), static_cast<long long>(saveGrid));
}

}  // namespace
