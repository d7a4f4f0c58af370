// The command heatcalc-batch as an engineer runs it: it links no Qt GUI
// library; its exit status is 0 when every line is answered (the shipped
// template, with its PDF), 1 when a line carries a reason, 2 when the list
// cannot be read or the schedule would go over the list.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "schedule/ListText.h"

namespace {

struct Ran {
  int exit = -1;
  QString err;
};

Ran Batch(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(HEATCALC_BATCH), args);
  EXPECT_TRUE(p.waitForFinished(120000));
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
          QString::fromUtf8(p.readAllStandardError())};
}

QByteArray Slurp(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

TEST(BatchCommand, LinksNoQtGuiLibrary) {
  QProcess ldd;
  ldd.start(QStringLiteral("ldd"), {QStringLiteral(HEATCALC_BATCH)});
  ASSERT_TRUE(ldd.waitForFinished(30000));
  const QString libraries = QString::fromUtf8(ldd.readAllStandardOutput());
  EXPECT_TRUE(libraries.contains(QStringLiteral("libQt6Core"))) << libraries.toStdString();
  EXPECT_FALSE(libraries.contains(QStringLiteral("libQt6Gui"))) << libraries.toStdString();
  EXPECT_FALSE(libraries.contains(QStringLiteral("libQt6Widgets"))) << libraries.toStdString();
}

TEST(BatchCommand, ExitStatusSaysWhetherEveryLineIsAnswered) {
  QTemporaryDir dir;
  const QString list = dir.filePath(QStringLiteral("list.csv"));
  const QString csv = dir.filePath(QStringLiteral("schedule.csv")),
                pdf = dir.filePath(QStringLiteral("schedule.pdf"));
  QFile::copy(qEnvironmentVariable("HEATCALC_DATA") + QStringLiteral("/G1de-ta/haikan_risuto.csv"), list);

  Ran r = Batch({list, QStringLiteral("-o"), csv, QStringLiteral("--pdf"), pdf, QStringLiteral("--jobs"),
                 QStringLiteral("2")});
  EXPECT_EQ(r.exit, 0) << r.err.toStdString();
  EXPECT_TRUE(Slurp(csv).contains("ST-101")) << "the schedule in the list's code page 932";
  EXPECT_TRUE(Slurp(pdf).startsWith("%PDF"));

  // A line with a reason: the schedule is written all the same, and says it.
  QByteArray bad = Slurp(list);
  bad.append(Schedule::Encode(QStringLiteral("XX-1,配管,17A,,10,,180,,,,,,,,0.04,,表面温度,55,,\r\n"),
                              Schedule::Encoding::Cp932));
  Put(list, bad);
  r = Batch({list, QStringLiteral("-o"), csv});
  EXPECT_EQ(r.exit, 1) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains(QStringLiteral("'17A' は鋼管の外径の表"))) << r.err.toStdString();
  EXPECT_TRUE(Slurp(csv).contains("XX-1"));

  // Nothing to read, nothing written; never over the list.
  r = Batch({dir.filePath(QStringLiteral("none.csv"))});
  EXPECT_EQ(r.exit, 2);
  EXPECT_TRUE(r.err.contains(QStringLiteral("開けません"))) << r.err.toStdString();
  Put(dir.filePath(QStringLiteral("empty.csv")), QByteArray());
  r = Batch({dir.filePath(QStringLiteral("empty.csv"))});
  EXPECT_EQ(r.exit, 2);
  EXPECT_TRUE(r.err.contains(QStringLiteral("空です"))) << r.err.toStdString();
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("empty_保温リスト.csv"))));
  r = Batch({list, QStringLiteral("-o"), list});
  EXPECT_EQ(r.exit, 2);
  EXPECT_EQ(Slurp(list), bad);
  r = Batch({list, QStringLiteral("--jobs"), QStringLiteral("0")});
  EXPECT_EQ(r.exit, 2);
}
