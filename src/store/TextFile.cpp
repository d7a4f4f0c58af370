#include "store/TextFile.h"

#include <QFile>
#include <QFileInfo>

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "store/AtomicFile.h"
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

// The bytes one at a time, asking the probe before each and before the
// rename.
bool WriteProbed(QIODevice& file, const QByteArray& bytes) {
  const qint64 total = bytes.size();
  for (qint64 i = 0; i < total; ++i) {
    if (!writeProbe(i, total)) return false;
    if (file.write(bytes.constData() + i, 1) != 1) return false;
  }
  return writeProbe(total, total);
}

}  // namespace

void SetWriteProbe(WriteProbe probe) { writeProbe = probe; }

bool WriteBytesAtomically(const QString& path, const QByteArray& bytes, QString* reason) {
  FloatFaults::Keep keep;
  AtomicFile file(path);
  bool done = file.Open();
  if (done) {
    done = writeProbe ? WriteProbed(file.Device(), bytes) : file.Device().write(bytes) == bytes.size();
    done = done && file.Commit();
  }
  if (reason) *reason = file.Reason();
  return done;
}

QString CannotWrite(const QString& path, const QString& reason) {
  QString text = QStringLiteral("ファイル %1 を作成できません").arg(path);
  if (!reason.isEmpty()) text += QLatin1Char('\r') + reason;
  return text;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QString reason;
  if (!WriteBytesAtomically(path, bytes, &reason)) throw FileError(CannotWrite(path, reason));
}

void Commit(AtomicFile& file) {
  FloatFaults::Keep keep;
  if (!file.Commit()) throw FileError(CannotWrite(file.Target(), file.Reason()));
}

QByteArray Encode(const QString& path, const QStringList& lines) {
  bool lossless = true;
  QByteArray bytes = Bytes(lines, &lossless);
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
    throw FileError(CannotWrite(path, QStringLiteral("「%1」はこのファイルに書けない文字です。").arg(bad)));
  }
  return bytes;
}

void Write(const QString& path, const QStringList& lines) { WriteBytes(path, Encode(path, lines)); }

}  // namespace TextFile
