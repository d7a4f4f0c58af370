// Build tool: writes a UTF-8 text file of data/ as code page 932 with CR LF
// line ends beside the executables. Fails on a character that code page 932
// cannot hold, so no shipped text loses a character.
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>

#include "foundation/Errors.h"
#include "store/TextFile.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: heatcalc-datacp932 SOURCE.utf8 TARGET\n");
    return 2;
  }
  QFile in(QString::fromLocal8Bit(argv[1]));
  if (!in.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  QString text = QString::fromUtf8(in.readAll());
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  try {
    TextFile::Write(QString::fromLocal8Bit(argv[2]), TextFile::SplitLines(text));
  } catch (const AppError& e) {
    std::fprintf(stderr, "%s: %s\n", argv[1], e.text().toUtf8().constData());
    return 1;
  }
  return 0;
}
