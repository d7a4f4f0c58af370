// Everything the operations ask of the person and of the platform goes
// through this interface: messages, the confirmation, the three-way
// question, the file to open and the file name to save under, the printer, the busy pointer and
// the shell's file operations. The program uses Qt message boxes and the
// system's file and print dialogs; tests and the scenario driver use a
// recorder that answers from a script. The file operations are the
// program's own in both.
#pragma once

#include <QString>

#include "store/FileTrash.h"

class QPrinter;

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A modal message box with one OK button.
  virtual void Message(const QString& text) = 0;

  // The confirmation box ("確認" with "はい(&Y)" / "いいえ(&N)"); true for yes.
  virtual bool Confirm(const QString& title, const QString& text) = 0;

  // The question before work would be lost: はい / いいえ / キャンセル.
  // Closing the box is キャンセル.
  enum class Reply { Yes, No, Cancel };
  virtual Reply Ask(const QString& title, const QString& text) = 0;

  // The busy (hourglass) pointer; calls nest.
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;

  // Moves a file to the user's trash, or where no trash takes it to
  // backupFolder (FileTrash). The window, the tests and the driver all move
  // files for real.
  virtual FileTrash::Outcome MoveToTrash(const QString& path, const QString& backupFolder) {
    return FileTrash({FileTrash::HomeTrash(), backupFolder}).Move(path);
  }

  // The user's desktop folder.
  virtual QString DesktopFolder() = 0;
  // The user's documents folder.
  virtual QString DocumentsFolder() = 0;

  // The system's save dialog, opened at `proposed` (a folder and a file
  // name); filter as QFileDialog takes it ("PDF (*.pdf)"). The path chosen,
  // or an empty text when the person cancels. Whether to replace a file
  // that is there is asked by the dialog itself.
  virtual QString SaveFileName(const QString& title, const QString& proposed, const QString& filter) = 0;

  // The system's open dialog, opened at `proposed` (a folder, or a file in
  // it); filter as QFileDialog takes it. The existing file chosen, or an
  // empty text when the person cancels.
  virtual QString OpenFileName(const QString& title, const QString& proposed, const QString& filter) = 0;

  // The system's print dialog on `printer`: true when the person prints,
  // with the printer set up as chosen.
  virtual bool SetUpPrinter(QPrinter& printer) = 0;
};

// Shows the busy pointer for the life of the object, restored also when an
// error leaves the operation.
class BusyPointer {
 public:
  explicit BusyPointer(Dialogs& d) : d_(d) { d_.BeginBusy(); }
  ~BusyPointer() { d_.EndBusy(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Dialogs& d_;
};
