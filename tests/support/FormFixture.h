// The real window on a temporary program folder with recording dialogs.
// Every message a test does not take is a failure: a window test must say
// which messages it expects (TakeMessages) and none other may appear. The
// user's data folder (XDG_DATA_HOME) is home/.local/share of the test's
// folder, so that files deleted go to a trash of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <memory>

#include "app/TForm1.h"
#include "foundation/FloatFaults.h"
#include "support/AppFolder.h"
#include "widgets/RecordingDialogs.h"

class FormFixture : public ::testing::Test {
 protected:
  // Opens the window (the start-up sequence runs). Tests that prepare the
  // folder first call it themselves after their changes.
  void Open() {
    // A window of an earlier test on this thread may have left floating-point
    // flags raised outside any operation (Qt painting huge values); a program
    // starts with none.
    FloatFaults::Clear();
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.Path("home/.local/share")));
    dialogs = std::make_unique<RecordingDialogs>(folder.Path("scratch"));
    form = std::make_unique<TForm1>(folder.Dir(), *dialogs);
  }

  void TearDown() override {
    if (dialogs) {
      EXPECT_EQ(dialogs->messages, QStringList()) << "unexpected messages";
      EXPECT_EQ(dialogs->busyDepth, 0) << "the busy pointer is restored";
    }
  }

  // The messages shown since the last call.
  QStringList TakeMessages() { return dialogs->TakeMessages(); }

  QString Text(const char* name) const { return form->Text(name); }
  void Set(const char* name, const QString& text) { form->Edit(name)->setText(text); }
  QString Cell(int c, int r) const { return form->Store().GetCell(c, r); }
  // A file deleted by the program, in the trash of the test.
  QString Trashed(const QString& name) const { return folder.Path("home/.local/share/Trash/files/") + name; }

  // A real click / double click with the mouse on a control.
  void Click(const char* name) { Mouse(name, false); }
  void DblClick(const char* name) { Mouse(name, true); }
  // Enter in a field.
  void Enter(const char* name) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(form->Control(name), &press);
  }

  AppFolder folder;
  std::unique_ptr<RecordingDialogs> dialogs;
  std::unique_ptr<TForm1> form;

 private:
  void Mouse(const char* name, bool twice) {
    QWidget* w = form->Control(name);
    const QPointF at = QPointF(w->rect().center());
    auto send = [&](QEvent::Type type) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
      QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
      QApplication::sendEvent(w, &e);
    };
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonRelease);
    if (twice) {
      send(QEvent::MouseButtonDblClick);
      send(QEvent::MouseButtonRelease);
    }
  }
};
