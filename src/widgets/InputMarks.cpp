#include "widgets/InputMarks.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "foundation/FloatFaults.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

namespace {

QColor Colour(unsigned rgb) {
  return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>(rgb & 0xFF));
}

// The lower area, where the calculators' fields are.
bool InLowerArea(const Form& f, const QWidget* w) {
  const QWidget* lower = f.FindControl(QStringLiteral("Panel1"));
  return lower && lower->isAncestorOf(w);
}

}  // namespace

InputMarks::InputMarks(Form& form) : QObject(&form), f(form) {}

// ---------------------------------------------------------------- the wrong input

void InputMarks::MarkWrong(QLineEdit* field) {
  FloatFaults::Keep keep;
  if (wrongField_ == field) return;
  wrongField_ = field;
  wrongGrid_ = nullptr;
  const QPalette before = field->palette();
  QPalette p = before;
  p.setColor(QPalette::Base, Colour(kWrongBackground));
  field->setPalette(p);
  // The engineer's correction takes the mark away, and the field its look.
  auto connection = std::make_shared<QMetaObject::Connection>();
  *connection = connect(field, &QLineEdit::textEdited, this, [this, field, before, connection] {
    QPalette p = field->palette();
    p.setColor(QPalette::Base, before.color(QPalette::Base));
    field->setPalette(p);
    if (wrongField_ == field) wrongField_ = nullptr;
    disconnect(*connection);
  });
}

void InputMarks::MarkWrong(QTableWidget* grid, int column, int row) {
  FloatFaults::Keep keep;
  QTableWidgetItem* item = grid->item(row, column);
  if (!item) return;
  wrongGrid_ = grid;
  wrongField_ = nullptr;
  wrongColumn_ = column;
  wrongRow_ = row;
  const QBrush before = item->background();
  item->setBackground(Colour(kWrongBackground));
  auto connection = std::make_shared<QMetaObject::Connection>();
  *connection = connect(grid, &QTableWidget::cellChanged, this,
                        [this, grid, column, row, before, connection](int r, int c) {
                          if (r != row || c != column) return;
                          if (QTableWidgetItem* it = grid->item(row, column)) {
                            const QSignalBlocker quiet(grid);
                            it->setBackground(before);
                          }
                          if (wrongGrid_ == grid && wrongRow_ == row && wrongColumn_ == column) wrongGrid_ = nullptr;
                          disconnect(*connection);
                        });
}

void InputMarks::FocusWrong() {
  FloatFaults::Keep keep;
  if (wrongField_ && wrongField_->isVisibleTo(&f)) {
    wrongField_->setFocus(Qt::OtherFocusReason);
    wrongField_->selectAll();
  } else if (wrongGrid_ && wrongGrid_->isVisibleTo(&f)) {
    wrongGrid_->setCurrentCell(wrongRow_, wrongColumn_);
    wrongGrid_->setFocus(Qt::OtherFocusReason);
  }
}

// ---------------------------------------------------------------- results out of date

void InputMarks::Watch(QWidget* control) {
  if (auto* field = qobject_cast<QLineEdit*>(control)) {
    connect(field, &QLineEdit::textChanged, this, [this, field] {
      if (programWrites_ == 0 && field->property("heatcalcInput").toBool() && field->isVisibleTo(&f) &&
          InLowerArea(f, field))
        InputChanged();
    });
  } else if (auto* grid = qobject_cast<StringGrid*>(control)) {
    connect(grid, &StringGrid::wrongCell, this, [this, grid](int column, int row) {
      numberRead_ = true;
      MarkWrong(grid, column, row);
    });
  } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
    // A click of the engineer's (the lid, the heating mode), not the program's setChecked.
    connect(radio, &QAbstractButton::clicked, this, [this, radio] {
      if (InLowerArea(f, radio)) InputChanged();
    });
  }
}

void InputMarks::ProgramWrites(QLineEdit* field) {
  ++programWrites_;
  if (IsResultField(field))
    written_.insert(field);
  else if (field->property("heatcalcInput").toBool() && InLowerArea(f, field))
    wroteInput_ = true;
}

void InputMarks::ProgramWrote() { --programWrites_; }

bool InputMarks::IsResultField(const QLineEdit* field) const {
  return !field->property("heatcalcInput").toBool() && !field->isReadOnly() && InLowerArea(f, field);
}

QList<QLineEdit*> InputMarks::ResultFields() const {
  QList<QLineEdit*> fields;
  for (QWidget* w : f.Controls())
    if (auto* e = qobject_cast<QLineEdit*>(w))
      if (IsResultField(e)) fields << e;
  return fields;
}

void InputMarks::InputChanged() {
  for (QLineEdit* e : ResultFields()) SetOutOfDate(e, true);
}

void InputMarks::OperationBegins() {
  numberRead_ = wroteInput_ = false;
  written_.clear();
}

void InputMarks::OperationEnds(bool failed) {
  // A run (it read numbers): what it wrote belongs to the inputs, the rest
  // does not, and nothing does when an error stopped it. New inputs without
  // a run (a Back that stops at an empty field): no result belongs to them.
  // Other operations (memos, files) leave the results as they are.
  if (numberRead_ || wroteInput_)
    for (QLineEdit* e : ResultFields()) SetOutOfDate(e, failed || !written_.contains(e));
  else
    for (const QLineEdit* e : written_) SetOutOfDate(const_cast<QLineEdit*>(e), false);
  numberRead_ = wroteInput_ = false;
  written_.clear();
}

void InputMarks::SetOutOfDate(QLineEdit* field, bool outOfDate) {
  if (outOfDate == outOfDate_.contains(field)) return;
  FloatFaults::Keep keep;
  if (outOfDate)
    outOfDate_.insert(field);
  else
    outOfDate_.remove(field);
  QPalette p = field->palette();
  p.setColor(QPalette::Text, outOfDate ? Colour(kOutOfDateText) : f.palette().color(QPalette::Text));
  field->setPalette(p);
}
