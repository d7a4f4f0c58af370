// The folder the window works in: beside the program when it can be
// written there, else the user's data folder, set up from the shipped data
// at the first start and kept as the user left it at later starts.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "store/WorkingFolder.h"
#include "support/OrdinaryUser.h"

namespace {

void Put(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  f.write(bytes);
}

QByteArray Slurp(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// An installed program: prefix/bin and the shipped data in prefix/share/heatcalc.
void Install(const QString& prefix) {
  QDir().mkpath(prefix + QStringLiteral("/bin"));
  const QString share = prefix + QStringLiteral("/share/heatcalc");
  Put(share + QStringLiteral("/G1de-ta/heatworkA.csv"), "factory");
  Put(share + QStringLiteral("/G1de-ta/hoonzai_atsusa.csv"), "stock");
  Put(share + QStringLiteral("/G1de-ta/hoonzai_hiyou.csv"), "costs");
  Put(share + QStringLiteral("/G1de-ta/hoonzai_zairyou.csv"), "materials");
  Put(share + QStringLiteral("/G1de-ta/gaisou_zairyou.csv"), "jackets");
  Put(share + QStringLiteral("/siryou/01_金属.csv"), "table");
  Put(share + QStringLiteral("/formtext/1_簡易式.txt"), "formula");
  Put(share + QStringLiteral("/text/usage.txt"), "usage");
  Put(share + QStringLiteral("/memo/sample.txt"), "sample");
}

WorkingFolder::Choice Start(const QString& prefix, const QString& user) {
  const QString bin = prefix + QStringLiteral("/bin");
  return WorkingFolder::Choose(bin, bin + QStringLiteral("/../share/heatcalc"), user);
}

TEST(WorkingFolder, WritableProgramFolderIsUsedAsBefore) {
  QTemporaryDir t;
  const QString program = t.filePath(QStringLiteral("bin"));
  Put(program + QStringLiteral("/G1de-ta/heatworkA.csv"), "factory");
  Put(program + QStringLiteral("/G1de-ta/heatwork.csv"), "mine");
  const WorkingFolder::Choice c =
      WorkingFolder::Choose(program, program + QStringLiteral("/../share/heatcalc"), t.filePath("user"));
  EXPECT_EQ(c.folder, program);
  EXPECT_FALSE(c.userFolder);
  EXPECT_TRUE(c.problem.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(t.filePath("user"))) << "nothing is made in the user's folder";
  EXPECT_EQ(Slurp(program + QStringLiteral("/G1de-ta/heatwork.csv")), "mine");

  // No shipped data anywhere: the program's folder, as before.
  const QString bare = t.filePath(QStringLiteral("bare"));
  QDir().mkpath(bare);
  EXPECT_EQ(WorkingFolder::Choose(bare, bare + QStringLiteral("/../none"), t.filePath("user")).folder, bare);
  EXPECT_FALSE(QFileInfo::exists(t.filePath("user")));
}

TEST(WorkingFolder, InstalledProgramWorksInTheUsersFolder) {
  QTemporaryDir t;
  const QString prefix = t.filePath(QStringLiteral("usr")),
                user = t.filePath(QStringLiteral("home/heatcalc"));
  Install(prefix);
  const QString share = QFileInfo(prefix + QStringLiteral("/share/heatcalc")).canonicalFilePath();

  // First start: the working files are made, the shipped ones linked.
  WorkingFolder::Choice c = Start(prefix, user);
  EXPECT_EQ(c.folder, user);
  EXPECT_TRUE(c.userFolder);
  EXPECT_TRUE(c.problem.isEmpty()) << c.problem.toStdString();
  EXPECT_EQ(Slurp(user + QStringLiteral("/G1de-ta/heatwork.csv")), "factory");
  EXPECT_EQ(Slurp(user + QStringLiteral("/memo/sample.txt")), "sample");
  EXPECT_TRUE(QFileInfo(user + QStringLiteral("/memocsv")).isDir());
  EXPECT_FALSE(QFileInfo(user + QStringLiteral("/G1de-ta")).isSymLink());
  for (const char* link : {"G1de-ta/heatworkA.csv", "siryou", "formtext", "text"}) {
    const QFileInfo info(user + QLatin1Char('/') + QLatin1String(link));
    EXPECT_TRUE(info.isSymLink()) << link;
    EXPECT_EQ(info.canonicalFilePath(), share + QLatin1Char('/') + QLatin1String(link)) << link;
  }
  EXPECT_EQ(Slurp(user + QStringLiteral("/siryou/01_金属.csv")), "table");
  // The stock lists and the material library are copies the engineer may edit.
  for (const char* stock : {"/G1de-ta/hoonzai_atsusa.csv", "/G1de-ta/hoonzai_hiyou.csv",
                            "/G1de-ta/hoonzai_zairyou.csv", "/G1de-ta/gaisou_zairyou.csv"})
    EXPECT_FALSE(QFileInfo(user + QLatin1String(stock)).isSymLink()) << stock;
  EXPECT_EQ(Slurp(user + QStringLiteral("/G1de-ta/hoonzai_hiyou.csv")), "costs");

  // Later starts keep what the user did.
  Put(user + QStringLiteral("/G1de-ta/heatwork.csv"), "saved");
  Put(user + QStringLiteral("/G1de-ta/hoonzai_atsusa.csv"), "edited");
  Put(user + QStringLiteral("/G1de-ta/hoonzai_zairyou.csv"), "my materials");
  ASSERT_TRUE(QFile::remove(user + QStringLiteral("/memo/sample.txt")));
  c = Start(prefix, user);
  EXPECT_EQ(Slurp(user + QStringLiteral("/G1de-ta/heatwork.csv")), "saved");
  EXPECT_EQ(Slurp(user + QStringLiteral("/G1de-ta/hoonzai_atsusa.csv")), "edited");
  EXPECT_EQ(Slurp(user + QStringLiteral("/G1de-ta/hoonzai_zairyou.csv")), "my materials");
  EXPECT_FALSE(QFileInfo::exists(user + QStringLiteral("/memo/sample.txt")));
  EXPECT_EQ(Slurp(share + QStringLiteral("/G1de-ta/heatworkA.csv")), "factory");

  // The program moved (or was updated): the links follow it. A folder of
  // the user's own in place of a link stays.
  const QString moved = t.filePath(QStringLiteral("opt"));
  ASSERT_TRUE(QDir().rename(prefix, moved));
  ASSERT_TRUE(QFile::remove(user + QStringLiteral("/formtext")));
  Put(user + QStringLiteral("/formtext/own.txt"), "own");
  c = Start(moved, user);
  EXPECT_TRUE(c.problem.isEmpty()) << c.problem.toStdString();
  EXPECT_EQ(QFileInfo(user + QStringLiteral("/siryou")).canonicalFilePath(),
            QFileInfo(moved + QStringLiteral("/share/heatcalc/siryou")).canonicalFilePath());
  EXPECT_EQ(Slurp(user + QStringLiteral("/G1de-ta/heatworkA.csv")), "factory");
  EXPECT_FALSE(QFileInfo(user + QStringLiteral("/formtext")).isSymLink());
  EXPECT_EQ(Slurp(user + QStringLiteral("/formtext/own.txt")), "own");
  EXPECT_EQ(Slurp(user + QStringLiteral("/G1de-ta/heatwork.csv")), "saved");

  // A user's folder that cannot be made is reported.
  Put(t.filePath(QStringLiteral("plainfile")), "x");
  c = Start(moved, t.filePath(QStringLiteral("plainfile/heatcalc")));
  EXPECT_TRUE(c.problem.contains(QStringLiteral("作業フォルダ"))) << c.problem.toStdString();
}

// A copy of the program with its data that its user cannot write: the
// user's folder starts from that copy's own working store.
TEST(WorkingFolder, ReadOnlyProgramFolderStartsFromItsWorkingStore) {
  QTemporaryDir t;
  const QString program = t.filePath(QStringLiteral("bin")),
                user = t.filePath(QStringLiteral("home/heatcalc"));
  Put(program + QStringLiteral("/G1de-ta/heatworkA.csv"), "factory");
  Put(program + QStringLiteral("/G1de-ta/heatwork.csv"), "set up by its owner");
  Put(program + QStringLiteral("/siryou/01.csv"), "table");
  QDir().mkpath(t.filePath(QStringLiteral("home")));
  WorkingFolder::Choice c;
  {
    OrdinaryUser nobody(t.path());
    const QString store = program + QStringLiteral("/G1de-ta");
    ASSERT_TRUE(QFile::setPermissions(store, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    c = WorkingFolder::Choose(program, t.filePath(QStringLiteral("none")), user);
    QFile::setPermissions(store, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
  EXPECT_EQ(c.folder, user);
  EXPECT_TRUE(c.problem.isEmpty()) << c.problem.toStdString();
  EXPECT_EQ(Slurp(user + QStringLiteral("/G1de-ta/heatwork.csv")), "set up by its owner");
  EXPECT_EQ(Slurp(user + QStringLiteral("/siryou/01.csv")), "table");
}

}  // namespace
