// Every input field of every calculator given texts an engineer might type by
// mistake (empty, blanks, letters, zero, negative, overflowing and
// underflowing exponents, nan, inf, a full-width digit, a decimal comma, a
// very long text). Each run must end within 5 s, show no message but the
// program's own (conversion errors, float faults, the calculators' notices)
// and leave every field the calculator does not write as it was. Every text
// is typed and every button pressed through the scenario driver's commands.
// The pages of the analysis view are swept the same way (the sweep's range
// and points, the thickness target, the economic inputs, the surface
// options), and so are the lines of the stock and cost lists, as the
// engineer edits them; results of the pages never read nan or inf either.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <vector>

#include "Driver.h"
#include "foundation/NumberText.h"
#include "operations/design/DesignJob.h"
#include "operations/design/InsulationDesign.h"
#include "store/Cp932.h"
#include "support/FormFixture.h"
#include "widgets/StringGrid.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class Sweep;

namespace {

const QStringList& BadTexts() {
  static const QStringList texts = {"",
                                    " ",
                                    "abc",
                                    "0",
                                    "0.0",
                                    "-1",
                                    "1e5000",
                                    "1e-5000",
                                    "nan",
                                    "inf",
                                    QStringLiteral("１"),
                                    "1,5",
                                    QString(300, u'7')};
  return texts;
}

// The program's own messages: conversion errors, float faults and the notices
// the calculators show.
bool OwnMessage(const QString& m) {
  static const std::vector<QRegularExpression> patterns = [] {
    std::vector<QRegularExpression> p;
    for (const char* re : {
             "^'.*' は浮動小数点数ではありません$",
             "^'.*' は整数ではありません$",
             "^0 による浮動小数点数除算$",
             "^不正な浮動小数点数演算命令$",
             "^浮動小数点数のオーバーフロー$",
             // heat loss
             "^内層外径と内層厚さを確認してください。$",
             "^管内径と内層厚さを確認してください。$",
             "^熱量は0以上の値にしてください。$",
             "^相対湿度 %（.*）は 0 より大きく 100 以下の数にしてください。",
             // a size or conductivity by its caption
             "^[^ ]+( [^ ']+)? '.*' は 0 (より大きい|以上の)数にしてください(（0 は層なし）)?。$",
             // the heat-loss options
             "^円筒の向きは水平管か垂直管にしてください。$",
             "^平板の向きは垂直壁か水平面にしてください。$",
             "^風速 m/s（0は無風） '.*' は 0 以上 100 以下の数にしてください。$",
             "^外表面の温度が外気の温度から離れず、熱の釣り合いが見つかりません",
             "^高さ・長さは0より大きい値にしてください（空欄は面積の平方根）。$",
             "の熱伝導率 k\\(T\\) が .* で0以下になります。a, b, c を確かめてください。$",
             "の熱伝導率 k\\(T\\) が0以下になる温度に達します。a, b, c を確かめてください。$",
             "^管内の熱伝達率を求めるには、",
             "^自動や k\\(T\\) を使う計算の温度は",
             // heating
             "^上昇時間0.05ｈ以下は誤差が大きくなります。$",
             "^処理時間が長くなります。$",
             "^寸法が範囲を超えています。$",
             "^気体量が少な過ぎます。$",
             "^加熱は不要です。",
             "^上昇時間が長過ぎるため計算しません",
             "^計算の刻みが細か過ぎるため計算しません",
             "^上昇時間は0より大きい値にしてください。$",
             // coefficients
             "^入力を確認してください。$",
             "^硬度1000ｍｇ/ｌ程度、沸騰100℃の条件Ａ以外不明です$",
             // finite elements
             "^要素の数がありません。$",
             "^要素のデータがありません。$",
             "^条件データを保存しますか？$",
             "の相手要素を確認してください。$",
             "^「λ」以外は英数字を入れてください。$",
             "^要素数は1から\\d+までにしてください。$",
             "^表が大きすぎて結果が入りません。",
             "^要素「.*」が見つかりません。",
             "^要素の厚さ「.*」は1以上の整数にしてください。$",
             "^要素 .* は境界への熱の通り道がないため、温度が決まりません。",
             "^係数行列Gの条件数が.*と大きく、温度を正しく求められません。",
             "^係数行列Gが特異なため、温度を求められません。",
             "^(要素|境界) .+ の .+ '.*' は .+の数にしてください。$",
             // the sweep of one input
             "^変える入力を選んでください。$",
             "^範囲の最初と最後の値を数値で入力してください。$",
             "^範囲 '.*' ～ '.*' は -1E300 以上 1E300 以下の数にしてください（グラフに描ける範囲）。$",
             "^点数は1～\\d+の整数で入力してください。$",
             // the thickness and the economic thickness
             "^目標の値（.*）'.*' は数ではありません。$",
             "^熱量の上限は 0 より大きい値にしてください。$",
             "^余裕 K（露点に足す余裕） '.*' は 0 以上 50 以下の数にしてください。$",
             "^(運転時間 h/年|単価 円/kWh|熱源の効率（COP）|CO2 kg/kWh|年数 年|割引率 %) '.*' は "
             ".+の数にしてください。$",
             // the stock and cost lists
             "^ファイル hoonzai_(atsusa|hiyou)\\.csv の \\d+ 行目: ",
             "^ファイル hoonzai_hiyou\\.csv に厚さと施工費の行がありません",
             "^ファイル hoonzai_(atsusa|hiyou)\\.csv の厚さの行が多過ぎます。",
             "^境界の熱流の和が.* Wで、最大の熱流.* Wに比べてゼロになりません。",
         })
      p.emplace_back(QString::fromUtf8(re), QRegularExpression::DotMatchesEverythingOption);
    return p;
  }();
  for (const QRegularExpression& re : patterns)
    if (re.match(m).hasMatch()) return true;
  return false;
}

// An input: a field of the window, a cell of a grid, or a line of a list
// the engineer edits (its file's text, the bad text in place of %1).
struct Input {
  const char* field = nullptr;  // a field, or the grid
  int column = -1, row = -1;    // a cell of the grid
  const char* file = nullptr;   // a list in the working folder
  const char* text = nullptr;   // its lines
};

struct SweptCalculator {
  const char* name;
  std::function<void(Sweep&)> select;  // from the start-up window
  std::vector<Input> inputs;           // empty: the visible input fields
  std::vector<const char*> writes;     // fields the run writes
  const char* grid = nullptr;          // grid whose cells are inputs or compared
  int gridRows = 0;                    // rows of it compared (0: all); those below are results
  std::function<void(Sweep&)> run;
};

void PrintTo(const SweptCalculator& c, std::ostream* os) { *os << c.name; }

}  // namespace

