#include "store/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "store/Cp932.h"

namespace TextFile {

QStringList SplitLines(const QString& text) {
  QStringList lines;
  int start = 0;
  const int n = text.size();
  for (int i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
      lines << text.mid(start, i - start);
      if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ++i;
      start = i + 1;
    }
  }
  if (start < n) lines << text.mid(start);
  return lines;
}

ReadResult Read(const QString& path) {
  FloatFaults::Keep keep;
  QFile file(path);
  if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
    throw FileError(QStringLiteral("ファイル %1 は開けません").arg(path));
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw FileError(QStringLiteral("ファイル %1 は開けません").arg(path));
  ReadResult result;
  result.lines = SplitLines(Cp932::Decode(bytes, &result.validCp932));
  return result;
}

QByteArray Bytes(const QStringList& lines, bool* lossless) {
  QByteArray out;
  bool clean = true;
  for (const QString& line : lines) {
    bool ok = true;
    out += Cp932::Encode(line, &ok);
    out += "\r\n";
    clean = clean && ok;
  }
  if (lossless) *lossless = clean;
  return out;
}

namespace {

WriteProbe writeProbe = nullptr;

// The bytes one at a time, flushed, asking the probe before each and
// before the rename.
bool WriteProbed(QSaveFile& file, const QByteArray& bytes) {
  const qint64 total = bytes.size();
  for (qint64 i = 0; i < total; ++i) {
    if (!writeProbe(i, total)) return false;
    if (file.write(bytes.constData() + i, 1) != 1 || !file.flush()) return false;
  }
  return writeProbe(total, total);
}

}  // namespace

void SetWriteProbe(WriteProbe probe) { writeProbe = probe; }

bool WriteBytesAtomically(const QString& path, const QByteArray& bytes) {
  FloatFaults::Keep keep;
  if (QFileInfo(path).isDir()) return false;
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return false;
  // QSaveFile::commit() does not notice a buffered write that fails while
  // the file is closed (a full disk), and would put the cut-off file in
  // place; flushing first brings that failure to light.
  const bool written = writeProbe ? WriteProbed(file, bytes)
                                  : file.write(bytes) == bytes.size() && file.flush();
  if (!written) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

void Write(const QString& path, const QStringList& lines) {
  bool lossless = true;
  const QByteArray bytes = Bytes(lines, &lossless);
  if (!lossless) {
    // Name the first character that has no code page 932 form, so the user
    // can replace it; nothing is written.
    QString bad;
    for (const QString& line : lines) {
      for (int i = 0; i < line.size() && bad.isEmpty(); ++i) {
        const int step = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        if (!Cp932::Representable(line.mid(i, step))) bad = line.mid(i, step);
      }
      if (!bad.isEmpty()) break;
    }
    throw FileError(QStringLiteral("ファイル %1 を作成できません\r「%2」はこのファイルに書けない文字です。")
                        .arg(path, bad));
  }
  if (!WriteBytesAtomically(path, bytes))
    throw FileError(QStringLiteral("ファイル %1 を作成できません").arg(path));
}

}  // namespace TextFile
