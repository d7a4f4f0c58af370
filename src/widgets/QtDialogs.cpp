#include "widgets/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
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

QString QtDialogs::DocumentsFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString QtDialogs::SaveFileName(const QString& title, const QString& proposed, const QString& filter) {
  FloatFaults::Keep keep;
  QFileDialog dialog(parentWidget_, title, proposed, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A name typed without its ending gets the filter's ("*.pdf"), before the
  // dialog asks whether to replace a file of that name.
  const QRegularExpressionMatch suffix = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
  if (suffix.hasMatch()) dialog.setDefaultSuffix(suffix.captured(1));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().front();
}

QString QtDialogs::OpenFileName(const QString& title, const QString& proposed, const QString& filter) {
  FloatFaults::Keep keep;
  QFileDialog dialog(parentWidget_, title, proposed, filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().front();
}

bool QtDialogs::SetUpPrinter(QPrinter& printer) {
  FloatFaults::Keep keep;
  QPrintDialog dialog(&printer, parentWidget_);
  return dialog.exec() == QDialog::Accepted;
}
