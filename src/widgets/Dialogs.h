// Everything the operations ask of the person and of the platform goes
// through this interface: messages, the confirmation, the three-way
// question, the busy pointer, the save dialog and the shell's file
// operations. The program
// uses Qt message boxes; tests and the scenario driver use a recorder that
// answers from a script. The file operations are the program's own in both.
#pragma once

#include <QString>

#include "store/FileTrash.h"

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

  // The system's save dialog: the path chosen for a file to write, starting
  // at `suggested`, with the name filter `filter` ("PNG 画像 (*.png)");
  // empty when the dialog was called off.
  virtual QString SaveFileName(const QString& title, const QString& suggested, const QString& filter) = 0;
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