class Sweep : public FormFixture, public ::testing::WithParamInterface<SweptCalculator> {
 public:
  using FormFixture::form;

  void SetUp() override {
    Open();
    driver = std::make_unique<Driver>(*form, *dialogs, driverOut);
    form->show();
    QApplication::processEvents();
    ASSERT_EQ(TakeMessages(), QStringList()) << "start-up";
  }

  // One driver command; a person could not have taken the action when it fails.
  void Drive(const QString& line) {
    const int code = driver->Run(line);
    ASSERT_EQ(code, 0) << line.left(60).toStdString() << ": " << driverText.toStdString();
  }
  void Press(const char* name) { Drive(QStringLiteral("click ") + QString::fromUtf8(name)); }
  void SetField(const char* name, const QString& t) {
    Drive(QStringLiteral("set %1 %2").arg(QString::fromUtf8(name), t));
  }
  void SetGridCell(const char* grid, int c, int r, const QString& t) {
    Drive(QStringLiteral("setcell %1 %2 %3 %4").arg(QString::fromUtf8(grid)).arg(c).arg(r).arg(t));
  }

  StringGrid* Grid() const { return form->Grid(GetParam().grid); }
  void SetCell(int c, int r, const QString& t) { SetGridCell("StringGrid3", c, r, t); }
  void SetItem(int c, int r, const QString& t) { SetGridCell("StringGrid4", c, r, t); }

