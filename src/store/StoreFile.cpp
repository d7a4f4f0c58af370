#include "store/StoreFile.h"

#include "store/ConditionStore.h"
#include "store/TextFile.h"

namespace StoreFile {

bool Load(ConditionStore& store, const QString& path) {
  TextFile::ReadResult file = TextFile::Read(path);
  if (!file.validCp932)
    for (QString& line : file.lines) line.replace(QChar(0xFFFD), QLatin1Char('?'));
  store.LoadLines(file.lines);
  return file.validCp932;
}

}  // namespace StoreFile
