// Whole text files in code page 932: line ends on reading and writing, a
// character that cannot be written, and a write that fails part way.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "foundation/Errors.h"
#include "store/TextFile.h"

namespace {

QByteArray Slurp(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return QByteArray("<missing>");
  return f.readAll();
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

struct SplitCase {
  const char* what;
  const char* text;
  QStringList lines;
};

class TextFileSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(TextFileSplit, SplitsAtEveryLineEnd) {
  EXPECT_EQ(TextFile::SplitLines(QString::fromUtf8(GetParam().text)), GetParam().lines) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(LineEnds, TextFileSplit,
                         ::testing::Values(SplitCase{"CR LF", "a\r\nb\r\n", {"a", "b"}},
                                           SplitCase{"CR", "a\rb\r", {"a", "b"}},
                                           SplitCase{"LF", "a\nb\n", {"a", "b"}},
                                           SplitCase{"mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
                                           SplitCase{"no final line end", "a\r\nb", {"a", "b"}},
                                           SplitCase{"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
                                           SplitCase{"empty lines kept", "\r\n\r\nx\r\n", {"", "", "x"}},
                                           SplitCase{"empty text", "", {}}));

class TextFileTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString Path(const char* name) const { return dir.path() + QLatin1Char('/') + QLatin1String(name); }
};

TEST_F(TextFileTest, ReadsCodePage932WithAnyLineEnd) {
  Put(Path("in.txt"), QByteArray("\x83\x66\x81\x7C\x83\x5E\r\n\x87\x54\r\x87\x40\n\x81\x60\x81\x8E"));
  const TextFile::ReadResult r = TextFile::Read(Path("in.txt"));
  EXPECT_EQ(r.lines, (QStringList{QStringLiteral("デ－タ"), QStringLiteral("Ⅰ"), QStringLiteral("①"),
                                  QStringLiteral("～℃")}));
  EXPECT_TRUE(r.validCp932);
}

TEST_F(TextFileTest, InvalidBytesAreReadAndFlagged) {
  Put(Path("bad.txt"), QByteArray("ok\r\n\x81\r\nend\r\n"));
  const TextFile::ReadResult r = TextFile::Read(Path("bad.txt"));
  EXPECT_FALSE(r.validCp932);
  ASSERT_EQ(r.lines.size(), 3);
  EXPECT_EQ(r.lines[0], QStringLiteral("ok"));
  EXPECT_EQ(r.lines[2], QStringLiteral("end"));
}

TEST_F(TextFileTest, WritesCrLfAfterEveryLineTheLastIncluded) {
  TextFile::Write(Path("out.txt"), {QStringLiteral("デ－タ"), QString(), QStringLiteral("a,b")});
  EXPECT_EQ(Slurp(Path("out.txt")), QByteArray("\x83\x66\x81\x7C\x83\x5E\r\n\r\na,b\r\n"));
  TextFile::Write(Path("empty.txt"), {});
  EXPECT_EQ(Slurp(Path("empty.txt")), QByteArray());
  EXPECT_TRUE(QFileInfo::exists(Path("empty.txt")));
}

TEST_F(TextFileTest, MissingFileCannotBeOpened) {
  const QString path = Path("none.txt");
  try {
    TextFile::Read(path);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.text(), QStringLiteral("ファイル %1 は開けません").arg(path));
  }
  QDir().mkpath(Path("folder"));
  EXPECT_THROW(TextFile::Read(Path("folder")), FileError);
}

TEST_F(TextFileTest, CharacterWithoutCodePageFormIsRefusedAndNothingWritten) {
  const QString path = Path("keep.txt");
  Put(path, QByteArray("old\r\n"));
  try {
    TextFile::Write(path, {QStringLiteral("fine"), QStringLiteral("price €5")});
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_TRUE(e.text().startsWith(QStringLiteral("ファイル %1 を作成できません").arg(path)))
        << e.text().toStdString();
    EXPECT_TRUE(e.text().contains(QStringLiteral("€"))) << "the message names the character";
  }
  EXPECT_EQ(Slurp(path), QByteArray("old\r\n"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.txt")});
}

TEST_F(TextFileTest, DirectoryInTheWayFailsWithTheCreateMessage) {
  const QString path = Path("taken");
  QDir().mkpath(path);
  try {
    TextFile::Write(path, {QStringLiteral("x")});
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.text(), QStringLiteral("ファイル %1 を作成できません").arg(path));
  }
  EXPECT_TRUE(QFileInfo(path).isDir());
}

// A disk that fills up while the new file is written. The file size limit
// stands for it; it holds for root too, where folder permissions do not.
// A small file fails only when it is closed, a large one while it is written.
class TextFileFullDisk : public ::testing::TestWithParam<int> {};

TEST_P(TextFileFullDisk, WriteThatFailsPartWayLeavesTheOldFileWhole) {
  QTemporaryDir dir;
  const QString path = dir.path() + QStringLiteral("/store.csv");
  const QByteArray old("old line 1\r\nold line 2\r\n");
  Put(path, old);
  QStringList lines;
  for (int i = 0; i < GetParam(); ++i) lines << QStringLiteral("new line %1 デ－タ").arg(i);

  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 256;
  auto* previous = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool threw = false;
  try {
    TextFile::Write(path, lines);
  } catch (const FileError& e) {
    threw = true;
    EXPECT_EQ(e.text(), QStringLiteral("ファイル %1 を作成できません").arg(path));
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);

  EXPECT_TRUE(threw);
  EXPECT_EQ(Slurp(path), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("store.csv")})
      << "no temporary file is left behind";
}

INSTANTIATE_TEST_SUITE_P(Sizes, TextFileFullDisk, ::testing::Values(20, 2000));

// A save interrupted at every byte of the new file and just before the
// rename: by a write that fails there (the save reports it) and by the
// program ending there (a crash or a power cut; run in a child process).
// The file then holds the old content whole; a save that ends holds the new
// content whole. Never a mix.
qint64 interruptAt = -1;

bool FailAt(qint64 written, qint64) { return written != interruptAt; }
bool EndAt(qint64 written, qint64) {
  if (written == interruptAt) _exit(0);
  return true;
}

TEST_F(TextFileTest, SaveInterruptedAtAnyByteLeavesTheOldOrTheNewFileWhole) {
  const QString path = Path("heatwork.csv");
  QStringList oldLines, newLines;
  for (int i = 0; i < 30; ++i) oldLines << QStringLiteral("%1,旧データ,,\"a,b\",%2").arg(i).arg(i * 7);
  for (int i = 0; i < 45; ++i) newLines << QStringLiteral("%1,新しいデータ,%2,,").arg(i).arg(i * 0.25);
  const QByteArray oldBytes = TextFile::Bytes(oldLines), newBytes = TextFile::Bytes(newLines);
  const qint64 total = newBytes.size();
  ASSERT_GT(total, oldBytes.size());
  auto others = [&] {
    QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    names.removeAll(QStringLiteral("heatwork.csv"));
    return names;
  };

  int failures = 0, ends = 0;
  for (interruptAt = 0; interruptAt <= total; ++interruptAt) {
    Put(path, oldBytes);
    TextFile::SetWriteProbe(FailAt);
    bool threw = false;
    try {
      TextFile::Write(path, newLines);
    } catch (const FileError&) {
      threw = true;
    }
    TextFile::SetWriteProbe(nullptr);
    ASSERT_TRUE(threw) << "failure at byte " << interruptAt << " is reported";
    ASSERT_EQ(Slurp(path), oldBytes) << "failure at byte " << interruptAt;
    ASSERT_EQ(others(), QStringList()) << "a failed save leaves no temporary file";
    ++failures;

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      TextFile::SetWriteProbe(EndAt);
      try {
        TextFile::Write(path, newLines);
      } catch (...) {
      }
      _exit(3);  // the probe did not end the save where it should have
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child ended at byte " << interruptAt;
    ASSERT_EQ(Slurp(path), oldBytes) << "program ended at byte " << interruptAt;
    // What a crash leaves is the unfinished temporary file beside the old
    // one, never in its place; the next save is not hindered by it.
    for (const QString& name : others()) QFile::remove(dir.filePath(name));
    ++ends;
  }
  EXPECT_EQ(failures, total + 1);
  EXPECT_EQ(ends, total + 1);
  Put(path, oldBytes);
  TextFile::Write(path, newLines);
  EXPECT_EQ(Slurp(path), newBytes);
  std::printf("interrupted saves: %d failed writes, %d ended programs, %lld bytes each\n", failures, ends,
              static_cast<long long>(total));
}

}  // namespace
