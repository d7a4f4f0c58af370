#include "widgets/FieldSnapshot.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <stdexcept>

#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"
#include "widgets/Form.h"

FieldSnapshot::FieldSnapshot(const Form& form) : modes_(form.Modes()) {
  for (auto it = form.Controls().begin(); it != form.Controls().end(); ++it) {
    QWidget* w = it.value();
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
      texts_.insert(it.key(), e->text());
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
      texts_.insert(it.key(), l->text());
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      texts_.insert(it.key(), b->text());
      checked_.insert(it.key(), b->isChecked());
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
      texts_.insert(it.key(), c->currentText());
    }
  }
}

QString FieldSnapshot::Text(const char* name) const {
  const auto it = texts_.constFind(QString::fromLatin1(name));
  if (it == texts_.constEnd()) throw std::logic_error(std::string("no field named ") + name);
  return it.value();
}

void FieldSnapshot::SetText(const char* name, const QString& text) {
  FloatFaults::Check();
  texts_[QString::fromLatin1(name)] = text;
}

bool FieldSnapshot::IsChecked(const char* name) const { return checked_.value(QString::fromLatin1(name), false); }

void FieldSnapshot::Message(const QString& text) {
  FloatFaults::Check();
  messages_ << text;
}

long double Fields::Number(const char* name) const { return ToNumber(Text(name)); }
