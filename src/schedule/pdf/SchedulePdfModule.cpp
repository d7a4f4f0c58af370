// The PDF writer as a module the command loads by name (QLibrary), so that
// the command itself links no Qt Gui: the application object Qt Gui needs
// is made here, on the offscreen platform, when the process has none.
#include <QGuiApplication>
#include <memory>

#include "schedule/pdf/SchedulePdf.h"

extern "C" Q_DECL_EXPORT bool HeatcalcSchedulePdf(const Schedule::ScheduleDocument* document, QByteArray* pdf,
                                                  QString* problem) {
  static int argc = 1;
  static char name[] = "heatcalc-batch";
  static char* argv[] = {name, nullptr};
  // Made for this call and gone with it: nothing of Qt Gui outlives the PDF.
  std::unique_ptr<QGuiApplication> app;
  if (!QCoreApplication::instance()) {
    // No window: the offscreen platform has the fonts and the painting.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    *problem = QStringLiteral("PDF はこのプログラムからは書けません（画面のない Qt の起動になっています）。");
    return false;
  }
  *pdf = Schedule::PaintSchedulePdf(*document);
  if (pdf->isEmpty()) {
    *problem = QStringLiteral("PDF を描けません。");
    return false;
  }
  return true;
}
