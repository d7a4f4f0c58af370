// The hint line against the mistakes of the field catalogue: for every kind
// of mistake a value typed in the wrong unit is run through the window and
// the hint names the field, the unit and the value in the field's unit; the
// plausible value clears it; and a second window with the hints switched off
// ends every run with the same fields, grids and messages.
#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <memory>
#include <ostream>
#include <vector>

#include "operations/coefficient/CorrelationCatalogue.h"
#include "operations/hints/FieldCatalogue.h"
#include "operations/hints/HintLine.h"
#include "support/FormFixture.h"
#include "widgets/StringGrid.h"

// Texts in failure reports as readable text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) { *os << texts.join("\n").toStdString(); }

namespace {

struct Case {
  Mistake kind;                   // None: out of range, no mistake explains it
  std::vector<const char*> open;  // clicks that bring up the calculator
  const char* field;              // nullptr: the item grid's cell (column, row)
  int column, row;
  const char* mistaken;
  const char* plausible;
  const char* run;
  const char* hint;
};

constexpr int kGrid = -1;
const std::vector<const char*> kPipeFlow = {"Button7", "Button67"};
const std::vector<const char*> kNatural = {"Button9"};  // then 57 (no published range) and air

// clang-format off
const Case kCases[] = {
  {Mistake::JoulesForKcal, kPipeFlow, "Edit64", 0, 0, "4186", "1", "Button1",
   "比熱 4186 は J/(kg・K) の値のようです：kcal/(kg・℃) なら 1.0"},
  {Mistake::KilojoulesForKcal, {"Button30"}, "Edit45", 0, 0, "4.186", "1", "Button34",
   "液体の比熱 4.186 は kJ/(kg・K) の値のようです：kcal/(kg・℃) なら 1.0"},
  {Mistake::KgPerM3ForGPerCm3, {"Button30", "Button33"}, "Edit50", 0, 0, "7850", "7.85", "Button34",
   "容器材の密度 7850 は kg/m3 の値のようです：g/cm3 なら 7.85"},
  {Mistake::MmForM, kPipeFlow, "Edit66", 0, 0, "50", "0.05", "Button1",
   "管内径 50 は mm の値のようです：m なら 0.05"},
  {Mistake::MForMm, {"Button7"}, "Edit12", 0, 0, "0.05", "50", "Button1",
   "層厚さ（保温材） 0.05 は m の値のようです：mm なら 50.0"},
  {Mistake::KelvinForCelsius, {"Button7"}, "Edit3", 0, 0, "293.15", "20", "Button1",
   "外気温度 293.15 は K の値のようです：℃ なら 20.0"},
  {Mistake::PercentForFraction, {"Button12"}, "Edit16", 0, 0, "90", "0.9", "Button15",
   "表面の放射率 90 は ％ の値のようです：小数 なら 0.9"},
  {Mistake::Mm2ForM2, {"Button12"}, "Edit5", 0, 0, "250000", "0.25", "Button15",
   "放熱面積 250000 は mm2 の値のようです：m2 なら 0.25"},
  {Mistake::SecondsForHours, {"Button12", "Button71"}, "Edit75", 0, 0, "7200", "2", "Button15",
   "時間 7200 は 秒 の値のようです：h なら 2.0"},
  {Mistake::JoulesForWattHours, kNatural, nullptr, 1, 3, "1007", "0.279", "Button70",
   "定圧比熱cp 1007 は J/(kg・K) の値のようです：W・h/(kg・℃) なら 0.28"},
  {Mistake::KilojoulesForWattHours, kNatural, nullptr, 1, 3, "4.186", "0.279", "Button70",
   "定圧比熱cp 4.186 は kJ/(kg・K) の値のようです：W・h/(kg・℃) なら 1.16"},
  {Mistake::Mm2PerSForM2PerS, kNatural, nullptr, 1, 2, "16", "0.000016", "Button70",
   "動粘性係数ν 16 は mm2/s（cSt） の値のようです：m2/s なら 0.000016"},
  {Mistake::KelvinForExpansion, kNatural, nullptr, 3, 3, "313", "0.0032", "Button70",
   "体積膨張率β 313 は 絶対温度K の値のようです：1/K なら 0.00319"},
  {Mistake::None, {"Button7"}, "Edit7", 0, 0, "5000", "0.045", "Button1",
   "熱伝導率（保温材） 5000 は範囲外です（0～500 W/(m・℃)）"},
};
// clang-format on

// Air beside a plate 0.5 m high, 60 ℃ against 20 ℃.
const struct {
  int column, row;
  const char* text;
} kAir[] = {{1, 1, "0.5"},    {1, 2, "0.000016"}, {1, 3, "0.279"}, {1, 4, "1.13"},
            {1, 5, "0.0272"}, {3, 1, "60"},       {3, 2, "20"},    {3, 3, "0.0032"}};

// A window on a folder of its own.
struct Window {
  AppFolder folder;
  RecordingDialogs dialogs{folder.Path("scratch")};
  TForm1 form{folder.Dir(), dialogs};

  void Click(const char* name) {
    QWidget* w = form.Control(name);
    const QPointF at = QPointF(w->rect().center());
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
      QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
      QApplication::sendEvent(w, &e);
    }
  }
  StringGrid* Items() { return form.Grid("StringGrid4"); }

