// What the window shows about its inputs and results beyond their texts:
// - a field or grid cell whose text is not a number is marked (a pale red)
//   and gets the focus after the message, until its text is corrected;
// - the result fields grey their text once an input of the calculator on
//   screen changes or a run is refused or stopped by an error, until the
//   next run writes them again.
#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>

class Form;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

class InputMarks : public QObject {
  Q_OBJECT
 public:
  explicit InputMarks(Form& form);

  // --- the wrong input
  // The field, or the cell (column, row) of a grid, held a text that is not
  // a number. The mark goes when the text is edited.
  void MarkWrong(QLineEdit* field);
  void MarkWrong(QTableWidget* grid, int column, int row);
  // After the error's message: the focus on the marked input.
  void FocusWrong();

  // --- the results that no longer belong to the inputs
  // A control of the window: fields and radio buttons are watched for
  // changes the engineer makes.
  void Watch(QWidget* control);
  // The program writes a text (a field's input or result): not the engineer.
  void ProgramWrites(QLineEdit* field);
  void ProgramWrote();
  // An operation read a number from the window: it is a run. When it ends,
  // the results it wrote belong to the inputs; every other result field of
  // the lower area, or all of them when an error ended it, no longer does.
  void NumberRead() { numberRead_ = true; }
  void OperationBegins();
  void OperationEnds(bool failed);
  bool IsOutOfDate(const QLineEdit* field) const { return outOfDate_.contains(field); }
  // True for a field the calculators write: a field of the lower area that
  // is neither an input (green) nor read-only.
  bool IsResultField(const QLineEdit* field) const;

  // The text colour of results that no longer belong to the inputs.
  static constexpr unsigned kOutOfDateText = 0x9A9A9A;
  // The background of a field or cell whose text is not a number.
  static constexpr unsigned kWrongBackground = 0xFFB8B8;

 private:
  void InputChanged();
  void SetOutOfDate(QLineEdit* field, bool outOfDate);
  QList<QLineEdit*> ResultFields() const;

  Form& f;
  int programWrites_ = 0;
  bool numberRead_ = false;
  bool wroteInput_ = false;
  QSet<const QLineEdit*> written_;
  QSet<const QLineEdit*> outOfDate_;
  QPointer<QLineEdit> wrongField_;
  QPointer<QTableWidget> wrongGrid_;
  int wrongColumn_ = -1, wrongRow_ = -1;
};
