#include "store/Leftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "store/AtomicFile.h"

namespace Leftovers {

QStringList Remove(const QString& workingFolder) {
  QStringList removed;
  for (const char* name : {"G1de-ta", "memo", "memocsv"}) {
    const QFileInfo folder(workingFolder + QLatin1Char('/') + QString::fromLatin1(name));
    if (folder.isSymLink() || !folder.isDir()) continue;
    const QDir dir(folder.filePath());
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
      if (!entry.isSymLink() && entry.isFile() && AtomicFile::IsUnfinishedName(entry.fileName()) &&
          QFile::remove(entry.filePath()))
        removed << entry.filePath();
    }
  }
  return removed;
}

}  // namespace Leftovers
