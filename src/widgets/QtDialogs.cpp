#include "widgets/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include "foundation/FloatFaults.h"

namespace {
// Messages separate their lines with a carriage return; Qt breaks at LF.
QString ForDisplay(const QString& text) {
  QString t = text;
  t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return t;
}
}  // namespace

void QtDialogs::Message(const QString& text) {
  FloatFaults::Keep keep;
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), ForDisplay(text),
                  QMessageBox::Ok, parentWidget_);
  box.exec();
}

bool QtDialogs::Confirm(const QString& title, const QString& text) {
  FloatFaults::Keep keep;
  QMessageBox box(QMessageBox::Question, title, ForDisplay(text), QMessageBox::NoButton, parentWidget_);
  QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
  box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
  box.exec();
  return box.clickedButton() == yes;
}

Dialogs::Reply QtDialogs::Ask(const QString& title, const QString& text) {
  FloatFaults::Keep keep;
  QMessageBox box(QMessageBox::Question, title, ForDisplay(text), QMessageBox::NoButton, parentWidget_);
  QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
  QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == yes) return Reply::Yes;
  if (box.clickedButton() == no) return Reply::No;
  return Reply::Cancel;
}

void QtDialogs::BeginBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtDialogs::EndBusy() { QApplication::restoreOverrideCursor(); }

QString QtDialogs::DesktopFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString QtDialogs::SaveFileName(const QString& title, const QString& suggested, const QString& filter) {
  FloatFaults::Keep keep;
  return QFileDialog::getSaveFileName(parentWidget_, title, suggested, filter);
}
