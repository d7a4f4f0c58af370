// The page 熱伝達率の式: the list chooses every entry as typing its number
// and pressing 選択 does; the ranges table covers the catalogue with sources;
// the side-by-side table of a horizontal cylinder in air holds what each
// entry gives alone; numbers outside the chosen entry's range are marked.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <vector>

#include "CoefficientWindow.h"
#include "operations/coefficient/CorrelationCatalogue.h"
#include "operations/coefficient/CorrelationPicker.h"
#include "operations/coefficient/CorrelationRanges.h"
#include "operations/hints/HintLine.h"
#include "widgets/StringGrid.h"

namespace {

const QColor kWarning(0xFF, 0xC7, 0x8A);

class PickerPage : public CoefficientWindow {
 protected:
  StringGrid* List() { return form->Grid("CorrelationList"); }
  void SetItems(const std::vector<GridText>& items) {
    for (const GridText& t : items) SetItem(t.column, t.row, QString::fromUtf8(t.text));
  }
  StringGrid* Compare() { return form->Grid("CompareGrid"); }

  void DoubleClickRow(int row) {
    QTableWidgetItem* item = List()->item(row, 0);
    List()->scrollToItem(item);
    const QPointF at = QPointF(List()->visualItemRect(item).center());
    QWidget* port = List()->viewport();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
      QMouseEvent e(type, at, port->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
      QApplication::sendEvent(port, &e);
    }
    QApplication::processEvents();
  }

  // What a selection leaves on the panel, and everything else of the window.
  QStringList State() {
    QStringList s;
    for (const QLineEdit* e : form->findChildren<QLineEdit*>())
      if (!e->objectName().isEmpty()) s << e->objectName() + "=" + e->text();
    s.sort();
    for (int r = 0; r < 6; ++r) s << form->Grid("StringGrid4")->RowTexts(r).join('|');
    for (int r = 0; r < 81; ++r)
      for (int c = 0; c < 7; ++c) s << StoreCell(c, r);
    s << QString::number(form->IsShown("Panel21"));
    return s;
  }

