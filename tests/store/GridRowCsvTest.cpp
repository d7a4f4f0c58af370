// GridRowCsv: the one conversion between a grid row and a line of every grid
// file. Reading and writing cases side by side, each row one line of a file.
#include <gtest/gtest.h>

#include <QStringList>

#include "store/GridRowCsv.h"

namespace {

QStringList Cells(int n) {
  QStringList cells;
  for (int i = 0; i < n; ++i) cells << QString();
  return cells;
}

QStringList Read(const QString& line, int columns) {
  QStringList cells = Cells(columns);
  GridRowCsv::Read(line, cells);
  return cells;
}

struct ReadCase {
  const char* what;
  const char* line;  // UTF-8
  int columns;
  QStringList expected;
};

class GridRowCsvRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GridRowCsvRead, FillsTheRow) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(Read(QString::fromUtf8(c.line), c.columns), c.expected) << c.what;
}

const QString S = QStringLiteral(" ");

INSTANTIATE_TEST_SUITE_P(
    Lines, GridRowCsvRead,
    ::testing::Values(
        // normal
        ReadCase{"plain fields", "a,b,c", 4, {"a", "b", "c", ""}},
        ReadCase{"double-byte texts", "ヒーター,デ－タ,℃", 3, {"ヒーター", "デ－タ", "℃"}},
        ReadCase{"quoted comma and doubled quote", "\"a,b\",\"x\"\"y\"", 3, {"a,b", "x\"y", ""}},
        ReadCase{"quoted blank", "\" \",b", 3, {" ", "b", ""}},
        ReadCase{"four quotes are one quote", "\"\"\"\"", 2, {"\"", ""}},
        // empty fields occupy their cell as " "
        ReadCase{"empty middle field", "a,,b", 3, {"a", S, "b"}},
        ReadCase{"empty heading field", ",1,2,3,4,5,6", 7, {S, "1", "2", "3", "4", "5", "6"}},
        ReadCase{"quoted empty field", "\"\",b", 3, {S, "b", ""}},
        ReadCase{"only commas", ",,", 4, {S, S, "", ""}},
        // blanks
        ReadCase{"an unquoted blank ends a field", "a b", 3, {"a", "b", ""}},
        ReadCase{"blanks around commas are skipped", "  a  ,  b  ", 3, {"a", "b", ""}},
        ReadCase{"tab and control characters are blanks",
                 "\ta\t,\x01"
                 "b",
                 3,
                 {"a", "b", ""}},
        // boundaries
        ReadCase{"final comma yields no field", "a,b,", 3, {"a", "b", ""}},
        ReadCase{"empty line", "", 3, {"", "", ""}},
        ReadCase{"fields beyond the last column dropped",
                 "1,2,3,4,5,6,7,8,9",
                 7,
                 {"1", "2", "3", "4", "5", "6", "7"}},
        ReadCase{"empty fields beyond the last column dropped", "a,,,,", 2, {"a", S}},
        // damaged lines
        ReadCase{"text after a closing quote starts a new field", "\"ab\"cd,e", 3, {"ab", "cd", "e"}},
        ReadCase{"unclosed quote runs to the end", "a,\"b,c", 3, {"a", "b,c", ""}},
        ReadCase{"stray quote in the middle of a field", "ab\"c,d", 3, {"ab\"c", "d", ""}}));

TEST(GridRowCsvReadNul, NothingBehindNulIsRead) {
  QString line = QStringLiteral("a,b");
  line += QChar(0);
  line += QStringLiteral(",c,d");
  EXPECT_EQ(Read(line, 4), (QStringList{"a", "b", "", ""}));
  QString leading;
  leading += QChar(0);
  leading += QStringLiteral("x");
  EXPECT_EQ(Read(leading, 2), (QStringList{"", ""}));
}

TEST(GridRowCsvReadEmpties, TheRowIsEmptiedBeforeTheLineIsRead) {
  QStringList cells{"old", "old", "old"};
  GridRowCsv::Read(QStringLiteral("new"), cells);
  EXPECT_EQ(cells, (QStringList{"new", "", ""}));
}

struct WriteCase {
  const char* what;
  QStringList cells;
  const char* line;
};

class GridRowCsvWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(GridRowCsvWrite, WritesTheLine) {
  const WriteCase& c = GetParam();
  EXPECT_EQ(GridRowCsv::Write(c.cells), QString::fromUtf8(c.line)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GridRowCsvWrite,
    ::testing::Values(
        WriteCase{"plain cells", {"a", "b", "c"}, "a,b,c"},
        WriteCase{"double-byte cells unquoted", {"ヒーター", "デ－タ", "Ⅰ①～℃"}, "ヒーター,デ－タ,Ⅰ①～℃"},
        WriteCase{"empty cells leave nothing between commas", {"a", "", "b", ""}, "a,,b,"},
        WriteCase{"all empty", {"", "", ""}, ",,"},
        WriteCase{"a blank cell is quoted", {" ", "1"}, "\" \",1"},
        WriteCase{"a comma is quoted", {"a,b"}, "\"a,b\""},
        WriteCase{"a quote is doubled and quoted", {"\""}, "\"\"\"\""},
        WriteCase{"inner blank quoted", {"a b", "x"}, "\"a b\",x"},
        WriteCase{"control character quoted", {"a\tb"}, "\"a\tb\""},
        WriteCase{"a single empty cell", {""}, "\"\""},
        WriteCase{"full-width blank is no blank", {"a　b"}, "a　b"}));

// Write then Read gives the cells back (an empty cell comes back as " "
// only where a later field follows it).
TEST(GridRowCsvRoundTrip, CellsComeBackIdentically) {
  const QStringList cells{"a,b", "x\"y", " ", "デ－タ", "1.5E-5", "\"\"", "末尾,"};
  QStringList back = Cells(cells.size());
  GridRowCsv::Read(GridRowCsv::Write(cells), back);
  EXPECT_EQ(back, cells);
}

TEST(GridRowCsvRoundTrip, EmptyHeadingFieldIsWrittenBackAsQuotedSpace) {
  QStringList row = Cells(7);
  GridRowCsv::Read(QStringLiteral(",1,2,3,4,5,6"), row);
  EXPECT_EQ(GridRowCsv::Write(row), QStringLiteral("\" \",1,2,3,4,5,6"));
  // And the quoted space reads back as the same row.
  QStringList again = Cells(7);
  GridRowCsv::Read(GridRowCsv::Write(row), again);
  EXPECT_EQ(again, row);
}

TEST(GridRowCsvGridMemo, SixtyCellsGiveFiftyNineCommas) {
  QStringList empty = Cells(60);
  EXPECT_EQ(GridRowCsv::Write(empty), QString(59, QLatin1Char(',')));
  QStringList some = Cells(60);
  some[0] = QStringLiteral("a,b");
  some[59] = QStringLiteral("z");
  const QString line = GridRowCsv::Write(some);
  EXPECT_EQ(line.count(QLatin1Char(',')), 60);  // 59 separators and the quoted one
  EXPECT_TRUE(line.startsWith(QStringLiteral("\"a,b\",,")));
  EXPECT_TRUE(line.endsWith(QStringLiteral(",z")));
  QStringList back = Cells(60);
  GridRowCsv::Read(line, back);
  EXPECT_EQ(back[0], QStringLiteral("a,b"));
  // The empty cells between are read as one " " each, so "z" keeps column 59.
  EXPECT_EQ(back[1], QStringLiteral(" "));
  EXPECT_EQ(back[59], QStringLiteral("z"));
}

}  // namespace
