#include "store/WorkingFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "store/TextFile.h"

namespace WorkingFolder {

namespace {

QString Join(const QString& folder, const char* relative) {
  return folder + QLatin1Char('/') + QString::fromUtf8(relative);
}

// A copy written atomically, so a start that is cut short never leaves a
// half-copied store that the next start would take for the user's own.
bool WriteCopy(const QString& from, const QString& to) {
  QFile source(from);
  if (!source.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = source.readAll();
  return source.error() == QFileDevice::NoError && TextFile::WriteBytesAtomically(to, bytes);
}

// Copies the files of a folder and its subfolders that are not there yet.
bool CopyMissing(const QString& from, const QString& to) {
  if (!QDir().mkpath(to)) return false;
  bool ok = true;
  for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QString target = to + QLatin1Char('/') + entry.fileName();
    if (entry.isDir())
      ok = CopyMissing(entry.filePath(), target) && ok;
    else if (!QFileInfo::exists(target))
      ok = WriteCopy(entry.filePath(), target) && ok;
  }
  return ok;
}

// Makes link a symbolic link to target. A link that points elsewhere (the
// program was moved or updated) is renewed; a real file or folder of that
// name is the user's own and stays.
bool Link(const QString& target, const QString& link) {
  const QFileInfo existing(link);
  if (existing.isSymLink()) {
    if (existing.canonicalFilePath() == target) return true;
    if (!QFile::remove(link)) return false;
  } else if (existing.exists()) {
    return true;
  }
  if (QFile::link(target, link)) return true;
  return QFileInfo(target).isDir() ? CopyMissing(target, link) : WriteCopy(target, link);
}

// Sets up the user's folder from the shipped data; returns what failed.
QStringList SetUp(const QString& shipped, const QString& user) {
  QStringList failed;
  const QString store = Join(user, "G1de-ta/heatwork.csv");
  if (!QDir().mkpath(Join(user, "G1de-ta"))) {
    failed << Join(user, "G1de-ta");
  } else if (!QFileInfo(store).isSymLink() && !QFileInfo::exists(store)) {
    // A shipped working copy (a program folder made read-only) is what its
    // owner set up; an installed program ships the factory store alone.
    const QString shippedStore = Join(shipped, "G1de-ta/heatwork.csv");
    const QString from =
        QFileInfo::exists(shippedStore) ? shippedStore : Join(shipped, "G1de-ta/heatworkA.csv");
    if (!WriteCopy(from, store)) failed << store;
  }
  // The stock lists of the insulation design, the material library and the
  // line list's template are the engineer's to edit: copied once, never
  // linked and never copied over.
  for (const char* editable : {"G1de-ta/hoonzai_atsusa.csv", "G1de-ta/hoonzai_hiyou.csv",
                               "G1de-ta/hoonzai_zairyou.csv", "G1de-ta/gaisou_zairyou.csv",
                               "G1de-ta/haikan_risuto.csv"}) {
    const QString from = Join(shipped, editable), to = Join(user, editable);
    if (!QFileInfo::exists(from) || QFileInfo::exists(to) || QFileInfo(to).isSymLink()) continue;
    if (!QFileInfo(Join(user, "G1de-ta")).isDir() || !WriteCopy(from, to)) failed << to;
  }
  for (const char* memos : {"memo", "memocsv"}) {
    const QString folder = Join(user, memos);
    if (QFileInfo::exists(folder)) continue;  // memos the user removed stay removed
    const bool ok = QFileInfo(Join(shipped, memos)).isDir() ? CopyMissing(Join(shipped, memos), folder)
                                                            : QDir().mkpath(folder);
    if (!ok) failed << folder;
  }
  for (const char* readOnly : {"G1de-ta/heatworkA.csv", "siryou", "formtext", "text"}) {
    const QString target = Join(shipped, readOnly);
    if (QFileInfo::exists(target) && !Link(target, Join(user, readOnly))) failed << Join(user, readOnly);
  }
  return failed;
}

}  // namespace

Choice Choose(const QString& programDir, const QString& installedData, const QString& userData) {
  const QFileInfo beside(programDir + QStringLiteral("/G1de-ta"));
  if (beside.isDir() && beside.isWritable()) return {programDir, false, QString()};

  // Canonical, so the links hold /usr/share/heatcalc/... and not bin/../share.
  const QString shipped = QFileInfo(beside.isDir() ? programDir : installedData).canonicalFilePath();
  if (shipped.isEmpty() || !QFileInfo(shipped + QStringLiteral("/G1de-ta")).isDir())
    return {programDir, false, QString()};
  if (userData.isEmpty())
    return {programDir, false,
            QStringLiteral("利用者のデータフォルダがわかりません。データは保存できません。")};

  Choice choice{QDir::cleanPath(userData), true, QString()};
  const QStringList failed = SetUp(shipped, choice.folder);
  if (!failed.isEmpty())
    choice.problem = QStringLiteral("作業フォルダ %1 を用意できません。\r作成できないもの: %2")
                         .arg(choice.folder, failed.join(QStringLiteral(", ")));
  return choice;
}

}  // namespace WorkingFolder
