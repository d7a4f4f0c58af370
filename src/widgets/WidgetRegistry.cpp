#include "widgets/WidgetRegistry.h"

#include <QWidget>
#include <stdexcept>
#include <string>

void WidgetRegistry::Add(QWidget* control) { controls_.insert(control->objectName(), control); }

QWidget* WidgetRegistry::Get(const char* name) const {
  QWidget* w = controls_.value(QString::fromLatin1(name), nullptr);
  if (!w) throw std::logic_error(std::string("no control named ") + name);
  return w;
}

const WidgetRegistry::TableLook* WidgetRegistry::TableLookOf(QWidget* control) const {
  const auto it = looks_.constFind(control);
  return it == looks_.constEnd() ? nullptr : &it.value();
}
