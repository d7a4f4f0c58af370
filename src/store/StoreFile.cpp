#include "store/StoreFile.h"

#include "store/ConditionStore.h"
#include "store/StoreFileWatch.h"
#include "store/TextFile.h"

namespace StoreFile {
namespace {
bool LoadRead(ConditionStore& store, TextFile::ReadResult file) {
  if (!file.validCp932)
    for (QString& line : file.lines) line.replace(QChar(0xFFFD), QLatin1Char('?'));
  store.LoadLines(file.lines);
  return file.validCp932;
}
}  // namespace

bool Load(ConditionStore& store, const QString& path) { return LoadRead(store, TextFile::Read(path)); }

bool Load(ConditionStore& store, StoreFileWatch& watch, const QString& path) {
  return LoadRead(store, watch.Read(path));
}

}  // namespace StoreFile
