// heatcalc-driver [--dir FOLDER] [SCRIPT]
//
// Opens the real window offscreen on FOLDER (or on a fresh temporary copy of
// the shipped data) with recording dialogs, and runs the commands of SCRIPT
// (or of standard input), one per line. Only the message boxes are
// scripted: files go where the program puts them. On a temporary copy the
// home folder is a fresh empty one too (HOME, no XDG_DATA_HOME), so that a
// deleted file lands in a trash of the run, made as for a new account.
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "Driver.h"
#include "widgets/RecordingDialogs.h"
#include "app/TForm1.h"
#include "widgets/QtJapanese.h"

namespace {

// Copies the shipped data beside the driver into folder; the working store
// starts as the factory copy.
bool CopyShippedData(const QString& from, const QString& to) {
  for (const char* sub : {"G1de-ta", "siryou", "formtext", "text", "memo", "memocsv"}) {
    const QString src = from + QLatin1Char('/') + QLatin1String(sub);
    const QString dst = to + QLatin1Char('/') + QLatin1String(sub);
    QDir().mkpath(dst);
    QDirIterator it(src, QDir::Files);
    while (it.hasNext()) {
      it.next();
      if (it.fileName() == QLatin1String("heatwork.csv")) continue;
      if (!QFile::copy(it.filePath(), dst + QLatin1Char('/') + it.fileName())) return false;
    }
  }
  return QFile::copy(to + QStringLiteral("/G1de-ta/heatworkA.csv"), to + QStringLiteral("/G1de-ta/heatwork.csv"));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  LoadQtJapanese(app);
  QString dir, script;
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--dir") && i + 1 < args.size())
      dir = args[++i];
    else
      script = args[i];
  }
  QTemporaryDir temp;
  if (dir.isEmpty()) {
    const QString home = temp.path() + QStringLiteral("/home");
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));
    qunsetenv("XDG_DATA_HOME");
    dir = temp.path() + QStringLiteral("/app");
    if (!CopyShippedData(QCoreApplication::applicationDirPath(), dir)) {
      std::fprintf(stderr, "cannot copy the shipped data\n");
      return 2;
    }
  }
  QTextStream out(stdout);
  RecordingDialogs dialogs(temp.path() + QStringLiteral("/scratch"));
  dialogs.onMessage = [&out](const QString& t) { out << "message: " << Driver::Escape(t) << '\n'; out.flush(); };
  dialogs.onConfirmation = [&out](const QString& t) { out << "confirm: " << Driver::Escape(t) << '\n'; out.flush(); };

  QFile input;
  if (script.isEmpty()) {
    if (!input.open(stdin, QIODevice::ReadOnly)) return 2;
  } else {
    input.setFileName(script);
    if (!input.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "cannot read %s\n", qPrintable(script));
      return 2;
    }
  }
  TForm1 form(dir, dialogs);
  form.show();
  QApplication::processEvents();
  Driver driver(form, dialogs, out);
  int status = 0;
  while (!input.atEnd()) {
    QString line = QString::fromUtf8(input.readLine());
    if (line.endsWith(QLatin1Char('\n'))) line.chop(1);
    const int r = driver.Run(line);
    if (r == 2) return 2;
    if (r == 1) status = 1;
  }
  return status;
}
