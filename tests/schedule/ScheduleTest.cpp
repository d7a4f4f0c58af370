// The schedule's engine without a window: bad rows each give their reason
// (row and column) while the other lines are answered; a file that gives no
// list says why; the same list saved as code page 932, UTF-8 (with and
// without a byte-order mark), UTF-16 or tab-separated gives the same
// schedule, and the schedule is written back in the list's own encoding.
#include <gtest/gtest.h>

#include "foundation/NumberText.h"
#include "schedule/LineList.h"
#include "schedule/ScheduleRun.h"
#include "schedule/ScheduleTable.h"
#include "store/ConditionStore.h"

using namespace Schedule;

namespace {

QString Data(const QString& relative) {
  return qEnvironmentVariable("HEATCALC_DATA") + QLatin1Char('/') + relative;
}

// The settings of a window on the factory conditions and the shipped files.
const WindowSettings& Factory() {
  static const WindowSettings s = [] {
    ConditionStore store;
    store.Load(Data(QStringLiteral("G1de-ta/heatworkA.csv")));
    WindowSettings w = FromStore(store, QStringLiteral("工場出荷の条件"));
    ReadEngineerFiles(w, qEnvironmentVariable("HEATCALC_DATA"));
    return w;
  }();
  return s;
}

const PipeSizes& Sizes() {
  static const PipeSizes sizes = PipeSizes::Read(Data(PipeSizes::kFile));
  return sizes;
}

struct Solved {
  LineList list;
  std::vector<LineResult> lines;
  QStringList Rows() const {
    const ScheduleTable table(list);
    QStringList rows;
    for (const LineResult& r : lines) rows << table.Row(r).join(QLatin1Char('|'));
    return rows;
  }
};

Solved Solve(const QByteArray& bytes) {
  ReadOutcome read = ParseLineList(bytes, QStringLiteral("/tmp/list.csv"));
  EXPECT_TRUE(read.list) << read.problem.toStdString();
  Solved s{std::move(*read.list), {}};
  RunControl control;
  control.jobs = 2;
  s.lines = RunSchedule({s.list, Factory(), Sizes()}, control).lines;
  return s;
}

}  // namespace

TEST(Schedule, BadRowsGiveTheirReasonsAndTheOtherLinesAreAnswered) {
  const QString list = QStringLiteral(
      "外気温度 ℃,20\n"
      "配管番号,呼び径,長さ m,温度 ℃,基準,目標値,保温材 k,備考\n"
      "A-1,100A,50,180,表面温度,55,0.045,よい行\n"
      "A-2,100A,50,18O,表面温度,55,0.045,数に文字\n"
      "A-3,,50,180,表面温度,55,0.045,呼び径なし\n"
      "A-4,50A,50,180,保温する,55,0.045,知らない基準\n"
      "A-5,50A,50,-300,表面温度,55,0.045,絶対零度より低い\n"
      "A-6,１½B,10,120,表面温度 50; 放熱量 30,,0.04,基準の値をその場に\n"
      "A-7,17A,10,120,表面温度,55,0.04,表にない呼び径\n");
  const Solved s = Solve(list.toUtf8());
  ASSERT_EQ(s.lines.size(), 7u);
  auto status = [&](int i) { return s.lines[i].status; };
  EXPECT_EQ(status(0), QStringLiteral("OK"));
  EXPECT_TRUE(status(1).startsWith(QStringLiteral("4 行目「温度 ℃」: '18O' は数ではありません")))
      << status(1).toStdString();
  EXPECT_TRUE(status(2).startsWith(QStringLiteral("5 行目「呼び径」: 呼び径か外径")))
      << status(2).toStdString();
  EXPECT_TRUE(status(3).startsWith(QStringLiteral("6 行目「基準」: 基準 '保温する' を知りません")))
      << status(3).toStdString();
  EXPECT_TRUE(status(4).startsWith(QStringLiteral("7 行目「温度 ℃」: -300 ℃ は絶対零度")))
      << status(4).toStdString();
  EXPECT_EQ(status(5), QStringLiteral("OK"));
  EXPECT_TRUE(status(6).contains(QStringLiteral("'17A' は鋼管の外径の表"))) << status(6).toStdString();

  // The answered lines: 100A is 114.3 mm and 1½B 48.6 mm; the governing
  // criterion needs the thicker insulation, and the stock chosen meets both.
  const LineResult& a1 = s.lines[0];
  EXPECT_EQ(a1.outerDiameter, QStringLiteral("114.3"));
  EXPECT_EQ(a1.governing, QStringLiteral("表面温度 55 ℃ 以下"));
  const LineResult& a6 = s.lines[5];
  EXPECT_EQ(a6.outerDiameter, QStringLiteral("48.6"));
  ASSERT_EQ(a6.criteria.size(), 2u);
  const CriterionResult& thicker =
      a6.criteria[0].exactMm >= a6.criteria[1].exactMm ? a6.criteria[0] : a6.criteria[1];
  EXPECT_EQ(a6.governing, thicker.label);
  EXPECT_GE(a6.chosenMm, std::max(a6.criteria[0].needMm, a6.criteria[1].needMm));
  EXPECT_LE(ToNumber(a6.surface), 50);
  EXPECT_LE(ToNumber(a6.lossPerUnit), 30);
  // The lines with a reason count for nothing in the totals.
  Totals t;
  for (const LineResult& r : s.lines) t.Add(r);
  EXPECT_EQ(t.answered, 2);
  EXPECT_EQ(t.length, 60);
}

