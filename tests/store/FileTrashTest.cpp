// Files deleted or replaced by the program: the user's trash made as the
// desktops' trash rules lay it out, names that never collide, the trash of
// another file system, and the program's backup folder where no trash can
// be used.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "store/FileTrash.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

void Put(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  f.write(bytes);
}

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

int Mode(const QString& path) {
  struct stat st;
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}

// The Path line and the deletion time of a .trashinfo file, checked for
// its form.
QString TrashedPath(const QString& info) {
  const QList<QByteArray> lines = Bytes(info).split('\n');
  EXPECT_EQ(lines.size(), 4) << info.toStdString();  // three lines and the final newline
  if (lines.size() < 3) return QString();
  EXPECT_EQ(lines[0], QByteArray("[Trash Info]"));
  EXPECT_TRUE(lines[1].startsWith("Path=")) << lines[1].constData();
  EXPECT_TRUE(lines[2].startsWith("DeletionDate=")) << lines[2].constData();
  const QDateTime when =
      QDateTime::fromString(QString::fromLatin1(lines[2].mid(13)), QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"));
  EXPECT_TRUE(when.isValid()) << lines[2].constData();
  EXPECT_LE(qAbs(when.secsTo(QDateTime::currentDateTime())), 60);
  return QString::fromUtf8(QByteArray::fromPercentEncoding(lines[1].mid(5)));
}

// A fresh account: no ~/.local/share at all. The trash and its folders are
// made (mode 0700), each file gets its info first, and a name already taken
// in files/ or info/ is numbered, never written over.
TEST(FileTrash, MakesTheHomeTrashAndNotesEveryFileUnderAFreeName) {
  QTemporaryDir dir;
  const QString home = dir.filePath(QStringLiteral("home"));
  QDir().mkpath(home);
  const QString trash = home + QStringLiteral("/.local/share/Trash");
  const FileTrash bin({trash, dir.filePath(QStringLiteral("backup"))});
  const QString memo = dir.filePath(U("作業 フォルダ/配管メモ.txt"));

  const struct {
    const char* content;
    const char* entry;  // the name it gets in the trash
  } rounds[] = {{"first", "配管メモ.txt"}, {"second", "配管メモ.2.txt"}, {"third", "配管メモ.4.txt"}};
  for (const auto& round : rounds) {
    // A file left in files/ without its info keeps its name (the third round).
    if (round.content == rounds[2].content) Put(trash + U("/files/配管メモ.3.txt"), "stray");
    Put(memo, round.content);
    const FileTrash::Outcome out = bin.Move(memo);
    const QString entry = U(round.entry);
    ASSERT_EQ(out.kind, FileTrash::Outcome::Kind::Trashed) << out.reason.toStdString();
    EXPECT_EQ(out.folder, trash);
    EXPECT_EQ(out.location, trash + QStringLiteral("/files/") + entry);
    EXPECT_EQ(out.Note(U("配管メモ.txt")), QString()) << "a trashed file needs no word";
    EXPECT_FALSE(QFileInfo::exists(memo));
    EXPECT_EQ(Bytes(out.location), QByteArray(round.content));
    const QString info = trash + QStringLiteral("/info/") + entry + QStringLiteral(".trashinfo");
    EXPECT_EQ(TrashedPath(info), memo) << "the original absolute path, URL-encoded";
    EXPECT_EQ(Mode(info), 0600);
  }
  EXPECT_EQ(Bytes(trash + U("/files/配管メモ.3.txt")), QByteArray("stray"));
  EXPECT_FALSE(QFileInfo::exists(trash + U("/info/配管メモ.3.txt.trashinfo")));
  // The encoding keeps '/' and plain letters, and escapes the rest.
  const QByteArray line = Bytes(trash + U("/info/配管メモ.txt.trashinfo")).split('\n')[1];
  EXPECT_TRUE(
      line.endsWith("/%E4%BD%9C%E6%A5%AD%20%E3%83%95%E3%82%A9%E3%83%AB%E3%83%80/"
                    "%E9%85%8D%E7%AE%A1%E3%83%A1%E3%83%A2.txt"))
      << line.constData();
  for (const char* made : {"/.local", "/.local/share", "/.local/share/Trash", "/.local/share/Trash/files",
                           "/.local/share/Trash/info"})
    EXPECT_EQ(Mode(home + QString::fromLatin1(made)), 0700) << made;
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("backup"))));
}

