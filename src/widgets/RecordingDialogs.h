// Dialogs for tests and the scenario driver: messages are recorded (and
// passed to an observer), confirmations and questions are answered from a
// queue (no, and キャンセル, when it is empty), the desktop and the
// documents are folders of the test. A save or open dialog answers with
// the next queued file name (cancelled when there is none); a print dialog takes the
// next answer of the queue, and a printer set up prints into a PDF file of
// the scratch folder (printed lists them). Files go to the trash for real, as in the program (FileTrash):
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
  QString DocumentsFolder() override;
  QString SaveFileName(const QString& title, const QString& proposed, const QString& filter) override;
  QString OpenFileName(const QString& title, const QString& proposed, const QString& filter) override;
  bool SetUpPrinter(QPrinter& printer) override;

  // Queues the answer of the next confirmation or question. A confirmation
  // takes キャンセル as no; a question takes yes and no as はい and いいえ.
  void Answer(bool yes) { answers.push_back(yes ? Reply::Yes : Reply::No); }
  void Answer(Reply reply) { answers.push_back(reply); }
  // Returns and forgets what was recorded.
  QStringList TakeMessages();

  QStringList messages;       // "message" texts, in order
  QStringList confirmations;  // "title: text -> yes/no/cancel", questions too
  std::deque<Reply> answers;
  std::deque<QString> fileNames;                       // answers of the save and open dialogs, in order
  QStringList printed;                                 // the PDF files the printers wrote into
  std::function<void(const QString&)> onMessage;       // message shown
  std::function<void(const QString&)> onConfirmation;  // "title: text -> yes"
  int busyDepth = 0;
  int busyCount = 0;
  QString scratch;  // holds Desktop/, Documents/ and Printed/
};
