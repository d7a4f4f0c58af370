// Marks the working files as open in a window, so that a second program
// started on the same folder can tell and ask before it opens them.
//
// A lock file (QLockFile) beside the store, G1de-ta/heatcalc.lock, holds
// the process id, the program and the host. It lies where the data is, so
// a program folder that cannot be written but whose G1de-ta/ can (the
// folder the window then works in) still gets its lock. It goes when the
// program ends. A lock file that names no live process of this computer
// does not block: one left by a program that ended without removing it (a
// crash, a power cut, a restart), one of another host name (the folder was
// copied, or the computer renamed) and one that is empty or unreadable (cut
// short when it was made) are taken as stale, removed and said so. A lock
// never expires while its program runs, however long the window stays open.
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

  // The lock of the working folder: folder/G1de-ta/heatcalc.lock.
  explicit WorkingFilesLock(const QString& folder);

  // Tries once, without waiting. Taking a lock that is already held by this
  // object returns Locked.
  Result TryLock();

  // After TryLock: the message that says a stale lock was taken over, and
  // why it was stale; empty when there was none.
  QString StaleNote() const { return staleNote_; }

  // Who holds the lock after HeldByOther: "プロセス 1234、heatcalc、host".
  QString Holder() const;

  // Removes the lock file if this object holds it (also done when it goes).
  void Unlock();

  bool IsLocked() const { return file_.isLocked(); }
  QString Path() const { return path_; }

  // The question a second program asks before it opens the working files.
  QString Question() const;

 private:
  // Why the lock file there is stale; empty when it is not (or is absent).
  QString StaleReason() const;

  QString folder_;
  QString path_;
  QLockFile file_;
  QString staleNote_;
};