// Where no trash can be made (the data folder's place is taken by a file),
// the file goes to the program's backup folder under a free name, and the
// note names that folder. Without a backup folder, or for a file that is not
// there, nothing moves and the reason is given.
TEST(FileTrash, WithoutATrashTheBackupFolderTakesTheFile) {
  QTemporaryDir dir;
  Put(dir.filePath(QStringLiteral("home/.local")), "a file where a folder should be");
  const QString trash = dir.filePath(QStringLiteral("home/.local/share/Trash"));
  const QString backup = dir.filePath(QStringLiteral("app/trash"));
  const QString file = dir.filePath(QStringLiteral("app/memo/a.txt"));
  FileTrash::Places places{trash, backup};
  places.topDirectories = false;  // never the machine's own top directories in a test

  for (const char* expected : {"a.txt", "a.2.txt"}) {
    Put(file, expected);
    const FileTrash::Outcome out = FileTrash(places).Move(file);
    ASSERT_EQ(out.kind, FileTrash::Outcome::Kind::BackedUp) << out.reason.toStdString();
    EXPECT_EQ(out.location, backup + QLatin1Char('/') + QString::fromLatin1(expected));
    EXPECT_EQ(Bytes(out.location), QByteArray(expected));
    EXPECT_EQ(out.Note(QStringLiteral("a.txt")),
              U("ごみ箱が使えないため、ファイル a.txt はフォルダ %1 に移しました。").arg(backup));
  }
  EXPECT_FALSE(QFileInfo::exists(trash));

  Put(file, "kept");
  places.backupFolder.clear();
  FileTrash::Outcome out = FileTrash(places).Move(file);
  EXPECT_EQ(out.kind, FileTrash::Outcome::Kind::Failed);
  EXPECT_EQ(out.reason, U("ごみ箱に移せません"));
  EXPECT_EQ(Bytes(file), QByteArray("kept"));

  out = FileTrash({trash, backup}).Move(dir.filePath(QStringLiteral("app/memo/none.txt")));
  EXPECT_EQ(out.kind, FileTrash::Outcome::Kind::Failed);
  EXPECT_EQ(out.reason, U("ファイルがありません"));
}

// A file on another file system than the home trash (here /dev/shm, where
// the machine has it as one) goes to that file system's own trash with a
// path relative to its top; where that trash is not to be used it is copied
// into the home trash and then removed.
TEST(FileTrash, AFileOnAnotherFileSystemGoesToItsOwnTrash) {
  QTemporaryDir homeDir;
  const QString top = QStringLiteral("/dev/shm");
  struct stat shm, tmp;
  if (::stat("/dev/shm", &shm) != 0 || ::stat(QFile::encodeName(homeDir.path()).constData(), &tmp) != 0 ||
      shm.st_dev == tmp.st_dev || ::access("/dev/shm", W_OK) != 0)
    GTEST_SKIP() << "no second writable file system at /dev/shm";
  QTemporaryDir elsewhere(top + QStringLiteral("/heatcalc-trash-XXXXXX"));
  ASSERT_TRUE(elsewhere.isValid());
  const QString trash = homeDir.filePath(QStringLiteral("Trash"));
  const QString ownTrash = top + QStringLiteral("/.Trash-") + QString::number(::getuid());
  const bool ownTrashWasThere = QFileInfo::exists(ownTrash);
  const QString file = elsewhere.filePath(U("表.csv"));

  Put(file, "on shm");
  FileTrash::Outcome out = FileTrash({trash, QString()}).Move(file);
  ASSERT_EQ(out.kind, FileTrash::Outcome::Kind::Trashed) << out.reason.toStdString();
  EXPECT_TRUE(out.folder == ownTrash || out.folder.startsWith(top + QStringLiteral("/.Trash/")))
      << out.folder.toStdString();
  EXPECT_EQ(Bytes(out.location), QByteArray("on shm"));
  const QString info = out.folder + QStringLiteral("/info/") + QFileInfo(out.location).fileName() +
                       QStringLiteral(".trashinfo");
  EXPECT_EQ(TrashedPath(info), file.mid(top.size() + 1)) << "relative to the top directory";
  QFile::remove(out.location);
  QFile::remove(info);
  if (!ownTrashWasThere) QDir(ownTrash).removeRecursively();

  Put(file, "copied");
  FileTrash::Places places{trash, QString()};
  places.topDirectories = false;
  out = FileTrash(places).Move(file);
  ASSERT_EQ(out.kind, FileTrash::Outcome::Kind::Trashed) << out.reason.toStdString();
  EXPECT_EQ(out.location, trash + U("/files/表.csv"));
  EXPECT_EQ(Bytes(out.location), QByteArray("copied"));
  EXPECT_EQ(TrashedPath(trash + U("/info/表.csv.trashinfo")), file);
  EXPECT_FALSE(QFileInfo::exists(file));
}

}  // namespace
