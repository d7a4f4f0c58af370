// The program's dialogs: Qt message boxes, the wait cursor, the trash of
// the desktop and the user's desktop folder.
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
  void BeginBusy() override;
  void EndBusy() override;
  bool MoveToTrash(const QString& path, QString* reason) override;
  QString DesktopFolder() override;

 private:
  QWidget* parentWidget_ = nullptr;
};