  // The analysis view's own fields: its inputs are put back before each
  // text as the panels' are.
  std::map<QString, QString> ViewSnapshot() const {
    std::map<QString, QString> all;
    const QWidget* views = form->FindControl(QStringLiteral("AnalysisView"));
    for (QLineEdit* e : form->findChildren<QLineEdit*>())
      if (!e->objectName().isEmpty() && views && views->isAncestorOf(e)) all[e->objectName()] = e->text();
    return all;
  }

  // The results the pages show: none reads nan or inf.
  void ExpectPageResultsAreNumbers() const {
    const QWidget* views = form->FindControl(QStringLiteral("AnalysisView"));
    auto bad = [](const QString& t) {
      return t.contains(u"nan", Qt::CaseInsensitive) || t.contains(u"inf", Qt::CaseInsensitive);
    };
    for (QLineEdit* e : form->findChildren<QLineEdit*>())
      if (views && views->isAncestorOf(e) && e->isReadOnly() && bad(e->text()))
        ADD_FAILURE() << "page result " << e->objectName().toStdString() << " reads \""
                      << e->text().toStdString() << "\"";
    for (const char* name : {"EconGrid", "DesignChecks"}) {
      const StringGrid* g = form->Grid(name);
      for (int r = 0; r < g->RowCount(); ++r)
        for (int c = 0; c < g->ColCount(); ++c)
          if (bad(g->Cell(c, r))) ADD_FAILURE() << name << " (" << c << "," << r << ") reads nan or inf";
    }
    const auto* sweep = static_cast<const QTableWidget*>(form->FindControl(QStringLiteral("SweepGrid")));
    for (int r = 0; r < sweep->rowCount(); ++r)
      for (int c = 0; c < sweep->columnCount(); ++c)
        if (sweep->item(r, c) && bad(sweep->item(r, c)->text()))
          ADD_FAILURE() << "SweepGrid (" << c << "," << r << ") reads nan or inf";
  }

  // Until the insulation design's work on its worker thread has ended.
  void WaitForDesign() {
    QElapsedTimer waited;
    waited.start();
    while (form->Design().Job().Busy() && waited.elapsed() < 5000)
      QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(form->Design().Job().Busy()) << "the design's work did not end";
  }

  // Every field of the window by name, with the grid's cells.
  std::map<QString, QString> Snapshot() const {
    std::map<QString, QString> all;
    // The analysis view's own fields follow the calculator on screen (a
    // sweep's range, a solve's results): they are the views', not the run's.
    const QWidget* views = form->FindControl(QStringLiteral("AnalysisView"));
    for (QLineEdit* e : form->findChildren<QLineEdit*>())
      if (!e->objectName().isEmpty() && !e->objectName().startsWith(u"qt_") && !(views && views->isAncestorOf(e)))
        all[e->objectName()] = e->text();
    if (GetParam().grid) {
      const StringGrid* g = Grid();
      const int rows = GetParam().gridRows ? GetParam().gridRows : g->RowCount();
      for (int r = 0; r < rows; ++r)
        for (int c = 0; c < g->ColCount(); ++c) {
          const QString t = g->Cell(c, r);
          if (!t.isEmpty()) all[QStringLiteral("(%1,%2)").arg(c).arg(r)] = t;
        }
    }
    return all;
  }

  // Puts every field and cell back as the snapshots have them.
  void Restore(const std::map<QString, QString>& s, const std::map<QString, QString>& view) {
    for (QLineEdit* e : form->findChildren<QLineEdit*>()) {
      auto it = s.find(e->objectName());
      if (it == s.end()) it = view.find(e->objectName());
      if (it != s.end() && it != view.end() && e->text() != it->second) e->setText(it->second);
    }
    if (GetParam().grid) {
      StringGrid* g = Grid();
      for (int r = 0; r < g->RowCount(); ++r)
        for (int c = 0; c < g->ColCount(); ++c) {
          auto it = s.find(QStringLiteral("(%1,%2)").arg(c).arg(r));
          const QString want = it == s.end() ? QString() : it->second;
          if (g->Cell(c, r) != want) g->SetCell(c, r, want);
        }
    }
  }

