// Whole text files in code page 932. Lines end CR LF when written (the last
// line too) and at CR LF, CR or LF when read. Every write goes through the
// atomic writer (AtomicFile): an unfinished file in the same folder, synced
// and then renamed over the old one, so a failed write leaves the old file
// whole; a symbolic link in the file's place is refused.
#pragma once

#include <QString>
#include <QStringList>

class AtomicFile;

namespace TextFile {

struct ReadResult {
  QStringList lines;
  bool validCp932 = true;  // false: some bytes were not code page 932
};

// Splits text into lines at CR LF, CR or LF. A final line end does not
// start another line.
QStringList SplitLines(const QString& text);

// Throws FileError "ファイル %s は開けません" when the file cannot be read.
ReadResult Read(const QString& path);

// Throws FileError "ファイル %s を作成できません" when the file cannot be
// written, and also when a character has no code page 932 form (nothing is
// written then).
void Write(const QString& path, const QStringList& lines);

// The bytes a write of these lines to path produces; throws FileError as
// Write does when a character has no code page 932 form.
QByteArray Encode(const QString& path, const QStringList& lines);

// The bytes a write of these lines produces.
QByteArray Bytes(const QStringList& lines, bool* lossless = nullptr);

// Writes bytes atomically (unfinished file, sync, then rename); false on
// failure, with the reason for the message where there is one to give.
bool WriteBytesAtomically(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// The same; throws FileError "ファイル %s を作成できません" (and the reason
// on a second line) on failure.
void WriteBytes(const QString& path, const QByteArray& bytes);

// Commits a file a writer of its own (a PDF, SVG or PNG writer) filled
// through AtomicFile::Device(); throws FileError as WriteBytes does.
void Commit(AtomicFile& file);

// "ファイル %s を作成できません", with the reason on a second line.
QString CannotWrite(const QString& path, const QString& reason = QString());

// For fault tests. While a probe is set, a write sends its bytes one at a
// time to the unfinished file, and calls the probe before each
// byte and once more before the rename, with the count written so far and
// the total. A probe that returns false makes the write fail at that point
// as a failing disk would; a probe may also end the process there. Set
// nullptr to write normally again.
using WriteProbe = bool (*)(qint64 written, qint64 total);
void SetWriteProbe(WriteProbe probe);

}  // namespace TextFile
