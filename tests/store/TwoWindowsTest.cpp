// Two windows on the same working files: the lock a second program finds
// (also one left by a program that crashed), and a Save that notices what
// another window saved since this one loaded or saved the store.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>

#include "foundation/Errors.h"
#include "store/ConditionStore.h"
#include "store/StoreFileWatch.h"
#include "store/TextFile.h"
#include "store/WorkingFilesLock.h"
#include "support/OrdinaryUser.h"

namespace {

using Result = WorkingFilesLock::Result;

// A working folder with its store folder, where the lock lies.
QString WorkingFolder(const QTemporaryDir& dir) {
  QDir().mkpath(dir.path() + QStringLiteral("/G1de-ta"));
  return dir.path();
}

TEST(WorkingFilesLock, SecondProgramFindsTheLockUntilTheFirstEnds) {
  QTemporaryDir dir;
  WorkingFilesLock first(WorkingFolder(dir)), second(dir.path());
  ASSERT_EQ(first.TryLock(), Result::Locked);
  EXPECT_EQ(first.Path(), dir.path() + QStringLiteral("/G1de-ta/heatcalc.lock"));
  EXPECT_EQ(first.TryLock(), Result::Locked) << "taking one's own lock again";
  EXPECT_EQ(second.TryLock(), Result::HeldByOther);
  EXPECT_EQ(second.StaleNote(), QString());
  EXPECT_TRUE(second.Question().contains(dir.path()));
  EXPECT_TRUE(second.Question().contains(QString::number(QCoreApplication::applicationPid())));

  // A window left open for an hour still holds its lock.
  QFile lockFile(first.Path());
  ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
  ASSERT_TRUE(
      lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
  lockFile.close();
  EXPECT_EQ(second.TryLock(), Result::HeldByOther);

  first.Unlock();
  EXPECT_FALSE(QFile::exists(first.Path()));
  EXPECT_EQ(second.TryLock(), Result::Locked);
  EXPECT_EQ(first.TryLock(), Result::HeldByOther);
}

// A lock file that names no live process of this computer: left by a
// program that crashed, by another host, empty or unreadable. Each is taken
// over and said so; and a program folder that cannot be written still gets
// its lock beside the store.
TEST(WorkingFilesLock, LockThatNamesNoLiveProcessHereIsTakenOverAndSaid) {
  QTemporaryDir dir;
  const QString folder = WorkingFolder(dir);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    WorkingFilesLock lock(folder);
    _exit(lock.TryLock() == Result::Locked ? 0 : 3);  // ends without removing it
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  const QByteArray here = QSysInfo::machineHostName().toUtf8();
  const QByteArray live = QByteArray::number(QCoreApplication::applicationPid());
  const struct {
    const char* what;
    QByteArray text;  // nothing: the crashed child's own lock file
    const char* said;
  } cases[] = {
      {"crashed program", QByteArray(), "終了したプロセス"},
      {"empty", "", "空のロックファイル"},
      {"blanks", " \n\n", "空のロックファイル"},
      {"garbage", "\x81\xff#!\n", "プロセスを示さないロックファイル"},
      {"other host", live + "\nheatcalc\nanother-computer-7\n", "別のホスト another-computer-7"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WorkingFilesLock next(folder);
    if (QByteArray(c.what) != "crashed program") {
      QFile f(next.Path());
      ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write(c.text);
    }
    ASSERT_TRUE(QFile::exists(next.Path()));
    ASSERT_EQ(next.TryLock(), Result::Locked);
    EXPECT_TRUE(next.StaleNote().contains(next.Path())) << next.StaleNote().toStdString();
    EXPECT_TRUE(next.StaleNote().contains(QString::fromUtf8(c.said))) << next.StaleNote().toStdString();
    next.Unlock();
  }
  // A live process of this computer is no stale lock.
  {
    WorkingFilesLock holder(folder), other(folder);
    ASSERT_EQ(holder.TryLock(), Result::Locked);
    EXPECT_EQ(holder.StaleNote(), QString());
    EXPECT_EQ(other.TryLock(), Result::HeldByOther);
    EXPECT_EQ(other.StaleNote(), QString());
    EXPECT_TRUE(QFile::exists(holder.Path()));
  }

  // A program folder that cannot be written, its G1de-ta/ can: the lock
  // lies there. No folder for the store: no lock, and the files open unlocked.
  const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                        QFile::ReadOther | QFile::ExeOther;
  ASSERT_TRUE(QFile::setPermissions(folder, readOnly));
  {
    OrdinaryUser user(folder);
    WorkingFilesLock lock(folder), second(folder);
    EXPECT_EQ(lock.TryLock(), Result::Locked);
    EXPECT_EQ(second.TryLock(), Result::HeldByOther);
    lock.Unlock();
    WorkingFilesLock missing(folder + QStringLiteral("/missing"));
    EXPECT_EQ(missing.TryLock(), Result::Unavailable);
  }
  QFile::setPermissions(folder, readOnly | QFile::WriteOwner);
}

// One window: its store and the watch of its file, loaded and saved as the
// window does it.
struct Window {
  explicit Window(const QString& file) : path(file) {}
  QString path;
  ConditionStore store;
  StoreFileWatch watch;

  void Load() { store.LoadLines(watch.Read(path).lines); }
  // A Save that asks first when the file changed; answer is the person's.
  bool Save(bool answer) {
    if (watch.ChangedOnDisk() && !answer) return false;
    store.Save(path);
    watch.Saved(store.Lines());
    return true;
  }
};

ConditionStore Stored(const QString& path) {
  ConditionStore s;
  s.Load(path);
  return s;
}

TEST(StoreFileWatch, SaveAfterAnotherWindowsSaveLosesNothingUnlessTheUserSaysSo) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("heatwork.csv"));
  ConditionStore factory;
  factory.SetCell(5, 11, QStringLiteral("800"));
  factory.SetCell(2, 1, QStringLiteral("保温円筒"));
  factory.Save(path);

  Window a(path), b(path);
  a.Load();
  b.Load();
  EXPECT_FALSE(a.watch.ChangedOnDisk());

  a.store.SetCell(5, 11, QStringLiteral("650"));
  ASSERT_TRUE(a.Save(false)) << "nothing changed behind a's back";
  EXPECT_FALSE(a.watch.ChangedOnDisk()) << "a's own save is not a change";

  b.store.SetCell(5, 13, QStringLiteral("2"));
  EXPECT_TRUE(b.watch.ChangedOnDisk());
  EXPECT_FALSE(b.Save(false)) << "b asks and is told no";
  EXPECT_EQ(Stored(path).GetCell(5, 11), QStringLiteral("650")) << "a's save is whole";

  b.Load();  // b takes a's save, then saves its own change over it
  b.store.SetCell(5, 13, QStringLiteral("2"));
  ASSERT_TRUE(b.Save(false));
  EXPECT_EQ(Stored(path).GetCell(5, 11), QStringLiteral("650"));
  EXPECT_EQ(Stored(path).GetCell(5, 13), QStringLiteral("2"));

  EXPECT_TRUE(a.watch.ChangedOnDisk()) << "now a must ask";
  a.store.SetCell(2, 1, QStringLiteral("ヒーター"));
  ASSERT_TRUE(a.Save(true)) << "told yes, a writes over b's save";
  EXPECT_EQ(Stored(path).GetCell(2, 1), QStringLiteral("ヒーター"));
  EXPECT_TRUE(b.watch.ChangedOnDisk());
}

TEST(StoreFileWatch, ChangesBehindTheBack) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("heatwork.csv"));
  const QStringList lines{QStringLiteral("1,円筒,25,,,,"), QStringLiteral("2,平板,800,,,,")};
  TextFile::Write(path, lines);
  auto rewrite = [&](const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  };

  StoreFileWatch watch;
  EXPECT_FALSE(watch.ChangedOnDisk()) << "nothing remembered yet";
  const TextFile::ReadResult read = watch.Read(path);
  EXPECT_EQ(read.lines, TextFile::Read(path).lines);
  EXPECT_TRUE(read.validCp932);

  // The same bytes written again (another window saved the same values).
  const QDateTime modified = QFileInfo(path).lastModified();
  const qint64 size = QFileInfo(path).size();
  rewrite(TextFile::Bytes(lines));
  EXPECT_FALSE(watch.ChangedOnDisk());

  // One digit changed; size and modification time put back as they were.
  QByteArray edited = TextFile::Bytes(lines);
  edited.replace("800", "900");
  rewrite(edited);
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(modified, QFileDevice::FileModificationTime));
  }
  ASSERT_EQ(QFileInfo(path).size(), size);
  ASSERT_EQ(QFileInfo(path).lastModified(), modified);
  EXPECT_TRUE(watch.ChangedOnDisk());

  watch.Remember(path);
  EXPECT_FALSE(watch.ChangedOnDisk());
  ASSERT_TRUE(QFile::remove(path));
  // A file that has gone, or cannot be read, holds no other window's save:
  // the save goes ahead and says what fails.
  EXPECT_FALSE(watch.ChangedOnDisk()) << "removed";

  // Not there at load: a file that appears later is another window's.
  StoreFileWatch absent;
  EXPECT_THROW(absent.Read(path), FileError);
  EXPECT_FALSE(absent.ChangedOnDisk());
  TextFile::Write(path, lines);
  EXPECT_TRUE(absent.ChangedOnDisk());

  // Bytes that are not code page 932 are read as TextFile reads them.
  rewrite(QByteArray("a,\x81\x7f,b\r\n"));
  StoreFileWatch odd;
  const TextFile::ReadResult oddRead = odd.Read(path);
  EXPECT_FALSE(oddRead.validCp932);
  EXPECT_EQ(oddRead.lines, TextFile::Read(path).lines);
}

}  // namespace
