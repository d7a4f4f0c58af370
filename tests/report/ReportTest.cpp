// The report of the calculator on screen, read back from its PDF with
// poppler's tools: for the calculators of each family (heat loss, heating,
// the coefficient panel) every caption and value the panel shows stands on
// one line of the page (pdftotext), with the title, the date, σ, the method,
// the hint and the chart; the Japanese font is embedded as a subset
// (pdffonts). 報告書 and 印刷 through the recording dialogs. Skipped where
// poppler-utils is missing (scripts/setup.sh installs it).
#include <gtest/gtest.h>

#include <QDate>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextStream>

#include "Driver.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/hints/FieldCatalogue.h"
#include "operations/hints/UnitHint.h"
#include "store/PdfSubsetNames.h"
#include "operations/report/ReportCommands.h"
#include "support/FormFixture.h"
#include "widgets/ChartView.h"
#include "widgets/StringGrid.h"

namespace {

struct ToolRun {
  QString out, err;
};

ToolRun Tool(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
  EXPECT_EQ(p.exitCode(), 0) << program.toStdString();
  return {QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

bool HavePoppler() {
  return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
         !QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty();
}

// The page's text as lines, blanks simplified ("外径（MgO層） 7 mm"). A
// broken file makes poppler complain on its error stream.
QStringList PdfLines(const QString& path) {
  const ToolRun run =
      Tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  EXPECT_EQ(run.err, QString());
  QStringList lines;
  // The font draws the wave dash and the full-width tilde with one glyph,
  // which the text reads back as the wave dash.
  for (QString line : run.out.split(QLatin1Char('\n')))
    if (!line.simplified().isEmpty()) lines << line.replace(QChar(0x301C), QChar(0xFF5E)).simplified();
  return lines;
}

QString Today() { return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")); }

QString Caption(const Form& f, const char* label) {
  return label ? UnitHint::WithoutUnit(f.Text(label)) : QString();
}

class ReportTest : public FormFixture {
 protected:
  void SetUp() override {
    if (!HavePoppler()) GTEST_SKIP() << "poppler-utils (pdftotext, pdffonts) is not installed";
    Open();
    driver = std::make_unique<Driver>(*form, *dialogs, driverStream);
  }

  void Do(const QString& line) {
    EXPECT_EQ(driver->Run(line), 0) << line.toStdString() << driverOut.toStdString();
  }

  // The driver's report FILE, read back.
  QStringList Report(const QString& name) {
    const QString path = folder.Path(name);
    Do(QStringLiteral("report ") + path);
    return PdfLines(path);
  }

  // Every field of the catalogue inside the panel (and those of the surface
  // panel Panel4 asked for) that shows, is enabled and holds a value stands
  // on a line with its caption.
  enum class Surface { None, Inputs, All };
  void ExpectEveryField(const QStringList& lines, const char* panel, Surface surfaceFields) {
    int checked = 0;
    for (const FieldRow& row : FieldCatalogue()) {
      const QLineEdit* field = form->Edit(row.field);
      const bool onPanel = form->Control(panel)->isAncestorOf(field);
      const bool surface = QLatin1String(row.panel) == QLatin1String("Panel4") &&
                           (surfaceFields == Surface::All ||
                            (surfaceFields == Surface::Inputs && row.role != FieldRole::Result));
      if ((!onPanel && !surface) || !field->isVisibleTo(form.get()) || !field->isEnabled()) continue;
      if ((row.when && !form->Control(row.when)->isVisibleTo(form.get())) ||
          field->text().trimmed().isEmpty())
        continue;
      if (QLatin1String(row.field) == QLatin1String("Edit77")) continue;  // the formula: in the method
      const QString caption =
          UnitHint::FieldName(Caption(*form, row.rowLabel), Caption(*form, row.columnLabel)).simplified();
      const QString value = field->text();
      const bool found = std::any_of(lines.begin(), lines.end(), [&](const QString& l) {
        return l.startsWith(caption + QLatin1Char(' ')) && l.split(QLatin1Char(' ')).contains(value);
      });
      EXPECT_TRUE(found) << row.field << " " << caption.toStdString() << " " << value.toStdString();
      ++checked;
    }
    EXPECT_GT(checked, 5) << panel;
  }

  std::unique_ptr<Driver> driver;
  QString driverOut;
  QTextStream driverStream{&driverOut};
};

// The Japanese font is embedded as a subset with its code map: the row of
// pdffonts reads "yes yes yes", and poppler finds the file whole.
void ExpectEmbeddedJapaneseFont(const QString& path) {
  const ToolRun run = Tool(QStringLiteral("pdffonts"), {path});
  EXPECT_EQ(run.err, QString());
  const QStringList rows = run.out.split(QLatin1Char('\n')).mid(2);
  bool ipa = false;
  for (const QString& row : rows) {
    if (row.simplified().isEmpty()) continue;
    // Every font of the page is an embedded subset.
    EXPECT_TRUE(row.contains(QStringLiteral(" yes yes yes "))) << row.toStdString();
    ipa = ipa || row.contains(QRegularExpression(QStringLiteral("^[A-Z]{6}\\+IPAP?Gothic ")));
  }
  EXPECT_TRUE(ipa) << run.out.toStdString();
}

void ExpectLines(const QStringList& lines, const QStringList& expected) {
  for (const QString& e : expected) EXPECT_TRUE(lines.contains(e)) << e.toStdString();
}

TEST_F(ReportTest, HeatLossCalculatorsListEveryCaptionAndValue) {
  // The heater at start-up, with the factory values.
  QStringList lines = Report(QStringLiteral("heater.pdf"));
  ExpectEveryField(lines, "Panel5", Surface::All);
  ExpectLines(lines, {QStringLiteral("ヒーター温度 作成日 ") + Today(), QStringLiteral("入力"),
                      QStringLiteral("外気温度 20 ℃"), QStringLiteral("熱伝導率（MgO層） 2 W/(m・℃)"),
                      QStringLiteral("熱量 500 W"), QStringLiteral("外径（発熱線） 2 mm"),
                      QStringLiteral("層厚さ（ステンレス層） 0.8 mm"), QStringLiteral("表面の定数"),
                      QStringLiteral("ステファン・ボルツマン定数 σ 5.67037E-8 W/(m2・K4)"),
                      QStringLiteral("表面の放射率 0.9"), QStringLiteral("対流熱伝達率 9 W/(m2・℃)"),
                      QStringLiteral("結果"), QStringLiteral("層外側温度（MgO層） 383.58 ℃"),
                      QStringLiteral("放熱量計 499.96 W"), QStringLiteral("計算方法")});
  // The MgO layer's thickness is disabled for the heater: not its input.
  for (const QString& l : lines)
    EXPECT_FALSE(l.startsWith(QStringLiteral("層厚さ（MgO層）"))) << l.toStdString();
  ExpectEmbeddedJapaneseFont(folder.Path("heater.pdf"));

  // The flat plate cooling over time with both faces, and an ambient typed in
  // kelvin: the choices, the cooling inputs and the hint.
  Do(QStringLiteral("click Button12"));
  Do(QStringLiteral("click Button71"));
  Do(QStringLiteral("click Label30"));
  Do(QStringLiteral("set Edit25 293"));
  Do(QStringLiteral("key Edit25 Enter"));
  lines = Report(QStringLiteral("flat.pdf"));
  ExpectEveryField(lines, "Panel9", Surface::All);
  ExpectLines(lines, {QStringLiteral("計算の種類 自然放熱"), QStringLiteral("放熱面 両面からの放熱"),
                      QStringLiteral("入力の注意"), Text("HintLine").simplified()});
  EXPECT_TRUE(lines.join(QString()).contains(QStringLiteral("時間を2000段に分けて追う")));

  // The flat wall and the pipe flow with their inner surface; the
  // condensation check of the flat wall's outer surface.
  Do(QStringLiteral("click Button11"));
  Do(QStringLiteral("set FlatHumidity 80"));
  Do(QStringLiteral("key FlatHumidity Enter"));
  lines = Report(QStringLiteral("wall.pdf"));
  ExpectEveryField(lines, "Panel9", Surface::All);
  ExpectLines(lines, {QStringLiteral("平板熱通過 作成日 ") + Today(), QStringLiteral("表面の放射率内 0.5"),
                      QStringLiteral("表面の結露 ") + Text("FlatCondensation").simplified()});
  Do(QStringLiteral("click Button7"));
  Do(QStringLiteral("click Button67"));
  lines = Report(QStringLiteral("pipe.pdf"));
  ExpectEveryField(lines, "Panel5", Surface::All);
  ExpectLines(lines, {QStringLiteral("熱の向き 放熱"), QStringLiteral("流量 1 m3/h")});
}

TEST_F(ReportTest, HeatingCalculatorsListEveryCaptionAndValueAndTheChart) {
  Do(QStringLiteral("click Button30"));
  QStringList lines = Report(QStringLiteral("liquid.pdf"));
  ExpectEveryField(lines, "Panel14", Surface::Inputs);
  ExpectLines(lines, {QStringLiteral("液体の加熱 作成日 ") + Today(), QStringLiteral("蓋の有無 有"),
                      QStringLiteral("加熱後温度 80 ℃"),
                      QStringLiteral("必要熱量 ") + Text("Edit46") + QStringLiteral(" W")});
  // The heat-loss results of the surface panel belong to other calculators.
  for (const QString& l : lines) EXPECT_FALSE(l.startsWith(QStringLiteral("放熱量計"))) << l.toStdString();

  // Wall heating of a gas, with a chart in the chart view.
  Do(QStringLiteral("click Button32"));
  Do(QStringLiteral("click RadioButton4"));
  form->Analysis().Chart().Draw(ChartPlot{QStringLiteral("気体の温度"),
                                          QStringLiteral("時間 h"),
                                          QStringLiteral("温度 ℃"),
                                          {{QStringLiteral("気体"), {{0, 10}, {0.5, 16}, {1, 20}}}},
                                          QString()});
  lines = Report(QStringLiteral("wall_heating.pdf"));
  ExpectEveryField(lines, "Panel14", Surface::Inputs);
  ExpectLines(lines, {QStringLiteral("加熱方法 壁面加熱"), QStringLiteral("グラフ"),
                      QStringLiteral("気体の温度"), QStringLiteral("時間 h")});
  EXPECT_TRUE(lines.join(QString()).contains(QStringLiteral("壁から気体へ伝わる熱")));
  ExpectEmbeddedJapaneseFont(folder.Path("wall_heating.pdf"));
}

TEST_F(ReportTest, CoefficientPanelListsItsItemsAndResults) {
  Do(QStringLiteral("click Button9"));
  Do(QStringLiteral("set Edit71 52"));
  Do(QStringLiteral("key Edit71 Enter"));
  const char* const items[][3] = {{"1", "1", "0.5"},  {"1", "2", "0.000016"}, {"1", "3", "0.279"},
                                  {"1", "4", "1.13"}, {"1", "5", "0.0272"},   {"3", "1", "60"},
                                  {"3", "2", "20"},   {"3", "3", "0.0032"}};
  for (const auto& item : items)
    Do(QStringLiteral("setcell StringGrid4 %1 %2 %3").arg(item[0], item[1], item[2]));
  Do(QStringLiteral("key StringGrid4 Enter"));
  QStringList lines = Report(QStringLiteral("coefficient.pdf"));
  ExpectEveryField(lines, "Panel21", Surface::None);
  ExpectLines(lines, {QStringLiteral("熱伝達率計算 作成日 ") + Today(), QStringLiteral("熱伝達率の式 52"),
                      QStringLiteral("代表長さDL 0.5 m"), QStringLiteral("動粘性係数ν 0.000016 m2/s"),
                      QStringLiteral("体積膨張率β 0.0032 1/K"), QStringLiteral("計算結果 4.6 W/(m2・℃)"),
                      QStringLiteral("Ｒａ数 4.07E8"), QStringLiteral("計算式 h=0.59*Ra^1/4*λ/L")});
  // The method in the words of the formula texts.
  EXPECT_TRUE(lines.join(QString()).contains(QStringLiteral("52 垂直平板・垂直円柱、層流（Ra=10^4～10^9）")));
  // No surface constants: the correlations do not use them.
  EXPECT_FALSE(lines.contains(QStringLiteral("表面の定数")));

  // A layered wall: its results stand in the grid under captions of their own.
  Do(QStringLiteral("set Edit71 203"));
  Do(QStringLiteral("key Edit71 Enter"));
  const char* const layers[] = {"0.1", "0.05", "0.01", "1", "0.1", "50"};
  for (int r = 0; r < 6; ++r)
    Do(QStringLiteral("setcell StringGrid4 1 %1 %2").arg(r).arg(QLatin1String(layers[r])));
  Do(QStringLiteral("click Button70"));
  const StringGrid* grid = form->Grid("StringGrid4");
  ASSERT_FALSE(grid->Cell(3, 3).isEmpty());
  lines = Report(QStringLiteral("wall203.pdf"));
  ExpectLines(lines, {QStringLiteral("t1 0.1 m"), QStringLiteral("λ3 50 W/(m・℃)"),
                      grid->Cell(2, 3).simplified() + QLatin1Char(' ') + grid->Cell(3, 3)});
}

TEST_F(ReportTest, ReportAndPrintGoThroughTheirDialogs) {
  // The command column keeps its eight rows inside the panel, none over another.
  const QWidget* column = form->Control("Panel12");
  QList<const QWidget*> buttons;
  for (const QObject* child : column->children())
    if (auto* b = qobject_cast<const QPushButton*>(child)) buttons << b;
  ASSERT_EQ(buttons.size(), 9);
  for (const QWidget* b : buttons) {
    EXPECT_TRUE(b->isVisibleTo(form.get()) && column->rect().contains(b->geometry()))
        << b->objectName().toStdString();
    for (const QWidget* other : buttons)
      EXPECT_TRUE(b == other || !b->geometry().intersects(other->geometry()))
          << b->objectName().toStdString();
  }

  // Cancelled: nothing written. The name proposed is the title and the date
  // in the documents folder.
  const QString proposed =
      dialogs->DocumentsFolder() + QStringLiteral("/ヒーター温度_") + Today() + QStringLiteral(".pdf");
  Click("ReportButton");
  EXPECT_EQ(dialogs->confirmations.takeLast(),
            QStringLiteral("報告書の保存: ") + proposed + QStringLiteral(" -> cancel"));
  EXPECT_FALSE(QFile::exists(proposed));
  dialogs->fileNames.push_back(proposed);
  const int busy = dialogs->busyCount;
  Click("ReportButton");
  EXPECT_TRUE(PdfLines(proposed).contains(QStringLiteral("放熱量計 499.96 W")));
  EXPECT_EQ(dialogs->busyCount, busy + 1);

  // The next report is proposed in the folder of the last.
  QDir().mkpath(folder.Path("reports"));
  dialogs->fileNames.push_back(folder.Path("reports/a.pdf"));
  Click("ReportButton");
  Click("ReportButton");
  EXPECT_EQ(dialogs->confirmations.takeLast(), QStringLiteral("報告書の保存: ") +
                                                   folder.Path("reports/ヒーター温度_") + Today() +
                                                   QStringLiteral(".pdf -> cancel"));

  // A file that cannot be made is said, as every file of the program.
  const QString impossible = folder.Path("reports/a.pdf/b.pdf");
  dialogs->fileNames.push_back(impossible);
  Click("ReportButton");
  EXPECT_EQ(TakeMessages(), QStringList{QStringLiteral("ファイル %1 を作成できません").arg(impossible)});

  // Printing: the printer chosen gets the same page.
  Click("PrintButton");
  EXPECT_TRUE(dialogs->printed.isEmpty());
  dialogs->Answer(true);
  Click("PrintButton");
  ASSERT_EQ(dialogs->printed.size(), 1);
  EXPECT_TRUE(PdfLines(dialogs->printed.front()).contains(QStringLiteral("放熱量計 499.96 W")));

  // A file of another form than Qt writes is left as it is.
  EXPECT_EQ(TagSubsetFonts("%PDF-1.4 no fonts"), QByteArray("%PDF-1.4 no fonts"));
}

}  // namespace
