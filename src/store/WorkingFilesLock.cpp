#include "store/WorkingFilesLock.h"

#include <errno.h>
#include <signal.h>

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>

namespace {

// The lock file's text: "pid\nprogram\nhost\n..." as QLockFile writes it.
QByteArray LockText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray();
  return file.read(4096);
}

}  // namespace

WorkingFilesLock::WorkingFilesLock(const QString& folder)
    : folder_(folder), path_(folder + QStringLiteral("/G1de-ta/heatcalc.lock")), file_(path_) {
  // The default stale time (30 s) would hand a live window's lock to the
  // next program; a lock is stale only when its process is gone.
  file_.setStaleLockTime(0);
}

QString WorkingFilesLock::StaleReason() const {
  const QFileInfo info(path_);
  if (!info.isFile() || info.isSymLink()) return QString();
  QByteArray text = LockText(path_);
  if (text.trimmed().isEmpty()) {
    // QLockFile creates the file first and writes it just after: a lock
    // being made this moment reads empty for a moment.
    QThread::msleep(200);
    if (!QFileInfo::exists(path_)) return QString();
    text = LockText(path_);
    if (text.trimmed().isEmpty()) return QStringLiteral("空のロックファイル");
  }
  const QList<QByteArray> parts = text.split('\n');
  bool ok = false;
  const qint64 pid = parts.value(0).trimmed().toLongLong(&ok);
  if (!ok || pid <= 0) return QStringLiteral("プロセスを示さないロックファイル");
  const QString host = QString::fromUtf8(parts.value(2).trimmed());
  if (!host.isEmpty() && host != QSysInfo::machineHostName())
    return QStringLiteral("別のホスト %1 のプロセス %2").arg(host).arg(pid);
  if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
    return QStringLiteral("終了したプロセス %1").arg(pid);
  return QString();
}

WorkingFilesLock::Result WorkingFilesLock::TryLock() {
  if (file_.isLocked()) return Result::Locked;
  staleNote_.clear();
  const QString stale = StaleReason();
  if (!stale.isEmpty() && file_.removeStaleLockFile())
    staleNote_ = QStringLiteral(
                     "作業フォルダ %1 のロックファイル %2 は使われていないもの（%3）でした。\r"
                     "取り除いて、このウィンドウで開きます。")
                     .arg(folder_, path_, stale);
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
