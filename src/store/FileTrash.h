// Moving a file out of the way so that it can be taken back: into the
// user's trash, laid out as the desktops' common (freedesktop.org) trash
// rules have it, or, where no trash can take the file, into a backup folder
// of the program's own. Every file the program deletes or replaces goes
// through here, in the window, in the tests and in the scenario driver.
//
// The home trash is $XDG_DATA_HOME/Trash (~/.local/share/Trash when that is
// not set); it and its folders files/ and info/ are made, mode 0700, when
// they are missing (a fresh account has none). For every file an
// info/NAME.trashinfo is created first, exclusively, so that two programs
// never take the same name, holding the file's original path (URL-encoded)
// and the deletion time; then the file is renamed to files/NAME. A name
// already taken is numbered: a.txt, a.2.txt, a.3.txt, ...
//
// A file on another file system than the home trash goes to the trash of
// its own file system: $topdir/.Trash/$uid where the administrator made
// $topdir/.Trash (sticky, not a link), else $topdir/.Trash-$uid, made when
// missing. Where neither can be used it is copied into the home trash and
// then removed. Where no trash can take it, it is moved into the backup
// folder under a free name.
#pragma once

#include <QString>

class FileTrash {
 public:
  // The program's own backup folder, inside its working folder.
  static constexpr const char* kBackupFolder = "trash";

  struct Places {
    QString homeTrash;           // the user's trash folder (HomeTrash())
    QString backupFolder;        // where a file goes when no trash takes it
    bool topDirectories = true;  // the trash of a file's own file system may be used
  };

  struct Outcome {
    enum class Kind { Trashed, BackedUp, Failed };
    Kind kind = Kind::Failed;
    QString folder;    // the trash folder or the backup folder that took the file
    QString location;  // the file's path there
    QString reason;    // Failed: why, for the message

    bool Moved() const { return kind != Kind::Failed; }
    // What the engineer is told besides the operation's own message: where
    // a file that no trash took now lies; empty for a trashed file.
    QString Note(const QString& fileName) const;
  };

  explicit FileTrash(Places places) : places_(std::move(places)) {}

  // The home trash as the environment names it; empty when neither
  // XDG_DATA_HOME nor HOME names an absolute folder.
  static QString HomeTrash();

  // Moves the file (a plain file or a link, not a folder).
  Outcome Move(const QString& path) const;

 private:
  Places places_;
};
