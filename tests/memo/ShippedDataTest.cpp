// The reference tables, formula texts and usage text that ship beside the
// program, as the build wrote them (code page 932).
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include "store/GridRowCsv.h"
#include "store/TextFile.h"

namespace {

QString Data(const QString& relative) { return qEnvironmentVariable("HEATCALC_DATA") + QLatin1Char('/') + relative; }

QStringList Files(const QString& folder, const QString& mask) {
  return QDir(Data(folder)).entryList(QStringList{mask}, QDir::Files, QDir::Name);
}

TEST(ShippedData, ReferenceTablesNameTheirSourcesAndFitTheGrid) {
  const QStringList tables = Files(QStringLiteral("siryou"), QStringLiteral("*.csv"));
  EXPECT_GE(tables.size(), 8);
  for (const QString& name : tables) {
    const TextFile::ReadResult read = TextFile::Read(Data(QStringLiteral("siryou/") + name));
    EXPECT_TRUE(read.validCp932) << name.toStdString();
    ASSERT_GE(read.lines.size(), 4) << name.toStdString();
    EXPECT_LE(read.lines.size(), 200) << name.toStdString();
    bool source = false;
    for (const QString& line : read.lines.mid(0, 3)) source = source || line.contains(QStringLiteral("出典"));
    EXPECT_TRUE(source) << name.toStdString() << ": a header row names the source";
    for (const QString& line : read.lines) {
      QStringList cells(31);
      GridRowCsv::Read(line, cells);
      EXPECT_TRUE(cells.last().isEmpty()) << name.toStdString() << ": more than 30 fields: " << line.toStdString();
    }
  }
}

TEST(ShippedData, FormulaTextsListEveryCatalogueNumberOnce) {
  QList<int> expected;
  for (int n = 1; n <= 13; ++n)
    if (n != 8) expected << n;
  for (int n = 51; n <= 78; ++n)
    if (n != 67 && n != 68 && n != 72 && n != 73) expected << n;
  for (int n = 101; n <= 126; ++n)
    if (n != 103 && n != 115 && n != 118 && n != 119) expected << n;
  for (int n = 201; n <= 205; ++n) expected << n;
  ASSERT_EQ(expected.size(), 63);

  QList<int> found;
  const QRegularExpression head(QStringLiteral("^(\\d+)\\s"));
  for (const QString& name : Files(QStringLiteral("formtext"), QStringLiteral("*.txt"))) {
    const TextFile::ReadResult read = TextFile::Read(Data(QStringLiteral("formtext/") + name));
    EXPECT_TRUE(read.validCp932) << name.toStdString();
    for (const QString& line : read.lines) {
      const QRegularExpressionMatch m = head.match(line);
      if (m.hasMatch()) found << m.captured(1).toInt();
    }
  }
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, expected);
}

TEST(ShippedData, UsageTextIsCodePage932) {
  const TextFile::ReadResult read = TextFile::Read(Data(QStringLiteral("text/usage.txt")));
  EXPECT_TRUE(read.validCp932);
  EXPECT_GE(read.lines.size(), 110);
  EXPECT_LE(read.lines.size(), 150);
}

}  // namespace