  // The fields a person can type into with the calculator selected.
  std::vector<Input> VisibleInputs() {
    std::vector<Input> in;
    names.clear();
    for (QLineEdit* e : form->findChildren<QLineEdit*>())
      if (e->isVisible() && e->isEnabled() && !e->isReadOnly() && !e->objectName().isEmpty()) {
        names.push_back(e->objectName().toUtf8());
      }
    for (const QByteArray& n : names) in.push_back({n.constData()});
    return in;
  }

 private:
  std::vector<QByteArray> names;  // of the visible inputs, kept for Input::field
  QString driverText;
  QTextStream driverOut{&driverText};
  std::unique_ptr<Driver> driver;
};

TEST_P(Sweep, BadInputEndsQuicklyWithOwnMessagesAndLeavesOtherFieldsAlone) {
  const SweptCalculator& calc = GetParam();
  calc.select(*this);
  ASSERT_EQ(TakeMessages(), QStringList()) << "selecting the calculator";
  // The inputs as they stand compute a result, so that each bad text below
  // reaches the calculation and not only the first empty-field guard.
  calc.run(*this);
  for (const QString& m : TakeMessages())
    ASSERT_TRUE(OwnMessage(m)) << "the run on the standing inputs: " << m.toStdString();
  const std::vector<Input> inputs = calc.inputs.empty() ? VisibleInputs() : calc.inputs;
  ASSERT_FALSE(inputs.empty());
  const QSet<QString> writes = [&] {
    QSet<QString> w;
    for (const char* n : calc.writes) w.insert(QString::fromUtf8(n));
    return w;
  }();
  const std::map<QString, QString> base = Snapshot();
  const std::map<QString, QString> viewBase = ViewSnapshot();
  QSet<QString> changedSeen;
  int tried = 0;
  qint64 slowest = -1;
  QString slowestCase;
  for (const Input& in : inputs) {
    const QString where = in.file         ? QString::fromUtf8(in.file)
                          : in.column < 0 ? QString::fromUtf8(in.field)
                                          : QStringLiteral("(%1,%2)").arg(in.column).arg(in.row);
    for (const QString& text : BadTexts()) {
      SCOPED_TRACE(testing::Message()
                   << where.toStdString() << " = \"" << text.left(20).toStdString() << "\"");
      Restore(base, viewBase);
      if (in.file)
        folder.Write(in.file, Cp932::Encode(QString::fromUtf8(in.text).arg(text)));
      else if (in.column < 0)
        SetField(in.field, text);
      else if (!calc.grid)
        FAIL() << "a cell input needs the grid";
      else
        SetGridCell(calc.grid, in.column, in.row, text);
      const std::map<QString, QString> before = Snapshot();
      QElapsedTimer clock;
      clock.start();
      calc.run(*this);
      const qint64 took = clock.elapsed();
      EXPECT_LT(took, 5000) << "the run took too long";
      if (took > slowest) {
        slowest = took;
        slowestCase = where + QStringLiteral(" = \"") + text.left(20) + QStringLiteral("\"");
      }
      for (const QString& m : TakeMessages())
        EXPECT_TRUE(OwnMessage(m)) << "foreign message: " << m.left(200).toStdString();
      ExpectPageResultsAreNumbers();
      const std::map<QString, QString> after = Snapshot();
      std::set<QString> keys;
      for (auto& [k, v] : before) keys.insert(k);
      for (auto& [k, v] : after) keys.insert(k);
      for (const QString& k : keys) {
        const QString b = before.count(k) ? before.at(k) : QString();
        const QString a = after.count(k) ? after.at(k) : QString();
        if (a == b) continue;
        // A number typed full-width reads as its half-width form, which the
        // field then shows.
        if (k == where && a == HalfWidthNumber(b) && a != b) continue;
        if (writes.contains(k)) {
          // A result the calculator writes is a number or a notice, never nan or inf.
          if (a.contains(u"nan", Qt::CaseInsensitive) || a.contains(u"inf", Qt::CaseInsensitive))
            ADD_FAILURE() << "result " << k.toStdString() << " reads \"" << a.left(40).toStdString() << "\"";
          continue;
        }
        changedSeen.insert(k);
        ADD_FAILURE() << "field " << k.toStdString() << " changed: \"" << b.left(40).toStdString()
                      << "\" -> \"" << a.left(40).toStdString() << "\"";
      }
      ++tried;
      // A fault that changes many fields is reported once, not for every text.
      if (changedSeen.size() > 40) return;
    }
  }
  RecordProperty("inputs_tried", tried);
  std::printf("%s: %d fields x %d texts = %d inputs; slowest run %lld ms (%s)\n", calc.name,
              int(inputs.size()), int(BadTexts().size()), tried, static_cast<long long>(slowest),
              qPrintable(slowestCase));
}

