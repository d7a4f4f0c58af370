// Everything the operations ask of the person and of the platform goes
// through this interface: messages, the one confirmation, the busy pointer
// and the shell's file operations. The program uses Qt message boxes; tests
// and the scenario driver use a recorder.
#pragma once

#include <QString>

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A modal message box with one OK button.
  virtual void Message(const QString& text) = 0;

  // The confirmation box ("確認" with "はい(&Y)" / "いいえ(&N)"); true for yes.
  virtual bool Confirm(const QString& title, const QString& text) = 0;

  // The busy (hourglass) pointer; calls nest.
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;

  // Moves a file to the desktop's trash; false with a reason on failure.
  virtual bool MoveToTrash(const QString& path, QString* reason) = 0;

  // The user's desktop folder.
  virtual QString DesktopFolder() = 0;
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
