// The real window on a temporary program folder (support/FormFixture), shown
// from the start of every test. Clicks and Enter go only to controls a person
// could reach, and the events they cause run before the test goes on.
#pragma once

#include <QApplication>
#include <QStringList>
#include <initializer_list>

#include "support/FormFixture.h"

class HeatLossWindow : public FormFixture {
 protected:
  void SetUp() override {
    Open();
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(Messages(), QStringList()) << "start-up showed a message";
  }

  // A person's mouse click on a control; the Enter key in a field.
  void Click(const char* name) {
    QWidget* w = form->Control(name);
    ASSERT_TRUE(w->isVisible() && w->isEnabled()) << name << " cannot be clicked";
    FormFixture::Click(name);
    QApplication::processEvents();
  }
  void Enter(const char* name) {
    ASSERT_TRUE(form->Control(name)->isVisible()) << name << " is hidden";
    FormFixture::Enter(name);
    QApplication::processEvents();
  }

  // The messages shown since the last call.
  QStringList Messages() { return TakeMessages(); }
  // The texts of several fields, to compare before and after an action.
  QStringList Texts(std::initializer_list<const char*> names) const {
    QStringList texts;
    for (const char* n : names) texts << form->Text(n);
    return texts;
  }
};
