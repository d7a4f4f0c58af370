// A copy of the window's texts, check marks and modes, taken on
// the window's thread, on which a calculator's Run can be repeated with
// other inputs (a sweep, a forward run at a solved thickness) in any
// thread. What the Run writes and says stays in the copy.
#pragma once

#include <QHash>
#include <QStringList>

#include "widgets/Fields.h"

class Form;

class FieldSnapshot : public Fields {
 public:
  explicit FieldSnapshot(const Form& form);

  QString Text(const char* name) const override;
  void SetText(const char* name, const QString& text) override;
  bool IsChecked(const char* name) const override;
  void Message(const QString& text) override;
  RunModes Modes() const override { return modes_; }

  // The messages the Run gave, in order.
  const QStringList& Messages() const { return messages_; }

 private:
  QHash<QString, QString> texts_;
  QHash<QString, bool> checked_;
  RunModes modes_;
  QStringList messages_;
};
