// A file replaced whole or not at all: every file the program writes (the
// store, memos, the comparison tables, reports, charts) goes through here.
//
// The new content goes into an unfinished file beside the target, named
// .heatcalc-unfinished-XXXXXXXX.tmp (eight random letters or digits), a name
// no person gives a file, so that the start-up clean-up (Leftovers) can tell
// the files this writer left from everyone else's. Commit syncs it to the
// disk and renames it over the target; the old file stays whole until that
// rename, and a failure at any step (a full disk, a write cut short)
// removes the unfinished file and leaves the old one as it was.
//
// A target that is a symbolic link is refused, never written through: the
// file it points to may be another folder's or another program's.
#pragma once

#include <QIODevice>
#include <QString>
#include <memory>

class AtomicFile {
 public:
  static constexpr const char* kPrefix = ".heatcalc-unfinished-";
  static constexpr const char* kSuffix = ".tmp";

  // True for a name the writer gives its unfinished files.
  static bool IsUnfinishedName(const QString& fileName);

  explicit AtomicFile(const QString& target);
  // An unfinished file that was not committed is removed.
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Creates the unfinished file. False when the target is a folder or a
  // link, an existing target cannot be written, or the folder takes no new
  // file; Reason() then says why where that helps.
  bool Open();
  // The unfinished file, open for writing after Open: for writers that
  // take a device (QImage::save, QPdfWriter). A write that is cut short
  // fails, and the failure makes Finish and Commit fail.
  QIODevice& Device();
  QString UnfinishedPath() const { return unfinished_; }
  QString Target() const { return target_; }

  // Syncs and closes the unfinished file: the new content is whole on the
  // disk, the target still the old file. False when a step fails (or a
  // write failed before): nothing of the new content is left.
  bool Finish();
  // Finishes the file if that is not done yet, then renames it over the
  // target. False when a step fails: nothing of the new content is left.
  bool Commit();
  // Removes the unfinished file; the target stays as it was.
  void Cancel();

  // Why Open or Commit failed, one sentence for the message; empty when
  // there is nothing to add to "cannot be written".
  QString Reason() const { return reason_; }

 private:
  class Sink;

  bool Fail(QString reason = QString());

  QString target_;
  QString unfinished_;
  std::unique_ptr<Sink> device_;
  bool finished_ = false;
  bool committed_ = false;
  QString reason_;
};
