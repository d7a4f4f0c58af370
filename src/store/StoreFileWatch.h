// Tells whether the condition store on disk is still the file this window
// loaded or last saved, so that a Save can ask before it writes over what
// another window saved meanwhile.
//
// It keeps the bytes themselves (the store is a few kilobytes) and compares
// them with the file's bytes now. A file written again with the same bytes
// counts as unchanged, as nothing would be lost by writing over it; other
// bytes, or a file that appeared where there was none, count as changed. A
// file removed or unreadable holds no save to lose and counts as unchanged.
//
// In the window:
//   start-up:  TextFile::ReadResult file = watch.Read(path);   // in place of TextFile::Read
//   Save:      if (watch.ChangedOnDisk() && !Confirm(StoreFileWatch::Question(path))) return;
//              store.Save(path);
//              watch.Saved(store.Lines());
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "store/TextFile.h"

class StoreFileWatch {
 public:
  // Reads the file as TextFile::Read does and remembers the very bytes it
  // read, so that no other window's save can fall between the read and the
  // remembering. Throws FileError "ファイル %s は開けません" as TextFile::Read
  // does; a file that is not there is then remembered as absent.
  TextFile::ReadResult Read(const QString& path);

  // Remembers the bytes this window has just written to the watched file:
  // those of these lines (TextFile::Bytes), not a new read of the file, so a
  // save of another window right after this one is still noticed.
  void Saved(const QStringList& lines);
  void SavedBytes(const QByteArray& bytes);

  // Remembers the file as it is on disk now (or as absent).
  void Remember(const QString& path);

  // True when the file no longer holds the remembered bytes. False when
  // nothing is remembered (no Read or Remember yet, or an unreadable file).
  bool ChangedOnDisk() const;

  QString Path() const { return path_; }

  // The question before a save over another window's save.
  static QString Question(const QString& path);

 private:
  enum class Known { Nothing, Absent, Bytes };
  // The file's bytes now; nullopt when it is not there; sets *readable.
  static std::optional<QByteArray> OnDisk(const QString& path, bool* readable);

  QString path_;
  Known known_ = Known::Nothing;
  QByteArray bytes_;
};
