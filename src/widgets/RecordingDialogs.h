// Dialogs for tests and the scenario driver: messages are recorded (and
// passed to an observer), confirmations and questions are answered from a
// queue (no, and キャンセル, when it is empty), the save dialog from a queue
// of paths (called off when it is empty), the desktop is a folder of the
// test. Files go to the trash for real, as in the program (FileTrash):
// a test points XDG_DATA_HOME or HOME at a folder of its own.
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
  Reply Ask(const QString& title, const QString& text) override;
  void BeginBusy() override {
    ++busyDepth;
    ++busyCount;
  }
  void EndBusy() override { --busyDepth; }
  QString DesktopFolder() override;
  // The next path of savePaths, recorded in saveDialogs as "title: suggested
  // -> path"; called off (empty) when none is queued.
  QString SaveFileName(const QString& title, const QString& suggested, const QString& filter) override;

  // Queues the answer of the next confirmation or question. A confirmation
  // takes キャンセル as no; a question takes yes and no as はい and いいえ.
  void Answer(bool yes) { answers.push_back(yes ? Reply::Yes : Reply::No); }
  void Answer(Reply reply) { answers.push_back(reply); }
  // Returns and forgets what was recorded.
  QStringList TakeMessages();

  QStringList messages;       // "message" texts, in order
  QStringList confirmations;  // "title: text -> yes/no/cancel", questions too
  std::deque<Reply> answers;
  std::deque<QString> savePaths;  // the answers of the save dialog
  QStringList saveDialogs;
  std::function<void(const QString&)> onMessage;       // message shown
  std::function<void(const QString&)> onConfirmation;  // "title: text -> yes"
  int busyDepth = 0;
  int busyCount = 0;
  QString scratch;  // holds Desktop/
};
