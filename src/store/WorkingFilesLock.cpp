#include "store/WorkingFilesLock.h"

WorkingFilesLock::WorkingFilesLock(const QString& folder)
    : folder_(folder), path_(folder + QStringLiteral("/heatcalc.lock")), file_(path_) {
  // The default stale time (30 s) would hand a live window's lock to the
  // next program; a lock is stale only when its process is gone.
  file_.setStaleLockTime(0);
}

WorkingFilesLock::Result WorkingFilesLock::TryLock() {
  if (file_.isLocked()) return Result::Locked;
  if (file_.tryLock(0)) return Result::Locked;
  return file_.error() == QLockFile::LockFailedError ? Result::HeldByOther : Result::Unavailable;
}

QString WorkingFilesLock::Holder() const {
  qint64 pid = 0;
  QString host, program;
  if (!file_.getLockInfo(&pid, &host, &program)) return QStringLiteral("不明");
  return QStringLiteral("プロセス %1、%2、%3").arg(pid).arg(program, host);
}

void WorkingFilesLock::Unlock() { file_.unlock(); }

QString WorkingFilesLock::Question() const {
  return QStringLiteral(
             "作業フォルダ %1 のデータは、別のウィンドウ（%2）で開かれています。\r"
             "このまま開きますか")
      .arg(folder_, Holder());
}
