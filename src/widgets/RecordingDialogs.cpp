#include "widgets/RecordingDialogs.h"

#include <QDir>

RecordingDialogs::RecordingDialogs(const QString& scratchFolder) : scratch(scratchFolder) {
  if (scratch.isEmpty()) scratch = QDir::tempPath() + QStringLiteral("/heatcalc-recording");
}

void RecordingDialogs::Message(const QString& text) {
  messages << text;
  if (onMessage) onMessage(text);
}

namespace {
QString ReplyText(Dialogs::Reply reply) {
  switch (reply) {
    case Dialogs::Reply::Yes:
      return QStringLiteral("yes");
    case Dialogs::Reply::No:
      return QStringLiteral("no");
    case Dialogs::Reply::Cancel:
      break;
  }
  return QStringLiteral("cancel");
}
}  // namespace

bool RecordingDialogs::Confirm(const QString& title, const QString& text) {
  Reply reply = Reply::No;
  if (!answers.empty()) {
    reply = answers.front() == Reply::Yes ? Reply::Yes : Reply::No;
    answers.pop_front();
  }
  const QString line = title + QStringLiteral(": ") + text + QStringLiteral(" -> ") + ReplyText(reply);
  confirmations << line;
  if (onConfirmation) onConfirmation(line);
  return reply == Reply::Yes;
}

Dialogs::Reply RecordingDialogs::Ask(const QString& title, const QString& text) {
  Reply reply = Reply::Cancel;
  if (!answers.empty()) {
    reply = answers.front();
    answers.pop_front();
  }
  const QString line = title + QStringLiteral(": ") + text + QStringLiteral(" -> ") + ReplyText(reply);
  confirmations << line;
  if (onConfirmation) onConfirmation(line);
  return reply;
}

QString RecordingDialogs::DesktopFolder() {
  const QString desktop = scratch + QStringLiteral("/Desktop");
  QDir().mkpath(desktop);
  return desktop;
}

QString RecordingDialogs::SaveFileName(const QString& title, const QString& suggested, const QString&) {
  QString path;
  if (!savePaths.empty()) {
    path = savePaths.front();
    savePaths.pop_front();
  }
  saveDialogs << title + QStringLiteral(": ") + suggested + QStringLiteral(" -> ") + path;
  return path;
}

QStringList RecordingDialogs::TakeMessages() {
  QStringList m = messages;
  messages.clear();
  return m;
}
