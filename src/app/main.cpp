// The program: one window over its working folder, opened centred on the
// screen.
//
// The working folder is the program's own folder when that can be written
// (the build folder, a copy of the program with its data), as it always
// was; an installed program (read-only, under /usr) works in the user's data
// folder, ~/.local/share/heatcalc (WorkingFolder.h). A second program on the
// same working files asks before it opens them (the lock lies beside the
// store, G1de-ta/heatcalc.lock); the first removes the unfinished files that
// a save cut short by a crash left behind.
//
// heatcalc --quit-after-start builds the window, runs its start-up and ends.
// It prints "folder: " and the working folder, then every message and
// question (answered no) on standard output instead of showing them: a
// start-up check for the install tests that needs no person.
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStandardPaths>
#include <cstdio>

#include "app/ScreenPlacement.h"
#include "app/TForm1.h"
#include "store/Leftovers.h"
#include "store/WorkingFilesLock.h"
#include "store/WorkingFolder.h"
#include "widgets/QtDialogs.h"
#include "widgets/QtJapanese.h"
#include "widgets/RecordingDialogs.h"

// The installed shipped data relative to the program's folder, and the
// name of the desktop entry and icon (set by the build).
#ifndef HEATCALC_SHIPPED_DATA
#define HEATCALC_SHIPPED_DATA "../share/heatcalc"
#endif
#ifndef HEATCALC_APP_ID
#define HEATCALC_APP_ID "heatcalc"
#endif

namespace {

void PrintLine(const QString& text) {
  QString line = text;
  line.replace(QLatin1Char('\r'), QLatin1Char(' '));
  std::fputs(qUtf8Printable(line + QLatin1Char('\n')), stdout);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  LoadQtJapanese(app);
  // The user's data folder is then ~/.local/share/heatcalc.
  QCoreApplication::setApplicationName(QStringLiteral("heatcalc"));
  QGuiApplication::setDesktopFileName(QStringLiteral(HEATCALC_APP_ID));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(HEATCALC_APP_ID)));
  const bool quitAfterStart = app.arguments().contains(QStringLiteral("--quit-after-start"));

  QtDialogs shown;
  RecordingDialogs printed;
  printed.onMessage = [](const QString& t) { PrintLine(QStringLiteral("message: ") + t); };
  printed.onConfirmation = [](const QString& t) { PrintLine(QStringLiteral("confirm: ") + t); };
  Dialogs& dialogs = quitAfterStart ? static_cast<Dialogs&>(printed) : shown;

  const QString programDir = QCoreApplication::applicationDirPath();
  const WorkingFolder::Choice working =
      WorkingFolder::Choose(programDir, programDir + QStringLiteral("/" HEATCALC_SHIPPED_DATA),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  if (quitAfterStart) PrintLine(QStringLiteral("folder: ") + working.folder);
  if (!working.problem.isEmpty()) dialogs.Message(working.problem);

  WorkingFilesLock lock(working.folder);
  switch (lock.TryLock()) {
    case WorkingFilesLock::Result::Locked:
      if (!lock.StaleNote().isEmpty()) dialogs.Message(lock.StaleNote());
      Leftovers::Remove(working.folder);
      break;
    case WorkingFilesLock::Result::HeldByOther:
      if (!dialogs.Confirm(QStringLiteral("確認"), lock.Question())) return 0;
      break;
    case WorkingFilesLock::Result::Unavailable:
      break;  // a folder that holds no lock file opens as before
  }

  TForm1 form(working.folder, dialogs);
  shown.setParentWidget(&form);
  PlaceWindowOnScreen(form);
  form.show();
  if (quitAfterStart) {
    QApplication::processEvents();
    return 0;
  }
  return app.exec();
}
