// Dialogs for tests and the scenario driver: messages are recorded (and
// passed to an observer), confirmations are answered from a queue (no by
// default), the trash and the desktop are folders of the test.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "widgets/Dialogs.h"

class RecordingDialogs : public Dialogs {
 public:
  explicit RecordingDialogs(const QString& scratchFolder = QString());

  void Message(const QString& text) override;
  bool Confirm(const QString& title, const QString& text) override;
  void BeginBusy() override { ++busyDepth; ++busyCount; }
  void EndBusy() override { --busyDepth; }
  bool MoveToTrash(const QString& path, QString* reason) override;
  QString DesktopFolder() override;

  // Queues the answer of the next confirmation.
  void Answer(bool yes) { answers.push_back(yes); }
  // Returns and forgets what was recorded.
  QStringList TakeMessages();

  QStringList messages;                 // "message" texts, in order
  QStringList confirmations;            // "title: text -> yes/no"
  std::deque<bool> answers;
  std::function<void(const QString&)> onMessage;       // message shown
  std::function<void(const QString&)> onConfirmation;  // "title: text -> yes"
  int busyDepth = 0;
  int busyCount = 0;
  QString scratch;  // holds Trash/ and Desktop/
  bool failTrash = false;
};
