// The real window on a temporary program folder (support/FormFixture), open
// from the start of every test, with the helpers the heating tests need.
// Every message a test does not take is a failure.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>
#include <initializer_list>

#include "support/FormFixture.h"

class HeatingWindow : public FormFixture {
 protected:
  void SetUp() override {
    Open();
    EXPECT_EQ(TakeMessages(), QStringList()) << "start-up";
  }

  bool Shown(const char* name) const { return form->IsShown(name); }
  bool Checked(const char* name) const { return form->Radio(name)->isChecked(); }

  // Only the press, or only the release, of the mouse on a control.
  void Press(const char* name) { Mouse(name, QEvent::MouseButtonPress); }
  void Release(const char* name) { Mouse(name, QEvent::MouseButtonRelease); }

  // "加熱計算", then a material button.
  void Heating() { Click("Button30"); }

 private:
  void Mouse(const char* name, QEvent::Type type) {
    QWidget* w = form->Control(name);
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
};
