// The real window on a temporary copy of the built data, with recording
// dialogs. Every message a test does not take is a failure.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTemporaryDir>
#include <memory>

#include "app/RecordingDialogs.h"
#include "app/TForm1.h"

class HeatingWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString data = qEnvironmentVariable("HEATCALC_DATA");
    ASSERT_FALSE(data.isEmpty()) << "HEATCALC_DATA names the folder of the built data";
    Copy(data, dir.path());
    QFile::remove(dir.path() + "/G1de-ta/heatwork.csv");
    ASSERT_TRUE(QFile::copy(dir.path() + "/G1de-ta/heatworkA.csv", dir.path() + "/G1de-ta/heatwork.csv"));
    dialogs = std::make_unique<RecordingDialogs>(dir.path() + "/scratch");
    form = std::make_unique<TForm1>(dir.path(), *dialogs);
    EXPECT_EQ(TakeMessages(), QStringList()) << "start-up";
  }

  void TearDown() override { EXPECT_EQ(TakeMessages(), QStringList()) << "unexpected messages"; }

  QStringList TakeMessages() { return dialogs->TakeMessages(); }
  QString Text(const char* name) const { return form->Text(name); }
  // Replaces a field's text as pasting would.
  void Set(const char* name, const char* text) { form->Edit(name)->setText(QString::fromUtf8(text)); }
  QString Cell(int c, int r) const { return form->Store().GetCell(c, r); }
  bool Shown(const char* name) const { return form->IsShown(name); }
  bool Checked(const char* name) const { return form->Radio(name)->isChecked(); }

  // Real mouse and key events, as a person gives them.
  void Click(const char* name) { Mouse(name, {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}); }
  void DblClick(const char* name) {
    Mouse(name, {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                 QEvent::MouseButtonRelease});
  }
  void Press(const char* name) { Mouse(name, {QEvent::MouseButtonPress}); }
  void Release(const char* name) { Mouse(name, {QEvent::MouseButtonRelease}); }
  void Enter(const char* name) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(form->Control(name), &press);
  }

  // "加熱計算", then a material button.
  void Heating() { Click("Button30"); }

  QTemporaryDir dir;
  std::unique_ptr<RecordingDialogs> dialogs;
  std::unique_ptr<TForm1> form;

 private:
  void Mouse(const char* name, std::initializer_list<QEvent::Type> types) {
    QWidget* w = form->Control(name);
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    for (QEvent::Type type : types) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
      QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
      QApplication::sendEvent(w, &e);
    }
  }

  static void Copy(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
      it.next();
      const QString target = to + QLatin1Char('/') + it.fileName();
      if (it.fileInfo().isDir())
        Copy(it.filePath(), target);
      else
        QFile::copy(it.filePath(), target);
    }
  }
};
