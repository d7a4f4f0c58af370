// The files saves left half-written when the program ended during them:
// the names the writer gives them, and removing those alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include "store/Leftovers.h"

namespace {

void Put(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  f.write("x");
}

// The atomic writer (QSaveFile) names its temporary file from the target's
// name as QTemporaryFile does; these are names made that way.
TEST(Leftovers, RecognisesTheNamesTheWriterGivesItsTemporaryFiles) {
  QTemporaryDir dir;
  int made = 0, recognised = 0;
  for (const auto& [folder, target] :
       {std::pair{"G1de-ta", "heatwork.csv"}, std::pair{"memo", "配管メモ.txt"},
        std::pair{"memocsv", "比較表.csv"}}) {
    for (int i = 0; i < 100; ++i) {
      QTemporaryFile file(dir.filePath(QString::fromUtf8(target)));
      ASSERT_TRUE(file.open());
      const QString name = QFileInfo(file.fileName()).fileName();
      ASSERT_TRUE(name.startsWith(QString::fromUtf8(target) + QLatin1Char('.'))) << name.toStdString();
      ASSERT_EQ(name.size(), QString::fromUtf8(target).size() + 7) << name.toStdString();
      ++made;
      if (Leftovers::IsUnfinishedWrite(QString::fromLatin1(folder), name)) ++recognised;
    }
  }
  // All but those whose six letters share one case (1 in 32).
  EXPECT_GE(recognised, made * 9 / 10) << recognised << " of " << made;
}

TEST(Leftovers, RemovesTheWritersLeftoversAndNothingElse) {
  QTemporaryDir dir;
  const QString root = dir.path();
  const QStringList leftovers{"G1de-ta/heatwork.csv.QxTbAe", "memo/配管メモ.txt.kPzRwD", "memo/.txt.AbCdEf",
                              "memocsv/比較表.csv.ZyXwvU"};
  const QStringList kept{"G1de-ta/heatwork.csv",
                         "G1de-ta/heatworkA.csv",
                         "G1de-ta/heatwork.bak.csv",
                         "G1de-ta/heatworkA.csv.QxTbAe",  // the program never writes the factory store
                         "G1de-ta/heatwork.csv.backup",
                         "G1de-ta/heatwork.csv.BACKUP",
                         "G1de-ta/heatwork.csv.Ab12Cd",
                         "G1de-ta/heatwork.csv.AbCdEfG",
                         "G1de-ta/heatwork.csv.AbCdE",
                         "heatcalc.lock",
                         "memo/配管メモ.txt",
                         "memo/notes.txt.Backup2",
                         "memo/table.csv.kPzRwD",
                         "memocsv/比較表.csv",
                         "memocsv/notes.txt.ZyXwvU",
                         "siryou/01.csv.QxTbAe",
                         "heatwork.csv.QxTbAe"};
  for (const QString& f : leftovers + kept) Put(root + QLatin1Char('/') + f);
  // A folder and a link with a leftover's name are not files the writer left.
  QDir().mkpath(root + QStringLiteral("/memo/folder.txt.AbCdEf"));
  ASSERT_TRUE(QFile::link(root + QStringLiteral("/memo/配管メモ.txt"),
                          root + QStringLiteral("/memo/link.txt.AbCdEf")));

  QStringList removed = Leftovers::Remove(root);
  for (QString& p : removed) p = QDir(root).relativeFilePath(p);
  removed.sort();
  QStringList expected = leftovers;
  expected.sort();
  EXPECT_EQ(removed.join(QStringLiteral(", ")).toStdString(),
            expected.join(QStringLiteral(", ")).toStdString());
  for (const QString& f : leftovers)
    EXPECT_FALSE(QFileInfo::exists(root + QLatin1Char('/') + f)) << f.toStdString();
  for (const QString& f : kept)
    EXPECT_TRUE(QFileInfo::exists(root + QLatin1Char('/') + f)) << f.toStdString();
  EXPECT_TRUE(QFileInfo(root + QStringLiteral("/memo/folder.txt.AbCdEf")).isDir());
  EXPECT_TRUE(QFileInfo(root + QStringLiteral("/memo/link.txt.AbCdEf")).isSymLink());
  EXPECT_TRUE(Leftovers::Remove(root).isEmpty()) << "a second start finds nothing";
}

}  // namespace
