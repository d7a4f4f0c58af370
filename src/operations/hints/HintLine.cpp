#include "operations/hints/HintLine.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include "foundation/FloatFaults.h"
#include "operations/hints/FieldCatalogue.h"
#include "operations/hints/UnitHint.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

namespace {

// The input colour of the fields (ControlTable's kInput).
const QColor kInputColour(0xB5, 0xFF, 0xB5);
const QString kSeparator = QStringLiteral("　／　");
constexpr int kIndent = 6;

QString Caption(const Form& f, const char* label) {
  return label ? UnitHint::WithoutUnit(f.Text(label)) : QString();
}

}  // namespace

void HintLine::Build() {
  QLabel* line = f.Label("HintLine");
  line->setIndent(kIndent);
  line->setTextFormat(Qt::PlainText);
  line->setWordWrap(false);
}

void HintLine::Wire() {
  // A run writes at least one result of the panel on screen. The coefficient
  // panel's results belong to its own check.
  for (const char* field : CalculatorResultFields())
    QObject::connect(f.Edit(field), &QLineEdit::textChanged, f.Edit(field),
                     [this] { resultsWritten_ = true; });
  f.OnAfterOperation([this](bool) { AfterOperation(); });
}

void HintLine::AddCheck(Check check) { checks_.push_back(std::move(check)); }

QStringList HintLine::FieldHints() const {
  QStringList hints;
  for (const FieldRow& row : FieldCatalogue()) {
    if (row.role == FieldRole::Result || !row.quantity->checked) continue;
    if (row.when && !f.Control(row.when)->isVisibleTo(&f)) continue;
    const QLineEdit* field = f.Edit(row.field);
    if (!field->isVisibleTo(&f) || !field->isEnabled() ||
        field->palette().color(QPalette::Base) != kInputColour)
      continue;
    const QString name = UnitHint::FieldName(Caption(f, row.rowLabel), Caption(f, row.columnLabel));
    const QString hint = UnitHint::For(name, field->text(), *row.quantity);
    if (!hint.isEmpty()) hints << hint;
  }
  return hints;
}

QStringList HintLine::ItemHints(const char* grid) const {
  const StringGrid* g = f.Grid(grid);
  QStringList hints;
  for (int r = 0; r < g->RowCount(); ++r)
    for (int c : {0, 2}) {
      const ItemRow* item = ItemRowOf(g->Cell(c, r));
      if (!item) continue;
      const QString hint = UnitHint::For(QString::fromUtf8(item->name), g->Cell(c + 1, r), *item->quantity);
      if (!hint.isEmpty()) hints << hint;
    }
  return hints;
}

QString HintLine::Text() const { return f.Text("HintLine"); }

void HintLine::SetActive(bool active) {
  active_ = active;
  resultsWritten_ = false;
  if (!active) Show({});
}

void HintLine::AfterOperation() {
  const bool fieldsRan = std::exchange(resultsWritten_, false);
  if (!active_) return;
  bool ran = fieldsRan;
  QStringList lines;
  if (fieldsRan) lines << FieldHints();
  for (const Check& check : checks_)
    if (const std::optional<QStringList> own = check()) {
      ran = true;
      lines << *own;
    }
  if (ran) Show(lines);
}

void HintLine::Show(const QStringList& lines) {
  // The checks compare and convert values of every size; what they leave in
  // the float flags is theirs, not a fault of the run.
  FloatFaults::Clear();
  QLabel* line = f.Label("HintLine");
  const QString text = lines.join(kSeparator);
  line->setText(text);
  const int room = line->contentsRect().width() - kIndent;
  line->setToolTip(line->fontMetrics().horizontalAdvance(text) > room ? text : QString());
}
