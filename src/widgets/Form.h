// The window as the operations see it. It holds the parts of the window by
// job: the controls by their names (WidgetRegistry), the selections' state
// (AppState), the condition store and its file (StoreRepository), the
// dialogs and the program's folder; itself it gives the controls' texts and
// look, wires events to operations and runs each inside Guarded. Every
// subsystem works on a Form; the window Form is one. The Runs see only its
// Fields side.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <vector>

#include "store/StoreRepository.h"
#include "widgets/AnchorLayout.h"
#include "widgets/Fields.h"
#include "widgets/WidgetRegistry.h"

class Dialogs;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class FileListBox;
class InputMarks;
class StringGrid;


class Form : public QWidget, public Fields {
  Q_OBJECT
 public:
  using Op = std::function<void()>;

  // appDir is the program's folder: it holds G1de-ta/, memo/, memocsv/,
  // siryou/ and formtext/.
  Form(const QString& appDir, Dialogs& dialogs, QWidget* parent = nullptr);
  ~Form() override;

  // --- files and shared state
  // The program's folder + a relative path ("\" is taken as "/").
  QString Path(const QString& relative) const;
  QString AppDir() const { return appDir_; }
  StoreRepository& Repository() { return repository_; }
  // The store's cells (Repository().Cells()).
  ConditionStore& Store() { return repository_.Cells(); }
  const ConditionStore& Store() const { return repository_.Cells(); }
  // The selections' state: the calculator on screen and the panels' modes.
  AppState& State() { return state_; }
  const AppState& State() const { return state_; }
  RunModes Modes() const override { return state_.Modes(); }
  Dialogs& Dlg() { return dialogs_; }

  // Shows a message box; a pending float fault is reported instead.
  void Message(const QString& text) override;
  // The confirmation box "確認"; true for はい.
  bool Confirm(const QString& text);

  // --- controls by name
  void Register(QWidget* control);
  QWidget* Control(const char* name) const;  // throws std::logic_error if unknown
  QWidget* FindControl(const QString& name) const;  // nullptr if unknown
  QLineEdit* Edit(const char* name) const;
  QLabel* Label(const char* name) const;
  QPushButton* Button(const char* name) const;
  QRadioButton* Radio(const char* name) const;
  StringGrid* Grid(const char* name) const;
  QPlainTextEdit* Memo(const char* name) const;
  FileListBox* List(const char* name) const;
  // The marks of a wrong input and of results out of date.
  InputMarks& Marks() const { return *marks_; }
  // Every control by its name.
  const QHash<QString, QWidget*>& Controls() const { return widgets_.All(); }
  const WidgetRegistry& Widgets() const { return widgets_; }
  // Where the controls go when the window grows; the control tables note
  // their rows in it.
  AnchorLayout& Anchors() { return anchors_; }

  // --- texts: field text, label or button caption, memo text
  QString Text(const char* name) const override;
  // Checks for a pending float fault first, then writes.
  void SetText(const char* name, const QString& text) override;
  bool IsChecked(const char* name) const override;
  // As Fields::Number; a number typed full-width is shown half-width after.
  long double Number(const char* name) const override;

  // --- look
  // The control's own visibility flag (not that of its panels).
  bool IsShown(const char* name) const;
  void SetShown(const char* name, bool shown);
  void ShowControls(std::initializer_list<const char*> names);
  void HideControls(std::initializer_list<const char*> names);
  void SetEnabled(const char* name, bool enabled);
  void EnableControls(std::initializer_list<const char*> names, bool enabled);
  void SetInputColour(const char* name);   // #B5FFB5
  void SetResultColour(const char* name);  // the system window colour

  // A control's look as its control table made it: one aspect at a time, so
  // that a selection can state the whole screen rather than the difference
  // from the one before (a caption only for labels and buttons; a control
  // made without a table keeps its look).
  enum class Aspect { Shown, Enabled, Colour, Caption };
  void NoteTableLook(QWidget* control, bool shown, bool enabled, bool input, const QString& caption);
  void RestoreTableLook(const char* name, Aspect aspect);
  static void SetBackground(QWidget* w, unsigned rgb);

  // --- events; each runs inside Guarded. Several operations on one event run in order.
  void OnClick(const char* name, Op op);     // buttons, labels, fields (mouse release)
  void OnDblClick(const char* name, Op op);
  void OnPress(const char* name, Op op);
  void OnRelease(const char* name, Op op);
  void OnEnter(const char* name, Op op);     // Enter key in a field
  void DigitsOnly(const char* name);         // refuses every typed key but digits

  // Runs an operation: clears the float flags, and shows the text of an
  // error that ends it in the error box. Nested calls run plainly, so an
  // error ends the outermost operation.
  void Guarded(const Op& op);

  // Runs after every operation that Guarded ran from an event, with true
  // when an error ended it: the views that follow the calculator on screen
  // draw again. Their own errors are theirs: they end them quietly.
  using AfterOp = std::function<void(bool failed)>;
  void OnAfterOperation(AfterOp listener) { afterOperation_.push_back(std::move(listener)); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Tab in a field of the lower area goes to the next input field of the
  // panels on screen in reading order, past results and hidden fields.
  bool focusNextPrevChild(bool next) override;

 private:
  struct Handlers {
    std::vector<Op> click, dblClick, press, release, enter;
    bool afterDblClick = false;
    bool digitsOnly = false;
  };
  Handlers& HandlersOf(const char* name);

  QString appDir_;
  Dialogs& dialogs_;
  StoreRepository repository_;
  AppState state_{repository_.Cells()};
  WidgetRegistry widgets_;
  QHash<QObject*, Handlers> handlers_;
  int guardDepth_ = 0;
  std::vector<AfterOp> afterOperation_;
  InputMarks* marks_;  // a child of the form
  AnchorLayout anchors_;

};