  void Open(const Case& c) {
    for (const char* name : c.open) Click(name);
    if (c.field) return;
    form.Edit("Edit71")->setText(QStringLiteral("57"));
    Click("Button65");
    for (const auto& item : kAir) Items()->SetCell(item.column, item.row, QString::fromUtf8(item.text));
  }
  void Run(const Case& c, const char* text) {
    if (c.field)
      form.Edit(c.field)->setText(QString::fromUtf8(text));
    else
      Items()->SetCell(c.column, c.row, QString::fromUtf8(text));
    Click(c.run);
  }
  // Every field, the item grid and the messages shown: what a run leaves.
  QStringList State() {
    QStringList s;
    for (const QLineEdit* e : form.findChildren<QLineEdit*>())
      if (!e->objectName().isEmpty()) s << e->objectName() + "=" + e->text();
    s.sort();
    for (int r = 0; r < Items()->RowCount(); ++r) s << Items()->RowTexts(r).join('|');
    return s + dialogs.TakeMessages();
  }
  QString Hint() { return form.Hints().Text(); }
};

TEST(UnitHints, EachMistakeIsNamedInTheHintLineAndNoRunChanges) {
  for (const MistakeRow& m : Mistakes()) {
    bool covered = false;
    for (const Case& c : kCases) covered = covered || c.kind == m.kind;
    EXPECT_TRUE(covered) << "no case for the mistake into " << m.unit;
  }
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.hint);
    Window hinted, plain;
    plain.form.Hints().SetActive(false);
    for (Window* w : {&hinted, &plain}) {
      w->Open(c);
      w->Run(c, c.mistaken);
    }
    EXPECT_EQ(hinted.Hint(), QString::fromUtf8(c.hint));
    EXPECT_EQ(plain.Hint(), QString());
    EXPECT_EQ(hinted.State(), plain.State()) << "the hints change a run";

    for (Window* w : {&hinted, &plain}) w->Run(c, c.plausible);
    EXPECT_EQ(hinted.Hint(), QString()) << "a plausible value leaves a hint";
    EXPECT_EQ(hinted.State(), plain.State());
  }
}

TEST(UnitHints, SeveralHintsShareTheLineAndItsTooltipWhenCutOff) {
  Window w;
  for (const char* name : {"Button7", "Button67"}) w.Click(name);
  w.form.Edit("Edit64")->setText("4186");
  w.form.Edit("Edit65")->setText("1000");
  w.form.Edit("Edit66")->setText("50");
  w.Click("Button1");
  const QString text = w.Hint();
  EXPECT_EQ(text.count(QStringLiteral("　／　")), 2) << text.toStdString();
  EXPECT_EQ(w.form.Label("HintLine")->toolTip(), text) << "the line is cut off: the tooltip holds it";
  w.form.Edit("Edit65")->setText("1");
  w.form.Edit("Edit66")->setText("0.05");
  w.Click("Button1");
  EXPECT_EQ(w.form.Label("HintLine")->toolTip(), QString()) << "the line is whole";
  w.dialogs.TakeMessages();
}

QString Source(const QString& relative) {
  QFile file(QStringLiteral(HEATCALC_SOURCE_DIR) + "/" + relative);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every field of the control tables that is typed in (kInput, or given the
// input colour by a selection) and every item caption of the coefficient
// catalogue has its row, and the captions the rows name make a name.
TEST(FieldCatalogue, EveryInputFieldAndItemHasARow) {
  static const QRegularExpression input(QStringLiteral(R"re(\{Kind::Edit,\s*"(\w+)",[^}\n]*kInput)re"));
  static const QRegularExpression coloured(QStringLiteral(R"re(InputColour,\s*"(\w+)")re"));
  QSet<QString> inputs;
  QDirIterator it(QStringLiteral(HEATCALC_SOURCE_DIR) + "/src", {"*.cpp"}, QDir::Files,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString text = Source(it.next().mid(QStringLiteral(HEATCALC_SOURCE_DIR).size() + 1));
    for (const QRegularExpression* re : {&input, &coloured})
      for (auto m = re->globalMatch(text); m.hasNext();) inputs.insert(m.next().captured(1));
  }
  EXPECT_GT(inputs.size(), 40) << "the scan finds the control tables";

  Window w;
  for (const QString& field : inputs) {
    bool found = false;
    for (const FieldRow& row : FieldCatalogue())
      found = found || (field == QLatin1String(row.field) && row.role != FieldRole::Result);
    EXPECT_TRUE(found) << field.toStdString() << " is typed in and has no row in the field catalogue";
  }
  for (const FieldRow& row : FieldCatalogue()) {
    EXPECT_TRUE(row.rowLabel || row.columnLabel) << row.field;
    for (const char* label : {row.rowLabel, row.columnLabel}) {
      if (!label) continue;
      EXPECT_FALSE(w.form.Text(label).trimmed().isEmpty()) << row.field << " " << label;
    }
  }
  for (const CorrelationEntry& e : CorrelationCatalogue())
    for (std::span<const ItemText> items : {std::span<const ItemText>(e.items), SharedItems(e.group)})
      for (const ItemText& item : items) {
        if (!item.text) continue;
        EXPECT_TRUE(ItemRowOf(QString::fromUtf8(item.text))) << "item " << item.text;
      }
}

}  // namespace
