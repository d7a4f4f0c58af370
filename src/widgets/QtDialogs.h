// The program's dialogs: Qt message boxes, the system's open, save and print
// dialogs, the wait cursor and the user's desktop and documents folders.
#pragma once

#include <QObject>
#include <QWidget>

#include "widgets/Dialogs.h"

class QtDialogs : public QObject, public Dialogs {
  Q_OBJECT
 public:
  QtDialogs() = default;
  // The window the message boxes belong to.
  void setParentWidget(QWidget* w) { parentWidget_ = w; }

  void Message(const QString& text) override;
  bool Confirm(const QString& title, const QString& text) override;
  Reply Ask(const QString& title, const QString& text) override;
  void BeginBusy() override;
  void EndBusy() override;
  QString DesktopFolder() override;
  QString DocumentsFolder() override;
  QString SaveFileName(const QString& title, const QString& proposed, const QString& filter) override;
  QString OpenFileName(const QString& title, const QString& proposed, const QString& filter) override;
  bool SetUpPrinter(QPrinter& printer) override;

 private:
  QWidget* parentWidget_ = nullptr;
};