  QString Hint() { return form->Hints().Text(); }
  QColor Colour(const char* field) { return form->Edit(field)->palette().color(QPalette::Base); }
};

// Air at a film temperature of 40 ℃ around a horizontal pipe of 0.1 m
// outer diameter at 60 ℃ in air at 20 ℃: Ra about 3·10^6, laminar.
const std::vector<GridText> kAirCylinder = {{1, 1, "0.1"},  {1, 2, "0.000017"}, {1, 3, "0.279"},
                                            {1, 4, "1.13"}, {1, 5, "0.0272"},   {3, 1, "60"},
                                            {3, 2, "20"},   {3, 3, "0.0032"}};

TEST_F(PickerPage, ChoosingAnEntryIsTypingItsNumberAndPressingSelect) {
  Click("Label66");
  ASSERT_TRUE(form->Control("CorrelationPage")->isVisibleTo(form.get()))
      << "the panel's caption opens the list";
  ASSERT_EQ(List()->RowCount(), static_cast<int>(CorrelationCatalogue().size()));
  int row = 0;
  for (const CorrelationEntry& e : CorrelationCatalogue()) {
    const QString number = QString::fromUtf8(e.number);
    SCOPED_TRACE(e.number);
    ASSERT_EQ(List()->Cell(0, row), number);
    SetItems(std::vector<GridText>{{1, 0, "7"}});
    Select(number);
    const QStringList typed = State();
    Select(number == QStringLiteral("1") ? QStringLiteral("2") : QStringLiteral("1"));
    SetItems(std::vector<GridText>{{1, 0, "7"}});
    DoubleClickRow(row);
    EXPECT_EQ(State(), typed);
    ++row;
  }
  // The button chooses the current row, and opens a closed panel first.
  Click("Button9");
  ASSERT_FALSE(form->IsShown("Panel21"));
  List()->setCurrentCell(40, 0);
  Click("CorrelationPickButton");
  EXPECT_TRUE(form->IsShown("Panel21"));
  EXPECT_EQ(Text("Edit71"), List()->Cell(0, 40));
  EXPECT_EQ(Text("Edit77"), QString::fromUtf8(CorrelationCatalogue()[40].formula));
}

TEST_F(PickerPage, TheRangesTableCoversEveryEntryWithItsSource) {
  const CorrelationRanges ranges = CorrelationRanges::Read(folder.Path("text/correlation_ranges.txt"));
  EXPECT_EQ(ranges.Problem(), QString());
  EXPECT_EQ(ranges.All().size(), CorrelationCatalogue().size()) << "one line for each entry, no more";
  int row = 0;
  for (const CorrelationEntry& e : CorrelationCatalogue()) {
    const CorrelationRange* r = ranges.Of(QString::fromUtf8(e.number));
    ASSERT_TRUE(r) << "no range for " << e.number;
    for (const QString& cell : {r->name, r->geometry, r->flow, r->published, r->source})
      EXPECT_FALSE(cell.isEmpty()) << e.number;
    // A range that is judged comes from a source with its year.
    if (!r->conditions.isEmpty()) {
      EXPECT_TRUE(r->source.contains(QRegularExpression("\\((19|20)\\d\\d\\)"))) << e.number;
    }
    for (const RangeCondition& c : r->conditions)
      EXPECT_TRUE(!c.low || !c.high || *c.low < *c.high) << e.number;
    EXPECT_EQ(List()->Cell(3, row++), r->published) << "the list shows the published range";
  }
  EXPECT_FALSE(
      CorrelationRanges::Parse({"63\t水平円柱\t水平円柱\t自然対流\tRa 1E4\tx\ty"}).Problem().isEmpty());

  // Without the table the list still chooses, and says what is missing.
  AppFolder bare;
  QFile::remove(bare.Path("text/correlation_ranges.txt"));
  RecordingDialogs quiet(bare.Path("scratch"));
  TForm1 window(bare.Dir(), quiet);
  EXPECT_TRUE(window.Text("CorrelationListCaption").contains(QStringLiteral("開けません")));
  window.Picker().Choose(0);
  EXPECT_EQ(window.Text("Edit71"), QStringLiteral("1"));
  EXPECT_EQ(quiet.messages, QStringList());
}

TEST_F(PickerPage, SideBySideForAHorizontalCylinderInAirIsEachEntryAlone) {
  Select("63");
  SetItems(kAirCylinder);
  Evaluate();
  const QStringList before = State();
  Click("Label66");
  EXPECT_EQ(State(), before) << "the side-by-side table changes nothing else";
  EXPECT_EQ(Text("CompareNote"), QStringLiteral("水平円柱、自然対流の式 4 件（式63 の項目で計算）"));
  ASSERT_EQ(Compare()->RowCount(), 4);
  const char* const numbers[] = {"63", "64", "65", "66"};
  const char* const verdicts[] = {"範囲内", "範囲内", "範囲外 Ra", "範囲内"};
  QList<long double> nusselt;
  for (int r = 0; r < 4; ++r) {
    const QStringList row = Compare()->RowTexts(r);
    EXPECT_EQ(row[0], QString::fromLatin1(numbers[r]));
    EXPECT_EQ(row[4], QString::fromUtf8(verdicts[r])) << numbers[r];
    Select(numbers[r]);
    SetItems(kAirCylinder);
    Evaluate();
    EXPECT_EQ(Text("Edit82"), row[2]) << "Nu of " << numbers[r];
    EXPECT_EQ(Text("Edit72"), row[3]) << "h of " << numbers[r];
    nusselt << row[2].toDouble();
  }
  // The laminar correlations agree within the scatter of their data.
  for (int r : {1, 3}) EXPECT_NEAR(nusselt[r] / nusselt[0], 1.0, 0.15) << numbers[r];
  EXPECT_EQ(TakeMessages(), QStringList());
}

TEST_F(PickerPage, NumbersOutsideTheChosenRangeAreMarkedAndSaid) {
  struct Step {
    const char* number;
    std::vector<GridText> items;
    const char* marked;  // the field marked, nullptr: none
    const char* hint;    // the start of the hint
  };
  const std::vector<GridText> forced = {
      {1, 1, "0.05"}, {1, 2, "0.000016"}, {1, 3, "0.279"}, {1, 4, "1.13"}, {1, 5, "0.0272"}};
  const Step steps[] = {
      {"64", kAirCylinder, nullptr, ""},    {"64", {{1, 1, "3"}}, "Edit81", "式64 の適用範囲外：Ra "},
      {"64", {{1, 1, "0.1"}}, nullptr, ""}, {"108", {{1, 0, "1"}}, "Edit78", "式108 の適用範囲外：Re 3125"},
      {"108", {{1, 0, "10"}}, nullptr, ""},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.number);
    if (Text("Edit71") != QString::fromLatin1(s.number)) {
      Select(s.number);
      if (QString::fromLatin1(s.number) == QStringLiteral("108")) SetItems(forced);
    }
    SetItems(s.items);
    Evaluate();
    const QString start = QString::fromUtf8(s.hint);
    EXPECT_EQ(Hint().left(start.size()), start);
    EXPECT_EQ(Hint().isEmpty(), !s.marked);
    for (const char* field : {"Edit78", "Edit79", "Edit80", "Edit81"})
      EXPECT_EQ(Colour(field) == kWarning, s.marked && QString::fromLatin1(field) == s.marked) << field;
  }
  EXPECT_EQ(TakeMessages(), QStringList());
}

}  // namespace
