// A temporary program folder for window tests: every data folder of the
// built program (from $HEATCALC_DATA: G1de-ta/, siryou/, formtext/, memo/,
// ...) copied into it, and the working store started as the factory copy.
// Removed when the object goes.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

class AppFolder {
 public:
  AppFolder() {
    const QString data = qEnvironmentVariable("HEATCALC_DATA");
    EXPECT_FALSE(data.isEmpty()) << "HEATCALC_DATA names the folder of the built data";
    const QDir from(data);
    for (const QString& sub : from.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
      CopyTree(from.filePath(sub), Path(sub));
    }
    QFile::remove(Path("G1de-ta/heatwork.csv"));
    QFile::copy(Path("G1de-ta/heatworkA.csv"), Path("G1de-ta/heatwork.csv"));
  }

  // The program's folder.
  QString Dir() const { return temp_.path(); }
  // A path inside it.
  QString Path(const QString& relative) const { return temp_.path() + QLatin1Char('/') + relative; }
  QString Path(const char* relative) const { return Path(QString::fromUtf8(relative)); }

  // Whole file bytes, or "<missing>".
  QByteArray Bytes(const char* relative) const {
    QFile f(Path(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  }
  void Write(const char* relative, const QByteArray& bytes) const {
    QFile f(Path(relative));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << relative;
    f.write(bytes);
  }

  // The working store as the build writes it (code page 932, CR LF).
  QByteArray Store() const { return Bytes("G1de-ta/heatwork.csv"); }
  QByteArray FactoryStore() const { return Bytes("G1de-ta/heatworkA.csv"); }

 private:
  static void CopyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
      it.next();
      const QString target = to + QLatin1Char('/') + it.fileName();
      if (it.fileInfo().isDir())
        CopyTree(it.filePath(), target);
      else
        QFile::copy(it.filePath(), target);
    }
  }

  QTemporaryDir temp_;
};
