// The condition store: load, heading numbers, save and the rows beyond the
// 80 saved ones.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "foundation/Errors.h"
#include "store/ConditionStore.h"
#include "store/TextFile.h"

namespace {

QByteArray Slurp(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList Numbered(int count) {
  QStringList lines;
  for (int r = 0; r < count; ++r) lines << QStringLiteral("%1,a%1,b%1,,,,g%1").arg(r);
  return lines;
}

TEST(ConditionStore, HeadingNumbersAfterLoadIncludeRow80) {
  ConditionStore s;
  s.LoadLines({QStringLiteral(",x,y,z,,,w"), QStringLiteral("keep,1.5")});
  EXPECT_EQ(s.GetCell(0, 0), QStringLiteral(" "));  // (0,0) is not numbered
  for (int c = 1; c < 7; ++c) EXPECT_EQ(s.GetCell(c, 0), QString::number(c));
  EXPECT_EQ(s.GetCell(0, 1), QStringLiteral("1"));  // the heading replaces "keep"
  EXPECT_EQ(s.GetCell(1, 1), QStringLiteral("1.5"));
  EXPECT_EQ(s.GetCell(0, 79), QStringLiteral("79"));
  EXPECT_EQ(s.GetCell(0, 80), QStringLiteral("80"));
}

TEST(ConditionStore, CellsOutsideTheTableReadEmptyAndAreNotWritten) {
  ConditionStore s;
  s.SetCell(7, 1, QStringLiteral("x"));
  s.SetCell(-1, 1, QStringLiteral("x"));
  s.SetCell(1, 81, QStringLiteral("x"));
  EXPECT_EQ(s.GetCell(7, 1), QString());
  EXPECT_EQ(s.GetCell(1, 81), QString());
  EXPECT_EQ(s.GetCell(0, -1), QString());
}

TEST(ConditionStore, FewerLinesLeaveTheOtherRowsEmpty) {
  ConditionStore s;
  s.LoadLines({QStringLiteral(",1,2,3,4,5,6"), QStringLiteral("1,,5.67")});
  EXPECT_EQ(s.GetCell(2, 1), QStringLiteral("5.67"));
  EXPECT_EQ(s.GetCell(6, 40), QString());
  EXPECT_EQ(s.GetCell(0, 40), QStringLiteral("40"));
}

TEST(ConditionStore, LinesAfterThe80thAreReadButNeverWritten) {
  ConditionStore s;
  s.LoadLines(Numbered(90));
  EXPECT_EQ(s.GetCell(1, 79), QStringLiteral("a79"));
  EXPECT_EQ(s.GetCell(1, 80), QStringLiteral("a80"));  // row 80 holds the 81st line in memory
  EXPECT_EQ(s.GetCell(0, 80), QStringLiteral("80"));
  const QStringList lines = s.Lines();
  ASSERT_EQ(lines.size(), 80);
  EXPECT_EQ(lines[79], QStringLiteral("79,a79,b79,\" \",\" \",\" \",g79"));
}

TEST(ConditionStore, LoadSaveRoundTripThroughTheFile) {
  QTemporaryDir dir;
  const QString path = dir.path() + QStringLiteral("/heatwork.csv");
  // The first lines of a factory store, with an empty heading field.
  QStringList lines{QStringLiteral(",1,2,3,4,5,6"), QStringLiteral("1,,5.670374419,0.00000001,,,hi-ta"),
                    QStringLiteral("2,,0.9,,,,5")};
  TextFile::Write(path, lines);
  ConditionStore s;
  s.Load(path);
  EXPECT_EQ(s.GetCell(2, 1), QStringLiteral("5.670374419"));
  EXPECT_EQ(s.GetCell(6, 1), QStringLiteral("hi-ta"));
  s.SetCell(5, 1, QStringLiteral("a,\"b\""));
  s.SetCell(1, 3, QStringLiteral("ヒーター ①"));
  s.Save(path);

  const QByteArray bytes = Slurp(path);
  // Empty fields inside a line were loaded as " " and come back quoted.
  EXPECT_TRUE(
      bytes.startsWith("\" \",1,2,3,4,5,6\r\n1,\" \",5.670374419,0.00000001,\" \",\"a,\"\"b\"\"\",hi-ta\r\n"))
      << bytes.left(80).toStdString();
  EXPECT_TRUE(bytes.endsWith("79,,,,,,\r\n"));
  EXPECT_EQ(bytes.count("\r\n"), 80);
  EXPECT_FALSE(bytes.contains("\n80,")) << "row 80 is never written";

  ConditionStore again;
  again.Load(path);
  // Every cell comes back; an empty cell may come back as the blank " ".
  auto same = [](const QString& a, const QString& b) {
    return a == b || (a.trimmed().isEmpty() && b.trimmed().isEmpty() && a.size() <= 1 && b.size() <= 1);
  };
  for (int r = 0; r < 81; ++r)
    for (int c = 0; c < 7; ++c)
      EXPECT_TRUE(same(again.GetCell(c, r), s.GetCell(c, r)))
          << c << "," << r << ": '" << again.GetCell(c, r).toStdString() << "'";
  EXPECT_EQ(again.GetCell(5, 1), QStringLiteral("a,\"b\""));
  EXPECT_EQ(again.GetCell(1, 3), QStringLiteral("ヒーター ①"));
}

TEST(ConditionStore, MissingFileRaisesTheOpenMessage) {
  QTemporaryDir dir;
  const QString path = dir.path() + QStringLiteral("/G1de-ta/heatwork.csv");
  ConditionStore s;
  try {
    s.Load(path);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.text(), QStringLiteral("ファイル %1 は開けません").arg(path));
  }
}

TEST(ConditionStore, FailedSaveKeepsTheTableAndTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.path() + QStringLiteral("/heatwork.csv");
  TextFile::Write(path, {QStringLiteral(",1,2,3,4,5,6")});
  const QByteArray old = Slurp(path);
  ConditionStore s;
  s.Load(path);
  s.SetCell(3, 3, QStringLiteral("€"));  // no code page 932 form
  EXPECT_THROW(s.Save(path), FileError);
  EXPECT_EQ(s.GetCell(3, 3), QStringLiteral("€"));
  EXPECT_EQ(Slurp(path), old);
}

}  // namespace
