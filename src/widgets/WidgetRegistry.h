// The window's controls by their names (their objectNames), and the look
// each control table gave them, so that a selection can return a control to
// it (Form::RestoreTableLook).
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>


class WidgetRegistry {
 public:
  struct TableLook {
    bool shown, enabled, input;
    QString caption;
  };

  void Add(QWidget* control);
  // nullptr for a name no control has.
  QWidget* Find(const QString& name) const { return controls_.value(name, nullptr); }
  // Throws std::logic_error for a name no control has.
  QWidget* Get(const char* name) const;
  const QHash<QString, QWidget*>& All() const { return controls_; }

  void NoteTableLook(QWidget* control, const TableLook& look) { looks_.insert(control, look); }
  // nullptr for a control made without a table.
  const TableLook* TableLookOf(QWidget* control) const;

 private:
  QHash<QString, QWidget*> controls_;
  QHash<QObject*, TableLook> looks_;
};
