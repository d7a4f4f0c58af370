// Whole text files in code page 932. Lines end CR LF when written (the last
// line too) and at CR LF, CR or LF when read. Writing goes to a temporary
// file in the same folder that is then renamed over the old one, so a
// failed write leaves the old file whole.
#pragma once

#include <QString>
#include <QStringList>

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

// The bytes a write of these lines produces.
QByteArray Bytes(const QStringList& lines, bool* lossless = nullptr);

// Writes bytes atomically (temporary file, then rename); false on failure.
bool WriteBytesAtomically(const QString& path, const QByteArray& bytes);

// For fault tests. While a probe is set, a write sends its bytes one at a
// time, each flushed to the temporary file, and calls the probe before each
// byte and once more before the rename, with the count written so far and
// the total. A probe that returns false makes the write fail at that point
// as a failing disk would; a probe may also end the process there. Set
// nullptr to write normally again.
using WriteProbe = bool (*)(qint64 written, qint64 total);
void SetWriteProbe(WriteProbe probe);

}  // namespace TextFile
