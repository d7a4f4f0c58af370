// Marks the working files as open in a window, so that a second program
// started on the same folder can tell and ask before it opens them.
//
// A lock file (QLockFile) in the working folder holds the process id, the
// program and the host. It goes when the program ends. A lock left by a
// program that ended without removing it (a crash, a power cut, a restart
// of the computer) does not block: its process is gone, so the next program
// takes the lock over. A lock never expires while its program runs, however
// long the window stays open.
#pragma once

#include <QLockFile>
#include <QString>

class WorkingFilesLock {
 public:
  enum class Result {
    Locked,       // this program holds the lock now
    HeldByOther,  // another running program holds it
    Unavailable,  // no lock file can be made here (a read-only folder); the files open unlocked
  };

  // The lock of the working folder: folder/heatcalc.lock.
  explicit WorkingFilesLock(const QString& folder);

  // Tries once, without waiting. Taking a lock that is already held by this
  // object returns Locked.
  Result TryLock();

  // Who holds the lock after HeldByOther: "プロセス 1234、heatcalc、host".
  QString Holder() const;

  // Removes the lock file if this object holds it (also done when it goes).
  void Unlock();

  bool IsLocked() const { return file_.isLocked(); }
  QString Path() const { return path_; }

  // The question a second program asks before it opens the working files.
  QString Question() const;

 private:
  QString folder_;
  QString path_;
  QLockFile file_;
};
