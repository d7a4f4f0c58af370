// The sheet as the engineer uses it: saved as a grid memo, opened in a
// spreadsheet program (LibreOffice without a window), the formula text
// entered as an array formula. The temperatures it computes must be the
// ones of this test's own solution and the ones the program solved and
// shows beside the element rows. Skipped where LibreOffice is missing.
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QStandardPaths>

#include "FemWindow.h"
#include "foundation/NumberText.h"
#include "operations/fem/FemSheet.h"

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

QProcessEnvironment UnoEnvironment() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("PYTHONPATH"),
             QStringLiteral("/usr/lib/python3/dist-packages:/usr/lib/libreoffice/program"));
  return env;
}

bool SpreadsheetAvailable() {
  if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty()) return false;
  QProcess p;
  p.setProcessEnvironment(UnoEnvironment());
  p.start(kPython, {QStringLiteral("-c"), QStringLiteral("import uno")});
  return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

class FemSpreadsheetTest : public FemWindow {};

TEST_F(FemSpreadsheetTest, ArrayFormulaGivesTheTemperatures) {
  if (!SpreadsheetAvailable()) GTEST_SKIP() << "LibreOffice with its Python bridge is not installed";

  // Four elements between a hot wall and a cooling fluid, one square of
  // 20 mm and one of 30 × 20 mm.
  Set(1, 1, "4");
  TypeTable({{"T1", "45", "20", "20", "", "高温", "T2"},
             {"T2", "45", "20", "20", "", "T3", "T1"},
             {"T3", "16", "30", "20", "", "T2", "T4"},
             {"T4", "16", "30", "20", "", "air", "T3"},
             {"air", "25", "20"},
             {"高温", "", "100"}});
  RunTwice();
  const int m = 4, v = ToInteger(Cell(6, 0));
  const std::vector<long double> expected = Solve(ReadSystem(m));
  const FemSolution& program = Sheet().Solution();
  ASSERT_EQ(program.temperatures.size(), static_cast<size_t>(m));

  // Saved under a name through the name panel the first run opened.
  form->Edit("Edit56")->setText(QStringLiteral("有限要素法"));
  form->Button("Button24")->click();
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("デ－タを保存しました")});
  const QString csv = form->Path(QStringLiteral("memocsv/有限要素法.csv"));
  ASSERT_TRUE(QFile::exists(csv));

  const QString out = folder.Path("solution.txt");
  QProcess p;
  p.setProcessEnvironment(UnoEnvironment());
  p.setProcessChannelMode(QProcess::ForwardedChannels);
  p.start(kPython,
          {QStringLiteral(FEM_TEST_DIR "/spreadsheet_solve.py"), csv, QString::number(m + 5),
           QString::number(v + 3), QString::number(m), out, folder.Path("office")});
  ASSERT_TRUE(p.waitForFinished(240000));
  ASSERT_EQ(p.exitCode(), 0);

  QFile f(out);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), m + 1);
  EXPECT_EQ(lines[0], Cell(m + 5, v + 3));
  for (int e = 0; e < m; ++e) {
    const long double t = ToNumber(lines[e + 1]);
    EXPECT_NEAR(t, expected[e], 1e-9L * fabsl(expected[e])) << "T" << e + 1;
    EXPECT_NEAR(t, program.temperatures[e], 1e-9L * fabsl(program.temperatures[e])) << "T" << e + 1;
    EXPECT_EQ(Cell(10, e + 3), RoundHundredths(program.temperatures[e])) << "T" << e + 1;
    EXPECT_GT(t, 20);
    EXPECT_LT(t, 100);
  }
}

}  // namespace
