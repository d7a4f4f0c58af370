#include "widgets/RecordingDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "foundation/FloatFaults.h"

RecordingDialogs::RecordingDialogs(const QString& scratchFolder) : scratch(scratchFolder) {
  if (scratch.isEmpty()) scratch = QDir::tempPath() + QStringLiteral("/heatcalc-recording");
}

void RecordingDialogs::Message(const QString& text) {
  messages << text;
  if (onMessage) onMessage(text);
}

bool RecordingDialogs::Confirm(const QString& title, const QString& text) {
  bool yes = false;
  if (!answers.empty()) {
    yes = answers.front();
    answers.pop_front();
  }
  const QString line = title + QStringLiteral(": ") + text + QStringLiteral(" -> ") +
                       (yes ? QStringLiteral("yes") : QStringLiteral("no"));
  confirmations << line;
  if (onConfirmation) onConfirmation(line);
  return yes;
}

bool RecordingDialogs::MoveToTrash(const QString& path, QString* reason) {
  FloatFaults::Keep keep;
  const QString trash = scratch + QStringLiteral("/Trash");
  QDir().mkpath(trash);
  QFileInfo info(path);
  QString target = trash + QLatin1Char('/') + info.fileName();
  for (int i = 1; QFileInfo::exists(target); ++i)
    target = trash + QLatin1Char('/') + QString::number(i) + QLatin1Char('-') + info.fileName();
  if (!failTrash && info.isFile() && QFile::rename(path, target)) return true;
  if (reason) *reason = QStringLiteral("ごみ箱に移せません");
  return false;
}

QString RecordingDialogs::DesktopFolder() {
  const QString desktop = scratch + QStringLiteral("/Desktop");
  QDir().mkpath(desktop);
  return desktop;
}

QStringList RecordingDialogs::TakeMessages() {
  QStringList m = messages;
  messages.clear();
  return m;
}
