#include "store/Leftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Leftovers {

namespace {

constexpr int kRandomLetters = 6;

bool MixedLetters(QStringView suffix) {
  bool upper = false, lower = false;
  for (const QChar c : suffix) {
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z')
      upper = true;
    else if (u >= u'a' && u <= u'z')
      lower = true;
    else
      return false;
  }
  return upper && lower;
}

}  // namespace

bool IsUnfinishedWrite(const QString& folder, const QString& fileName) {
  const qsizetype dot = fileName.size() - kRandomLetters - 1;
  if (dot <= 0 || fileName[dot] != QLatin1Char('.')) return false;
  if (!MixedLetters(QStringView(fileName).mid(dot + 1))) return false;
  const QStringView target = QStringView(fileName).left(dot);
  if (folder == QLatin1String("G1de-ta")) return target == QLatin1String("heatwork.csv");
  if (folder == QLatin1String("memo")) return target.endsWith(QLatin1String(".txt"));
  if (folder == QLatin1String("memocsv")) return target.endsWith(QLatin1String(".csv"));
  return false;
}

QStringList Remove(const QString& workingFolder) {
  QStringList removed;
  for (const char* name : {"G1de-ta", "memo", "memocsv"}) {
    const QString folder = QString::fromLatin1(name);
    const QDir dir(workingFolder + QLatin1Char('/') + folder);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
      if (IsUnfinishedWrite(folder, entry.fileName()) && QFile::remove(entry.filePath()))
        removed << entry.filePath();
    }
  }
  return removed;
}

}  // namespace Leftovers
