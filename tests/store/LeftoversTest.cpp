// The files saves left half-written when the program ended during them:
// removing those alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "store/AtomicFile.h"
#include "store/Leftovers.h"

namespace {

void Put(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  f.write("x");
}

// The writer's unfinished files, the engineer's copies beside them, and
// folders of the working folder that are links elsewhere: only the first
// go, whatever the others are called.
TEST(Leftovers, RemovesOnlyTheWritersUnfinishedFilesInsideTheWorkingFolder) {
  QTemporaryDir dir, elsewhere;
  const QString root = dir.path();
  // Unfinished files as the writer names them (it removes its own when it
  // goes), left as a save cut short leaves them.
  QStringList leftovers;
  for (const char* folder : {"G1de-ta", "memo", "memocsv"}) {
    QDir().mkpath(root + QLatin1Char('/') + QString::fromLatin1(folder));
    AtomicFile file(root + QLatin1Char('/') + QString::fromLatin1(folder) + QStringLiteral("/target"));
    ASSERT_TRUE(file.Open());
    const QString name = QFileInfo(file.UnfinishedPath()).fileName();
    ASSERT_TRUE(AtomicFile::IsUnfinishedName(name)) << name.toStdString();
    leftovers << QString::fromLatin1(folder) + QLatin1Char('/') + name;
  }
  for (const QString& f : leftovers) Put(root + QLatin1Char('/') + f);
  const QStringList kept{"G1de-ta/heatwork.csv",
                         "G1de-ta/heatworkA.csv",
                         "G1de-ta/heatwork.bak.csv",
                         "G1de-ta/heatwork.csv.Backup",  // six letters of both cases after a dot
                         "G1de-ta/heatwork.csv.QxTbAe",
                         "G1de-ta/heatwork.csv.backup",
                         "G1de-ta/heatcalc.lock",
                         "G1de-ta/.heatcalc-unfinished-.tmp",  // near misses of the writer's name
                         "G1de-ta/.heatcalc-unfinished-abcdefgh.txt",
                         "G1de-ta/heatcalc-unfinished-abcdefgh.tmp",
                         "G1de-ta/.heatcalc-unfinished-ABCDEFGH.tmp",
                         "memo/配管メモ.txt",
                         "memo/x.txt.Backup",
                         "memo/notes.txt.kPzRwD",
                         "memocsv/比較表.csv",
                         "memocsv/表.csv.OldVer",
                         "siryou/.heatcalc-unfinished-abcdefgh.tmp",  // a folder the program never writes
                         ".heatcalc-unfinished-abcdefgh.tmp"};
  for (const QString& f : kept) Put(root + QLatin1Char('/') + f);
  // A folder and a link with the writer's name are not files the writer left.
  QDir().mkpath(root + QStringLiteral("/memo/.heatcalc-unfinished-folder00.tmp"));
  ASSERT_TRUE(QFile::link(root + QStringLiteral("/memo/配管メモ.txt"),
                          root + QStringLiteral("/memo/.heatcalc-unfinished-link0000.tmp")));
  // memocsv/ of a second working folder is a link to a folder elsewhere,
  // and its G1de-ta/ a link to the first one's: nothing there is touched.
  QTemporaryDir second;
  const QString linkedFile = elsewhere.path() + QStringLiteral("/.heatcalc-unfinished-abcdefgh.tmp");
  Put(linkedFile);
  ASSERT_TRUE(QFile::link(elsewhere.path(), second.path() + QStringLiteral("/memocsv")));
  ASSERT_TRUE(QFile::link(root + QStringLiteral("/G1de-ta"), second.path() + QStringLiteral("/G1de-ta")));
  EXPECT_EQ(Leftovers::Remove(second.path()), QStringList());
  EXPECT_TRUE(QFileInfo::exists(linkedFile));
  for (const QString& f : leftovers)
    EXPECT_TRUE(QFileInfo::exists(root + QLatin1Char('/') + f)) << f.toStdString();

  QStringList removed = Leftovers::Remove(root);
  for (QString& p : removed) p = QDir(root).relativeFilePath(p);
  removed.sort();
  leftovers.sort();
  EXPECT_EQ(removed.join(QStringLiteral(", ")).toStdString(),
            leftovers.join(QStringLiteral(", ")).toStdString());
  for (const QString& f : leftovers)
    EXPECT_FALSE(QFileInfo::exists(root + QLatin1Char('/') + f)) << f.toStdString();
  for (const QString& f : kept)
    EXPECT_TRUE(QFileInfo::exists(root + QLatin1Char('/') + f)) << f.toStdString();
  EXPECT_TRUE(QFileInfo(root + QStringLiteral("/memo/.heatcalc-unfinished-folder00.tmp")).isDir());
  EXPECT_TRUE(QFileInfo(root + QStringLiteral("/memo/.heatcalc-unfinished-link0000.tmp")).isSymLink());
  EXPECT_TRUE(Leftovers::Remove(root).isEmpty()) << "a second start finds nothing";
}

}  // namespace
