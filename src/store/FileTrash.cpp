#include "store/FileTrash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "foundation/FloatFaults.h"

namespace {

// How many numbered names are tried before a trash or folder counts as full.
constexpr int kNames = 10000;

enum class Transfer { Rename, CopyThenRemove };

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

bool LStat(const QString& path, struct stat* st) { return ::lstat(Native(path).constData(), st) == 0; }

bool Exists(const QString& path) {
  struct stat st;
  return LStat(path, &st);
}

QString Parent(const QString& path) { return QFileInfo(path).path(); }

// The file system of the folder, or of its nearest existing parent while it
// is not made yet.
bool DeviceOf(QString path, dev_t* device) {
  struct stat st;
  while (::stat(Native(path).constData(), &st) != 0) {
    const QString parent = Parent(path);
    if (parent == path) return false;
    path = parent;
  }
  *device = st.st_dev;
  return true;
}

// Makes the folder and its missing parents, mode 0700; true when a folder
// is there at the end.
bool MakeFolder(const QString& path) {
  struct stat st;
  if (::stat(Native(path).constData(), &st) == 0) return S_ISDIR(st.st_mode);
  const QString parent = Parent(path);
  if (parent != path && !MakeFolder(parent)) return false;
  if (::mkdir(Native(path).constData(), 0700) == 0) return true;
  return errno == EEXIST && ::stat(Native(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool SetUpHomeTrash(const QString& trash) {
  return MakeFolder(trash) && MakeFolder(trash + QStringLiteral("/files")) &&
         MakeFolder(trash + QStringLiteral("/info"));
}

// A user's trash in a top directory: made when missing; a link, a file or
// another user's folder in its place is not used.
bool SetUpOwnTrash(const QString& trash) {
  struct stat st;
  if (!LStat(trash, &st)) {
    if (::mkdir(Native(trash).constData(), 0700) != 0) return false;
  } else if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) {
    return false;
  }
  return MakeFolder(trash + QStringLiteral("/files")) && MakeFolder(trash + QStringLiteral("/info"));
}

// The mount point of the file's file system: the highest folder above the
// file on the same device.
QString TopDirectory(const QString& file, dev_t device) {
  QString dir = Parent(file);
  for (;;) {
    const QString parent = Parent(dir);
    struct stat st;
    if (parent == dir || ::stat(Native(parent).constData(), &st) != 0 || st.st_dev != device) return dir;
    dir = parent;
  }
}

// The trashes of a top directory, in the order they are tried.
QStringList TopTrashes(const QString& top) {
  const QString base = top == QLatin1String("/") ? QString() : top;
  const QString uid = QString::number(::getuid());
  QStringList trashes;
  struct stat st;
  const QString shared = base + QStringLiteral("/.Trash");
  if (LStat(shared, &st) && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX))
    trashes << shared + QLatin1Char('/') + uid;
  trashes << base + QStringLiteral("/.Trash-") + uid;
  return trashes;
}

// name, name.2, name.3 ... with the number before the extension.
QString Numbered(const QString& name, int n) {
  if (n == 1) return name;
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  if (dot <= 0) return name + QLatin1Char('.') + QString::number(n);
  return name.left(dot) + QLatin1Char('.') + QString::number(n) + name.mid(dot);
}

QByteArray TrashInfo(const QString& originalPath) {
  return QByteArrayLiteral("[Trash Info]\nPath=") + Native(originalPath).toPercentEncoding("/") +
         QByteArrayLiteral("\nDeletionDate=") +
         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toLatin1() + '\n';
}

bool WriteAll(int fd, const QByteArray& bytes) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

// The file's content on the disk, so that a power cut right after cannot
// lose it.
bool Synced(const QString& path) {
  const int fd = ::open(Native(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
  return ::close(fd) == 0 && ok;
}

// A copy across file systems; the original is removed only once the copy is
// whole and on the disk, and the copy goes again when the original cannot
// be removed.
bool CopyThenRemove(const QString& file, const QString& target) {
  if (QFileInfo(file).isSymLink()) return false;
  if (!QFile::copy(file, target)) return false;
  if (!Synced(target)) {
    ::unlink(Native(target).constData());
    return false;
  }
  if (::unlink(Native(file).constData()) == 0) return true;
  ::unlink(Native(target).constData());
  return false;
}

bool Transferred(const QString& file, const QString& target, Transfer how) {
  if (how == Transfer::Rename) return ::rename(Native(file).constData(), Native(target).constData()) == 0;
  return CopyThenRemove(file, target);
}

// Puts the file into the trash: first its info, created exclusively under a
// free name, then the file under that name. Nothing is left behind when it
// cannot.
bool PutIntoTrash(const QString& file, const QString& trash, const QString& originalPath, Transfer how,
                  QString* location) {
  const QString name = QFileInfo(file).fileName();
  const QByteArray info = TrashInfo(originalPath);
  for (int n = 1; n <= kNames; ++n) {
    const QString entry = Numbered(name, n);
    const QString infoPath = trash + QStringLiteral("/info/") + entry + QStringLiteral(".trashinfo");
    const int fd = ::open(Native(infoPath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return false;
    }
    const QString target = trash + QStringLiteral("/files/") + entry;
    // A file left in files/ without its info keeps its name.
    const bool taken = Exists(target);
    bool done = !taken && WriteAll(fd, info) && ::fsync(fd) == 0;
    done = ::close(fd) == 0 && done;
    if (done && Transferred(file, target, how)) {
      *location = target;
      return true;
    }
    ::unlink(Native(infoPath).constData());
    if (!taken) return false;
  }
  return false;
}

bool PutIntoFolder(const QString& file, const QString& folder, QString* location) {
  if (!QDir().mkpath(folder)) return false;
  const QString name = QFileInfo(file).fileName();
  for (int n = 1; n <= kNames; ++n) {
    const QString target = folder + QLatin1Char('/') + Numbered(name, n);
    if (Exists(target)) continue;
    if (::rename(Native(file).constData(), Native(target).constData()) != 0 &&
        !(errno == EXDEV && CopyThenRemove(file, target)))
      return false;
    *location = target;
    return true;
  }
  return false;
}

}  // namespace

QString FileTrash::Outcome::Note(const QString& fileName) const {
  if (kind != Kind::BackedUp) return QString();
  return QStringLiteral("ごみ箱が使えないため、ファイル %1 はフォルダ %2 に移しました。")
      .arg(fileName, folder);
}

QString FileTrash::HomeTrash() {
  const QString data = qEnvironmentVariable("XDG_DATA_HOME");
  if (!data.isEmpty() && QDir::isAbsolutePath(data)) return QDir::cleanPath(data) + QStringLiteral("/Trash");
  const QString home = qEnvironmentVariable("HOME");
  if (!home.isEmpty() && QDir::isAbsolutePath(home))
    return QDir::cleanPath(home) + QStringLiteral("/.local/share/Trash");
  return QString();
}

FileTrash::Outcome FileTrash::Move(const QString& path) const {
  FloatFaults::Keep keep;
  Outcome out;
  const QString file = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  struct stat st;
  if (!LStat(file, &st)) {
    out.reason = QStringLiteral("ファイルがありません");
    return out;
  }
  if (S_ISDIR(st.st_mode)) {
    out.reason = QStringLiteral("フォルダはごみ箱に移せません");
    return out;
  }
  const auto moved = [&out](Outcome::Kind kind, const QString& folder, const QString& location) {
    out.kind = kind;
    out.folder = folder;
    out.location = location;
    return out;
  };
  QString location;
  const QString home =
      QDir::isAbsolutePath(places_.homeTrash) ? QDir::cleanPath(places_.homeTrash) : QString();
  dev_t homeDevice = 0;
  const bool homeKnown = !home.isEmpty() && DeviceOf(home, &homeDevice);
  const bool homeFileSystem = homeKnown && homeDevice == st.st_dev;

  if (homeFileSystem && SetUpHomeTrash(home) && PutIntoTrash(file, home, file, Transfer::Rename, &location))
    return moved(Outcome::Kind::Trashed, home, location);
  if (!homeFileSystem && places_.topDirectories) {
    const QString top = TopDirectory(file, st.st_dev);
    // Paths in a top directory's trash are relative to it, so that they
    // hold wherever the file system is mounted next.
    const QString relative = top == QLatin1String("/") ? file.mid(1) : file.mid(top.size() + 1);
    for (const QString& trash : TopTrashes(top))
      if (SetUpOwnTrash(trash) && PutIntoTrash(file, trash, relative, Transfer::Rename, &location))
        return moved(Outcome::Kind::Trashed, trash, location);
  }
  if (homeKnown && !homeFileSystem && SetUpHomeTrash(home) &&
      PutIntoTrash(file, home, file, Transfer::CopyThenRemove, &location))
    return moved(Outcome::Kind::Trashed, home, location);
  if (!places_.backupFolder.isEmpty() && PutIntoFolder(file, places_.backupFolder, &location))
    return moved(Outcome::Kind::BackedUp, places_.backupFolder, location);
  out.reason = places_.backupFolder.isEmpty()
                   ? QStringLiteral("ごみ箱に移せません")
                   : QStringLiteral("ごみ箱にもフォルダ %1 にも移せません").arg(places_.backupFolder);
  return out;
}
