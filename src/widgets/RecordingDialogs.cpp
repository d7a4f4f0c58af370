#include "widgets/RecordingDialogs.h"

#include <QDir>
#include <QPrinter>

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

QString RecordingDialogs::DocumentsFolder() {
  const QString documents = scratch + QStringLiteral("/Documents");
  QDir().mkpath(documents);
  return documents;
}

QString RecordingDialogs::OpenFileName(const QString& title, const QString& proposed, const QString& filter) {
  return SaveFileName(title, proposed, filter);
}

QString RecordingDialogs::SaveFileName(const QString& title, const QString& proposed, const QString&) {
  QString chosen;
  if (!fileNames.empty()) {
    chosen = fileNames.front();
    fileNames.pop_front();
  }
  const QString line = title + QStringLiteral(": ") + proposed + QStringLiteral(" -> ") +
                       (chosen.isEmpty() ? QStringLiteral("cancel") : chosen);
  confirmations << line;
  if (onConfirmation) onConfirmation(line);
  return chosen;
}

bool RecordingDialogs::SetUpPrinter(QPrinter& printer) {
  const bool print = Confirm(QStringLiteral("印刷"), printer.docName());
  if (print) {
    const QString folder = scratch + QStringLiteral("/Printed");
    QDir().mkpath(folder);
    printed << folder + QStringLiteral("/print%1.pdf").arg(printed.size() + 1);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed.back());
  }
  return print;
}

QStringList RecordingDialogs::TakeMessages() {
  QStringList m = messages;
  messages.clear();
  return m;
}