TEST(Schedule, AFileWithoutLinesSaysWhy) {
  const struct {
    const char* text;
    const char* reason;
  } cases[] = {
      {"", "は空です"},
      {"\r\n , \r\n", "は空です"},
      {"配管番号,呼び径,温度 ℃\r\n", "見出しの行（1 行目）の下に配管の行がありません"},
      {"# 見出しのない表\r\nA-1,100A,180\r\n", "見出しの行がありません"},
  };
  for (const auto& c : cases) {
    const ReadOutcome read = ParseLineList(QByteArray(c.text), QStringLiteral("/tmp/list.csv"));
    EXPECT_FALSE(read.list) << c.text;
    EXPECT_TRUE(read.problem.contains(QString::fromUtf8(c.reason))) << read.problem.toStdString();
  }
}

TEST(Schedule, EveryEncodingAndSeparatorGivesTheSameSchedule) {
  const QString text = QStringLiteral(
      "外気温度 ℃,30\r\n"
      "相対湿度 %,80\r\n"
      "Tag,Size,OD mm,Length m,Temperature,Criterion,Target,Insulation,Jacket emissivity,Hours,メモ\r\n"
      "冷水-1,150A,,80,7,結露,1,硬質ウレタン・ポリイソシアヌレート保温筒,ステンレス鋼板,8000,\"冷水, "
      "往き\"\r\n"
      "蒸気-2,,60.5,45,180,\"表面温度 55; 経済\",,ロックウール保温筒,0.25,8000,①\r\n"
      "温水-3,3B,,200,60,放熱量,20,グラスウール保温筒,,8000,\r\n");
  const Solved reference = Solve(Encode(text, Encoding::Cp932));
  for (const LineResult& r : reference.lines) EXPECT_EQ(r.status, QStringLiteral("OK")) << r.row;
  EXPECT_EQ(reference.list.encoding, Encoding::Cp932);
  const QStringList rows = reference.Rows();
  EXPECT_TRUE(rows[0].contains(QStringLiteral("冷水, 往き"))) << "an unknown column is passed through";

  QString tabs = text;
  tabs.replace(QStringLiteral("\"冷水, 往き\""), QStringLiteral("冷水, 往き"));
  tabs.replace(QStringLiteral("\"表面温度 55; 経済\""), QStringLiteral("表面温度 55; 経済"));
  tabs.replace(QLatin1Char(','), QLatin1Char('\t'));
  tabs.replace(QStringLiteral("冷水\t 往き"), QStringLiteral("冷水, 往き"));
  const struct {
    Encoding encoding;
    QString text;
    QChar separator;
  } variants[] = {{Encoding::Utf8, text, QLatin1Char(',')},
                  {Encoding::Utf8Bom, text, QLatin1Char(',')},
                  {Encoding::Utf16Le, text, QLatin1Char(',')},
                  {Encoding::Cp932, tabs, QLatin1Char('\t')}};
  for (const auto& v : variants) {
    const Solved s = Solve(Encode(v.text, v.encoding));
    EXPECT_EQ(s.list.encoding, v.encoding);
    EXPECT_EQ(s.list.separator, v.separator);
    EXPECT_EQ(s.Rows(), rows) << EncodingName(v.encoding).toStdString();
    // Written back in the list's encoding and with its separator.
    const DecodedText back = Decode(ScheduleTable(s.list).Csv(s.lines, {}));
    EXPECT_EQ(back.encoding, v.encoding);
    EXPECT_TRUE(back.problem.isEmpty());
    EXPECT_TRUE(back.text.contains(QStringLiteral("蒸気-2") + v.separator))
        << EncodingName(v.encoding).toStdString();
  }
}
