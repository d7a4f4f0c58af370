#include "store/StoreFileWatch.h"

#include <QFile>
#include <QFileInfo>

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "store/Cp932.h"

std::optional<QByteArray> StoreFileWatch::OnDisk(const QString& path, bool* readable) {
  FloatFaults::Keep keep;
  *readable = true;
  const QFileInfo info(path);
  if (!info.exists()) return std::nullopt;
  QFile file(path);
  if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
    *readable = false;
    return QByteArray();
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) *readable = false;
  return bytes;
}

TextFile::ReadResult StoreFileWatch::Read(const QString& path) {
  FloatFaults::Keep keep;
  path_ = path;
  bool readable = true;
  const std::optional<QByteArray> bytes = OnDisk(path, &readable);
  if (!bytes || !readable) {
    known_ = bytes ? Known::Nothing : Known::Absent;
    throw FileError(QStringLiteral("ファイル %1 は開けません").arg(path));
  }
  known_ = Known::Bytes;
  bytes_ = *bytes;
  TextFile::ReadResult result;
  result.lines = TextFile::SplitLines(Cp932::Decode(bytes_, &result.validCp932));
  return result;
}

void StoreFileWatch::Saved(const QStringList& lines) { SavedBytes(TextFile::Bytes(lines)); }

void StoreFileWatch::SavedBytes(const QByteArray& bytes) {
  known_ = Known::Bytes;
  bytes_ = bytes;
}

void StoreFileWatch::Remember(const QString& path) {
  path_ = path;
  bool readable = true;
  const std::optional<QByteArray> bytes = OnDisk(path, &readable);
  known_ = !bytes ? Known::Absent : readable ? Known::Bytes : Known::Nothing;
  bytes_ = bytes.value_or(QByteArray());
}

bool StoreFileWatch::ChangedOnDisk() const {
  if (known_ == Known::Nothing) return false;
  bool readable = true;
  const std::optional<QByteArray> bytes = OnDisk(path_, &readable);
  if (known_ == Known::Absent) return bytes.has_value();
  // A file that has gone or cannot be read holds nothing of another
  // window's to lose: the save goes ahead and says what fails.
  return bytes && readable && *bytes != bytes_;
}

QString StoreFileWatch::Question(const QString& path) {
  return QStringLiteral(
             "ファイル %1 は、このウィンドウで読み込んだか保存した後に、別のウィンドウ"
             "などで書き換えられています。\r上書きすると、その内容は失われます。上書きしますか")
      .arg(path);
}
