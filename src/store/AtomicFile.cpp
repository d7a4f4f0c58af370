#include "store/AtomicFile.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

constexpr int kRandomLetters = 8;
constexpr int kAttempts = 100;

QString RandomLetters() {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  QString s;
  for (int i = 0; i < kRandomLetters; ++i)
    s += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
  return s;
}

// The reason of a failed write or sync, where the engineer can act on it.
QString ReasonOf(int error) {
  if (error == ENOSPC || error == EDQUOT) return QStringLiteral("ディスクの空きが足りません。");
  return QString();
}

// A rename is on the disk once its folder is; a file system that cannot
// sync a folder loses nothing more than without the attempt.
void SyncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

// The unfinished file as a device that writes every byte it is given or
// fails: a write(2) that stops short (a full disk, a file size limit) is
// continued, and its error kept, so that no writer can put a file cut short
// in place without noticing.
class AtomicFile::Sink : public QIODevice {
 public:
  explicit Sink(int fd) : fd_(fd) { QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
  ~Sink() override { CloseFd(); }

  int Fd() const { return fd_; }
  int Error() const { return error_; }
  bool Failed() const { return failed_; }
  // Closes the descriptor; false when the close reports a failed write.
  bool CloseFd() {
    if (fd_ < 0) return true;
    const bool ok = ::close(fd_) == 0;
    if (!ok) Failure(errno);
    fd_ = -1;
    QIODevice::close();
    return ok;
  }
  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 len) override {
    if (failed_ || fd_ < 0) return -1;
    qint64 done = 0;
    while (done < len) {
      const ssize_t n = ::write(fd_, data + done, static_cast<size_t>(len - done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        Failure(n < 0 ? errno : ENOSPC);
        return -1;
      }
      done += n;
    }
    return done;
  }

 private:
  void Failure(int error) {
    if (!failed_) error_ = error;
    failed_ = true;
    setErrorString(QString::fromLocal8Bit(strerror(error)));
  }

  int fd_;
  int error_ = 0;
  bool failed_ = false;
};

bool AtomicFile::IsUnfinishedName(const QString& fileName) {
  const QString prefix = QString::fromLatin1(kPrefix), suffix = QString::fromLatin1(kSuffix);
  if (fileName.size() != prefix.size() + kRandomLetters + suffix.size()) return false;
  if (!fileName.startsWith(prefix) || !fileName.endsWith(suffix)) return false;
  for (const QChar c : QStringView(fileName).mid(prefix.size(), kRandomLetters))
    if (!((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
          (c >= QLatin1Char('0') && c <= QLatin1Char('9'))))
      return false;
  return true;
}

AtomicFile::AtomicFile(const QString& target) : target_(target) {}

AtomicFile::~AtomicFile() {
  if (!committed_) Cancel();
}

QIODevice& AtomicFile::Device() {
  // A device that is not open takes no writes: a writer given it before
  // Open, or after a failure, fails at once.
  if (!device_) device_ = std::make_unique<Sink>(-1);
  return *device_;
}

bool AtomicFile::Fail(QString reason) {
  reason_ = std::move(reason);
  Cancel();
  return false;
}

bool AtomicFile::Open() {
  reason_.clear();
  Cancel();
  const QFileInfo target(target_);
  if (target.isSymLink()) return Fail(QStringLiteral("シンボリックリンクには書き込みません。"));
  if (target.isDir()) return false;
  // A file its owner made read-only stays as it is.
  if (target.exists() && !target.isWritable()) return false;
  const QString folder = target.absolutePath();
  for (int i = 0; i < kAttempts; ++i) {
    const QString path = folder + QLatin1Char('/') + QString::fromLatin1(kPrefix) + RandomLetters() +
                         QString::fromLatin1(kSuffix);
    // Created exclusively: never an existing file, nor through a link of that name.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
      unfinished_ = path;
      device_ = std::make_unique<Sink>(fd);
      // The new file keeps the old one's permissions.
      if (target.exists()) QFile::setPermissions(path, target.permissions());
      return true;
    }
    if (errno != EEXIST) return Fail(ReasonOf(errno));
  }
  return false;
}

bool AtomicFile::Finish() {
  if (finished_) return true;
  if (!device_ || device_->Fd() < 0 || committed_) return Fail();
  // A write that failed (a full disk) is remembered by the device.
  if (device_->Failed()) return Fail(ReasonOf(device_->Error()));
  if (::fsync(device_->Fd()) != 0 && errno != EINVAL) return Fail(ReasonOf(errno));
  if (!device_->CloseFd()) return Fail(ReasonOf(device_->Error()));
  finished_ = true;
  return true;
}

bool AtomicFile::Commit() {
  if (!Finish()) return false;
  if (::rename(QFile::encodeName(unfinished_).constData(), QFile::encodeName(target_).constData()) != 0)
    return Fail(ReasonOf(errno));
  committed_ = true;
  SyncFolder(QFileInfo(target_).absolutePath());
  return true;
}

void AtomicFile::Cancel() {
  if (committed_) return;
  device_.reset();
  // The file was created by Open, so it is this writer's own to remove.
  if (!unfinished_.isEmpty()) ::unlink(QFile::encodeName(unfinished_).constData());
  unfinished_.clear();
  finished_ = false;
}