namespace {

void RunCylinder(Sweep& s) { s.Press("Button1"); }
void RunPipe(Sweep& s) { s.Press("Button69"); }
void RunFlat(Sweep& s) { s.Press("Button15"); }
void RunHeating(Sweep& s) { s.Press("Button34"); }
void RunCoefficient(Sweep& s) { s.Press("Button70"); }
void RunFem(Sweep& s) {
  s.Press("Button83");
  s.Press("Button83");
}

std::function<void(Sweep&)> Buttons(std::vector<const char*> names) {
  return [names](Sweep& s) {
    for (const char* n : names) s.Press(n);
  };
}

struct Cell {
  int column, row;
  const char* text;
};

// Items of a correlation that computes: a simple one, natural and forced
// convection, a fin.
const std::vector<Cell> kSimple = {{1, 0, "60"}, {1, 1, "20"}, {1, 2, "0.5"}};
const std::vector<Cell> kNatural = {{1, 1, "0.5"},    {1, 2, "0.000016"}, {1, 3, "0.279"}, {1, 4, "1.13"},
                                    {1, 5, "0.0272"}, {3, 1, "60"},       {3, 2, "20"},    {3, 3, "0.0032"}};
const std::vector<Cell> kForced = {{1, 0, "2"},     {1, 1, "0.3"},  {1, 2, "0.000016"},
                                   {1, 3, "0.279"}, {1, 4, "1.13"}, {1, 5, "0.0272"}};
const std::vector<Cell> kFin = {{1, 0, "10"},   {1, 1, "0.2"},  {1, 2, "200"},   {1, 3, "0.0001"},
                                {1, 4, "0.05"}, {1, 5, "0.02"}, {3, 0, "0.001"}, {3, 1, "0.005"}};
const std::vector<const char*> kCoefficientWrites = {"Edit72", "Edit77", "Edit78", "Edit79",
                                                     "Edit80", "Edit81", "Edit82"};
const std::vector<const char*> kFinWrites = {"Edit72", "Edit77", "Edit78", "Edit79", "Edit80", "Edit81",
                                             "Edit82", "(2,0)", "(2,1)", "(2,2)", "(2,3)", "(2,4)", "(2,5)",
                                             "(3,2)", "(3,3)", "(3,4)", "(3,5)",
                                             // emptied with their captions when no tube diameter is given
                                             "(3,0)", "(3,1)"};

// Two elements side by side and a convective boundary.
const std::vector<Cell> kFemTable = {{1, 1, "2"},    {1, 3, "T1"},   {2, 3, "50"}, {3, 3, "30"},
                                     {4, 3, "40"},   {6, 3, "外壁"}, {7, 3, "T2"}, {1, 4, "T2"},
                                     {2, 4, "50"},   {3, 4, "30"},   {4, 4, "40"}, {7, 4, "T1"},
                                     {1, 5, "外壁"}, {2, 5, " "},    {3, 5, "100"}};
const std::vector<const char*> kFemWrites = {
    "(0,1)", "(2,1)", "(3,1)", "(4,1)", "(6,0)", "(7,0)", "(0,4)", "(5,3)", "(6,3)", "(7,3)", "(8,3)",
    "(9,3)", "(5,4)", "(6,4)", "(7,4)", "(8,4)", "(9,4)", "(5,5)", "(6,5)", "(7,5)", "(8,5)", "(9,5)",
    // The solve in the program: temperatures, flows, their sum and captions.
    // With another element count typed, other rows are boundaries.
    "(10,2)", "(10,3)", "(10,4)", "(11,0)", "(11,1)", "(11,2)", "(11,3)", "(11,4)", "(11,5)"};

std::function<void(Sweep&)> Coefficient(const char* number, std::vector<Cell> items) {
  return [number, items](Sweep& s) {
    s.Press("Button9");
    s.SetField("Edit71", QString::fromUtf8(number));
    s.Press("Button65");
    for (const Cell& c : items) s.SetItem(c.column, c.row, QString::fromUtf8(c.text));
  };
}

void SelectFem(Sweep& s) {
  s.Press("Button30");
  s.Press("Button73");
  for (const Cell& c : kFemTable) s.SetCell(c.column, c.row, QString::fromUtf8(c.text));
}

// The cells of the items (or of the table) as inputs, with some fields and
// further cells.
std::vector<Input> Cells(const std::vector<Cell>& items, std::vector<const char*> fields,
                         std::vector<std::pair<int, int>> more = {}) {
  std::vector<Input> in;
  for (const char* f : fields) in.push_back({f});
  for (const Cell& c : items) in.push_back({nullptr, c.column, c.row});
  for (auto [c, r] : more) {
    bool seen = false;
    for (const Input& i : in) seen = seen || (i.column == c && i.row == r);
    if (!seen) in.push_back({nullptr, c, r});
  }
  return in;
}

// The heat-loss calculators with both options on: 自動 (which writes the
// coefficient it used into Edit17 and opens the page of its conditions, so
// their fields are typed into too) and k(T) of the insulation; pipe flow
// also with its inner coefficient from the fluid (written into Edit69).
std::function<void(Sweep&)> WithOptions(std::vector<const char*> select,
                                        std::vector<std::pair<const char*, const char*>> fields = {},
                                        std::vector<const char*> after = {}) {
  return [select, fields, after](Sweep& s) {
    for (const char* n : select) s.Press(n);
    s.Press("AutoCoefficient");
    s.SetField("KTableB2", QStringLiteral("1.1E-4"));
    s.SetField("KTableC2", QStringLiteral("2E-7"));
    for (auto [field, text] : fields) s.SetField(field, QString::fromUtf8(text));
    for (const char* n : after) s.Press(n);
  };
}
const std::vector<std::pair<const char*, const char*>> kFlatLength = {{"SurfaceLength", "2"}};
const std::vector<std::pair<const char*, const char*>> kWater = {{"FluidViscosity", "0.355"},
                                                                 {"FluidConductivity", "0.67"}};

// The pages of the analysis view on the cylinder (pipe flow's economic
// table runs on the worker thread): each opened by its tab. A page writes
// no field of the panels.
std::function<void(Sweep&)> Page(std::vector<const char*> select, const char* tab,
                                 std::vector<std::pair<const char*, const char*>> choices = {},
                                 std::vector<std::pair<const char*, const char*>> fields = {}) {
  return [select, tab, choices, fields](Sweep& s) {
    for (const char* n : select) s.Press(n);
    for (auto [field, text] : fields) s.SetField(field, QString::fromUtf8(text));
    s.Press("GraphButton");
    s.Drive(QStringLiteral("select AnalysisView ") + QString::fromUtf8(tab));
    for (auto [control, entry] : choices)
      s.Drive(QStringLiteral("select %1 %2").arg(QString::fromUtf8(control), QString::fromUtf8(entry)));
  };
}
void RunSweepPage(Sweep& s) {
  s.Press("SweepRun");
  s.Drive(QStringLiteral("wait"));
}
void RunDesignPage(Sweep& s) {
  s.Press("DesignRun");
  s.WaitForDesign();
}
void RunEconomicsPage(Sweep& s) {
  s.Press("EconRun");
  s.WaitForDesign();
}
std::vector<Input> Fields(std::vector<const char*> names) {
  std::vector<Input> in;
  for (const char* n : names) in.push_back({n});
  return in;
}
const std::vector<Input> kEconomicInputs =
    Fields({"EconHours", "EconPrice", "EconEfficiency", "EconCO2", "EconYears", "EconRate"});
// The lists, a bad text in the thickness and in the cost of a line between good ones.
const std::vector<Input> kStockLines = {
    {nullptr, -1, -1, "G1de-ta/hoonzai_atsusa.csv", "# 在庫厚さ\r\n25\r\n%1\r\n50\r\n"}};
const std::vector<Input> kCostLines = {
    {nullptr, -1, -1, "G1de-ta/hoonzai_hiyou.csv", "25,4600,6000\r\n%1,5800,7500\r\n50,6700,8500\r\n"},
    {nullptr, -1, -1, "G1de-ta/hoonzai_hiyou.csv", "25,4600,6000\r\n40,%1,7500\r\n50,6700,8500\r\n"}};

// The heating calculations write the results, the volume from the
// dimensions and the insulation thickness.
const std::vector<const char*> kHeatingWrites = {"Edit39", "Edit46", "Edit47", "Edit48",
                                                 "Edit49", "Edit54", "Edit55"};

// Each calculator: how it is selected, its inputs (the fields a person can
// type into, or the cells of its grid), the fields its run writes (results,
// and the values the calculation itself puts back), and how it is run.
// clang-format off
const SweptCalculator kCalculators[] = {
  {"heater", Buttons({"Button8"}), {},
   {"Edit1", "Edit2", "Edit4", "Edit11", "Edit14", "Edit18", "Edit19", "Edit20", "Edit21"}, nullptr, 0, RunCylinder},
  {"cylinder", Buttons({"Button7"}), {},
   {"Edit1", "Edit2", "Edit11", "Edit18", "Edit19", "Edit20", "Edit21"}, nullptr, 0, RunCylinder},
  {"pipe_flow", Buttons({"Button7", "Button67"}), {},
   // A coefficient above 10000 is used as 10000 and written back into Edit17 / Edit69.
   {"Edit1", "Edit2", "Edit4", "Edit11", "Edit14", "Edit17", "Edit18", "Edit19", "Edit20", "Edit21", "Edit69"},
   nullptr, 0, RunPipe},
  {"flat_plate", Buttons({"Button12"}), {},
   {"Edit18", "Edit19", "Edit20", "Edit23", "Edit24", "Edit28", "Edit31", "Edit32", "Edit33"}, nullptr, 0, RunFlat},
  {"flat_plate_cooling", Buttons({"Button12", "Button71"}), {},
   {"Edit18", "Edit19", "Edit20", "Edit23", "Edit24", "Edit28", "Edit31", "Edit32", "Edit33", "Edit76"}, nullptr, 0,
   RunFlat},
  {"flat_wall", Buttons({"Button11"}), {},
   {"Edit18", "Edit19", "Edit20", "Edit23", "Edit24", "Edit27", "Edit28", "Edit31", "Edit32", "Edit33"}, nullptr, 0,
   RunFlat},
  {"heater_options", WithOptions({"Button8"}), {},
   {"Edit1", "Edit2", "Edit4", "Edit11", "Edit14", "Edit17", "Edit18", "Edit19", "Edit20", "Edit21"}, nullptr, 0,
   RunCylinder},
  {"cylinder_options", WithOptions({"Button7"}), {},
   {"Edit1", "Edit2", "Edit11", "Edit17", "Edit18", "Edit19", "Edit20", "Edit21"}, nullptr, 0, RunCylinder},
  {"pipe_flow_options", WithOptions({"Button7", "Button67"}, kWater, {"InnerAutoCoefficient"}), {},
   {"Edit1", "Edit2", "Edit4", "Edit11", "Edit14", "Edit17", "Edit18", "Edit19", "Edit20", "Edit21", "Edit69"},
   nullptr, 0, RunPipe},
  {"flat_plate_options", WithOptions({"Button12"}, kFlatLength), {},
   {"Edit17", "Edit18", "Edit19", "Edit20", "Edit23", "Edit24", "Edit28", "Edit31", "Edit32", "Edit33"}, nullptr, 0,
   RunFlat},
  {"flat_wall_options", WithOptions({"Button11"}, kFlatLength), {},
   {"Edit17", "Edit18", "Edit19", "Edit20", "Edit23", "Edit24", "Edit27", "Edit28", "Edit31", "Edit32", "Edit33"},
   nullptr, 0, RunFlat},
  {"heating_liquid", Buttons({"Button30", "Button31"}), {}, kHeatingWrites, nullptr, 0, RunHeating},
  {"heating_gas", Buttons({"Button30", "Button32"}), {}, kHeatingWrites, nullptr, 0, RunHeating},
  {"heating_solid", Buttons({"Button30", "Button33"}), {}, kHeatingWrites, nullptr, 0, RunHeating},
  {"heating_gas_wall", Buttons({"Button30", "Button32", "RadioButton4"}), {}, kHeatingWrites, nullptr, 0, RunHeating},
  {"coefficient_simple", Coefficient("1", kSimple), Cells(kSimple, {"Edit71"}), kCoefficientWrites,
   "StringGrid4", 0, RunCoefficient},
  {"coefficient_natural", Coefficient("52", kNatural), Cells(kNatural, {"Edit71"}), kCoefficientWrites,
   "StringGrid4", 0, RunCoefficient},
  {"coefficient_forced", Coefficient("101", kForced), Cells(kForced, {"Edit71"}), kCoefficientWrites,
   "StringGrid4", 0, RunCoefficient},
  // The fin formula writes its results and their captions into the item grid,
  // and empties the fin thickness and pitch when no tube diameter is given.
  {"coefficient_fin", Coefficient("201", kFin), Cells(kFin, {"Edit71"}), kFinWrites, "StringGrid4", 0,
   RunCoefficient},
  // The run counts the table into (2,1) … (4,1) and (6,0), marks (7,0),
  // gives the plate thickness its default in (0,4), puts "T" before face
  // references (columns 5 … 9) and writes the matrix below row 5.
  {"finite_element", SelectFem, Cells(kFemTable, {}, {{0, 1}, {1, 1}, {0, 4}}), kFemWrites, "StringGrid3", 6,
   RunFem},
  // The pages: the sweep's range and points, each target of the thickness,
  // the economic inputs (pipe flow's table on the worker thread), and the
  // lines of the stock and cost lists.
  {"graph_sweep", Page({"Button7"}, "グラフ", {{"SweepField", "層厚さ（保温材） mm"}}), Fields({"SweepFrom", "SweepTo", "SweepPoints"}),
   {}, nullptr, 0, RunSweepPage},
  {"thickness_surface", Page({"Button7"}, "保温厚さ", {{"DesignTarget", "表面温度の上限"}}), Fields({"DesignValue"}), {},
   nullptr, 0, RunDesignPage},
  {"thickness_heat_flow", Page({"Button7"}, "保温厚さ", {{"DesignTarget", "熱量の上限"}}), Fields({"DesignValue"}), {},
   nullptr, 0, RunDesignPage},
  {"thickness_dew_point", Page({"Button7"}, "保温厚さ", {{"DesignTarget", "結露しない（露点＋余裕）"}},
                               {{"CylinderHumidity", "99.9999"}}),
   Fields({"DesignValue"}), {}, nullptr, 0, RunDesignPage},
  {"thickness_fluid_end", Page({"Button7", "Button67"}, "保温厚さ", {{"DesignTarget", "管端の流体温度"}}),
   Fields({"DesignValue"}), {}, nullptr, 0, RunDesignPage},
  {"economics", Page({"Button7"}, "経済的厚さ"), kEconomicInputs, {}, nullptr, 0, RunEconomicsPage},
  {"economics_pipe_flow", Page({"Button7", "Button67"}, "経済的厚さ"), kEconomicInputs, {}, nullptr, 0,
   RunEconomicsPage},
  {"stock_list", Page({"Button7"}, "保温厚さ", {{"DesignTarget", "表面温度の上限"}}), kStockLines, {}, nullptr, 0,
   RunDesignPage},
  {"cost_list", Page({"Button12"}, "経済的厚さ"), kCostLines, {}, nullptr, 0, RunEconomicsPage},
};
// clang-format on

}  // namespace

INSTANTIATE_TEST_SUITE_P(Calculators, Sweep, ::testing::ValuesIn(kCalculators),
                         [](const ::testing::TestParamInfo<SweptCalculator>& info) {
                           return std::string(info.param.name);
                         });
